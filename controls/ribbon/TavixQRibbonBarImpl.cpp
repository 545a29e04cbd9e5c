#include "controls/ribbon/TavixQRibbonBarImpl.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QPointer>

#include <json/value.h>

namespace TavixQtLib {

namespace {

// Colour-mode fill: with a one-pixel border, or none at all.
FillStyle colourFill(const QColor &color, const QColor &border, bool bordered, int round)
{
    FillStyle style;
    style.drawColor = true;
    style.color = color;
    style.borderColor = border;
    style.border = bordered;
    style.borderSize = bordered ? 1 : 0;
    style.round = bordered ? round : 0;
    return style;
}

TextStyleDesc centredText(const QColor &color, int size)
{
    TextStyleDesc style;
    style.color = color;
    style.size = size;
    style.singleline = true;
    style.hor = 1;
    style.ver = 1;
    return style;
}

// The kit's theme keyword for an embedded control; empty for other widgets.
const char *themeKeyword(const QWidget *item)
{
    if (qobject_cast<const TavixQComboBox *>(item))
        return "qtcombobox";
    if (qobject_cast<const TavixQProgressBar *>(item))
        return "qtprogressbar";
    if (qobject_cast<const TavixQCheckBox *>(item))
        return "qtcheckbox";
    if (qobject_cast<const TavixQRadioButton *>(item))
        return "qtradiobox";
    if (qobject_cast<const TavixQLabel *>(item))
        return "qtlabel";
    if (qobject_cast<const TavixQLineEdit *>(item))
        return "qtdedit";
    if (qobject_cast<const TavixQSpinBox *>(item))
        return "qtspinbox";
    if (qobject_cast<const TavixQSwitch *>(item))
        return "qtswitch";
    return nullptr;
}

// The configuration's numbers are taken only when they are integers.
bool readStrictInt(const Json::Value &node, const char *key, int &out)
{
    const Json::Value *value = tavixJsonMember(node, key);
    if (!value || !value->isInt())
        return false;
    out = value->asInt();
    return true;
}

} // namespace

TavixQRibbonBarImpl::TavixQRibbonBarImpl(TavixQRibbonBar *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQRibbonBar::typeName()))
    , bar(owner)
{
    fills[BarBackground] = colourFill(QColor(246, 248, 251), QColor(194, 202, 214), true, 0);
    fills[AreaBackground] = colourFill(QColor(255, 255, 255), QColor(207, 214, 224), true, 0);
    fills[GroupBackground] = colourFill(QColor(250, 252, 255), QColor(215, 221, 231), true, 3);
    fills[SpareFill] = colourFill(QColor(199, 207, 218), QColor(199, 207, 218), false, 0);
    fills[TabNormal + Normal] = colourFill(QColor(238, 242, 248), QColor(238, 242, 248), false, 0);
    fills[TabNormal + Hot] = colourFill(QColor(226, 238, 252), QColor(144, 183, 225), true, 3);
    fills[TabNormal + Pressed] = colourFill(QColor(255, 255, 255), QColor(128, 171, 220), true, 3);
    fills[TabNormal + Disable] = colourFill(QColor(238, 238, 238), QColor(238, 238, 238), false, 0);
    fills[ButtonNormal + Normal] = colourFill(QColor(255, 255, 255), QColor(210, 216, 225), true, 3);
    fills[ButtonNormal + Hot] = colourFill(QColor(232, 242, 255), QColor(129, 174, 226), true, 3);
    fills[ButtonNormal + Pressed] = colourFill(QColor(204, 226, 252), QColor(89, 143, 208), true, 3);
    fills[ButtonNormal + Disable] = colourFill(QColor(238, 238, 238), QColor(220, 220, 220), true, 3);
    texts[TabText - TabText] = centredText(QColor(30, 40, 54), 12);
    texts[GroupTitleText - TabText] = centredText(QColor(91, 103, 119), 11);
    texts[ButtonText - TabText] = centredText(QColor(40, 48, 60), 11);
    texts[SpareText - TabText] = centredText(QColor(38, 47, 61), 12);
}

int TavixQRibbonBarImpl::headerHeight() const
{
    int h = qMax(tabHeight, kMinTabHeight);
    if (topBarHeight > 0 && h < topBarHeight)
        h = topBarHeight;
    return qMin(h, kMaxHeaderHeight);
}

int TavixQRibbonBarImpl::tabWidth() const
{
    if (tabItemWidth >= 1)
        return qMin(tabItemWidth, QWIDGETSIZE_MAX);
    return int(qBound(76LL, 3LL * tabHeight, (long long)QWIDGETSIZE_MAX));
}

void TavixQRibbonBarImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, fills[BarBackground], rect);
}

void TavixQRibbonBarImpl::applyItemStyle(QWidget *item)
{
    if (auto *button = qobject_cast<TavixQRibbonPushButton *>(item)) {
        button->setBackground(AllStates, fills[ButtonNormal + Normal]);
        for (int s = Normal; s <= Disable; ++s)
            button->setBackground(CtrlState(s), fills[ButtonNormal + s]);
        button->setTextStyle(AllStates, text(ButtonText));
        button->update();
        return;
    }
    if (const char *keyword = themeKeyword(item)) {
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(item))
            control->setThemeName(QString::fromLatin1(keyword));
    }
}

void TavixQRibbonBarImpl::applyStyles()
{
    if (tabBar) {
        tabBar->setBackground(fills[BarBackground]);
        tabBar->setItemSize(tabWidth());
        tabBar->setItemSpace(0);
        tabBar->setIsHor(true);
        tabBar->setShowText(true);
        tabBar->setShowIcon(false);
        for (int s = Normal; s <= Disable; ++s)
            tabBar->setItemBackground(CtrlState(s), fills[TabNormal + s]);
        tabBar->setItemTextStyle(AllStates, text(TabText));
        tabBar->update();
    }
    for (QWidget *item : bar->findChildren<QWidget *>())
        applyItemStyle(item);
    bar->update();
}

void TavixQRibbonBarImpl::notifyChangeLanguage()
{
    applyStyles();
    bar->updateLayout();
}

bool TavixQRibbonBarImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots(this);
    for (int slot = BarBackground; slot <= SpareFill; ++slot)
        styleSlots.fill(slot, &fills[slot]);
    // Each state's record is its own: an entry never spreads over the group.
    styleSlots.fillGroup(TabNormal, fills + TabNormal, 4, false).fillGroup(ButtonNormal, fills + ButtonNormal, 4, false);
    for (int slot = TabText; slot <= SpareText; ++slot)
        styleSlots.text(slot, &texts[slot - TabText]);

    if (!read) {
        Json::Value &out = **node;
        // The bar builds its parts from its configuration; they are not page content.
        if (out.isObject())
            out.removeMember("child");
        Json::Value &attr = tavixAttrObject(out);
        attr["groupHeight"] = groupHeight;
        attr["groupRowCount"] = groupRowCount;
        attr["tabHeight"] = tabHeight;
        attr["tabItemWidth"] = tabItemWidth;
        attr["topBarHeight"] = topBarHeight;
        attr["minimized"] = minimized ? 1 : 0;
        attr["showMenuBar"] = showMenuBar ? 1 : 0;
        styleSlots.write(out);
        return true;
    }

    const Json::Value &target = **node;
    const bool wasMinimized = minimized;
    QString configFile;
    if (const Json::Value *attr = tavixAttrNode(target)) {
        readStrictInt(*attr, "groupHeight", groupHeight);
        readStrictInt(*attr, "groupRowCount", groupRowCount);
        readStrictInt(*attr, "tabHeight", tabHeight);
        readStrictInt(*attr, "tabItemWidth", tabItemWidth);
        readStrictInt(*attr, "topBarHeight", topBarHeight);
        // Saved as 0 or 1 like every control's flags; true and false read as well.
        tavixReadBool(*attr, "minimized", minimized);
        tavixReadBool(*attr, "showMenuBar", showMenuBar);
        // A theme entry styles the bar; it never replaces its pages.
        if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes())
            tavixReadString(*attr, "configFile", configFile);
    }
    styleSlots.read(target);

    QPointer<TavixQRibbonBar> alive(bar);
    if (!configFile.isEmpty())
        bar->loadConfigFile(configFile);   // emits currentPageChanged; a slot may delete the bar
    if (!alive)
        return true;
    applyStyles();
    bar->updateLayout();
    bar->updateGeometry();
    if (minimized != wasMinimized)
        emit bar->minimizedChanged(minimized);
    return true;
}

} // namespace TavixQtLib
