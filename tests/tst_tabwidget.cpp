#include "TavixTestSupport.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQTabWidgetImpl.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <climits>

using namespace TavixQtLib;
using tavixtest::parse;
using tavixtest::show;
using tavixtest::solid;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kBar(0x80, 0x80, 0x80);
const QColor kNormal(255, 0, 0);
const QColor kHot(0, 255, 0);
const QColor kSelected(0, 0, 255);

// A 300 x 30 bar, cells 50 long with 10-pixel gaps: cells at 0, 60 and 120. Probe colours per state.
void probeBar(TavixQTabWidget &tab, bool horizontal = true)
{
    tab.resize(horizontal ? QSize(300, 30) : QSize(30, 300));
    tab.setIsHor(horizontal);
    tab.setItemSize(50);
    tab.setItemSpace(10);
    tab.setShowText(false);
    tab.setBackground(solid(kBar));
    tab.setItemBackground(Normal, solid(kNormal));
    tab.setItemBackground(Hot, solid(kHot));
    tab.setItemBackground(Pressed, solid(kSelected));
    for (const char *text : {"one", "two", "three"})
        tab.addTab(QString::fromLatin1(text));
}

QImage render(QWidget &widget)
{
    return tavixtest::rendered(widget, kSentinel);
}

void hover(QWidget &widget, const QPoint &pos)
{
    tavixtest::moveTo(&widget, pos);
}

QPixmap iconFile(const QTemporaryDir &dir, const char *name, const QColor &color, QString *path)
{
    QPixmap pixmap(8, 8);
    pixmap.fill(color);
    *path = dir.filePath(QString::fromLatin1(name));
    pixmap.save(*path, "PNG");
    return pixmap;
}

} // namespace

class tst_TabWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { init(); }
    void pressAtCellEdges_data();
    void pressAtCellEdges();
    void pressingSelectedTabEmitsAgain();
    void setSelectedIndexRejects_data();
    void setSelectedIndexRejects();
    void hoverAndSelectionPaint();
    void selectedIconFallsBackToIcon();
    void deletedFromItsOwnSignal();
    void defaultsAndMissingIsHor();
    void sizeHintFollowsCells_data();
    void sizeHintFollowsCells();
    void layoutFollowsNewTabs();
    void styleSlots_data();
    void styleSlots();
    void hostileNumbers_data();
    void hostileNumbers();
    void themeKeepsOrientation();   // last: its theme styles every bar made afterwards
};

void tst_TabWidget::pressAtCellEdges_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("along");      // pointer position along the bar
    QTest::addColumn<int>("selected");   // -1: the press hits no cell
    QTest::newRow("first pixel of cell 0") << true << 0 << 0;
    QTest::newRow("last pixel of cell 0") << true << 49 << 0;
    QTest::newRow("gap start") << true << 50 << -1;
    QTest::newRow("gap end") << true << 59 << -1;
    QTest::newRow("first pixel of cell 1") << true << 60 << 1;
    QTest::newRow("last pixel of cell 2") << true << 169 << 2;
    QTest::newRow("past the last cell") << true << 170 << -1;
    QTest::newRow("vertical, gap") << false << 55 << -1;
    QTest::newRow("vertical, cell 1") << false << 65 << 1;
    QTest::newRow("vertical, last pixel of cell 2") << false << 169 << 2;
}

void tst_TabWidget::pressAtCellEdges()
{
    QFETCH(bool, horizontal);
    QFETCH(int, along);
    QFETCH(int, selected);
    TavixQTabWidget tab;
    probeBar(tab, horizontal);
    QSignalSpy spy(&tab, &TavixQTabWidget::currentChanged);
    QTest::mousePress(&tab, Qt::LeftButton, {}, horizontal ? QPoint(along, 15) : QPoint(15, along));
    if (selected < 0) {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(tab.getSelectedIndex(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), selected);
        QCOMPARE(tab.getSelectedIndex(), selected);
    }
}

void tst_TabWidget::pressingSelectedTabEmitsAgain()
{
    TavixQTabWidget tab;
    probeBar(tab);
    QSignalSpy spy(&tab, &TavixQTabWidget::currentChanged);
    QTest::mouseClick(&tab, Qt::LeftButton, {}, QPoint(10, 15));   // tab 0 is selected already
    QTest::mouseClick(&tab, Qt::LeftButton, {}, QPoint(10, 15));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    // Setting the index in code emits only on a change.
    tab.setSelectedIndex(0);
    QCOMPARE(spy.count(), 2);
    tab.setSelectedIndex(2);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).toInt(), 2);
}

void tst_TabWidget::setSelectedIndexRejects_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("count") << 3;
    QTest::newRow("INT_MAX") << INT_MAX;
}

// A negative selection would paint no cell selected; it is refused like one past the end.
void tst_TabWidget::setSelectedIndexRejects()
{
    QFETCH(int, index);
    TavixQTabWidget tab;
    probeBar(tab);
    tab.setSelectedIndex(1);
    QSignalSpy spy(&tab, &TavixQTabWidget::currentChanged);
    tab.setSelectedIndex(index);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(tab.getSelectedIndex(), 1);
    QCOMPARE(render(tab).pixelColor(85, 15), kSelected);
}

void tst_TabWidget::hoverAndSelectionPaint()
{
    TavixQTabWidget tab;
    probeBar(tab);
    QImage image = render(tab);
    QCOMPARE(image.pixelColor(25, 15), kSelected);
    QCOMPARE(image.pixelColor(85, 15), kNormal);
    QCOMPARE(image.pixelColor(55, 15), kBar);     // the gap shows the bar's background

    tavixtest::send(tab, QEvent::Enter);
    hover(tab, QPoint(85, 15));
    image = render(tab);
    QCOMPARE(image.pixelColor(85, 15), kHot);
    QCOMPARE(image.pixelColor(145, 15), kNormal);
    QCOMPARE(image.pixelColor(25, 15), kSelected);   // the selected cell stays selected under hover

    // Into the gap and past the cells: the last cell stays hot until the pointer leaves the bar.
    hover(tab, QPoint(115, 15));
    hover(tab, QPoint(250, 15));
    QCOMPARE(render(tab).pixelColor(85, 15), kHot);
    hover(tab, QPoint(25, 15));                      // over the selected cell: selection wins
    image = render(tab);
    QCOMPARE(image.pixelColor(25, 15), kSelected);
    QCOMPARE(image.pixelColor(85, 15), kNormal);

    tavixtest::send(tab, QEvent::Leave);
    QCOMPARE(tab.getImpl()->hotIndex, -1);
    QCOMPARE(render(tab).pixelColor(145, 15), kNormal);
}

void tst_TabWidget::selectedIconFallsBackToIcon()
{
    QTemporaryDir dir;
    QString plain, selectedPath;
    iconFile(dir, "plain.png", QColor(255, 0, 255), &plain);
    iconFile(dir, "selected.png", QColor(255, 255, 0), &selectedPath);
    TavixQTabWidget tab;
    tab.resize(120, 30);
    tab.setShowText(false);
    tab.addTab(QString(), plain);                 // no selected icon: keeps its icon when selected
    tab.addTab(QString(), plain, selectedPath);
    QImage image = render(tab);
    QCOMPARE(image.pixelColor(25, 15), QColor(255, 0, 255));
    QCOMPARE(image.pixelColor(75, 15), QColor(255, 0, 255));
    tab.setSelectedIndex(1);
    image = render(tab);
    QCOMPARE(image.pixelColor(25, 15), QColor(255, 0, 255));
    QCOMPARE(image.pixelColor(75, 15), QColor(255, 255, 0));
}

void tst_TabWidget::deletedFromItsOwnSignal()
{
    QWidget host;
    auto *tab = new TavixQTabWidget(&host);
    probeBar(*tab);
    QPointer<TavixQTabWidget> guard(tab);
    connect(tab, &TavixQTabWidget::currentChanged, tab, [tab]() { delete tab; });
    QTest::mousePress(tab, Qt::LeftButton, {}, QPoint(65, 15));
    QVERIFY(guard.isNull());
}

// Defaults write no attributes; a page's "attr" without "isHor" makes a vertical bar horizontal.
void tst_TabWidget::defaultsAndMissingIsHor()
{
    TavixQTabWidget plain, tab;
    Json::Value bare = tavixtest::written(plain);
    QVERIFY(tavixAttrNode(bare) == nullptr || tavixAttrNode(bare)->empty());
    tab.setIsHor(false);
    Json::Value other = parse(R"({"attr": {"itemSize": 70}})");
    QVERIFY(tab.readJsonValue(&other));
    QVERIFY(tab.getIsHor());
    QCOMPARE(tab.getItemSize(), 70);
}

void tst_TabWidget::sizeHintFollowsCells_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("itemSize");
    QTest::addColumn<int>("itemSpace");
    QTest::addColumn<int>("along");
    QTest::newRow("no tabs: one cell") << true << 0 << 50 << 0 << 50;
    QTest::newRow("3 tabs") << true << 3 << 50 << 4 << 158;
    QTest::newRow("6 tabs") << true << 6 << 50 << 4 << 320;
    QTest::newRow("vertical, overlapping") << false << 3 << 40 << -2 << 116;
    QTest::newRow("gaps past the cells") << true << 3 << 10 << -100 << 0;
    QTest::newRow("huge cells") << true << 2 << INT_MAX << INT_MAX << QWIDGETSIZE_MAX;
    QTest::newRow("negative size") << true << 2 << INT_MIN << 0 << 0;
}

void tst_TabWidget::sizeHintFollowsCells()
{
    QFETCH(bool, horizontal);
    QFETCH(int, count);
    QFETCH(int, itemSize);
    QFETCH(int, itemSpace);
    QFETCH(int, along);
    TavixQTabWidget tab;
    tab.setIsHor(horizontal);
    tab.setItemSize(itemSize);
    tab.setItemSpace(itemSpace);
    for (int i = 0; i < count; ++i)
        tab.addTab(QStringLiteral("tab %1").arg(i));
    const QSize hint = tab.sizeHint();
    QCOMPARE(horizontal ? hint.width() : hint.height(), along);
    const int across = horizontal ? hint.height() : hint.width();
    QVERIFY(across >= 24 && across < 200);
}

// A layout hears of every change to the cells and gives the bar its new length.
void tst_TabWidget::layoutFollowsNewTabs()
{
    QWidget window;
    auto *tab = new TavixQTabWidget;
    tavixtest::showInLayout(window, tab);
    tab->addTab(QStringLiteral("one"));
    tab->addTab(QStringLiteral("two"));
    QTRY_COMPARE(tab->width(), 100);
    tab->setItemSize(80);
    QTRY_COMPARE(tab->width(), 160);
    tab->removeTab(0);
    QTRY_COMPARE(tab->width(), 80);
    Json::Value node = parse(R"({"attr": {"itemSize": 30, "itemSpace": 10}})");
    QVERIFY(tab->readJsonValue(&node));
    QTRY_COMPARE(tab->width(), 30);
    tab->addTab(QStringLiteral("three"));
    QTRY_COMPARE(tab->width(), 70);
}

void tst_TabWidget::styleSlots_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QList<QColor>>("items");   // Normal, Hot, Pressed, Disable after reading
    QTest::addColumn<QByteArray>("written");
    const QColor r(kNormal), g(kHot);
    QTest::newRow("slot 1 fills every item state")
        << QByteArray(R"([["tabRed", 1, 1]])") << QList<QColor>{r, r, r, r} << QByteArray(R"([["tabRed",1,1]])");
    QTest::newRow("a later state entry overrides the copy")
        << QByteArray(R"([["tabRed", 1, 1], ["tabGreen", 1, 2]])") << QList<QColor>{r, g, r, r}
        << QByteArray(R"([["tabRed",1,1],["tabGreen",1,2],["tabRed",1,3],["tabRed",1,4]])");
}

void tst_TabWidget::styleSlots()
{
    QFETCH(QByteArray, style);
    QFETCH(QList<QColor>, items);
    QFETCH(QByteArray, written);
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle red = solid(kNormal, "tabRed"), green = solid(kHot, "tabGreen");
    rm->setFillStyle(QStringLiteral("tabRed"), red);
    rm->setFillStyle(QStringLiteral("tabGreen"), green);

    TavixQTabWidget tab;
    Json::Value node = parse("{\"style\": " + style + "}");
    QVERIFY(tab.readJsonValue(&node));
    for (int s = Normal; s <= Disable; ++s)
        QCOMPARE(tab.getItemBackground(CtrlState(s)).color, items.at(s));
    Json::Value out = tavixtest::written(tab);
    QCOMPARE(show(out["style"]), written);
}

void tst_TabWidget::hostileNumbers_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<int>("itemSize");   // what is stored afterwards
    QTest::newRow("INT_MIN size") << QByteArray(R"({"itemSize": -2147483648, "itemSpace": -2147483648})") << INT_MIN;
    QTest::newRow("INT_MAX size") << QByteArray(R"({"itemSize": 2147483647, "itemSpace": 2147483647})") << INT_MAX;
    QTest::newRow("one past INT_MAX") << QByteArray(R"({"itemSize": 2147483648})") << 50;
    QTest::newRow("NaN as text") << QByteArray(R"({"itemSize": "NaN", "itemSpace": "NaN", "isHor": "NaN"})") << 50;
    QTest::newRow("huge real") << QByteArray(R"({"itemSize": 1e300, "showText": [1], "hasIcon": {}})") << 50;
    QTest::newRow("negative size, gap") << QByteArray(R"({"itemSize": -40, "itemSpace": 5})") << -40;
}

// Whatever a document holds, the bar paints and answers presses without overflow or a crash.
void tst_TabWidget::hostileNumbers()
{
    QFETCH(QByteArray, attr);
    QFETCH(int, itemSize);
    TavixQTabWidget tab;
    tab.resize(300, 30);
    for (int i = 0; i < 4; ++i)
        tab.addTab(QStringLiteral("t%1").arg(i));
    Json::Value node = parse("{\"attr\": " + attr + "}");
    QVERIFY(tab.readJsonValue(&node));
    QCOMPARE(tab.getItemSize(), itemSize);
    render(tab);
    QSignalSpy spy(&tab, &TavixQTabWidget::currentChanged);
    QTest::mouseClick(&tab, Qt::LeftButton, {}, QPoint(150, 15));
    hover(tab, QPoint(299, 29));
    QVERIFY(spy.count() <= 1);
    QVERIFY(tab.getSelectedIndex() >= 0 && tab.getSelectedIndex() < 4);
}

// A theme entry styles the bar; without "isHor" it leaves a vertical bar vertical (a page's node would not).
void tst_TabWidget::themeKeepsOrientation()
{
    QTemporaryDir theme;
    QVERIFY(tavixtest::writeFile(theme.filePath("style.json"),
        R"({"style": [{"type": 1, "name": "themeTab", "drawImg": false, "clr": "ff00ff00"}]})"));
    QVERIFY(tavixtest::writeFile(theme.filePath("theme.json"),
        R"({"elements": [{"child": [{"name": "qttab", "attr": {"itemSize": 70}, "style": [["themeTab", 1, 1]]}]}]})"));
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(theme.path()));
    TavixQTabWidget tab;
    QCOMPARE(tab.getItemSize(), 70);
    tab.setIsHor(false);
    tab.getControlBase()->refreshTheme();
    QVERIFY(!tab.getIsHor());
    QCOMPARE(tab.getItemBackground(Hot).color, QColor(0, 255, 0));
}

QTEST_MAIN(tst_TabWidget)
#include "tst_tabwidget.moc"
