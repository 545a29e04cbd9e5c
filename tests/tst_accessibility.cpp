#include "controls/charts/TavixQECGChart.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQLCDNumber.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"
#include "TavixTestSupport.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QCheckBox>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

using namespace TavixQtLib;
using Bytes = QByteArray;

// Qt's platform accessibility switch, which Qt's own accessibility tests turn on; declared here because
// Qt's private headers are not installed.
class QPlatformAccessibility { public: void setActive(bool active); };
class QPlatformIntegration { public: QPlatformAccessibility *accessibility() const; };
class QGuiApplicationPrivate { public: static QPlatformIntegration *platform_integration; };

namespace {

// Events seen by the update handler, as "objectName event child"; a checked-state change reads "checked".
QStringList seen;

void recordEvent(QAccessibleEvent *event)
{
    const bool checked = event->type() == QAccessible::StateChanged
                         && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked;
    seen << QStringLiteral("%1 %2 %3").arg(event->object()->objectName(),
                                          checked ? QStringLiteral("checked") : QString::number(event->type()))
                .arg(event->child());
}

// The role a client sees for each class the registry creates. A class missing here is a new control type
// nobody has decided a role for.
const std::map<Bytes, QAccessible::Role> kRoles = {
    {"TavixQCanvas", QAccessible::Canvas}, {"TavixQCanvasWindow", QAccessible::Pane}, {"TavixQCheckBox", QAccessible::CheckBox},
    {"TavixQComboBox", QAccessible::ComboBox}, {"TavixQContainer", QAccessible::Pane},
    {"TavixQGroupBox", QAccessible::Grouping}, {"TavixQImage", QAccessible::Graphic},
    {"TavixQLCDNumber", QAccessible::StaticText}, {"TavixQLabel", QAccessible::StaticText},
    {"TavixQLabelEx", QAccessible::StaticText}, {"TavixQLineEdit", QAccessible::EditableText},
    {"TavixQList", QAccessible::List}, {"TavixQListView", QAccessible::List}, {"TavixQMenuBar", QAccessible::MenuBar},
    {"TavixQProgressBar", QAccessible::ProgressBar}, {"TavixQPropertyList", QAccessible::Pane},
    {"TavixQPushButton", QAccessible::PushButton}, {"TavixQRadioButton", QAccessible::RadioButton},
    {"TavixQRibbonBar", QAccessible::ToolBar}, {"TavixQScrollBar", QAccessible::ScrollBar},
    {"TavixQScrollView", QAccessible::Pane}, {"TavixQSlider", QAccessible::Slider},
    {"TavixQSpacer", QAccessible::Whitespace}, {"TavixQSpinBox", QAccessible::SpinBox},
    {"TavixQSplitter", QAccessible::Splitter}, {"TavixQStackContainer", QAccessible::Pane},
    {"TavixQSwitch", QAccessible::CheckBox}, {"TavixQTabWidget", QAccessible::PageTabList},
    {"TavixQTableView", QAccessible::Table}, {"TavixQTextEdit", QAccessible::EditableText},
    {"TavixQTreeView", QAccessible::Tree},
};

QAccessibleInterface *iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

std::unique_ptr<QWidget> create(const Bytes &keyword, const Bytes &attrs = Bytes())
{
    const Json::Value node = tavixtest::parse("{\"attr\": {" + attrs + "}}");
    return std::unique_ptr<QWidget>(tavixCreateControlFromNode(keyword.constData(), node, nullptr));
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
    void stateAndAction_data();
    void stateAndAction();
    void value_data();
    void value();
    void tabCells();
    void ribbonCommandAndChart();
    void switchAnnouncesToggles();
    void captionChangeIsAnnounced();
    void readAndTranslatedTextIsAnnounced_data();
    void readAndTranslatedTextIsAnnounced();
    void ribbonCaptionChangeIsAnnounced();
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
    QTest::addColumn<Bytes>("keyword");
    for (const auto &entry : creatorMap())
        QTest::newRow(entry.first.c_str()) << Bytes(entry.first.c_str());
}

// Role, disabled, focused and hidden as a client sees them, for every keyword a page may use.
void tst_Accessibility::everyRegisteredType()
{
    QFETCH(Bytes, keyword);
    QWidget window;
    QWidget *control = tavixCreateControlByKeyword(keyword.constData(), &window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAccessibleInterface *a = iface(control);
    QVERIFY(a && a->isValid());
    const Bytes className = Bytes(control->metaObject()->className()).mid(int(strlen("TavixQtLib::")));
    QVERIFY2(kRoles.count(className), "no accessibility role decided for " + className);
    QCOMPARE(a->role(), kRoles.at(className));
    // Qt's item-view interfaces, which the lists, tables and trees keep, report no state of their own.
    if (a->role() == QAccessible::List || a->role() == QAccessible::Table || a->role() == QAccessible::Tree)
        return;
    QVERIFY(!a->state().disabled);
    if (control->focusPolicy() != Qt::NoFocus) {
        control->setFocus();
        QVERIFY(a->state().focusable && a->state().focused);
    }
    control->setEnabled(false);
    QVERIFY(a->state().disabled);
    control->hide();
    QVERIFY(a->state().invisible);
}

void tst_Accessibility::name_data()
{
    QTest::addColumn<Bytes>("keyword");
    QTest::addColumn<Bytes>("attrs");   // the page node's "attr" members
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const auto row = [](const char *tag, const char *keyword, const char *attrs, const char *tip,
                        const char *explicitName, const char *name, const char *description) {
        QTest::newRow(tag) << Bytes(keyword) << Bytes(attrs) << tip << explicitName << name << description;
    };
    row("button", "qtbutton", R"("text": "&Start")", "Starts the pump", "", "Start", "Starts the pump");
    row("text not shown", "qtbutton", R"("text": "Stop", "showText": 0)", "", "", "Stop", "");
    row("icon only", "qtbutton", "", "Settings", "", "Settings", "");
    row("accessible name wins", "qtbutton", R"("text": "X")", "tip", "Close", "Close", "tip");
    row("check box", "qtcheckbox", R"("text": "Alarm")", "", "", "Alarm", "");
    row("label", "qtlabel", R"("text": "HR")", "", "", "HR", "");
    row("group box", "qtgroupbox", R"("text": "Limits")", "", "", "Limits", "");
    row("LCD", "qtlcdnumber", R"("text": "72")", "", "", "72", "");
    row("switch", "qtswitch", "", "Mute", "", "Mute", "");
    row("slider", "qtslider", "", "Volume", "", "Volume", "");
}

void tst_Accessibility::name()
{
    QFETCH(Bytes, keyword);
    QFETCH(Bytes, attrs);
    QFETCH(QString, toolTip);
    QFETCH(QString, accessibleName);
    std::unique_ptr<QWidget> control = create(keyword, attrs);
    control->setToolTip(toolTip);
    control->setAccessibleName(accessibleName);
    QTEST(iface(control.get())->text(QAccessible::Name), "name");
    QTEST(iface(control.get())->text(QAccessible::Description), "description");
    if (QTest::currentDataTag() == QByteArrayLiteral("button"))
        QCOMPARE(iface(control.get())->actionInterface()->keyBindingsForAction(
                     QAccessibleActionInterface::pressAction()), QStringList("Alt+S"));
}

enum Setup { Checked, Partly, HeldDown, ToggleOn, Off, Disabled };

void tst_Accessibility::stateAndAction_data()
{
    QTest::addColumn<Bytes>("keyword");
    QTest::addColumn<int>("setup");
    QTest::addColumn<QString>("flags");    // checkable, checked, mixed, pressed as set
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("signals");      // clicked, toggled or valueChanged emitted by the action
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const auto row = [](const char *tag, const char *keyword, Setup setup, const char *flags, const QString &action,
                        int count) { QTest::newRow(tag) << Bytes(keyword) << int(setup) << flags << action << count; };
    row("check box", "qtcheckbox", Checked, "checkable checked", toggle, 1);
    row("partly checked", "qtcheckbox", Partly, "checkable mixed", toggle, 1);
    row("radio", "qtradiobox", Off, "checkable", toggle, 1);
    row("held down", "qtbutton", HeldDown, "pressed", press, 1);
    row("toggle button", "qtbutton", ToggleOn, "checkable checked", toggle, 1);
    row("disabled button", "qtbutton", Disabled, "", press, 0);
    row("switch on", "qtswitch", Checked, "checkable checked", toggle, 1);
    row("switch off", "qtswitch", Off, "checkable", toggle, 1);
    row("disabled switch", "qtswitch", Disabled, "checkable checked", toggle, 0);
    row("slider", "qtslider", Off, "", QAccessibleActionInterface::increaseAction(), 1);
    row("scroll bar", "qtscrollbar", Off, "", QAccessibleActionInterface::decreaseAction(), 1);
}

void tst_Accessibility::stateAndAction()
{
    QFETCH(Bytes, keyword);
    QFETCH(int, setup);
    QFETCH(QString, action);
    std::unique_ptr<QWidget> control = create(keyword);
    control->setEnabled(setup != Disabled);
    std::unique_ptr<QSignalSpy> spy;
    if (auto *button = qobject_cast<QAbstractButton *>(control.get())) {
        button->setCheckable(button->isCheckable() || setup == ToggleOn);
        button->setChecked(setup == Checked || setup == ToggleOn);
        button->setDown(setup == HeldDown);
        if (setup == Partly)
            static_cast<QCheckBox *>(button)->setCheckState(Qt::PartiallyChecked);
        spy.reset(new QSignalSpy(button, &QAbstractButton::clicked));
    } else if (auto *sw = qobject_cast<TavixQSwitch *>(control.get())) {
        sw->setSwitchToLeft(setup == Off);   // on rests at the right
        sw->setSwitchSpeed(0);               // a toggle ends at once
        spy.reset(new QSignalSpy(sw, &TavixQSwitch::toggled));
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(control.get())) {
        slider->setValue(5);
        spy.reset(new QSignalSpy(slider, &QAbstractSlider::valueChanged));
    }
    const QAccessible::State s = iface(control.get())->state();
    QStringList flags;
    for (auto flag : {std::make_pair(s.checkable, "checkable"), std::make_pair(s.checked, "checked"),
                      std::make_pair(s.checkStateMixed, "mixed"), std::make_pair(s.pressed, "pressed")})
        if (flag.first)
            flags << flag.second;
    QTEST(flags.join(' '), "flags");
    QAccessibleActionInterface *actions = iface(control.get())->actionInterface();
    QCOMPARE(actions->actionNames().contains(action), setup != Disabled);
    actions->doAction(action);
    QTEST(int(spy->count()), "signals");   // qsizetype on Qt 6; the column is int
}

void tst_Accessibility::value_data()
{
    QTest::addColumn<Bytes>("keyword");
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<int>("stored");   // each control starts at 20 in 0..50
    QTest::newRow("slider") << Bytes("qtslider") << QVariant(30) << 30;
    QTest::newRow("slider above max") << Bytes("qtslider") << QVariant(1e12) << 50;
    QTest::newRow("slider NaN") << Bytes("qtslider") << QVariant(std::nan("")) << 20;
    QTest::newRow("slider text") << Bytes("qtslider") << QVariant("loud") << 20;
    QTest::newRow("scroll bar below min") << Bytes("qtscrollbar") << QVariant(-5) << 0;
    QTest::newRow("progress is read only") << Bytes("qtprogressbar") << QVariant(30) << 20;
    QTest::newRow("spin box") << Bytes("qtspinbox") << QVariant(30) << 30;
}

void tst_Accessibility::value()
{
    QFETCH(Bytes, keyword);
    QFETCH(QVariant, given);
    std::unique_ptr<QWidget> control = create(keyword);
    control->setProperty("maximum", 50);   // slider, progress bar and spin box share the property names
    control->setProperty("value", 20);
    QAccessibleValueInterface *v = iface(control.get())->valueInterface();
    QVERIFY(v);
    QCOMPARE(v->currentValue().toInt(), 20);
    QCOMPARE(v->maximumValue().toInt(), 50);
    v->setCurrentValue(given);
    QTEST(control->property("value").toInt(), "stored");
}

void tst_Accessibility::tabCells()
{
    TavixQTabWidget tab;
    tab.setObjectName("tab");
    tab.resize(300, 30);
    for (const char *text : {"Waves", "Trends", "Alarms"})
        tab.addTab(QString::fromLatin1(text));
    QSignalSpy changed(&tab, &TavixQTabWidget::currentChanged);
    QAccessibleInterface *bar = iface(&tab);
    QCOMPARE(bar->childCount(), 3);
    QCOMPARE(bar->child(1)->text(QAccessible::Name), QStringLiteral("Trends"));
    QCOMPARE(bar->child(2)->role(), QAccessible::PageTab);
    QCOMPARE(bar->indexOfChild(bar->child(2)), 2);
    QCOMPARE(bar->child(2)->parent(), bar);
    QVERIFY(bar->child(0)->state().selected);

    bar->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tab.getSelectedIndex(), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(bar->child(2)->state().selected && !bar->child(0)->state().selected);
    QVERIFY(seen.contains(QStringLiteral("tab %1 2").arg(QAccessible::Selection)));

    // A cell handed out before its tab went away answers as invalid, not with another tab's text.
    QAccessibleInterface *last = bar->child(2);
    tab.removeTab(2);
    QCOMPARE(bar->childCount(), 2);
    QVERIFY(!last->isValid() && last->text(QAccessible::Name).isEmpty() && !bar->child(2));
}

void tst_Accessibility::ribbonCommandAndChart()
{
    TavixQRibbonBar ribbon;
    TavixQRibbonGroup *group = ribbon.addPage(QStringLiteral("Home"))->addGroup(QStringLiteral("Clipboard"));
    TavixQPushButton *copy = group->addButton(QStringLiteral("Copy"), RibbonButtonLarge);
    QSignalSpy clicked(copy, &QAbstractButton::clicked);
    QCOMPARE(iface(group)->text(QAccessible::Name), QStringLiteral("Clipboard"));
    QCOMPARE(iface(ribbon.tabBar())->child(0)->text(QAccessible::Name), QStringLiteral("Home"));
    QCOMPARE(iface(copy)->role(), QAccessible::PushButton);
    QCOMPARE(iface(copy)->text(QAccessible::Name), QStringLiteral("Copy"));
    iface(copy)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);

    TavixQECGChart chart;
    chart.addData(0, 10);
    chart.addData(1, 12);
    QCOMPARE(iface(&chart)->role(), QAccessible::Chart);
    QVERIFY(!iface(&chart)->text(QAccessible::Name).isEmpty());
    QVERIFY(iface(&chart)->text(QAccessible::Description).contains(QLatin1String("2 points")));
}

void tst_Accessibility::switchAnnouncesToggles()
{
    TavixQSwitch sw;
    sw.setObjectName("sw");
    sw.resize(60, 30);
    sw.setSwitchSpeed(0);
    sw.setSwitchToLeft(true);
    seen.clear();
    QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(30, 15));
    QVERIFY(!sw.getIsSwitchToLeft());
    QCOMPARE(seen.count(QStringLiteral("sw checked -1")), 1);
    // The value is the text a sighted user reads as the state: under the thumb, or the only one drawn.
    QCOMPARE(iface(&sw)->text(QAccessible::Value), sw.getRightText());
    sw.setShowAllText(false);
    QCOMPARE(iface(&sw)->text(QAccessible::Value), sw.getLeftText());
    sw.setSwitchToLeft(false);   // already there: nothing to announce
    sw.setSwitchToLeft(true);
    QCOMPARE(seen.count(QStringLiteral("sw checked -1")), 2);
}

void tst_Accessibility::captionChangeIsAnnounced()
{
    TavixQGroupBox group;
    TavixQLCDNumber lcd;
    TavixQLabelEx note;
    group.setObjectName("group");
    lcd.setObjectName("lcd");
    note.setObjectName("note");
    note.setAccessibleName(QStringLiteral("Fixed"));
    seen.clear();
    group.setText(QStringLiteral("Limits"));
    lcd.setNumText(QStringLiteral("72"));
    note.setText(QStringLiteral("x"));
    const QString changed = QStringLiteral(" %1 -1").arg(QAccessible::NameChanged);
    QVERIFY(seen.contains("group" + changed) && seen.contains("lcd" + changed));
    QVERIFY(!seen.contains("note" + changed));   // its explicit name stays
}

void tst_Accessibility::readAndTranslatedTextIsAnnounced_data()
{
    QTest::addColumn<Bytes>("keyword");
    QTest::addColumn<Bytes>("page");
    QTest::addColumn<int>("event");
    const int name = QAccessible::NameChanged, value = QAccessible::ValueChanged;
    const Bytes caption = R"({"attr": {"text": "|->tst_a11y_caption"}})";
    QTest::newRow("group box") << Bytes("qtgroupbox") << caption << name;
    QTest::newRow("label") << Bytes("qtlabel") << caption << name;
    QTest::newRow("rich label") << Bytes("qtlabelex") << caption << name;
    QTest::newRow("push button") << Bytes("qtbutton") << caption << name;
    QTest::newRow("check box") << Bytes("qtcheckbox") << caption << name;
    QTest::newRow("radio button") << Bytes("qtradiobox") << caption << name;
    // The switch rests left ("on" absent) showing both texts: its value is the right text.
    QTest::newRow("switch") << Bytes("qtswitch") << Bytes(R"({"attr": {"leftText": "L", "rightText": "R"}})") << value;
}

// Text a page read or a language switch puts on a control reaches a screen reader as a set caption does.
void tst_Accessibility::readAndTranslatedTextIsAnnounced()
{
    QFETCH(Bytes, keyword);
    QFETCH(Bytes, page);
    QFETCH(int, event);
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    const QString table = QStringLiteral("Language\tEnglish\tGerman\r\ntst_a11y_caption\tLimits\tGrenzen\r\n");
    QVERIFY(resources->readLanguage(QByteArray(reinterpret_cast<const char *>(table.utf16()), table.size() * 2)));
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("English")));
    QWidget window;
    QWidget *control = tavixCreateControlByKeyword(keyword.constData(), &window);
    auto *base = dynamic_cast<ITavixQWidgetBase *>(control);
    QVERIFY(base);
    control->setObjectName("control");
    const QString announced = QStringLiteral("control %1 -1").arg(event);
    Json::Value node = tavixtest::parse(page);
    seen.clear();
    QVERIFY(base->readJsonValue(&node));
    QCOMPARE(seen.count(announced), 1);
    if (event == QAccessible::ValueChanged)
        return;   // the switch's texts have no translation key
    QCOMPARE(iface(control)->text(QAccessible::Name), QStringLiteral("Limits"));
    seen.clear();
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("German")));
    base->notifyChangeLanguage();
    QCOMPARE(iface(control)->text(QAccessible::Name), QStringLiteral("Grenzen"));
    QCOMPARE(seen.count(announced), 1);
    seen.clear();
    base->notifyChangeLanguage();   // nothing changed: nothing to announce
    QCOMPARE(seen.count(announced), 0);
}

void tst_Accessibility::ribbonCaptionChangeIsAnnounced()
{
    TavixQRibbonPage page(QStringLiteral("Home"));
    TavixQRibbonGroup *group = page.addGroup(QStringLiteral("Clipboard"));
    page.setObjectName("page");
    group->setObjectName("group");
    const QString changed = QStringLiteral(" %1 -1").arg(QAccessible::NameChanged);
    seen.clear();
    group->setGroupText(QStringLiteral("Edit"));
    page.setDisplayName(QStringLiteral("Start"));
    QCOMPARE(seen.count("group" + changed), 1);
    QCOMPARE(seen.count("page" + changed), 1);
    QCOMPARE(iface(group)->text(QAccessible::Name), QStringLiteral("Edit"));
    QCOMPARE(iface(&page)->text(QAccessible::Name), QStringLiteral("Start"));
    group->setGroupText(QStringLiteral("Edit"));
    page.setDisplayName(QStringLiteral("Start"));
    QCOMPARE(seen.count("group" + changed), 1);
    QCOMPARE(seen.count("page" + changed), 1);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
