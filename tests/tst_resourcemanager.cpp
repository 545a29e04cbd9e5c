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

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes;
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xff), high = char(c.unicode() >> 8);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

QByteArray utf16le(const QString &text)
{
    return utf16(text, false);
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
    void languageTablesWithinBudget();
    void skinDirectoryAndRelease();
    void byteOrderMark_data();
    void byteOrderMark();
    void jsonDocumentCap_data();
    void jsonDocumentCap();
    void budgetKeepsWhatFits_data();
    void budgetKeepsWhatFits();
    void grayVariantMeetsNoFile();
    void decodedImageWithinBudget();
};

void tst_ResourceManager::cleanup()
{
    rm()->setSwitchToThemeRes(false);
    rm()->setSwitchToProjectRes(false);
    rm()->setScaleFactor(100.0f);
    rm()->setResourceBudget(0);
    tavixSetMaxJsonDocumentSize(0);
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
    QTest::newRow("mark, other header") << utf16le(QStringLiteral("\xfeffSprache\tX\r\nok\tx"));
    QTest::newRow("mark twice") << utf16le(QStringLiteral("\xfeff\xfeffLanguage\tX\r\nok\tx"));
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

void tst_ResourceManager::languageTablesWithinBudget()
{
    rm()->clearLanguages();
    QVERIFY(rm()->getLanguageList().isEmpty() && rm()->getCurrentLanguage().isEmpty()
            && rm()->getString(QStringLiteral("ok")).isEmpty());

    // Reading the same rows again, as every skin reload does, replaces them and costs nothing more.
    rm()->setResourceBudget(4096);
    const QByteArray table = utf16le(QStringLiteral("Language\tEnglish\tDeutsch\r\nok\tOK\tJa\r\nno\tNo\tNein"));
    for (int i = 0; i < 1000; ++i)
        QVERIFY(rm()->readLanguage(table));

    // Ever-new tables stop at the budget; the refused file leaves the tables as they were.
    int read = 0;
    while (read < 1000 && rm()->readLanguage(utf16le(QStringLiteral("Language\tL%1\r\nok\tx").arg(read))))
        ++read;
    QVERIFY2(read > 0 && read < 50, qPrintable(QString::number(read)));
    QCOMPARE(rm()->getLanguageList().size(), 2 + read);
    QCOMPARE(rm()->getString(QStringLiteral("no")), QStringLiteral("No"));

    // Cleared, the tables take a file again; with no language current, the first column becomes current.
    rm()->clearLanguages();
    QVERIFY(rm()->readLanguage(utf16le(QStringLiteral("Language\tL0\r\nok\tx"))));
    QCOMPARE(rm()->getCurrentLanguage(), QStringLiteral("L0"));
    rm()->clearLanguages();
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

void tst_ResourceManager::byteOrderMark_data()
{
    // The forms editors save; the language's name tells the rows apart, since tables accumulate.
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<bool>("mark");
    QTest::newRow("little-endian, mark") << "MarkLE" << false << true;
    QTest::newRow("big-endian, mark") << "MarkBE" << true << true;
    QTest::newRow("little-endian, no mark") << "PlainLE" << false << false;
}

void tst_ResourceManager::byteOrderMark()
{
    QFETCH(QString, language);
    QFETCH(bool, bigEndian);
    QFETCH(bool, mark);
    const QString text = (mark ? QStringLiteral("\xfeff") : QString()) + QStringLiteral("Language\t") + language
                         + QStringLiteral("\r\nbomKey\t") + language + QStringLiteral("\u00e9");
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc("skinFill"));
    put(dir.path(), "language.txt", utf16(text, bigEndian));
    QVERIFY(rm()->setSkinDirPath(dir.path()));
    QVERIFY(rm()->getLanguageList().contains(language));
    QVERIFY(rm()->setCurrentLanguage(language));
    QCOMPARE(rm()->getString(QStringLiteral("bomKey")), language + QStringLiteral("\u00e9"));
}

void tst_ResourceManager::jsonDocumentCap_data()
{
    QTest::addColumn<int>("limit");   // 0: the default
    QTest::addColumn<bool>("loads");
    const int size = fillDoc("capped").size();
    QTest::newRow("default") << 0 << true;
    QTest::newRow("exactly the size") << size << true;
    QTest::newRow("one byte short") << size - 1 << false;
}

void tst_ResourceManager::jsonDocumentCap()
{
    QFETCH(int, limit);
    QFETCH(bool, loads);
    tavixSetMaxJsonDocumentSize(size_t(limit));
    QCOMPARE(tavixMaxJsonDocumentSize(), limit ? size_t(limit) : size_t(16) * 1024 * 1024);
    QTemporaryDir theme, skin;
    put(theme.path(), "style.json", fillDoc("capped"));
    put(skin.path(), "style.json", fillDoc("capped"));
    QCOMPARE(rm()->loadThemeDir(theme.path()), loads);
    QCOMPARE(rm()->setProjectDirPath(theme.path()), loads);
    QCOMPARE(rm()->setSkinDirPath(skin.path()), loads);
    Json::Value root;
    QCOMPARE(tavixParseJson(fillDoc("capped"), root), loads);
}

void tst_ResourceManager::budgetKeepsWhatFits_data()
{
    // A 1000-byte file at the top sorts before style.json; the images folder holds five files of 1000 bytes.
    // The budget is counted with a small overhead per file (well below 500 bytes).
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<bool>("linked");        // images is a link to a folder elsewhere
    QTest::addColumn<int>("images");         // how many of them the set keeps
    QTest::addColumn<bool>("topFile");
    QTest::newRow("everything fits") << qint64(10000) << false << 5 << true;
    QTest::newRow("documents first, then what fits") << qint64(3500) << false << 1 << true;
    QTest::newRow("linked folder is counted too") << qint64(3500) << true << 1 << true;
    QTest::newRow("only the documents") << qint64(1300) << false << 0 << false;
}

void tst_ResourceManager::budgetKeepsWhatFits()
{
    QFETCH(qint64, budget);
    QFETCH(bool, linked);
    QFETCH(int, images);
    QFETCH(bool, topFile);
    QTemporaryDir dir, elsewhere;
    put(dir.path(), "style.json", fillDoc("budgeted"));
    put(dir.path(), "theme.json", R"({"elements": [{"child": [{"name": "budgetNode"}]}]})");
    put(dir.path(), "a.bin", QByteArray(1000, 'a'));
    const QString imageFolder = linked ? elsewhere.path() : dir.filePath(QStringLiteral("images"));
    for (int i = 1; i <= 5; ++i)
        put(imageFolder, QStringLiteral("%1.bin").arg(i), QByteArray(1000, char('0' + i)));
    if (linked)
        QVERIFY(QFile::link(elsewhere.path(), dir.filePath(QStringLiteral("images"))));

    rm()->setResourceBudget(budget);
    QCOMPARE(rm()->getResourceBudget(), budget);
    QVERIFY(rm()->loadThemeDir(dir.path()));
    QVERIFY(rm()->getThemeJsonValue("budgetNode"));
    QCOMPARE(has(QStringLiteral("a.bin")), topFile);
    int kept = 0;
    for (int i = 1; i <= 5; ++i) {
        if (has(QStringLiteral("images/%1.bin").arg(i))) {
            QCOMPARE(i, kept + 1);   // in name order, stopping once the budget is spent
            ++kept;
        }
    }
    QCOMPARE(kept, images);
    QVERIFY(rm()->getThemeManagerIml()->bytesTaken <= budget);

    // Image names given as paths still resolve on disk, outside any set's budget.
    put(elsewhere.path(), "outside.png", png(4, 3));
    QImage *outside = rm()->getImage(elsewhere.filePath(QStringLiteral("outside.png")));
    QVERIFY(outside && outside->size() == QSize(4, 3));
}

void tst_ResourceManager::grayVariantMeetsNoFile()
{
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc("grayFill"));
    QImage blue(5, 5, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    QByteArray blueBytes;
    QBuffer buffer(&blueBytes);
    QVERIFY(blue.save(&buffer, "PNG"));
    put(dir.path(), "images/a.png", png(5, 5));
    put(dir.path(), "images/a.png_gray", blueBytes);
    put(dir.path(), "images/b.png_gray", blueBytes);
    put(dir.path(), "images/b.png", png(5, 5));
    QVERIFY(rm()->loadThemeDir(dir.path()));

    // Gray first, then the file whose name is the old cache key; and the other way round.
    QImage *gray = rm()->getImage(QStringLiteral("images/a.png"), true);
    QImage *file = rm()->getImage(QStringLiteral("images/a.png_gray"));
    QVERIFY(gray && file && gray != file);
    QCOMPARE(file->pixelColor(2, 2), QColor(Qt::blue));
    file = rm()->getImage(QStringLiteral("images/b.png_gray"));
    gray = rm()->getImage(QStringLiteral("images/b.png"), true);
    QVERIFY(gray && file && gray != file && gray->pixelColor(2, 2) != QColor(Qt::blue));
}

void tst_ResourceManager::decodedImageWithinBudget()
{
    // 600 x 600 compresses to a few hundred bytes yet decodes to 1.4 MB.
    QTemporaryDir dir;
    put(dir.path(), "style.json", fillDoc("bombFill"));
    put(dir.path(), "images/wide.png", png(600, 600));
    put(dir.path(), "images/small.png", png(10, 10));
    const QString onDisk = dir.filePath(QStringLiteral("images/wide.png"));
    rm()->setResourceBudget(1024 * 1024);
    QVERIFY(rm()->loadThemeDir(dir.path()) && has(QStringLiteral("images/wide.png")));
    QVERIFY(!rm()->getImage(QStringLiteral("images/wide.png")) && !rm()->getImage(onDisk));
    QVERIFY(rm()->getImage(QStringLiteral("images/small.png")));
    rm()->setResourceBudget(0);
    QVERIFY(rm()->getImage(QStringLiteral("images/wide.png")) && rm()->getImage(onDisk));
}

QTEST_MAIN(tst_ResourceManager)
#include "tst_resourcemanager.moc"
