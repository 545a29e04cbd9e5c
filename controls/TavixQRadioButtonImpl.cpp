#include "controls/TavixQRadioButtonImpl.h"

#include "controls/TavixButtonCaption.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSvgRenderer>

#include <json/value.h>

namespace TavixQtLib {

namespace {

int alignedStart(int align, int start, int length, int size)
{
    switch (align) {
    case DockCenter:
        return start + (length - size) / 2;
    case DockFar:
        return start + length - size;
    default:
        return start;
    }
}

} // namespace

TavixQRadioButtonImpl::TavixQRadioButtonImpl(QRadioButton *owner)
    : TavixQWidgetBaseImpl(owner, QStringLiteral("qtradiobox"))
    , radio(owner)
{
    iconStyle.offsetX = 10;
    iconStyle.horAlign = DockNear;
    iconStyle.verAlign = DockCenter;
    for (FillStyle &style : unselectedBackgrounds)
        style.valid = false;
}

TavixQRadioButtonImpl::~TavixQRadioButtonImpl() = default;

QString TavixQRadioButtonImpl::indicatorPath(bool checked, int state, bool enabled, bool *gray) const
{
    if (!enabled && !disableIcon.isEmpty()) {
        if (gray)
            *gray = false;
        return disableIcon;
    }
    if (gray)
        *gray = !enabled;
    const QString &hot = checked ? checkedHotIcon : uncheckHotIcon;
    if (state == Hot && !hot.isEmpty())
        return hot;
    return checked ? checkedIcon : uncheckIcon;
}

QSize TavixQRadioButtonImpl::scaledIndicatorSize(const QSize &natural, const QRect &rect)
{
    if (!natural.isValid() || natural.isEmpty())
        return QSize();
    const QSize bound(qMax(rect.width(), 1), qMax(rect.height() / 2, 1));
    const QSize scaled = natural.scaled(bound, Qt::KeepAspectRatio);
    return QSize(qMax(scaled.width(), 1), qMax(scaled.height(), 1));
}

QRect TavixQRadioButtonImpl::indicatorRect(const QSize &size, const QRect &rect) const
{
    const int x = alignedStart(iconStyle.horAlign, rect.left(), rect.width(), size.width());
    const int y = alignedStart(iconStyle.verAlign, rect.top(), rect.height(), size.height());
    return QRect(QPoint(x + iconStyle.offsetX, y + iconStyle.offsetY), size);
}

QRect TavixQRadioButtonImpl::captionRect(const QSize &indicatorSize, const QRect &rect)
{
    if (!indicatorSize.isValid())
        return rect;
    return rect.adjusted(indicatorSize.width() + 2, 0, 0, 0);
}

void TavixQRadioButtonImpl::drawScaledIndicator(QPainter *painter, const QString &path, const QRect &target,
                                                bool gray)
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    if (isSvgPath(path)) {
        QSvgRenderer *renderer = rm->getSvgRenderer(path);
        if (!renderer || !renderer->isValid())
            return;
        if (!gray) {
            renderer->render(painter, QRectF(target));
            return;
        }
        QImage image(target.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        renderer->render(&imagePainter);
        imagePainter.end();
        const QPixmap pixmap = QIcon(QPixmap::fromImage(image)).pixmap(target.size(), QIcon::Disabled);
        painter->drawPixmap(target.topLeft(), pixmap);
        return;
    }
    const QImage *image = rm->getImage(path, gray);
    if (image && !image->isNull())
        painter->drawImage(target, *image);
}

void TavixQRadioButtonImpl::paint(QPainter *painter, const QRect &rect)
{
    const bool checked = radio->isChecked();
    const int s = qBound(int(Normal), state, int(Disable));
    bool gray = false;
    // Sized by the indicator actually drawn, so the caption does not jump when a Hot variant is missing.
    const QString path = indicatorPath(checked, s, radio->isEnabled(), &gray);
    const QSize natural = path.isEmpty() ? QSize() : imageSize(path, false);
    const QSize scaled = scaledIndicatorSize(natural, rect);

    drawFillStyle(painter, checked ? selectedBackgrounds[s] : unselectedBackgrounds[s], rect);

    if (showIcon && scaled.isValid()) {
        if (scaled == natural)
            drawIconImage(painter, path, iconStyle, rect, gray);
        else
            drawScaledIndicator(painter, path, indicatorRect(scaled, rect), gray);
    }

    if (showText) {
        const TextStyleDesc &style = s == Disable ? disableTextStyle : checked ? checkedTextStyle : uncheckTextStyle;
        drawTextStyle(painter, radio->text(), style, captionRect(scaled, rect));
    }
}

void TavixQRadioButtonImpl::notifyChangeLanguage()
{
    tavixTranslateButtonCaption(radio, languageKey);
}

bool TavixQRadioButtonImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fillGroup(0, unselectedBackgrounds, 4)
        .fillGroup(4, selectedBackgrounds, 4)
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
        if (tavixReadBool(a, "pushlike", b))
            pushlike = b;
        // A theme entry restyles a live radio button; it must not wipe the caption the page gave it.
        if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes()) {
            tavixReadString(a, "text", text);
            tavixApplyButtonCaption(radio, text, languageKey);
        }
        if (tavixReadString(a, "iconPath", text))
            uncheckIcon = text;
        if (tavixReadString(a, "hotIconPath", text))
            uncheckHotIcon = text;
        if (tavixReadString(a, "siconPath", text))
            checkedIcon = text;
        if (tavixReadString(a, "sHotIconPath", text))
            checkedHotIcon = text;
        styleSlots.read(target);
        radio->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "iconHor", iconStyle.horAlign, 0);
    tavixWriteAttrInt(out, "iconVer", iconStyle.verAlign, 1);
    tavixWriteAttrInt(out, "iconX", iconStyle.offsetX, 0);
    tavixWriteAttrInt(out, "iconY", iconStyle.offsetY, 0);
    tavixWriteAttrBool(out, "showIcon", showIcon, true);
    tavixWriteAttrBool(out, "showText", showText, true);
    tavixWriteAttrBool(out, "pushlike", pushlike, false);
    tavixWriteAttrString(out, "text", tavixButtonCaptionForNode(radio, languageKey));
    tavixWriteAttrString(out, "iconPath", uncheckIcon);
    tavixWriteAttrString(out, "hotIconPath", uncheckHotIcon);
    tavixWriteAttrString(out, "siconPath", checkedIcon);
    tavixWriteAttrString(out, "sHotIconPath", checkedHotIcon);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
