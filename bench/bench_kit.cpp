// The kit against the mechanisms a Qt developer would otherwise use, measured in the same run: ours and
// the reference alternate, each case repeats, and the medians and their ratio (ours/reference) print.
// Times are the thread's CPU time, so other processes on the machine do not count.
//
// 1. Paint: one render into a QImage of each control family at a typical size against the same stock Qt
//    widget painted by Fusion.
// 2. Theme switch: N push buttons, tavixLoadThemeDir between two theme directories this program writes
//    plus the repaint of their window, against N QPushButtons restyled by QApplication::setStyleSheet plus
//    the same repaint.
// 3. Layout: one Horizontal / Vertical / float pass of a container against QHBoxLayout / QVBoxLayout.
//
//   QT_QPA_PLATFORM=offscreen ./bench_kit

#include "TavixBenchRow.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQTabWidget.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

using TavixQtLib::TavixQContainer;

namespace {

constexpr int kRepetitions = 7;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// CPU time of this thread: on a shared machine, wall time mostly measures the other processes' load.
double threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

const char *g_group = "";     // the table's group and target, for the summary rows
const char *g_target = "";

// Runs ours and the reference alternately; each sample is the mean of `inner` calls in nanoseconds.
void compare(const char *name, int inner, const std::function<void()> &ours, const std::function<void()> &ref)
{
    ours();   // warm caches and lazy initialisation on both sides
    ref();
    std::vector<double> a, b;
    for (int rep = 0; rep < kRepetitions; ++rep) {
        for (int side = 0; side < 2; ++side) {
            const std::function<void()> &f = side == 0 ? ours : ref;
            const double start = threadCpuNs();
            for (int i = 0; i < inner; ++i)
                f();
            (side == 0 ? a : b).push_back((threadCpuNs() - start) / inner);
        }
    }
    const double ma = median(a), mb = median(b);
    std::printf("%-34s %12.1f %12.1f %8.2f\n", name, ma / 1000.0, mb / 1000.0, mb > 0 ? ma / mb : 0.0);
    tavixBenchRow(g_group, name, ma / 1000.0, mb / 1000.0, "us", g_target);
}

void header(const char *title)
{
    std::printf("\n%s\n%-34s %12s %12s %8s\n", title, "case", "ours us", "ref us", "ratio");
}

void renderInto(QWidget *w, QImage &image)
{
    image.fill(Qt::white);
    QPainter p(&image);
    w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
}

void fillModel(QStandardItemModel &model, int rows, int columns, bool tree)
{
    model.setColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        QList<QStandardItem *> row;
        for (int c = 0; c < columns; ++c)
            row << new QStandardItem(QStringLiteral("Row %1 col %2").arg(r).arg(c));
        if (tree && r % 10 == 0)
            for (int k = 0; k < 3; ++k)
                row.first()->appendRow(new QStandardItem(QStringLiteral("Child %1").arg(k)));
        model.appendRow(row);
    }
}

// Fills either side of a pair the same way, whatever its concrete class.
void populate(QWidget *w, QStandardItemModel &model)
{
    const QString text = QStringLiteral("Caption");
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        b->setText(text);
    if (auto *s = qobject_cast<QSlider *>(w)) {
        s->setOrientation(Qt::Horizontal);
        s->setRange(0, 100);
        s->setValue(40);
    }
    if (auto *p = qobject_cast<QProgressBar *>(w)) {
        p->setRange(0, 100);
        p->setValue(60);
    }
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(QStringLiteral("Some typed text"));
    if (auto *c = qobject_cast<QComboBox *>(w))
        c->addItems({QStringLiteral("First choice"), QStringLiteral("Second"), QStringLiteral("Third")});
    if (auto *l = qobject_cast<QListWidget *>(w))
        for (int i = 0; i < 100; ++i)
            l->addItem(QStringLiteral("Row %1").arg(i));
    else if (auto *v = qobject_cast<QAbstractItemView *>(w))
        v->setModel(&model);
    if (auto *t = qobject_cast<QTreeView *>(w))
        t->expandAll();
    if (auto *t = qobject_cast<QTabBar *>(w))
        for (int i = 0; i < 5; ++i)
            t->addTab(QStringLiteral("Tab %1").arg(i));
    if (auto *t = qobject_cast<TavixQtLib::TavixQTabWidget *>(w))
        for (int i = 0; i < 5; ++i)
            t->addTab(QStringLiteral("Tab %1").arg(i));
}

struct Family {
    const char *name;
    const char *keyword;
    std::function<QWidget *()> reference;
    QSize size;
    int rows;
    int columns;
    bool tree;
    std::function<QWidget *()> ours;   // when the control needs more than its keyword
};

// Three pages; the first shows three groups of three large buttons.
QWidget *ribbon()
{
    auto *bar = new TavixQtLib::TavixQRibbonBar;
    TavixQtLib::TavixQRibbonPage *page = bar->addPage(QStringLiteral("Home"));
    bar->addPage(QStringLiteral("Insert"));
    bar->addPage(QStringLiteral("View"));
    for (int g = 0; g < 3; ++g) {
        TavixQtLib::TavixQRibbonGroup *group = page->addGroup(QStringLiteral("Group %1").arg(g));
        for (int b = 0; b < 3; ++b)
            group->addButton(QStringLiteral("Action %1").arg(b), TavixQtLib::RibbonButtonLarge);
    }
    return bar;
}

// The stock counterpart: a tab bar over a tool bar of nine buttons with text under their icons.
QWidget *tabbedToolBar()
{
    auto *host = new QWidget;
    auto *layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *tabs = new QTabBar;
    for (const char *name : {"Home", "Insert", "View"})
        tabs->addTab(QString::fromLatin1(name));
    auto *tools = new QToolBar;
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int i = 0; i < 9; ++i)
        tools->addAction(QStringLiteral("Action %1").arg(i % 3));
    layout->addWidget(tabs);
    layout->addWidget(tools, 1);
    return host;
}

void benchPaint(QStyle *fusion)
{
    header("Paint: one render into a QImage, kit control vs stock widget under Fusion");
    g_group = "paint vs Fusion";
    g_target = "<= 1.0";
    const std::vector<Family> families = {
        {"push button 120x32", "qtbutton", [] { return new QPushButton; }, {120, 32}, 0, 0, false, {}},
        {"check box", "qtcheckbox", [] { return new QCheckBox; }, {120, 24}, 0, 0, false, {}},
        {"switch", "qtswitch", [] { return new QCheckBox; }, {48, 24}, 0, 0, false, {}},
        {"slider", "qtslider", [] { return new QSlider(Qt::Horizontal); }, {200, 24}, 0, 0, false, {}},
        {"progress bar", "qtprogressbar", [] { return new QProgressBar; }, {200, 20}, 0, 0, false, {}},
        {"line edit", "qtdedit", [] { return new QLineEdit; }, {200, 28}, 0, 0, false, {}},
        {"combo box", "qtcombobox", [] { return new QComboBox; }, {160, 28}, 0, 0, false, {}},
        {"list 100 rows", "qtlist", [] { return new QListWidget; }, {240, 400}, 0, 0, false, {}},
        {"table 100x5", "qtdatagrid", [] { return new QTableView; }, {480, 400}, 100, 5, false, {}},
        {"tree", "qttree", [] { return new QTreeView; }, {240, 400}, 100, 1, true, {}},
        {"tab bar", "qttab", [] { return new QTabBar; }, {400, 32}, 0, 0, false, {}},
        {"ribbon, 9 buttons", "qtribbonbar", tabbedToolBar, {720, 120}, 0, 0, false, ribbon},
    };
    const QByteArray only = qgetenv("TAVIX_BENCH_ONLY");   // one family, for a profiler run
    for (const Family &f : families) {
        if (!only.isEmpty() && only != f.keyword)
            continue;
        QStandardItemModel oursModel, refModel;
        if (f.rows > 0) {
            fillModel(oursModel, f.rows, f.columns, f.tree);
            fillModel(refModel, f.rows, f.columns, f.tree);
        }
        std::unique_ptr<QWidget> ours(f.ours ? f.ours() : TavixQtLib::tavixCreateControlByKeyword(f.keyword, nullptr));
        std::unique_ptr<QWidget> ref(f.reference());
        if (!ours) {
            std::printf("%-34s (no such control)\n", f.name);
            continue;
        }
        ref->setStyle(fusion);
        for (QWidget *child : ref->findChildren<QWidget *>())
            child->setStyle(fusion);
        populate(ours.get(), oursModel);
        populate(ref.get(), refModel);
        for (QWidget *w : {ours.get(), ref.get()}) {
            w->resize(f.size);
            w->setAttribute(Qt::WA_DontShowOnScreen);
            w->show();
        }
        QCoreApplication::processEvents();
        QImage a(f.size, QImage::Format_ARGB32_Premultiplied), b(f.size, QImage::Format_ARGB32_Premultiplied);
        const int inner = f.size.height() > 100 ? 20 : 300;
        compare(f.name, inner, [&] { renderInto(ours.get(), a); }, [&] { renderInto(ref.get(), b); });
    }
}

// Two theme directories that give push buttons rounded, bordered fills of different colours.
bool writeTheme(const QString &dir, const char *fill, const char *border, const char *text)
{
    if (!QDir().mkpath(dir))
        return false;
    QFile style(dir + QStringLiteral("/style.json"));
    QFile theme(dir + QStringLiteral("/theme.json"));
    if (!style.open(QIODevice::WriteOnly) || !theme.open(QIODevice::WriteOnly))
        return false;
    QByteArray s = "{\"style\":[";
    const char *states[] = {"btnNormal", "btnHot", "btnPressed", "btnDisable"};
    for (const char *name : states)
        s += QByteArray("{\"type\":1,\"name\":\"") + name + "\",\"drawImg\":false,\"clr\":\"" + fill
             + "\",\"border\":true,\"borderSize\":1,\"borderclr\":\"" + border + "\",\"round\":6},";
    s += QByteArray("{\"type\":2,\"name\":\"btnText\",\"clr\":\"") + text + "\",\"hor\":1,\"ver\":1,\"bold\":true}]}";
    style.write(s);
    theme.write("{\"elements\":[{\"type\":\"qtcontainer\",\"name\":\"theme\",\"child\":[{\"name\":\"qtbutton\","
                "\"type\":\"qtbutton\",\"style\":[[\"btnNormal\",1,0],[\"btnHot\",1,1],[\"btnPressed\",1,2],"
                "[\"btnDisable\",1,3],[\"btnText\",2,4]]}]}]}");
    return true;
}

QByteArray sheet(const char *fill, const char *border, const char *text)
{
    return QByteArray("QPushButton { background-color: #") + fill + "; border: 1px solid #" + border
           + "; border-radius: 6px; color: #" + text + "; font-weight: bold; }";
}

void benchThemeSwitch(const QString &dirA, const QString &dirB)
{
    header("Theme switch: load another theme + repaint N push buttons vs setStyleSheet + repaint");
    g_group = "theme switch vs style sheet";
    g_target = "<= 0.1 at N=1000";
    for (int n : {100, 1000, 5000}) {
        const int columns = 20;
        const QSize size(columns * 120, ((n + columns - 1) / columns) * 32);
        QWidget oursHost, refHost;
        for (int i = 0; i < n; ++i) {
            QWidget *b = TavixQtLib::tavixCreateControlByKeyword("qtbutton", &oursHost);
            static_cast<QAbstractButton *>(b)->setText(QStringLiteral("Button %1").arg(i));
            b->setGeometry((i % columns) * 120, (i / columns) * 32, 120, 32);
            auto *r = new QPushButton(QStringLiteral("Button %1").arg(i), &refHost);
            r->setGeometry((i % columns) * 120, (i / columns) * 32, 120, 32);
        }
        for (QWidget *w : {&oursHost, &refHost}) {
            w->resize(size);
            w->setAttribute(Qt::WA_DontShowOnScreen);
            w->show();
        }
        QCoreApplication::processEvents();
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        bool flipOurs = false, flipRef = false;
        const QByteArray sheetA = sheet("2563EB", "1F56D1", "FFFFFF");
        const QByteArray sheetB = sheet("16A34A", "15803D", "F0FFF0");
        char name[64];
        std::snprintf(name, sizeof name, "theme switch N=%d", n);
        compare(name, 1,
                [&] {
                    flipOurs = !flipOurs;
                    TavixQtLib::tavixLoadThemeDir((flipOurs ? dirB : dirA).toUtf8().constData());
                    renderInto(&oursHost, image);
                },
                [&] {
                    flipRef = !flipRef;
                    qApp->setStyleSheet(QString::fromLatin1(flipRef ? sheetB : sheetA));
                    renderInto(&refHost, image);
                });
        qApp->setStyleSheet(QString());
    }
}

void benchLayout()
{
    header("Layout: one pass of a container vs a box layout, per pass");
    g_group = "layout pass";
    g_target = "<= 1.0, linear";
    struct Mode {
        const char *name;
        TavixQContainer::AutoChildLayout layout;
        bool vertical;
    };
    const Mode modes[] = {
        {"Horizontal vs QHBoxLayout", TavixQContainer::Horizontal, false},
        {"Vertical vs QVBoxLayout", TavixQContainer::Vertical, true},
        {"float vs QHBoxLayout", TavixQContainer::HorFloat, false},
    };
    const int onlyN = qEnvironmentVariableIntValue("TAVIX_BENCH_N");   // one size, for a profiler run
    for (const Mode &m : modes) {
        for (int n : {10, 100, 1000, 10000}) {
            if (onlyN > 0 && n != onlyN)
                continue;
            const int extent = n * 20;
            TavixQContainer container;
            container.setChildLayout(m.layout);
            QWidget host;
            QBoxLayout *box = m.vertical ? static_cast<QBoxLayout *>(new QVBoxLayout(&host))
                                         : static_cast<QBoxLayout *>(new QHBoxLayout(&host));
            box->setContentsMargins(0, 0, 0, 0);
            box->setSpacing(0);
            for (int i = 0; i < n; ++i) {
                auto *c = new QWidget(&container);
                c->resize(20, 20);
                box->addWidget(new QWidget);
            }
            const QSize base = m.vertical ? QSize(40, extent) : QSize(extent, 40);
            container.resize(base);
            host.resize(base);
            QCoreApplication::processEvents();
            box->setGeometry(QRect(QPoint(), base));   // settles the cached size hints
            int flip = 0, flipRef = 0;
            const int inner = int(std::max(3, 200000 / n / 10));
            char name[64];
            std::snprintf(name, sizeof name, "%s N=%d", m.name, n);
            compare(name, inner,
                    [&] {
                        flip ^= 1;
                        container.resize(m.vertical ? QSize(40, extent + 2 * flip) : QSize(extent + 2 * flip, 40));
                        container.forceResize();
                    },
                    [&] {
                        flipRef ^= 1;
                        box->setGeometry(QRect(QPoint(), m.vertical ? QSize(40, extent + 2 * flipRef)
                                                                    : QSize(extent + 2 * flipRef, 40)));
                    });
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TavixQtLib::init();
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QTemporaryDir tmp;
    const QString dirA = tmp.path() + QStringLiteral("/themeA");
    const QString dirB = tmp.path() + QStringLiteral("/themeB");
    if (!tmp.isValid() || !writeTheme(dirA, "FF2563EB", "FF1F56D1", "FFFFFFFF")
        || !writeTheme(dirB, "FF16A34A", "FF15803D", "FFF0FFF0")) {
        std::fprintf(stderr, "cannot write the theme directories\n");
        return 1;
    }
    TavixQtLib::tavixLoadThemeDir(dirA.toUtf8().constData());
    const QStringList args = app.arguments();
    const bool all = args.size() < 2;
    if (all || args.contains(QStringLiteral("paint")))
        benchPaint(fusion);
    if (all || args.contains(QStringLiteral("theme")))
        benchThemeSwitch(dirA, dirB);
    if (all || args.contains(QStringLiteral("layout")))
        benchLayout();
    delete fusion;
    return 0;
}
