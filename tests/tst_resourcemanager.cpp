#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "designer/TavixQWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <QApplication>
#include <QBuffer>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

using namespace TavixQtLib;

namespace {

TavixQResourceManager *rm() { return TavixQResourceManager::getInstance(); }

void put(const QString &root, const QString &rel, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool has(const QString &name, ResSourceType *from = nullptr)
{
    const char *data = nullptr;
    unsigned size = 0;
    ResSourceType source = SourceDefault;
    const bool found = TavixQResourceManager::getInstance()->getResource(name, data, size, source);
    if (from)
        *from = source;
    return found;
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray fillDoc(const QStringList &names)
{
    QStringList objects;
    for (const QString &name : names)
        objects << QStringLiteral("{\"type\": 1, \"name\": \"%1\", \"margin\": [4, 6, 8, 10]}").arg(name);
    return QStringLiteral("{\"style\": [%1]}").arg(objects.join(QLatin1Char(','))).toUtf8();
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return bytes;
}

// Counts what the manager's walks ask of a kit control; no widget base, so nothing is refreshed.
class Probe : public QWidget, public ITavixQWidgetBase
{
public:
    using QWidget::QWidget;
    TavixQWidgetBase *getControlBase() override { ++baseRequests; return nullptr; }
    QString getTypeName() const override { return QStringLiteral("probe"); }
    TavixQWidgetBaseImpl *getControlImpl() const override { return nullptr; }
    void notifyChangeLanguage() override { ++languageChanges; }
    int baseRequests = 0;
    int languageChanges = 0;
};

} // namespace

class tst_ResourceManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    // Runs first: the singleton has no theme and no project set yet.
    void withoutThemeOrProjectSet();
    void themeDirectory();
    void reloadingSameDirectoryIsSilent();
    void failedLoadsStillReplaceTheSet_data();
    void failedLoadsStillReplaceTheSet();
    void readStylePlacesByName();
    void styleLookup_data();
    void styleLookup();
    void projectStylesRoute();
    void images();
    void languages();
    void badLanguageFileKeepsTables_data();
    void badLanguageFileKeepsTables();
    void fadeDuration_data();
    void fadeDuration();
    void builtInImagesSurviveRelease();
    void skinDirectory();
};

void tst_ResourceManager::cleanup()
{
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(false);
    rm()->setScaleFactor(100.0f);
}

void tst_ResourceManager::withoutThemeOrProjectSet()
{
    QVERIFY(!rm()->getThemeManagerIml());
    QVERIFY(!rm()->getProjectManagerImpl());
    Json::Value doc;
    QVERIFY(tavixParseJson(rm()->toProjectStyleString().toUtf8(), doc));
    QVERIFY(tavixJsonHas(doc, "style") && tavixJsonMember(doc, "style")->isNull());
    QVERIFY(!rm()->writeStyle(nullptr, doc));

    // A raised switch selects a missing set: nothing is found and nothing is stored, pseudo-names still answer.
    FillStyle fill;
    rm()->setSwitchToThemeRes(true);
    QVERIFY(!rm()->getFillStyle(QStringLiteral("anything"), fill));
    QVERIFY(rm()->getFillStyle(QStringLiteral("empty"), fill));
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(true);
    const int before = rm()->getFillStyles().size();
    rm()->setFillStyle(QStringLiteral("orphan"), fill);
    QCOMPARE(rm()->getFillStyles().size(), before);
    QVERIFY(!rm()->getFillStyle(QStringLiteral("orphan"), fill));
}

void tst_ResourceManager::themeDirectory()
{
    QTemporaryDir dir;
    put(dir.path(), "STYLE.JSON", fillDoc({"themeFill"}));
    put(dir.path(), "images/Logo.PNG", png(3, 2));
    put(dir.path(), "IMAGES/other.png", png(3, 2));   // only "images" is read
    put(dir.path(), "tmpTheme.zip", "PK");
    put(dir.path(), "theme.json", R"({"elements": [{"child": [
        {"name": "qtbutton", "attr": {"n": 1}}, {"name": "qtbutton", "attr": {"n": 2}}, {"noname": 1}]}]})");
    QVERIFY(rm()->loadThemeDir(dir.path()));
    QCOMPARE(rm()->getThemePath(), dir.path());

    ResSourceType from = SourceDefault;
    QVERIFY(has(QStringLiteral("IMAGES\\logo.png"), &from));
    QCOMPARE(from, SourceTheme);
    QVERIFY(!has(QStringLiteral("images/other.png")));
    QVERIFY(!has(QStringLiteral("tmptheme.zip")));

    const Json::Value *node = rm()->getThemeJsonValue("qtbutton");
    QVERIFY(node);
    int n = 0;
    QVERIFY(tavixReadInt(*tavixJsonMember(*node, "attr"), "n", n));
    QCOMPARE(n, 1);   // the first node of a name wins
    QVERIFY(!rm()->getThemeJsonValue(nullptr));
    QVERIFY(!rm()->getThemeJsonValue("missing"));
}

void tst_ResourceManager::reloadingSameDirectoryIsSilent()
{
    QTemporaryDir first;
    QTemporaryDir second;
    put(first.path(), "style.json", fillDoc({"a"}));
    put(second.path(), "style.json", fillDoc({"b"}));

    TavixQWindow window;
    auto *child = new Probe(&window);
    auto *grandChild = new Probe(child);
    TavixQWindowDesigner designer;
    auto *designed = new Probe(&designer);

    QVERIFY(rm()->loadThemeDir(first.path()));
    QCOMPARE(child->baseRequests, 1);
    QCOMPARE(grandChild->baseRequests, 1);
    QCOMPARE(designed->baseRequests, 1);

    TavixQResourceManagerImpl *set = rm()->getThemeManagerIml();
    QVERIFY(rm()->loadThemeDir(first.path()));
    QCOMPARE(rm()->getThemeManagerIml(), set);
    QCOMPARE(child->baseRequests, 1);

    QVERIFY(rm()->loadThemeDir(second.path()));
    QCOMPARE(child->baseRequests, 2);
}

void tst_ResourceManager::failedLoadsStillReplaceTheSet_data()
{
    QTest::addColumn<QByteArray>("style");   // "-" writes no style.json at all
    QTest::newRow("no style.json") << QByteArray("-");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("does not parse") << QByteArray("{\"style\": [");
    QTest::newRow("no style member") << QByteArray("{\"other\": []}");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
}

void tst_ResourceManager::failedLoadsStillReplaceTheSet()
{
    QFETCH(QByteArray, style);
    QTemporaryDir dir;
    if (style != "-")
        put(dir.path(), "style.json", style);
    put(dir.path(), "data.bin", "x");

    QTemporaryDir good;
    put(good.path(), "style.json", fillDoc({"a"}));
    QVERIFY(rm()->loadThemeDir(good.path()));

    QVERIFY(!rm()->loadThemeDir(dir.path()));
    QVERIFY(!rm()->getThemeManagerIml()->findFillStyle(QStringLiteral("a")));
    QCOMPARE(rm()->getThemePath(), dir.path());
    QVERIFY(has(QStringLiteral("data.bin")));   // the partial set is in place
    QVERIFY(!rm()->loadThemeDir(dir.path()));   // a failed directory is read again, not reported as loaded

    QVERIFY(!rm()->setProjectDirPath(dir.path()));
    QVERIFY(rm()->getProjectManagerImpl());
    QVERIFY(!rm()->setSkinDirPath(dir.path()));
}

void tst_ResourceManager::readStylePlacesByName()
{
    Json::Value doc;
    QVERIFY(tavixParseJson(QByteArray(R"({"style": [
        {"type": 1, "name": "a", "round": 1}, {"type": 1, "name": "b"}, {"type": 2, "name": "a"},
        {"name": "untyped"}, {"type": 3, "name": "other"}, 5, {"type": 1, "name": "a", "round": 2}]})"),
                            doc));
    TavixQResourceManagerImpl set;
    QVERIFY(rm()->readStyle(&set, *tavixJsonMember(doc, "style")));
    QCOMPARE(set.fillStyles.size(), 2);
    QCOMPARE(set.fillStyles.at(0).name, QStringLiteral("a"));
    QCOMPARE(set.fillStyles.at(0).round, 2);
    QCOMPARE(set.fillStyles.at(1).name, QStringLiteral("b"));
    QCOMPARE(set.textStyles.size(), 1);
    QVERIFY(!rm()->readStyle(nullptr, doc));
}

void tst_ResourceManager::styleLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themeSwitch");
    QTest::addColumn<bool>("projectSwitch");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "empty" << false << false << true << false;
    QTest::newRow("emptyRect") << "emptyRect" << true << false << true << false;
    QTest::newRow("default") << "defaultFill" << false << false << true << true;
    QTest::newRow("theme name, no switch") << "themeFill" << false << false << false << false;
    QTest::newRow("theme name, theme switch") << "themeFill" << true << false << true << true;
    QTest::newRow("no fallback to default") << "defaultFill" << true << false << false << false;
    QTest::newRow("project switch") << "projectFill" << false << true << true << true;
    QTest::newRow("theme switch wins") << "projectFill" << true << true << false << false;
}

void tst_ResourceManager::styleLookup()
{
    QFETCH(QString, name);
    QFETCH(bool, themeSwitch);
    QFETCH(bool, projectSwitch);
    QFETCH(bool, found);
    QFETCH(bool, valid);
    QTemporaryDir theme;
    QTemporaryDir project;
    put(theme.path(), "style.json", fillDoc({"themeFill"}));
    put(project.path(), "style.json", fillDoc({"projectFill"}));
    QVERIFY(rm()->loadThemeDir(theme.path()));
    QVERIFY(rm()->setProjectDirPath(project.path()));
    FillStyle stored;
    stored.name = QStringLiteral("defaultFill");
    stored.valid = false;   // a lookup must report the record as valid
    rm()->setFillStyle(QStringLiteral("defaultFill"), stored);

    rm()->setSwitchToThemeRes(themeSwitch);
    rm()->setSwitchToProjectRes(projectSwitch);
    FillStyle out;
    out.name = QStringLiteral("previous");
    QCOMPARE(rm()->getFillStyle(name, out), found);
    QCOMPARE(out.name, found ? name : QStringLiteral("previous"));
    if (found)
        QCOMPARE(out.valid, valid);
}

void tst_ResourceManager::projectStylesRoute()
{
    QTemporaryDir project;
    put(project.path(), "style.json", fillDoc({"p1"}));
    QVERIFY(rm()->setProjectDirPath(project.path()));
    TextStyleDesc text;
    text.name = QStringLiteral("t1");
    FillStyle fill;
    fill.name = QStringLiteral("p2");
    rm()->setSwitchToProjectRes(true);
    rm()->setTextStyle(text.name, text);
    rm()->setFillStyle(fill.name, fill);
    rm()->setSwitchToProjectRes(false);
    QVERIFY(!rm()->getTextStyle(QStringLiteral("t1"), text));   // went to the project set, not the default one
    QCOMPARE(rm()->getFillStyles().size(), 2);   // the project's list while a project exists

    // Fill styles first, then text styles.
    Json::Value doc;
    QVERIFY(tavixParseJson(rm()->toProjectStyleString().toUtf8(), doc));
    const Json::Value *styles = tavixJsonMember(doc, "style");
    QVERIFY(styles && styles->isArray() && styles->size() == 3);
    QStringList names;
    for (const Json::Value &object : *styles) {
        QString name;
        int type = 0;
        QVERIFY(tavixReadString(object, "name", name) && tavixReadInt(object, "type", type));
        names << name + QString::number(type);
    }
    QCOMPARE(names, QStringList({"p11", "p21", "t12"}));
}

void tst_ResourceManager::images()
{
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc({"nine"}));
    put(dir.path(), "images/pic.png", png(30, 21));
    put(dir.path(), "images/dot.png", png(1, 1));
    put(dir.path(), "images/bad.png", "not an image");
    put(dir.path(), "loose/disk.png", png(5, 4));
    put(dir.path(), "images/ok.svg",
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect width="10" height="10"/></svg>)");
    put(dir.path(), "images/bad.svg", "<svg");
    rm()->setScaleFactor(0.5f);
    QVERIFY(rm()->loadThemeDir(dir.path()));
    TavixQResourceManagerImpl *theme = rm()->getThemeManagerIml();

    FillStyle nine;
    rm()->setSwitchToThemeRes(true);
    QVERIFY(rm()->getFillStyle(QStringLiteral("nine"), nine));
    QCOMPARE(QList<int>({nine.marginTop, nine.marginRight, nine.marginBottom, nine.marginLeft}),
             QList<int>({2, 3, 4, 5}));

    QImage *pic = rm()->getImage(QStringLiteral("images/pic.png"));
    QVERIFY(pic && pic->size() == QSize(15, 10));
    QCOMPARE(theme->images.value(QStringLiteral("images/pic.png")), pic);
    QImage *gray = rm()->getImage(QStringLiteral("images/pic.png"), true);
    QVERIFY(gray && gray != pic);
    QCOMPARE(rm()->getImage(QStringLiteral("images/pic.png"), true), gray);
    QCOMPARE(theme->images.value(QStringLiteral("images/pic.png_gray")), gray);
    QVERIFY(gray->pixelColor(5, 5) != pic->pixelColor(5, 5));   // the disabled rendering is not the original

    // Scaled to width 0: handed out uncached, but the same object each time (owned by the set).
    QImage *dot = rm()->getImage(QStringLiteral("images/dot.png"));
    QVERIFY(dot && dot->width() == 0);
    QCOMPARE(rm()->getImage(QStringLiteral("images/dot.png")), dot);
    QVERIFY(!theme->images.contains(QStringLiteral("images/dot.png")));

    QVERIFY(!rm()->getImage(QStringLiteral("images/bad.png")));
    QVERIFY(!rm()->getImage(QStringLiteral("images/missing.png")));
    QVERIFY(!rm()->getImage(QString()));

    const QString diskPath = dir.path() + QStringLiteral("/loose/disk.png");
    QImage *disk = rm()->getImage(diskPath);
    QVERIFY(disk && rm()->getDefaultManagerImpl()->images.value(diskPath) == disk);

    QSvgRenderer *ok = rm()->getSvgRenderer(QStringLiteral("images/ok.svg"));
    QVERIFY(ok && ok->isValid() && theme->svgRenderers.value(QStringLiteral("images/ok.svg")) == ok);
    QCOMPARE(rm()->getSvgRenderer(QStringLiteral("images/ok.svg")), ok);
    QVERIFY(!rm()->getSvgRenderer(QStringLiteral("images/bad.svg")));
    QVERIFY(!rm()->getSvgRenderer(QStringLiteral("images/none.svg")));
}

void tst_ResourceManager::languages()
{
    QByteArray file = utf16le(QStringLiteral("Language\tEnglish\tDeutsch\r\n\r\nok\tOK\tJa\r\nonly\tEN\r\n"
                                             "lonely\r\n"));
    file.append('\x41');   // odd trailing byte
    QVERIFY(rm()->readLanguage(file));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("English"));
    QCOMPARE(rm()->getString(QStringLiteral("ok")), QStringLiteral("OK"));
    QCOMPARE(rm()->getString(QStringLiteral("only")), QStringLiteral("EN"));
    QCOMPARE(rm()->getLanguageList(), QStringList({"Deutsch", "English"}));

    TavixQWindow window;
    auto *child = new Probe(&window);
    auto *grandChild = new Probe(child);
    TavixQWindowDesigner designer;
    auto *designed = new Probe(&designer);
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("Deutsch")));
    QCOMPARE(rm()->getString(QStringLiteral("ok")), QStringLiteral("Ja"));
    QCOMPARE(rm()->getString(QStringLiteral("only")), QString());
    QCOMPARE(child->languageChanges, 1);
    QCOMPARE(grandChild->languageChanges, 1);
    QCOMPARE(designed->languageChanges, 0);   // designer windows are not told
    QVERIFY(!rm()->setCurrentLanguage(QStringLiteral("Klingon")));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("Deutsch"));

    // A later file adds to the tables and leaves the current language alone.
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\tFrancais\r\nok\tOui"))));
    QCOMPARE(rm()->getLanguageList().size(), 3);
    QCOMPARE(rm()->getString(QStringLiteral("ok")), QStringLiteral("Ja"));
}

void tst_ResourceManager::badLanguageFileKeepsTables_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("byte-order mark") << utf16le(QStringLiteral("\xfeffLanguage\tX\r\nok\tx"));
    QTest::newRow("one line") << utf16le(QStringLiteral("Language\tX\r\n\r\n"));
    QTest::newRow("header without languages") << utf16le(QStringLiteral("Language\t\r\nok\tx"));
    QTest::newRow("other header") << utf16le(QStringLiteral("Sprache\tX\r\nok\tx"));
    QTest::newRow("one byte") << QByteArray("L");
}

void tst_ResourceManager::badLanguageFileKeepsTables()
{
    QFETCH(QByteArray, bytes);
    const QStringList before = rm()->getLanguageList();
    const QString current = rm()->getCurrentLanguage();
    QVERIFY(!rm()->readLanguage(bytes));
    QCOMPARE(rm()->getLanguageList(), before);
    QCOMPARE(rm()->getCurrentLanguage(), current);
}

void tst_ResourceManager::fadeDuration_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("zero") << 0 << 150;
    QTest::newRow("negative") << -5 << 150;
    QTest::newRow("INT_MIN") << INT_MIN << 150;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("long") << 900 << 900;
}

void tst_ResourceManager::fadeDuration()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    TavixQWindowDesigner designer;
    auto *designed = new Probe(&designer);
    TavixGlobalConfig config;
    config.fontFamily = QStringLiteral("Probe Sans");
    config.buttonFadeEnabled = true;
    config.buttonFadeDuration = given;
    rm()->setGlobalConfig(config);
    QCOMPARE(rm()->getGlobalConfig().buttonFadeDuration, stored);
    QCOMPARE(rm()->getButtonFadeDuration(), stored);
    QVERIFY(rm()->getButtonFadeEnabled());
    QCOMPARE(QApplication::font().family(), QStringLiteral("Probe Sans"));
    QCOMPARE(designed->baseRequests, 1);
}

void tst_ResourceManager::builtInImagesSurviveRelease()
{
    rm()->initDefaultImageRes();
    const QImage *checked = rm()->getImage(QStringLiteral("IDB_CHECKED"));
    const QImage *unselect = rm()->getImage(QStringLiteral("IDB_UNSELECT"));
    const QImage *selected = rm()->getImage(QStringLiteral("IDB_SELECTED"));
    QVERIFY(checked && unselect && selected && rm()->getImage(QStringLiteral("IDB_UNCHECK")));
    QCOMPARE(checked->size(), QSize(16, 16));
    const QColor grey(0xCC, 0xCC, 0xCC);
    QCOMPARE(checked->pixelColor(0, 0).alpha(), 0);
    QCOMPARE(checked->pixelColor(1, 8), grey);      // left edge of the frame
    QCOMPARE(selected->pixelColor(8, 8), grey);     // the filled dot
    QCOMPARE(unselect->pixelColor(8, 8).alpha(), 0);

    QTemporaryDir dir;
    put(dir.path(), "x.png", png(2, 2));
    QVERIFY(rm()->getImage(dir.path() + QStringLiteral("/x.png")));
    FillStyle fill;
    rm()->setFillStyle(QStringLiteral("gone"), fill);
    rm()->releaseRes();
    const QStringList keys = rm()->getDefaultManagerImpl()->images.keys();
    QCOMPARE(keys, QStringList({"IDB_CHECKED", "IDB_SELECTED", "IDB_UNCHECK", "IDB_UNSELECT"}));
    QVERIFY(!rm()->getFillStyle(QStringLiteral("gone"), fill));
}

void tst_ResourceManager::skinDirectory()
{
    QVERIFY(!rm()->setSkinDirPath(QString()));
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc({"skinFill"}));
    put(dir.path(), "language.txt", utf16le(QStringLiteral("Language\tSkinish\r\nhello\tHi")));
    QVERIFY(rm()->setSkinDirPath(dir.path()));
    QCOMPARE(rm()->getSkinDirPath(), dir.path() + QDir::separator());
    FillStyle fill;
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinFill"), fill));
    QVERIFY(rm()->getLanguageList().contains(QStringLiteral("Skinish")));

    // Relative image names also resolve against the skin directory on disk.
    put(dir.path(), "images/onDisk.png", png(2, 2));
    QVERIFY(rm()->getImage(QStringLiteral("onDisk.png")));
}

QTEST_MAIN(tst_ResourceManager)
#include "tst_resourcemanager.moc"
