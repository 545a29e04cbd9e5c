#include "TavixTestSupport.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "core/TavixQtCompat.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

#include <functional>

using namespace TavixQtLib;

namespace {

// A minimal control built like every kit control: one fill style per state, one own "attr" key.
class ProbeImpl : public TavixQWidgetBaseImpl
{
public:
    using TavixQWidgetBaseImpl::TavixQWidgetBaseImpl;

    bool serializeJsonValue(Json::Value **node, bool read) override
    {
        if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
            return false;
        TavixStyleSlots styleSlots;
        styleSlots.fillGroup(0, backgrounds, 4);
        if (read) {
            styleSlots.read(**node);
            if (const Json::Value *attr = tavixAttrNode(**node))
                tavixReadString(*attr, "caption", caption);
        } else {
            styleSlots.write(**node);
            tavixWriteAttrString(**node, "caption", caption);
        }
        return true;
    }
    void paint(QPainter *p, const QRect &r) override { drawFillStyle(p, backgrounds[qBound(0, state, 3)], r); }

    FillStyle backgrounds[4];
    QString caption;
};

class ProbeControl : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit ProbeControl(const QString &keyword = QStringLiteral("tst_probe"), QWidget *parent = nullptr)
        : QWidget(parent), m_keyword(keyword), m_base(this), m_impl(new ProbeImpl(this, keyword))
    {
        m_impl->applyTheme();
    }
    ~ProbeControl() override { delete m_impl; }   // the Impl clears the "impl" property

    using QWidget::setGeometry;
    void setGeometry(int x, int y, int w, int h) override { ITavixQWidgetBase::setGeometry(x, y, w, h); }
    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override { return m_keyword; }
    TavixQWidgetBaseImpl *getControlImpl() const override { return m_impl; }
    ProbeImpl *getImpl() const { return m_impl; }

protected:
    void paintEvent(QPaintEvent *e) override { m_impl->paintEvent(e); }
    void mousePressEvent(QMouseEvent *e) override { QWidget::mousePressEvent(e); m_impl->mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent *e) override { QWidget::mouseReleaseEvent(e); m_impl->mouseReleaseEvent(e); }
    void enterEvent(TavixEnterEvent *e) override { QWidget::enterEvent(e); m_impl->enterEvent(e); }
    void leaveEvent(QEvent *e) override { QWidget::leaveEvent(e); m_impl->leaveEvent(e); }

private:
    QString m_keyword;
    TavixQWidgetBase m_base;
    ProbeImpl *m_impl;
};

using tavixtest::parse;
using tavixtest::show;
using tavixtest::written;

bool themeSwitchUp() { return TavixQResourceManager::getInstance()->isLoadFromThemeRes(); }

// What a read leaves behind, under the names the read rows compare.
Json::Value readState(ProbeControl &p)
{
    DockLayoutType hor, ver;
    int dx, dy;
    p.getAbsoluteDock(hor, ver, dx, dy);
    const int *d = p.getControlBase()->layoutData;
    const QRect g = p.geometry();
    const QString box = QStringLiteral("%1, %2, %3, %4").arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3]);
    const QString layout = p.getLayoutType() == Ratio ? QString::number(d[0]) : box;
    return parse(QStringLiteral(R"({"absoluteLayout": %1, "dock": [%2, %3, %4, %5], "widthPolicy": %6,
        "minWidth": %7, "layout": [%8], "geometry": [%9, %10, %11, %12]})")
                     .arg(p.getAbsoluteLayout() ? "true" : "false").arg(hor).arg(ver).arg(dx).arg(dy)
                     .arg(int(p.getWidthPolicy())).arg(p.minimumWidth()).arg(layout)
                     .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()).toUtf8());
}

} // namespace

// Prepares a control before it is written.
using Setup = std::function<void(ProbeControl &)>;
Q_DECLARE_METATYPE(Setup)

class tst_WidgetBase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void writeNode_data();
    void writeNode();
    void readNode_data();
    void readNode();
    void attributeKinds_data();
    void attributeKinds();
    void attributeNameWithNul();
    void themeApplied_data();
    void themeApplied();
    void themeNameAndKey();
    void readKeepsVisibilityUntilParented();
    void stateAndPaint_data();
    void stateAndPaint();
    void opacityAppliesToPaint();
    void jsonDataAppliedOnce();
    void menuReadsOnlyOwnKeys();
    void childSerialisation();

private:
    QTemporaryDir m_theme;
};

void tst_WidgetBase::initTestCase()
{
    const auto writeFile = [this](const char *name, const QByteArray &bytes) {
        return tavixtest::writeFile(m_theme.filePath(QLatin1String(name)), bytes);
    };
    QVERIFY(writeFile("style.json", R"({"style": [
        {"type": 1, "name": "themeRed", "drawImg": false, "clr": "ffff0000"},
        {"type": 1, "name": "themeGreen", "drawImg": false, "clr": "ff00ff00"},
        {"type": 1, "name": "themeBlue", "drawImg": false, "clr": "ff0000ff"},
        {"type": 1, "name": "themeGray", "drawImg": false, "clr": "ff808080"}]})"));
    // The themed entry also carries keys a theme must never apply (name, size, visibility).
    QVERIFY(writeFile("theme.json", R"({"elements": [{"child": [
        {"name": "tst_themed", "w": 999, "visibility": false, "attr": {"caption": "fromTheme"},
         "style": [["themeRed", 1, 0], ["themeGreen", 1, 1], ["themeBlue", 1, 2], ["themeGray", 1, 3]]},
        {"name": "tst_alt", "attr": {"caption": "alt"}, "style": [["themeBlue", 1, 0]]}]}]})"));
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(m_theme.path()));
    tavixRegisterDefaultControl("tst_probe", []() -> QWidget * { return new ProbeControl; });
}

void tst_WidgetBase::cleanup()
{
    // Process-wide flags a failed test could leave changed.
    tavixSetIsInDesigner(false);
    tavixEnableSerializeChild(true);
    TavixQResourceManager::getInstance()->setIsDesigner(false);
    const bool switchLeftUp = themeSwitchUp();
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(false);
    QVERIFY(!switchLeftUp);
}

void tst_WidgetBase::writeNode_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Setup>("setup");
    // Keys written besides "type", "name": "", "theme" and "attr": {}; a null one is not written.
    QTest::addColumn<QByteArray>("keys");
    const auto row = [](const char *name, const char *keyword, Setup setup, const char *keys) {
        QTest::newRow(name) << QString::fromLatin1(keyword) << setup << QByteArray(keys);
    };
    row("ratio 3", "tst_probe", [](ProbeControl &p) { p.setLayoutRatio(3); }, R"({"layout": {"type": 0, "ratio": 3}})");
    row("ratio 0 stores 1", "tst_probe", [](ProbeControl &p) { p.setLayoutRatio(0); },
        R"({"layout": {"type": 0, "ratio": 1}})");
    row("absolute at origin", "tst_probe", [](ProbeControl &p) { p.setGeometry(0, 0, 100, 30); },
        R"({"w": 100, "h": 30})");
    // Neither hidden nor disabled is written for a default control, whatever its ancestors are.
    row("default under a disabled parent", "tst_probe", [](ProbeControl &p) { p.parentWidget()->setEnabled(false); },
        R"({"w": 0, "h": 0})");
    row("own state wins over the kept attribute", "tst_probe", [](ProbeControl &p) {
        Json::Value node = parse(R"({"attr": {"count": 42, "caption": "own"}})");
        p.readJsonValue(&node);
        p.getImpl()->caption.clear();
    }, R"({"w": 0, "h": 0, "attr": {"count": 42}})");
    row("every common key", "tst_probe", [](ProbeControl &p) {
        p.setObjectName(QStringLiteral("okButton"));
        p.setToolTip(QStringLiteral("Confirm \u00e9"));
        p.setInnerVisible(false); p.setEnabled(false);
        p.setAbsoluteDock(DockFar, DockNear, 0, -6); p.setHeightPolicy(PolicyExpanding);
        p.setMinimumHeight(5); p.setMaximumWidth(80); p.setGeometry(0, 4, 20, 10);
    }, R"({"name": "okButton", "tooltip": "Confirm \u00e9", "visibility": false, "enable": false,
           "absoluteLayout": true, "absoluteDockHor": 2, "absoluteDockOffsetY": -6, "heightPolicy": 0, "minHeight": 5,
           "maxWidth": 80, "y": 4, "w": 20, "h": 10})");
}

void tst_WidgetBase::writeNode()
{
    QFETCH(QString, keyword);
    QFETCH(Setup, setup);
    QFETCH(QByteArray, keys);
    QWidget parent;
    ProbeControl probe(keyword, &parent);
    setup(probe);
    const QByteArray type = keyword.toUtf8();
    Json::Value expected = parse(R"({"type": ")" + type + R"(", "name": "", "theme": ")" + type + R"(", "attr": {}})");
    const Json::Value changes = parse(keys);
    for (const std::string &key : changes.getMemberNames()) {
        if (changes[key].isNull())
            expected.removeMember(key);
        else
            expected[key] = changes[key];
    }
    QCOMPARE(show(written(probe)), show(expected));
    // Reading the node into a fresh control restores every key.
    ProbeControl copy(keyword, &parent);
    Json::Value in = expected;
    QVERIFY(copy.readJsonValue(&in));
    QCOMPARE(show(written(copy)), show(expected));
}

void tst_WidgetBase::readNode_data()
{
    QTest::addColumn<QByteArray>("json");
    // Members of readState() to compare. The control starts with dock (1, 2, 3, 4), width policy 1,
    // minimum width 10, absolute layout and geometry (1, 2, 30, 40).
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, const char *json, const char *expected) {
        QTest::newRow(name) << QByteArray(json) << QByteArray(expected);
    };
    row("no keys", "{}", R"({"absoluteLayout": false, "dock": [0, 0, 0, 0], "widthPolicy": 1, "minWidth": 10,
                            "layout": [0, 0, 0, 0], "geometry": [1, 2, 30, 40]})");
    row("plain x/y/w/h are stored only", R"({"x": 3, "y": 4, "w": 50, "h": 60})",
        R"({"layout": [3, 4, 50, 60], "geometry": [1, 2, 30, 40]})");
    row("ratio without type", R"({"layout": {"ratio": 4}})", R"({"layout": [4]})");
    row("absolute type moves the widget", R"({"layout": {"type": 1, "x": 99}, "x": 7, "h": 9})",
        R"({"layout": [7, 0, 30, 9], "geometry": [7, 0, 30, 9]})");
    row("dock 7 and -3 clamp", R"({"absoluteDockHor": 7, "absoluteDockVer": -3, "absoluteDockOffsetX": -5})",
        R"({"absoluteLayout": true, "dock": [2, 0, -5, 0]})");
    row("explicit absoluteLayout wins", R"({"absoluteDockHor": 1, "absoluteLayout": false})",
        R"({"absoluteLayout": false, "dock": [1, 0, 0, 0]})");
    row("widthPolicy 5", R"({"widthPolicy": 5})", R"({"widthPolicy": -1})");
    row("widthPolicy 0, minWidth -4", R"({"widthPolicy": 0, "minWidth": -4})", R"({"widthPolicy": 0, "minWidth": 0})");
    row("wrong kinds", R"({"absoluteDockHor": "2", "widthPolicy": "0", "minWidth": "12"})",
        R"({"absoluteLayout": true, "dock": [0, 0, 0, 0], "widthPolicy": -1, "minWidth": 10})");
}

void tst_WidgetBase::readNode()
{
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, expected);
    ProbeControl probe;
    probe.setAbsoluteDock(DockCenter, DockFar, 3, 4);
    probe.setWidthPolicy(PolicyFixed);
    probe.setMinimumWidth(10);
    probe.setGeometry(1, 2, 30, 40);
    Json::Value node = parse(json);
    QVERIFY(probe.readJsonValue(&node));
    const Json::Value want = parse(expected), state = readState(probe);
    Json::Value compared(Json::objectValue);
    for (const std::string &key : want.getMemberNames())
        compared[key] = state[key];
    QCOMPARE(show(compared), show(want));
}

void tst_WidgetBase::attributeKinds_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("kind");   // -1: skipped
    using A = TavixAttribute;
    QTest::newRow("bool") << QByteArray("true") << int(A::BoolKind);
    QTest::newRow("string") << QByteArray(R"("text")") << int(A::StringKind);
    QTest::newRow("int32") << QByteArray("-5") << int(A::Int32Kind);
    QTest::newRow("uint32") << QByteArray("4000000000") << int(A::UInt32Kind);
    QTest::newRow("int64 keeps digits") << QByteArray("-9007199254740993") << int(A::Int64Kind);
    QTest::newRow("uint64") << QByteArray("18446744073709551615") << int(A::UInt64Kind);
    QTest::newRow("double") << QByteArray("1.5") << int(A::DoubleKind);
    QTest::newRow("string list") << QByteArray(R"(["\u00fc", "b"])") << int(A::StringListKind);
    QTest::newRow("null") << QByteArray("null") << -1;
    QTest::newRow("mixed array") << QByteArray(R"([1, "a"])") << -1;
}

void tst_WidgetBase::attributeKinds()
{
    QFETCH(QByteArray, value);
    QFETCH(int, kind);
    ProbeControl probe;
    Json::Value node = parse(R"({"attr": {"key": )" + value + "}}");
    QVERIFY(probe.readJsonValue(&node));
    QCOMPARE(probe.getImpl()->hasAttribute("key"), kind >= 0);
    const Json::Value out = written(probe);
    const Json::Value *back = tavixJsonMember(*tavixAttrNode(out), "key");
    QCOMPARE(bool(back), kind >= 0);
    if (kind >= 0) {
        QCOMPARE(probe.getImpl()->getAttribute("key").kind, kind);
        // What is read is written back as the same JSON value.
        QVERIFY2(*back == parse(value), show(*back).constData());
    }
}

// A name holding a NUL byte is a name of its own: it keeps its value and does not take its prefix's.
void tst_WidgetBase::attributeNameWithNul()
{
    ProbeControl probe;
    Json::Value node = parse(R"({"attr": {"a": 1, "a\u0000b": "x"}})");
    QVERIFY(probe.readJsonValue(&node));
    const std::string withNul("a\0b", 3);
    QCOMPARE(probe.getImpl()->getAttribute(withNul).kind, int(TavixAttribute::StringKind));
    QCOMPARE(probe.getImpl()->getAttribute(withNul).value.toString(), QStringLiteral("x"));
    QCOMPARE(probe.getImpl()->getAttribute("a").value.toLongLong(), 1);
}

void tst_WidgetBase::themeApplied_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("designer");   // 1: the kit's flag, 2: the resource manager's
    QTest::addColumn<bool>("applied");
    QTest::newRow("entry found") << "tst_themed" << 0 << true;
    QTest::newRow("no entry keeps the built-in look") << "tst_probe" << 0 << false;
    QTest::newRow("kit in designer") << "tst_themed" << 1 << false;
    QTest::newRow("resource manager in designer") << "tst_themed" << 2 << false;
}

void tst_WidgetBase::themeApplied()
{
    QFETCH(QString, keyword);
    QFETCH(int, designer);
    QFETCH(bool, applied);
    tavixSetIsInDesigner(designer == 1);
    TavixQResourceManager::getInstance()->setIsDesigner(designer == 2);
    ProbeControl probe(keyword);
    ProbeImpl *impl = probe.getImpl();
    const QStringList themed = applied ? QStringList{"themeGray", "fromTheme"} : QStringList{"", ""};
    QCOMPARE(QStringList({impl->backgrounds[Disable].name, impl->caption}), themed);
    // The entry's name, size and visibility are not applied.
    QVERIFY(probe.objectName().isEmpty() && !probe.property("visibility").isValid());
    QCOMPARE(probe.getControlBase()->layoutData[2], 0);

    impl->backgrounds[Disable] = FillStyle();
    impl->caption.clear();
    probe.getControlBase()->refreshTheme();
    QCOMPARE(QStringList({impl->backgrounds[Disable].name, impl->caption}), themed);
    QVERIFY(!themeSwitchUp());
}

void tst_WidgetBase::themeNameAndKey()
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    ProbeControl probe(QStringLiteral("tst_themed"));
    probe.setThemeName(QStringLiteral("tst_alt"));
    QCOMPARE(probe.getImpl()->backgrounds[Hot].name + probe.getImpl()->caption, QStringLiteral("themeBluealt"));
    QVERIFY(!themeSwitchUp());
    QCOMPARE(written(probe)["theme"].asString(), std::string("tst_alt"));

    // A page node's "theme" names the entry that supplies the control's look: the entry applies first, the
    // page's own keys over it, and the name is kept for theme changes and saves. An unknown name supplies
    // nothing; a designer applies no entry but keeps the name. A save writes the page's keys, not the entry's.
    FillStyle pageRed;
    pageRed.name = QStringLiteral("pageRed");
    manager->setFillStyle(pageRed.name, pageRed);
    for (const char *theme : {"tst_alt", "nosuch", "designer"}) {
        manager->setIsDesigner(qstrcmp(theme, "designer") == 0);
        const QByteArray name = *theme == 'd' ? "tst_alt" : theme;
        ProbeControl page;
        const Json::Value node = parse(R"({"type": "tst_probe", "name": "n1", "attr": {}, "theme": ")" + name
                                       + R"(", "style": [["pageRed", 1, 0]], "w": 0, "h": 0})");
        Json::Value copy = node;
        QVERIFY(page.readJsonValue(&copy));
        QVERIFY(!themeSwitchUp());
        QCOMPARE(page.objectName(), QStringLiteral("n1"));
        QCOMPARE(page.getImpl()->backgrounds[Hot].name, QStringLiteral("pageRed"));
        QCOMPARE(page.getImpl()->caption, QString::fromLatin1(qstrcmp(theme, "tst_alt") ? "" : "alt"));
        QCOMPARE(page.getThemeName(), QString::fromLatin1(name));
        QCOMPARE(show(written(page)), show(node));
    }
}

// A control without a parent is its own window: reading a node must not open it on the screen.
void tst_WidgetBase::readKeepsVisibilityUntilParented()
{
    for (const char *json : {"{}", R"({"visibility": true})", R"({"visibility": false})"}) {
        const bool visible = !QByteArray(json).contains("false");
        ProbeControl probe;
        Json::Value node = parse(json);
        QVERIFY(probe.readJsonValue(&node));
        QVERIFY(!probe.isVisible());
        QCOMPARE(probe.getInnerVisible(), visible);
        QWidget parent;
        probe.setParent(&parent);
        parent.show();
        QCOMPARE(probe.isVisible(), visible);
        probe.setParent(nullptr);   // the probe outlives the parent
    }
}

void tst_WidgetBase::stateAndPaint_data()
{
    // Steps: enter, leave, press, release (real mouse events), disable, enable.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("state");
    QTest::newRow("enter press") << "enter press" << int(Pressed);
    QTest::newRow("enter press release") << "enter press release" << int(Hot);
    QTest::newRow("press release without hover") << "press release" << int(Normal);
    QTest::newRow("enter press leave release") << "enter press leave release" << int(Normal);
    QTest::newRow("leave while disabled") << "disable leave" << int(Disable);
    QTest::newRow("paint while disabled and hot") << "enter disable" << int(Disable);
    QTest::newRow("enabled again") << "disable leave enable" << int(Normal);
}

void tst_WidgetBase::stateAndPaint()
{
    QFETCH(QString, steps);
    QFETCH(int, state);
    ProbeControl probe(QStringLiteral("tst_themed"));   // Normal red, Hot green, Pressed blue, Disable gray
    probe.resize(40, 20);
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QEvent hover(step == QLatin1String("enter") ? QEvent::Enter : QEvent::Leave);
        if (step == QLatin1String("enter") || step == QLatin1String("leave"))
            QCoreApplication::sendEvent(&probe, &hover);
        else if (step == QLatin1String("press") || step == QLatin1String("release"))
            QTest::mouseEvent(step == QLatin1String("press") ? QTest::MousePress : QTest::MouseRelease, &probe,
                              Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        else
            probe.setEnabled(step == QLatin1String("enable"));
    }
    const QImage img = tavixtest::rendered(probe);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, QColor(0x80, 0x80, 0x80)};
    QCOMPARE(img.pixelColor(20, 10), colours[state]);   // paint re-checks the enabled state
    QCOMPARE(probe.getImpl()->state, state);
}

void tst_WidgetBase::opacityAppliesToPaint()
{
    ProbeControl probe(QStringLiteral("tst_themed"));   // Normal red
    probe.resize(40, 20);
    probe.setOpacity(0);
    QCOMPARE(tavixtest::rendered(probe).pixelColor(20, 10), QColor(Qt::cyan));
    probe.setOpacity(255);
    QCOMPARE(tavixtest::rendered(probe).pixelColor(20, 10), QColor(Qt::red));
}

void tst_WidgetBase::jsonDataAppliedOnce()
{
    // Only the first non-empty text is applied, even when it does not parse; every text is stored.
    ProbeControl probe, broken;
    probe.setJsonData(QStringLiteral(R"({"name": "first"})"));
    broken.setJsonData(QStringLiteral("{\"name\": "));
    for (ProbeControl *control : {&probe, &broken})
        control->setJsonData(QStringLiteral(R"({"name": "second"})"));
    QCOMPARE(probe.objectName(), QStringLiteral("first"));
    QVERIFY(broken.objectName().isEmpty());
    QCOMPARE(broken.jsonData(), QStringLiteral(R"({"name": "second"})"));
}

void tst_WidgetBase::menuReadsOnlyOwnKeys()
{
    // A menu neither writes nor reads the common keys.
    ProbeControl menu(QStringLiteral("qtmenu"));
    menu.setObjectName(QStringLiteral("fileMenu"));
    menu.setGeometry(0, 0, 100, 30);
    QCOMPARE(show(written(menu)), show(parse(R"({"theme": "qtmenu", "attr": {}})")));
    Json::Value in = parse(R"({"name": "renamed", "visibility": false, "attr": {"caption": "c"}})");
    QVERIFY(menu.readJsonValue(&in));
    QCOMPARE(menu.objectName(), QStringLiteral("fileMenu"));
    QVERIFY(!menu.property("visibility").isValid());
    QCOMPARE(menu.getImpl()->caption, QStringLiteral("c"));
}

void tst_WidgetBase::childSerialisation()
{
    ProbeControl parent;
    ProbeControl first(QStringLiteral("tst_probe"), &parent);
    QWidget plain(&parent);   // not a kit control: not written
    ProbeControl second(QStringLiteral("tst_probe"), &parent);
    ProbeControl grandChild(QStringLiteral("tst_probe"), &second);
    first.setObjectName(QStringLiteral("a"));
    second.setObjectName(QStringLiteral("b"));
    grandChild.setObjectName(QStringLiteral("c"));
    const Json::Value children = written(parent)["child"];
    QVERIFY(children.isArray() && children.size() == 2);
    const auto nameOf = [](const Json::Value &child) { return child["name"].asString(); };
    QCOMPARE(nameOf(children[0]) + nameOf(children[1]) + nameOf(children[1]["child"][0]), std::string("abc"));
    QVERIFY(!tavixJsonHas(children[0], "child"));   // a leaf has none

    tavixEnableSerializeChild(false);
    QVERIFY(!tavixJsonHas(written(parent), "child"));
}

QTEST_MAIN(tst_WidgetBase)
#include "tst_widgetbase.moc"
