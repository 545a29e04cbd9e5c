#include "controls/charts/TavixQECGChart.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "TavixTestSupport.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QProgressBar>
#include <QSpinBox>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

using namespace TavixQtLib;

// Qt's platform accessibility, declared here because Qt installs no private headers on this system; the
// same switch Qt's own accessibility tests turn on.
class QPlatformAccessibility
{
public:
    void setActive(bool active);
};
class QPlatformIntegration
{
public:
    QPlatformAccessibility *accessibility() const;
};
class QGuiApplicationPrivate
{
public:
    static QPlatformIntegration *platform_integration;
};

namespace {

// Events seen by the update handler the test installs in place of a platform bridge.
struct Seen
{
    QAccessible::Event type;
    QObject *object;
    int child;
    bool checkedChanged;
};
QVector<Seen> seen;

void recordEvent(QAccessibleEvent *event)
{
    const bool checked = event->type() == QAccessible::StateChanged
                         && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked;
    seen.push_back({event->type(), event->object(), event->child(), checked});
}

int checkedEventsFor(QObject *object)
{
    return int(std::count_if(seen.begin(), seen.end(),
                             [object](const Seen &s) { return s.object == object && s.checkedChanged; }));
}

// The role a client must see for each control class the registry can create. A class missing here is a
// new control type that nobody has looked at with a screen reader yet.
const std::map<QByteArray, QAccessible::Role> &expectedRoles()
{
    static const std::map<QByteArray, QAccessible::Role> roles = {
        {"TavixQCanvasWindow", QAccessible::Pane}, {"TavixQCheckBox", QAccessible::CheckBox},
        {"TavixQComboBox", QAccessible::ComboBox}, {"TavixQContainer", QAccessible::Pane},
        {"TavixQGroupBox", QAccessible::Grouping}, {"TavixQImage", QAccessible::Graphic},
        {"TavixQLCDNumber", QAccessible::StaticText}, {"TavixQLabel", QAccessible::StaticText},
        {"TavixQLabelEx", QAccessible::StaticText}, {"TavixQLineEdit", QAccessible::EditableText},
        {"TavixQList", QAccessible::List}, {"TavixQListView", QAccessible::List},
        {"TavixQMenuBar", QAccessible::MenuBar}, {"TavixQProgressBar", QAccessible::ProgressBar},
        {"TavixQPropertyList", QAccessible::Pane}, {"TavixQPushButton", QAccessible::PushButton},
        {"TavixQRadioButton", QAccessible::RadioButton}, {"TavixQRibbonBar", QAccessible::ToolBar},
        {"TavixQScrollBar", QAccessible::ScrollBar}, {"TavixQScrollView", QAccessible::Pane},
        {"TavixQSlider", QAccessible::Slider}, {"TavixQSpacer", QAccessible::Whitespace},
        {"TavixQSpinBox", QAccessible::SpinBox}, {"TavixQSplitter", QAccessible::Splitter},
        {"TavixQStackContainer", QAccessible::Pane}, {"TavixQSwitch", QAccessible::CheckBox},
        {"TavixQTabWidget", QAccessible::PageTabList}, {"TavixQTableView", QAccessible::Table},
        {"TavixQTextEdit", QAccessible::EditableText}, {"TavixQTreeView", QAccessible::Tree},
    };
    return roles;
}

QByteArray shortClassName(const QObject *object)
{
    QByteArray name = object->metaObject()->className();
    return name.mid(name.lastIndexOf(':') + 1);
}

QAccessibleInterface *iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { seen.clear(); }
    void everyRegisteredType_data();
    void everyRegisteredType();
    void name_data();
    void name();
    void buttonState_data();
    void buttonState();
    void action_data();
    void action();
    void value_data();
    void value();
    void tabCells();
    void ribbonCommand();
    void switchAnnouncesToggles();
    void chartIsGraphicWithDescription();
};

void tst_Accessibility::initTestCase()
{
    TavixQtLib::init();
    // Qt hands events to an update handler only while a client is connected; pretend one is.
    if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platform_integration->accessibility())
        platform->setActive(true);
    if (!QAccessible::isActive())
        QSKIP("this platform plug-in has no accessibility to switch on");
    QAccessible::installUpdateHandler(&recordEvent);
}

void tst_Accessibility::everyRegisteredType_data()
{
    QTest::addColumn<QByteArray>("keyword");
    for (const auto &entry : creatorMap())
        QTest::newRow(entry.first.c_str()) << QByteArray(entry.first.c_str());
}

// Role, disabled and focused as a client sees them, for every keyword a page may use.
void tst_Accessibility::everyRegisteredType()
{
    QFETCH(QByteArray, keyword);
    QWidget window;
    QWidget *control = tavixCreateControlByKeyword(keyword.constData(), &window);
    QVERIFY(control);
    control->resize(120, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QAccessibleInterface *a = iface(control);
    QVERIFY(a && a->isValid());
    const auto expected = expectedRoles().find(shortClassName(control));
    QVERIFY2(expected != expectedRoles().end(), "no accessibility role decided for " + shortClassName(control));
    QCOMPARE(a->role(), expected->second);
    // Qt's item-view interfaces, which the lists, tables and trees keep, report no state of their own.
    const QAccessible::Role role = expected->second;
    if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree)
        return;
    QVERIFY(!a->state().disabled);

    if (control->focusPolicy() != Qt::NoFocus) {
        control->setFocus();
        QVERIFY(a->state().focusable);
        QVERIFY(a->state().focused);
    }
    control->setEnabled(false);
    QVERIFY(a->state().disabled);
    control->hide();
    QVERIFY(a->state().invisible);
}

void tst_Accessibility::name_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<QByteArray>("attrs");           // page-node "attr" members
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("button caption") << QByteArray("qtbutton") << QByteArray(R"("text": "&Start pump")")
                                    << "Starts the pump" << "" << "Start pump" << "Starts the pump";
    QTest::newRow("button without text shown") << QByteArray("qtbutton")
                                               << QByteArray(R"("text": "Stop", "showText": 0)") << ""
                                               << "" << "Stop" << "";
    QTest::newRow("icon-only button: tool tip") << QByteArray("qtbutton") << QByteArray() << "Settings" << ""
                                                << "Settings" << "";
    QTest::newRow("accessible name wins") << QByteArray("qtbutton") << QByteArray(R"("text": "X")") << "tip"
                                          << "Close" << "Close" << "tip";
    QTest::newRow("check box") << QByteArray("qtcheckbox") << QByteArray(R"("text": "Alarm")") << "" << ""
                               << "Alarm" << "";
    QTest::newRow("radio") << QByteArray("qtradiobox") << QByteArray(R"("text": "Adult")") << "" << ""
                           << "Adult" << "";
    QTest::newRow("label") << QByteArray("qtlabel") << QByteArray(R"("text": "Heart rate")") << "" << ""
                           << "Heart rate" << "";
    QTest::newRow("extended label") << QByteArray("qtlabelex") << QByteArray(R"("text": "SpO2")") << ""
                                    << "" << "SpO2" << "";
    QTest::newRow("group box") << QByteArray("qtgroupbox") << QByteArray(R"("text": "Limits")") << "" << ""
                               << "Limits" << "";
    QTest::newRow("LCD") << QByteArray("qtlcdnumber") << QByteArray(R"("text": "72")") << "" << "" << "72"
                         << "";
    QTest::newRow("switch: tool tip") << QByteArray("qtswitch") << QByteArray() << "Mute" << "" << "Mute" << "";
    QTest::newRow("slider: tool tip") << QByteArray("qtslider") << QByteArray() << "Volume" << "" << "Volume"
                                      << "";
}

void tst_Accessibility::name()
{
    QFETCH(QByteArray, keyword);
    QFETCH(QByteArray, attrs);
    QFETCH(QString, toolTip);
    QFETCH(QString, accessibleName);
    QFETCH(QString, name);
    QFETCH(QString, description);
    const Json::Value node = tavixtest::parse("{\"attr\": {" + attrs + "}}");
    std::unique_ptr<QWidget> control(tavixCreateControlFromNode(keyword.constData(), node, nullptr));
    QVERIFY(control);
    control->setToolTip(toolTip);
    control->setAccessibleName(accessibleName);
    QCOMPARE(iface(control.get())->text(QAccessible::Name), name);
    QCOMPARE(iface(control.get())->text(QAccessible::Description), description);
}

enum class Setup { Checked, Partial, Down, CheckableOn, SwitchOn, SwitchOff };
Q_DECLARE_METATYPE(Setup)

void tst_Accessibility::buttonState_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("mixed");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("check box checked") << QByteArray("qtcheckbox") << Setup::Checked << true << true << false
                                       << false;
    QTest::newRow("check box partial") << QByteArray("qtcheckbox") << Setup::Partial << true << false << true
                                       << false;
    QTest::newRow("radio checked") << QByteArray("qtradiobox") << Setup::Checked << true << true << false << false;
    QTest::newRow("button held down") << QByteArray("qtbutton") << Setup::Down << false << false << false << true;
    QTest::newRow("toggle button on") << QByteArray("qtbutton") << Setup::CheckableOn << true << true << false
                                      << false;
    QTest::newRow("switch on") << QByteArray("qtswitch") << Setup::SwitchOn << true << true << false << false;
    QTest::newRow("switch off") << QByteArray("qtswitch") << Setup::SwitchOff << true << false << false << false;
}

void tst_Accessibility::buttonState()
{
    QFETCH(QByteArray, keyword);
    QFETCH(Setup, setup);
    std::unique_ptr<QWidget> control(tavixCreateControlByKeyword(keyword.constData(), nullptr));
    auto *button = qobject_cast<QAbstractButton *>(control.get());
    auto *sw = qobject_cast<TavixQSwitch *>(control.get());
    switch (setup) {
    case Setup::Checked: button->setChecked(true); break;
    case Setup::Partial:
        static_cast<QCheckBox *>(button)->setTristate(true);
        static_cast<QCheckBox *>(button)->setCheckState(Qt::PartiallyChecked);
        break;
    case Setup::Down: button->setDown(true); break;
    case Setup::CheckableOn: button->setCheckable(true); button->setChecked(true); break;
    case Setup::SwitchOn: sw->setSwitchToLeft(false); break;
    case Setup::SwitchOff: sw->setSwitchToLeft(true); break;
    }
    const QAccessible::State state = iface(control.get())->state();
    QTEST(bool(state.checkable), "checkable");
    QTEST(bool(state.checked), "checked");
    QTEST(bool(state.checkStateMixed), "mixed");
    QTEST(bool(state.pressed), "pressed");
}

void tst_Accessibility::action_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("signals");   // clicked, toggled or valueChanged
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    QTest::newRow("press button") << QByteArray("qtbutton") << press << true << 1;
    QTest::newRow("press disabled button") << QByteArray("qtbutton") << press << false << 0;
    QTest::newRow("toggle check box") << QByteArray("qtcheckbox") << toggle << true << 1;
    QTest::newRow("toggle radio") << QByteArray("qtradiobox") << toggle << true << 1;
    QTest::newRow("toggle switch") << QByteArray("qtswitch") << toggle << true << 1;
    QTest::newRow("toggle disabled switch") << QByteArray("qtswitch") << toggle << false << 0;
    QTest::newRow("increase slider") << QByteArray("qtslider") << QAccessibleActionInterface::increaseAction()
                                     << true << 1;
    QTest::newRow("decrease scroll bar") << QByteArray("qtscrollbar")
                                         << QAccessibleActionInterface::decreaseAction() << true << 1;
}

void tst_Accessibility::action()
{
    QFETCH(QByteArray, keyword);
    QFETCH(QString, action);
    QFETCH(bool, enabled);
    std::unique_ptr<QWidget> control(tavixCreateControlByKeyword(keyword.constData(), nullptr));
    control->setEnabled(enabled);
    std::unique_ptr<QSignalSpy> spy;
    if (auto *button = qobject_cast<QAbstractButton *>(control.get()))
        spy.reset(new QSignalSpy(button, &QAbstractButton::clicked));
    else if (auto *sw = qobject_cast<TavixQSwitch *>(control.get())) {
        sw->setSwitchSpeed(0);   // the toggle ends at once
        spy.reset(new QSignalSpy(sw, &TavixQSwitch::toggled));
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(control.get())) {
        slider->setRange(0, 10);
        slider->setValue(5);
        spy.reset(new QSignalSpy(slider, &QAbstractSlider::valueChanged));
    }
    QAccessibleActionInterface *actions = iface(control.get())->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames().contains(action), enabled);
    actions->doAction(action);
    QTEST(spy->count(), "signals");
}

void tst_Accessibility::value_data()
{
    QTest::addColumn<QByteArray>("keyword");
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<int>("stored");
    // Each control starts at 20 in 0..50.
    QTest::newRow("slider") << QByteArray("qtslider") << QVariant(30) << 30;
    QTest::newRow("slider above max") << QByteArray("qtslider") << QVariant(1e12) << 50;
    QTest::newRow("slider NaN") << QByteArray("qtslider") << QVariant(std::nan("")) << 20;
    QTest::newRow("slider text") << QByteArray("qtslider") << QVariant("loud") << 20;
    QTest::newRow("scroll bar") << QByteArray("qtscrollbar") << QVariant(-5) << 0;
    QTest::newRow("progress is read only") << QByteArray("qtprogressbar") << QVariant(30) << 20;
    QTest::newRow("spin box") << QByteArray("qtspinbox") << QVariant(30) << 30;
}

void tst_Accessibility::value()
{
    QFETCH(QByteArray, keyword);
    QFETCH(QVariant, given);
    std::unique_ptr<QWidget> control(tavixCreateControlByKeyword(keyword.constData(), nullptr));
    auto *slider = qobject_cast<QAbstractSlider *>(control.get());
    auto *bar = qobject_cast<QProgressBar *>(control.get());
    auto *spin = qobject_cast<QSpinBox *>(control.get());
    if (slider) { slider->setRange(0, 50); slider->setValue(20); }
    if (bar) { bar->setRange(0, 50); bar->setValue(20); }
    if (spin) { spin->setRange(0, 50); spin->setValue(20); }
    QAccessibleValueInterface *v = iface(control.get())->valueInterface();
    QVERIFY(v);
    QCOMPARE(v->currentValue().toInt(), 20);
    QCOMPARE(v->minimumValue().toInt(), 0);
    QCOMPARE(v->maximumValue().toInt(), 50);
    v->setCurrentValue(given);
    const int now = slider ? slider->value() : bar ? bar->value() : spin->value();
    QTEST(now, "stored");
}

void tst_Accessibility::tabCells()
{
    TavixQTabWidget tab;
    tab.resize(300, 30);
    tab.addTab(QStringLiteral("Waves"));
    tab.addTab(QStringLiteral("&Trends"));
    tab.addTab(QStringLiteral("Alarms"));
    QSignalSpy changed(&tab, &TavixQTabWidget::currentChanged);
    QAccessibleInterface *bar = iface(&tab);
    QCOMPARE(bar->childCount(), 3);
    QCOMPARE(bar->child(1)->text(QAccessible::Name), QStringLiteral("Trends"));
    QCOMPARE(bar->child(2)->role(), QAccessible::PageTab);
    QVERIFY(bar->child(0)->state().selected);
    QCOMPARE(bar->indexOfChild(bar->child(2)), 2);
    QCOMPARE(bar->child(2)->parent(), bar);

    bar->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tab.getSelectedIndex(), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(bar->child(2)->state().selected && !bar->child(0)->state().selected);
    QVERIFY(std::any_of(seen.begin(), seen.end(), [&tab](const Seen &s) {
        return s.object == &tab && s.type == QAccessible::Selection && s.child == 2;
    }));

    // A cell handed out before its tab went away answers as invalid, not with another tab's text.
    QAccessibleInterface *last = bar->child(2);
    tab.removeTab(2);
    QCOMPARE(bar->childCount(), 2);
    QVERIFY(!last->isValid());
    QVERIFY(last->text(QAccessible::Name).isEmpty());
    QVERIFY(!bar->child(2));
}

void tst_Accessibility::ribbonCommand()
{
    TavixQRibbonBar ribbon;
    TavixQRibbonGroup *group = ribbon.addPage(QStringLiteral("Home"))->addGroup(QStringLiteral("Clipboard"));
    TavixQPushButton *copy = group->addButton(QStringLiteral("Copy"), 5);
    QSignalSpy clicked(copy, &QAbstractButton::clicked);
    QCOMPARE(iface(&ribbon)->role(), QAccessible::ToolBar);
    QCOMPARE(iface(group)->text(QAccessible::Name), QStringLiteral("Clipboard"));
    QCOMPARE(iface(ribbon.tabBar())->child(0)->text(QAccessible::Name), QStringLiteral("Home"));
    QAccessibleInterface *command = iface(copy);
    QCOMPARE(command->role(), QAccessible::PushButton);
    QCOMPARE(command->text(QAccessible::Name), QStringLiteral("Copy"));
    command->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

void tst_Accessibility::switchAnnouncesToggles()
{
    TavixQSwitch sw;
    sw.resize(60, 30);
    sw.setSwitchSpeed(0);
    const bool wasLeft = sw.getIsSwitchToLeft();
    QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(30, 15));
    QCOMPARE(sw.getIsSwitchToLeft(), !wasLeft);
    QCOMPARE(checkedEventsFor(&sw), 1);
    QCOMPARE(bool(iface(&sw)->state().checked), wasLeft);   // on means resting at the right
    sw.setSwitchToLeft(!wasLeft);                           // already there: no change to announce
    QCOMPARE(checkedEventsFor(&sw), 1);
    sw.setSwitchToLeft(wasLeft);
    QCOMPARE(checkedEventsFor(&sw), 2);
}

void tst_Accessibility::chartIsGraphicWithDescription()
{
    TavixQECGChart chart;
    chart.addData(0, 10);
    chart.addData(1, 12);
    QAccessibleInterface *a = iface(&chart);
    QCOMPARE(a->role(), QAccessible::Chart);
    QVERIFY(!a->text(QAccessible::Name).isEmpty());
    QVERIFY(a->text(QAccessible::Description).contains(QLatin1String("2 points")));
    chart.setToolTip(QStringLiteral("Lead II"));
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Lead II"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
