#include "controls/TavixQCheckBoxImpl.h"

#include "controls/TavixQCheckBox.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"

#include <QCheckBox>
#include <QPainter>

#include <json/value.h>

namespace TavixQtLib {

namespace {

const QString kDefaultUncheck = QStringLiteral("IDB_UNCHECK");
const QString kDefaultChecked = QStringLiteral("IDB_CHECKED");

} // namespace

TavixQCheckBoxImpl::TavixQCheckBoxImpl(QCheckBox *owner)
    : TavixQCheckableImpl(owner, QString::fromLatin1(TavixQCheckBox::typeName()))
    , checkBox(owner)
{
    uncheckIcon = uncheckHotIcon = kDefaultUncheck;
    checkedIcon = checkedHotIcon = kDefaultChecked;
    // Saved pages carry "iconHor" unless it is 1, although the check box starts left-aligned.
    unsavedHorAlign = DockCenter;
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
    // The offset comes from page documents: any int must give a position, not an overflow.
    return size.isValid() ? tavixClampCoord((long long)(iconStyle.offsetX) + size.width()) : 0;
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

void TavixQCheckBoxImpl::setIndicator(bool checked, const QString &path)
{
    (checked ? checkedIcon : uncheckIcon) = path;
    followIndicator(checked);
}

void TavixQCheckBoxImpl::followIndicator(bool checked)
{
    QString &hot = checked ? checkedHotIcon : uncheckHotIcon;
    if (hot == (checked ? kDefaultChecked : kDefaultUncheck))
        hot = checked ? checkedIcon : uncheckIcon;
}

void TavixQCheckBoxImpl::paint(QPainter *painter, const QRect &rect)
{
    const bool checked = checkBox->isChecked();
    // Space held down presses the box without the mouse; it looks pressed as under the pointer.
    const int s = checkBox->isDown() && state != Disable ? int(Pressed) : qBound(int(Normal), state, int(Disable));
    drawFillStyle(painter, backgrounds(checked)[s], rect);

    if (showText) {
        const int x = captionX();
        drawTextStyle(painter, checkBox->text(), captionStyle(checked, !checkBox->isEnabled()),
                      QRect(x, 0, tavixClampCoord((long long)(checkBox->width()) - x), checkBox->height()),
                      &textLayouts);
    }

    if (showIcon) {
        const QString path = indicatorPath(checked, s);
        if (!path.isEmpty())
            drawIconImage(painter, path, iconStyle, rect, false);
    }
}

void TavixQCheckBoxImpl::readOwnAttrs(const Json::Value &a)
{
    followIndicator(false);
    followIndicator(true);
    QString text;
    if (tavixReadString(a, "disableIconPath", text))
        disableUncheckIcon = text;
    if (tavixReadString(a, "disableSIconPath", text))
        disableCheckedIcon = text;
}

void TavixQCheckBoxImpl::writeOwnAttrs(Json::Value &out) const
{
    tavixWriteAttrString(out, "disableIconPath", disableUncheckIcon);
    tavixWriteAttrString(out, "disableSIconPath", disableCheckedIcon);
}

} // namespace TavixQtLib
