#include "TavixTestSupport.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/ribbon/TavixQRibbonArea.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonBarImpl.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixQRibbonPanel.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQWindow.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <climits>

using namespace TavixQtLib;
using tavixtest::parse;
using tavixtest::show;

namespace {

// Two pages, three groups, every item kind. Header: top bar 34 high with one item at the left and two
// at the right. Page "home" holds Clipboard (a large button and four small ones: two columns) and Font
// (small items around a separator); page "view" holds Show.
const char *const kConfig = R"({
    "tabHeight": 30, "groupRowCount": 3,
    "topBar": {"height": 34,
               "left": [{"itemType": "smallButton", "name": "save", "text": "Save", "width": 60}],
               "right": [{"itemType": "label", "name": "user", "text": "User"},
                         {"itemType": "smallButton", "name": "help", "text": "?", "width": 30}]},
    "tabs": [
      {"name": "home", "displayName": "Home", "groups": [
        {"displayName": "Clipboard", "content": [
          {"itemType": "largeButton", "name": "paste", "text": "Paste", "dropDown": true, "tooltip": "Paste it"},
          {"itemType": "smallButton", "name": "cut", "text": "Cut"},
          {"itemType": "smallButton", "name": "copy", "text": "Copy", "enabled": false},
          {"itemType": "menuButton", "name": "format", "text": "Format"},
          {"itemType": "smallButton", "name": "undo", "text": "Undo"}]},
        {"displayName": "Font", "content": [
          {"itemType": "comboBox", "name": "family", "items": ["Sans", 7, "Serif", "Mono"], "currentIndex": 9},
          {"itemType": "spinBox", "name": "size", "min": 5},
          {"itemType": "checkBox", "name": "bold", "text": "Bold", "checked": true},
          {"itemType": "separator"},
          {"itemType": "radioButton", "name": "left", "text": "Left"},
          {"itemType": "label", "name": "zoom", "text": "Zoom", "width": 60},
          {"itemType": "lineEdit", "name": "find", "placeholder": "Find"}]}]},
      {"name": "view", "groups": [
        {"name": "Show", "content": [
          {"itemType": "switch", "name": "grid", "checked": true, "leftText": "Off", "rightText": "On"},
          {"itemType": "progressBar", "name": "load", "max": 200, "value": 50, "showText": false},
          {"itemType": "largeButton", "name": "refresh", "text": "Refresh", "checkable": true, "checked": true}]}]}
    ]})";

// Bar 800 x 150: header 34, area 116 high, groups 108 high, item area 76, rows of 25.
std::unique_ptr<TavixQRibbonBar> makeBar(const char *config = kConfig)
{
    auto bar = std::make_unique<TavixQRibbonBar>();
    bar->resize(800, 150);
    if (!bar->loadConfigJson(QString::fromUtf8(config)))
        return nullptr;
    bar->setAttribute(Qt::WA_DontShowOnScreen);
    bar->show();
    QCoreApplication::sendPostedEvents();
    return bar;
}

using tavixtest::near;
using tavixtest::rendered;

// Where the tab row puts tab i, in the bar: tabs 90 wide from the tab row's left edge.
QPoint tabCentre(TavixQRibbonBar &bar, int index)
{
    return QPoint(bar.tabBar()->x() + index * 90 + 45, bar.tabBar()->height() / 2);
}

void clickTab(TavixQRibbonBar &bar, int index)
{
    QTest::mouseClick(bar.tabBar(), Qt::LeftButton, Qt::NoModifier, tabCentre(bar, index) - bar.tabBar()->pos());
}

QRect geometryOf(QWidget &bar, const char *name)
{
    QWidget *w = bar.findChild<QWidget *>(QString::fromLatin1(name));
    return w ? w->geometry() : QRect();
}

} // namespace

class tst_Ribbon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buildsEveryItemKind();
    void topBarItemsOfEveryKind();
    void itemGeometry_data();
    void itemGeometry();
    void groupsSideBySide();
    void header_data();
    void header();
    void pageSwitchingAndMinimize();
    void commandClickReachesApplication();
    void reloadFromCommandSlot();
    void badConfigurations_data();
    void badConfigurations();
    void malformedTextKeepsBar();
    void configFile();
    void programmaticGroups();
    void panels();
    void partsDeletedByTheirOwner();
    void paintsTabsAndGroupFrames();
    void nodeAttributesAndStyles();
    void themeChangeKeepsBarLooks();   // loads a theme: keep it last
};

void tst_Ribbon::initTestCase()
{
    init();
}

void tst_Ribbon::buildsEveryItemKind()
{
    auto bar = makeBar();
    QVERIFY(bar);
    QCOMPARE(bar->pages().size(), 2);
    QCOMPARE(bar->tabBar()->getTabCount(), 2);
    QCOMPARE(bar->tabBar()->getTabText(0), QStringLiteral("Home"));
    QCOMPARE(bar->tabBar()->getTabText(1), QStringLiteral("view"));   // no displayName: the name
    QCOMPARE(bar->pages().at(0)->getGroup(1)->getItems().size(), 7);   // the separator counts
    QCOMPARE(bar->currentPage(), 0);

    auto *paste = bar->findChild<TavixQRibbonPushButton *>(QStringLiteral("paste"));
    QVERIFY(paste);
    QCOMPARE(paste->text(), QStringLiteral("Paste v"));
    QVERIFY(!bar->findChild<QWidget *>(QStringLiteral("copy"))->isEnabled());
    auto *combo = bar->findChild<TavixQComboBox *>(QStringLiteral("family"));
    QCOMPARE(combo->count(), 3);           // the number is skipped
    QCOMPARE(combo->currentIndex(), 2);    // 9 clamped
    auto *spin = bar->findChild<TavixQSpinBox *>(QStringLiteral("size"));
    QCOMPARE(QList<int>({spin->minimum(), spin->maximum(), spin->value()}), QList<int>({5, 100, 5}));
    auto *load = bar->findChild<TavixQProgressBar *>(QStringLiteral("load"));
    QCOMPARE(QList<int>({load->minimum(), load->maximum(), load->value()}), QList<int>({0, 200, 50}));
    QVERIFY(!bar->findChild<TavixQSwitch *>(QStringLiteral("grid"))->getIsSwitchToLeft());
    // The bar's looks reach its buttons, whatever theme entry a push button has.
    QCOMPARE(paste->getBackground(Hot).color, QColor(232, 242, 255));
    QCOMPARE(paste->getTextStyle(Normal).color, QColor(40, 48, 60));
}

// Without a group the same kinds are made as children of the bar; a separator is an item there too.
void tst_Ribbon::topBarItemsOfEveryKind()
{
    TavixQRibbonBar bar;
    bar.resize(1600, 60);
    QVERIFY(bar.loadConfigJson(QStringLiteral(R"({"topBar": {"left": [
        {"itemType": "separator"}, {"itemType": "comboBox", "name": "c", "text": "Only", "currentIndex": 3},
        {"itemType": "progressBar", "min": 10, "max": 20, "value": 99}, {"itemType": "checkBox", "checked": true},
        {"itemType": "radioButton"}, {"itemType": "label", "name": "Named"}, {"itemType": "lineEdit", "text": "t"},
        {"itemType": "spinBox", "min": -5, "max": 5, "value": -9}, {"itemType": "switch", "leftText": "L"},
        {"itemType": "largeButton", "text": "Paste v", "dropDown": true}, {"itemType": "menuButton", "checkable": true},
        {"itemType": "nothing"}]}})")));
    const QList<QWidget *> items = bar.topBarItems(false);
    QCOMPARE(items.size(), 11);
    for (QWidget *item : items)
        QCOMPARE(item->parentWidget(), &bar);
    auto *combo = qobject_cast<TavixQComboBox *>(items.at(1));
    QVERIFY(combo && combo->count() == 1 && combo->itemText(0) == QStringLiteral("Only") && combo->currentIndex() == 0);
    QCOMPARE(qobject_cast<TavixQProgressBar *>(items.at(2))->value(), 20);
    QCOMPARE(qobject_cast<TavixQCheckBox *>(items.at(3))->text(), QStringLiteral("Check"));
    QCOMPARE(qobject_cast<TavixQRadioButton *>(items.at(4))->text(), QStringLiteral("Radio"));
    QCOMPARE(qobject_cast<TavixQSpinBox *>(items.at(7))->value(), -5);
    auto *menu = qobject_cast<TavixQRibbonPushButton *>(items.at(10));
    QVERIFY(menu && menu->isCheckable() && menu->ribbonButtonStyle() == RibbonButtonSmall);
    QCOMPARE(menu->text(), QStringLiteral("Button"));
    // 34-pixel top bar: items at most 26 high, centred; each 6 after the previous.
    QCOMPARE(items.at(0)->geometry(), QRect(4, 4, 9, 26));
    QCOMPARE(items.at(1)->geometry(), QRect(19, 5, 122, 24));
    QCOMPARE(items.at(8)->geometry().size(), QSize(44, 22));
}

// Group item area 76 high, rows of 25 (76 / 3): small items centred in their row, a column as wide as
// its widest item, large items the full item height; columns 6 apart from x = 6.
void tst_Ribbon::itemGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("large button") << "paste" << QRect(6, 6, 72, 76);
    QTest::newRow("small, row 0") << "cut" << QRect(84, 6, 92, 24);
    QTest::newRow("small, row 2") << "format" << QRect(84, 56, 92, 24);
    QTest::newRow("fourth small wraps") << "undo" << QRect(182, 6, 92, 24);
    QTest::newRow("spin box, column width") << "size" << QRect(6, 31, 122, 24);
    QTest::newRow("after separator") << "left" << QRect(149, 6, 180, 24);
    QTest::newRow("line edit") << "find" << QRect(149, 56, 180, 24);
}

void tst_Ribbon::itemGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto bar = makeBar();
    QCOMPARE(geometryOf(*bar, name.toUtf8().constData()), rect);
}

void tst_Ribbon::groupsSideBySide()
{
    auto bar = makeBar();
    TavixQRibbonPage *home = bar->pages().at(0);
    // Clipboard: 12 + (72 + 6) + (92 + 6) + (92 + 6); Font: 12 + (122 + 6) + (9 + 6) + (180 + 6).
    QCOMPARE(home->getGroup(0)->geometry(), QRect(4, 4, 286, 108));
    QCOMPARE(home->getGroup(1)->geometry(), QRect(296, 4, 341, 108));
    QCOMPARE(home->sizeHint().width(), 4 + 292 + 347 + 4);
    // Every item lies inside its group above the title band.
    for (int g = 0; g < 2; ++g) {
        TavixQRibbonGroup *group = home->getGroup(g);
        for (QWidget *item : group->getItems())
            QVERIFY2(QRect(0, 0, group->width(), group->height() - 20).contains(item->geometry()),
                     qPrintable(item->objectName()));
    }
    // The switch (44 x 22) and the progress bar (122 x 18) share a column before the large button.
    bar->setCurrentPage(1);
    QCOMPARE(geometryOf(*bar, "grid"), QRect(6, 7, 122, 22));
    QCOMPARE(geometryOf(*bar, "load"), QRect(6, 34, 122, 18));
    QCOMPARE(geometryOf(*bar, "refresh"), QRect(134, 6, 72, 76));
    // A group with no items keeps the minimum width.
    QCOMPARE(home->addGroup(QStringLiteral("Empty"))->sizeHint().width(), 90);
}

void tst_Ribbon::header_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<QRect>("tabRow");
    QTest::addColumn<int>("tabWidth");
    QTest::addColumn<QRect>("firstLeft");
    QTest::addColumn<QRect>("lastRight");
    const QRect none;
    // Save at 4..64; the label at 712..760 and help at 766..796; the tabs between, 6 from each.
    QTest::newRow("top bar") << QByteArray(kConfig) << 800 << QRect(76, 0, 624, 34) << 90 << QRect(4, 5, 60, 24)
                             << QRect(766, 5, 30, 24);
    QTest::newRow("no top bar, low tabs") << QByteArray(R"({"tabHeight": 10, "tabs": [{}]})") << 400
                                          << QRect(0, 0, 400, 22) << 76 << none << none;
    QTest::newRow("tab width given") << QByteArray(R"({"tabItemWidth": 55, "tabs": [{}]})") << 400
                                     << QRect(0, 0, 400, 30) << 55 << none << none;
    // Items at most 40 - 8 high; topBar without height keeps topBarHeight 40.
    QTest::newRow("tall top bar") << QByteArray(R"({"topBarHeight": 40, "topBar": {"left": [
        {"itemType": "largeButton", "name": "big"}]}, "tabs": [{}]})") << 400 << QRect(88, 0, 302, 40) << 90
                                  << QRect(4, 4, 72, 32) << none;
    // topBar without height over a topBarHeight of 0 gets 34; 120 pixels or less for the tabs: they
    // start right after the left items and run to the right items' edge.
    QTest::newRow("narrow") << QByteArray(R"({"topBar": {"left": [{"itemType": "lineEdit", "name": "e"}],
        "right": [{"itemType": "comboBox", "name": "c"}]}, "tabs": [{}]})") << 400 << QRect(190, 0, 78, 34)
                            << 90 << QRect(4, 5, 180, 24) << QRect(274, 5, 122, 24);
}

void tst_Ribbon::header()
{
    QFETCH(QByteArray, config);
    QFETCH(int, barWidth);
    QFETCH(QRect, tabRow);
    QFETCH(int, tabWidth);
    QFETCH(QRect, firstLeft);
    QFETCH(QRect, lastRight);
    TavixQRibbonBar bar;
    bar.resize(barWidth, 150);
    QVERIFY(bar.loadConfigJson(QString::fromUtf8(config)));
    QCOMPARE(bar.tabBar()->geometry(), tabRow);
    QCOMPARE(bar.tabBar()->getItemSize(), tabWidth);
    QCOMPARE(bar.area()->geometry(), QRect(0, tabRow.height(), barWidth, 150 - tabRow.height()));
    const QList<QWidget *> left = bar.topBarItems(false);
    const QList<QWidget *> right = bar.topBarItems(true);
    QCOMPARE(left.isEmpty() ? QRect() : left.first()->geometry(), firstLeft);
    QCOMPARE(right.isEmpty() ? QRect() : right.last()->geometry(), lastRight);
}

void tst_Ribbon::pageSwitchingAndMinimize()
{
    auto bar = makeBar();
    QSignalSpy pages(bar.get(), &TavixQRibbonBar::currentPageChanged);
    QSignalSpy minimized(bar.get(), &TavixQRibbonBar::minimizedChanged);
    TavixQRibbonPage *home = bar->pages().at(0);
    TavixQRibbonPage *view = bar->pages().at(1);

    clickTab(*bar, 1);
    QCOMPARE(bar->currentPage(), 1);
    QVERIFY(view->isVisible() && !home->isVisible());
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.last().at(0).toInt(), 1);

    clickTab(*bar, 1);   // the tab already shown
    QVERIFY(bar->isMinimized());
    QCOMPARE(minimized.count(), 1);
    QVERIFY(!bar->area()->isVisible());
    QCOMPARE(bar->height(), 150);   // the bar's own height is the host's
    QCOMPARE(bar->sizeHint().height(), 34);

    clickTab(*bar, 0);   // another tab only switches
    QVERIFY(bar->isMinimized());
    QCOMPARE(bar->currentPage(), 0);
    QCOMPARE(pages.count(), 2);

    clickTab(*bar, 0);
    QVERIFY(!bar->isMinimized());
    QCOMPARE(minimized.count(), 2);
    QCOMPARE(bar->area()->geometry(), QRect(0, 34, 800, 116));
    QVERIFY(home->isVisible());

    // Programmatic changes: out of range is refused; the tab row follows without toggling anything.
    QVERIFY(!bar->setCurrentPage(2) && !bar->setCurrentPage(-1));
    QVERIFY(bar->setCurrentPage(1));
    QCOMPARE(bar->tabBar()->getSelectedIndex(), 1);
    QVERIFY(!bar->isMinimized());
    bar->setMinimized(true);
    bar->setMinimized(true);
    QCOMPARE(minimized.count(), 3);   // once per change
}

// Enabled commands, in a group or the top bar, reach the application; a disabled one does not.
void tst_Ribbon::commandClickReachesApplication()
{
    auto bar = makeBar();
    for (const char *name : {"paste", "copy", "save"}) {
        auto *button = bar->findChild<TavixQRibbonPushButton *>(QString::fromLatin1(name));
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(clicked.count(), button->isEnabled() ? 1 : 0);
    }
    QVERIFY(!bar->findChild<QWidget *>(QStringLiteral("copy"))->isEnabled());
}

// A command that switches the ribbon to another configuration deletes itself on the way.
void tst_Ribbon::reloadFromCommandSlot()
{
    auto bar = makeBar();
    auto *paste = bar->findChild<TavixQRibbonPushButton *>(QStringLiteral("paste"));
    QPointer<TavixQRibbonPushButton> guard(paste);
    connect(paste, &QAbstractButton::clicked, bar.get(), [&bar] {
        bar->loadConfigJson(QStringLiteral(R"({"tabs": [{"name": "Other"}]})"));
    });
    QTest::mouseClick(paste, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    QVERIFY(!guard);
    QCOMPARE(bar->pages().size(), 1);
    QCOMPARE(bar->tabBar()->getTabText(0), QStringLiteral("Other"));
    // A slot that deletes the bar when the pages are announced.
    auto *doomed = new TavixQRibbonBar;
    QPointer<TavixQRibbonBar> alive(doomed);
    connect(doomed, &TavixQRibbonBar::currentPageChanged, doomed, [doomed] { delete doomed; });
    QVERIFY(doomed->loadConfigJson(QString::fromUtf8(kConfig)));
    QVERIFY(!alive);
}

void tst_Ribbon::badConfigurations_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("itemCount");   // items of the first group, -1: no group
    QTest::addColumn<QString>("firstTab");
    QTest::newRow("root array") << QByteArray("[1, 2]") << 0 << -1 << QString();
    QTest::newRow("tabs not an array") << QByteArray(R"({"tabs": {"name": "x"}})") << 0 << -1 << QString();
    QTest::newRow("pages of wrong kinds") << QByteArray(R"({"tabs": [1, "x", null, {"groups": 5}]})") << 1 << -1
                                          << "Page";
    QTest::newRow("names of wrong kinds") << QByteArray(R"({"tabs": [{"name": 4, "displayName": ["d"],
        "groups": [{"name": 1, "content": "x"}]}]})") << 1 << 0 << "Page";
    QTest::newRow("unknown and missing kinds") << QByteArray(R"({"tabs": [{"groups": [{"content": [
        {"itemType": "bogus"}, {"itemType": 5}, {"text": "no type"}, 7, null, [], {"itemType": "SmallButton"},
        {"itemType": "smallButton"}, {"itemType": "comboBox", "items": 3, "currentIndex": -4}]}]}]})")
                                               << 1 << 2 << "Page";
    QTest::newRow("keys of wrong kinds") << QByteArray(R"({"tabHeight": "30", "groupRowCount": 2.5, "topBar": [],
        "tabs": [{"groups": [{"content": [{"itemType": "largeButton", "text": 5, "checked": "yes",
        "dropDown": 1, "icon": 3, "width": "wide"}, {"itemType": "spinBox", "min": "NaN", "max": [],
        "value": {}}, {"itemType": "progressBar", "showText": "no"}]}]}]})") << 1 << 3 << "Page";
    QTest::newRow("INT_MIN") << QByteArray(R"({"tabHeight": -2147483648, "groupRowCount": -2147483648,
        "tabItemWidth": -2147483648, "topBarHeight": -2147483648, "groupHeight": -2147483648,
        "tabs": [{"groups": [{"content": [{"itemType": "smallButton", "width": -2147483648, "height": -2147483648},
        {"itemType": "progressBar", "min": -2147483648, "max": 2147483647, "value": -2147483648},
        {"itemType": "comboBox", "currentIndex": -2147483648},
        {"itemType": "spinBox", "min": 2147483647, "max": -2147483648}]}]}]})") << 1 << 4 << "Page";
    QTest::newRow("INT_MAX") << QByteArray(R"({"tabHeight": 2147483647, "groupRowCount": 2147483647,
        "tabItemWidth": 2147483647, "groupHeight": 2147483647,
        "topBar": {"height": 2147483647, "left": [{"itemType": "label", "width": 2147483647, "height": 2147483647}],
                   "right": [{"itemType": "smallButton", "width": 2147483647}]},
        "tabs": [{"groups": [{"content": [{"itemType": "largeButton", "width": 2147483647, "height": 2147483647},
        {"itemType": "smallButton", "width": 2147483647}, {"itemType": "smallButton", "width": 2147483647},
        {"itemType": "comboBox", "currentIndex": 2147483647}]}, {"content": [{"itemType": "separator",
        "width": 2147483647}]}]}]})") << 1 << 4 << "Page";
    QTest::newRow("NaN as text and beyond int") << QByteArray(R"({"tabHeight": "NaN", "groupRowCount": 1e300,
        "topBarHeight": 4294967296, "tabs": [{"groups": [{"content": [{"itemType": "spinBox",
        "value": "NaN", "min": -1e300, "max": 4294967296}]}]}]})") << 1 << 1 << "Page";
}

// What can be built is built; the rest is skipped, and the bar lays out and paints.
void tst_Ribbon::badConfigurations()
{
    QFETCH(QByteArray, config);
    QFETCH(int, pageCount);
    QFETCH(int, itemCount);
    QFETCH(QString, firstTab);
    TavixQRibbonBar bar;
    bar.resize(600, 140);
    QVERIFY(bar.loadConfigJson(QString::fromUtf8(config)));
    QCOMPARE(bar.pages().size(), pageCount);
    QCOMPARE(bar.tabBar()->getTabCount(), pageCount);
    TavixQRibbonGroup *group = pageCount > 0 ? bar.pages().at(0)->getGroup(0) : nullptr;
    QCOMPARE(group ? group->getItems().size() : -1, itemCount);
    QCOMPARE(bar.tabBar()->getTabText(0), firstTab);
    bar.setAttribute(Qt::WA_DontShowOnScreen);
    bar.show();
    QCoreApplication::sendPostedEvents();
    bar.resize(300, 90);
    QVERIFY(!rendered(bar).isNull());
    QVERIFY(bar.sizeHint().isValid());
    for (TavixQRibbonPage *page : bar.pages())
        QVERIFY(page->sizeHint().width() >= 8);
}

void tst_Ribbon::malformedTextKeepsBar()
{
    auto bar = makeBar();
    QSignalSpy pages(bar.get(), &TavixQRibbonBar::currentPageChanged);
    for (const char *text : {"", "{", R"({"tabs": [})", "nonsense"})
        QVERIFY(!bar->loadConfigJson(QString::fromUtf8(text)));
    QCOMPARE(bar->pages().size(), 2);
    QVERIFY(bar->findChild<QWidget *>(QStringLiteral("paste")));
    QCOMPARE(pages.count(), 0);

    // Without "topBar" and "topBarHeight" the top bar goes; its items with it.
    QVERIFY(bar->loadConfigJson(QStringLiteral(R"({"tabs": [{"name": "Only"}]})")));
    QCOMPARE(bar->getTopBarHeight(), 0);
    QVERIFY(bar->topBarItems(false).isEmpty() && !bar->findChild<QWidget *>(QStringLiteral("save")));
    QCOMPARE(pages.count(), 1);
}

void tst_Ribbon::configFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ribbon.json"));
    const auto write = tavixtest::writeFile;
    QVERIFY(write(path, kConfig));

    TavixQRibbonBar bar;
    QVERIFY(!bar.loadConfigFile(dir.filePath(QStringLiteral("missing.json"))));
    QVERIFY(bar.pages().isEmpty());
    QVERIFY(bar.loadConfigFile(path));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(bar.loadConfigFile(QStringLiteral("ribbon.json")));
    QVERIFY(write(QStringLiteral("broken.json"), "{\"tabs\": ["));
    QVERIFY(!bar.loadConfigFile(QStringLiteral("broken.json")));
    QVERIFY(!bar.loadConfigFile(dir.path()));   // a directory
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(bar.pages().size(), 2);
}

void tst_Ribbon::programmaticGroups()
{
    TavixQRibbonBar bar;
    bar.resize(900, 130);
    QSignalSpy pages(&bar, &TavixQRibbonBar::currentPageChanged);
    TavixQRibbonPage *page = bar.addPage(QStringLiteral("Tools"));
    bar.addPage(QStringLiteral("More"));
    QCOMPARE(pages.count(), 1);   // the first page stays current
    // Renaming a page renames its tab, here the first of two; a page outside a bar has no tab to rename.
    page->setDisplayName(QStringLiteral("Build"));
    QCOMPARE(bar.tabBar()->getTabText(0), QStringLiteral("Build"));
    QCOMPARE(bar.tabBar()->getTabText(1), QStringLiteral("More"));
    TavixQRibbonPage loose(QStringLiteral("Loose"));
    loose.setDisplayName(QStringLiteral("Still loose"));
    QCOMPARE(loose.displayName(), QStringLiteral("Still loose"));
    QVERIFY(!bar.tabBar()->setTabText(2, QStringLiteral("none")));
    QVERIFY(!bar.tabBar()->setTabText(-1, QStringLiteral("none")));

    TavixQRibbonGroup *group = page->addGroup(QStringLiteral("Run"));
    auto *run = qobject_cast<TavixQRibbonPushButton *>(group->addButton(QStringLiteral("Run"), RibbonButtonLarge));
    QVERIFY(run);
    QCOMPARE(run->getBackground(Pressed).color, QColor(204, 226, 252));   // the bar's looks at once
    group->addCheckBox(QStringLiteral("Check"));
    group->addRadioButton(QStringLiteral("Radio"));
    group->addLabel(QStringLiteral("Label"));
    group->addLineEdit(QStringLiteral("Edit"));
    group->addComboBox({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(group->addSpinBox(500, 0, 10)->value(), 10);   // clamped into range
    QCOMPARE(group->addProgressBar(-5, 0, 10)->value(), 0);
    group->addSwitch(true);
    group->addSeparator();
    QCOMPARE(group->getItems().size(), 10);
    // Laid out as they come: the large button first, then columns of three.
    QCOMPARE(run->geometry(), QRect(6, 6, 72, qMax(130 - 30 - 8 - 20 - 12, 0)));
    QVERIFY(group->width() >= group->sizeHint().width());

    TavixQRibbonGroup *second = page->addGroup(QStringLiteral("Second"));
    QCOMPARE(second->x(), 4 + group->width() + 6);
    TavixQRibbonGroup stray;
    QVERIFY(!page->removeGroup(&stray));
    QVERIFY(!page->removeGroup(nullptr));
    QVERIFY(page->removeGroup(group));
    QCOMPARE(page->getGroupCount(), 1);
    QCOMPARE(second->x(), 4);
    QCOMPARE(page->getGroup(5), nullptr);

    bar.clearPages();
    QVERIFY(bar.pages().isEmpty());
    QCOMPARE(bar.currentPage(), -1);
    QCOMPARE(bar.area()->pageAt(0), nullptr);
}

void tst_Ribbon::panels()
{
    TavixQRibbonGroup group(QStringLiteral("Panels"));
    group.setAttribute(Qt::WA_DontShowOnScreen);
    group.show();
    TavixQRibbonPanel *panel = group.addPanel();
    TavixQRibbonPanel *vertical = group.addVerticalPanel();
    QVERIFY(!panel->isVertical() && vertical->isVertical());
    TavixQRibbonRowPanel *row = panel->addRowPanel();
    row->addButton(RibbonButtonSmall);
    row->addButton(RibbonButtonLarge);
    QCOMPARE(row->sizeHint(), QSize(92 + 6 + 72, 68));
    QCOMPARE(panel->sizeHint(), QSize(170, 68));
    row->resize(200, 30);
    QCOMPARE(row->getItems().at(1)->geometry(), QRect(98, 0, 72, 30));
    // Panels are large items: a column each.
    QCOMPARE(group.sizeHint().width(), 12 + (170 + 6) + (0 + 6));
}

// A caller may delete what the bar built; the lists forget it, and layout and painting go on.
void tst_Ribbon::partsDeletedByTheirOwner()
{
    auto bar = makeBar();
    TavixQRibbonGroup *clipboard = bar->pages().at(0)->getGroup(0);
    delete bar->findChild<QWidget *>(QStringLiteral("cut"));
    QCOMPARE(clipboard->getItems().size(), 4);
    bar->resize(700, 150);
    QCOMPARE(geometryOf(*bar, "copy"), QRect(84, 6, 92, 24));   // moved up a row
    delete bar->pages().at(0)->getGroup(1);
    QCOMPARE(bar->pages().at(0)->getGroupCount(), 1);
    QVERIFY(bar->setCurrentPage(1));
    delete bar->pages().at(1);
    QCOMPARE(bar->pages().size(), 1);
    QCOMPARE(bar->currentPage(), 0);
    TavixQRibbonGroup group;
    TavixQRibbonRowPanel *row = group.addPanel()->addRowPanel();
    delete row->addButton(RibbonButtonSmall);
    QCOMPARE(row->sizeHint(), QSize(0, 0));
    bar->resize(800, 150);
    QVERIFY(!rendered(*bar).isNull());
    QVERIFY(!bar->setCurrentPage(1));
}

void tst_Ribbon::paintsTabsAndGroupFrames()
{
    auto bar = makeBar();
    QImage image = rendered(*bar);
    // Bar background, shown tab white in a blue frame, the other tab Normal.
    QVERIFY(near(image.pixelColor(70, 3), QColor(246, 248, 251)));
    const int tabLeft = bar->tabBar()->x();
    QVERIFY(near(image.pixelColor(tabLeft + 10, 17), QColor(255, 255, 255)));
    QVERIFY(near(image.pixelColor(tabLeft, 17), QColor(128, 171, 220), 40));
    QVERIFY(near(image.pixelColor(tabLeft + 92, 3), QColor(238, 242, 248)));
    // Group border, group fill, white area between groups; the separator line; a button's white inside.
    QVERIFY(near(image.pixelColor(4, 34 + 4 + 50), QColor(215, 221, 231), 40));
    QVERIFY(near(image.pixelColor(4 + 280, 34 + 4 + 50), QColor(250, 252, 255)));
    QVERIFY(near(image.pixelColor(292, 34 + 50), QColor(255, 255, 255)));
    QCOMPARE(image.pixelColor(296 + 134 + 4, 34 + 4 + 40), QColor(198, 206, 216));
    QVERIFY(near(image.pixelColor(4 + 6 + 36, 34 + 4 + 10), QColor(255, 255, 255)));

    // Hovering the other tab shows the Hot tab fill.
    const QPoint hot = tabCentre(*bar, 1) - bar->tabBar()->pos() + QPoint(0, -12);
    QMouseEvent move(QEvent::MouseMove, hot, bar->tabBar()->mapToGlobal(hot), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(bar->tabBar(), &move);
    image = rendered(*bar);
    QVERIFY(near(image.pixelColor(tabLeft + 92 + 4, 4), QColor(226, 238, 252)));

    // Minimized: the bar's own background where the page was.
    bar->setMinimized(true);
    image = rendered(*bar);
    QVERIFY(near(image.pixelColor(292, 34 + 50), QColor(246, 248, 251)));
}

void tst_Ribbon::nodeAttributesAndStyles()
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    FillStyle red;
    red.name = QStringLiteral("ribbonRed");
    red.color = QColor(255, 0, 0);
    manager->setFillStyle(red.name, red);
    TextStyleDesc title;
    title.name = QStringLiteral("ribbonTitle");
    title.color = QColor(0, 0, 255);
    manager->setTextStyle(title.name, title);

    auto bar = makeBar();
    QSignalSpy minimized(bar.get(), &TavixQRibbonBar::minimizedChanged);
    // Kinds that do not match the slot are looked up by the slot: a text slot takes a text style.
    const Json::Value node = parse(R"({"type": "qtribbonbar", "attr": {"tabHeight": 26, "groupRowCount": 2,
        "minimized": 1, "showMenuBar": true, "groupHeight": "NaN", "tabItemWidth": 2147483647},
        "style": [["ribbonRed", 1, 5], ["ribbonTitle", 1, 13], ["missing", 1, 2], ["ribbonRed", 1, 99],
                  ["ribbonRed"], 7, ["ribbonRed", 1, 9]]})");
    Json::Value copy = node;
    QVERIFY(bar->readJsonValue(&copy));
    QCOMPARE(bar->getGroupHeight(), 92);   // NaN: kept
    QCOMPARE(bar->getTabItemWidth(), INT_MAX);
    QVERIFY(bar->isMinimized() && bar->getShowMenuBar());
    QCOMPARE(minimized.count(), 1);
    QCOMPARE(bar->tabBar()->getItemBackground(Hot).color, QColor(255, 0, 0));
    auto *paste = bar->findChild<TavixQRibbonPushButton *>(QStringLiteral("paste"));
    QCOMPARE(paste->getBackground(Hot).color, QColor(255, 0, 0));
    QCOMPARE(bar->getImpl()->text(TavixQRibbonBarImpl::GroupTitleText).color, QColor(0, 0, 255));
    // Two rows of 38 now: the Clipboard's small buttons make two columns of two.
    bar->setMinimized(false);
    QCOMPARE(geometryOf(*bar, "format"), QRect(182, 13, 92, 24));

    // Written back: every setting, one entry per named slot, no children.
    Json::Value out(Json::objectValue);
    tavixEnableSerializeChild(true);
    bar->serializeJsonValue(&out, false);
    tavixEnableSerializeChild(false);
    QVERIFY(!out.isMember("child"));
    const Json::Value &attr = out["attr"];
    QCOMPARE(attr["groupHeight"].asInt(), 92);
    QCOMPARE(attr["minimized"].asInt(), 0);
    QCOMPARE(attr["showMenuBar"].asInt(), 1);
    QCOMPARE(show(out["style"]), QByteArray(R"([["ribbonRed",1,5],["ribbonRed",1,9],["ribbonTitle",2,13]])"));

    // And read into a fresh bar, the styles land in the same slots.
    TavixQRibbonBar again;
    QVERIFY(again.readJsonValue(&out));
    QCOMPARE(again.getImpl()->text(TavixQRibbonBarImpl::GroupTitleText).color, QColor(0, 0, 255));
    QCOMPARE(again.tabBar()->getItemBackground(Hot).color, QColor(255, 0, 0));
}

// A theme restyles the embedded kit controls; the bar's own buttons and tab row keep the bar's looks,
// whether the theme comes before or after the configuration.
void tst_Ribbon::themeChangeKeepsBarLooks()
{
    QTemporaryDir dir;
    const auto put = [&dir](const char *name, const QByteArray &bytes) {
        return tavixtest::writeFile(dir.filePath(QString::fromLatin1(name)), bytes);
    };
    QVERIFY(put("style.json", R"({"style": [{"type": 1, "name": "ribbonMagenta", "drawImg": false, "clr": "ffff00ff"}]})"));
    QVERIFY(put("theme.json", R"({"elements": [{"child": [{"name": "qtbutton", "style": [["ribbonMagenta", 1, 0]]},
        {"name": "qttab", "style": [["ribbonMagenta", 1, 1]]},
        {"name": "qtcombobox", "style": [["ribbonMagenta", 1, 0]]}]}]})"));
    const QColor magenta(255, 0, 255);

    TavixQWindow window;   // a theme change reaches controls through their window
    auto *bar = new TavixQRibbonBar(&window);
    QVERIFY(bar->loadConfigJson(QString::fromUtf8(kConfig)));
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(dir.path()));
    const auto check = [&]() {
        auto *paste = bar->findChild<TavixQRibbonPushButton *>(QStringLiteral("paste"));
        auto *combo = bar->findChild<TavixQComboBox *>(QStringLiteral("family"));
        QVERIFY(paste && combo);
        QCOMPARE(paste->getBackground(Normal).color, QColor(255, 255, 255));
        QCOMPARE(bar->tabBar()->getItemBackground(Normal).color, QColor(238, 242, 248));
        QCOMPARE(combo->getBackground(Normal).color, magenta);
    };
    check();
    QVERIFY(bar->loadConfigJson(QString::fromUtf8(kConfig)));
    check();
}

QTEST_MAIN(tst_Ribbon)
#include "tst_ribbon.moc"
