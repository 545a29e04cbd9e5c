#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQLabel.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixPageDocument.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQSubWin.h"
#include "designer/TavixQWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "resources/TavixQResourceManager.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>
#include <json/writer.h>

#include <memory>

using namespace TavixQtLib;

namespace {

// A kit control that logs its reading and completion by the node's "name".
QStringList events;
bool flagWhileCreating = false;

class ProbeControl : public QWidget, public ITavixQWidgetBase
{
public:
    TavixQWidgetBase *getControlBase() override { return nullptr; }
    QString getTypeName() const override { return QStringLiteral("tstProbe"); }
    TavixQWidgetBaseImpl *getControlImpl() const override { return nullptr; }
    static QWidget *create() { return new ProbeControl; }
    bool readJsonValue(void *node) override
    {
        QString name;
        tavixReadString(*static_cast<const Json::Value *>(node), "name", name);
        setObjectName(name);
        flagWhileCreating = TavixQResourceManager::getInstance()->isCreatedByFile();
        events << QStringLiteral("read ") + name;
        return true;
    }
    void createComplete() override { events << QStringLiteral("complete ") + objectName(); }
};

QWidget *boundCreate(const QString &name, const QString &type)
{
    events << QStringLiteral("bound ") + name + QLatin1Char('/') + type;
    if (name == QLatin1String("plain"))
        return new QWidget;
    return name == QLatin1String("mine") ? ProbeControl::create() : nullptr;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString marker(const Json::Value &root)
{
    QString text;
    tavixReadString(root, "marker", text);
    return text;
}

QList<QWidget *> kitChildren(const QWidget *parent)
{
    QList<QWidget *> result;
    for (QObject *child : parent->children()) {
        if (dynamic_cast<ITavixQWidgetBase *>(child))
            result << static_cast<QWidget *>(child);
    }
    return result;
}

int depthOf(const QWidget *w)
{
    int depth = 0;
    for (QList<QWidget *> kids = kitChildren(w); !kids.isEmpty(); kids = kitChildren(kids.first()))
        ++depth;
    return depth;
}

} // namespace

class tst_PageDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void locating_data();
    void locating();
    void textEndsAtNul();
    void windowKeys_data();
    void windowKeys();
    void transFalseKeepsFrame();
    void childrenCompleteBeforeParent();
    void result_data();
    void result();
    void boundCreator();
    void topLevelGeometry();
    void nestedGeometry();
    void visibility_data();
    void visibility();
    void badInput_data();
    void badInput();
    void extremeGeometry_data();
    void extremeGeometry();
    void deepNesting_data();
    void deepNesting();
    void manyElements();
    void labelElidesWhenShown();
    void fileBeyondAByteArray();
    void keptDocuments_data();
    void keptDocuments();

private:
    QString page(const QByteArray &text);
    QTemporaryDir m_dir;
    QString m_oldCurrent;
};

void tst_PageDocument::initTestCase()
{
    TavixQtLib::init();
    tavixRegisterDefaultControl("tstProbe", &ProbeControl::create);
    QVERIFY(m_dir.isValid());
    m_oldCurrent = QDir::currentPath();
}

void tst_PageDocument::init()
{
    events.clear();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_PageDocument::cleanup()
{
    tavixBindControlCreateFunction(nullptr);
    QVERIFY(!TavixQResourceManager::getInstance()->isCreatedByFile());
    QDir::setCurrent(m_oldCurrent);
}

QString tst_PageDocument::page(const QByteArray &text)
{
    static int counter = 0;
    const QString path = m_dir.filePath(QStringLiteral("page%1.json").arg(++counter));
    return writeFile(path, text) ? path : QString();
}

void tst_PageDocument::locating_data()
{
    // Files by folder: "cwd" is the working folder, "skin" the default set's folder, "theme" a loaded
    // theme folder (a resource set). Each file holds {"marker": "<folder>"}.
    QTest::addColumn<QStringList>("files");     // "<folder>:<file name>"
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");         // folder whose file is read; empty: not found
    QTest::newRow("appended") << QStringList{"cwd:main.json"} << "main" << "cwd";
    QTest::newRow("already has it") << QStringList{"cwd:main.json"} << "main.json" << "cwd";
    QTest::newRow("inside the name") << QStringList{"cwd:a.json.txt"} << "a.json.txt" << "cwd";
    QTest::newRow("case-sensitive") << QStringList{"cwd:page.JSON.json", "cwd:page.JSON"} << "page.JSON" << "cwd";
    QTest::newRow("case-sensitive, missing") << QStringList{"cwd:page.JSON"} << "page.JSON" << "";
    QTest::newRow("skin before cwd") << QStringList{"cwd:p.json", "skin:p.json"} << "p" << "skin";
    QTest::newRow("resources before skin") << QStringList{"cwd:p.json", "skin:p.json", "theme:p.json"} << "p"
                                           << "theme";
    QTest::newRow("resource names ignore case") << QStringList{"theme:Mixed.json"} << "mixed" << "theme";
    QTest::newRow("not anywhere") << QStringList{"skin:other.json"} << "p" << "";
    QTest::newRow("a folder") << QStringList{"cwd:dir.json/x"} << "dir" << "";
}

void tst_PageDocument::locating()
{
    QFETCH(QStringList, files);
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QTemporaryDir cwd, skin, theme;
    QVERIFY(QDir::setCurrent(cwd.path()));
    const QMap<QString, QString> folders{{"cwd", cwd.path()}, {"skin", skin.path()}, {"theme", theme.path()}};
    for (const QString &file : files) {
        const QString folder = file.section(QLatin1Char(':'), 0, 0);
        const QString path = folders[folder] + QLatin1Char('/') + file.section(QLatin1Char(':'), 1);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(writeFile(path, R"({"marker": ")" + folder.toUtf8() + R"("})"));
    }
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    manager->setSkinDirPath(skin.path());
    QVERIFY(writeFile(theme.filePath(QStringLiteral("style.json")), R"({"style": []})"));
    manager->loadThemeDir(theme.path());

    Json::Value root(Json::objectValue);
    root["kept"] = 1;
    QCOMPARE(tavixReadPageDocument(asked, root), !found.isEmpty());
    if (found.isEmpty())
        QCOMPARE(tavixJsonCompact(root), std::string(R"({"kept":1})"));   // untouched
    else
        QCOMPARE(marker(root), found);

    manager->setSkinDirPath(m_dir.path());
    QTemporaryDir empty;
    QVERIFY(writeFile(empty.filePath(QStringLiteral("style.json")), R"({"style": []})"));
    manager->loadThemeDir(empty.path());
}

// The text is read up to its first NUL byte; an empty or unparsable file is not a document.
void tst_PageDocument::textEndsAtNul()
{
    Json::Value root;
    QVERIFY(tavixReadPageDocument(page(QByteArray(R"({"marker": "x"})") + '\0' + "garbage"), root));
    QCOMPARE(marker(root), QStringLiteral("x"));
    QVERIFY(!tavixReadPageDocument(page(QByteArray()), root));
    QVERIFY(!tavixReadPageDocument(page("{\"marker\": "), root));
    QVERIFY(!tavixReadPageDocument(page(QByteArray("\0{}", 3)), root));
    QCOMPARE(marker(root), QStringLiteral("x"));
}

void tst_PageDocument::windowKeys_data()
{
    QTest::addColumn<QString>("parentKind");
    QTest::addColumn<bool>("applied");
    QTest::newRow("window") << "TavixQWindow" << true;
    QTest::newRow("canvas window") << "TavixQCanvasWindow" << true;
    QTest::newRow("sub-window") << "TavixQSubWin" << true;
    QTest::newRow("plain widget") << "QWidget" << false;
    QTest::newRow("window designer") << "TavixQWindowDesigner" << false;
    QTest::newRow("container") << "TavixQContainer" << false;
}

// Window keys reach the three page windows only; the elements are built under every parent.
void tst_PageDocument::windowKeys()
{
    QFETCH(QString, parentKind);
    QFETCH(bool, applied);
    std::unique_ptr<QWidget> parent;
    if (parentKind == QLatin1String("TavixQWindow"))
        parent.reset(new TavixQWindow);
    else if (parentKind == QLatin1String("TavixQCanvasWindow"))
        parent.reset(new TavixQCanvasWindow);
    else if (parentKind == QLatin1String("TavixQSubWin"))
        parent.reset(new TavixQSubWin);
    else if (parentKind == QLatin1String("TavixQWindowDesigner"))
        parent.reset(new TavixQWindowDesigner);
    else if (parentKind == QLatin1String("TavixQContainer"))
        parent.reset(new TavixQContainer);
    else
        parent.reset(new QWidget);
    parent->setGeometry(30, 40, 50, 60);

    QWidget *made = tavixCreatePageByFileName(parent.get(), page(R"({"w": 321, "h": 234, "trans": true,
        "drag": false, "resize": true, "minH": 99, "minW": 111, "onlyDragCaption": true, "dbmax": true,
        "dbheight": 22, "elements": [{"type": "qtlabel", "name": "l"}]})"));
    QVERIFY(qobject_cast<TavixQLabel *>(made));
    QCOMPARE(made->parentWidget(), parent.get());

    QCOMPARE(parent->pos(), QPoint(30, 40));
    QCOMPARE(parent->size(), applied ? QSize(321, 234) : QSize(50, 60));
    QCOMPARE(parent->testAttribute(Qt::WA_TranslucentBackground), applied);
    QCOMPARE(bool(parent->windowFlags() & Qt::FramelessWindowHint),
             applied || parentKind == QLatin1String("TavixQSubWin"));   // a sub-window is frameless anyway
    if (auto *frameless = dynamic_cast<TavixQFramelessWindow *>(parent.get())) {
        QVERIFY(!frameless->getCanGrag());
        QVERIFY(frameless->getResizeable());
        QCOMPARE(frameless->getMinWidth(), 111);
        QCOMPARE(frameless->getMinHeight(), 99);
        QVERIFY(frameless->getOnlyDragCaption());
    }
    if (auto *canvas = qobject_cast<TavixQCanvasWindow *>(parent.get())) {
        QCOMPARE(canvas->getMinWidth(), 111);
        QVERIFY(canvas->getMaximizeOnDoubleClick() && canvas->getTransparent());
        QCOMPARE(canvas->getCaptionHeightValue(), 22);
    }
}

void tst_PageDocument::transFalseKeepsFrame()
{
    TavixQWindow window;
    const Qt::WindowFlags before = window.windowFlags();
    window.setAttribute(Qt::WA_TranslucentBackground, false);
    tavixCreatePageByFileName(&window, page(R"({"trans": false, "w": "wide", "h": -5, "minW": 1e30})"));
    QCOMPARE(window.windowFlags(), before);
    QVERIFY(!window.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(window.height(), 0);                 // below zero is no height at all
    QCOMPARE(window.getMinWidth(), 400);          // a number beyond int leaves the minimum alone
}

// Depth first: a subtree is built and completed before the next sibling; a parent completes after its
// children. The resource manager's created-by-file flag is up while controls read their nodes.
void tst_PageDocument::childrenCompleteBeforeParent()
{
    QWidget parent;
    QWidget *made = tavixCreatePageByFileName(&parent, page(R"({"elements": [
        {"type": "tstProbe", "name": "a", "child": [
            {"type": "tstProbe", "name": "a1", "child": [{"type": "tstProbe", "name": "a11"}]},
            {"type": "tstProbe", "name": "a2"}]},
        {"type": "tstProbe", "name": "b"}]})"));
    QCOMPARE(events, (QStringList{"read a", "read a1", "read a11", "complete a11", "complete a1", "read a2",
                                  "complete a2", "complete a", "read b", "complete b"}));
    QVERIFY(flagWhileCreating);
    QVERIFY(made && made->objectName() == QLatin1String("b"));
    QCOMPARE(parent.findChild<QWidget *>("a11")->parentWidget()->objectName(), QStringLiteral("a1"));
}

void tst_PageDocument::result_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("resultName");    // empty: null
    QTest::addColumn<int>("topLevel");          // kit controls created under the parent
    QTest::newRow("last of two") << QByteArray(R"({"elements": [{"type": "qtlabel", "name": "x"},
        {"type": "label", "name": "y"}]})") << "y" << 2;
    QTest::newRow("last unregistered") << QByteArray(R"({"elements": [{"type": "qtlabel", "name": "x"},
        {"type": "nothing", "name": "y"}]})") << "" << 1;
    QTest::newRow("empty elements") << QByteArray(R"({"elements": []})") << "" << 0;
    QTest::newRow("no elements") << QByteArray(R"({"w": 10})") << "" << 0;
    QTest::newRow("plain widget last") << QByteArray(R"({"elements": [{"type": "qtlabel", "name": "plain"}]})")
                                       << "" << 0;
}

void tst_PageDocument::result()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, resultName);
    QFETCH(int, topLevel);
    tavixBindControlCreateFunction(&boundCreate);
    QWidget parent;
    QWidget *made = tavixCreatePageByFileName(&parent, page(document));
    QCOMPARE(made ? made->objectName() : QString(), resultName);
    QCOMPARE(kitChildren(&parent).size(), topLevel);
    QCOMPARE(tavixCreatePageByFileName(nullptr, page(document)), static_cast<QWidget *>(nullptr));
}

// The bound creator sees each node's name and keyword; where it declines the registry creates.
void tst_PageDocument::boundCreator()
{
    tavixBindControlCreateFunction(&boundCreate);
    QWidget parent;
    QWidget *made = tavixCreatePageByFileName(&parent, page(R"({"elements": [
        {"type": "qtlabel", "name": "mine"}, {"type": "qtlabel", "name": "theirs"}]})"));
    QVERIFY(qobject_cast<TavixQLabel *>(made));
    QCOMPARE(made->objectName(), QStringLiteral("theirs"));
    QVERIFY(dynamic_cast<ProbeControl *>(parent.findChild<QWidget *>("mine")));
    QCOMPARE(events.filter("bound"), (QStringList{"bound mine/qtlabel", "bound theirs/qtlabel"}));
}

// Top-level elements take their absolute geometry; a top-level container in a window fills it.
void tst_PageDocument::topLevelGeometry()
{
    TavixQWindow window;
    window.resize(500, 300);
    tavixCreatePageByFileName(&window, page(R"({"elements": [
        {"type": "qtlabel", "name": "l", "x": 5, "y": 6, "w": 70, "h": 20},
        {"type": "qtcontainer", "name": "c", "x": 9, "y": 9, "w": 10, "h": 10,
         "child": [{"type": "qtbutton", "name": "b", "w": 40, "h": 30}]}]})"));
    QCOMPARE(window.findChild<QWidget *>("l")->geometry(), QRect(5, 6, 70, 20));
    QCOMPARE(window.findChild<QWidget *>("c")->geometry(), QRect(0, 0, 500, 300));
    QCOMPARE(window.findChild<QWidget *>("b")->parentWidget()->objectName(), QStringLiteral("c"));
}

// A container that arranges nothing keeps its children where the page put them, so a page saved with
// nested controls reloads with every control in its place; a node without geometry keeps the default.
void tst_PageDocument::nestedGeometry()
{
    TavixQWindow window;
    window.resize(500, 300);
    tavixCreatePageByFileName(&window, page(R"({"elements": [{"type": "qtcontainer", "name": "c", "child": [
        {"type": "qtbutton", "name": "b", "x": 12, "y": 34, "w": 80, "h": 24},
        {"type": "qtcontainer", "name": "inner", "x": 100, "y": 50, "w": 200, "h": 120,
         "child": [{"type": "qtlabel", "name": "l", "x": 4, "w": 60, "h": 18}]},
        {"type": "qtlabel", "name": "free"}]}]})"));
    QCOMPARE(window.findChild<QWidget *>("b")->geometry(), QRect(12, 34, 80, 24));
    QCOMPARE(window.findChild<QWidget *>("inner")->geometry(), QRect(100, 50, 200, 120));
    QCOMPARE(window.findChild<QWidget *>("l")->geometry(), QRect(4, 0, 60, 18));
    QVERIFY(!window.findChild<QWidget *>("free")->size().isEmpty());

    tavixEnableSerializeChild(true);
    Json::Value saved;
    dynamic_cast<ITavixQWidgetBase *>(window.findChild<QWidget *>("c"))->serializeJsonValue(&saved, false);
    tavixEnableSerializeChild(false);
    Json::Value doc;
    doc["elements"].append(saved);
    TavixQWindow again;
    again.resize(500, 300);
    tavixCreatePageByFileName(&again, page(QByteArray::fromStdString(Json::FastWriter().write(doc))));
    for (const char *name : {"b", "inner", "l"})
        QCOMPARE(again.findChild<QWidget *>(name)->geometry(), window.findChild<QWidget *>(name)->geometry());
}

void tst_PageDocument::visibility_data()
{
    QTest::addColumn<bool>("hostShown");
    QTest::newRow("hidden host") << false;
    QTest::newRow("shown host") << true;
}

// Built under a hidden host or one on screen, a page shows what it does not hide, with the host;
// a control marked hidden stays so, and so does what it holds.
void tst_PageDocument::visibility()
{
    QFETCH(bool, hostShown);
    QWidget host;
    host.resize(400, 300);
    if (hostShown)
        host.show();
    tavixCreatePageByFileName(&host, page(R"({"elements": [
        {"type": "qtcontainer", "name": "top", "w": 300, "h": 200, "child": [
            {"type": "qtlabel", "name": "plain", "w": 50, "h": 20},
            {"type": "qtbutton", "name": "shown", "visibility": true, "w": 50, "h": 20},
            {"type": "qtcontainer", "name": "off", "visibility": false, "w": 80, "h": 60, "child": [
                {"type": "qtlabel", "name": "inner", "w": 50, "h": 20}]}]},
        {"type": "qtlabel", "name": "offTop", "visibility": false, "w": 50, "h": 20}]})"));
    const QStringList shown = {"top", "plain", "shown"};
    const QStringList all = shown + QStringList{"off", "inner", "offTop"};
    for (const QString &name : all) {
        auto *w = host.findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->isHidden(), name == QLatin1String("off") || name == QLatin1String("offTop"));
        QCOMPARE(dynamic_cast<ITavixQWidgetBase *>(w)->getInnerVisible(), !w->isHidden());
    }
    host.show();
    for (const QString &name : all)
        QCOMPARE(host.findChild<QWidget *>(name)->isVisible(), shown.contains(name));
    // Moved under another hidden parent, a shown control stays shown and a hidden one hidden.
    QWidget other;
    for (const char *name : {"plain", "offTop"}) {
        QWidget *w = host.findChild<QWidget *>(name);
        w->setParent(&other);
        QCOMPARE(w->isHidden(), qstrcmp(name, "offTop") == 0);
    }
}

void tst_PageDocument::badInput_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("made");
    QTest::addColumn<int>("controls");      // kit controls created in all
    QTest::newRow("unknown type skips its subtree") << QByteArray(R"({"elements": [
        {"type": "nope", "child": [{"type": "qtbutton"}]}, {"type": "qtlabel"}]})") << true << 1;
    QTest::newRow("type a number") << QByteArray(R"({"elements": [{"type": 5}, {"type": ["qtlabel"]}]})")
                                   << false << 0;
    QTest::newRow("type missing") << QByteArray(R"({"elements": [{"name": "x", "child": [{"type": "qtlabel"}]}]})")
                                  << false << 0;
    QTest::newRow("elements an object") << QByteArray(R"({"elements": {"type": "qtlabel"}})") << false << 0;
    QTest::newRow("elements not objects") << QByteArray(R"({"elements": [1, "x", [], null, true]})") << false << 0;
    QTest::newRow("child an object") << QByteArray(R"({"elements": [{"type": "qtcontainer",
        "child": {"type": "qtlabel"}}]})") << true << 1;
    QTest::newRow("child a number") << QByteArray(R"({"elements": [{"type": "qtcontainer", "child": 3}]})")
                                    << true << 1;
    QTest::newRow("children not objects") << QByteArray(R"({"elements": [{"type": "qtcontainer",
        "child": [7, "a", {"type": 1}, {"type": "qtlabel"}]}]})") << true << 2;
    QTest::newRow("root an array") << QByteArray(R"([{"type": "qtlabel"}])") << false << 0;
    QTest::newRow("wrong kinds in nodes") << QByteArray(R"({"elements": [{"type": "qtlabel", "name": 5,
        "x": "a", "w": [1], "layout": 3, "attr": [1], "style": {"a": 1}, "visibility": "no",
        "minWidth": -2147483648, "maxWidth": 2147483647, "widthPolicy": 1e40, "theme": {}}]})") << true << 1;
    QTest::newRow("not JSON") << QByteArray("{\"elements\": [") << false << 0;
}

void tst_PageDocument::badInput()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, made);
    QFETCH(int, controls);
    TavixQWindow window;
    QCOMPARE(bool(tavixCreatePageByFileName(&window, page(document))), made);
    int count = 0;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (dynamic_cast<ITavixQWidgetBase *>(w))
            ++count;
    }
    QCOMPARE(count, controls);
}

void tst_PageDocument::extremeGeometry_data()
{
    QTest::addColumn<QByteArray>("place");
    QTest::newRow("height INT_MIN") << QByteArray(R"("x": 0, "y": 0, "w": 0, "h": -2147483648)");
    QTest::newRow("x INT_MIN, no width") << QByteArray(R"("x": -2147483648, "y": -2147483648, "w": 0, "h": 0)");
    QTest::newRow("x INT_MAX, width INT_MAX") << QByteArray(R"("x": 2147483647, "y": 5, "w": 2147483647, "h": 9)");
    QTest::newRow("all INT_MAX") << QByteArray(R"("x": 2147483647, "y": 2147483647, "w": 2147483647,
                                                   "h": 2147483647)");
}

// Places near the ends of int reach Qt bounded (QRect sums a position and a length): the page is built,
// each control's size stays within Qt's range, and the document's values are what the control keeps.
void tst_PageDocument::extremeGeometry()
{
    QFETCH(QByteArray, place);
    const QByteArray text = R"({"elements": [{"type": "qtlabel", "name": "top", )" + place
                            + R"(}, {"type": "qtcontainer", "name": "box", )" + place
                            + R"(, "child": [{"type": "qtbutton", "name": "inner", )" + place + "}]}]}";
    QWidget window;
    auto *host = new QWidget(&window);   // not a window: the container keeps the page's place too
    QVERIFY(tavixCreatePageByFileName(host, page(text)));
    for (const char *name : {"top", "box", "inner"}) {
        QWidget *w = window.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(w, name);
        QVERIFY(w->width() >= 0 && w->width() <= QWIDGETSIZE_MAX);
        QVERIFY(w->height() >= 0 && w->height() <= QWIDGETSIZE_MAX);
    }
    Json::Value saved;
    dynamic_cast<ITavixQWidgetBase *>(window.findChild<QWidget *>("top"))->serializeJsonValue(&saved, false);
    Json::Value given;
    QVERIFY(tavixParseJson("{" + place + "}", given));
    for (const char *key : {"x", "y", "w", "h"})
        QCOMPARE(saved[key].asInt(), given[key].asInt());
}

void tst_PageDocument::deepNesting_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("built");     // container levels below the top one; -1: nothing
    QTest::newRow("50") << 50 << 49;
    QTest::newRow("10 000") << 10000 << -1;
}

// Deep pages are built only as deep as the parser reads them; deeper text is refused whole.
void tst_PageDocument::deepNesting()
{
    QFETCH(int, levels);
    QFETCH(int, built);
    QByteArray text = "{\"elements\": [";
    for (int i = 0; i < levels; ++i)
        text += "{\"type\": \"qtcontainer\", \"child\": [";
    for (int i = 0; i < levels; ++i)
        text += "]}";
    text += "]}";
    QWidget parent;
    QWidget *made = tavixCreatePageByFileName(&parent, page(text));
    QCOMPARE(made ? depthOf(made) : -1, built);
}

// 100 000 elements under one container: all built.
void tst_PageDocument::manyElements()
{
    const auto pageOf = [this](int count) {
        QByteArray text = "{\"elements\": [{\"type\": \"qtcontainer\", \"name\": \"top\", \"child\": [";
        for (int i = 0; i < count; ++i)
            text += i ? ", {\"type\": \"qtspacer\"}" : "{\"type\": \"qtspacer\"}";
        return page(text + "]}]}");
    };
    QWidget parent;
    QWidget *made = tavixCreatePageByFileName(&parent, pageOf(100000));
    QVERIFY(made);
    QCOMPARE(kitChildren(made).size(), 100000);
    // Qt posts a polish request to every new widget; a widget deleted with one pending searches the whole
    // queue. An event loop would have delivered them long before; here they go before the page is deleted.
    QCoreApplication::sendPostedEvents();
}

// A label a page builds shows its caption whole until it is first shown at the size the page gives it,
// then elided to that width; its text stays whole.
void tst_PageDocument::labelElidesWhenShown()
{
    QWidget host;
    host.resize(300, 100);
    tavixCreatePageByFileName(&host, page(R"({"elements": [{"type": "qtcontainer", "w": 300, "h": 100,
        "child": [{"type": "qtlabel", "name": "narrow", "x": 4, "y": 4, "w": 40, "h": 20,
                   "attr": {"text": "A caption far wider than forty pixels"}}]}]})"));
    auto *label = host.findChild<TavixQLabel *>(QStringLiteral("narrow"));
    QVERIFY(label);
    QCOMPARE(label->getText(), QStringLiteral("A caption far wider than forty pixels"));
    host.show();
    QCOMPARE(label->width(), 40);
    QVERIFY2(label->text().endsWith(QChar(0x2026)), qPrintable(label->text()));
    QCOMPARE(label->getText(), QStringLiteral("A caption far wider than forty pixels"));
    // Shown pages elide at once, as any label does.
    tavixCreatePageByFileName(&host, page(R"({"elements": [{"type": "qtlabel", "name": "later",
        "w": 40, "h": 20, "attr": {"text": "Another caption far wider than forty pixels"}}]})"));
    auto *later = host.findChild<TavixQLabel *>(QStringLiteral("later"));
    QVERIFY(later && later->isVisible());
    QVERIFY2(later->text().endsWith(QChar(0x2026)), qPrintable(later->text()));
}

// A host may raise the document limit past what a QByteArray holds; a file that large is refused before
// anything is allocated for it (a sparse file, so the test costs no disk).
void tst_PageDocument::fileBeyondAByteArray()
{
    const QString path = m_dir.filePath(QStringLiteral("huge.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"elements\": []") > 0);
    if (!file.resize(qint64(3) << 30))
        QSKIP("no room for a sparse file here");
    file.close();
    tavixSetMaxJsonDocumentSize(size_t(8) << 30);
    Json::Value root;
    const bool read = tavixReadPageDocument(path, root);
    tavixSetMaxJsonDocumentSize(0);
    QFile::remove(path);
    QVERIFY(!read);
}

void tst_PageDocument::keptDocuments_data()
{
    QTest::addColumn<QByteArray>("edited");     // the file's text on the second load; empty: unchanged
    QTest::addColumn<bool>("released");         // releaseRes() between the loads
    QTest::newRow("unchanged") << QByteArray() << false;
    QTest::newRow("released") << QByteArray() << true;
    // Same length, so that a check of size (or of a coarse modification time) could not tell.
    QTest::newRow("edited in place") << QByteArray("Gamma") << false;
    QTest::newRow("edited, longer") << QByteArray("Gamma and more") << false;
}

// Pages are built again from kept parsed documents; what a second load builds follows the file's text
// as it is then, and the controls' readers leave the kept tree as the parser made it.
void tst_PageDocument::keptDocuments()
{
    QFETCH(QByteArray, edited);
    QFETCH(bool, released);
    const QByteArray text = R"({"w": 300, "elements": [
        {"type": "qtcontainer", "name": "top", "w": 300, "h": 200, "child": [
            {"type": "qtlabel", "name": "caption", "x": 4, "y": 4, "w": 90, "h": 20, "attr": {"text": "Alpha"}},
            {"type": "qtbutton", "name": "ok", "x": 4, "y": 30, "w": 90, "h": 20, "attr": {"text": "Beta"}},
            {"type": "qtscrollview", "name": "view", "x": 4, "y": 60, "w": 90, "h": 90},
            {"type": "qtcheckbox", "name": "check", "layout": {"type": 1, "ratio": 2}}]}]})";
    const QString path = page(text);
    Json::Value parsed;
    QVERIFY(tavixParseJson(text.constData(), size_t(text.size()), parsed));

    TavixQWindow first;
    QVERIFY(tavixCreatePageByFileName(&first, path));
    Json::Value kept;
    QVERIFY(tavixReadPageDocument(path, kept));
    QCOMPARE(tavixJsonCompact(kept), tavixJsonCompact(parsed));

    if (released)
        TavixQResourceManager::getInstance()->releaseRes();
    QByteArray second = text;
    if (!edited.isEmpty())
        second.replace("Alpha", edited);
    QVERIFY(writeFile(path, second));
    TavixQWindow again;
    QVERIFY(tavixCreatePageByFileName(&again, path));
    auto *caption = again.findChild<TavixQLabel *>(QStringLiteral("caption"));
    QVERIFY(caption);
    QCOMPARE(caption->text(), edited.isEmpty() ? QStringLiteral("Alpha") : QString::fromUtf8(edited));
    QCOMPARE(again.width(), 300);
    for (const char *name : {"top", "caption", "ok", "view", "check"}) {
        QWidget *before = first.findChild<QWidget *>(QLatin1String(name));
        QWidget *after = again.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(before && after, name);
        QCOMPARE(after->geometry(), before->geometry());
    }
    QCoreApplication::sendPostedEvents();
}

QTEST_MAIN(tst_PageDocument)
#include "tst_pagedocument.moc"
