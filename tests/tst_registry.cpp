#include "core/CScrollBarStyle.h"
#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TavixQtLib;

namespace {

// A kit control reduced to what the registry touches: it counts the nodes it is asked to read.
class FakeControl : public QWidget, public ITavixQWidgetBase
{
public:
    TavixQWidgetBase *getControlBase() override { return nullptr; }
    QString getTypeName() const override { return QStringLiteral("tstFake"); }
    TavixQWidgetBaseImpl *getControlImpl() const override { return nullptr; }
    static QWidget *create() { return new FakeControl; }
    bool readJsonValue(void *) override
    {
        if (deleteOnRead) {
            delete this;   // as a host's handler reached from reading might
            return false;
        }
        return ++reads;
    }
    static bool deleteOnRead;
    void setOpacity(int value) override { opacity = value; }
    int getOpacity() const override { return opacity; }

    int reads = 0;
    int opacity = 255;
};

bool FakeControl::deleteOnRead = false;

// Records, for each child a watched parent gains, whether the child was still being constructed: a
// widget born under its parent is added from QWidget's own constructor.
class BirthWatch : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType())
                bornInside = child->metaObject() == &QWidget::staticMetaObject;
        }
        return false;
    }
    bool bornInside = false;
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
    void registryComplete();
    void builtInRegistrations_data();
    void builtInRegistrations();

    void keywordsOrderedBytewiseAndCaseSensitive();
    void reRegistrationKeepsDescriptorPointers();
    void nothingRegisteredOrCreated();
    void createFromNodeReadsKitControls();
    void flagPropertiesOfEveryType();
    void bornUnderTheParent();
    void readerDeletesItsControl();
    void boundCreatorOnlyForNodes();

    void globalConfig();
    void emulatorDetection_data();
    void emulatorDetection();
    void bindAccessorThroughSecondaryBase();
    void itemViewRows_data();
    void itemViewRows();
};

void tst_Registry::wrappersGuardedBeforeInit()
{
    if (tavixIsInitialized())
        QSKIP("init() already ran in this process");

    // Loadable directories, so an unguarded wrapper would succeed or install a set.
    QTemporaryDir dir;
    {
        QFile style(dir.filePath(QStringLiteral("style.json")));
        QVERIFY(style.open(QIODevice::WriteOnly) && style.write("{\"style\": []}") > 0);
    }
    const QString path = dir.path() + QLatin1Char('/');
    auto *rm = TavixQResourceManager::getInstance();
    const float scale = rm->getScaleFactor();

    QVERIFY(!tavixLoadThemeDir(path.toUtf8().constData()));
    QVERIFY(!tavixSetSkinFilePath(path, 0.5f));
    QVERIFY(!tavixSetProjectFilePath(path));
    QVERIFY(!tavixNotifyThemeChange());
    QVERIFY(!rm->getThemeManagerIml() && !rm->getProjectManagerImpl() && rm->getSkinDirPath().isEmpty());
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

// Every built-in registration in the order tavixInitQtControl makes it: the types, then the aliases.
void tst_Registry::builtInRegistrations_data()
{
    QTest::addColumn<QString>("className");   // the descriptor's; empty: creator only, neither described nor listed
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QString>("created");     // class of the widget the keyword creates
    const auto row = [](const char *keyword, const char *className, bool listed, const char *created) {
        QTest::newRow(keyword) << QString::fromLatin1(className) << listed << QString::fromLatin1(created);
    };
    const auto type = [&row](const char *keyword, const char *className) { row(keyword, className, true, className); };
    const auto plain = [&row](const char *keyword, const char *created) { row(keyword, "", false, created); };
    row("Window", "TavixQWindow", true, "TavixQCanvasWindow");   // the finished window's class name
    type("qtcontainer", "TavixQContainer");             type("qtbutton", "TavixQPushButton");
    type("qtmenubar", "TavixQMenuBar");                 type("qtlabel", "TavixQLabel");
    type("qtcheckbox", "TavixQCheckBox");               row("qtlistview", "TavixQListView", false, "TavixQListView");
    type("qtprogressbar", "TavixQProgressBar");         type("qtradiobox", "TavixQRadioButton");
    type("qtslider", "TavixQSlider");                   type("qtstackcontainer", "TavixQStackContainer");
    type("qtspacer", "TavixQSpacer");                   type("qttab", "TavixQTabWidget");
    type("qtdedit", "TavixQLineEdit");                  type("qtcombobox", "TavixQComboBox");
    type("qtlist", "TavixQList");                       type("qttree", "TavixQTreeView");
    type("qtdatagrid", "TavixQTableView");              type("qtgroupbox", "TavixQGroupBox");
    plain("qtspinbox", "TavixQSpinBox");                type("qtlcdnumber", "TavixQLCDNumber");
    plain("qtsplitter", "TavixQSplitter");              type("qtswitch", "TavixQSwitch");
    type("qtscrollview", "TavixQScrollView");           type("qtscrollbar", "TavixQScrollBar");
    type("qttext", "TavixQTextEdit");                   plain("qtlabelex", "TavixQLabelEx");
    type("qtpicture", "TavixQImage");                   row("qtproperty", "TavixQProperty", true, "TavixQPropertyList");
    type("qtribbonbar", "TavixQRibbonBar");             plain("canvas", "TavixQCanvas");
    plain("scrollbar", "TavixQScrollBar");              plain("container", "TavixQContainer");
    plain("scrollview", "TavixQScrollView");            plain("picture", "TavixQImage");
    plain("image", "TavixQImage");                      plain("button", "TavixQPushButton");
    plain("menubar", "TavixQMenuBar");                  plain("label", "TavixQLabel");
    plain("checkbox", "TavixQCheckBox");                plain("listview", "TavixQListView");
    plain("progressbar", "TavixQProgressBar");          plain("radio", "TavixQRadioButton");
    plain("radiobox", "TavixQRadioButton");             plain("slider", "TavixQSlider");
    plain("stackcontainer", "TavixQStackContainer");    plain("tab", "TavixQTabWidget");
    plain("dedit", "TavixQLineEdit");                   plain("combobox", "TavixQComboBox");
    plain("templateList", "TavixQListView");            plain("list", "TavixQList");
    plain("tree", "TavixQTreeView");                    plain("datagrid", "TavixQTableView");
    plain("groupbox", "TavixQGroupBox");                plain("spinbox", "TavixQSpinBox");
    plain("dnumedit", "TavixQSpinBox");                 plain("splitter", "TavixQSplitter");
    plain("switch", "TavixQSwitch");                    plain("property", "TavixQPropertyList");
}

void tst_Registry::builtInRegistrations()
{
    QFETCH(QString, className);
    QFETCH(bool, listed);
    QFETCH(QString, created);
    const QString keyword = QString::fromLatin1(QTest::currentDataTag());
    ControlInfo *info = tavixGetControlInfo(keyword);
    QCOMPARE(info ? QString::fromStdString(info->className) : QString(), className);
    QCOMPARE(tavixGetAllControlInfo().contains(info), bool(info));
    QCOMPARE(listedTypes().count(keyword.toStdString()), size_t(listed ? 1 : 0));
    QWidget parent;
    QWidget *widget = tavixCreateControlByKeyword(qPrintable(keyword), &parent);
    QVERIFY(widget && widget->parentWidget() == &parent);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), QLatin1String("TavixQtLib::") + created);
    // A kit control reports its own type keyword, whichever alias made it.
    if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget))
        QVERIFY(info ? control->getTypeName().toStdString() == info->typeName : !control->getTypeName().isEmpty());
}

// Nothing beyond the built-in table: the counts of the whole registry right after start-up.
void tst_Registry::registryComplete()
{
    QCOMPARE(creatorMap().size(), size_t(59));
    QCOMPARE(controlInfoMap().size(), size_t(27));
    QCOMPARE(listedTypes().size(), size_t(26));
    QCOMPARE(tavixGetAllControlInfo().first()->typeName, std::string("window"));
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
    QVERIFY(listedTypes().count("tstOrder_b") && !listedTypes().count("tstOrder_a"));   // listed when asked
}

void tst_Registry::reRegistrationKeepsDescriptorPointers()
{
    tavixRegisterQtControl("tstTwice", &createPlainA, makeInfo("twice", "First"), true);
    ControlInfo *before = tavixGetControlInfo(QStringLiteral("tstTwice"));
    // Many other registrations in between must not move the node.
    for (int i = 0; i < 64; ++i)
        tavixRegisterDefaultControl(QByteArray("tstFiller").append(QByteArray::number(i)).constData(), &createPlainA);

    tavixRegisterQtControl("tstTwice", &createPlainB, makeInfo("twice", "Second"), false);

    QVERIFY(before && tavixGetControlInfo(QStringLiteral("tstTwice")) == before);
    QCOMPARE(before->className, std::string("Second"));
    // The last registration wins for the creator too; the earlier listing stays.
    QCOMPARE(createdName(tavixCreateControlByKeyword("tstTwice", nullptr)), QStringLiteral("B"));
    QVERIFY(listedTypes().count("tstTwice"));
}

void tst_Registry::nothingRegisteredOrCreated()
{
    // Unknown keywords, null creators and creators returning null create nothing.
    tavixRegisterDefaultControl("tstNullArgs", nullptr);
    tavixRegisterDefaultControl("tstNothing", []() -> QWidget * { return nullptr; });
    QWidget parent;
    const Json::Value node(Json::objectValue);
    for (const char *keyword : {"tstNullArgs", "tstUnknown", "tstNothing", static_cast<const char *>(nullptr)}) {
        QVERIFY(!tavixCreateControlFromNode(keyword, node, &parent) && !tavixCreateControlByKeyword(keyword, &parent));
    }
    QVERIFY(parent.children().isEmpty());
}

void tst_Registry::createFromNodeReadsKitControls()
{
    tavixRegisterQtControl("tstFake", &FakeControl::create, makeInfo("tstFake", "FakeControl"), true);
    auto *rm = TavixQResourceManager::getInstance();
    QWidget parent;
    // A page node's styles come from the regular sets: the theme switch is lowered before the read.
    rm->setSwitchToThemeRes(true);
    const Json::Value node(Json::objectValue);
    auto *fake = dynamic_cast<FakeControl *>(tavixCreateControlFromNode("tstFake", node, &parent));
    QVERIFY(fake && fake->parentWidget() == &parent && fake->reads == 1);
    QVERIFY(!rm->isLoadFromThemeRes());
    // Nothing is read when created by keyword.
    fake = dynamic_cast<FakeControl *>(tavixCreateControlByKeyword("tstFake", &parent));
    QVERIFY(fake && fake->reads == 0 && fake->parentWidget() == &parent);
}

// "impl" and "visibility" read and write through QObject::property/setProperty as dynamic properties
// would, on every registered type: unset reads invalid, an invalid value clears; they stay out of
// designers' property editors and of what a form writer stores.
void tst_Registry::flagPropertiesOfEveryType()
{
    QWidget parent;
    int checked = 0;
    for (const auto &entry : creatorMap()) {
        const QByteArray keyword(entry.first.c_str());
        QWidget *widget = tavixCreateControlByKeyword(keyword.constData(), &parent);
        auto *control = dynamic_cast<ITavixQWidgetBase *>(widget);
        if (!control)
            continue;
        ++checked;
        QVERIFY2(TavixQWidgetBaseImpl::fromWidget(widget) == control->getControlImpl(), keyword);
        QVERIFY2(!widget->property("visibility").isValid(), keyword);
        QVERIFY2(control->getInnerVisible(), keyword);   // never marked: visible
        // The interface reaches the flag through the control's base record; a few keep none.
        if (control->getControlBase()) {
            control->setInnerVisible(false);
            QVERIFY2(widget->property("visibility") == QVariant(false), keyword);
            QVERIFY2(!control->getInnerVisible(), keyword);
        }
        widget->setProperty("visibility", true);
        QVERIFY2(widget->property("visibility") == QVariant(true), keyword);
        widget->setProperty("visibility", QVariant());
        QVERIFY2(!widget->property("visibility").isValid(), keyword);
        for (const char *name : {"impl", "visibility"}) {
            const QMetaObject *meta = widget->metaObject();
            const int index = meta->indexOfProperty(name);
            if (index >= 0) {
                QVERIFY2(!meta->property(index).isDesignable() && !meta->property(index).isStored(), keyword);
            }
        }
        delete widget;
    }
    QVERIFY(checked > 30);
}

// Built-in controls created under a parent are constructed as its children, by node and by keyword; a
// keyword the host registers its own creator for is made by that creator and given the parent after.
void tst_Registry::bornUnderTheParent()
{
    QWidget parent;
    BirthWatch watch;
    parent.installEventFilter(&watch);
    int born = 0;
    for (const auto &entry : creatorMap()) {
        for (const bool byNode : {true, false}) {
            watch.bornInside = false;
            const Json::Value node(Json::objectValue);
            QWidget *widget = byNode ? tavixCreateControlFromNode(entry.first.c_str(), node, &parent)
                                     : tavixCreateControlByKeyword(entry.first.c_str(), &parent);
            if (!widget)
                continue;   // a test's creator that makes nothing
            QVERIFY2(widget->parentWidget() == &parent, entry.first.c_str());
            born += watch.bornInside ? 1 : 0;
            delete widget;
        }
    }
    // All but those made by free creator functions (page window, property list, canvas) and this test's.
    QVERIFY2(born >= 2 * int(creatorMap().size()) - 20, QByteArray::number(born));

    // The host's own creator for a built-in keyword wins over the kit's child-born twin.
    const ControlCreateFunction kit = creatorMap().at("qtlabel");
    tavixRegisterDefaultControl("qtlabel", &createPlainA);
    const Json::Value node(Json::objectValue);
    QWidget *hosts = tavixCreateControlFromNode("qtlabel", node, &parent);
    QVERIFY(hosts && hosts->objectName() == QLatin1String("A") && hosts->parentWidget() == &parent);
    tavixRegisterDefaultControl("qtlabel", kit);
    QWidget *kits = tavixCreateControlFromNode("qtlabel", node, &parent);
    QVERIFY(dynamic_cast<ITavixQWidgetBase *>(kits) && watch.bornInside);
}

// A control whose reading deletes it is not handed back (it was, dangling).
void tst_Registry::readerDeletesItsControl()
{
    tavixRegisterQtControl("tstFake", &FakeControl::create, makeInfo("tstFake", "FakeControl"), true);
    QWidget parent;
    FakeControl::deleteOnRead = true;
    const Json::Value node(Json::objectValue);
    QWidget *made = tavixCreateControlFromNode("tstFake", node, &parent);
    FakeControl::deleteOnRead = false;
    QVERIFY(!made);
    QVERIFY(parent.findChildren<QWidget *>().isEmpty());
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
    QVERIFY(widget && widget->parentWidget() == &parent && widget->objectName() == QLatin1String("bound"));
    QCOMPARE(boundName, QStringLiteral("ok/tstBound"));

    // It also answers for keywords the registry does not know; a numeric name converts to its digits.
    QCOMPARE(createdName(tavixCreateControlFromNode("tstNotInRegistry", Json::Value(), &parent)),
             QStringLiteral("bound"));
    QCOMPARE(boundName, QStringLiteral("/tstNotInRegistry"));
    node["name"] = 42;
    QVERIFY(tavixCreateControlFromNode("tstBound", node, &parent));
    QCOMPARE(boundName, QStringLiteral("42/tstBound"));

    // A declining bound creator falls back to the registry; creation by keyword never asks it.
    node["name"] = "decline";
    QCOMPARE(createdName(tavixCreateControlFromNode("tstBound", node, &parent)), QStringLiteral("A"));
    const int calls = boundCalls;
    QCOMPARE(createdName(tavixCreateControlByKeyword("tstBound", &parent)), QStringLiteral("A"));
    QCOMPARE(boundCalls, calls);
}

void tst_Registry::globalConfig()
{
    const QFont original = QApplication::font();
    TavixGlobalConfig config;
    config.buttonFadeEnabled = true;
    config.buttonFadeDuration = 0;   // non-positive durations store the default
    tavixSetGlobalConfig(config);
    QCOMPARE(TavixQResourceManager::getInstance()->getButtonFadeDuration(), 150);
    QCOMPARE(QApplication::font(), original);   // no family leaves the font alone
    QVERIFY(tavixGetGlobalFontFamily().isEmpty());

    config.fontFamily = QStringLiteral("TavixProbeSans");
    config.buttonFadeDuration = 1;
    tavixSetGlobalConfig(config);
    QCOMPARE(QApplication::font().family(), config.fontFamily);
    QCOMPARE(tavixGetGlobalFontFamily(), config.fontFamily);
    // Changing only the family keeps the rest of the configuration.
    tavixSetGlobalFontFamily(QStringLiteral("TavixProbeMono"));
    QCOMPARE(QApplication::font().family(), QStringLiteral("TavixProbeMono"));
    QCOMPARE(tavixGetGlobalConfig().buttonFadeDuration, 1);

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
    for (bool before : {false, true}) {   // detection only ever switches the mode on
        tavixSetQtEmulator(before);
        tavixDetectEmulator(path);
        QCOMPARE(tavixIsQtEmulator(), emulator || before);
    }
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
    QVERIFY(fake.opacity == 77 && alpha.getInt(&fake) == 77);

    // A widget of another class is left alone and reads as the default value.
    QWidget plain;
    alpha.setInt(&plain, 12);
    alpha.setInt(nullptr, 5);
    QCOMPARE(QList<int>({alpha.getInt(&plain), alpha.getInt(nullptr), fake.opacity}), QList<int>({0, 0, 77}));
}

// The rows the item views build from shared templates: labels, kinds and options in order, and each
// style row bound to its own member (the tree's two "Background" rows included).
void tst_Registry::itemViewRows_data()
{
    QTest::addColumn<QStringList>("rows");     // "label kind options" after the common rows
    QTest::newRow("qtlist") << QStringList{"Background 5 2", "ItemBackground 5 4", "TextStyle 6 4",
                                           "MultiSelect 3 0", "ItemHeight 10 0"};
    QTest::newRow("qttree") << QStringList{"Background 5 2", "Background 5 4", "TextStyle 6 4", "ItemHeight 10 0"};
    QTest::newRow("qtdatagrid") << QStringList{"Background 5 2", "ItemBg 5 4", "TextStyle 6 4", "HeadItemBg 5 4",
                                               "HeadTextStyle 6 4", "ItemHeight 10 0", "CheckStyle 3 0",
                                               "CheckedImage 9 0", "UncheckedImage 9 0"};
    QTest::newRow("qtlistview") << QStringList{"Background 5 2", "ItemBackground 5 4", "ItemHeight 10 0",
                                               "ItemWidth 10 0", "ItemSpace 10 0", "ItemMode 13 2"};
}

void tst_Registry::itemViewRows()
{
    QFETCH(QStringList, rows);
    const ControlInfo *info = tavixGetControlInfo(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(info);
    const size_t common = tavixCommonPropertyDefs().size();
    QStringList seen;
    for (size_t i = common; i < info->properties.size(); ++i) {
        const PropertyDef &def = info->properties[i];
        seen << QStringLiteral("%1 %2 %3").arg(def.label).arg(def.type).arg(def.optionValues.size());
    }
    QCOMPARE(seen, rows);

    std::unique_ptr<QWidget> view(tavixCreateControlByKeyword(QTest::currentDataTag(), nullptr));
    QVERIFY(view);
    // Each fill or text row keeps what it is given, apart from the others.
    int n = 0;
    for (size_t i = common; i < info->properties.size(); ++i) {
        const PropertyDef &def = info->properties[i];
        const QString name = QStringLiteral("style%1").arg(++n);
        if (def.type == FillStyleRef) {
            FillStyle style;
            style.name = name;
            def.setFillStyle(view.get(), Hot, style);
        } else if (def.type == TextStyleRef) {
            TextStyleDesc style;
            style.name = name;
            def.setTextStyle(view.get(), Hot, style);
        }
    }
    n = 0;
    for (size_t i = common; i < info->properties.size(); ++i) {
        const PropertyDef &def = info->properties[i];
        const QString name = QStringLiteral("style%1").arg(++n);
        if (def.type == FillStyleRef)
            QCOMPARE(def.getFillStyle(view.get(), Hot).name, name);
        else if (def.type == TextStyleRef)
            QCOMPARE(def.getTextStyle(view.get(), Hot).name, name);
        else if (def.label == QLatin1String("ItemHeight")) {
            def.setInt(view.get(), 33);
            QCOMPARE(def.getInt(view.get()), 33);
            def.setInt(view.get(), -5);
            QCOMPARE(def.getInt(view.get()), 0);
        }
    }
}

QTEST_MAIN(tst_Registry)
#include "tst_registry.moc"
