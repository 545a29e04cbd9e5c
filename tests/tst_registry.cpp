#include "core/CScrollBarStyle.h"
#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <memory>

using namespace TavixQtLib;

namespace {

// A kit control reduced to what the registry touches: it records the node it is asked to read.
class FakeControl : public QWidget, public ITavixQWidgetBase
{
public:
    TavixQWidgetBase *getControlBase() override { return nullptr; }
    QString getTypeName() const override { return QStringLiteral("tstFake"); }
    TavixQWidgetBaseImpl *getControlImpl() const override { return nullptr; }
    static QWidget *create() { return new FakeControl; }
    bool readJsonValue(void *node) override
    {
        ++reads;
        readNode = static_cast<const Json::Value *>(node);
        return true;
    }
    void setOpacity(int value) override { opacity = value; }
    int getOpacity() const override { return opacity; }

    int reads = 0;
    const Json::Value *readNode = nullptr;
    int opacity = 255;
};

// Distinct creators, so a test can tell which one the registry called.
QWidget *named(const char *name)
{
    auto *w = new QWidget;
    w->setObjectName(QLatin1String(name));
    return w;
}
QWidget *createPlainA() { return named("A"); }
QWidget *createPlainB() { return named("B"); }
QWidget *createNothing() { return nullptr; }

QString boundName;   // "name/type" of the last call
int boundCalls = 0;
QWidget *boundCreate(const QString &name, const QString &type)
{
    ++boundCalls;
    boundName = name + QLatin1Char('/') + type;
    return name == QLatin1String("decline") ? nullptr : named("bound");
}

ControlInfo makeInfo(const char *typeName, const char *className)
{
    ControlInfo info;
    info.typeName = typeName;
    info.className = className;
    info.properties.resize(2);
    return info;
}

// The object name of a created widget, which is then deleted; "null" when nothing was created.
QString createdName(QWidget *w)
{
    const std::unique_ptr<QWidget> owned(w);
    return w ? w->objectName() : QStringLiteral("null");
}

} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, before anything calls init().
    void wrappersGuardedBeforeInit();
    void initRunsOnce();
    void builtInRegistrations_data();
    void builtInRegistrations();

    void keywordsOrderedBytewiseAndCaseSensitive();
    void reRegistrationKeepsDescriptorPointers();
    void nothingRegisteredOrCreated();
    void createFromNodeReadsKitControls();
    void boundCreatorOnlyForNodes();

    void fadeDurationStored_data();
    void fadeDurationStored();
    void fontFamily();
    void emulatorDetection_data();
    void emulatorDetection();
    void bindAccessorThroughSecondaryBase();
    void sliderHandleRect_data();
    void sliderHandleRect();
};

void tst_Registry::wrappersGuardedBeforeInit()
{
    if (tavixIsInitialized())
        QSKIP("init() already ran in this process");

    // Loadable directories, so an unguarded wrapper would succeed or install a set.
    QTemporaryDir dir;
    QFile style(dir.filePath(QStringLiteral("style.json")));
    QVERIFY(style.open(QIODevice::WriteOnly) && style.write("{\"style\": []}") > 0);
    style.close();
    const QString path = dir.path() + QLatin1Char('/');
    auto *rm = TavixQResourceManager::getInstance();
    const float scale = rm->getScaleFactor();

    QVERIFY(!tavixLoadThemeDir(path.toUtf8().constData()));
    QVERIFY(!tavixSetSkinFilePath(path, 0.5f));
    QVERIFY(!tavixSetProjectFilePath(path));
    QVERIFY(!tavixNotifyThemeChange());
    QVERIFY(!rm->getThemeManagerIml());
    QVERIFY(!rm->getProjectManagerImpl());
    QVERIFY(rm->getSkinDirPath().isEmpty());
    QCOMPARE(rm->getScaleFactor(), scale);
}

void tst_Registry::initRunsOnce()
{
    init();
    QVERIFY(tavixIsInitialized());
    QPointer<QStyle> installed = tavixGetStyle();
    QCOMPARE(QApplication::style(), installed.data());
    QVERIFY(qobject_cast<CScrollBarStyle *>(installed.data()));
    QVERIFY(!tavixIsQtEmulator());   // this executable's path carries no marker

    // The application deletes its style when another replaces it; a second init() leaves that choice alone.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    init();
    QVERIFY(!qobject_cast<CScrollBarStyle *>(QApplication::style()));

    // The deleted instance is not handed out again.
    QVERIFY(installed.isNull());
    QStyle *fresh = tavixGetStyle();
    QVERIFY(qobject_cast<CScrollBarStyle *>(fresh));
    QCOMPARE(tavixGetStyle(), fresh);
    QApplication::setStyle(fresh);
}

void tst_Registry::builtInRegistrations_data()
{
    QTest::addColumn<QString>("className");   // empty: creator only, neither described nor listed
    QTest::addColumn<QString>("type");        // keyword of the control created
    const auto row = [](const char *keyword, const char *className, const char *type) {
        QTest::newRow(keyword) << QString::fromLatin1(className) << QString::fromLatin1(type);
    };
    row("qtcontainer", "TavixQContainer", "qtcontainer");       row("qtbutton", "TavixQPushButton", "qtbutton");
    row("qtcheckbox", "TavixQCheckBox", "qtcheckbox");          row("qtradiobox", "TavixQRadioButton", "qtradiobox");
    row("qtstackcontainer", "TavixQStackContainer", "qtstackcontainer");
    row("qtspacer", "TavixQSpacer", "qtspacer");                row("qtgroupbox", "TavixQGroupBox", "qtgroupbox");
    row("qtscrollview", "TavixQScrollView", "qtscrollview");    row("qtscrollbar", "TavixQScrollBar", "qtscrollbar");
    row("qtsplitter", "", "qtsplitter");                        row("splitter", "", "qtsplitter");
    row("scrollbar", "", "qtscrollbar");                        row("container", "", "qtcontainer");
    row("scrollview", "", "qtscrollview");                      row("button", "", "qtbutton");
    row("checkbox", "", "qtcheckbox");                          row("radio", "", "qtradiobox");
    row("radiobox", "", "qtradiobox");                          row("stackcontainer", "", "qtstackcontainer");
    row("groupbox", "", "qtgroupbox");
}

void tst_Registry::builtInRegistrations()
{
    QFETCH(QString, className);
    QFETCH(QString, type);
    const QString keyword = QString::fromLatin1(QTest::currentDataTag());
    ControlInfo *info = tavixGetControlInfo(keyword);
    QCOMPARE(info ? QString::fromStdString(info->className) : QString(), className);
    QCOMPARE(info ? QString::fromStdString(info->typeName) : QString(), info ? keyword : QString());
    QCOMPARE(tavixGetAllControlInfo().contains(info), bool(info));
    QCOMPARE(listedTypes().count(keyword.toStdString()), size_t(info ? 1 : 0));
    QWidget parent;
    QWidget *widget = tavixCreateControlByKeyword(qPrintable(keyword), &parent);
    auto *control = dynamic_cast<ITavixQWidgetBase *>(widget);
    QVERIFY(control && widget->parentWidget() == &parent);
    QCOMPARE(control->getTypeName(), type);
}

void tst_Registry::keywordsOrderedBytewiseAndCaseSensitive()
{
    tavixRegisterQtControl("tstOrder_b", &createPlainA, makeInfo("order", "B"), true);
    tavixRegisterQtControl("tstOrder_B", &createPlainA, makeInfo("order", "UpperB"), false);
    tavixRegisterQtControl("tstOrder__", &createPlainA, makeInfo("order", "Underscore"), true);
    tavixRegisterQtControl("tstOrder_a", &createPlainA, makeInfo("order", "A"), false);

    QStringList order;
    for (ControlInfo *info : tavixGetAllControlInfo()) {
        if (info->typeName == "order")
            order << QString::fromStdString(info->className);
    }
    // 'B' (0x42) < '_' (0x5f) < 'a' (0x61) < 'b' (0x62)
    QCOMPARE(order, QStringList({"UpperB", "Underscore", "A", "B"}));
    QCOMPARE(tavixGetControlInfo(QStringLiteral("tstOrder_B"))->className, std::string("UpperB"));
    QVERIFY(!tavixGetControlInfo(QStringLiteral("TSTORDER_B")));
    const auto &listed = listedTypes();
    QCOMPARE(int(listed.count("tstOrder_b") + listed.count("tstOrder__")), 2);
    QCOMPARE(int(listed.count("tstOrder_B") + listed.count("tstOrder_a")), 0);
}

void tst_Registry::reRegistrationKeepsDescriptorPointers()
{
    tavixRegisterQtControl("tstTwice", &createPlainA, makeInfo("twice", "First"), true);
    ControlInfo *before = tavixGetControlInfo(QStringLiteral("tstTwice"));
    // Many other registrations in between must not move the node.
    for (int i = 0; i < 64; ++i)
        tavixRegisterDefaultControl(QByteArray("tstFiller").append(QByteArray::number(i)).constData(), &createPlainA);

    ControlInfo second = makeInfo("twice", "Second");
    second.properties.resize(5);
    second.properties[4].label = QStringLiteral("Extra");
    tavixRegisterQtControl("tstTwice", &createPlainB, second, false);

    QVERIFY(before && tavixGetControlInfo(QStringLiteral("tstTwice")) == before);
    QCOMPARE(before->className, std::string("Second"));
    QCOMPARE(before->properties.size(), size_t(5));
    QCOMPARE(before->properties[4].label, QStringLiteral("Extra"));
    // The last registration wins for the creator too; the earlier listing stays.
    QCOMPARE(createdName(tavixCreateControlByKeyword("tstTwice", nullptr)), QStringLiteral("B"));
    QVERIFY(listedTypes().count("tstTwice"));
}

void tst_Registry::nothingRegisteredOrCreated()
{
    // Registrations with a null keyword or creator are ignored.
    const size_t sizes[] = {creatorMap().size(), controlInfoMap().size(), listedTypes().size()};
    tavixRegisterQtControl(nullptr, &createPlainA, makeInfo("null", "Null"), true);
    tavixRegisterQtControl("tstNullArgs", nullptr, makeInfo("null", "Null"), true);
    tavixRegisterDefaultControl(nullptr, &createPlainA);
    tavixRegisterDefaultControl("tstNullArgs", nullptr);
    QCOMPARE(creatorMap().size(), sizes[0]);
    QCOMPARE(controlInfoMap().size(), sizes[1]);
    QCOMPARE(listedTypes().size(), sizes[2]);

    // Unknown keywords and creators returning null create nothing.
    tavixRegisterDefaultControl("tstNothing", &createNothing);
    QWidget parent;
    const Json::Value node(Json::objectValue);
    for (const char *keyword : {"tstNullArgs", "tstUnknown", "tstNothing", static_cast<const char *>(nullptr)}) {
        QVERIFY(!tavixCreateControlFromNode(keyword, node, &parent));
        QVERIFY(!tavixCreateControlByKeyword(keyword, &parent));
    }
    QVERIFY(parent.children().isEmpty());
}

void tst_Registry::createFromNodeReadsKitControls()
{
    tavixRegisterQtControl("tstFake", &FakeControl::create, makeInfo("tstFake", "FakeControl"), true);
    tavixRegisterDefaultControl("tstPlain", &createPlainA);
    auto *rm = TavixQResourceManager::getInstance();
    QWidget parent;

    // A page node's styles come from the regular sets: the theme switch is lowered before the read.
    const Json::Value node(Json::objectValue);
    rm->setSwitchToThemeRes(true);
    auto *fake = dynamic_cast<FakeControl *>(tavixCreateControlFromNode("tstFake", node, &parent));
    QVERIFY(fake && fake->parentWidget() == &parent);
    QCOMPARE(fake->readNode, &node);
    QVERIFY(!rm->isLoadFromThemeRes());

    // A null node is not read, and nor is the node of a creation by keyword.
    fake = dynamic_cast<FakeControl *>(tavixCreateControlFromNode("tstFake", Json::Value(), &parent));
    QVERIFY(fake && fake->reads == 0);
    fake = dynamic_cast<FakeControl *>(tavixCreateControlByKeyword("tstFake", &parent));
    QVERIFY(fake && fake->reads == 0 && fake->parentWidget() == &parent);

    // A plain widget is created and parented; there is nothing to read and the switch stays.
    rm->setSwitchToThemeRes(true);
    QWidget *plain = tavixCreateControlFromNode("tstPlain", node, &parent);
    QVERIFY(plain && plain->parentWidget() == &parent);
    QVERIFY(rm->isLoadFromThemeRes());
    rm->setSwitchToThemeRes(false);
}

void tst_Registry::boundCreatorOnlyForNodes()
{
    tavixRegisterDefaultControl("tstBound", &createPlainA);
    struct Unbind { ~Unbind() { tavixBindControlCreateFunction(nullptr); } } unbind;
    tavixBindControlCreateFunction(&boundCreate);
    QWidget parent;

    Json::Value node(Json::objectValue);
    node["name"] = "ok";
    QWidget *widget = tavixCreateControlFromNode("tstBound", node, &parent);
    QVERIFY(widget && widget->parentWidget() == &parent);
    QCOMPARE(widget->objectName(), QStringLiteral("bound"));
    QCOMPARE(boundName, QStringLiteral("ok/tstBound"));

    // It also answers for keywords the registry does not know; a numeric name converts to its digits, a container reads as empty.
    QCOMPARE(createdName(tavixCreateControlFromNode("tstNotInRegistry", Json::Value(), &parent)),
             QStringLiteral("bound"));
    QCOMPARE(boundName, QStringLiteral("/tstNotInRegistry"));
    node["name"] = 42;
    QVERIFY(tavixCreateControlFromNode("tstBound", node, &parent));
    QCOMPARE(boundName, QStringLiteral("42/tstBound"));
    node["name"] = Json::Value(Json::arrayValue);
    QVERIFY(tavixCreateControlFromNode("tstBound", node, &parent));
    QCOMPARE(boundName, QStringLiteral("/tstBound"));

    // A declining bound creator falls back to the registry; creation by keyword never asks it.
    node["name"] = "decline";
    QCOMPARE(createdName(tavixCreateControlFromNode("tstBound", node, &parent)), QStringLiteral("A"));
    const int calls = boundCalls;
    QCOMPARE(createdName(tavixCreateControlByKeyword("tstBound", &parent)), QStringLiteral("A"));
    QCOMPARE(boundCalls, calls);
}

void tst_Registry::fadeDurationStored_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("zero") << 0 << 150;          QTest::newRow("negative") << -5 << 150;
    QTest::newRow("INT_MIN") << INT_MIN << 150; QTest::newRow("one") << 1 << 1;
}

void tst_Registry::fadeDurationStored()
{
    QFETCH(int, given);
    QFETCH(int, stored);
    TavixGlobalConfig config;
    config.buttonFadeEnabled = true;
    config.buttonFadeDuration = given;
    tavixSetGlobalConfig(config);
    QCOMPARE(tavixGetGlobalConfig().buttonFadeDuration, stored);
    QVERIFY(tavixGetGlobalConfig().buttonFadeEnabled);
    QCOMPARE(TavixQResourceManager::getInstance()->getButtonFadeDuration(), stored);
}

void tst_Registry::fontFamily()
{
    const QFont original = QApplication::font();
    TavixGlobalConfig config;
    tavixSetGlobalConfig(config);
    QCOMPARE(QApplication::font(), original);
    QVERIFY(tavixGetGlobalFontFamily().isEmpty());

    config.fontFamily = QStringLiteral("TavixProbeSans");
    config.buttonFadeDuration = 321;
    tavixSetGlobalConfig(config);
    QCOMPARE(QApplication::font().family(), config.fontFamily);
    QCOMPARE(tavixGetGlobalFontFamily(), config.fontFamily);

    // Changing only the family keeps the rest of the configuration.
    tavixSetGlobalFontFamily(QStringLiteral("TavixProbeMono"));
    QCOMPARE(QApplication::font().family(), QStringLiteral("TavixProbeMono"));
    QCOMPARE(tavixGetGlobalConfig().buttonFadeDuration, 321);

    QApplication::setFont(original);
    tavixSetGlobalConfig(TavixGlobalConfig());
}

void tst_Registry::emulatorDetection_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("emulator");
    QTest::newRow("plain") << "/opt/tavix/bin/TavixDashboard" << false;
    QTest::newRow("emulator folder") << "/opt/CorvellaQtEmulator/bin/app" << true;
    QTest::newRow("designer exe") << "C:\\Tools\\NewQtDesigner.exe" << true;
    QTest::newRow("lower case") << "/x/newqtdesigner/corvellaqtemulator" << false;
}

void tst_Registry::emulatorDetection()
{
    QFETCH(QString, path);
    QFETCH(bool, emulator);
    tavixSetQtEmulator(false);
    tavixDetectEmulator(path);
    QCOMPARE(tavixIsQtEmulator(), emulator);

    // Detection only ever switches the mode on.
    tavixSetQtEmulator(true);
    tavixDetectEmulator(path);
    QVERIFY(tavixIsQtEmulator());
    tavixSetQtEmulator(false);
}

void tst_Registry::bindAccessorThroughSecondaryBase()
{
    PropertyDef alpha;
    alpha.setInt = tavixBindAccessor(&ITavixQWidgetBase::setOpacity);
    alpha.getInt = tavixBindAccessor(&ITavixQWidgetBase::getOpacity);

    FakeControl fake;
    // The interface sits after QWidget in the object, so the binding must adjust the pointer.
    QVERIFY(static_cast<void *>(static_cast<ITavixQWidgetBase *>(&fake)) != static_cast<void *>(&fake));
    alpha.setInt(&fake, 77);
    QCOMPARE(fake.opacity, 77);
    QCOMPARE(alpha.getInt(&fake), 77);

    // A widget of another class is left alone and reads as the default value.
    QWidget plain;
    alpha.setInt(&plain, 12);
    alpha.setInt(nullptr, 5);
    QCOMPARE(alpha.getInt(&plain), 0);
    QCOMPARE(alpha.getInt(nullptr), 0);
    QCOMPARE(fake.opacity, 77);
}

void tst_Registry::sliderHandleRect_data()
{
    QTest::addColumn<QRect>("base");
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QRect>("expected");
    // Odd sizes expose the integer halving; the position along the groove is the base style's.
    QTest::newRow("horizontal") << QRect(37, 2, 20, 26) << QSize(13, 7) << QSize(200, 30) << int(Qt::Horizontal)
                                << QRect(37, 11, 13, 7);
    QTest::newRow("vertical") << QRect(3, 61, 25, 20) << QSize(9, 11) << QSize(31, 300) << int(Qt::Vertical)
                              << QRect(11, 61, 9, 11);
    QTest::newRow("thumb wider than widget") << QRect(5, 40, 10, 10) << QSize(24, 6) << QSize(20, 100)
                                             << int(Qt::Vertical) << QRect(-2, 40, 24, 6);
}

void tst_Registry::sliderHandleRect()
{
    QFETCH(QRect, base);
    QFETCH(QSize, thumb);
    QFETCH(QSize, widget);
    QFETCH(int, orientation);
    QFETCH(QRect, expected);
    QCOMPARE(CScrollBarStyle::sliderHandleRect(base, thumb, widget, Qt::Orientation(orientation)), expected);
}

QTEST_MAIN(tst_Registry)
#include "tst_registry.moc"
