#include "controls/TavixQRadioButtonImpl.h"

#include "controls/TavixQRadioButton.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixPainting.h"
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
    : TavixQCheckableImpl(owner, QString::fromLatin1(TavixQRadioButton::typeName()))
    , radio(owner)
{
    iconStyle.offsetX = 10;             // the indicator sits 10 pixels in
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
    // The offsets come from page documents: any int must give a rectangle, not an overflow.
    return QRect(QPoint(tavixClampCoord((long long)(x) + iconStyle.offsetX),
                        tavixClampCoord((long long)(y) + iconStyle.offsetY)), size);
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
        if (!gray && !iconStyle.useColor) {
            renderer->render(painter, QRectF(target));
            return;
        }
        // Rendered at the painter's pixel ratio, so that a high-DPI screen does not get enlarged pixels.
        QImage image = tavixRenderSvgImage(renderer, target.size(), tavixPainterPixelRatio(painter));
        if (image.isNull())
            return;
        if (iconStyle.useColor) {
            // A scaled indicator takes the icon colour as the unscaled one does.
            QPainter imagePainter(&image);
            imagePainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            imagePainter.fillRect(QRect(QPoint(0, 0), target.size()), iconStyle.color);
        }
        tavixDrawImageInto(painter, QRectF(target), gray ? tavixDisabledImage(image) : image);
        return;
    }
    const QImage *image = tavixImageForPainter(painter, path, gray);
    if (!image || image->isNull())
        return;
    if (image->devicePixelRatioF() != 1)
        tavixDrawImageInto(painter, QRectF(target), *image);
    else
        painter->drawImage(target, *image);
}

void TavixQRadioButtonImpl::paint(QPainter *painter, const QRect &rect)
{
    const bool checked = radio->isChecked();
    // Space held down presses the button without the mouse; it looks pressed as under the pointer.
    const int s = radio->isDown() && state != Disable ? int(Pressed) : qBound(int(Normal), state, int(Disable));
    bool gray = false;
    // Sized by the indicator actually drawn, so the caption does not jump when a Hot variant is missing.
    const QString path = indicatorPath(checked, s, radio->isEnabled(), &gray);
    const QSize natural = path.isEmpty() ? QSize() : imageSize(path, false);
    const QSize scaled = scaledIndicatorSize(natural, rect);

    drawFillStyle(painter, backgrounds(checked)[s], rect);

    if (showIcon && scaled.isValid()) {
        if (scaled == natural)
            drawIconImage(painter, path, iconStyle, rect, gray);
        else
            drawScaledIndicator(painter, path, indicatorRect(scaled, rect), gray);
    }

    if (showText)
        drawTextStyle(painter, radio->text(), captionStyle(checked, s == Disable), captionRect(scaled, rect),
                      &textLayouts);
}

void TavixQRadioButtonImpl::readOwnAttrs(const Json::Value &a)
{
    bool b = false;
    if (tavixReadBool(a, "pushlike", b))
        pushlike = b;
}

void TavixQRadioButtonImpl::writeOwnAttrs(Json::Value &out) const
{
    tavixWriteAttrBool(out, "pushlike", pushlike, false);
}

} // namespace TavixQtLib
