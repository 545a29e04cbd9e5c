#include "controls/TavixQCheckBoxImpl.h"

#include "controls/TavixButtonCaption.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QCheckBox>
#include <QPainter>

#include <json/value.h>

namespace TavixQtLib {

namespace {

const QString kDefaultUncheck = QStringLiteral("IDB_UNCHECK");
const QString kDefaultChecked = QStringLiteral("IDB_CHECKED");

} // namespace

TavixQCheckBoxImpl::TavixQCheckBoxImpl(QCheckBox *owner)
    : TavixQWidgetBaseImpl(owner, QStringLiteral("qtcheckbox"))
    , checkBox(owner)
{
    iconStyle.horAlign = DockNear;
    iconStyle.verAlign = DockCenter;
    for (int s = Normal; s <= Disable; ++s) {
        uncheckBackgrounds[s].valid = false;
        checkedBackgrounds[s].valid = false;
    }
}

TavixQCheckBoxImpl::~TavixQCheckBoxImpl() = default;

int TavixQCheckBoxImpl::captionX() const
{
    if (!showIcon || iconStyle.horAlign != DockNear || uncheckIcon.isEmpty())
        return 0;
    // The unchecked indicator's width, whichever indicator is shown, so the caption never moves.
    const QSize size = imageSize(uncheckIcon, false);
    return size.isValid() ? iconStyle.offsetX + size.width() : 0;
}

QString TavixQCheckBoxImpl::indicatorPath(bool checked, int state) const
{
    switch (state) {
    case Hot:
        return checked ? checkedHotIcon : uncheckHotIcon;
    case Disable:
        return checked ? disableCheckedIcon : disableUncheckIcon;
    default:
        return checked ? checkedIcon : uncheckIcon;
    }
}

void TavixQCheckBoxImpl::paint(QPainter *painter, const QRect &rect)
{
    const bool checked = checkBox->isChecked();
    const int s = qBound(int(Normal), state, int(Disable));
    drawFillStyle(painter, checked ? checkedBackgrounds[s] : uncheckBackgrounds[s], rect);

    if (showText) {
        const int x = captionX();
        const TextStyleDesc &style = !checkBox->isEnabled() ? disableTextStyle
                                     : checked             ? checkedTextStyle
                                                           : uncheckTextStyle;
        drawTextStyle(painter, checkBox->text(), style, QRect(x, 0, checkBox->width() - x, checkBox->height()));
    }

    if (showIcon) {
        const QString path = indicatorPath(checked, s);
        if (!path.isEmpty())
            drawIconImage(painter, path, iconStyle, rect, false);
    }
}

void TavixQCheckBoxImpl::notifyChangeLanguage()
{
    tavixTranslateButtonCaption(checkBox, languageKey);
}

bool TavixQCheckBoxImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fillGroup(0, uncheckBackgrounds, 4)
        .fillGroup(4, checkedBackgrounds, 4)
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
        // A theme entry restyles a live check box; it must not wipe the caption the page gave it.
        if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes()) {
            text.clear();
            tavixReadString(a, "text", text);
            tavixApplyButtonCaption(checkBox, text, languageKey);
        }
        if (tavixReadString(a, "iconPath", text))
            uncheckIcon = text;
        if (tavixReadString(a, "hotIconPath", text))
            uncheckHotIcon = text;
        if (uncheckHotIcon == kDefaultUncheck)
            uncheckHotIcon = uncheckIcon;
        if (tavixReadString(a, "siconPath", text))
            checkedIcon = text;
        if (tavixReadString(a, "sHotIconPath", text))
            checkedHotIcon = text;
        if (checkedHotIcon == kDefaultChecked)
            checkedHotIcon = checkedIcon;
        if (tavixReadString(a, "disableIconPath", text))
            disableUncheckIcon = text;
        if (tavixReadString(a, "disableSIconPath", text))
            disableCheckedIcon = text;
        styleSlots.read(target);
        checkBox->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "iconHor", iconStyle.horAlign, 1);
    tavixWriteAttrInt(out, "iconVer", iconStyle.verAlign, 1);
    tavixWriteAttrInt(out, "iconX", iconStyle.offsetX, 0);
    tavixWriteAttrInt(out, "iconY", iconStyle.offsetY, 0);
    tavixWriteAttrBool(out, "showIcon", showIcon, true);
    tavixWriteAttrBool(out, "showText", showText, true);
    tavixWriteAttrString(out, "text", tavixButtonCaptionForNode(checkBox, languageKey));
    tavixWriteAttrString(out, "iconPath", uncheckIcon);
    tavixWriteAttrString(out, "hotIconPath", uncheckHotIcon);
    tavixWriteAttrString(out, "siconPath", checkedIcon);
    tavixWriteAttrString(out, "sHotIconPath", checkedHotIcon);
    tavixWriteAttrString(out, "disableIconPath", disableUncheckIcon);
    tavixWriteAttrString(out, "disableSIconPath", disableCheckedIcon);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
