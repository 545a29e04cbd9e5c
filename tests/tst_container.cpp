#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQContainerImpl.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "controls/TavixQSpacer.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QScrollBar>
#include <QPointer>
#include <QWheelEvent>
#include <QtTest>

#include <json/value.h>

#include <functional>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

// Builds one child from a token of the row tables; sizes are given for a horizontal row and turned
// for a vertical one. r<n>: ratio n; f<w>: PolicyFixed, w long; m<max>: maximum length; b<w>[:<min>]:
// w long (minimum min); x: cross axis PolicyExpanding; s: elastic spacer, 0 thick; p<w>:<h>: a plain QWidget;
// a<hor><ver>:<dx>:<dy>:<w>:<h>: docked with those alignments and offsets.
QWidget *makeChild(TavixQContainer *parent, const QString &token, bool vertical)
{
    const QChar kind = token.at(0);
    const QStringList args = token.mid(1).split(QLatin1Char(':'));
    const int arg = args.value(0).toInt();
    auto resizeMain = [vertical](QWidget *w, int length, int cross = 20) {
        vertical ? w->resize(cross, length) : w->resize(length, cross);
    };
    if (kind == QLatin1Char('p') || kind == QLatin1Char('s')) {
        QWidget *w = kind == QLatin1Char('s') ? new TavixQSpacer(parent) : new QWidget(parent);
        resizeMain(w, arg, args.value(1).toInt());
        return w;
    }
    auto *child = new TavixQContainer(parent);
    resizeMain(child, args.first().isEmpty() ? 10 : arg);
    if (kind == QLatin1Char('r')) {
        child->setLayoutRatio(arg);
    } else if (kind == QLatin1Char('f')) {
        vertical ? child->setHeightPolicy(PolicyFixed) : child->setWidthPolicy(PolicyFixed);
    } else if (kind == QLatin1Char('m')) {
        vertical ? child->setMaximumHeight(arg) : child->setMaximumWidth(arg);
    } else if (kind == QLatin1Char('b') && args.size() > 1) {
        vertical ? child->setMinimumHeight(args.at(1).toInt()) : child->setMinimumWidth(args.at(1).toInt());
    } else if (kind == QLatin1Char('x')) {
        vertical ? child->setWidthPolicy(PolicyExpanding) : child->setHeightPolicy(PolicyExpanding);
    } else if (kind == QLatin1Char('a')) {
        const DockLayoutType hor = DockLayoutType(arg / 10), ver = DockLayoutType(arg % 10);
        const int dx = args.value(1).toInt(), dy = args.value(2).toInt();
        resizeMain(child, args.value(3).toInt(), args.value(4).toInt());
        vertical ? child->setAbsoluteDock(ver, hor, dy, dx) : child->setAbsoluteDock(hor, ver, dx, dy);
    }
    return child;
}

QRect baseGeometry(const QWidget *w)
{
    return w->property("_tavix_container_base_geometry").toRect();
}

using tavixtest::parse;

// A 200 x 300 container scrolling a 100 x 500 child through a bound vertical bar.
struct Scrolled
{
    TavixQContainer container;
    QWidget *content = new QWidget(&container);
    TavixQScrollBar *bar = new TavixQScrollBar(Qt::Horizontal);
    Scrolled()
    {
        container.resize(200, 300);
        content->setGeometry(0, 0, 100, 500);   // bottom at 499
        container.bindScrollBar(bar, false);
    }
};

} // namespace

class tst_Container : public QObject
{
    Q_OBJECT

private slots:
    void rowLayout_data();
    void rowLayout();
    void addedChildIsLaidOutOnNextLoop();
    void boundScrollBarRangeAndOffset();
    void unbindingAndDeletingTheBar();
    void barChangedFromItsSignal_data();
    void barChangedFromItsSignal();
    void barServesOneContainer();
    void barFollowsEachChild();
    void addedChildrenLaidOutOncePerBatch();
    void nodeValuesOutOfRange_data();
    void nodeValuesOutOfRange();
    void childLayoutFromJson_data();
    void childLayoutFromJson();
    void jsonRoundTrip();
    void resizeAnimation();
    void nestedPageRenders();
};

void tst_Container::rowLayout_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("flow");
    QTest::addColumn<QSize>("size");         // of the container, for a horizontal row
    QTest::addColumn<int>("space");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QString>("children");
    QTest::addColumn<QList<QRect>>("expected");   // for a horizontal row

    const auto add = [](const char *name, bool flow, QSize size, int space, int padding, const char *children,
                        const QList<QRect> &expected) {
        for (const bool vertical : {false, true}) {
            QTest::addRow("%s%s", name, vertical ? " / vertical" : "") << vertical << flow << size << space << padding
                << QString::fromLatin1(children) << expected;
        }
    };
    add("1:1:1 on 300", false, {300, 50}, 0, 0, "r1 r1 r1", {{0, 0, 100, 20}, {100, 0, 100, 20}, {200, 0, 100, 20}});
    add("1:2 on 100, last takes remainder", false, {100, 50}, 0, 0, "r1 r2", {{0, 0, 33, 20}, {33, 0, 67, 20}});
    add("fixed 80 beside ratio", false, {300, 50}, 0, 0, "f80 r1", {{0, 0, 80, 20}, {80, 0, 220, 20}});
    add("max 50 passes space on", false, {300, 50}, 0, 0, "m50 r1 r1", {{0, 0, 50, 20}, {50, 0, 125, 20}, {175, 0, 125, 20}});
    add("padding 4 on every side", false, {300, 50}, 0, 4, "x", {{4, 4, 292, 42}});
    add("spacer between buttons", false, {300, 50}, 0, 0, "b60 s b60", {{0, 0, 60, 20}, {60, 0, 180, 0}, {240, 0, 60, 20}});
    // 100 too long; slack 150 and 50 give cuts of 75 and 25.
    add("overflow shrinks by slack", false, {300, 50}, 0, 0, "b200:50 s b200:150", {{0, 0, 125, 20}, {125, 0, 0, 0}, {125, 0, 175, 20}});
    add("docked child leaves the row", false, {300, 100}, 0, 0, "a22:0:0:250:20 r1 r1", {{50, 80, 250, 20}, {0, 0, 150, 20}, {150, 0, 150, 20}});
    add("dock far far, offset -10", false, {200, 100}, 0, 0, "a22:-10:-10:50:20", {{140, 70, 50, 20}});
    add("dock too large is clamped", false, {200, 100}, 0, 10, "a00:0:0:500:500", {{10, 10, 180, 80}});
    // The third would end at 380: a new line below the tallest of the first (40) plus the gap.
    add("float wraps", true, {300, 200}, 10, 0, "p120:30 p120:40 p120:30", {{0, 0, 120, 30}, {130, 0, 120, 40}, {0, 50, 120, 30}});
}

void tst_Container::rowLayout()
{
    QFETCH(bool, vertical);
    QFETCH(bool, flow);
    QFETCH(QSize, size);
    QFETCH(int, space);
    QFETCH(int, padding);
    QFETCH(QString, children);
    QFETCH(QList<QRect>, expected);

    TavixQContainer container;
    container.resize(vertical ? size.transposed() : size);
    QList<QWidget *> made;
    for (const QString &token : children.split(QLatin1Char(' ')))
        made << makeChild(&container, token, vertical);
    container.setChildSpace(space);
    container.setChildPadding(padding);
    container.setChildLayout(flow ? (vertical ? TavixQContainer::VerFloat : TavixQContainer::HorFloat)
                                  : (vertical ? TavixQContainer::Vertical : TavixQContainer::Horizontal));
    for (int i = 0; i < made.size(); ++i) {
        QWidget *w = made.at(i);
        const QRect &e = expected.at(i);
        const QRect want = vertical ? QRect(e.y(), e.x(), e.height(), e.width()) : e;
        QCOMPARE(w->geometry(), want);
        QCOMPARE(baseGeometry(w), w->geometry());
    }
}

void tst_Container::addedChildIsLaidOutOnNextLoop()
{
    TavixQContainer container;
    container.resize(300, 50);
    container.setChildLayout(TavixQContainer::Horizontal);
    auto *child = new TavixQContainer(&container);
    QTRY_COMPARE(child->width(), 300);
    auto *second = new QWidget(&container);
    QTRY_COMPARE(second->geometry(), QRect(150, 0, 150, second->height()));
    QCOMPARE(child->width(), 150);
    delete second;   // the row closes the gap
    QTRY_COMPARE(child->width(), 300);
}

void tst_Container::boundScrollBarRangeAndOffset()
{
    Scrolled s;
    s.container.show();   // children send move and resize events only while visible
    QCOMPARE(s.bar->orientation(), Qt::Vertical);
    QVERIFY(!s.bar->isHidden());
    QCOMPARE(QList<int>({s.bar->minimum(), s.bar->maximum(), s.bar->pageStep()}), QList<int>({0, 200, 300}));

    s.container.setScrollPos(false, 150);
    QCOMPARE(s.bar->value(), 150);
    QCOMPARE(s.content->geometry(), QRect(0, -150, 100, 500));
    QCOMPARE(baseGeometry(s.content), QRect(0, 0, 100, 500));
    s.container.setScrollPos(false, 1000);
    QCOMPARE(s.container.getScrollPos(false), 200);
    // A wheel notch moves by the single step, at least 24, and a huge step stops at the end.
    for (const QVector<int> &row : {QVector<int>{1, 120, 76}, {40, 120, 60}, {INT_MAX, -120, 200}}) {
        s.bar->setSingleStep(row[0]);
        s.container.setScrollPos(false, 100);
        QWheelEvent wheel(QPointF(50, 50), s.container.mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, row[1]),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&s.container, &wheel);
        QCOMPARE(s.bar->value(), row[2]);
    }

    // Content that fits again hides the bar and returns to the origin.
    s.content->resize(100, 250);
    QVERIFY(s.bar->isHidden());
    QCOMPARE(s.bar->maximum(), 0);
    QCOMPARE(s.content->geometry(), QRect(0, 0, 100, 250));

    // Hiding the container changes no extents; hiding the content while it is hidden empties them.
    s.content->resize(100, 500);
    s.container.hide();
    QCOMPARE(s.bar->maximum(), 200);
    s.content->hide();
    QVERIFY(s.bar->isHidden());
}

void tst_Container::unbindingAndDeletingTheBar()
{
    Scrolled s;
    s.container.setScrollPos(false, 120);
    s.container.bindScrollBar(nullptr, false);
    QVERIFY(s.bar->isHidden());
    QCOMPARE(s.content->y(), 0);
    s.bar->setRange(0, 500);
    s.bar->setValue(300);   // the old bar no longer drives the container
    QCOMPARE(s.content->y(), 0);

    Scrolled d;
    d.container.setScrollPos(false, 120);
    delete d.bar;   // unbinds it and scrolls back
    QCOMPARE(d.container.getBindScrollBar(false), nullptr);
    QCOMPARE(d.content->y(), 0);
    d.container.resize(210, 300);          // lays out and updates the (gone) bar
    d.container.setScrollPos(false, 40);   // falls back to the unbound path
    QCOMPARE(d.container.getScrollPos(false), 40);
}

// A slot on the bar's valueChanged deletes, unbinds or hands over the bar while a resize clamps the bar's value;
// the container must not touch the bar afterwards (ASan) and shows its content unscrolled.
void tst_Container::barChangedFromItsSignal_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("onScroll");    // the slot runs when scrolled by a caller, not in the bar update
    QTest::newRow("delete") << "delete" << false;
    QTest::newRow("unbind") << "unbind" << false;
    QTest::newRow("bind elsewhere") << "elsewhere" << false;
    QTest::newRow("delete later") << "later" << false;
    QTest::newRow("delete when scrolled") << "delete" << true;
}

void tst_Container::barChangedFromItsSignal()
{
    QFETCH(QString, action);
    QFETCH(bool, onScroll);
    Scrolled s;
    TavixQContainer other;
    s.container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.container));
    if (!onScroll) {
        s.container.setScrollPos(false, 200);
        QCOMPARE(s.content->y(), -200);
    }
    QPointer<TavixQScrollBar> bar = s.bar;
    connect(s.bar, &QScrollBar::valueChanged, &s.container, [&] {
        if (action == QLatin1String("delete"))
            delete bar.data();
        else if (action == QLatin1String("unbind"))
            s.container.bindScrollBar(nullptr, false);
        else if (action == QLatin1String("elsewhere"))
            other.bindScrollBar(bar, false);
        else if (bar)
            bar->deleteLater();
    });
    if (onScroll)
        s.container.setScrollPos(false, 200);
    s.container.resize(200, 450);   // range 0..50: the value drops inside the bar update
    if (action == QLatin1String("later"))
        QTRY_VERIFY(!bar);
    QCOMPARE(s.container.getBindScrollBar(false), nullptr);
    QCOMPARE(s.content->y(), 0);
    s.container.resize(200, 300);
    QCOMPARE(s.content->y(), 0);
    QCOMPARE(!bar, action == QLatin1String("delete") || action == QLatin1String("later"));
    if (action == QLatin1String("elsewhere"))
        QCOMPARE(other.getBindScrollBar(false), bar.data());
}

// Binding a bar to a second container, or re-parenting it, unbinds it from the first, which scrolls back and
// stops setting the bar's range and geometry.
void tst_Container::barServesOneContainer()
{
    Scrolled a;
    a.container.show();
    a.container.setScrollPos(false, 100);
    TavixQContainer b;
    b.resize(200, 100);
    auto *bContent = new QWidget(&b);
    bContent->setGeometry(0, 0, 100, 400);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));

    b.bindScrollBar(a.bar, false);
    QCOMPARE(a.container.getBindScrollBar(false), nullptr);
    QCOMPARE(b.getBindScrollBar(false), a.bar);
    QCOMPARE(a.bar->parentWidget(), &b);
    QCOMPARE(a.content->y(), 0);
    QCOMPARE(a.bar->maximum(), 300);
    a.bar->setValue(50);
    QCOMPARE(bContent->y(), -50);
    QCOMPARE(a.content->y(), 0);
    const QRect barGeometry = a.bar->geometry();
    a.container.resize(200, 250);
    QCOMPARE(a.bar->maximum(), 300);
    QCOMPARE(a.bar->geometry(), barGeometry);

    QWidget elsewhere;
    a.bar->setParent(&elsewhere);
    QCOMPARE(b.getBindScrollBar(false), nullptr);
    QCOMPARE(bContent->y(), 0);
    QVERIFY(!a.bar->property("_tavix_container_bound_scrollbar").toBool());
    a.bar->setValue(80);
    QCOMPARE(bContent->y(), 0);
}

// The bar follows children moved, shown, hidden, added and deleted one at a time; hiding a child while scrolled
// moves no other child.
void tst_Container::barFollowsEachChild()
{
    TavixQContainer container;
    container.resize(200, 100);
    auto *bar = new TavixQScrollBar;
    container.bindScrollBar(bar, false);
    QList<QWidget *> rows;
    for (int i = 0; i < 5; ++i) {
        rows << new QWidget(&container);
        rows.last()->setGeometry(0, i * 50, 150, 50);
    }
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(bar->maximum(), 150);

    const QVector<QPair<std::function<void()>, int>> steps = {
        {[&] { rows[4]->hide(); }, 100},
        {[&] { rows[2]->hide(); }, 100},   // not at the edge: the extent stays
        {[&] { rows[3]->hide(); }, 0},     // what is left fits: no bar
        {[&] { rows[4]->show(); }, 150},
        {[&] { rows[0]->move(0, 400); }, 350},
        {[&] { rows[0]->resize(150, 20); }, 320},
    };
    for (const auto &step : steps) {
        step.first();
        QCOMPARE(bar->maximum(), step.second);
        QCOMPARE(bar->isHidden(), step.second == 0);
    }
    auto *late = new QWidget(&container);
    late->setGeometry(0, 600, 10, 10);
    late->show();
    QCOMPARE(bar->maximum(), 510);
    QCOMPARE(container.children().last(), bar);   // raised over the new child
    auto *empty = new QWidget(&container);
    empty->setGeometry(0, 900, 0, 0);
    empty->show();
    QCOMPARE(bar->maximum(), 510);   // an empty child adds nothing to the union
    delete late;
    QTRY_COMPARE(bar->maximum(), 320);

    container.setScrollPos(false, 200);
    QCOMPARE(rows[0]->y(), 200);
    rows[1]->hide();
    QCOMPARE(rows[0]->y(), 200);
    rows[1]->show();
    QCOMPARE(rows[1]->y(), 50 - 200);
    QCOMPARE(bar->maximum(), 320);
}

// addChildWidget() re-parents and gives the ratio at once; the row is laid out once for the batch, on the next
// event-loop turn or by forceResize().
void tst_Container::addedChildrenLaidOutOncePerBatch()
{
    TavixQContainer container;
    container.resize(300, 50);
    container.setChildLayout(TavixQContainer::Horizontal);
    container.bindScrollBar(new TavixQScrollBar, true);
    QList<TavixQContainer *> added;
    for (int ratio : {1, 2, 3}) {
        added << new TavixQContainer;
        added.last()->resize(100, 20);
        container.addChildWidget(added.last(), ratio);
        QCOMPARE(added.last()->parentWidget(), &container);
        QCOMPARE(added.last()->getLayoutRatio(), ratio);
    }
    container.forceResize();
    QCOMPARE(QList<int>({added[0]->width(), added[1]->width(), added[2]->width()}), QList<int>({50, 100, 150}));
    auto *plain = new QWidget;
    plain->resize(300, 20);
    container.addChildWidget(plain, 1);
    // The children need 600 now, shared 1:2:3:1, and the bar scrolls them.
    QTRY_COMPARE(plain->geometry(), QRect(514, 0, 86, 20));
    QTRY_VERIFY(!container.getBindScrollBar(true)->isHidden());

    // An ancestor cannot become a child.
    TavixQContainer outer;
    auto *inner = new TavixQContainer(&outer);
    inner->addChildWidget(&outer, 1);
    QCOMPARE(outer.parentWidget(), nullptr);
}

// Paddings, gaps and dock offsets from a page node at the ends of int's range: no overflow (UBSan), every child
// placed within the range a widget geometry holds.
void tst_Container::nodeValuesOutOfRange_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QByteArray>("dock");
    QTest::addColumn<bool>("spacer");      // an elastic spacer takes the rows through their spacer branch

    const QByteArray maxima = R"("space": 2147483647, "paddingLeft": 2147483647, "paddingTop": 2147483647,
        "paddingRight": 2147483647, "paddingBottom": 2147483647)";
    const QByteArray minima = R"("space": -2147483648, "paddingLeft": -2147483648, "paddingTop": -2147483648,
        "paddingRight": -2147483648, "paddingBottom": -2147483648)";
    const QByteArray mixed = R"("space": 2147483647, "paddingLeft": -2147483648, "paddingTop": 2147483647,
        "paddingRight": 2147483647, "paddingBottom": -2147483648)";
    const QByteArray far = R"({"absoluteDockHor": 2, "absoluteDockVer": 1,
        "absoluteDockOffsetX": 2147483647, "absoluteDockOffsetY": -2147483648})";
    const QByteArray near = R"({"absoluteDockHor": 1, "absoluteDockVer": 2,
        "absoluteDockOffsetX": -2147483648, "absoluteDockOffsetY": 2147483647})";
    for (int layout = 0; layout < 4; ++layout) {
        const QByteArray mode = "\"childLayout\": " + QByteArray::number(layout) + ", ";
        for (const bool spacer : {false, true}) {
            const char *with = spacer ? ", spacer" : "";
            QTest::addRow("layout %d, maxima%s", layout, with) << mode + maxima << far << spacer;
            QTest::addRow("layout %d, minima%s", layout, with) << mode + minima << near << spacer;
            QTest::addRow("layout %d, mixed%s", layout, with) << mode + mixed << far << spacer;
        }
    }
}

void tst_Container::nodeValuesOutOfRange()
{
    QFETCH(QByteArray, attr);
    QFETCH(QByteArray, dock);
    QFETCH(bool, spacer);
    TavixQContainer container;
    container.resize(300, 200);
    container.bindScrollBar(new TavixQScrollBar, true);
    container.bindScrollBar(new TavixQScrollBar, false);
    new QWidget(&container);
    auto *ratio = new TavixQContainer(&container);
    ratio->setLayoutRatio(INT_MAX);
    if (spacer)
        new TavixQSpacer(&container);
    auto *docked = new TavixQContainer(&container);
    Json::Value dockNode = parse(dock);
    QVERIFY(docked->readJsonValue(&dockNode));
    QVERIFY(docked->getAbsoluteLayout());
    Json::Value node = parse("{\"attr\": {" + attr + "}}");
    QVERIFY(container.readJsonValue(&node));
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    container.resize(500, 400);
    container.setScrollPos(true, INT_MAX);
    container.setScrollPos(false, INT_MIN);

    const int limit = QWIDGETSIZE_MAX;
    for (QObject *object : container.children()) {
        const QRect r = static_cast<QWidget *>(object)->geometry();
        QVERIFY2(qAbs(qint64(r.x())) <= 2 * qint64(limit) && qAbs(qint64(r.y())) <= 2 * qint64(limit),
                 qPrintable(object->metaObject()->className()));
    }
    const QRect dockedBase = baseGeometry(docked);
    QVERIFY(qAbs(dockedBase.x()) <= limit && qAbs(dockedBase.y()) <= limit);

    // Without bars a scroll position is kept within the same range.
    TavixQContainer plain;
    plain.setScrollPos(true, INT_MAX);
    QCOMPARE(plain.getScrollPos(true), limit);
}

void tst_Container::childLayoutFromJson_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("5") << QByteArray("5") << 4;
    QTest::newRow("9") << QByteArray("9") << 4;
    QTest::newRow("string") << QByteArray("\"1\"") << 4;
    QTest::newRow("absent") << QByteArray() << 4;
}

void tst_Container::childLayoutFromJson()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    Json::Value node = parse("{\"attr\": {" + (value.isEmpty() ? QByteArray() : "\"childLayout\": " + value) + "}}");
    TavixQContainer container;
    container.setChildLayout(TavixQContainer::Vertical);
    container.readJsonValue(&node);
    QCOMPARE(int(container.getChildLayout()), expected);
}

// Style slot 0 fills both backgrounds and a later slot 1 the disabled one; settings back at their
// defaults drop their keys, also those the node held when read, and an identical disabled background
// is not written again. The plain keys are in tst_roundtrip.
void tst_Container::jsonRoundTrip()
{
    for (const char *name : {"tstContainerBlue", "tstContainerRed"}) {
        FillStyle style = tavixtest::solid(name[12] == 'B' ? Qt::blue : Qt::red, name);
        tavixSetFillStyle(style.name, style);
    }
    TavixQContainer copy;
    Json::Value node = parse(R"({"style": [["tstContainerBlue", 1, 0], ["tstContainerRed", 1, 1]],
        "attr": {"childLayout": 1, "space": 3, "paddingLeft": 1, "paddingTop": 2, "absoluteDockAutoSize": 1}})");
    QVERIFY(copy.readJsonValue(&node));
    QCOMPARE(copy.getBackground().color, QColor(Qt::blue));
    QCOMPARE(copy.getDisableBackground().color, QColor(Qt::red));
    copy.setChildSpace(0);
    copy.setChildPadding(0);
    copy.setAbsoluteDockAutoSize(false);
    copy.setDisableBackground(copy.getBackground());
    const Json::Value out = tavixtest::written(copy);
    QCOMPARE(tavixtest::show(out["attr"]), QByteArray(R"({"childLayout":1})"));
    QCOMPARE(tavixtest::show(out["style"]), QByteArray(R"([["tstContainerBlue",1,0]])"));
}

void tst_Container::resizeAnimation()
{
    TavixQContainer parent;
    parent.resize(300, 100);
    parent.setChildLayout(TavixQContainer::Horizontal);
    auto *side = new TavixQContainer(&parent);
    side->setWidthPolicy(PolicyFixed);
    side->resize(200, 20);
    auto *rest = new TavixQContainer(&parent);
    parent.forceResize();
    QCOMPARE(rest->width(), 100);

    QVERIFY(side->startResizeAnimation(QSize(200, 20), QSize(60, 20), 60));
    QVERIFY(side->isResizeAnimationRunning());
    QVERIFY(!side->startResizeAnimation(QSize(60, 20), QSize(10, 20), 60));   // one at a time
    // A container deleted mid-animation leaves nothing behind for its timer to touch.
    QPointer<TavixQContainer> doomed = new TavixQContainer;
    QVERIFY(doomed->startResizeAnimation(QSize(0, 0), QSize(100, 100), 60));
    QTRY_VERIFY(doomed->width() > 0);
    delete doomed;
    QTRY_VERIFY(!side->isResizeAnimationRunning());
    QCOMPARE(side->width(), 60);
    QCOMPARE(QList<int>({side->minimumWidth(), side->maximumWidth()}), QList<int>({60, 60}));
    QCOMPARE(rest->width(), 240);   // the parent row followed

    QVERIFY(side->startResizeAnimation(QSize(60, 20), QSize(-5, 20), 0));   // at once
    QVERIFY(!side->isResizeAnimationRunning());
    QCOMPARE(side->width(), 0);
}

// A page as a page document builds it: a vertical column with a header row (two buttons around a
// spacer), a wrapping tile area and a scrolled list with a bound bar.
void tst_Container::nestedPageRenders()
{
    TavixQContainer page;
    page.resize(320, 240);
    page.setColor(QColor(230, 230, 230));
    page.setChildPadding(8);
    page.setChildSpace(8);

    // A coloured box; a stretched one keeps its height and spans the column.
    auto box = [](QWidget *parent, const QColor &color, int w, int h, bool stretch = false) {
        auto *c = new TavixQContainer(parent);
        c->setColor(color);
        c->resize(w, h);
        if (stretch) {
            c->setHeightPolicy(PolicyFixed);
            c->setWidthPolicy(PolicyExpanding);
        }
        return c;
    };
    auto *header = box(&page, QColor(40, 80, 160), 10, 40, true);
    header->setChildLayout(TavixQContainer::Horizontal);
    header->setChildPadding(4);
    box(header, Qt::white, 60, 32);
    new TavixQSpacer(header);
    box(header, Qt::white, 60, 32);

    auto *tiles = box(&page, QColor(250, 250, 250), 10, 10);
    tiles->setWidthPolicy(PolicyExpanding);
    tiles->setChildLayout(TavixQContainer::HorFloat);
    tiles->setChildSpace(6);
    tiles->setChildPadding(6);
    for (int i = 0; i < 7; ++i)
        box(tiles, QColor(60 + 25 * i, 160, 90), 70, 30);

    auto *list = box(&page, QColor(255, 255, 220), 10, 80, true);
    list->setChildLayout(TavixQContainer::Vertical);
    QWidget *row = nullptr;
    for (int i = 0; i < 6; ++i)
        row = box(list, i % 2 ? QColor(200, 200, 240) : QColor(170, 170, 220), 10, 24, true);
    auto *bar = new TavixQScrollBar;
    FillStyle thumb;
    thumb.color = QColor(240, 120, 0);
    bar->setScrollbarThumb(AllStates, thumb);
    bar->setWidthHeight(10);
    list->bindScrollBar(bar, false);

    page.setChildLayout(TavixQContainer::Vertical);
    page.show();   // delivers the resizes the nested containers lay out on
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    const QImage image = tavixtest::rendered(page);

    QCOMPARE(header->geometry(), QRect(8, 8, 304, 40));
    QCOMPARE(image.pixelColor(30, 28), QColor(Qt::white));            // left header button
    QCOMPARE(image.pixelColor(150, 28), QColor(40, 80, 160));         // header behind the spacer
    QCOMPARE(image.pixelColor(280, 28), QColor(Qt::white));           // right header button
    QCOMPARE(list->geometry(), QRect(8, 240 - 8 - 80, 304, 80));
    QCOMPARE(bar->maximum(), 6 * 24 - 80);
    QCOMPARE(bar->geometry(), QRect(304 - 10, 0, 10, 80));
    QCOMPARE(row->width(), 304 - 10);   // the visible bar narrows the rows
    const QPoint thumbCentre = bar->mapTo(&page, bar->getImpl()->partRect(TavixQScrollBarImpl::ThumbPart).center());
    QCOMPARE(image.pixelColor(thumbCentre), QColor(240, 120, 0));
    QCOMPARE(tiles->geometry(), QRect(8, 8 + 40 + 8, 304, 240 - 16 - 40 - 80 - 16));
    // A fourth tile would end at 304, past the 298 limit: three per line.
    QCOMPARE(static_cast<QWidget *>(tiles->children().at(3))->pos(), QPoint(6, 6 + 30 + 6));
}

QTEST_MAIN(tst_Container)
#include "tst_container.moc"
