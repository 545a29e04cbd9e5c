#include "TavixTestSupport.h"
#include "controls/views/TavixQMenu.h"
#include "controls/views/TavixQMenuBar.h"
#include "controls/views/TavixQMenuBarImpl.h"
#include "controls/views/TavixQMenuImpl.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <memory>

using namespace TavixQtLib;
using tavixtest::parse;
using tavixtest::solid;
using tavixtest::writeFile;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kBackground(0, 0, 128);
const QColor kNormal(255, 0, 0);
const QColor kHot(0, 255, 0);
const QColor kPressed(0, 0, 255);
const QColor kDisable(255, 0, 255);
const QColor kIcon(255, 255, 0);

// Probe colours per state; captions drawn transparent so that pixels show only the fills.
void probeMenu(TavixQMenu &menu)
{
    menu.setBackground(solid(kBackground));
    const QColor fills[] = {kNormal, kHot, kPressed, kDisable};
    TextStyleDesc clear;
    clear.color = Qt::transparent;
    for (int s = Normal; s <= Disable; ++s) {
        menu.setItemStyle(CtrlState(s), solid(fills[s]));
        menu.setItemTextStyle(CtrlState(s), clear);
    }
}

void probeBar(TavixQMenuBar &bar)
{
    bar.setBackground(CommonNormal, solid(kBackground));
    const QColor fills[] = {kNormal, kHot, kPressed, kDisable};
    TextStyleDesc clear;
    clear.color = Qt::transparent;
    bar.setTextStyle(AllStates, clear);
    for (int s = Normal; s <= Disable; ++s)
        bar.setItemBackground(CtrlState(s), solid(fills[s]));
}

QImage render(QWidget &widget)
{
    return tavixtest::rendered(widget, kSentinel);
}

QColor pixelAt(QWidget &widget, const QPoint &pos)
{
    return render(widget).pixelColor(pos);
}

QPoint entryCentre(QMenu &menu, int index)
{
    return menu.actionGeometry(menu.actions().at(index)).center();
}

void hover(QWidget &widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// A document with nesting levels of sub-menus, each holding one action and the next level.
QByteArray nestedDocument(int levels)
{
    QByteArray text = R"({"items": [)";
    for (int i = 0; i < levels; ++i)
        text += R"({"text": "a"}, {"text": "sub", "items": [)";
    text += QByteArray(R"({"text": "leaf"})") + QByteArray("]}").repeated(levels) + "]}";
    return text;
}

int menuDepth(QMenu *menu)
{
    int depth = 0;
    while (menu) {
        QMenu *next = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->menu())
                next = action->menu();
        }
        if (!next)
            break;
        ++depth;
        menu = next;
    }
    return depth;
}

int entryCount(QMenu *menu)
{
    int count = 0;
    for (QAction *action : menu->actions()) {
        ++count;
        if (action->menu())
            count += entryCount(action->menu());
    }
    return count;
}

} // namespace

class tst_Menu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void documentBuildsNestedMenus();
    void documentStyleKeys_data();
    void documentStyleKeys();
    void malformedDocuments_data();
    void malformedDocuments();
    void deepValueReadDirectly();
    void themeEntryAddsNoEntries();
    void backgroundFillsTheMenu();
    void entryStatesPaint();
    void iconColumnAndWidenedEntries();
    void keyboardMovesAndTriggers();
    void subMenuByKeyboardReachesApplication();
    void deletedFromItsOwnTrigger_data();
    void deletedFromItsOwnTrigger();
    void menuBarDeletedFromItsOwnTrigger();
    void menuBarHotEntry();
    void menuBarOpenAndDisabledEntries();
    void menuBarStyleSlots_data();
    void menuBarStyleSlots();
    void captions_data();
    void captions();

private:
    QTemporaryDir m_dir;
    QString m_svg;
    QString m_png;
};

void tst_Menu::initTestCase()
{
    init();
    QVERIFY(m_dir.isValid());
    m_svg = m_dir.filePath(QStringLiteral("icon.svg"));
    QVERIFY(writeFile(m_svg, R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16">)"
                             R"(<rect width="16" height="16" fill="#ffff00"/></svg>)"));
    m_png = m_dir.filePath(QStringLiteral("icon.png"));
    QPixmap png(16, 16);
    png.fill(kIcon);
    QVERIFY(png.save(m_png, "PNG"));
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const std::pair<const char *, QColor> fills[] = {
        {"mBack", kBackground}, {"mNormal", kNormal}, {"mHot", kHot}, {"mPressed", kPressed}, {"mDisable", kDisable}};
    for (const auto &fill : fills) {
        FillStyle style = solid(fill.second);
        style.name = QString::fromLatin1(fill.first);
        manager->setFillStyle(style.name, style);
    }
    for (const char *name : {"tNormal", "tHot"}) {
        TextStyleDesc text;
        text.name = QString::fromLatin1(name);
        manager->setTextStyle(text.name, text);
    }
}

// Entries, sub-menus two levels deep, icons: an SVG gets the path only, a bitmap a QIcon too.
void tst_Menu::documentBuildsNestedMenus()
{
    const QString path = m_dir.filePath(QStringLiteral("menu.json"));
    QVERIFY(writeFile(path, R"({"items": [
        {"text": "Open", "icon": ")" + m_png.toUtf8() + R"("},
        {"text": "Save", "icon": ")" + m_svg.toUtf8() + R"("},
        /* comments are allowed */
        {"text": "Recent", "icon": "recent.svg", "items": [
            {"text": "One"},
            {"text": "More", "items": [{"text": "Deep"}]}]},
        {"text": "Quit"}]})"));
    QWidget host;
    std::unique_ptr<TavixQMenu> menu(tavixCreateMenuByFileName(&host, path));
    QVERIFY(menu);
    QVERIFY(!TavixQResourceManager::getInstance()->isCreatedByFile());
    const QList<QAction *> top = menu->actions();
    QCOMPARE(top.size(), 4);
    QCOMPARE(top[0]->property("tavix_menu_icon_path").toString(), m_png);
    QVERIFY(!top[0]->icon().isNull());
    QCOMPARE(top[1]->property("tavix_menu_icon_path").toString(), m_svg);
    QVERIFY(top[1]->icon().isNull());

    auto *recent = qobject_cast<TavixQMenu *>(top[2]->menu());
    QVERIFY(recent);
    QCOMPARE(recent->actions().size(), 2);
    QMenu *more = recent->actions().at(1)->menu();
    QVERIFY(more && more->actions().at(0)->text() == QStringLiteral("Deep"));

    // The icon column reaches the sub-menus the document made.
    menu->setIconOffset(24);
    QCOMPARE(recent->getIconOffset(), 24);
    QCOMPARE(qobject_cast<TavixQMenu *>(more)->getIconOffset(), 24);
}

void tst_Menu::documentStyleKeys_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("normal");
    QTest::addColumn<QColor>("hot");
    QTest::addColumn<QColor>("disable");
    QTest::addColumn<QString>("hotText");
    const QColor white(255, 255, 255);
    const QColor defaultHot(0xE5, 0xF1, 0xFB);
    QTest::newRow("item0 spreads, item1 overrides")
        << QByteArray(R"({"background": "mBack", "item0": "mNormal", "item1": "mHot", "text0": "tNormal", "text1": "tHot"})")
        << kBackground << kNormal << kHot << kNormal << "tHot";
    QTest::newRow("item0 alone")
        << QByteArray(R"({"background": "mBack", "item0": "mNormal"})") << kBackground << kNormal << kNormal << kNormal
        << "";
    QTest::newRow("without background the items are not read")
        << QByteArray(R"({"item0": "mNormal", "item1": "mHot", "text0": "tNormal"})") << white << white << defaultHot
        << white << "";
    QTest::newRow("unknown names keep the records")
        << QByteArray(R"({"background": "nothing", "item0": "nothing", "item3": "mDisable"})") << white << white
        << defaultHot << kDisable << "";
}

// The style keys apply in table order; unknown names and a missing "background" leave the records.
void tst_Menu::documentStyleKeys()
{
    QFETCH(QByteArray, document);
    QFETCH(QColor, background);
    QFETCH(QColor, normal);
    QFETCH(QColor, hot);
    QFETCH(QColor, disable);
    QFETCH(QString, hotText);
    TavixQMenu menu;
    Json::Value node = parse(document);
    QVERIFY(menu.readJsonValue(&node));
    QCOMPARE(menu.getBackground().color, background);
    QCOMPARE(menu.getItemStyle(Normal).color, normal);
    QCOMPARE(menu.getItemStyle(Hot).color, hot);
    QCOMPARE(menu.getItemStyle(Disable).color, disable);
    QCOMPARE(menu.getItemTextStyle(Hot).name, hotText);
}

void tst_Menu::malformedDocuments_data()
{
    QTest::addColumn<QByteArray>("document");   // empty: no file at all
    QTest::addColumn<bool>("made");
    QTest::addColumn<int>("entries");           // in the whole tree
    QTest::addColumn<int>("depth");
    QTest::newRow("missing file") << QByteArray() << false << 0 << 0;
    QTest::newRow("empty file") << QByteArray(" ") << false << 0 << 0;
    QTest::newRow("not JSON") << QByteArray(R"({"items": [)") << false << 0 << 0;
    QTest::newRow("10 000 levels of text") << nestedDocument(10000) << false << 0 << 0;
    QTest::newRow("root is an array") << QByteArray(R"([{"text": "a"}])") << true << 0 << 0;
    QTest::newRow("root is a number") << QByteArray("7") << true << 0 << 0;
    QTest::newRow("items is a string") << QByteArray(R"({"items": "Open"})") << true << 0 << 0;
    QTest::newRow("entries of wrong kinds")
        << QByteArray(R"({"items": [1, "two", null, [3], {"text": 5, "icon": []}, {"items": 9}, {}]})") << true << 3 << 1;
    QTest::newRow("style keys of wrong kinds")
        << QByteArray(R"({"background": 7, "item0": {}, "text1": [1], "items": [{"text": "a"}]})") << true << 1 << 0;
    QTest::newRow("100 levels") << nestedDocument(100) << true << 2 * TavixQMenuImpl::kMaxMenuDepth + 1
                                << TavixQMenuImpl::kMaxMenuDepth;
    QByteArray many = R"({"items": [)";
    for (int i = 0; i < 100000; ++i)
        many += R"({"text": "x"},)";
    many += R"({"text": "last"}]})";
    QTest::newRow("100 000 entries") << many << true << TavixQMenuImpl::kMaxMenuEntries << 0;
}

// Documents that cannot be read give null; readable ones of the wrong shape build what they can.
void tst_Menu::malformedDocuments()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, made);
    QFETCH(int, entries);
    QFETCH(int, depth);
    const QString path = m_dir.filePath(QStringLiteral("bad.json"));
    QFile::remove(path);
    if (!document.isEmpty())
        QVERIFY(writeFile(path, document == " " ? QByteArray() : document));
    QWidget host;
    std::unique_ptr<TavixQMenu> menu(tavixCreateMenuByFileName(&host, path));
    QCOMPARE(bool(menu), made);
    QVERIFY(!TavixQResourceManager::getInstance()->isCreatedByFile());
    if (!menu) {
        QVERIFY(host.children().isEmpty());
        return;
    }
    QCOMPARE(entryCount(menu.get()), entries);
    QCOMPARE(menuDepth(menu.get()), depth);
    menu->resize(200, 200);
    render(*menu);   // paints only the entries in view
}

// A theme entry may style menus; it never adds entries to them.
void tst_Menu::themeEntryAddsNoEntries()
{
    TavixQMenu menu;
    Json::Value entry = parse(R"({"background": "mBack", "items": [{"text": "from theme"}]})");
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    manager->setSwitchToThemeRes(true);
    Json::Value *node = &entry;
    menu.getImpl()->serializeJsonValue(&node, true);
    manager->setSwitchToThemeRes(false);
    QVERIFY(menu.actions().isEmpty());
    QVERIFY(menu.readJsonValue(&entry));   // the same node as the menu's own document
    QCOMPARE(menu.actions().size(), 1);
}

// A node built in code is not bound by the parser's nesting limit; the reader still stops.
void tst_Menu::deepValueReadDirectly()
{
    Json::Value root(Json::objectValue);
    Json::Value *level = &root;
    for (int i = 0; i < 10000; ++i) {
        Json::Value &entry = (*level)["items"].append(Json::Value(Json::objectValue));
        entry["text"] = "sub";
        level = &entry;
    }
    TavixQMenu menu;
    QVERIFY(menu.readJsonValue(&root));
    QCOMPARE(menuDepth(&menu), TavixQMenuImpl::kMaxMenuDepth);
}

// Normal, Hot under the pointer, Disable for a disabled action, Normal for a separator under the pointer.
void tst_Menu::entryStatesPaint()
{
    TavixQMenu menu;
    probeMenu(menu);
    menu.addAction(QStringLiteral("First"));
    menu.addAction(QStringLiteral("Second"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Disabled"))->setEnabled(false);
    menu.popup(QPoint(50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    hover(menu, entryCentre(menu, 1));
    QImage image = render(menu);
    QCOMPARE(image.pixelColor(entryCentre(menu, 0)), kNormal);
    QCOMPARE(image.pixelColor(entryCentre(menu, 1)), kHot);

    // The separator's middle row carries its line; the rest of it shows the Normal look.
    const QRect separator = menu.actionGeometry(menu.actions().at(2));
    hover(menu, separator.center());
    QCOMPARE(menu.getImpl()->hoverIndex, 2);
    image = render(menu);
    QCOMPARE(image.pixelColor(separator.left() + 1, separator.top()), kNormal);

    // A disabled action under the pointer stays disabled.
    hover(menu, entryCentre(menu, 3));
    QCOMPARE(pixelAt(menu, entryCentre(menu, 3)), kDisable);

    menu.hide();
    QCOMPARE(menu.getImpl()->hoverIndex, -1);
}

void tst_Menu::backgroundFillsTheMenu()
{
    TavixQMenu menu;
    probeMenu(menu);
    menu.resize(60, 30);
    QCOMPARE(pixelAt(menu, QPoint(30, 15)), kBackground);
}

// The icon column: icons drawn over the entry's fill, entries reaching over the extra width.
void tst_Menu::iconColumnAndWidenedEntries()
{
    TavixQMenu menu;
    probeMenu(menu);
    menu.addIconAction(m_svg, QStringLiteral("Vector"));
    menu.addIconAction(m_png, QStringLiteral("Bitmap"));
    menu.addAction(QStringLiteral("Plain"));
    const int qtWidth = menu.QMenu::sizeHint().width();
    menu.setIconOffset(24);
    QCOMPARE(menu.sizeHint().width(), qtWidth + 24);
    menu.popup(QPoint(50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(menu.width(), qtWidth + 24);

    for (int i = 0; i < 2; ++i) {
        const QRect g = menu.actionGeometry(menu.actions().at(i));
        hover(menu, g.center());
        const QImage image = render(menu);
        QCOMPARE(image.pixelColor(g.left() + 12, g.center().y()), kIcon);       // icon over the Hot fill
        QCOMPARE(image.pixelColor(g.left() + 24 + 8, g.center().y()), kHot);   // caption area
        // The entry reaches as far right as Qt's own margin on the left.
        QCOMPARE(image.pixelColor(menu.width() - g.left() - 1, g.center().y()), kHot);
    }
    // Without an icon the column shows the entry's fill.
    QCOMPARE(pixelAt(menu, menu.actionGeometry(menu.actions().at(2)).topLeft() + QPoint(12, 4)), kNormal);

    menu.setIconOffset(-5);
    QCOMPARE(menu.getIconOffset(), 0);
    menu.setIconOffset(INT_MAX);
    QCOMPARE(menu.getIconOffset(), int(TavixQMenuImpl::kMaxIconOffset));
}

// Qt's keyboard handling is kept: arrows move the active entry (skipping separators and disabled
// entries), the hot look follows it, Enter triggers it.
void tst_Menu::keyboardMovesAndTriggers()
{
    TavixQMenu menu;
    probeMenu(menu);
    QAction *first = menu.addAction(QStringLiteral("First"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Off"))->setEnabled(false);
    QAction *last = menu.addAction(QStringLiteral("Last"));
    QSignalSpy menuTriggered(&menu, &QMenu::triggered);
    QSignalSpy actionTriggered(last, &QAction::triggered);
    menu.popup(QPoint(50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction(), first);
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction(), last);
    const QImage image = render(menu);
    QCOMPARE(image.pixelColor(entryCentre(menu, 0)), kNormal);
    QCOMPARE(image.pixelColor(entryCentre(menu, 3)), kHot);

    QTest::keyClick(&menu, Qt::Key_Return);
    QCOMPARE(actionTriggered.count(), 1);
    QCOMPARE(menuTriggered.count(), 1);
    QVERIFY(!menu.isVisible());
}

// A sub-menu of a document opens with Right; Enter there triggers the action and the top menu hears it.
void tst_Menu::subMenuByKeyboardReachesApplication()
{
    const QString path = m_dir.filePath(QStringLiteral("sub.json"));
    QVERIFY(writeFile(path, R"({"items": [{"text": "File", "items": [{"text": "New"}, {"text": "Open"}]}]})"));
    std::unique_ptr<TavixQMenu> menu(tavixCreateMenuByFileName(nullptr, path));
    QVERIFY(menu);
    QSignalSpy triggered(menu.get(), &QMenu::triggered);
    menu->popup(QPoint(50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    QTest::keyClick(menu.get(), Qt::Key_Down);
    QTest::keyClick(menu.get(), Qt::Key_Right);
    QMenu *sub = menu->actions().at(0)->menu();
    QTRY_VERIFY(sub->isVisible());
    QTest::keyClick(sub, Qt::Key_Down);   // opened by keyboard: the first entry was active
    QTest::keyClick(sub, Qt::Key_Enter);
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<QAction *>()->text(), QStringLiteral("Open"));
}

void tst_Menu::deletedFromItsOwnTrigger_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Enter") << 0;
    QTest::newRow("click") << 1;
    QTest::newRow("Enter in a sub-menu, top menu deleted") << 2;
    QTest::newRow("mnemonic key") << 3;
}

// A slot connected to triggered may delete the menu, even the top menu that owns the open sub-menu.
void tst_Menu::deletedFromItsOwnTrigger()
{
    QFETCH(int, how);
    auto *menu = new TavixQMenu;
    QAction *close = menu->addAction(QStringLiteral("&Close"));
    auto *sub = new TavixQMenu(menu);
    sub->setTitle(QStringLiteral("More"));
    sub->addAction(QStringLiteral("Inner"));
    menu->addMenu(sub);
    QPointer<TavixQMenu> guard(menu);
    int heard = 0;
    connect(menu, &QMenu::triggered, menu, [menu, &heard]() {
        ++heard;
        delete menu;
    });
    QSignalSpy hidden(menu, &QMenu::aboutToHide);
    menu->popup(QPoint(50, 50));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    if (how == 1) {
        const QPoint at = menu->actionGeometry(close).center();
        hover(*menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
    } else if (how == 2) {
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Right);
        QTRY_VERIFY(sub->isVisible());
        QTest::keyClick(sub, Qt::Key_Return);
    } else if (how == 3) {
        QTest::keyClick(menu, Qt::Key_C);
    } else {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    QVERIFY(guard.isNull());
    QCOMPARE(heard, 1);
    QCOMPARE(hidden.count(), 1);   // aboutToHide still comes first
}

// An entry of the bar without a menu triggers on release; the slot may delete the bar.
void tst_Menu::menuBarDeletedFromItsOwnTrigger()
{
    auto *bar = new TavixQMenuBar;
    QAction *quit = bar->addAction(QStringLiteral("Quit"));
    bar->resize(300, 30);
    bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(bar));
    QPointer<TavixQMenuBar> guard(bar);
    int heard = 0;
    connect(bar, &QMenuBar::triggered, bar, [bar, &heard](QAction *action) {
        heard += action->text() == QLatin1String("Quit");
        delete bar;
    });
    const QPoint at = bar->actionGeometry(quit).center();
    hover(*bar, at);
    QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    QVERIFY(guard.isNull());
    QCOMPARE(heard, 1);
}

// The entry under the pointer is hot, stays hot over empty bar space and goes when the pointer leaves.
void tst_Menu::menuBarHotEntry()
{
    TavixQMenuBar bar;
    probeBar(bar);
    bar.addMenu(QStringLiteral("File"));
    bar.addMenu(QStringLiteral("Edit"));
    bar.resize(400, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const QRect file = bar.actionGeometry(bar.actions().at(0));
    const QRect edit = bar.actionGeometry(bar.actions().at(1));
    QCOMPARE(bar.actionGeometry(nullptr), QRect());

    QImage image = render(bar);
    QCOMPARE(image.pixelColor(file.center().x(), 1), kNormal);   // entries reach the bar's height
    QCOMPARE(image.pixelColor(399, 15), kBackground);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&bar, &enter);
    hover(bar, file.center());
    image = render(bar);
    QCOMPARE(image.pixelColor(file.center()), kHot);
    QCOMPARE(image.pixelColor(edit.center()), kNormal);
    hover(bar, QPoint(390, 15));
    QCOMPARE(pixelAt(bar, file.center()), kHot);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bar, &leave);
    QCOMPARE(bar.getImpl()->hotIndex, -1);
    QCOMPARE(pixelAt(bar, file.center()), kNormal);
}

// The entry whose popup is open paints Pressed; a disabled entry Disable; Right moves to the next popup.
void tst_Menu::menuBarOpenAndDisabledEntries()
{
    TavixQMenuBar bar;
    probeBar(bar);
    auto *file = new TavixQMenu(QStringLiteral("File"), &bar);
    file->addAction(QStringLiteral("New"));
    auto *edit = new TavixQMenu(QStringLiteral("Edit"), &bar);
    edit->addAction(QStringLiteral("Undo"));
    bar.addMenu(file);
    bar.addMenu(edit);
    bar.addMenu(QStringLiteral("Off"))->setEnabled(false);
    bar.resize(400, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const QRect fileRect = bar.actionGeometry(bar.actions().at(0));
    const QRect editRect = bar.actionGeometry(bar.actions().at(1));
    QCOMPARE(pixelAt(bar, bar.actionGeometry(bar.actions().at(2)).center()), kDisable);

    QTest::mouseClick(&bar, Qt::LeftButton, {}, fileRect.center());
    QTRY_VERIFY(file->isVisible());
    QCOMPARE(pixelAt(bar, fileRect.center()), kPressed);
    QTest::keyClick(file, Qt::Key_Right);
    QTRY_VERIFY(edit->isVisible());
    const QImage image = render(bar);
    QCOMPARE(image.pixelColor(editRect.center()), kPressed);
    QCOMPARE(image.pixelColor(fileRect.center()), kNormal);
}

void tst_Menu::menuBarStyleSlots_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QColor>("popupBackground");
    QTest::addColumn<QColor>("popupNormal");
    QTest::addColumn<QColor>("popupHot");
    QTest::addColumn<QColor>("itemPressed");
    const QColor white(255, 255, 255);
    QTest::newRow("slot 9 sets the popup background and every popup entry")
        << QByteArray(R"([["mBack", 1, 9]])") << kBackground << kBackground << kBackground << QColor(0xCC, 0xE4, 0xF7);
    QTest::newRow("slot 10 after slot 9")
        << QByteArray(R"([["mBack", 1, 9], ["mHot", 1, 10]])") << kBackground << kBackground << kHot
        << QColor(0xCC, 0xE4, 0xF7);
    QTest::newRow("slot 1 spreads, slot 3 after it")
        << QByteArray(R"([["mNormal", 1, 1], ["mPressed", 1, 3]])") << white << white << white << kPressed;
    QTest::newRow("unknown names and slots")
        << QByteArray(R"([["nothing", 1, 9], ["mHot", 1, 99], ["mHot", 1, -1], "x", [1, 2]])") << white << white
        << white << QColor(0xCC, 0xE4, 0xF7);
}

void tst_Menu::menuBarStyleSlots()
{
    QFETCH(QByteArray, style);
    QFETCH(QColor, popupBackground);
    QFETCH(QColor, popupNormal);
    QFETCH(QColor, popupHot);
    QFETCH(QColor, itemPressed);
    TavixQMenuBar bar;
    Json::Value node = parse(R"({"type": "qtmenubar", "style": )" + style + "}");
    QVERIFY(bar.readJsonValue(&node));
    QCOMPARE(bar.getPopupBackground(CommonNormal).color, popupBackground);
    QCOMPARE(bar.getPopupItemBackground(Normal).color, popupNormal);
    QCOMPARE(bar.getPopupItemBackground(Hot).color, popupHot);
    QCOMPARE(bar.getPopupItemBackground(Disable).color, popupNormal);
    QCOMPARE(bar.getItemBackground(Pressed).color, itemPressed);

    // States outside 0..3 are ignored by the popup setters.
    bar.setPopupItemBackground(AllStates, solid(kDisable));
    bar.setPopupItemBackground(CtrlState(-1), solid(kDisable));
    QCOMPARE(bar.getPopupItemBackground(Hot).color, popupHot);
}

void tst_Menu::captions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("mnemonic") << "&File" << "File";
    QTest::newRow("escaped ampersand") << "Save && Quit" << "Save & Quit";
    QTest::newRow("trailing marker") << "Odd&" << "Odd";
    QTest::newRow("shortcut part") << "Open\tCtrl+O" << "Open";
    QTest::newRow("marker before tab") << "A&\tB" << "A";
}

void tst_Menu::captions()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QCOMPARE(tavixMenuCaption(text), caption);
}

QTEST_MAIN(tst_Menu)
#include "tst_menu.moc"
