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
    static QWidget *create() { return new FakeControl; }

    TavixQWidgetBase *getControlBase() override { return nullptr; }
    QString getTypeName() const override { return QStringLiteral("tstFake"); }
    TavixQWidgetBaseImpl *getControlImpl() const override { return nullptr; }
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
QWidget *createPlainA() { auto *w = new QWidget; w->setObjectName(QStringLiteral("A")); return w; }
QWidget *createPlainB() { auto *w = new QWidget; w->setObjectName(QStringLiteral("B")); return w; }
QWidget *createNothing() { return nullptr; }

QString boundName;
QString boundType;
int boundCalls = 0;
QWidget *boundCreate(const QString &name, const QString &type)
{
    ++boundCalls;
    boundName = name;
    boundType = type;
    if (name == QLatin1String("decline"))
        return nullptr;
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("bound"));
    return w;
}

ControlInfo makeInfo(const char *typeName, const char *className)
{
    ControlInfo info;
    info.typeName = typeName;
    info.className = className;
    info.properties.resize(2);
    return info;
}

std::unique_ptr<QWidget> owned(QWidget *w) { return std::unique_ptr<QWidget>(w); }

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, before anything calls init().
    void wrappersGuardedBeforeInit();
    void initRunsOnce();

    void keywordsOrderedBytewiseAndCaseSensitive();
    void reRegistrationKeepsDescriptorPointers();
    void nullArgumentsIgnored_data();
    void nullArgumentsIgnored();
    void aliasIsCreatableButUndescribed();
    void createFromNodeReadsKitControls();
    void boundCreatorOnlyForNodes();
    void unregisteredOrFailingCreators();

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
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("style.json")), "{\"style\": []}"));
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

void tst_Registry::keywordsOrderedBytewiseAndCaseSensitive()
{
    tavixRegisterQtControl("tstOrder_b", &createPlainA, makeInfo("order", "B"), true);
    tavixRegisterQtControl("tstOrder_B", &createPlainA, makeInfo("order", "UpperB"), false);
    tavixRegisterQtControl("tstOrder__", &createPlainA, makeInfo("order", "Underscore"), true);
    tavixRegisterQtControl("tstOrder_a", &createPlainA, makeInfo("order", "A"), false);

    QStringList order;
    for (ControlInfo *info : tavixGetAllControlInfo()) {
        QVERIFY(info);
        if (info->typeName == "order")
            order << QString::fromStdString(info->className);
    }
    // 'B' (0x42) < '_' (0x5f) < 'a' (0x61) < 'b' (0x62)
    QCOMPARE(order, QStringList({"UpperB", "Underscore", "A", "B"}));

    QCOMPARE(tavixGetControlInfo(QStringLiteral("tstOrder_B"))->className, std::string("UpperB"));
    QCOMPARE(tavixGetControlInfo(QStringLiteral("tstOrder_b"))->className, std::string("B"));
    QVERIFY(!tavixGetControlInfo(QStringLiteral("TSTORDER_B")));

    const auto &listed = listedTypes();
    QVERIFY(listed.count("tstOrder_b"));
    QVERIFY(listed.count("tstOrder__"));
    QVERIFY(!listed.count("tstOrder_B"));
    QVERIFY(!listed.count("tstOrder_a"));
}

void tst_Registry::reRegistrationKeepsDescriptorPointers()
{
    tavixRegisterQtControl("tstTwice", &createPlainA, makeInfo("twice", "First"), true);
    ControlInfo *before = tavixGetControlInfo(QStringLiteral("tstTwice"));
    QVERIFY(before);
    // Many other registrations in between must not move the node.
    for (int i = 0; i < 64; ++i)
        tavixRegisterDefaultControl(QByteArray("tstFiller").append(QByteArray::number(i)).constData(), &createPlainA);

    ControlInfo second = makeInfo("twice", "Second");
    second.properties.resize(5);
    second.properties[4].label = QStringLiteral("Extra");
    tavixRegisterQtControl("tstTwice", &createPlainB, second, false);

    QCOMPARE(tavixGetControlInfo(QStringLiteral("tstTwice")), before);
    QCOMPARE(before->className, std::string("Second"));
    QCOMPARE(before->properties.size(), size_t(5));
    QCOMPARE(before->properties[4].label, QStringLiteral("Extra"));
    // The last registration wins for the creator too; the earlier listing stays.
    auto widget = owned(tavixCreateControlByKeyword("tstTwice", nullptr));
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), QStringLiteral("B"));
    QVERIFY(listedTypes().count("tstTwice"));
}

void tst_Registry::nullArgumentsIgnored_data()
{
    QTest::addColumn<bool>("described");
    QTest::addColumn<bool>("nullKeyword");
    QTest::newRow("described, null keyword") << true << true;
    QTest::newRow("described, null creator") << true << false;
    QTest::newRow("creator only, null keyword") << false << true;
    QTest::newRow("creator only, null creator") << false << false;
}

void tst_Registry::nullArgumentsIgnored()
{
    QFETCH(bool, described);
    QFETCH(bool, nullKeyword);
    const char *keyword = nullKeyword ? nullptr : "tstNullArgs";
    const ControlCreateFunction create = nullKeyword ? &createPlainA : nullptr;
    const size_t creators = creatorMap().size();
    const size_t infos = controlInfoMap().size();
    const size_t listed = listedTypes().size();

    if (described)
        tavixRegisterQtControl(keyword, create, makeInfo("null", "Null"), true);
    else
        tavixRegisterDefaultControl(keyword, create);

    QCOMPARE(creatorMap().size(), creators);
    QCOMPARE(controlInfoMap().size(), infos);
    QCOMPARE(listedTypes().size(), listed);
    QVERIFY(!tavixCreateControlByKeyword("tstNullArgs", nullptr));
}

void tst_Registry::aliasIsCreatableButUndescribed()
{
    tavixRegisterDefaultControl("tstAlias", &createPlainA);
    QVERIFY(!tavixGetControlInfo(QStringLiteral("tstAlias")));
    QVERIFY(!listedTypes().count("tstAlias"));
    for (ControlInfo *info : tavixGetAllControlInfo())
        QVERIFY(info->typeName != "tstAlias");

    QWidget parent;
    QWidget *widget = tavixCreateControlByKeyword("tstAlias", &parent);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &parent);
}

void tst_Registry::createFromNodeReadsKitControls()
{
    tavixRegisterQtControl("tstFake", &FakeControl::create, makeInfo("tstFake", "FakeControl"), true);
    tavixRegisterDefaultControl("tstPlain", &createPlainA);
    auto *rm = TavixQResourceManager::getInstance();
    QWidget parent;

    Json::Value node(Json::objectValue);
    node["name"] = "first";
    rm->setSwitchToThemeRes(true);
    auto *fake = dynamic_cast<FakeControl *>(tavixCreateControlFromNode("tstFake", node, &parent));
    QVERIFY(fake);
    QCOMPARE(fake->parentWidget(), &parent);
    QCOMPARE(fake->reads, 1);
    QCOMPARE(fake->readNode, &node);
    QVERIFY(!rm->isLoadFromThemeRes());   // a page node's styles come from the regular sets

    rm->setSwitchToThemeRes(true);
    fake = dynamic_cast<FakeControl *>(tavixCreateControlFromNode("tstFake", Json::Value(), &parent));
    QVERIFY(fake);
    QCOMPARE(fake->reads, 0);             // a null node is not read
    QVERIFY(!rm->isLoadFromThemeRes());

    // A plain widget is created and parented; there is nothing to read.
    rm->setSwitchToThemeRes(true);
    QWidget *plain = tavixCreateControlFromNode("tstPlain", node, &parent);
    QVERIFY(plain);
    QCOMPARE(plain->parentWidget(), &parent);
    QVERIFY(rm->isLoadFromThemeRes());
    rm->setSwitchToThemeRes(false);

    // By keyword the node is never read.
    fake = dynamic_cast<FakeControl *>(tavixCreateControlByKeyword("tstFake", &parent));
    QVERIFY(fake);
    QCOMPARE(fake->reads, 0);
    QCOMPARE(fake->parentWidget(), &parent);
}

void tst_Registry::boundCreatorOnlyForNodes()
{
    tavixRegisterDefaultControl("tstBound", &createPlainA);
    struct Unbind { ~Unbind() { tavixBindControlCreateFunction(nullptr); } } unbind;
    tavixBindControlCreateFunction(&boundCreate);
    boundCalls = 0;
    QWidget parent;

    Json::Value node(Json::objectValue);
    node["name"] = "ok";
    QWidget *widget = tavixCreateControlFromNode("tstBound", node, &parent);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), QStringLiteral("bound"));
    QCOMPARE(widget->parentWidget(), &parent);
    QCOMPARE(boundName, QStringLiteral("ok"));
    QCOMPARE(boundType, QStringLiteral("tstBound"));

    // The bound creator also answers for keywords the registry does not know.
    widget = tavixCreateControlFromNode("tstNotInRegistry", Json::Value(), &parent);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), QStringLiteral("bound"));
    QCOMPARE(boundName, QString());

    // A name of the wrong kind reads as empty; a declining bound creator falls back to the registry.
    node["name"] = 42;
    widget = tavixCreateControlFromNode("tstBound", node, &parent);
    QVERIFY(widget);
    QCOMPARE(boundName, QString());
    node["name"] = "decline";
    widget = tavixCreateControlFromNode("tstBound", node, &parent);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), QStringLiteral("A"));

    const int calls = boundCalls;
    widget = tavixCreateControlByKeyword("tstBound", &parent);
    QVERIFY(widget);
    QCOMPARE(widget->objectName(), QStringLiteral("A"));
    QCOMPARE(boundCalls, calls);
}

void tst_Registry::unregisteredOrFailingCreators()
{
    tavixRegisterDefaultControl("tstNothing", &createNothing);
    QWidget parent;
    const Json::Value node(Json::objectValue);
    QVERIFY(!tavixCreateControlFromNode("tstUnknown", node, &parent));
    QVERIFY(!tavixCreateControlByKeyword("tstUnknown", &parent));
    QVERIFY(!tavixCreateControlFromNode("tstNothing", node, &parent));
    QVERIFY(!tavixCreateControlByKeyword("tstNothing", &parent));
    QVERIFY(!tavixCreateControlFromNode(nullptr, node, &parent));
    QVERIFY(!tavixCreateControlByKeyword(nullptr, &parent));
    QVERIFY(parent.children().isEmpty());
}

void tst_Registry::fadeDurationStored_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("stored");
    QTest::newRow("zero") << 0 << 150;
    QTest::newRow("negative") << -5 << 150;
    QTest::newRow("INT_MIN") << INT_MIN << 150;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("long") << 4000 << 4000;
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
    const QString other = original.family() == QLatin1String("TavixProbeSans") ? QStringLiteral("TavixProbeSerif")
                                                                              : QStringLiteral("TavixProbeSans");

    TavixGlobalConfig config;
    tavixSetGlobalConfig(config);
    QCOMPARE(QApplication::font(), original);
    QVERIFY(tavixGetGlobalFontFamily().isEmpty());

    config.fontFamily = other;
    config.buttonFadeDuration = 321;
    tavixSetGlobalConfig(config);
    QCOMPARE(QApplication::font().family(), other);
    QCOMPARE(QApplication::font().pointSizeF(), original.pointSizeF());
    QCOMPARE(tavixGetGlobalFontFamily(), other);

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
    QTest::newRow("empty") << "" << false;
    QTest::newRow("emulator folder") << "/opt/CorvellaQtEmulator/bin/app" << true;
    QTest::newRow("designer exe") << "C:\\Tools\\NewQtDesigner.exe" << true;
    QTest::newRow("both") << "/x/CorvellaQtEmulator/NewQtDesigner" << true;
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
    alpha.type = Int;
    alpha.setInt = tavixBindAccessor(&ITavixQWidgetBase::setOpacity);
    alpha.getInt = tavixBindAccessor(&ITavixQWidgetBase::getOpacity);

    FakeControl fake;
    // The interface sits after QWidget in the object, so the binding must adjust the pointer.
    QVERIFY(static_cast<void *>(static_cast<ITavixQWidgetBase *>(&fake)) != static_cast<void *>(&fake));
    alpha.target = &fake;
    alpha.setInt(alpha.target, 77);
    QCOMPARE(fake.opacity, 77);
    QCOMPARE(alpha.getInt(alpha.target), 77);

    // A widget of another class is left alone and reads as the default value.
    QWidget plain;
    alpha.setInt(&plain, 12);
    QCOMPARE(alpha.getInt(&plain), 0);
    QCOMPARE(alpha.getInt(nullptr), 0);
    alpha.setInt(nullptr, 5);
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
    QTest::newRow("horizontal") << QRect(37, 2, 20, 26) << QSize(13, 7) << QSize(200, 30)
                                << int(Qt::Horizontal) << QRect(37, 11, 13, 7);
    QTest::newRow("horizontal, odd gap") << QRect(0, 0, 10, 10) << QSize(9, 8) << QSize(50, 23)
                                         << int(Qt::Horizontal) << QRect(0, 7, 9, 8);
    QTest::newRow("vertical") << QRect(3, 61, 25, 20) << QSize(9, 11) << QSize(31, 300)
                              << int(Qt::Vertical) << QRect(11, 61, 9, 11);
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
