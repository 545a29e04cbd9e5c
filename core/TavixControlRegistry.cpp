#include "core/TavixControlRegistry.h"
#include "core/TavixControlRegistry_p.h"

#include "core/ITavixQWidgetBase.h"
#include "core/TavixAccessible.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <json/value.h>

#include <unordered_map>
#include <vector>

// Control classes: add the header of each built-in control here as it lands.
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQLCDNumber.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollView.h"
#include "controls/TavixQSlider.h"
#include "controls/TavixQSpacer.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSplitter.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQTextEdit.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQListView.h"
#include "controls/views/TavixQMenuBar.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTreeView.h"

namespace TavixQtLib {

// The canvas window's creator and descriptor, defined beside it in designer/ so that core needs no
// designer header.
QWidget *tavixCreateCanvasWindow();
ControlInfo tavixCanvasWindowProps();
// The design canvas's creator, likewise.
QWidget *tavixCreateCanvas();
// The same for the property list.
QWidget *tavixCreatePropertyList();
ControlInfo tavixPropertyListProps();

namespace {

// One built-in registration. A null props makes it creator-only (no descriptor, never listed).
struct BuiltInType
{
    const char *keyword;
    ControlCreateFunction create;
    ControlInfo (*props)();
    bool listed;
    ChildCreateFunction createIn = nullptr;   // the same type born under a parent; null: none
};

// A creator-only short name of a built-in type.
struct BuiltInAlias
{
    const char *keyword;
    ControlCreateFunction create;
};

// The built-in types in registration order.
const std::vector<BuiltInType> &builtInTypes()
{
    static const std::vector<BuiltInType> rows = {
        {"Window", &tavixCreateCanvasWindow, &tavixCanvasWindowProps, true},
        {"qtcontainer", &TavixQContainer::createTavixQContainer, &TavixQContainer::getProps, true, &TavixQContainer::createTavixQContainerIn},
        {"qtbutton", &TavixQPushButton::createTavixQPushButton, &TavixQPushButton::getProps, true, &TavixQPushButton::createTavixQPushButtonIn},
        {"qtmenubar", &TavixQMenuBar::createTavixQMenuBar, &TavixQMenuBar::getProps, true, &TavixQMenuBar::createTavixQMenuBarIn},
        {"qtlabel", &TavixQLabel::createTavixQLabel, &TavixQLabel::getProps, true, &TavixQLabel::createTavixQLabelIn},
        {"qtcheckbox", &TavixQCheckBox::createTavixQCheckBox, &TavixQCheckBox::getProps, true, &TavixQCheckBox::createTavixQCheckBoxIn},
        {"qtlistview", &TavixQListView::createTavixQListView, &TavixQListView::getProps, false, &TavixQListView::createTavixQListViewIn},
        {"qtprogressbar", &TavixQProgressBar::createTavixQProgressBar, &TavixQProgressBar::getProps, true, &TavixQProgressBar::createTavixQProgressBarIn},
        {"qtradiobox", &TavixQRadioButton::createTavixQRadioButton, &TavixQRadioButton::getProps, true, &TavixQRadioButton::createTavixQRadioButtonIn},
        {"qtslider", &TavixQSlider::createTavixQSlider, &TavixQSlider::getProps, true, &TavixQSlider::createTavixQSliderIn},
        {"qtstackcontainer", &TavixQStackContainer::createTavixQStackContainer, &TavixQStackContainer::getProps, true, &TavixQStackContainer::createTavixQStackContainerIn},
        {"qtspacer", &TavixQSpacer::createTavixQSpacer, &TavixQSpacer::getProps, true, &TavixQSpacer::createTavixQSpacerIn},
        {"qttab", &TavixQTabWidget::createTavixQTabWidget, &TavixQTabWidget::getProps, true, &TavixQTabWidget::createTavixQTabWidgetIn},
        {"qtdedit", &TavixQLineEdit::createTavixQLineEdit, &TavixQLineEdit::getProps, true, &TavixQLineEdit::createTavixQLineEditIn},
        {"qtcombobox", &TavixQComboBox::createTavixQComboBox, &TavixQComboBox::getProps, true, &TavixQComboBox::createTavixQComboBoxIn},
        {"qtlist", &TavixQList::createTavixQList, &TavixQList::getProps, true, &TavixQList::createTavixQListIn},
        {"qttree", &TavixQTreeView::createTavixQTreeView, &TavixQTreeView::getProps, true, &TavixQTreeView::createTavixQTreeViewIn},
        {"qtdatagrid", &TavixQTableView::createTavixQTableView, &TavixQTableView::getProps, true, &TavixQTableView::createTavixQTableViewIn},
        {"qtgroupbox", &TavixQGroupBox::createTavixQGroupBox, &TavixQGroupBox::getProps, true, &TavixQGroupBox::createTavixQGroupBoxIn},
        {"qtspinbox", &TavixQSpinBox::createTavixQSpinBox, nullptr, false, &TavixQSpinBox::createTavixQSpinBoxIn},
        {"qtlcdnumber", &TavixQLCDNumber::createTavixQLCDNumber, &TavixQLCDNumber::getProps, true, &TavixQLCDNumber::createTavixQLCDNumberIn},
        {"qtsplitter", &TavixQSplitter::createTavixQSplitter, nullptr, false, &TavixQSplitter::createTavixQSplitterIn},
        {"qtswitch", &TavixQSwitch::createTavixQSwitch, &TavixQSwitch::getProps, true, &TavixQSwitch::createTavixQSwitchIn},
        {"qtscrollview", &TavixQScrollView::createTavixQScrollView, &TavixQScrollView::getProps, true, &TavixQScrollView::createTavixQScrollViewIn},
        {"qtscrollbar", &TavixQScrollBar::createTavixQScrollBar, &TavixQScrollBar::getProps, true, &TavixQScrollBar::createTavixQScrollBarIn},
        {"qttext", &TavixQTextEdit::createTavixQTextEdit, &TavixQTextEdit::getProps, true, &TavixQTextEdit::createTavixQTextEditIn},
        {"qtlabelex", &TavixQLabelEx::createTavixQLabelEx, nullptr, false, &TavixQLabelEx::createTavixQLabelExIn},
        {"qtpicture", &TavixQImage::createTavixQImage, &TavixQImage::getProps, true, &TavixQImage::createTavixQImageIn},
        {"qtproperty", &tavixCreatePropertyList, &tavixPropertyListProps, true},
        {"qtribbonbar", &TavixQRibbonBar::createTavixQRibbonBar, &TavixQRibbonBar::getProps, true, &TavixQRibbonBar::createTavixQRibbonBarIn},
        {"canvas", &tavixCreateCanvas, nullptr, false},
    };
    return rows;
}

// The built-in creators' twins that make the control under its parent, found by the creator a keyword is
// registered with: a keyword given another creator by the host is created that way and then reparented.
const std::unordered_map<ControlCreateFunction, ChildCreateFunction> &childCreators()
{
    static const auto *map = [] {
        auto *twins = new std::unordered_map<ControlCreateFunction, ChildCreateFunction>;
        for (const BuiltInType &row : builtInTypes()) {
            if (row.createIn)
                (*twins)[row.create] = row.createIn;
        }
        return twins;
    }();
    return *map;
}

// Makes the widget of the keyword registered with create, under parent. Built as a child, a widget skips
// being a window first and then reparented: that costs more than the rest of its construction.
QWidget *createUnder(ControlCreateFunction create, QWidget *parent)
{
    const auto &twins = childCreators();
    const auto twin = parent ? twins.find(create) : twins.end();
    QWidget *widget = twin != twins.end() ? twin->second(parent) : create();
    if (widget && widget->parentWidget() != parent)
        widget->setParent(parent);
    return widget;
}

// Short names accepted in page documents, registered after the built-in types in this order.
const std::vector<BuiltInAlias> &builtInAliases()
{
    static const std::vector<BuiltInAlias> rows = {
        {"scrollbar", &TavixQScrollBar::createTavixQScrollBar},
        {"container", &TavixQContainer::createTavixQContainer},
        {"scrollview", &TavixQScrollView::createTavixQScrollView},
        {"picture", &TavixQImage::createTavixQImage},
        {"image", &TavixQImage::createTavixQImage},
        {"button", &TavixQPushButton::createTavixQPushButton},
        {"menubar", &TavixQMenuBar::createTavixQMenuBar},
        {"label", &TavixQLabel::createTavixQLabel},
        {"checkbox", &TavixQCheckBox::createTavixQCheckBox},
        {"listview", &TavixQListView::createTavixQListView},
        {"progressbar", &TavixQProgressBar::createTavixQProgressBar},
        {"radio", &TavixQRadioButton::createTavixQRadioButton},
        {"radiobox", &TavixQRadioButton::createTavixQRadioButton},
        {"slider", &TavixQSlider::createTavixQSlider},
        {"stackcontainer", &TavixQStackContainer::createTavixQStackContainer},
        {"tab", &TavixQTabWidget::createTavixQTabWidget},
        {"dedit", &TavixQLineEdit::createTavixQLineEdit},
        {"combobox", &TavixQComboBox::createTavixQComboBox},
        {"templateList", &TavixQListView::createTavixQListView},
        {"list", &TavixQList::createTavixQList},
        {"tree", &TavixQTreeView::createTavixQTreeView},
        {"datagrid", &TavixQTableView::createTavixQTableView},
        {"groupbox", &TavixQGroupBox::createTavixQGroupBox},
        {"spinbox", &TavixQSpinBox::createTavixQSpinBox},
        {"dnumedit", &TavixQSpinBox::createTavixQSpinBox},
        {"splitter", &TavixQSplitter::createTavixQSplitter},
        {"switch", &TavixQSwitch::createTavixQSwitch},
        {"property", &tavixCreatePropertyList},
    };
    return rows;
}

BoundCreateFunction boundCreator = nullptr;

} // namespace

// The collections are allocated once and never destroyed, so descriptors handed out stay valid
// even while other static objects are torn down at exit.
std::map<std::string, ControlCreateFunction> &creatorMap()
{
    static auto *map = new std::map<std::string, ControlCreateFunction>;
    return *map;
}

std::map<std::string, ControlInfo> &controlInfoMap()
{
    static auto *map = new std::map<std::string, ControlInfo>;
    return *map;
}

std::set<std::string> &listedTypes()
{
    static auto *set = new std::set<std::string>;
    return *set;
}

void tavixInitQtControl()
{
    for (const BuiltInType &row : builtInTypes()) {
        if (row.props)
            tavixRegisterQtControl(row.keyword, row.create, row.props(), row.listed);
        else
            tavixRegisterDefaultControl(row.keyword, row.create);
    }
    for (const BuiltInAlias &alias : builtInAliases())
        tavixRegisterDefaultControl(alias.keyword, alias.create);
    tavixInstallAccessibleFactory();

    // applicationFilePath() needs an application object; without one the mode stays as it is.
    if (QCoreApplication::instance())
        tavixDetectEmulator(QCoreApplication::applicationFilePath());
}

void tavixDetectEmulator(const QString &executablePath)
{
    if (executablePath.contains(QLatin1String("CorvellaQtEmulator"), Qt::CaseSensitive)
        || executablePath.contains(QLatin1String("NewQtDesigner"), Qt::CaseSensitive))
        tavixSetQtEmulator(true);
}

void tavixRegisterQtControl(const char *keyword, ControlCreateFunction create, ControlInfo info, bool listed)
{
    if (!keyword || !create)
        return;
    creatorMap()[keyword] = create;
    // Assigning into the existing node keeps every ControlInfo* handed out for this keyword valid.
    controlInfoMap()[keyword] = std::move(info);
    if (listed)
        listedTypes().insert(keyword);
}

void tavixRegisterDefaultControl(const char *keyword, ControlCreateFunction create)
{
    if (!keyword || !create)
        return;
    creatorMap()[keyword] = create;
}

void tavixBindControlCreateFunction(BoundCreateFunction f)
{
    boundCreator = f;
}

ControlInfo *tavixGetControlInfo(const QString &keyword)
{
    auto &infos = controlInfoMap();
    const auto it = infos.find(keyword.toStdString());
    return it == infos.end() ? nullptr : &it->second;
}

QVector<ControlInfo *> tavixGetAllControlInfo()
{
    QVector<ControlInfo *> all;
    auto &infos = controlInfoMap();
    all.reserve(int(infos.size()));
    for (auto &entry : infos)
        all.append(&entry.second);
    return all;
}

QWidget *createControlFromNode(const char *keyword, const Json::Value &node, QWidget *parent,
                               ITavixQWidgetBase **made)
{
    *made = nullptr;
    if (!keyword)
        return nullptr;

    QWidget *widget = nullptr;
    if (boundCreator) {
        QString name;
        tavixReadString(node, "name", name);
        widget = boundCreator(name, QString::fromUtf8(keyword));
    }
    if (!widget) {
        const auto &creators = creatorMap();
        const auto it = creators.find(keyword);
        if (it == creators.end())
            return nullptr;
        widget = createUnder(it->second, parent);
        if (!widget)
            return nullptr;
    } else if (widget->parentWidget() != parent) {
        widget->setParent(parent);
    }

    if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget)) {
        TavixQResourceManager::getInstance()->setSwitchToThemeRes(false);
        // A reader may run host code that deletes the control; the caller is told only of a live one.
        QPointer<QWidget> alive(widget);
        if (!node.isNull())
            control->readJsonValue(const_cast<Json::Value *>(&node));   // only read, never written
        if (!alive)
            return nullptr;
        *made = control;
    }
    return widget;
}

QWidget *tavixCreateControlFromNode(const char *keyword, const Json::Value &node, QWidget *parent)
{
    ITavixQWidgetBase *control = nullptr;
    return createControlFromNode(keyword, node, parent, &control);
}

QWidget *tavixCreateControlByKeyword(const char *keyword, QWidget *parent)
{
    if (!keyword)
        return nullptr;
    const auto &creators = creatorMap();
    const auto it = creators.find(keyword);
    if (it == creators.end())
        return nullptr;
    return createUnder(it->second, parent);
}

} // namespace TavixQtLib
