#include "controls/TavixQCheckableImpl.h"

#include "core/TavixJson.h"
#include "core/TavixLanguageText.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QAbstractButton>

#include <json/value.h>

namespace TavixQtLib {

TavixQCheckableImpl::TavixQCheckableImpl(QAbstractButton *owner, const QString &typeName)
    : TavixQWidgetBaseImpl(owner, typeName)
    , button(owner)
{
    iconStyle.horAlign = DockNear;
    iconStyle.verAlign = DockCenter;
}

TavixQCheckableImpl::~TavixQCheckableImpl() = default;

void TavixQCheckableImpl::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style)
{
    switch (state) {
    case CheckBoxTextState::Checked:
        checkedTextStyle = style;
        break;
    case CheckBoxTextState::Unchecked:
        uncheckTextStyle = style;
        break;
    case CheckBoxTextState::Disable:
        disableTextStyle = style;
        break;
    }
}

const TextStyleDesc &TavixQCheckableImpl::textStyleByState(CheckBoxTextState state) const
{
    switch (state) {
    case CheckBoxTextState::Checked:
        return checkedTextStyle;
    case CheckBoxTextState::Disable:
        return disableTextStyle;
    default:
        return uncheckTextStyle;
    }
}

const TextStyleDesc &TavixQCheckableImpl::captionStyle(bool checked, bool disabled) const
{
    return disabled ? disableTextStyle : checked ? checkedTextStyle : uncheckTextStyle;
}

void TavixQCheckableImpl::notifyChangeLanguage()
{
    QString caption;
    if (tavixTranslateText(languageKey, caption))
        button->setText(caption);
}

bool TavixQCheckableImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots(this);
    styleSlots.fillGroup(0, backgrounds(false), 4)
        .fillGroup(4, backgrounds(true), 4)
        .text(8, &uncheckTextStyle)
        .text(9, &checkedTextStyle)
        .text(10, &disableTextStyle);

    if (read) {
        const Json::Value &target = **node;
        const Json::Value *attr = tavixAttrNode(target);
        const Json::Value empty;
        const Json::Value &a = attr ? *attr : empty;
        bool b = false;
        int i = 0;
        QString text;
        if (tavixReadInt(a, "iconHor", i))
            iconStyle.horAlign = i;
        if (tavixReadInt(a, "iconVer", i))
            iconStyle.verAlign = i;
        if (tavixReadInt(a, "iconX", i))
            iconStyle.offsetX = i;
        if (tavixReadInt(a, "iconY", i))
            iconStyle.offsetY = i;
        if (tavixReadBool(a, "showIcon", b))
            showIcon = b;
        if (tavixReadBool(a, "showText", b))
            showText = b;
        // A theme entry restyles a live button; it must not wipe the caption the page gave it.
        if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes()) {
            tavixReadString(a, "text", text);
            button->setText(tavixTextFromNode(text, languageKey));
        }
        if (tavixReadString(a, "iconPath", text))
            uncheckIcon = text;
        if (tavixReadString(a, "hotIconPath", text))
            uncheckHotIcon = text;
        if (tavixReadString(a, "siconPath", text))
            checkedIcon = text;
        if (tavixReadString(a, "sHotIconPath", text))
            checkedHotIcon = text;
        readOwnAttrs(a);
        styleSlots.read(target);
        button->update();
        return true;
    }

    Json::Value &out = **node;
    // A value left out reads back as the start value (DockNear), so one that differs from it is always
    // written, even where it equals the value stored pages leave out.
    if (iconStyle.horAlign != DockNear && iconStyle.horAlign == unsavedHorAlign)
        tavixAttrObject(out)["iconHor"] = iconStyle.horAlign;
    else
        tavixWriteAttrInt(out, "iconHor", iconStyle.horAlign, unsavedHorAlign);
    tavixWriteAttrInt(out, "iconVer", iconStyle.verAlign, DockCenter);
    tavixWriteAttrInt(out, "iconX", iconStyle.offsetX, 0);
    tavixWriteAttrInt(out, "iconY", iconStyle.offsetY, 0);
    tavixWriteAttrBool(out, "showIcon", showIcon, true);
    tavixWriteAttrBool(out, "showText", showText, true);
    tavixWriteAttrString(out, "text", tavixTextForNode(button->text(), languageKey));
    tavixWriteAttrString(out, "iconPath", uncheckIcon);
    tavixWriteAttrString(out, "hotIconPath", uncheckHotIcon);
    tavixWriteAttrString(out, "siconPath", checkedIcon);
    tavixWriteAttrString(out, "sHotIconPath", checkedHotIcon);
    writeOwnAttrs(out);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
