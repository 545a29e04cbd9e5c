#include "controls/TavixQPushButton.h"
#include "controls/TavixQPushButtonImpl.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "designer/TavixQWindow.h"
#include "resources/TavixQResourceManager.h"
#include "TavixTestSupport.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

#include <map>
#include <memory>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::show;

// What each control type's page node adds to the keys every control has: non-default values of its own
// "attr" keys, "style" entries and owned child nodes (a view's scroll bars), with a lone non-Normal slot wherever
// the type has per-state slots. Written in the order the type writes them. A type missing here (a new one) still
// round-trips the common part. A picture's "path" is left out: an "svgPath" replaces it on saving.
const std::map<QString, QByteArray> &ownKeys()
{
    static const std::map<QString, QByteArray> keys = {
        {"qtbutton", R"("attr": {"text": "OK", "hasIcon": 0, "iconPath": "p.png", "hotIconPath": "h.png",
            "isExtBtn": 1, "extWidth": 12, "extIconPath": "e.png", "extHotIconPath": "eh.png", "showText": 0,
            "drawBackground": 0, "fadeDuration": 300, "iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": -2,
            "iconUseColor": 1, "iconColor": "FFFF0000", "txtX": 4, "txtY": 1},
            "style": [["rtFillHot", 1, 1], ["rtTextHot", 2, 5]])"},
        {"qtcheckbox", R"("attr": {"text": "Check", "iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": 1,
            "showIcon": 0, "showText": 0, "iconPath": "u.png", "hotIconPath": "uh.png", "siconPath": "c.png",
            "sHotIconPath": "ch.png", "disableIconPath": "du.png", "disableSIconPath": "dc.png"},
            "style": [["rtFillHot", 1, 1], ["rtFill", 1, 5], ["rtTextHot", 2, 9]])"},
        {"qtradiobox", R"("attr": {"text": "Radio", "iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": 1,
            "showIcon": 0, "showText": 0, "iconPath": "u.png", "hotIconPath": "uh.png", "siconPath": "c.png",
            "sHotIconPath": "ch.png", "pushlike": 1},
            "style": [["rtFillHot", 1, 2], ["rtFill", 1, 7], ["rtText", 2, 10]])"},
        {"qtgroupbox", R"("attr": {"text": "Group", "size": 2, "color": "FFFF0000", "showText": 0},
            "style": [["rtFill", 1, 0], ["rtText", 2, 0]])"},
        {"qtscrollbar", R"("attr": {"upicon": "u.svg", "downicon": "d.svg", "thumbicon": "t.png", "hor": 1},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 3], ["rtFillHot", 1, 13]])"},
        {"qtspacer", R"("attr": {"direction": 1, "thickness": 7})"},
        {"qtsplitter", R"("style": [["rtFill", 1, 0]])"},
        {"qtcontainer", R"("attr": {"childLayout": 1, "space": 3, "paddingLeft": 1, "paddingTop": 2,
            "paddingRight": 3, "paddingBottom": 4, "absoluteDockAutoSize": 1}, "style": [["rtFillHot", 1, 1]])"},
        {"qtstackcontainer", R"("attr": {"drawBackground": 0}, "style": [["rtFillHot", 1, 1]])"},
        {"qtscrollview", R"("style": [["rtFill", 1, 0]])"},
        {"qtlabel", R"("attr": {"text": "Caption"}, "style": [["rtText", 2, 0]])"},
        {"qtlabelex", R"("attr": {"text": "Caption"}, "style": [["rtText", 2, 0]])"},
        {"qtlcdnumber", R"("attr": {"digitCount": 7, "color": "FFFF0000", "text": "12.5"})"},
        {"qtprogressbar", R"("attr": {"showText": 1, "val": 40},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 2], ["rtText", 2, 4]])"},
        {"qtswitch", R"("attr": {"leftText": "Off", "rightText": "On", "thumbW": 0, "thumbH": 18, "speed": 500,
            "on": true, "margin": 4},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 3], ["rtText", 2, 6], ["rtTextHot", 2, 7]])"},
        {"qttab", R"("attr": {"itemSize": 60, "isHor": 0, "itemSpace": 3, "showText": 0, "hasIcon": 0},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 2], ["rtTextHot", 2, 8]])"},
        {"qtdedit", R"("attr": {"text": "a <b>", "tip": "hint", "ispassord": 1, "shortcut": 1, "leftMargin": 1,
            "rightMargin": 3, "topMargin": 2, "bottomMargin": 4},
            "style": [["rtFillHot", 1, 1], ["rtTextHot", 2, 6], ["rtText", 2, 9]])"},
        {"qttext", R"("attr": {"text": "a <b>", "tip": "hint", "leftMargin": 1, "rightMargin": 3, "topMargin": 2,
            "bottomMargin": 4}, "style": [["rtFillHot", 1, 1], ["rtTextHot", 2, 6], ["rtText", 2, 8]])"},
        {"qtcombobox", R"("attr": {"text": "Pick", "btnIcon": "b.png", "btnHotIcon": "bh.png"},
            "style": [["rtFillHot", 1, 1], ["rtFillHot", 1, 6], ["rtTextHot", 2, 9], ["rtFill", 1, 12],
            ["rtFillHot", 1, 15], ["rtTextHot", 2, 20]])"},
        {"qtlist", R"("attr": {"multiselect": 1, "itemHeight": 30},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 3], ["rtTextHot", 2, 7]],
            "child": [{"type": "qtscrollbar", "theme": "qtscrollbar", "attr": {"hor": 1},
                       "style": [["rtFillHot", 1, 3]]},
                      {"type": "qtscrollbar", "theme": "qtscrollbar", "attr": {"upicon": "u.svg"},
                       "style": [["rtFillHot", 1, 13]]}])"},
        {"qtpicture", R"("attr": {"fill": 0, "svgPath": "s.svg", "svgUseColor": 1, "svgColor": "FFFF0000"})"},
        {"qtslider", R"("attr": {"max": 50})"},
        {"qtlistview", R"("attr": {"itemHeight": 30, "itemWidth": 40, "spacing": 3, "itemMode": 1},
            "child": [{"type": "qtscrollbar", "theme": "qtscrollbar", "style": [["rtFillHot", 1, 11]]}])"},
        {"qtdatagrid", R"("attr": {"multiselect": 1, "itemHeight": 28, "checkstyle": 1, "checkedImg": "c.png",
            "uncheckImg": "u.png"}, "style": [["rtFillHot", 1, 3], ["rtTextHot", 2, 7], ["rtFillHot", 1, 11],
            ["rtTextHot", 2, 15]])"},
        {"qttree", R"("attr": {"itemHeight": 26}, "style": [["rtFill", 1, 0], ["rtFillHot", 1, 3], ["rtText", 2, 9]])"},
        {"qtmenubar", R"("style": [["rtFill", 1, 0], ["rtFillHot", 1, 2], ["rtTextHot", 2, 6], ["rtFillHot", 1, 9],
            ["rtText", 2, 14]])"},
        {"qtribbonbar", R"("attr": {"groupHeight": 80, "groupRowCount": 2, "tabHeight": 26, "tabItemWidth": 70,
            "topBarHeight": 12, "minimized": 1, "showMenuBar": 1},
            "style": [["rtFill", 1, 0], ["rtFillHot", 1, 5], ["rtFillHot", 1, 10], ["rtTextHot", 2, 13]])"},
    };
    return keys;
}

// A page node for type: the keys every control has, then the type's own (merged into "attr").
Json::Value pageNode(const QString &type)
{
    Json::Value node = parse(R"({"type": ")" + type.toUtf8() + R"(", "name": "rt", "tooltip": "tip",
        "enable": false, "widthPolicy": 1, "heightPolicy": 0, "layout": {"type": 0, "ratio": 2},
        "theme": "pageTheme", "attr": {"custom": 1, "flag": true, "real": 2.5, "list": ["a", "b"],
        "big": 4294967296, "negative": -7}})");
    const auto own = ownKeys().find(type);
    if (own == ownKeys().end())
        return node;
    const Json::Value extra = parse("{" + own->second + "}");
    for (const std::string &key : extra.getMemberNames()) {
        if (key != "attr") {
            node[key] = extra[key];
            continue;
        }
        for (const std::string &attrKey : extra[key].getMemberNames())
            node["attr"][attrKey] = extra[key][attrKey];
    }
    return node;
}

Json::Value written(ITavixQWidgetBase &control)
{
    Json::Value node(Json::objectValue);
    control.serializeJsonValue(&node, false);
    return node;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A theme directory with fill styles themeA and themeB and the given theme.json elements.
bool writeTheme(const QTemporaryDir &dir, const QByteArray &elements)
{
    return writeFile(dir.filePath(QStringLiteral("style.json")), R"({"style": [
               {"type": 1, "name": "themeA", "drawImg": false, "clr": "ffff0000"},
               {"type": 1, "name": "themeB", "drawImg": false, "clr": "ff00ff00"}]})")
           && writeFile(dir.filePath(QStringLiteral("theme.json")), R"({"elements": [{"child": [)" + elements + "]}]}");
}

} // namespace

class tst_RoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyControlType_data();
    void everyControlType();
    void themeEntryThenPageKeys_data();
    void themeEntryThenPageKeys();
    void themeAttributesShared();

private:
    QTemporaryDir m_plain;      // a theme without entries for the type keywords
};

void tst_RoundTrip::initTestCase()
{
    init();
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    for (const char *name : {"rtFill", "rtFillHot"}) {
        FillStyle fill;
        fill.name = QString::fromLatin1(name);
        fill.color = QColor(name[6] ? Qt::green : Qt::blue);
        manager->setFillStyle(fill.name, fill);
    }
    for (const char *name : {"rtText", "rtTextHot"}) {
        TextStyleDesc text;
        text.name = QString::fromLatin1(name);
        manager->setTextStyle(text.name, text);
    }
    QVERIFY(writeTheme(m_plain, R"({"name": "unused", "style": [["themeA", 1, 0]]})"));
    QVERIFY(manager->loadThemeDir(m_plain.path()));
    // Each control round-trips alone; children are another subject.
    tavixEnableSerializeChild(false);
}

void tst_RoundTrip::cleanup()
{
    QVERIFY(!TavixQResourceManager::getInstance()->isLoadFromThemeRes());
}

void tst_RoundTrip::everyControlType_data()
{
    QTest::addColumn<QString>("type");
    QStringList types;
    for (const auto &entry : creatorMap()) {
        // Aliases create a registered type under another keyword; the type is what a save writes.
        QWidget parent;
        auto *control = dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(entry.first.c_str(), &parent));
        if (control && !types.contains(control->getTypeName()))
            types << control->getTypeName();
    }
    QVERIFY(types.size() >= int(ownKeys().size()));
    for (const QString &type : types)
        QTest::newRow(type.toUtf8().constData()) << type;
}

// Loading a page node and writing the control back gives the node: caption, attributes (of every kind),
// style entries including lone per-state slots, theme name and the common keys.
void tst_RoundTrip::everyControlType()
{
    QFETCH(QString, type);
    QWidget parent;
    QWidget *widget = tavixCreateControlByKeyword(type.toUtf8().constData(), &parent);
    auto *control = dynamic_cast<ITavixQWidgetBase *>(widget);
    QVERIFY(control);
    const Json::Value node = pageNode(type);
    Json::Value copy = node;
    QVERIFY(control->readJsonValue(&copy));
    QCOMPARE(show(copy), show(node));   // reading never changes the node
    QCOMPARE(control->getThemeName(), QStringLiteral("pageTheme"));
    QCOMPARE(show(written(*control)), show(node));

    // And once more through a fresh control, as a saved page is loaded again.
    QWidget *again = tavixCreateControlByKeyword(type.toUtf8().constData(), &parent);
    auto *reloaded = dynamic_cast<ITavixQWidgetBase *>(again);
    Json::Value saved = written(*control);
    QVERIFY(reloaded && reloaded->readJsonValue(&saved));
    QCOMPARE(show(written(*reloaded)), show(node));
}

void tst_RoundTrip::themeEntryThenPageKeys_data()
{
    // The page names its own theme entry; the theme also holds one for the type keyword.
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QByteArray>("changed");   // the theme loaded afterwards
    QTest::addColumn<QString>("shownNormal");  // Normal fill after the change
    QTest::addColumn<int>("shownTxtX");
    const QByteArray keyword = R"({"name": "qtbutton", "attr": {"text": "fromTheme", "txtX": 9},
                                  "style": [["themeB", 1, 0]]})";
    // A theme may give a flag as a boolean where a save writes 0 or 1.
    QTest::newRow("no change") << QByteArray(R"({"name": "primaryButton", "attr": {"txtX": 4, "showText": false},
        "style": [["themeA", 1, 0]]},)") + keyword << QByteArray() << "themeA" << 4;
    QTest::newRow("theme change") << QByteArray(R"({"name": "primaryButton", "attr": {"txtX": 4},
        "style": [["themeA", 1, 0]]},)") + keyword
                                  << QByteArray(R"({"name": "primaryButton", "attr": {"txtX": 6},
        "style": [["themeA", 1, 0], ["themeB", 1, 3]]},)") + keyword << "themeA" << 6;
    QTest::newRow("entry gone") << QByteArray(R"({"name": "primaryButton", "style": [["themeA", 1, 0]]},)") + keyword
                                << keyword << "themeA" << 9;
}

// The theme entry the page names applies first and the page's keys over it; the name is kept, so a theme
// change restyles from it, and a save writes the page's keys only.
void tst_RoundTrip::themeEntryThenPageKeys()
{
    QFETCH(QByteArray, entries);
    QFETCH(QByteArray, changed);
    QFETCH(QString, shownNormal);
    QFETCH(int, shownTxtX);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    QTemporaryDir first, second;
    QVERIFY(writeTheme(first, entries));
    QVERIFY(manager->loadThemeDir(first.path()));

    TavixQWindow window;    // a theme change reaches controls through their window
    auto *button = new TavixQPushButton(&window);
    QCOMPARE(button->getImpl()->backgrounds[Normal].name, QStringLiteral("themeB"));   // from "qtbutton"
    const Json::Value node = parse(R"({"type": "qtbutton", "name": "b", "theme": "primaryButton",
        "attr": {"text": "OK"}, "style": [["rtFillHot", 1, 1]], "w": 0, "h": 0})");
    Json::Value copy = node;
    QVERIFY(button->readJsonValue(&copy));
    QCOMPARE(button->text(), QStringLiteral("OK"));
    QCOMPARE(button->getThemeName(), QStringLiteral("primaryButton"));
    QCOMPARE(button->getImpl()->backgrounds[Normal].name, QStringLiteral("themeA"));
    QCOMPARE(button->getImpl()->backgrounds[Hot].name, QStringLiteral("rtFillHot"));
    QCOMPARE(button->getImpl()->showText, !entries.contains("showText"));
    QCOMPARE(show(written(*button)), show(node));

    if (!changed.isEmpty()) {
        QVERIFY(writeTheme(second, changed));
        QVERIFY(manager->loadThemeDir(second.path()));
        QCOMPARE(button->getImpl()->backgrounds[Normal].name, shownNormal);
        QCOMPARE(button->getImpl()->textOffsetX, shownTxtX);
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QCOMPARE(button->getThemeName(), QStringLiteral("primaryButton"));
        // What the theme shows over the page's Hot slot is the theme's; the page still says rtFillHot.
        QCOMPARE(show(written(*button)), show(node));
    }
    delete button;
    QVERIFY(manager->loadThemeDir(m_plain.path()));
}

// A theme entry's attributes are read where the theme keeps them: no control copies them, a save writes only
// the page's own, and the page's value of a key stands over the entry's.
void tst_RoundTrip::themeAttributesShared()
{
    QByteArray attrs = R"("custom": 2, "themeOnly": "x")";
    for (int i = 0; i < 10000; ++i)
        attrs += ", \"k" + QByteArray::number(i) + "\": " + QByteArray::number(i);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    QTemporaryDir dir;
    QVERIFY(writeTheme(dir, R"({"name": "bigTheme", "attr": {)" + attrs + "}}"));
    QVERIFY(manager->loadThemeDir(dir.path()));

    QWidget parent;
    std::vector<TavixQPushButton *> buttons;
    const Json::Value node = parse(R"({"type": "qtbutton", "name": "b", "theme": "bigTheme",
        "attr": {"custom": 1}, "w": 0, "h": 0})");
    for (int i = 0; i < 100; ++i) {
        auto *button = new TavixQPushButton(&parent);
        Json::Value copy = node;
        QVERIFY(button->readJsonValue(&copy));
        buttons.push_back(button);
    }
    auto *themed = new TavixQPushButton(&parent);
    themed->setThemeName(QStringLiteral("bigTheme"));
    for (TavixQPushButton *button : buttons) {
        TavixQWidgetBaseImpl *impl = button->getImpl();
        QCOMPARE(impl->attributes.size(), size_t(1));
        QCOMPARE(impl->getAttribute("custom").value.toInt(), 1);
        QCOMPARE(impl->getAttribute("themeOnly").value.toString(), QStringLiteral("x"));
        QCOMPARE(impl->getAttribute("k9999").value.toInt(), 9999);
        QVERIFY(!impl->hasAttribute("nosuch"));
    }
    QCOMPARE(show(written(*buttons.front())), show(node));
    QVERIFY(themed->getImpl()->attributes.empty());
    QVERIFY(themed->getImpl()->hasAttribute("k0"));
    QVERIFY(!tavixJsonHas(written(*themed), "attr") || written(*themed)["attr"].empty());
    QVERIFY(manager->loadThemeDir(m_plain.path()));
    // Without the entry, nothing of it is left in the controls.
    QVERIFY(!buttons.front()->getImpl()->hasAttribute("themeOnly"));
}

QTEST_MAIN(tst_RoundTrip)
#include "tst_roundtrip.moc"
