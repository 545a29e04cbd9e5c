#include "controls/TavixQPushButtonImpl.h"

#include "controls/TavixQPushButton.h"
#include "core/TavixJson.h"
#include "core/TavixLanguageText.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixStyleDocument.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <json/value.h>

#include <cmath>

namespace TavixQtLib {

namespace {

const QString kDefaultIconColor = QStringLiteral("FF000000");

} // namespace

TavixQPushButtonImpl::TavixQPushButtonImpl(QPushButton *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQPushButton::typeName()))
    , button(owner)
{
    const QColor border(0xCC, 0xCC, 0xCC);
    const QColor normal(0xF5, 0xF5, 0xF5);
    backgrounds[Normal].color = normal;
    backgrounds[Hot].color = QColor(0xED, 0xFB, 0xFF);
    backgrounds[Pressed].color = normal;
    for (int s = Normal; s <= Pressed; ++s) {
        backgrounds[s].borderColor = border;
        backgrounds[s].borderSize = 1;
    }
    for (TextStyleDesc &text : textStyles)
        text.hor = 1;

    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    fadeEnabled = rm->getButtonFadeEnabled();
    setFadeDuration(rm->getButtonFadeDuration());

    fadeTimer = new QTimer(this);
    fadeTimer->setInterval(kFadeInterval);
    connect(fadeTimer, &QTimer::timeout, this, &TavixQPushButtonImpl::fadeTick);
}

TavixQPushButtonImpl::~TavixQPushButtonImpl()
{
    fadeTimer->stop();
    delete fadeTimer;
    fadeTimer = nullptr;
}

QRect TavixQPushButtonImpl::captionRect(const QRect &rect) const
{
    // The offsets come from page documents: any int must give a rectangle, not an overflow.
    using Wide = long long;
    const int left = tavixClampCoord(Wide(rect.left()) + textOffsetX);
    const int top = tavixClampCoord(Wide(rect.top()) + textOffsetY);
    QRect caption;
    caption.setCoords(left, top, rect.right(), rect.bottom());   // edges, so no width is computed
    return caption;
}

bool TavixQPushButtonImpl::isInExtension(int x, int width, int extWidth)
{
    return (long long)(x) > (long long)(width) - extWidth;
}

QColor TavixQPushButtonImpl::blendColor(const QColor &from, const QColor &to, double weight)
{
    const auto mix = [weight](int a, int b) {
        return qBound(0, int(std::lround(a + (b - a) * weight)), 255);
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()),
                  mix(from.alpha(), to.alpha()));
}

bool TavixQPushButtonImpl::isFadeUnderWay() const
{
    return fadeEnabled && fadeFrom != fadeTarget;
}

FillStyle TavixQPushButtonImpl::blendedBackground() const
{
    FillStyle style = backgrounds[fadeTarget == Hot ? Normal : Hot];   // the look being left
    style.color = blendColor(backgrounds[Normal].color, backgrounds[Hot].color, fadeProgress);
    style.borderColor = blendColor(backgrounds[Normal].borderColor, backgrounds[Hot].borderColor, fadeProgress);
    return style;
}

TextStyleDesc TavixQPushButtonImpl::blendedTextStyle() const
{
    TextStyleDesc style = textStyles[fadeTarget == Hot ? Normal : Hot];
    style.color = blendColor(textStyles[Normal].color, textStyles[Hot].color, fadeProgress);
    return style;
}

void TavixQPushButtonImpl::drawState(QPainter *painter, const QRect &rect, const FillStyle &fill,
                                     const TextStyleDesc &text)
{
    if (drawBackground)
        drawFillStyle(painter, fill, rect);
    if (showText)
        drawTextStyle(painter, button->text(), text, captionRect(rect), &textLayouts);
}

void TavixQPushButtonImpl::paint(QPainter *painter, const QRect &rect)
{
    const int w = button->width();
    const int h = button->height();
    // state is a plain public int: a stray value must not index past the arrays. Space held down
    // presses the button without the mouse, and it looks pressed as under the pointer.
    const int s = button->isDown() && state != Disable ? int(Pressed) : tavixStateIndex(state);
    // A page's extension width may be any int; the area never reaches beyond the button.
    const int ext = qBound(0, extWidth, w);

    if (!(isExtBtn && extHot)) {
        // The Hot weight is fadeProgress, so a fade that has just started still shows Normal.
        if (fadeEnabled && s == Hot && isFadeUnderWay())
            drawState(painter, rect, blendedBackground(), blendedTextStyle());
        else
            drawState(painter, rect, backgrounds[s], textStyles[s]);
    } else {
        // Split-button look: only the extension part shows the state, the main part stays Normal.
        if (drawBackground) {
            drawFillStyle(painter, backgrounds[s], rect);
            painter->save();
            painter->setClipRect(QRect(0, 0, w - ext, h));
            drawFillStyle(painter, backgrounds[Normal], rect);
            painter->restore();
        }
        if (showText)
            drawTextStyle(painter, button->text(), textStyles[Normal], captionRect(rect), &textLayouts);
    }

    if (useIcon) {
        if (!icon.isNull()) {
            drawIconPixmap(painter, icon, button->iconSize(), iconStyle, rect);
        } else {
            QString path = iconPath;
            bool gray = !button->isEnabled();
            if (s == Hot && !hotIconPath.isEmpty()) {
                path = hotIconPath;
                gray = false;
            } else if (s == Pressed && !pressedIconPath.isEmpty()) {
                path = pressedIconPath;
                gray = false;
            }
            if (!path.isEmpty())
                drawIconImage(painter, path, iconStyle, QRect(rect.left(), rect.top(), w, h), gray);
        }
    }

    if (isExtBtn) {
        const QString &path = (s == Hot && !extHotIconPath.isEmpty()) ? extHotIconPath : extIconPath;
        if (!path.isEmpty())
            drawIconImage(painter, path, IconStyleDesc(), QRect(w - ext, rect.top(), ext, h), false);
    }
}

void TavixQPushButtonImpl::startFade(int from, int target, double progress)
{
    fadeFrom = from;
    fadeTarget = target;
    fadeProgress = progress;
    fadeTimer->start(kFadeInterval);
}

void TavixQPushButtonImpl::enterEvent(QEvent *event)
{
    if (!fadeEnabled || !button->isEnabled()) {
        TavixQWidgetBaseImpl::enterEvent(event);
        return;
    }
    // Entering again while a fade-out still shows Hot must fade in anew, not stall at from == target.
    const int from = state == Hot ? int(Normal) : state;
    state = Hot;
    hover = true;
    startFade(from, Hot, 0.0);
}

void TavixQPushButtonImpl::leaveEvent(QEvent *event)
{
    if (!fadeEnabled) {
        TavixQWidgetBaseImpl::leaveEvent(event);
        return;
    }
    hover = false;
    if (!button->isEnabled()) {
        fadeTimer->stop();
        fadeFrom = fadeTarget = Normal;
        state = Disable;
        button->update();
        return;
    }
    state = Hot;    // stays Hot while the look fades back to Normal
    startFade(Hot, Normal, 1.0);
}

void TavixQPushButtonImpl::fadeTick()
{
    if (fadeTarget == fadeFrom) {
        fadeTimer->stop();
        return;
    }
    const double step = double(fadeTimer->interval()) / qMax(1, fadeDuration);
    if (fadeTarget == Hot) {
        fadeProgress += step;
        if (fadeProgress >= 1.0) {
            fadeProgress = 1.0;
            fadeTimer->stop();
            fadeFrom = Hot;
            button->update();
            return;
        }
    } else {
        fadeProgress -= step;
        if (fadeProgress <= 0.0) {
            fadeProgress = 0.0;
            fadeTimer->stop();
            fadeFrom = Normal;
            state = Normal;
        }
    }
    button->update();
}

void TavixQPushButtonImpl::stopFade()
{
    const bool fadingOut = fadeTimer->isActive() && fadeTarget == Normal && fadeFrom != fadeTarget;
    fadeTimer->stop();
    fadeProgress = 1.0;
    // Cut short, a fade-out would leave the button Hot with the pointer outside: finish it.
    if (fadingOut && !hover && state == Hot)
        state = Normal;
    fadeFrom = fadeTarget = (state == Hot ? Hot : Normal);
    button->update();
}

bool TavixQPushButtonImpl::isFadeRunning() const
{
    return fadeTimer->isActive();
}

void TavixQPushButtonImpl::setFadeDuration(int ms)
{
    fadeDuration = ms > 0 ? qMin(ms, kMaxFadeDuration) : kDefaultFadeDuration;
}

void TavixQPushButtonImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    if (!isExtBtn || !event)
        return;
    const bool hot = isInExtension(event->pos().x(), button->width(), extWidth);
    if (hot != extHot) {
        extHot = hot;
        button->update();
    }
}

void TavixQPushButtonImpl::layoutIconBesideCaption(const QSize &iconSize)
{
    const QString caption = button->text();
    if (showText && !caption.isEmpty()) {
        const int captionWidth = measureText(textStyles[Normal], caption).width();
        iconStyle.offsetX = -(iconSize.width() + captionWidth / 2);
        textOffsetX = iconSize.width() / 2;
    } else {
        iconStyle.offsetX = 0;
        iconStyle.offsetY = 0;
        textOffsetX = 0;
        textOffsetY = 0;
    }
}

void TavixQPushButtonImpl::setIconObject(const QIcon &newIcon)
{
    useIcon = true;
    layoutIconBesideCaption(button->iconSize());
    icon = newIcon;
    button->update();
}

void TavixQPushButtonImpl::setIconPath(const QString &path)
{
    useIcon = true;
    button->update();
    if (path.startsWith(QLatin1Char(':')) && !isSvgPath(path)) {
        setIconObject(QIcon(path));
        return;
    }
    icon = QIcon();
    if (isSvgPath(path)) {
        const QSize size = imageSize(path, false);
        if (size.isValid())
            layoutIconBesideCaption(size);
    }
    iconPath = path;
}

void TavixQPushButtonImpl::notifyChangeLanguage()
{
    QString caption;
    if (tavixTranslateText(languageKey, caption))
        button->setText(caption);
}

bool TavixQPushButtonImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    TavixStyleSlots styleSlots(this);
    styleSlots.fillGroup(0, backgrounds, 4).textGroup(4, textStyles, 4);

    if (read) {
        const Json::Value &target = **node;
        if (const Json::Value *attr = tavixAttrNode(target)) {
            // A theme entry styles the button; it never renames it or changes its icon.
            const bool fromTheme = rm->isLoadFromThemeRes();
            bool b = false;
            int i = 0;
            QString text;
            if (tavixReadBool(*attr, "hasIcon", b))
                useIcon = b;
            if (!fromTheme && tavixReadString(*attr, "iconPath", text))
                iconPath = text;
            if (tavixReadString(*attr, "hotIconPath", text))
                hotIconPath = text;
            if (tavixReadBool(*attr, "isExtBtn", b)) {
                isExtBtn = b;
                if (b)
                    button->setAttribute(Qt::WA_MouseTracking, true);
            }
            if (tavixReadInt(*attr, "extWidth", i))
                extWidth = i;
            if (tavixReadString(*attr, "extIconPath", text))
                extIconPath = text;
            if (tavixReadString(*attr, "extHotIconPath", text))
                extHotIconPath = text;
            if (!fromTheme && tavixReadString(*attr, "text", text))
                button->setText(tavixTextFromNode(text, languageKey));
            if (tavixReadBool(*attr, "showText", b))
                showText = b;
            if (tavixReadBool(*attr, "drawBackground", b))
                drawBackground = b;
            if (tavixReadBool(*attr, "fadeEnabled", b)) {
                fadeEnabled = b;
                if (!b)
                    stopFade();
            }
            if (tavixReadInt(*attr, "fadeDuration", i))
                setFadeDuration(i);
            if (tavixReadInt(*attr, "iconHor", i))
                iconStyle.horAlign = i;
            if (tavixReadInt(*attr, "iconVer", i))
                iconStyle.verAlign = i;
            if (tavixReadInt(*attr, "iconX", i))
                iconStyle.offsetX = i;
            if (tavixReadInt(*attr, "iconY", i))
                iconStyle.offsetY = i;
            if (tavixReadBool(*attr, "iconUseColor", b))
                iconStyle.useColor = b;
            if (tavixReadString(*attr, "iconColor", text))
                iconStyle.color = tavixColorFromHex(text);
            if (tavixReadInt(*attr, "txtX", i))
                textOffsetX = i;
            if (tavixReadInt(*attr, "txtY", i))
                textOffsetY = i;
        }
        styleSlots.read(target);
        button->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrBool(out, "hasIcon", useIcon, true);
    tavixWriteAttrString(out, "iconPath", iconPath);
    tavixWriteAttrString(out, "hotIconPath", hotIconPath);
    tavixWriteAttrBool(out, "isExtBtn", isExtBtn, false);
    tavixWriteAttrInt(out, "extWidth", extWidth, 0);
    tavixWriteAttrString(out, "extIconPath", extIconPath);
    tavixWriteAttrString(out, "extHotIconPath", extHotIconPath);
    tavixWriteAttrString(out, "text", tavixTextForNode(button->text(), languageKey));
    tavixWriteAttrBool(out, "showText", showText, true);
    tavixWriteAttrBool(out, "drawBackground", drawBackground, true);
    tavixWriteAttrBool(out, "fadeEnabled", fadeEnabled, rm->getButtonFadeEnabled());
    tavixWriteAttrInt(out, "fadeDuration", fadeDuration, rm->getButtonFadeDuration());
    tavixWriteAttrInt(out, "iconHor", iconStyle.horAlign, 1);
    tavixWriteAttrInt(out, "iconVer", iconStyle.verAlign, 1);
    tavixWriteAttrInt(out, "iconX", iconStyle.offsetX, 0);
    tavixWriteAttrInt(out, "iconY", iconStyle.offsetY, 0);
    tavixWriteAttrBool(out, "iconUseColor", iconStyle.useColor, false);
    tavixWriteAttrString(out, "iconColor", tavixColorToHex(iconStyle.color), kDefaultIconColor);
    tavixWriteAttrInt(out, "txtX", textOffsetX, 0);
    tavixWriteAttrInt(out, "txtY", textOffsetY, 0);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
