#include "controls/TavixQContainer.h"
#include "controls/TavixQContainerImpl.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "controls/TavixQSpacer.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

QRect transposed(const QRect &r)
{
    return QRect(r.y(), r.x(), r.height(), r.width());
}

// Builds one child from a token of the row tables; sizes are given for a horizontal row and turned
// for a vertical one. r<n>: ratio n; f<w>: PolicyFixed, w long; m<max>: maximum length; b<w>[:<min>]:
// w long (minimum min); x: cross axis PolicyExpanding; s: elastic spacer; p: a plain QWidget.
QWidget *makeChild(TavixQContainer *parent, const QString &token, bool vertical)
{
    const QChar kind = token.at(0);
    const QStringList args = token.mid(1).split(QLatin1Char(':'));
    const int arg = args.value(0).toInt();
    auto resizeMain = [vertical](QWidget *w, int length) {
        vertical ? w->resize(20, length) : w->resize(length, 20);
    };
    if (kind == QLatin1Char('p')) {
        auto *w = new QWidget(parent);
        resizeMain(w, 10);
        return w;
    }
    if (kind == QLatin1Char('s')) {
        auto *spacer = new TavixQSpacer(parent);
        resizeMain(spacer, 0);
        return spacer;
    }
    auto *child = new TavixQContainer(parent);
    resizeMain(child, 10);
    if (kind == QLatin1Char('r')) {
        child->setLayoutRatio(arg);
    } else if (kind == QLatin1Char('f')) {
        resizeMain(child, arg);
        vertical ? child->setHeightPolicy(PolicyFixed) : child->setWidthPolicy(PolicyFixed);
    } else if (kind == QLatin1Char('m')) {
        vertical ? child->setMaximumHeight(arg) : child->setMaximumWidth(arg);
    } else if (kind == QLatin1Char('b')) {
        resizeMain(child, arg);
        if (args.size() > 1)
            vertical ? child->setMinimumHeight(args.at(1).toInt()) : child->setMinimumWidth(args.at(1).toInt());
    } else if (kind == QLatin1Char('x')) {
        vertical ? child->setWidthPolicy(PolicyExpanding) : child->setHeightPolicy(PolicyExpanding);
    }
    return child;
}

void registerFill(const QString &name, const QColor &color)
{
    FillStyle style;
    style.name = name;
    style.color = color;
    TavixQResourceManager::getInstance()->setFillStyle(name, style);
}

QRect baseGeometry(const QWidget *w)
{
    return w->property("_tavix_container_base_geometry").toRect();
}

} // namespace

class tst_Container : public QObject
{
    Q_OBJECT

private slots:
    void rowLayout_data();
    void rowLayout();
    void floatWrap_data();
    void floatWrap();
    void dock_data();
    void dock();
    void dockedChildrenLeaveTheRow();
    void autoSizedDockTakesContentSize();
    void addedChildIsLaidOutOnNextLoop();
    void boundScrollBarRangeAndOffset();
    void wheelStepsTheVerticalBar_data();
    void wheelStepsTheVerticalBar();
    void visibleBarNarrowsTheRow();
    void unbindingResetsOffset();
    void deletedBarIsForgotten();
    void childLayoutFromJson_data();
    void childLayoutFromJson();
    void jsonRoundTrip();
    void styleEntries();
    void paddingAll();
    void resizeAnimationReachesTarget();
    void resizeAnimationEdgeCases();
    void deleteDuringAnimation();
    void descriptorRows();
    void registryRows();
    void releaseEmitsClick();
    void nestedPageRenders();
};

void tst_Container::rowLayout_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QSize>("size");         // of the container, for a horizontal row
    QTest::addColumn<int>("space");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QString>("children");
    QTest::addColumn<QList<QRect>>("expected");   // for a horizontal row

    struct Row
    {
        const char *name;
        QSize size;
        int space;
        int padding;
        const char *children;
        QList<QRect> expected;
    };
    const QList<Row> rows = {
        {"1:1:1 on 300", {300, 50}, 0, 0, "r1 r1 r1", {{0, 0, 100, 20}, {100, 0, 100, 20}, {200, 0, 100, 20}}},
        {"1:2 on 100, last takes remainder", {100, 50}, 0, 0, "r1 r2", {{0, 0, 33, 20}, {33, 0, 67, 20}}},
        {"fixed 80 beside ratio", {300, 50}, 0, 0, "f80 r1", {{0, 0, 80, 20}, {80, 0, 220, 20}}},
        {"max 50 passes space on", {300, 50}, 0, 0, "m50 r1 r1", {{0, 0, 50, 20}, {50, 0, 125, 20}, {175, 0, 125, 20}}},
        {"plain widget has ratio 1", {300, 50}, 0, 0, "p r1", {{0, 0, 150, 20}, {150, 0, 150, 20}}},
        {"space and padding", {300, 50}, 20, 10, "r1 r1", {{10, 10, 130, 20}, {160, 10, 130, 20}}},
        {"cross expanding fills", {300, 50}, 0, 5, "x", {{5, 5, 290, 40}}},
        {"spacer between buttons", {300, 50}, 0, 0, "b60 s b60", {{0, 0, 60, 20}, {60, 0, 180, 0}, {240, 0, 60, 20}}},
        {"two spacers split the rest", {300, 50}, 0, 0, "b60 s b60 s", {{0, 0, 60, 20}, {60, 0, 90, 0}, {150, 0, 60, 20}, {210, 0, 90, 0}}},
        // 100 too long; slack 150 and 50 give cuts of 75 and 25.
        {"overflow shrinks by slack", {300, 50}, 0, 0, "b200:50 s b200:150", {{0, 0, 125, 20}, {125, 0, 0, 0}, {125, 0, 175, 20}}},
        // The layout offers the last child 30; Qt keeps it at its minimum of 70.
        {"overflow stops at minimums", {100, 50}, 0, 0, "b80:70 s b80:70", {{0, 0, 70, 20}, {70, 0, 0, 0}, {70, 0, 70, 20}}},
    };
    for (const bool vertical : {false, true}) {
        for (const Row &row : rows) {
            QTest::addRow("%s%s", row.name, vertical ? " / vertical" : "")
                << vertical << row.size << row.space << row.padding << QString::fromLatin1(row.children)
                << row.expected;
        }
    }
}

void tst_Container::rowLayout()
{
    QFETCH(bool, vertical);
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
    container.setChildLayout(vertical ? TavixQContainer::Vertical : TavixQContainer::Horizontal);

    QCOMPARE(made.size(), expected.size());
    for (int i = 0; i < made.size(); ++i) {
        QWidget *w = made.at(i);
        const QRect want = vertical ? transposed(expected.at(i)) : expected.at(i);
        if (qobject_cast<TavixQSpacer *>(w)) {
            // A spacer's cross size is its own (0 here); only its place along the row matters.
            QCOMPARE(vertical ? w->y() : w->x(), vertical ? want.y() : want.x());
            QCOMPARE(vertical ? w->height() : w->width(), vertical ? want.height() : want.width());
        } else {
            QCOMPARE(w->geometry(), want);
        }
        QCOMPARE(baseGeometry(w), w->geometry());
    }
}

void tst_Container::floatWrap_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::newRow("HorFloat") << false;
    QTest::newRow("VerFloat") << true;
}

void tst_Container::floatWrap()
{
    QFETCH(bool, vertical);
    auto turn = [vertical](const QRect &r) { return vertical ? transposed(r) : r; };

    TavixQContainer container;
    container.resize(vertical ? QSize(200, 300) : QSize(300, 200));
    const int heights[] = {30, 40, 30};
    QList<QWidget *> made;
    for (int h : heights) {
        auto *child = new QWidget(&container);
        child->resize(turn(QRect(0, 0, 120, h)).size());
        made << child;
    }
    container.setChildSpace(10);
    container.setChildLayout(vertical ? TavixQContainer::VerFloat : TavixQContainer::HorFloat);

    QCOMPARE(made[0]->geometry(), turn(QRect(0, 0, 120, 30)));
    QCOMPARE(made[1]->geometry(), turn(QRect(130, 0, 120, 40)));
    // 260 + 120 passes 300: a new line below the tallest of the first (40) plus the gap.
    QCOMPARE(made[2]->geometry(), turn(QRect(0, 50, 120, 30)));
}

void tst_Container::dock_data()
{
    QTest::addColumn<int>("hor");
    QTest::addColumn<int>("ver");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QSize>("childSize");
    QTest::addColumn<QRect>("expected");   // in a 200 x 100 container

    QTest::newRow("far far, offset -10") << 2 << 2 << QPoint(-10, -10) << 0 << QSize(50, 20) << QRect(140, 70, 50, 20);
    QTest::newRow("centre") << 1 << 1 << QPoint(0, 0) << 0 << QSize(50, 20) << QRect(75, 40, 50, 20);
    QTest::newRow("near with offset") << 0 << 0 << QPoint(5, 7) << 0 << QSize(50, 20) << QRect(5, 7, 50, 20);
    QTest::newRow("far inside padding") << 2 << 2 << QPoint(0, 0) << 10 << QSize(50, 20) << QRect(140, 70, 50, 20);
    QTest::newRow("centre, odd room truncates") << 1 << 1 << QPoint(0, 0) << 0 << QSize(51, 21) << QRect(74, 39, 51, 21);
    QTest::newRow("too large is clamped") << 0 << 0 << QPoint(0, 0) << 10 << QSize(500, 500) << QRect(10, 10, 180, 80);
}

void tst_Container::dock()
{
    QFETCH(int, hor);
    QFETCH(int, ver);
    QFETCH(QPoint, offset);
    QFETCH(int, padding);
    QFETCH(QSize, childSize);
    QFETCH(QRect, expected);

    TavixQContainer container;
    container.resize(200, 100);
    container.setChildPadding(padding);
    auto *child = new TavixQContainer(&container);
    child->resize(childSize);
    child->setAbsoluteDock(DockLayoutType(hor), DockLayoutType(ver), offset.x(), offset.y());
    container.setChildLayout(TavixQContainer::Horizontal);

    QCOMPARE(child->geometry(), expected);
    QCOMPARE(baseGeometry(child), expected);
    QCOMPARE(child->getLayoutType(), Absolute);
}

void tst_Container::dockedChildrenLeaveTheRow()
{
    for (const auto layout : {TavixQContainer::Horizontal, TavixQContainer::HorFloat}) {
        TavixQContainer container;
        container.resize(300, 100);
        auto *docked = new TavixQContainer(&container);
        docked->resize(250, 20);
        docked->setAbsoluteDock(DockFar, DockFar, 0, 0);
        auto *first = new TavixQContainer(&container);
        first->resize(100, 20);
        auto *second = new TavixQContainer(&container);
        second->resize(100, 20);
        container.setChildLayout(layout);

        QCOMPARE(docked->geometry(), QRect(50, 80, 250, 20));
        if (layout == TavixQContainer::Horizontal) {
            QCOMPARE(first->geometry(), QRect(0, 0, 150, 20));
            QCOMPARE(second->geometry(), QRect(150, 0, 150, 20));
        } else {
            // The docked child takes no room in the flow: both fit on the first line.
            QCOMPARE(first->pos(), QPoint(0, 0));
            QCOMPARE(second->pos(), QPoint(100, 0));
        }
    }
}

void tst_Container::autoSizedDockTakesContentSize()
{
    TavixQContainer outer;
    outer.resize(300, 200);
    auto *panel = new TavixQContainer(&outer);
    panel->resize(10, 10);
    panel->setChildLayout(TavixQContainer::Horizontal);
    panel->setChildSpace(5);
    panel->setChildPadding(2);
    for (int width : {30, 40}) {
        auto *child = new TavixQContainer(panel);
        child->setMinimumSize(width, 20);   // the preferred size of a widget without size hints
    }
    QCOMPARE(panel->getContentSize(), QSize(2 + 30 + 5 + 40 + 2, 2 + 20 + 2));

    panel->setAbsoluteDock(DockFar, DockNear, 0, 0);
    panel->setAbsoluteDockAutoSize(true);
    outer.setChildLayout(TavixQContainer::Vertical);
    QCOMPARE(panel->geometry(), QRect(300 - 79, 0, 79, 24));
}

void tst_Container::addedChildIsLaidOutOnNextLoop()
{
    TavixQContainer container;
    container.resize(300, 50);
    container.setChildLayout(TavixQContainer::Horizontal);
    auto *child = new TavixQContainer(&container);
    child->resize(10, 20);
    QTRY_COMPARE(child->width(), 300);
    auto *second = new QWidget(&container);
    QTRY_COMPARE(second->geometry(), QRect(150, 0, 150, second->height()));
    QCOMPARE(child->width(), 150);
}

void tst_Container::boundScrollBarRangeAndOffset()
{
    TavixQContainer container;
    container.resize(200, 300);
    container.show();   // children send move and resize events only while visible
    auto *content = new QWidget(&container);
    content->setGeometry(0, 0, 100, 500);   // bottom at 499
    content->show();
    auto *bar = new TavixQScrollBar(Qt::Horizontal);
    container.bindScrollBar(bar, false);

    QCOMPARE(container.getBindScrollBar(false), bar);
    QCOMPARE(bar->parentWidget(), &container);
    QCOMPARE(bar->orientation(), Qt::Vertical);
    QVERIFY(bar->property("_tavix_container_bound_scrollbar").toBool());
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 200);
    QCOMPARE(bar->pageStep(), 300);
    const int vbw = bar->sizeHint().width();
    QCOMPARE(bar->geometry(), QRect(200 - vbw, 0, vbw, 300));

    container.setScrollPos(false, 150);
    QCOMPARE(bar->value(), 150);
    QCOMPARE(container.getScrollPos(false), 150);
    QCOMPARE(content->geometry(), QRect(0, -150, 100, 500));
    QCOMPARE(baseGeometry(content), QRect(0, 0, 100, 500));

    container.setScrollPos(false, 1000);
    QCOMPARE(container.getScrollPos(false), 200);
    QCOMPARE(container.getScrollPos(true), 0);

    // Content that fits again hides the bar and returns to the origin.
    content->resize(100, 250);
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(container.getScrollPos(false), 0);
    QCOMPARE(content->geometry(), QRect(0, 0, 100, 250));
}

void tst_Container::wheelStepsTheVerticalBar_data()
{
    QTest::addColumn<int>("singleStep");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected");   // from 100
    QTest::newRow("forward, at least 24") << 1 << 120 << 76;
    QTest::newRow("backward") << 1 << -120 << 124;
    QTest::newRow("larger single step") << 40 << 120 << 60;
    QTest::newRow("horizontal turn ignored") << 1 << 0 << 100;
}

void tst_Container::wheelStepsTheVerticalBar()
{
    QFETCH(int, singleStep);
    QFETCH(int, delta);
    QFETCH(int, expected);

    TavixQContainer container;
    container.resize(200, 300);
    (new QWidget(&container))->setGeometry(0, 0, 100, 500);
    auto *bar = new TavixQScrollBar;
    container.bindScrollBar(bar, false);
    bar->setSingleStep(singleStep);
    container.setScrollPos(false, 100);

    const QPoint pos(50, 50);
    QWheelEvent wheel(pos, container.mapToGlobal(pos), QPoint(), QPoint(delta ? 0 : 120, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&container, &wheel);
    QCOMPARE(bar->value(), expected);
    QCOMPARE(wheel.isAccepted(), delta != 0);
}

void tst_Container::visibleBarNarrowsTheRow()
{
    TavixQContainer container;
    container.resize(200, 100);
    container.setChildLayout(TavixQContainer::Vertical);
    auto *tall = new TavixQContainer(&container);
    tall->resize(50, 400);
    tall->setHeightPolicy(PolicyFixed);
    tall->setWidthPolicy(PolicyExpanding);
    auto *bar = new TavixQScrollBar;
    container.bindScrollBar(bar, false);

    QVERIFY(!bar->isHidden());
    QCOMPARE(tall->width(), 200 - bar->sizeHint().width());
    QCOMPARE(bar->maximum(), 300);
}

void tst_Container::unbindingResetsOffset()
{
    TavixQContainer container;
    container.resize(200, 300);
    auto *content = new QWidget(&container);
    content->setGeometry(0, 0, 100, 500);
    auto *bar = new TavixQScrollBar;
    container.bindScrollBar(bar, false);
    container.setScrollPos(false, 120);
    QCOMPARE(content->y(), -120);

    container.bindScrollBar(nullptr, false);
    QCOMPARE(container.getBindScrollBar(false), nullptr);
    QVERIFY(bar->isHidden());
    QVERIFY(!bar->property("_tavix_container_bound_scrollbar").toBool());
    QCOMPARE(container.getScrollPos(false), 0);
    QCOMPARE(content->y(), 0);
    // The old bar no longer drives the container.
    bar->setRange(0, 500);
    bar->setValue(300);
    QCOMPARE(content->y(), 0);
}

void tst_Container::deletedBarIsForgotten()
{
    TavixQContainer container;
    container.resize(200, 300);
    (new QWidget(&container))->setGeometry(0, 0, 100, 500);
    auto *bar = new TavixQScrollBar;
    container.bindScrollBar(bar, false);
    delete bar;
    QCOMPARE(container.getBindScrollBar(false), nullptr);
    container.resize(210, 300);          // lays out and updates the (gone) bar
    container.setScrollPos(false, 40);   // falls back to the unbound path
    QCOMPARE(container.getScrollPos(false), 40);
}

void tst_Container::childLayoutFromJson_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << QByteArray("{\"childLayout\": 0}") << 0;
    QTest::newRow("3") << QByteArray("{\"childLayout\": 3}") << 3;
    QTest::newRow("4") << QByteArray("{\"childLayout\": 4}") << 4;
    QTest::newRow("5") << QByteArray("{\"childLayout\": 5}") << 4;
    QTest::newRow("9") << QByteArray("{\"childLayout\": 9}") << 4;
    QTest::newRow("-1") << QByteArray("{\"childLayout\": -1}") << 4;
    QTest::newRow("INT_MAX") << QByteArray("{\"childLayout\": 2147483647}") << 4;
    QTest::newRow("beyond int") << QByteArray("{\"childLayout\": 99999999999}") << 4;
    QTest::newRow("string") << QByteArray("{\"childLayout\": \"1\"}") << 4;
    QTest::newRow("absent") << QByteArray("{}") << 4;
}

void tst_Container::childLayoutFromJson()
{
    QFETCH(QByteArray, attr);
    QFETCH(int, expected);
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray("{\"attr\": ") + attr + "}", node));
    TavixQContainer container;
    container.setChildLayout(TavixQContainer::Vertical);
    container.readJsonValue(&node);
    QCOMPARE(int(container.getChildLayout()), expected);
}

void tst_Container::jsonRoundTrip()
{
    TavixQContainer source;
    source.setObjectName(QStringLiteral("panel"));
    source.setChildLayout(TavixQContainer::Vertical);
    source.setChildSpace(3);
    source.setChildPadding(1, 2, 3, 4);
    source.setAbsoluteDockAutoSize(true);

    Json::Value first(Json::objectValue);
    source.serializeJsonValue(&first, false);
    const Json::Value *attr = tavixJsonMember(first, "attr");
    QVERIFY(attr);
    int value = 0;
    QVERIFY(tavixReadInt(*attr, "childLayout", value));
    QCOMPARE(value, 1);
    QVERIFY(tavixReadInt(*attr, "paddingBottom", value));
    QCOMPARE(value, 4);

    TavixQContainer copy;
    QVERIFY(copy.readJsonValue(&first));
    QCOMPARE(copy.getChildLayout(), TavixQContainer::Vertical);
    QCOMPARE(copy.getChildSpace(), 3);
    int l = 0, t = 0, r = 0, b = 0;
    copy.getChildPadding(l, t, r, b);
    QCOMPARE(QList<int>({l, t, r, b}), QList<int>({1, 2, 3, 4}));
    QVERIFY(copy.getAbsoluteDockAutoSize());

    Json::Value second(Json::objectValue);
    copy.serializeJsonValue(&second, false);
    QCOMPARE(tavixJsonStyled(second), tavixJsonStyled(first));
    QVERIFY(second == first);

    // Settings back at their defaults drop their keys, also those the node held when read.
    copy.setChildSpace(0);
    copy.setChildPadding(0);
    copy.setAbsoluteDockAutoSize(false);
    Json::Value third(Json::objectValue);
    copy.serializeJsonValue(&third, false);
    attr = tavixJsonMember(third, "attr");
    QVERIFY(attr);
    QVERIFY(tavixReadInt(*attr, "childLayout", value));
    for (const char *key : {"space", "paddingLeft", "paddingTop", "paddingRight", "paddingBottom",
                            "absoluteDockAutoSize"})
        QVERIFY2(!tavixJsonHas(*attr, key), key);
}

void tst_Container::styleEntries()
{
    registerFill(QStringLiteral("tstContainerBlue"), Qt::blue);
    registerFill(QStringLiteral("tstContainerRed"), Qt::red);

    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray("{\"style\": [[\"tstContainerBlue\", 1, 0], [\"missing\", 1, 1],"
                                      " [\"tstContainerRed\", 1, 7]]}"), node));
    TavixQContainer container;
    container.readJsonValue(&node);
    QCOMPARE(container.getBackground().color, QColor(Qt::blue));
    QCOMPARE(container.getDisableBackground().color, QColor(Qt::blue));   // slot 0 fills both

    QVERIFY(tavixParseJson(QByteArray("{\"style\": [[\"tstContainerRed\", 1, 1]]}"), node));
    container.readJsonValue(&node);
    QCOMPARE(container.getBackground().color, QColor(Qt::blue));
    QCOMPARE(container.getDisableBackground().color, QColor(Qt::red));

    Json::Value out(Json::objectValue);
    container.serializeJsonValue(&out, false);
    const Json::Value *style = tavixJsonMember(out, "style");
    QVERIFY(style && style->isArray());
    QCOMPARE(int(style->size()), 2);
    Json::Value expected;
    QVERIFY(tavixParseJson(QByteArray("[[\"tstContainerBlue\", 1, 0], [\"tstContainerRed\", 1, 1]]"), expected));
    QVERIFY(*style == expected);

    // An identical disabled background is not written again.
    container.setDisableBackground(container.getBackground());
    Json::Value same(Json::objectValue);
    container.serializeJsonValue(&same, false);
    style = tavixJsonMember(same, "style");
    QVERIFY(style && style->isArray());
    QCOMPARE(int(style->size()), 1);
}

void tst_Container::paddingAll()
{
    TavixQContainer container;
    container.setChildPadding(4);
    int l = 0, t = 0, r = 0, b = 0;
    container.getChildPadding(l, t, r, b);
    QCOMPARE(QList<int>({l, t, r, b}), QList<int>({4, 4, 4, 4}));
}

void tst_Container::resizeAnimationReachesTarget()
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
    QTRY_VERIFY(!side->isResizeAnimationRunning());
    QCOMPARE(side->width(), 60);
    QCOMPARE(side->minimumWidth(), 60);
    QCOMPARE(side->maximumWidth(), 60);
    QCOMPARE(side->height(), 20);   // not animated, not pinned
    QCOMPARE(side->maximumHeight(), QWIDGETSIZE_MAX);
    QCOMPARE(rest->width(), 240);   // the parent row followed
}

void tst_Container::resizeAnimationEdgeCases()
{
    TavixQContainer container;
    container.resize(100, 100);
    QVERIFY(container.startResizeAnimation(QSize(100, 100), QSize(-5, 100), 0));   // at once
    QVERIFY(!container.isResizeAnimationRunning());
    QCOMPARE(container.width(), 0);
    QVERIFY(container.startResizeAnimation(QSize(0, 100), QSize(0, 100), 50));   // nothing to animate
    QVERIFY(!container.isResizeAnimationRunning());
}

void tst_Container::deleteDuringAnimation()
{
    QPointer<TavixQContainer> container = new TavixQContainer;
    QVERIFY(container->startResizeAnimation(QSize(0, 0), QSize(100, 100), 200));
    QTRY_VERIFY(container->width() > 0);
    delete container;
    QTest::qWait(40);   // lets the animation timer fire again: nothing may be left to touch it
    QVERIFY(container.isNull());
}

void tst_Container::descriptorRows()
{
    const ControlInfo info = TavixQContainer::getProps();
    QCOMPARE(info.typeName, std::string("qtcontainer"));
    QCOMPARE(info.className, std::string("TavixQContainer"));
    QCOMPARE(info.displayName, std::string("Container"));
    QCOMPARE(info.description, std::string("Control container"));
    QCOMPARE(info.iconName, std::string("container"));
    QStringList labels;
    for (const PropertyDef &def : info.properties)
        labels << def.label;
    QCOMPARE(labels, QStringList({"Name", "Type", "Visibility", "Enable", "Tooltip", "Alpha", "Line", "Background",
                                  "DrawBackground", "AbsoluteDockAutoSize", "ChildLayout", "ChildPadding"}));

    TavixQContainer container;
    const PropertyDef &layout = info.properties[10];
    QCOMPARE(layout.optionTexts.back(), QStringLiteral("No Use"));
    layout.setInt(&container, 2);
    QCOMPARE(layout.getInt(&container), 2);
    layout.setInt(&container, 42);   // out of range from an editor
    QCOMPARE(container.getChildLayout(), TavixQContainer::NoUse);

    const PropertyDef &padding = info.properties[11];
    padding.setIntQuad(&container, 1, 2, 3, 4);
    int l = 0, t = 0, r = 0, b = 0;
    padding.getIntQuad(&container, l, t, r, b);
    QCOMPARE(QList<int>({l, t, r, b}), QList<int>({1, 2, 3, 4}));

    const PropertyDef &background = info.properties[7];
    FillStyle green;
    green.color = Qt::green;
    background.setFillStyle(&container, Disable, green);
    QCOMPARE(container.getDisableBackground().color, QColor(Qt::green));
    QCOMPARE(background.getFillStyle(&container, Normal).color, QColor(128, 128, 128));
}

void tst_Container::registryRows()
{
    tavixInitQtControl();
    ControlInfo *info = tavixGetControlInfo(QStringLiteral("qtcontainer"));
    QVERIFY(info);
    QCOMPARE(info->className, std::string("TavixQContainer"));
    QVERIFY(listedTypes().count("qtcontainer"));
    QVERIFY(!tavixGetControlInfo(QStringLiteral("container")));
    QScopedPointer<QWidget> made(tavixCreateControlByKeyword("container", nullptr));
    QVERIFY(qobject_cast<TavixQContainer *>(made.data()));
}

void tst_Container::releaseEmitsClick()
{
    TavixQContainer container;
    container.resize(50, 50);
    QSignalSpy spy(&container, &TavixQContainer::mouseClickEvent);
    QTest::mouseClick(&container, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(spy.count(), 1);
}

// A page as a page document builds it: a vertical column with a header row (two buttons around a
// spacer), a wrapping tile area, a docked badge and a scrolled list with a bound bar.
void tst_Container::nestedPageRenders()
{
    TavixQContainer page;
    page.resize(320, 240);
    page.setColor(QColor(230, 230, 230));
    page.setChildPadding(8);
    page.setChildSpace(8);

    auto box = [](QWidget *parent, const QColor &color, int w, int h) {
        auto *c = new TavixQContainer(parent);
        c->setColor(color);
        c->resize(w, h);
        return c;
    };
    auto *header = box(&page, QColor(40, 80, 160), 10, 40);
    header->setHeightPolicy(PolicyFixed);
    header->setWidthPolicy(PolicyExpanding);
    header->setChildLayout(TavixQContainer::Horizontal);
    header->setChildPadding(4);
    box(header, Qt::white, 60, 32);
    new TavixQSpacer(header);
    box(header, Qt::white, 60, 32);

    auto *tiles = box(&page, QColor(250, 250, 250), 10, 10);
    tiles->setLayoutRatio(1);
    tiles->setWidthPolicy(PolicyExpanding);
    tiles->setChildLayout(TavixQContainer::HorFloat);
    tiles->setChildSpace(6);
    tiles->setChildPadding(6);
    for (int i = 0; i < 7; ++i)
        box(tiles, QColor(60 + 25 * i, 160, 90), 70, 30);

    auto *list = box(&page, QColor(255, 255, 220), 10, 80);
    list->setHeightPolicy(PolicyFixed);
    list->setWidthPolicy(PolicyExpanding);
    list->setChildLayout(TavixQContainer::Vertical);
    for (int i = 0; i < 6; ++i) {
        auto *row = box(list, i % 2 ? QColor(200, 200, 240) : QColor(170, 170, 220), 10, 24);
        row->setHeightPolicy(PolicyFixed);
        row->setWidthPolicy(PolicyExpanding);
    }
    auto *bar = new TavixQScrollBar;
    FillStyle groove;
    groove.color = QColor(90, 90, 90);
    bar->setScrollbarBackground(Normal, groove);
    FillStyle thumb;
    thumb.color = QColor(240, 120, 0);
    bar->setScrollbarThumb(AllStates, thumb);
    bar->setWidthHeight(10);
    list->bindScrollBar(bar, false);

    auto *badge = box(&page, QColor(220, 30, 30), 24, 24);
    badge->setAbsoluteDock(DockFar, DockNear, -4, 4);
    page.setChildLayout(TavixQContainer::Vertical);
    page.show();   // delivers the resizes the nested containers lay out on
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::cyan);
    page.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    if (qEnvironmentVariableIsSet("TAVIX_RENDER_DIR"))
        image.save(qEnvironmentVariable("TAVIX_RENDER_DIR") + QStringLiteral("/container.png"));

    QCOMPARE(header->geometry(), QRect(8, 8, 304, 40));
    QCOMPARE(image.pixelColor(30, 28), QColor(Qt::white));            // left header button
    QCOMPARE(image.pixelColor(150, 28), QColor(40, 80, 160));         // header behind the spacer
    QCOMPARE(image.pixelColor(280, 28), QColor(Qt::white));           // right header button
    QCOMPARE(list->geometry(), QRect(8, 240 - 8 - 80, 304, 80));
    QVERIFY(!bar->isHidden());
    QCOMPARE(bar->maximum(), 6 * 24 - 80);
    QCOMPARE(bar->geometry(), QRect(304 - 10, 0, 10, 80));
    const QPoint thumbCentre = bar->mapTo(&page, bar->getImpl()->partRect(TavixQScrollBarImpl::ThumbPart).center());
    QCOMPARE(image.pixelColor(thumbCentre), QColor(240, 120, 0));
    QCOMPARE(badge->geometry(), QRect(320 - 8 - 24 - 4, 8 + 4, 24, 24));
    QCOMPARE(image.pixelColor(320 - 8 - 12 - 4, 8 + 4 + 12), QColor(220, 30, 30));      // badge over the header
    const QRect tileArea = tiles->geometry();
    QCOMPARE(tileArea, QRect(8, 8 + 40 + 8, 304, 240 - 16 - 40 - 80 - 16));
    // A fourth tile would end at 304, past the 298 limit: three per line.
    QCOMPARE(tiles->children().size(), 7);
    QCOMPARE(static_cast<QWidget *>(tiles->children().at(3))->pos(), QPoint(6, 6 + 30 + 6));
}

QTEST_MAIN(tst_Container)
#include "tst_container.moc"
