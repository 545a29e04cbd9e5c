#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

#include <climits>

using namespace TavixQtLib;

namespace {

// A minimal control built like every kit control: one fill style per state, one own "attr" key.
class ProbeImpl : public TavixQWidgetBaseImpl
{
public:
    ProbeImpl(QWidget *w, const QString &keyword)
        : TavixQWidgetBaseImpl(w, keyword)
    {
    }

    bool serializeJsonValue(Json::Value **node, bool read) override
    {
        if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
            return false;
        Json::Value &n = **node;
        TavixStyleSlots styleSlots;
        styleSlots.fillGroup(0, backgrounds, 4);
        if (read) {
            readUnderTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
            styleSlots.read(n);
            if (const Json::Value *attr = tavixAttrNode(n))
                tavixReadString(*attr, "caption", caption);
        } else {
            styleSlots.write(n);
            tavixWriteAttrString(n, "caption", caption);
        }
        return true;
    }

    void paint(QPainter *painter, const QRect &rect) override
    {
        ++paints;
        drawFillStyle(painter, backgrounds[qBound(0, state, 3)], rect);
    }

    FillStyle backgrounds[4];
    QString caption;
    bool readUnderTheme = false;
    int paints = 0;
};

class ProbeControl : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit ProbeControl(const QString &keyword = QStringLiteral("tst_probe"), QWidget *parent = nullptr)
        : QWidget(parent)
        , m_keyword(keyword)
        , m_base(this)
    {
        m_impl = new ProbeImpl(this, keyword);
        m_impl->applyTheme();
    }
    ~ProbeControl() override
    {
        setProperty("impl", QVariant());
        delete m_impl;
        m_impl = nullptr;
    }

    static QWidget *create() { return new ProbeControl; }

    using QWidget::setGeometry;
    void setGeometry(int x, int y, int w, int h) override { ITavixQWidgetBase::setGeometry(x, y, w, h); }
    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override { return m_keyword; }
    TavixQWidgetBaseImpl *getControlImpl() const override { return m_impl; }
    ProbeImpl *getImpl() const { return m_impl; }

    Q_INVOKABLE void forceResize() { ++forceResizeCalls; }
    int forceResizeCalls = 0;

protected:
    void paintEvent(QPaintEvent *e) override { m_impl->paintEvent(e); }
    void mousePressEvent(QMouseEvent *e) override
    {
        QWidget::mousePressEvent(e);
        m_impl->mousePressEvent(e);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        QWidget::mouseReleaseEvent(e);
        m_impl->mouseReleaseEvent(e);
        e->accept();
    }
    void enterEvent(QEvent *e) override
    {
        QWidget::enterEvent(e);
        m_impl->enterEvent(e);
    }
    void leaveEvent(QEvent *e) override
    {
        QWidget::leaveEvent(e);
        m_impl->leaveEvent(e);
    }

private:
    QString m_keyword;
    TavixQWidgetBase m_base;
    ProbeImpl *m_impl = nullptr;
};

Json::Value parse(const char *text)
{
    Json::Value value;
    if (!tavixParseJson(QByteArray(text), value))
        qFatal("test JSON does not parse: %s", text);
    return value;
}

QByteArray show(const Json::Value &value)
{
    return QByteArray::fromStdString(tavixJsonCompact(value));
}

Json::Value written(ITavixQWidgetBase &control)
{
    Json::Value node(Json::objectValue);
    control.serializeJsonValue(&node, false);
    return node;
}

bool themeSwitchUp()
{
    return TavixQResourceManager::getInstance()->isLoadFromThemeRes();
}

QColor centreColour(QWidget &w)
{
    QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::cyan);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img.pixelColor(w.width() / 2, w.height() / 2);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

} // namespace

class tst_WidgetBase : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void saveLayout_data();
    void saveLayout();
    void loadLayout_data();
    void loadLayout();
    void readCommonKeys_data();
    void readCommonKeys();
    void writeCommonKeys();
    void defaultControlIsNotWrittenHidden();
    void layoutRatio_data();
    void layoutRatio();
    void ratioInsideContainerRelaysOut();
    void resizeWidget_data();
    void resizeWidget();
    void attributeKinds_data();
    void attributeKinds();
    void attributesRoundTrip();
    void themeAppliedAtConstruction();
    void themeSkippedInDesigner_data();
    void themeSkippedInDesigner();
    void refreshAndSetThemeName();
    void themeKeyRedirectsOwnKeys();
    void stateTransitions_data();
    void stateTransitions();
    void disabledPaintsDisable();
    void jsonDataAppliedOnce();
    void menuSkipsCommonKeys();
    void childSerialisation();
    void implPropertyClearedWithImpl();
    void cloneWidget();

private:
    QTemporaryDir m_theme;
};

void tst_WidgetBase::initTestCase()
{
    QVERIFY(m_theme.isValid());
    writeFile(m_theme.filePath("style.json"), R"({"style": [
        {"type": 1, "name": "themeRed", "drawImg": false, "clr": "ffff0000"},
        {"type": 1, "name": "themeGreen", "drawImg": false, "clr": "ff00ff00"},
        {"type": 1, "name": "themeBlue", "drawImg": false, "clr": "ff0000ff"},
        {"type": 1, "name": "themeGray", "drawImg": false, "clr": "ff808080"}]})");
    // The themed entry also carries keys a theme must never apply (name, size, visibility).
    writeFile(m_theme.filePath("theme.json"), R"({"elements": [{"child": [
        {"name": "tst_themed", "w": 999, "visibility": false, "attr": {"caption": "fromTheme"},
         "style": [["themeRed", 1, 0], ["themeGreen", 1, 1], ["themeBlue", 1, 2], ["themeGray", 1, 3]]},
        {"name": "tst_alt", "attr": {"caption": "alt"}, "style": [["themeBlue", 1, 0]]}]}]})");
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(m_theme.path()));
    QVERIFY(TavixQResourceManager::getInstance()->getThemeJsonValue("tst_themed"));
    tavixRegisterDefaultControl("tst_probe", &ProbeControl::create);
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

void tst_WidgetBase::saveLayout_data()
{
    QTest::addColumn<int>("ratio");   // 0: absolute geometry instead
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QByteArray>("expected");   // the layout keys of the written node
    QTest::newRow("ratio 3") << 3 << QRect() << QByteArray(R"({"layout": {"type": 0, "ratio": 3}})");
    QTest::newRow("absolute at origin") << 0 << QRect(0, 0, 100, 30) << QByteArray(R"({"w": 100, "h": 30})");
    QTest::newRow("absolute offset") << 0 << QRect(5, -7, 10, 0)
                                     << QByteArray(R"({"x": 5, "y": -7, "w": 10, "h": 0})");
}

void tst_WidgetBase::saveLayout()
{
    QFETCH(int, ratio);
    QFETCH(QRect, geometry);
    QFETCH(QByteArray, expected);
    ProbeControl probe;
    if (ratio)
        probe.setLayoutRatio(ratio);
    else
        probe.setGeometry(geometry.x(), geometry.y(), geometry.width(), geometry.height());
    Json::Value node = written(probe);
    Json::Value layoutKeys(Json::objectValue);
    for (const char *key : {"layout", "x", "y", "w", "h"}) {
        if (const Json::Value *v = tavixJsonMember(node, key))
            layoutKeys[key] = *v;
    }
    QCOMPARE(show(layoutKeys), show(parse(expected.constData())));
}

void tst_WidgetBase::loadLayout_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVector<int>>("data");   // ratio, or x, y, w, h
    QTest::addColumn<QRect>("geometry");      // the widget's, which starts at (1, 2, 30, 40)
    QTest::newRow("no layout keys") << QByteArray("{}") << int(Absolute) << QVector<int>{0, 0, 0, 0}
                                    << QRect(1, 2, 30, 40);
    QTest::newRow("plain x/y/w/h are stored only")
        << QByteArray(R"({"x": 3, "y": 4, "w": 50, "h": 60})") << int(Absolute) << QVector<int>{3, 4, 50, 60}
        << QRect(1, 2, 30, 40);
    QTest::newRow("ratio without type") << QByteArray(R"({"layout": {"ratio": 4}})") << int(Ratio)
                                        << QVector<int>{4} << QRect(1, 2, 30, 40);
    QTest::newRow("ratio type without ratio") << QByteArray(R"({"layout": {"type": 0}})") << int(Ratio)
                                              << QVector<int>{1} << QRect(1, 2, 30, 40);
    QTest::newRow("negative ratio") << QByteArray(R"({"layout": {"type": 0, "ratio": -5}})") << int(Ratio)
                                    << QVector<int>{1} << QRect(1, 2, 30, 40);
    QTest::newRow("absolute type moves the widget")
        << QByteArray(R"({"layout": {"type": 1, "x": 99}, "x": 7, "h": 9})") << int(Absolute)
        << QVector<int>{7, 0, 30, 9} << QRect(7, 0, 30, 9);
    QTest::newRow("unknown type") << QByteArray(R"({"layout": {"type": 5}, "x": 7})") << int(Absolute)
                                  << QVector<int>{11, 12, 13, 14} << QRect(1, 2, 30, 40);
    QTest::newRow("layout not an object") << QByteArray(R"({"layout": [1, 2]})") << int(Ratio)
                                          << QVector<int>{1} << QRect(1, 2, 30, 40);
}

void tst_WidgetBase::loadLayout()
{
    QFETCH(QByteArray, json);
    QFETCH(int, type);
    QFETCH(QVector<int>, data);
    QFETCH(QRect, geometry);
    ProbeControl probe;
    probe.setGeometry(1, 2, 30, 40);
    TavixQWidgetBase *base = probe.getControlBase();
    base->layoutData[0] = 11;
    base->layoutData[1] = 12;
    base->layoutData[2] = 13;
    base->layoutData[3] = 14;
    Json::Value node = parse(json.constData());
    QVERIFY(probe.readJsonValue(&node));
    QCOMPARE(int(probe.getLayoutType()), type);
    for (int i = 0; i < data.size(); ++i)
        QCOMPARE(base->layoutData[i], data.at(i));
    QCOMPARE(probe.geometry(), geometry);
}

void tst_WidgetBase::readCommonKeys_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<int>("dockHor");
    QTest::addColumn<int>("dockVer");
    QTest::addColumn<int>("widthPolicy");   // starts at PolicyFixed
    QTest::addColumn<int>("minWidth");      // starts at 10
    QTest::newRow("no keys") << QByteArray("{}") << false << 0 << 0 << 1 << 10;
    QTest::newRow("dock 7 clamps to far") << QByteArray(R"({"absoluteDockHor": 7})") << true << 2 << 0 << 1 << 10;
    QTest::newRow("dock -3 clamps to near") << QByteArray(R"({"absoluteDockVer": -3})") << true << 0 << 0 << 1
                                            << 10;
    QTest::newRow("dock INT_MIN") << QByteArray(R"({"absoluteDockHor": -2147483648, "absoluteDockVer": 1})")
                                  << true << 0 << 1 << 1 << 10;
    QTest::newRow("explicit absoluteLayout wins")
        << QByteArray(R"({"absoluteDockHor": 1, "absoluteLayout": false})") << false << 1 << 0 << 1 << 10;
    QTest::newRow("dock of wrong kind") << QByteArray(R"({"absoluteDockHor": "2"})") << true << 0 << 0 << 1 << 10;
    QTest::newRow("widthPolicy 5") << QByteArray(R"({"widthPolicy": 5})") << false << 0 << 0 << -1 << 10;
    QTest::newRow("widthPolicy -2") << QByteArray(R"({"widthPolicy": -2})") << false << 0 << 0 << -1 << 10;
    QTest::newRow("widthPolicy string") << QByteArray(R"({"widthPolicy": "0"})") << false << 0 << 0 << -1 << 10;
    QTest::newRow("widthPolicy 0") << QByteArray(R"({"widthPolicy": 0})") << false << 0 << 0 << 0 << 10;
    QTest::newRow("minWidth -4") << QByteArray(R"({"minWidth": -4})") << false << 0 << 0 << 1 << 0;
    QTest::newRow("minWidth of wrong kind") << QByteArray(R"({"minWidth": "12"})") << false << 0 << 0 << 1 << 10;
}

void tst_WidgetBase::readCommonKeys()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, absolute);
    QFETCH(int, dockHor);
    QFETCH(int, dockVer);
    QFETCH(int, widthPolicy);
    QFETCH(int, minWidth);
    QWidget parent;
    ProbeControl probe(QStringLiteral("tst_probe"), &parent);
    probe.setWidthPolicy(PolicyFixed);
    probe.setMinimumWidth(10);
    probe.setAbsoluteDock(DockCenter, DockFar, 3, 4);
    Json::Value node = parse(json.constData());
    QVERIFY(probe.readJsonValue(&node));
    DockLayoutType hor = DockNear, ver = DockNear;
    int x = -1, y = -1;
    probe.getAbsoluteDock(hor, ver, x, y);
    QCOMPARE(probe.getAbsoluteLayout(), absolute);
    QCOMPARE(int(hor), dockHor);
    QCOMPARE(int(ver), dockVer);
    QCOMPARE(x, 0);   // absent offsets read as 0
    QCOMPARE(int(probe.getWidthPolicy()), widthPolicy);
    QCOMPARE(probe.minimumWidth(), minWidth);
}

void tst_WidgetBase::writeCommonKeys()
{
    QWidget parent;
    ProbeControl probe(QStringLiteral("tst_probe"), &parent);
    probe.setObjectName(QStringLiteral("okButton"));
    probe.setToolTip(QStringLiteral("Confirm \u00e9"));
    probe.setInnerVisible(false);
    probe.setEnabled(false);
    probe.setAbsoluteDock(DockFar, DockNear, 0, -6);
    probe.setHeightPolicy(PolicyExpanding);
    probe.setMinimumHeight(5);
    probe.setMaximumWidth(80);
    probe.setGeometry(0, 4, 20, 10);
    const Json::Value expected = parse(R"({"type": "tst_probe", "name": "okButton", "tooltip": "Confirm \u00e9",
        "visibility": false, "enable": false, "absoluteLayout": true, "absoluteDockHor": 2,
        "absoluteDockOffsetY": -6, "heightPolicy": 0, "minHeight": 5, "maxWidth": 80,
        "y": 4, "w": 20, "h": 10, "theme": "tst_probe", "attr": {}})");
    const Json::Value node = written(probe);
    QCOMPARE(show(node), show(expected));

    // Reading the node back restores every common key.
    ProbeControl copy(QStringLiteral("tst_probe"), &parent);
    Json::Value in = node;
    QVERIFY(copy.readJsonValue(&in));
    QCOMPARE(show(written(copy)), show(expected));
}

void tst_WidgetBase::defaultControlIsNotWrittenHidden()
{
    ProbeControl probe;
    QVERIFY(probe.getInnerVisible());
    const Json::Value node = written(probe);
    QVERIFY(!tavixJsonHas(node, "visibility"));
    QVERIFY(!tavixJsonHas(node, "enable"));

    // A disabled parent does not make the child's own setting false.
    QWidget parent;
    ProbeControl child(QStringLiteral("tst_probe"), &parent);
    parent.setEnabled(false);
    QVERIFY(!tavixJsonHas(written(child), "enable"));
}

void tst_WidgetBase::layoutRatio_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("large") << 100000 << 100000;
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("INT_MIN") << INT_MIN << 1;
}

void tst_WidgetBase::layoutRatio()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    QWidget owner;
    TavixQWidgetBase base(&owner);
    base.setLayoutRatio(given);
    QCOMPARE(base.getLayoutType(), Ratio);
    QCOMPARE(base.getLayoutRatio(), stored);
    base.setGeometry(0, 0, 1, 1);
    QCOMPARE(base.getLayoutRatio(), 1);   // not a ratio layout any more
}

void tst_WidgetBase::ratioInsideContainerRelaysOut()
{
    ProbeControl container(QStringLiteral("qtcontainer"));
    ProbeControl child(QStringLiteral("tst_probe"), &container);
    child.setLayoutRatio(2);
    QCOMPARE(container.forceResizeCalls, 1);

    ProbeControl other;
    ProbeControl otherChild(QStringLiteral("tst_probe"), &other);
    otherChild.setLayoutRatio(2);
    QCOMPARE(other.forceResizeCalls, 0);
}

void tst_WidgetBase::resizeWidget_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("directlyInWindow");
    QTest::addColumn<bool>("ratio");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("container fills its window") << "qtcontainer" << true << false << QRect(0, 0, 300, 200);
    QTest::newRow("nested container keeps its box") << "qtcontainer" << false << false << QRect(10, 20, 50, 60);
    QTest::newRow("other control keeps its box") << "tst_probe" << true << false << QRect(10, 20, 50, 60);
    QTest::newRow("ratio layout is left alone") << "qtcontainer" << true << true << QRect(1, 1, 5, 5);
}

void tst_WidgetBase::resizeWidget()
{
    QFETCH(QString, keyword);
    QFETCH(bool, directlyInWindow);
    QFETCH(bool, ratio);
    QFETCH(QRect, expected);
    QWidget window;
    window.resize(300, 200);
    QWidget inner(&window);
    inner.setGeometry(0, 0, 150, 100);
    ProbeControl probe(keyword, directlyInWindow ? &window : &inner);
    Json::Value node = parse(R"({"x": 10, "y": 20, "w": 50, "h": 60})");
    QVERIFY(probe.readJsonValue(&node));
    probe.QWidget::setGeometry(1, 1, 5, 5);
    if (ratio)
        probe.setLayoutRatio(3);
    probe.resizeWidget();
    QCOMPARE(probe.geometry(), expected);
}

void tst_WidgetBase::attributeKinds_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("kind");   // -1: skipped
    QTest::newRow("bool") << QByteArray("true") << int(TavixAttribute::BoolKind);
    QTest::newRow("string") << QByteArray(R"("text")") << int(TavixAttribute::StringKind);
    QTest::newRow("int32") << QByteArray("-5") << int(TavixAttribute::Int32Kind);
    QTest::newRow("INT_MAX") << QByteArray("2147483647") << int(TavixAttribute::Int32Kind);
    QTest::newRow("uint32") << QByteArray("4000000000") << int(TavixAttribute::UInt32Kind);
    QTest::newRow("int64 keeps digits") << QByteArray("9007199254740993") << int(TavixAttribute::Int64Kind);
    QTest::newRow("negative int64") << QByteArray("-9007199254740993") << int(TavixAttribute::Int64Kind);
    QTest::newRow("uint64") << QByteArray("18446744073709551615") << int(TavixAttribute::UInt64Kind);
    QTest::newRow("double") << QByteArray("1.5") << int(TavixAttribute::DoubleKind);
    QTest::newRow("integral real") << QByteArray("3.0") << int(TavixAttribute::DoubleKind);
    QTest::newRow("string list") << QByteArray(R"(["a", "b"])") << int(TavixAttribute::StringListKind);
    QTest::newRow("null") << QByteArray("null") << -1;
    QTest::newRow("object") << QByteArray(R"({"a": 1})") << -1;
    QTest::newRow("empty array") << QByteArray("[]") << -1;
    QTest::newRow("array of numbers") << QByteArray(R"([1, "a"])") << -1;
}

void tst_WidgetBase::attributeKinds()
{
    QFETCH(QByteArray, value);
    QFETCH(int, kind);
    ProbeControl probe;
    Json::Value node = parse(QByteArray(R"({"attr": {"key": )" + value + "}}").constData());
    QVERIFY(probe.readJsonValue(&node));
    ProbeImpl *impl = probe.getImpl();
    QCOMPARE(impl->hasAttribute("key"), kind >= 0);
    const Json::Value out = written(probe);
    const Json::Value *attr = tavixAttrNode(out);
    QVERIFY(attr);
    if (kind < 0) {
        QVERIFY(!tavixJsonHas(*attr, "key"));
        return;
    }
    QCOMPARE(impl->getAttribute("key").kind, kind);
    // What is read is written back as the same JSON value.
    QVERIFY(attr);
    const Json::Value *back = tavixJsonMember(*attr, "key");
    QVERIFY(back);
    QCOMPARE(show(*back), show(parse(value.constData())));
    QVERIFY(*back == parse(value.constData()));
}

void tst_WidgetBase::attributesRoundTrip()
{
    const Json::Value page = parse(R"({"type": "tst_probe", "name": "p", "w": 10, "h": 10, "theme": "tst_probe",
        "attr": {"flag": false, "list": ["x", "y"], "count": 42, "caption": "own"}})");
    ProbeControl first;
    Json::Value in = page;
    QVERIFY(first.readJsonValue(&in));
    QCOMPARE(first.getImpl()->caption, QStringLiteral("own"));
    const Json::Value out = written(first);
    QVERIFY2(out == page, show(out).constData());

    // The control's own state wins over the copy kept in the attributes.
    first.getImpl()->caption.clear();
    QVERIFY(!tavixJsonHas(*tavixAttrNode(written(first)), "caption"));

    TavixAttribute list;
    list.kind = TavixAttribute::StringListKind;
    list.value = QStringList{QStringLiteral("\u00fc")};
    first.getImpl()->setAttribute("added", list);
    const Json::Value withList = written(first);
    const Json::Value *attr = tavixAttrNode(withList);
    QVERIFY(attr && tavixJsonHas(*attr, "added"));
    QCOMPARE(show((*attr)["added"]), show(parse(R"(["\u00fc"])")));
}

void tst_WidgetBase::themeAppliedAtConstruction()
{
    ProbeControl probe(QStringLiteral("tst_themed"));
    ProbeImpl *impl = probe.getImpl();
    QVERIFY(!themeSwitchUp());
    QVERIFY(impl->readUnderTheme);   // theme styles resolve against the theme set
    QCOMPARE(impl->backgrounds[Normal].name, QStringLiteral("themeRed"));
    QCOMPARE(impl->backgrounds[Disable].name, QStringLiteral("themeGray"));
    QCOMPARE(impl->caption, QStringLiteral("fromTheme"));
    // The entry's name, size and visibility are not applied.
    QVERIFY(probe.objectName().isEmpty());
    QVERIFY(!probe.property("visibility").isValid());
    QCOMPARE(probe.getControlBase()->layoutData[2], 0);

    // A control without an entry keeps its built-in look.
    ProbeControl plain;
    QVERIFY(plain.getImpl()->backgrounds[Normal].name.isEmpty());
    QVERIFY(!plain.getImpl()->readUnderTheme);

    // Built while another control reads its theme entry: the outer reader keeps its switch.
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(true);
    ProbeControl nested(QStringLiteral("tst_themed"));
    QVERIFY(themeSwitchUp());
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(false);
}

void tst_WidgetBase::themeSkippedInDesigner_data()
{
    QTest::addColumn<bool>("kitFlag");
    QTest::newRow("kit in designer") << true;
    QTest::newRow("resource manager in designer") << false;
}

void tst_WidgetBase::themeSkippedInDesigner()
{
    QFETCH(bool, kitFlag);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    if (kitFlag)
        tavixSetIsInDesigner(true);
    else
        manager->setIsDesigner(true);
    ProbeControl probe(QStringLiteral("tst_themed"));
    QVERIFY(probe.getImpl()->backgrounds[Normal].name.isEmpty());
    probe.getControlBase()->refreshTheme();
    QVERIFY(probe.getImpl()->caption.isEmpty());
    if (!kitFlag) {
        // Nor is a page node redirected to its theme entry.
        Json::Value node = parse(R"({"theme": "tst_alt"})");
        QVERIFY(probe.readJsonValue(&node));
        QVERIFY(probe.getImpl()->caption.isEmpty());
    }
}

void tst_WidgetBase::refreshAndSetThemeName()
{
    ProbeControl probe(QStringLiteral("tst_themed"));
    ProbeImpl *impl = probe.getImpl();
    impl->backgrounds[Normal] = FillStyle();
    probe.getControlBase()->refreshTheme();
    QCOMPARE(impl->backgrounds[Normal].name, QStringLiteral("themeRed"));
    QVERIFY(!themeSwitchUp());

    probe.setThemeName(QStringLiteral("tst_alt"));
    QCOMPARE(probe.getThemeName(), QStringLiteral("tst_alt"));
    QCOMPARE(impl->backgrounds[Hot].name, QStringLiteral("themeBlue"));
    QCOMPARE(impl->caption, QStringLiteral("alt"));
    QVERIFY(!themeSwitchUp());
    QCOMPARE(written(probe)["theme"].asString(), std::string("tst_alt"));
}

void tst_WidgetBase::themeKeyRedirectsOwnKeys()
{
    FillStyle pageRed;
    pageRed.name = QStringLiteral("pageRed");
    pageRed.color = Qt::red;
    TavixQResourceManager::getInstance()->setFillStyle(QStringLiteral("pageRed"), pageRed);

    ProbeControl probe;
    Json::Value node = parse(R"({"name": "n1", "theme": "tst_alt", "style": [["pageRed", 1, 0]],
                                 "attr": {"caption": "page"}})");
    QVERIFY(probe.readJsonValue(&node));
    QVERIFY(!themeSwitchUp());
    QCOMPARE(probe.objectName(), QStringLiteral("n1"));
    QCOMPARE(probe.getImpl()->backgrounds[Normal].name, QStringLiteral("themeBlue"));
    QCOMPARE(probe.getImpl()->caption, QStringLiteral("alt"));
    QCOMPARE(probe.getThemeName(), QStringLiteral("tst_probe"));   // the name itself is not stored

    // An unknown theme name reads the page's own keys.
    ProbeControl other;
    Json::Value own = parse(R"({"theme": "nosuch", "style": [["pageRed", 1, 0]]})");
    QVERIFY(other.readJsonValue(&own));
    QCOMPARE(other.getImpl()->backgrounds[Hot].name, QStringLiteral("pageRed"));
    QVERIFY(!themeSwitchUp());
}

void tst_WidgetBase::stateTransitions_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("state");
    QTest::newRow("enter") << "enter" << int(Hot);
    QTest::newRow("enter press") << "enter press" << int(Pressed);
    QTest::newRow("enter press release") << "enter press release" << int(Hot);
    QTest::newRow("press release without hover") << "press release" << int(Normal);
    QTest::newRow("enter press leave") << "enter press leave" << int(Normal);
    QTest::newRow("enter leave release") << "enter press leave release" << int(Normal);
}

void tst_WidgetBase::stateTransitions()
{
    QFETCH(QString, steps);
    QFETCH(int, state);
    ProbeControl probe;
    probe.resize(40, 20);
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step == QLatin1String("enter")) {
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(&probe, &enter);
        } else if (step == QLatin1String("leave")) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&probe, &leave);
        } else if (step == QLatin1String("press")) {
            QTest::mousePress(&probe, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        } else {
            QTest::mouseRelease(&probe, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        }
    }
    QCOMPARE(probe.getImpl()->state, state);
}

void tst_WidgetBase::disabledPaintsDisable()
{
    ProbeControl probe(QStringLiteral("tst_themed"));   // Normal red, Hot green, Pressed blue, Disable gray
    probe.resize(40, 20);
    QCOMPARE(centreColour(probe), QColor(Qt::red));
    probe.setEnabled(false);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&probe, &leave);
    QCOMPARE(probe.getImpl()->state, int(Disable));
    probe.getImpl()->state = Hot;   // paint re-checks the enabled state whatever came before
    QCOMPARE(centreColour(probe), QColor(0x80, 0x80, 0x80));
    QCOMPARE(probe.getImpl()->state, int(Disable));
    probe.setEnabled(true);
    QCOMPARE(centreColour(probe), QColor(Qt::red));
    QCOMPARE(probe.getImpl()->state, int(Normal));
}

void tst_WidgetBase::jsonDataAppliedOnce()
{
    ProbeControl probe;
    probe.setJsonData(QStringLiteral(R"({"name": "first"})"));
    QCOMPARE(probe.objectName(), QStringLiteral("first"));
    probe.setJsonData(QStringLiteral(R"({"name": "second"})"));
    QCOMPARE(probe.objectName(), QStringLiteral("first"));
    QCOMPARE(probe.jsonData(), QStringLiteral(R"({"name": "second"})"));

    ProbeControl broken;
    broken.setJsonData(QStringLiteral("{\"name\": "));
    QCOMPARE(broken.jsonData(), QStringLiteral("{\"name\": "));
    broken.setJsonData(QStringLiteral(R"({"name": "late"})"));
    QVERIFY(broken.objectName().isEmpty());   // only the first non-empty text is applied

    ProbeControl themed;
    themed.setJsonData(QStringLiteral(R"({"theme": "tst_alt"})"));
    QCOMPARE(themed.getImpl()->caption, QStringLiteral("alt"));
    QVERIFY(!themeSwitchUp());
}

void tst_WidgetBase::menuSkipsCommonKeys()
{
    ProbeControl menu(QStringLiteral("qtmenu"));
    menu.setObjectName(QStringLiteral("fileMenu"));
    menu.setGeometry(0, 0, 100, 30);
    const Json::Value node = written(menu);
    for (const char *key : {"type", "name", "w", "h", "layout"})
        QVERIFY2(!tavixJsonHas(node, key), key);
    QVERIFY(tavixJsonHas(node, "theme"));

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
    first.setObjectName(QStringLiteral("a"));
    QWidget plain(&parent);   // not a kit control: not written
    ProbeControl second(QStringLiteral("tst_probe"), &parent);
    second.setObjectName(QStringLiteral("b"));
    ProbeControl grandChild(QStringLiteral("tst_probe"), &second);
    grandChild.setObjectName(QStringLiteral("c"));

    Json::Value node = written(parent);
    const Json::Value *children = tavixJsonMember(node, "child");
    QVERIFY(children && children->isArray());
    QCOMPARE(children->size(), 2u);
    QCOMPARE((*children)[0]["name"].asString(), std::string("a"));
    QCOMPARE((*children)[1]["name"].asString(), std::string("b"));
    QCOMPARE((*children)[1]["child"][0]["name"].asString(), std::string("c"));

    tavixEnableSerializeChild(false);
    node = written(parent);
    tavixEnableSerializeChild(true);
    QVERIFY(!tavixJsonHas(node, "child"));

    ProbeControl leaf;
    QVERIFY(!tavixJsonHas(written(leaf), "child"));
}

void tst_WidgetBase::implPropertyClearedWithImpl()
{
    QWidget widget;
    QVERIFY(!TavixQWidgetBaseImpl::fromWidget(&widget));
    widget.setProperty("impl", 42);   // a foreign property of another kind is not an Impl
    QVERIFY(!TavixQWidgetBaseImpl::fromWidget(&widget));
    auto *impl = new TavixQWidgetBaseImpl(&widget, QStringLiteral("tst_probe"));
    QCOMPARE(TavixQWidgetBaseImpl::fromWidget(&widget), impl);
    QCOMPARE(impl->themeName, QStringLiteral("tst_probe"));
    TavixQWidgetBase base(&widget);
    QCOMPARE(base.getThemeName(), QStringLiteral("tst_probe"));
    delete impl;
    QVERIFY(!TavixQWidgetBaseImpl::fromWidget(&widget));
    QVERIFY(base.getThemeName().isEmpty());
}

void tst_WidgetBase::cloneWidget()
{
    QWidget parent;
    ProbeControl probe(QStringLiteral("tst_probe"), &parent);
    QPointer<QWidget> clone = probe.cloneWidget(QStringLiteral("ignored"));
    QVERIFY(qobject_cast<ProbeControl *>(clone));
    QCOMPARE(clone->parentWidget(), &parent);

    ProbeControl unregistered(QStringLiteral("tst_unregistered"), &parent);
    QVERIFY(!unregistered.cloneWidget(QString()));
}

QTEST_MAIN(tst_WidgetBase)
#include "tst_widgetbase.moc"
