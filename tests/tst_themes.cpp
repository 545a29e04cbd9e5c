// The three shipped themes: each loads, every name a theme entry refers to resolves, the text is readable
// on the fills it is drawn on, and every styled control type paints differently from the built-in look.

#include "TavixTestSupport.h"

#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace TavixQtLib;

namespace {

const char *const kThemes[] = {"theme1", "theme2", "theme3"};

QString themeDir(const char *name)
{
    return QStringLiteral(TAVIX_THEMES_DIR "/") + QLatin1String(name);
}

// Theme names the dashboard, its pages and its theme dialog bind controls to.
const QStringList &dashboardNames()
{
    static const QStringList names = {
        "WindowsBg", "SidebarBg", "PromoBg", "DividerBg", "CardBg", "PreviewCanvasBg", "NoteBg",
        "WindowButtonBlue", "WindowButtonClose", "mainBkg", "secondBkg", "labTitle", "qtscrollbarh",
    };
    return names;
}

// Type keywords whose controls have not landed in the registry yet; a theme styles them already.
const QStringList &pendingKeywords()
{
    static const QStringList names = {"qtdatagrid", "qttree", "qtmenubar", "qtribbonbar"};
    return names;
}

QStringList registeredKeywords()
{
    QStringList names;
    for (const auto &row : creatorMap()) {
        const QString keyword = QString::fromStdString(row.first);
        if (keyword.startsWith(QLatin1String("qt")))   // the short aliases name the same types
            names << keyword;
    }
    return names;
}

Json::Value readDocument(const QString &path)
{
    QFile file(path);
    Json::Value root;
    if (!file.open(QIODevice::ReadOnly) || !tavixParseJson(file.readAll(), root))
        return Json::Value();
    return root;
}

QColor hexColor(const Json::Value &value)
{
    bool ok = false;
    const uint argb = QString::fromStdString(value.isString() ? value.asString() : std::string()).toUInt(&ok, 16);
    return ok ? QColor::fromRgba(argb) : QColor();
}

// The named styles of a style document, by kind (1 fill, 2 text).
struct StyleTable
{
    QMap<QString, Json::Value> fills;
    QMap<QString, Json::Value> texts;
};

StyleTable readStyles(const QString &dir)
{
    StyleTable table;
    const Json::Value root = readDocument(dir + QStringLiteral("/style.json"));
    const Json::Value *styles = tavixJsonMember(root, "style");
    if (!styles || !styles->isArray())
        return table;
    for (const Json::Value &style : *styles) {
        const Json::Value *type = tavixJsonMember(style, "type");
        const Json::Value *name = tavixJsonMember(style, "name");
        if (!type || !type->isInt() || !name || !name->isString())
            continue;
        const QString key = QString::fromStdString(name->asString());
        if (type->asInt() == 1)
            table.fills.insert(key, style);
        else if (type->asInt() == 2)
            table.texts.insert(key, style);
    }
    return table;
}

// The theme entries by name.
QMap<QString, Json::Value> readEntries(const QString &dir)
{
    QMap<QString, Json::Value> entries;
    const Json::Value root = readDocument(dir + QStringLiteral("/theme.json"));
    const Json::Value *elements = tavixJsonMember(root, "elements");
    const Json::Value *first = elements && elements->isArray() ? tavixJsonAt(*elements, 0) : nullptr;
    const Json::Value *children = first ? tavixJsonMember(*first, "child") : nullptr;
    if (!children || !children->isArray())
        return entries;
    for (const Json::Value &child : *children) {
        const Json::Value *name = tavixJsonMember(child, "name");
        if (name && name->isString() && !entries.contains(QString::fromStdString(name->asString())))
            entries.insert(QString::fromStdString(name->asString()), child);
    }
    return entries;
}

// Every fault of a theme directory a user would see as a missing look: a style entry that is malformed or
// names no style of its kind, an image that is missing or does not load. Empty when the theme is sound.
QStringList themeProblems(const QString &dir)
{
    QStringList problems;
    const StyleTable styles = readStyles(dir);
    const QMap<QString, Json::Value> entries = readEntries(dir);
    if (styles.fills.isEmpty() || entries.isEmpty())
        return {QStringLiteral("no styles or no entries")};

    auto checkName = [&](const QString &entry, const QString &name, int kind) {
        const bool pseudo = kind == 1 && (name == QLatin1String("empty") || name == QLatin1String("emptyRect"));
        const bool known = kind == 1 ? styles.fills.contains(name) : styles.texts.contains(name);
        if (!pseudo && !known)
            problems << QStringLiteral("%1: no %2 style \"%3\"").arg(entry, kind == 1 ? "fill" : "text", name);
    };
    auto checkImage = [&](const QString &entry, const QString &path) {
        QFile file(dir + QLatin1Char('/') + path);
        if (!file.open(QIODevice::ReadOnly)) {
            problems << QStringLiteral("%1: no image %2").arg(entry, path);
            return;
        }
        const QByteArray data = file.readAll();
        const bool loads = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
            ? QSvgRenderer(data).isValid() : !QImage::fromData(data).isNull();
        if (!loads)
            problems << QStringLiteral("%1: image %2 does not load").arg(entry, path);
    };

    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const Json::Value &node = it.value();
        if (const Json::Value *list = tavixJsonMember(node, "style")) {
            for (const Json::Value &ref : *list) {
                const Json::Value *name = tavixJsonAt(ref, 0);
                const Json::Value *kind = tavixJsonAt(ref, 1);
                const Json::Value *slot = tavixJsonAt(ref, 2);
                if (!name || !name->isString() || !kind || !kind->isInt() || !slot || !slot->isInt()
                    || (kind->asInt() != 1 && kind->asInt() != 2) || slot->asInt() < 0) {
                    problems << QStringLiteral("%1: malformed style entry").arg(it.key());
                    continue;
                }
                checkName(it.key(), QString::fromStdString(name->asString()), kind->asInt());
            }
        }
        // Menus name their styles in keys of their own.
        for (const char *key : {"background", "item0", "item1", "item2", "item3"}) {
            if (const Json::Value *v = tavixJsonMember(node, key); v && v->isString())
                checkName(it.key(), QString::fromStdString(v->asString()), 1);
        }
        for (const char *key : {"text0", "text1", "text2", "text3"}) {
            if (const Json::Value *v = tavixJsonMember(node, key); v && v->isString())
                checkName(it.key(), QString::fromStdString(v->asString()), 2);
        }
        if (const Json::Value *attr = tavixJsonMember(node, "attr"); attr && attr->isObject()) {
            for (const std::string &key : attr->getMemberNames()) {
                const Json::Value &v = (*attr)[key];
                if (v.isString() && QString::fromStdString(v.asString()).contains(QLatin1Char('.')))
                    checkImage(it.key(), QString::fromStdString(v.asString()));
            }
        }
    }
    return problems;
}

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QImage renderNormal(QWidget *w)
{
    return tavixtest::rendered(*w);
}

constexpr int kWidth = 120;
constexpr int kHeight = 40;

} // namespace

class tst_Themes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void referencesResolve_data();
    void referencesResolve();
    void typoIsCaught_data();
    void typoIsCaught();
    void textContrast_data();
    void textContrast();
    void themesDiffer();
    void controlsPaintThemed_data();
    void controlsPaintThemed();

private:
    QMap<QString, QImage> builtIn;   // keyword -> Normal rendering before any theme is loaded
};

void tst_Themes::initTestCase()
{
    init();
    QVERIFY(TavixQResourceManager::getInstance()->getThemeManagerIml() == nullptr);
    for (const QString &keyword : registeredKeywords()) {
        std::unique_ptr<QWidget> w(tavixCreateControlByKeyword(keyword.toUtf8().constData(), nullptr));
        if (!w)
            continue;
        w->resize(kWidth, kHeight);
        builtIn.insert(keyword, renderNormal(w.get()));
    }
    QVERIFY(builtIn.contains(QStringLiteral("qtbutton")));
}

void tst_Themes::loads_data()
{
    QTest::addColumn<QString>("dir");
    for (const char *name : kThemes)
        QTest::newRow(name) << themeDir(name);
}

void tst_Themes::loads()
{
    QFETCH(QString, dir);
    QVERIFY(tavixLoadThemeDir(dir.toUtf8().constData()));
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    QCOMPARE(rm->getThemePath(), dir);

    const QStringList required = dashboardNames() + registeredKeywords() + pendingKeywords();
    QStringList missing;
    for (const QString &name : required) {
        if (!rm->getThemeJsonValue(name.toUtf8().constData()))
            missing << name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));

    // The images load through the kit's own lookup, the way controls ask for them.
    for (const QString &file : QDir(dir + QStringLiteral("/images")).entryList(QDir::Files)) {
        QVERIFY2(file == file.toLower(), qPrintable(file));   // lookups lower-case the requested name
        QVERIFY2(rm->getSvgRenderer(QStringLiteral("images/") + file), qPrintable(file));
    }
}

void tst_Themes::referencesResolve_data()
{
    loads_data();
}

void tst_Themes::referencesResolve()
{
    QFETCH(QString, dir);
    const QStringList problems = themeProblems(dir);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("\n"))));
}

void tst_Themes::typoIsCaught_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("fill name") << QByteArray("\"btnHot\"") << QByteArray("\"btnHott\"");
    QTest::newRow("text name") << QByteArray("\"bodyText\"") << QByteArray("\"bodytext\"");
    QTest::newRow("kind") << QByteArray("\"btnText\",\n       2") << QByteArray("\"btnText\",\n       1");
    QTest::newRow("image") << QByteArray("images/check_on.svg") << QByteArray("images/check_onn.svg");
    QTest::newRow("menu key") << QByteArray("\"menuPopupItemHot\"") << QByteArray("\"menuPopupItemHoy\"");
}

// The check above must fail on a theme with one slip in it, or it proves nothing.
void tst_Themes::typoIsCaught()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString source = themeDir("theme1");
    QVERIFY(QDir().mkpath(tmp.path() + QStringLiteral("/images")));
    QVERIFY(QFile::copy(source + QStringLiteral("/style.json"), tmp.path() + QStringLiteral("/style.json")));
    for (const QString &file : QDir(source + QStringLiteral("/images")).entryList(QDir::Files))
        QVERIFY(QFile::copy(source + QStringLiteral("/images/") + file, tmp.path() + QStringLiteral("/images/") + file));
    QFile in(source + QStringLiteral("/theme.json"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray text = in.readAll();
    QVERIFY2(text.contains(from), from.constData());
    text.replace(text.indexOf(from), from.size(), to);
    QVERIFY(tavixtest::writeFile(tmp.path() + QStringLiteral("/theme.json"), text));

    QVERIFY(themeProblems(source).isEmpty());
    QCOMPARE(themeProblems(tmp.path()).size(), 1);
}

void tst_Themes::textContrast_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fill");
    // The body text pairs the dashboard and the controls draw; disabled captions are exempt, as in WCAG.
    const QList<QPair<const char *, const char *>> pairs = {
        {"bodyText", "windowBg"}, {"bodyText", "sidebarBg"}, {"bodyText", "promoBg"}, {"bodyText", "cardBg"},
        {"bodyText", "previewCanvasBg"}, {"bodyText", "noteBg"}, {"bodyText", "mainBkg"},
        {"bodyText", "secondBkg"}, {"bodyText", "panelBg"}, {"titleText", "cardBg"},
        {"titleText", "mainBkg"}, {"secondaryText", "cardBg"}, {"secondaryText", "previewCanvasBg"},
        {"secondaryText", "sidebarBg"}, {"headingText", "cardBg"}, {"subtitleText", "previewCanvasBg"},
        {"mutedText", "cardBg"}, {"mutedText", "previewCanvasBg"}, {"accentText", "cardBg"},
        {"accentText", "previewCanvasBg"}, {"btnText", "btnNormal"}, {"btnText", "btnHot"},
        {"btnText", "btnPressed"}, {"navText", "sidebarBg"}, {"navText", "navHot"},
        {"navTextSelected", "navSelected"}, {"inputText", "inputNormal"}, {"placeholderText", "inputNormal"},
        {"comboText", "inputNormal"}, {"itemText", "listBg"}, {"itemText", "itemHot"},
        {"itemTextSelected", "itemSelected"}, {"itemText", "popupBg"}, {"headerText", "headerBg"},
        {"checkText", "cardBg"}, {"checkText", "previewCanvasBg"}, {"groupTitleText", "groupBg"},
        {"tabText", "tabItem"}, {"tabText", "tabItemHot"}, {"tabTextSelected", "tabItemSelected"},
        {"progressText", "progressFill"}, {"progressText", "progressBg"}, {"switchText", "switchBg"},
        {"switchThumbText", "switchThumb"}, {"menuText", "menuBarBg"}, {"menuTextHot", "menuItemHot"},
        {"menuPopupText", "menuPopupItem"}, {"menuPopupTextHot", "menuPopupItemHot"},
        {"ribbonTabText", "ribbonBar"}, {"ribbonButtonText", "ribbonArea"},
        {"ribbonButtonText", "ribbonButtonHot"}, {"ribbonGroupText", "ribbonGroup"},
    };
    for (const char *name : kThemes) {
        for (const auto &pair : pairs) {
            QTest::addRow("%s %s on %s", name, pair.first, pair.second)
                << themeDir(name) << QString::fromLatin1(pair.first) << QString::fromLatin1(pair.second);
        }
    }
}

void tst_Themes::textContrast()
{
    QFETCH(QString, dir);
    QFETCH(QString, text);
    QFETCH(QString, fill);
    const StyleTable styles = readStyles(dir);
    QVERIFY2(styles.texts.contains(text), qPrintable(text));
    QVERIFY2(styles.fills.contains(fill), qPrintable(fill));
    const QColor ink = hexColor(styles.texts.value(text)["clr"]);
    const QColor paper = hexColor(styles.fills.value(fill)["clr"]);
    QVERIFY(ink.isValid() && paper.isValid());
    QCOMPARE(paper.alpha(), 255);   // a see-through fill would make the ratio meaningless
    const double ratio = contrast(ink, paper);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3:1").arg(ink.name(), paper.name()).arg(ratio, 0, 'f', 2)));
}

// Three themes, three looks: the main surfaces and the button differ between every two of them.
void tst_Themes::themesDiffer()
{
    const QStringList surfaces = {"windowBg", "cardBg", "btnNormal", "itemSelected"};
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            const StyleTable first = readStyles(themeDir(kThemes[a]));
            const StyleTable second = readStyles(themeDir(kThemes[b]));
            for (const QString &name : surfaces) {
                QVERIFY2(hexColor(first.fills.value(name)["clr"]) != hexColor(second.fills.value(name)["clr"]),
                         qPrintable(name));
            }
        }
    }
}

void tst_Themes::controlsPaintThemed_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("keyword");
    for (const char *name : kThemes) {
        for (const QString &keyword : registeredKeywords())
            QTest::addRow("%s %s", name, qPrintable(keyword)) << themeDir(name) << keyword;
    }
}

void tst_Themes::controlsPaintThemed()
{
    QFETCH(QString, dir);
    QFETCH(QString, keyword);
    const Json::Value entry = readEntries(dir).value(keyword);
    const Json::Value *styleList = tavixJsonMember(entry, "style");
    if (!styleList || styleList->empty())
        QSKIP("the theme leaves this type at its built-in look");
    QVERIFY(tavixLoadThemeDir(dir.toUtf8().constData()));

    std::unique_ptr<QWidget> w(tavixCreateControlByKeyword(keyword.toUtf8().constData(), nullptr));
    QVERIFY(w);
    w->resize(kWidth, kHeight);
    const QImage themed = renderNormal(w.get());
    QVERIFY(builtIn.contains(keyword));
    QVERIFY2(themed != builtIn.value(keyword), "paints as without a theme");

    // Where the whole control is one fill (slot 0), a point below the caption line shows exactly that fill.
    static const QSet<QString> plainFill = {"qtbutton", "qtdedit", "qttext", "qtcombobox", "qtlist",
                                            "qtlistview", "qtstackcontainer", "qtscrollview", "qtsplitter",
                                            "qtlcdnumber"};
    if (!plainFill.contains(keyword))
        return;
    QString fillName;
    for (const Json::Value &ref : *styleList) {
        if (ref[1].asInt() == 1 && ref[2].asInt() == 0)
            fillName = QString::fromStdString(ref[0].asString());
    }
    const QColor expected = hexColor(readStyles(dir).fills.value(fillName)["clr"]);
    QCOMPARE(themed.pixelColor(kWidth / 2, kHeight - 5), expected);
}

QTEST_MAIN(tst_Themes)
#include "tst_themes.moc"
