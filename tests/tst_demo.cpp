// The dashboard window: start-up failure, section selection, the collapsing sidebar, the theme dialog and
// what a theme switch repaints.

#include "CorvellaSorbane.h"
#include "DemoFactories.h"
#include "DemoRun.h"
#include "TavixZipBuilder.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQStackContainer.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TavixQtLib;

namespace {

// A theme whose cards and buttons paint in one colour, so a pixel tells which theme is current.
bool writeTheme(const QString &dir, const char *cardArgb)
{
    if (!QDir().mkpath(dir + QStringLiteral("/images")))
        return false;
    const QByteArray style = QByteArray("{\"style\":[{\"type\":1,\"name\":\"card\",\"drawImg\":false,\"clr\":\"")
                             + cardArgb + "\",\"borderSize\":0}]}";
    const QByteArray theme = "{\"elements\":[{\"type\":\"qtcontainer\",\"name\":\"theme\",\"child\":["
                             "{\"name\":\"CardBg\",\"type\":\"qtcontainer\",\"style\":[[\"card\",1,0]]}]}]}";
    QFile s(dir + QStringLiteral("/style.json"));
    QFile t(dir + QStringLiteral("/theme.json"));
    return s.open(QIODevice::WriteOnly) && s.write(style) == style.size() && t.open(QIODevice::WriteOnly)
           && t.write(theme) == theme.size();
}

// A theme whose radio keyword entry carries indicator images and whose navigation entry a selected fill.
bool writeNavigationTheme(const QString &dir)
{
    if (!QDir().mkpath(dir + QStringLiteral("/images")))
        return false;
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                           "<circle cx=\"8\" cy=\"8\" r=\"6\" fill=\"#000\"/></svg>";
    const QByteArray style = "{\"style\":[{\"type\":1,\"name\":\"navSel\",\"drawImg\":false,\"clr\":\"FF7A30C0\","
                             "\"borderSize\":0}]}";
    const QByteArray theme = "{\"elements\":[{\"type\":\"qtcontainer\",\"name\":\"theme\",\"child\":["
                             "{\"name\":\"qtradiobox\",\"type\":\"qtradiobox\",\"attr\":{\"iconPath\":\"images/r.svg\","
                             "\"hotIconPath\":\"images/r.svg\",\"siconPath\":\"images/r.svg\",\"sHotIconPath\":\"images/r.svg\"}},"
                             "{\"name\":\"NavButton\",\"type\":\"qtradiobox\",\"style\":[[\"navSel\",1,4],[\"navSel\",1,5],"
                             "[\"navSel\",1,6],[\"navSel\",1,7]]}]}]}";
    QFile i(dir + QStringLiteral("/images/r.svg"));
    QFile s(dir + QStringLiteral("/style.json"));
    QFile t(dir + QStringLiteral("/theme.json"));
    return i.open(QIODevice::WriteOnly) && i.write(svg) == svg.size() && s.open(QIODevice::WriteOnly)
           && s.write(style) == style.size() && t.open(QIODevice::WriteOnly) && t.write(theme) == theme.size();
}

// Closes every modal box as soon as it shows and remembers what it said.
class ModalCloser : public QObject
{
public:
    QStringList seen;
    ModalCloser()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

QColor cardPixel(QWidget *card)
{
    const QImage image = card->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

TavixQContainer *headerCard(CorvellaSorbane &window)
{
    QWidget *page = window.workspaceStack()->currentWidget();
    for (auto *c : page->findChildren<TavixQContainer *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (c->getThemeName() == QLatin1String("CardBg"))
            return c;
    }
    return nullptr;
}

} // namespace

class tst_Demo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupWithoutTheme_data();
    void startupWithoutTheme();
    void selectSectionByName_data();
    void selectSectionByName();
    void navigationClickSelectsSection();
    void unknownSectionChangesNothing();
    void collapseAndExpand();
    void everyChevronOnTheTabChainFolds_data();
    void everyChevronOnTheTabChainFolds();
    void workspaceFollowsTheSidebar();
    void resizeKeepsMarginAndNeverGoesNegative_data();
    void resizeKeepsMarginAndNeverGoesNegative();
    void themeDialogCreatedOnce();
    void themeSwitchRestylesAndReopensDialog();
    void failedThemeKeepsPreviousOne();
    void themeSwitchKeepsNavigationIcons();
    void themeArchiveSwitchesLikeItsFolder();
    void darkLabelsStayReadable_data();
    void darkLabelsStayReadable();

private:
    QTemporaryDir m_dir;
    QString m_themeA, m_themeB;
    std::unique_ptr<CorvellaSorbane> m_window;
};

void tst_Demo::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_themeA = m_dir.filePath(QStringLiteral("themeA"));
    m_themeB = m_dir.filePath(QStringLiteral("themeB"));
    QVERIFY(writeTheme(m_themeA, "FFCC2020"));
    QVERIFY(writeTheme(m_themeB, "FF20A040"));
    init();
    QVERIFY(tavixLoadThemeDir(m_themeA.toUtf8().constData()));
    m_window = std::make_unique<CorvellaSorbane>();
    m_window->setCurrentThemeDir(m_themeA);
    QVERIFY(m_window->isReady());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Demo::startupWithoutTheme_data()
{
    QTest::addColumn<bool>("headless");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("window: warns, returns 0") << false << 0
                                              << QStringList{QStringLiteral("Warning|Can't open theme file")};
    // Nobody would close a box in a screenshot run: it must fail at once instead of waiting forever.
    QTest::newRow("screenshot: no box, returns 1") << true << 1 << QStringList();
}

void tst_Demo::startupWithoutTheme()
{
    QFETCH(bool, headless);
    QFETCH(int, expected);
    QFETCH(QStringList, boxes);
    QTemporaryDir empty;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));
    ModalCloser closer;
    TavixDemo::RunOptions options;   // "./theme1", not there
    if (headless)
        options.screenshot = empty.filePath(QStringLiteral("shot.png"));
    const int result = TavixDemo::runDashboard(options);
    QDir::setCurrent(previous);
    QCOMPARE(result, expected);
    QCOMPARE(closer.seen, boxes);
    // The failed load left an empty set; the other tests run under theme A again.
    QVERIFY(tavixLoadThemeDir(m_themeA.toUtf8().constData()));
    m_window->adaptToTheme();
}

void tst_Demo::selectSectionByName_data()
{
    QTest::addColumn<QString>("section");
    QTest::newRow("first") << QStringLiteral("Dashboard");
    QTest::newRow("middle") << QStringLiteral("Tree");
    QTest::newRow("shared icon") << QStringLiteral("Spin");
    QTest::newRow("last") << QStringLiteral("ComboBox");
}

void tst_Demo::selectSectionByName()
{
    QFETCH(QString, section);
    m_window->selectSection(section);
    QCOMPARE(m_window->currentSection(), section);
    QVERIFY(m_window->workspaceStack()->currentWidget()->isVisible());
    for (TavixQRadioButton *button : m_window->navigationButtons())
        QCOMPARE(button->isChecked(), button->text() == section);
}

void tst_Demo::navigationClickSelectsSection()
{
    m_window->selectSection(QStringLiteral("Dashboard"));
    TavixQRadioButton *list = m_window->navigationButtons().at(3);
    QCOMPARE(list->text(), QStringLiteral("List"));
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() / 2, list->height() / 2));
    QCOMPARE(m_window->currentSection(), QStringLiteral("List"));
    QVERIFY(list->isChecked());
    QVERIFY(!m_window->navigationButtons().first()->isChecked());
}

void tst_Demo::unknownSectionChangesNothing()
{
    m_window->selectSection(QStringLiteral("Slider"));
    const int index = m_window->workspaceStack()->currentIndex();
    for (const QString &name : {QStringLiteral("Sliders"), QStringLiteral("slider"), QString()}) {
        m_window->selectSection(name);
        QCOMPARE(m_window->workspaceStack()->currentIndex(), index);
        QCOMPARE(m_window->currentSection(), QStringLiteral("Slider"));
    }
}

void tst_Demo::collapseAndExpand()
{
    CorvellaSorbane &w = *m_window;
    TavixQPushButton *toggle = w.collapseButton();
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(w.isCollapsed());
    QVERIFY(w.sidebar()->isResizeAnimationRunning());
    // A second click while the sidebar moves is ignored.
    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(w.isCollapsed());
    QTRY_VERIFY(!w.sidebar()->isResizeAnimationRunning());
    QCOMPARE(w.sidebar()->width(), 72);
    QCOMPARE(w.header()->height(), 64);
    QCOMPARE(w.logo()->getImagePath(), QStringLiteral(":/CorvellaSorbane/images/logoMin.png"));
    QCOMPARE(w.logo()->size(), QSize(40, 40));
    QVERIFY(w.divider()->isHidden());
    QVERIFY(w.promoCard()->isVisible());
    QCOMPARE(w.promoCard()->height(), 48);
    QVERIFY(w.promoTitle()->isHidden());
    QVERIFY(w.promoText()->isHidden());
    QCOMPARE(w.collapseButton()->getIcon(), QStringLiteral(":/CorvellaSorbane/images/chevron-right.svg"));
    for (TavixQRadioButton *button : w.navigationButtons()) {
        QVERIFY(!button->getShowText());
        QCOMPARE(button->getIconOffsetX(), 0);
    }

    QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(12, 12));
    QVERIFY(!w.isCollapsed());
    QTRY_VERIFY(!w.sidebar()->isResizeAnimationRunning());
    QCOMPARE(w.sidebar()->width(), 220);
    QCOMPARE(w.header()->height(), 96);
    QCOMPARE(w.logo()->size(), QSize(200, 50));
    QVERIFY(!w.divider()->isHidden());
    QCOMPARE(w.promoCard()->height(), 140);
    QVERIFY(!w.promoText()->isHidden());
    QCOMPARE(w.collapseButton()->getIcon(), QStringLiteral(":/CorvellaSorbane/images/chevron-left.svg"));
    for (TavixQRadioButton *button : w.navigationButtons()) {
        QVERIFY(button->getShowText());
        QCOMPARE(button->getIconOffsetX(), 10);
    }
}

void tst_Demo::everyChevronOnTheTabChainFolds_data()
{
    QTest::addColumn<QString>("section");
    QTest::newRow("Dashboard") << "Dashboard";
    QTest::newRow("Slider") << "Slider";
}

// A chevron Tab stops at folds its card's body away and back from the keyboard and the mouse; the sample
// dashboard's "more" arrows, which lead nowhere, are pictures that Tab passes by.
void tst_Demo::everyChevronOnTheTabChainFolds()
{
    QFETCH(QString, section);
    m_window->selectSection(section);
    QWidget *page = m_window->workspaceStack()->currentWidget();
    int chevrons = 0;
    for (TavixQPushButton *button : page->findChildren<TavixQPushButton *>()) {
        if (!button->getIcon().contains(QLatin1String("chevron")) || !(button->focusPolicy() & Qt::TabFocus))
            continue;
        QVERIFY2(button->property("demoChevron").toBool(), qPrintable(button->getIcon()));
        ++chevrons;
        QWidget *card = button->parentWidget()->parentWidget();
        QWidget *body = nullptr;
        for (QWidget *child : card->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child->objectName().endsWith(QLatin1String("Body")))
                body = child;
        }
        QVERIFY(body && body->isVisible());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(body->isHidden());
        QVERIFY(button->getIcon().endsWith(QLatin1String("chevron-right.svg")));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2, button->height() / 2));
        QVERIFY(body->isVisible());
        QVERIFY(button->getIcon().endsWith(QLatin1String("chevron-down.svg")));
    }
    QCOMPARE(chevrons, section == QLatin1String("Dashboard") ? 0 : 2);
    const QList<TavixQImage *> pictures = page->findChildren<TavixQImage *>(QStringLiteral("demoMoreArrow"));
    QCOMPARE(pictures.isEmpty(), section != QLatin1String("Dashboard"));
    for (TavixQImage *arrow : pictures)
        QCOMPARE(arrow->focusPolicy(), Qt::NoFocus);
}

// Collapsing and expanding, twice: the workspace starts where the sidebar ends, never underneath it.
void tst_Demo::workspaceFollowsTheSidebar()
{
    CorvellaSorbane w;
    w.setCurrentThemeDir(m_themeA);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *sidebar = w.sidebar();
    QWidget *workspace = w.workspaceStack();
    while (workspace->parentWidget() != sidebar->parentWidget())
        workspace = workspace->parentWidget();
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (const int width : {72, 220}) {
            QTest::mouseClick(w.collapseButton(), Qt::LeftButton, {}, QPoint(12, 12));
            QTRY_VERIFY(!w.sidebar()->isResizeAnimationRunning());
            QCOMPARE(sidebar->width(), width);
            QCOMPARE(workspace->x(), sidebar->geometry().right() + 11);   // the shell's 10-pixel gap
            QCOMPARE(workspace->geometry().right(), sidebar->parentWidget()->width() - 1);
        }
    }
}

void tst_Demo::resizeKeepsMarginAndNeverGoesNegative_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("shell");
    QTest::newRow("normal") << QSize(1280, 720) << QRect(8, 8, 1264, 704);
    QTest::newRow("smaller") << QSize(900, 500) << QRect(8, 8, 884, 484);
    QTest::newRow("below margins") << QSize(10, 12) << QRect(8, 8, 0, 0);
}

void tst_Demo::resizeKeepsMarginAndNeverGoesNegative()
{
    QFETCH(QSize, size);
    QFETCH(QRect, shell);
    CorvellaSorbane window;
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.resize(size);
    QResizeEvent event(size, QSize(1280, 720));
    QCoreApplication::sendEvent(&window, &event);
    auto *shellBox = window.findChild<TavixQContainer *>(QStringLiteral("dashboardShell"));
    QVERIFY(shellBox);
    QCOMPARE(shellBox->geometry(), shell);
}

void tst_Demo::themeDialogCreatedOnce()
{
    QPointer<QDialog> first = m_window->themeDialog();
    QVERIFY(first);
    m_window->openThemeDialog();
    m_window->openThemeDialog();
    QCOMPARE(m_window->themeDialog(), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), QStringLiteral("Switch Theme Style"));
    QCOMPARE(m_window->findChildren<QDialog *>().size(), 1);
}

void tst_Demo::themeSwitchRestylesAndReopensDialog()
{
    m_window->selectSection(QStringLiteral("Buttons"));
    TavixQContainer *card = headerCard(*m_window);
    QVERIFY(card);
    QCOMPARE(cardPixel(card), QColor(0xCC, 0x20, 0x20));

    QPointer<QDialog> before = m_window->themeDialog();
    QVERIFY(before);
    QSignalSpy applied(m_window.get(), &CorvellaSorbane::themeApplied);
    m_window->applyTheme(m_themeB);
    // Closed before the theme loads.
    QVERIFY(!m_window->themeDialog());
    QVERIFY(before.isNull() || !before->isVisible());
    QTRY_COMPARE(applied.size(), 1);
    QCOMPARE(applied.first().at(1).toBool(), true);
    QCOMPARE(cardPixel(card), QColor(0x20, 0xA0, 0x40));
    QVERIFY(m_window->themeDialog());
    QVERIFY(m_window->themeDialog()->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(before.isNull());
    QCOMPARE(m_window->findChildren<QDialog *>().size(), 1);
}

void tst_Demo::failedThemeKeepsPreviousOne()
{
    m_window->selectSection(QStringLiteral("Label"));
    TavixQContainer *card = headerCard(*m_window);
    const QColor before = cardPixel(card);
    ModalCloser closer;
    QSignalSpy applied(m_window.get(), &CorvellaSorbane::themeApplied);
    const QString missing = m_dir.filePath(QStringLiteral("no-such-theme"));
    m_window->applyTheme(missing);
    QTRY_COMPARE(applied.size(), 1);
    QCOMPARE(applied.first().at(1).toBool(), false);
    QCOMPARE(closer.seen, QStringList{QStringLiteral("Warning|Can't open theme file: ") + missing});
    QCOMPARE(cardPixel(card), before);
    QVERIFY(!m_window->themeDialog());
}

void tst_Demo::themeSwitchKeepsNavigationIcons()
{
    const QString dir = m_dir.filePath(QStringLiteral("themeNav"));
    QVERIFY(writeNavigationTheme(dir));
    m_window->selectSection(QStringLiteral("Grids"));
    QStringList icons;
    for (TavixQRadioButton *button : m_window->navigationButtons())
        icons << button->getCheckedIcon();
    QSignalSpy applied(m_window.get(), &CorvellaSorbane::themeApplied);
    m_window->applyTheme(dir);
    QTRY_COMPARE(applied.size(), 1);
    QCOMPARE(applied.first().at(1).toBool(), true);
    QStringList after;
    TavixQRadioButton *selected = nullptr;
    for (TavixQRadioButton *button : m_window->navigationButtons()) {
        after << button->getCheckedIcon();
        if (button->isChecked())
            selected = button;
    }
    QCOMPARE(after, icons);
    QVERIFY(selected);
    QCOMPARE(selected->text(), QStringLiteral("Grids"));
    // The selected entry paints the theme's fill, not one fixed in code.
    const QImage image = selected->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 12, image.height() / 2), QColor(0x7A, 0x30, 0xC0));
    m_window->applyTheme(m_themeA);
    QTRY_COMPARE(applied.size(), 2);
}

void tst_Demo::darkLabelsStayReadable_data()
{
    QTest::addColumn<QColor>("color");
    QTest::newRow("title") << QColor(17, 24, 39);
    QTest::newRow("muted") << QColor(92, 100, 116);
    QTest::newRow("subtitle") << QColor(126, 132, 142);
    QTest::newRow("table head") << QColor(136, 142, 151);
    QTest::newRow("accent") << QColor(37, 99, 235);
    QTest::newRow("warning") << QColor(232, 148, 54);
}

void tst_Demo::darkLabelsStayReadable()
{
    QFETCH(QColor, color);
    auto luminance = [](const QColor &c) {
        auto lin = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const QColor light = TavixDemo::darkVariant(color);
    const QColor card(30, 36, 48);   // a dark card; 20 % lightness at most
    const qreal ratio = (luminance(light) + 0.05) / (luminance(card) + 0.05);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("contrast %1").arg(ratio)));
}

QTEST_MAIN(tst_Demo)
// "--theme" and the theme dialog take a ZIP archive of a theme folder as well (the build packs the three
// shipped themes so); the archive restyles the window as its folder does.
void tst_Demo::themeArchiveSwitchesLikeItsFolder()
{
    m_window->selectSection(QStringLiteral("Buttons"));
    TavixQContainer *card = headerCard(*m_window);
    QVERIFY(card);
    QVector<tavixtest::ZipItem> items;
    for (const char *name : {"style.json", "theme.json"}) {
        QFile f(m_themeB + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        items.append(tavixtest::ZipItem(name, f.readAll()));
    }
    const QString archive = m_dir.filePath(QStringLiteral("themeB.zip"));
    QFile out(archive);
    const QByteArray bytes = tavixtest::buildZip(items);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();

    QVERIFY(TavixDemo::loadDemoTheme(m_themeA));
    QCOMPARE(cardPixel(card), QColor(0xCC, 0x20, 0x20));
    QVERIFY(TavixDemo::loadDemoTheme(archive));
    QCOMPARE(cardPixel(card), QColor(0x20, 0xA0, 0x40));
    QVERIFY(!TavixDemo::loadDemoTheme(m_dir.filePath(QStringLiteral("missing.zip"))));
}

#include "tst_demo.moc"
