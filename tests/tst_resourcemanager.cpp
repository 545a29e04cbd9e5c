#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "designer/TavixQWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <QApplication>
#include <QBuffer>
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
    return TavixQResourceManager::getInstance()->getResource(name, data, size, from ? *from : source);
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");   // opens the buffer
    return bytes;
}

// A style document with one fill style of that name.
QByteArray fillDoc(const char *name)
{
    return QByteArray(R"({"style": [{"type": 1, "name": ")") + name + R"(", "margin": [4, 6, 8, 10]}]})";
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
    int baseRequests = 0, languageChanges = 0;
};

// What the walks should reach: a nested control of a window, and one of a designer window.
struct Probes
{
    TavixQWindow window;
    Probe *child = new Probe(&window);
    Probe *grandChild = new Probe(child);
    TavixQWindowDesigner designer;
    Probe *designed = new Probe(&designer);
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
    void skinDirectoryAndRelease();
};

void tst_ResourceManager::cleanup()
{
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(false);
    rm()->setScaleFactor(100.0f);
}

void tst_ResourceManager::withoutThemeOrProjectSet()
{
    QVERIFY(!rm()->getThemeManagerIml() && !rm()->getProjectManagerImpl());
    Json::Value doc;
    QVERIFY(tavixParseJson(rm()->toProjectStyleString().toUtf8(), doc));
    QVERIFY(tavixJsonHas(doc, "style") && doc["style"].isNull());
    QVERIFY(!rm()->writeStyle(nullptr, doc));

    // A raised switch selects a missing set: nothing is found and nothing is stored, pseudo-names still answer.
    FillStyle fill;
    rm()->setSwitchToThemeRes(true);
    QVERIFY(!rm()->getFillStyle(QStringLiteral("anything"), fill) && rm()->getFillStyle(QStringLiteral("empty"), fill));
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(true);
    const int before = rm()->getFillStyles().size();
    rm()->setFillStyle(QStringLiteral("orphan"), fill);
    QCOMPARE(rm()->getFillStyles().size(), before);
    QVERIFY(!rm()->getFillStyle(QStringLiteral("orphan"), fill));
}

void tst_ResourceManager::themeDirectory()
{
    QTemporaryDir dir, other;
    put(dir.path(), "STYLE.JSON", fillDoc("themeFill"));
    put(dir.path(), "images/Logo.PNG", png(3, 2));
    put(dir.path(), "IMAGES/other.png", png(3, 2));   // only "images" is read
    put(dir.path(), "images/.dot.png", png(3, 2));     // dot files are entries like any other
    put(dir.path(), "tmpTheme.zip", "PK");
    put(dir.path(), "theme.json", R"({"elements": [{"child": [
        {"name": "qtbutton", "attr": {"n": 1}}, {"name": "qtbutton", "attr": {"n": 2}}, {"noname": 1}]}]})");
    put(other.path(), "style.json", fillDoc("b"));
    Probes probes;
    QVERIFY(rm()->loadThemeDir(dir.path()));
    QCOMPARE(rm()->getThemePath(), dir.path());
    QCOMPARE(QList<int>({probes.child->baseRequests, probes.grandChild->baseRequests, probes.designed->baseRequests}),
             QList<int>({1, 1, 1}));

    ResSourceType from = SourceDefault;
    QVERIFY(has(QStringLiteral("IMAGES\\logo.png"), &from) && from == SourceTheme);
    QVERIFY(has(QStringLiteral("images/.dot.png")));
    QVERIFY(!has(QStringLiteral("images/other.png")) && !has(QStringLiteral("tmptheme.zip")));
    const Json::Value *node = rm()->getThemeJsonValue("qtbutton");
    QVERIFY(node && (*node)["attr"]["n"].asInt() == 1);   // the first node of a name wins

    // The loaded directory again: nothing is reloaded and no one is told.
    TavixQResourceManagerImpl *set = rm()->getThemeManagerIml();
    QVERIFY(rm()->loadThemeDir(dir.path()));
    QVERIFY(rm()->getThemeManagerIml() == set && probes.child->baseRequests == 1);
    QVERIFY(rm()->loadThemeDir(other.path()) && probes.child->baseRequests == 2);
}

void tst_ResourceManager::failedLoadsStillReplaceTheSet_data()
{
    QTest::addColumn<QByteArray>("style");   // "-" writes no style.json at all
    QTest::newRow("no style.json") << QByteArray("-");
    QTest::newRow("does not parse") << QByteArray("{\"style\": [");
    QTest::newRow("not an object") << QByteArray("[1, 2]");
}

void tst_ResourceManager::failedLoadsStillReplaceTheSet()
{
    QFETCH(QByteArray, style);
    QTemporaryDir dir, good;
    if (style != "-")
        put(dir.path(), "style.json", style);
    put(dir.path(), "data.bin", "x");
    put(good.path(), "style.json", fillDoc("a"));
    QVERIFY(rm()->loadThemeDir(good.path()));

    QVERIFY(!rm()->loadThemeDir(dir.path()));
    QVERIFY(!rm()->getThemeManagerIml()->findFillStyle(QStringLiteral("a")));
    QCOMPARE(rm()->getThemePath(), dir.path());
    QVERIFY(has(QStringLiteral("data.bin")));   // the partial set is in place
    QVERIFY(!rm()->loadThemeDir(dir.path()));   // a failed directory is read again, not reported as loaded
    QVERIFY(!rm()->setProjectDirPath(dir.path()) && rm()->getProjectManagerImpl());
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
    QVERIFY(set.fillStyles.size() == 2 && set.textStyles.size() == 1);
    // A duplicate replaces the first in place.
    QCOMPARE(set.fillStyles.at(0).name + QString::number(set.fillStyles.at(0).round), QStringLiteral("a2"));
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
    QTemporaryDir theme, project;
    put(theme.path(), "style.json", fillDoc("themeFill"));
    put(project.path(), "style.json", fillDoc("projectFill"));
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
    put(project.path(), "style.json", fillDoc("p1"));
    QVERIFY(rm()->setProjectDirPath(project.path()));
    TextStyleDesc text;
    FillStyle fill;
    text.name = QStringLiteral("t1");
    fill.name = QStringLiteral("p2");
    rm()->setSwitchToProjectRes(true);
    rm()->setTextStyle(text.name, text);
    rm()->setFillStyle(fill.name, fill);
    rm()->setSwitchToProjectRes(false);
    QVERIFY(!rm()->getTextStyle(QStringLiteral("t1"), text));   // went to the project set, not the default one

    // Fill styles first, then text styles.
    Json::Value doc;
    QVERIFY(tavixParseJson(rm()->toProjectStyleString().toUtf8(), doc));
    QStringList names;
    for (const Json::Value &object : doc["style"])
        names << QString::fromStdString(object["name"].asString()) + QString::number(object["type"].asInt());
    QCOMPARE(names, QStringList({"p11", "p21", "t12"}));
}

void tst_ResourceManager::images()
{
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc("nine"));
    put(dir.path(), "images/pic.png", png(30, 21));
    put(dir.path(), "images/bad.png", "not an image");
    rm()->setScaleFactor(0.5f);
    QVERIFY(rm()->loadThemeDir(dir.path()));

    FillStyle nine;
    rm()->setSwitchToThemeRes(true);
    QVERIFY(rm()->getFillStyle(QStringLiteral("nine"), nine));
    QCOMPARE(QList<int>({nine.marginTop, nine.marginRight, nine.marginBottom, nine.marginLeft}),
             QList<int>({2, 3, 4, 5}));
    // Scaled once and cached; the gray rendering is cached apart from it.
    QImage *pic = rm()->getImage(QStringLiteral("images/pic.png"));
    QVERIFY(pic && pic->size() == QSize(15, 10) && rm()->getImage(QStringLiteral("images/pic.png")) == pic);
    QImage *gray = rm()->getImage(QStringLiteral("images/pic.png"), true);
    QVERIFY(gray && gray != pic && gray->pixelColor(5, 5) != pic->pixelColor(5, 5));
    QCOMPARE(rm()->getImage(QStringLiteral("images/pic.png"), true), gray);
    for (const QString &bad : {QStringLiteral("images/bad.png"), QStringLiteral("images/missing.png"), QString()})
        QVERIFY(!rm()->getImage(bad));
}

void tst_ResourceManager::languages()
{
    // A blank line, a short row and a row without translations; an odd trailing byte.
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\tEnglish\tDeutsch\r\n\r\nok\tOK\tJa\r\nonly\tEN\r\n"
                                                      "lonely\r\n")) + 'A'));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("English"));
    QCOMPARE(QStringList({rm()->getString(QStringLiteral("ok")), rm()->getString(QStringLiteral("only"))}),
             QStringList({"OK", "EN"}));
    QCOMPARE(rm()->getLanguageList(), QStringList({"Deutsch", "English"}));

    Probes probes;
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("Deutsch")));
    QCOMPARE(QStringList({rm()->getString(QStringLiteral("ok")), rm()->getString(QStringLiteral("only"))}),
             QStringList({"Ja", ""}));
    QCOMPARE(QList<int>({probes.child->languageChanges, probes.grandChild->languageChanges,
                         probes.designed->languageChanges}), QList<int>({1, 1, 0}));   // designer windows are not told
    QVERIFY(!rm()->setCurrentLanguage(QStringLiteral("Klingon")));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("Deutsch"));

    // A later file adds to the tables and leaves the current language alone.
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\tFrancais\r\nok\tOui"))));
    QVERIFY(rm()->getLanguageList().size() == 3 && rm()->getString(QStringLiteral("ok")) == QLatin1String("Ja"));
}

void tst_ResourceManager::badLanguageFileKeepsTables_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("byte-order mark") << utf16le(QStringLiteral("\xfeffLanguage\tX\r\nok\tx"));
    QTest::newRow("other header") << utf16le(QStringLiteral("Sprache\tX\r\nok\tx"));
    QTest::newRow("one byte") << QByteArray("L");
}

void tst_ResourceManager::badLanguageFileKeepsTables()
{
    QFETCH(QByteArray, bytes);
    const QStringList before = rm()->getLanguageList();
    const QString current = rm()->getCurrentLanguage();
    QVERIFY(!rm()->readLanguage(bytes));
    QVERIFY(rm()->getLanguageList() == before && rm()->getCurrentLanguage() == current);
}

void tst_ResourceManager::skinDirectoryAndRelease()
{
    QVERIFY(!rm()->setSkinDirPath(QString()));
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc("skinFill"));
    QVERIFY(rm()->setSkinDirPath(dir.path()));
    QCOMPARE(rm()->getSkinDirPath(), dir.path() + QDir::separator());
    FillStyle fill;
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinFill"), fill));
    put(dir.path(), "images/onDisk.png", png(2, 2));   // relative image names also resolve against the skin
    QVERIFY(rm()->getImage(QStringLiteral("onDisk.png")));

    // Releasing empties the default set and its image cache but keeps the built-in images.
    rm()->initDefaultImageRes();
    rm()->releaseRes();
    QCOMPARE(rm()->getDefaultManagerImpl()->images.keys(),
             QStringList({"IDB_CHECKED", "IDB_SELECTED", "IDB_UNCHECK", "IDB_UNSELECT"}));
    QImage *gray = rm()->getImage(QStringLiteral("IDB_CHECKED"), true);   // built-ins have a gray variant too
    QVERIFY(rm()->getImage(QStringLiteral("IDB_CHECKED")) && gray && gray->size() == QSize(16, 16)
            && rm()->getImage(QStringLiteral("IDB_CHECKED"), true) == gray);
    QVERIFY(!rm()->getFillStyle(QStringLiteral("skinFill"), fill));
}

QTEST_MAIN(tst_ResourceManager)
#include "tst_resourcemanager.moc"
