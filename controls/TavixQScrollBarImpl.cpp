#include "controls/TavixQScrollBarImpl.h"

#include "controls/TavixQScrollBar.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <json/value.h>

namespace TavixQtLib {

namespace {

QStyle::SubControl subControlOf(TavixQScrollBarImpl::Part part)
{
    switch (part) {
    case TavixQScrollBarImpl::UpPart:
        return QStyle::SC_ScrollBarSubLine;
    case TavixQScrollBarImpl::DownPart:
        return QStyle::SC_ScrollBarAddLine;
    default:
        return QStyle::SC_ScrollBarSlider;
    }
}

constexpr TavixQScrollBarImpl::Part kParts[] = {TavixQScrollBarImpl::UpPart, TavixQScrollBarImpl::DownPart,
                                                TavixQScrollBarImpl::ThumbPart};

// The state field of a part, for the const reader and the writer alike.
template <class Impl>
auto &partStateField(Impl &impl, TavixQScrollBarImpl::Part part)
{
    switch (part) {
    case TavixQScrollBarImpl::UpPart:
        return impl.upState;
    case TavixQScrollBarImpl::DownPart:
        return impl.downState;
    default:
        return impl.thumbState;
    }
}

} // namespace

TavixQScrollBarImpl::TavixQScrollBarImpl(TavixQScrollBar *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQScrollBar::typeName()))
    , bar(owner)
{
}

QRect TavixQScrollBarImpl::partRect(Part part) const
{
    if (!bar)
        return QRect();
    QStyleOptionSlider option;
    bar->initStyleOption(&option);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, subControlOf(part), bar);
}

int TavixQScrollBarImpl::partState(Part part) const
{
    return partStateField(*this, part);
}

void TavixQScrollBarImpl::setPartState(Part part, int value)
{
    int &current = partStateField(*this, part);
    if (current == value)
        return;
    current = value;
    if (bar)
        bar->update(partRect(part));
}

void TavixQScrollBarImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!bar)
        return;
    QStyleOptionSlider option;
    bar->initStyleOption(&option);
    const QStyle *style = bar->style();
    // A disabled bar shows the Disable styles; otherwise each part shows its own state.
    const bool disabled = !bar->isEnabled();
    auto pick = [disabled](const FillStyle *styles, int partState) -> const FillStyle & {
        return styles[disabled ? int(Disable) : qBound(0, partState, 3)];
    };

    drawFillStyle(painter, background, rect);

    const QRect thumbRect = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    drawFillStyle(painter, pick(thumb, thumbState), thumbRect);
    if (!thumbIcon.isEmpty())
        drawIconImage(painter, thumbIcon, IconStyleDesc(), thumbRect, false);

    const QRect upRect = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar);
    drawFillStyle(painter, pick(upButton, upState), upRect);
    if (!upIcon.isEmpty())
        drawIconImage(painter, upIcon, upIconStyle, upRect, false);

    const QRect downRect = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar);
    drawFillStyle(painter, pick(downButton, downState), downRect);
    if (!downIcon.isEmpty())
        drawIconImage(painter, downIcon, downIconStyle, downRect, false);
}

bool TavixQScrollBarImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node || !bar)
        return result;

    if (!read) {
        Json::Value &out = **node;
        if (!out.isObject() && !out.isNull())
            return result;
        horizontal = bar->orientation() == Qt::Horizontal;
        tavixWriteAttrString(out, "upicon", upIcon);
        tavixWriteAttrString(out, "downicon", downIcon);
        tavixWriteAttrString(out, "thumbicon", thumbIcon);
        tavixWriteAttrBool(out, "hor", horizontal, false);
        // What the theme entry supplied is left out, unless a written Normal entry, which spreads over
        // its part on reading, would overwrite it.
        Json::Value entries(Json::arrayValue);
        const QString backgroundName = ownStyleName(0, false, background.name);
        if (!backgroundName.isEmpty())
            entries.append(tavixStyleEntry(backgroundName, false, 0));
        const FillStyle *groups[] = {upButton, downButton, thumb};
        for (int g = 0; g < 3; ++g) {
            const bool spreads = !ownStyleName(2 + 4 * g, false, groups[g][0].name).isEmpty();
            for (int s = 0; s < 4; ++s) {
                const int slot = 2 + 4 * g + s;
                QString name = ownStyleName(slot, false, groups[g][s].name);
                if (name.isEmpty() && spreads)
                    name = groups[g][s].name;
                if (!name.isEmpty())
                    entries.append(tavixStyleEntry(name, false, slot));
            }
        }
        if (!entries.empty())
            out["style"] = entries;
        return result;
    }

    const Json::Value &in = **node;
    // A Normal entry (2, 6, 10) fills its whole part; later single-state entries override.
    TavixStyleSlots(this)
        .fill(0, &background)
        .fillGroup(2, upButton, 4, true)
        .fillGroup(6, downButton, 4, true)
        .fillGroup(10, thumb, 4, true)
        .read(in);
    const Json::Value *attr = tavixAttrNode(in);
    auto readIcon = [attr](const char *key) {
        QString path;
        if (attr)
            tavixReadString(*attr, key, path);
        return path;
    };
    upIcon = readIcon("upicon");
    downIcon = readIcon("downicon");
    thumbIcon = readIcon("thumbicon");
    // A theme entry styles bars of both orientations; it must not turn them.
    if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes()) {
        bool hor = false;
        if (attr)
            tavixReadBool(*attr, "hor", hor);
        horizontal = hor;
        bar->setOrientation(hor ? Qt::Horizontal : Qt::Vertical);
    }
    bar->update();
    return result;
}

void TavixQScrollBarImpl::mousePressEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mousePressEvent(event);
    for (Part part : kParts) {
        if (partRect(part).contains(event->pos()))
            setPartState(part, Pressed);
    }
}

void TavixQScrollBarImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    for (Part part : kParts) {
        const int current = partState(part);
        if (partRect(part).contains(event->pos())) {
            if (current == Normal || current > Pressed || current < Normal)
                setPartState(part, Hot);
        } else if (!(part == ThumbPart && current == Pressed)) {
            // Arrows drop Pressed when the pointer leaves them; a dragged thumb stays Pressed.
            setPartState(part, Normal);
        }
    }
}

void TavixQScrollBarImpl::mouseReleaseEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseReleaseEvent(event);
    for (Part part : kParts)
        setPartState(part, partRect(part).contains(event->pos()) ? Hot : Normal);
}

void TavixQScrollBarImpl::leaveEvent(QEvent *event)
{
    TavixQWidgetBaseImpl::leaveEvent(event);
    if (thumbState != Pressed)
        setPartState(ThumbPart, Normal);
    setPartState(UpPart, Normal);
    setPartState(DownPart, Normal);
}

} // namespace TavixQtLib
