#include "controls/views/TavixQMenuBarImpl.h"

#include "controls/views/TavixQMenuBar.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kPopupSlot = 9;   // also sets the popup background

} // namespace

QString tavixMenuCaption(const QString &text)
{
    QString caption;
    caption.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\t'))
            break;
        if (c == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&')) {
                caption.append(c);
                ++i;
            }
            continue;
        }
        caption.append(c);
    }
    return caption;
}

TavixQMenuBarImpl::TavixQMenuBarImpl(TavixQMenuBar *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQMenuBar::typeName()))
    , bar(owner)
{
    // An unthemed bar still shows which entry is hot, open or disabled.
    background.color = QColor(0xF0, 0xF0, 0xF0);
    for (FillStyle &item : itemBackgrounds)
        item.color = background.color;
    itemBackgrounds[Hot].color = QColor(0xE5, 0xF1, 0xFB);
    itemBackgrounds[Pressed].color = QColor(0xCC, 0xE4, 0xF7);
    for (TextStyleDesc &text : textStyles) {
        text.hor = 1;
        text.color = QColor(0x20, 0x20, 0x20);
    }
    textStyles[Disable].color = QColor(0x8C, 0x8C, 0x8C);
}

int TavixQMenuBarImpl::entryState(int index, QAction *action) const
{
    if (!action || !action->isEnabled() || state == Disable)
        return Disable;
    if (action == bar->activeAction()) {
        // Qt's current entry: chosen by keyboard, or the one whose popup is open.
        if (action->menu() && action->menu()->isVisible())
            return Pressed;
        return Hot;
    }
    return index == hotIndex ? Hot : Normal;
}

void TavixQMenuBarImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
    const QList<QAction *> actions = bar->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction *action = actions.at(i);
        QRect entry = bar->actionGeometry(action);
        if (!action->isVisible() || entry.isEmpty())
            continue;
        entry.setHeight(bar->height());
        const int s = entryState(i, action);
        drawFillStyle(painter, itemBackgrounds[s], entry);
        drawTextStyle(painter, tavixMenuCaption(action->text()), textStyles[s], entry);
    }
}

void TavixQMenuBarImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    if (!event)
        return;
    const QList<QAction *> actions = bar->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (!bar->actionGeometry(actions.at(i)).contains(event->pos()))
            continue;
        if (i != hotIndex) {
            hotIndex = i;
            bar->update();
        }
        return;
    }
    // Over empty bar space the last entry stays hot until the pointer leaves the bar.
}

void TavixQMenuBarImpl::leaveEvent(QEvent *event)
{
    TavixQWidgetBaseImpl::leaveEvent(event);
    if (hotIndex != -1) {
        hotIndex = -1;
        bar->update();
    }
}

bool TavixQMenuBarImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !bar)
        return false;
    TavixStyleSlots styleSlots(this);
    styleSlots.fill(0, &background)
        .fillGroup(1, itemBackgrounds, 4)
        .textGroup(5, textStyles, 4)
        .fillGroup(kPopupSlot, popupItemBackgrounds, 4)
        .textGroup(13, popupTextStyles, 4, false);

    if (read) {
        const Json::Value &in = **node;
        styleSlots.read(in);
        // Slot 9 names the popup background as well as the popup entries' Normal look.
        const Json::Value *style = tavixJsonMember(in, "style");
        if (style && style->isArray()) {
            for (Json::ArrayIndex e = 0; e < style->size(); ++e) {
                const Json::Value *name = tavixJsonAt((*style)[e], 0);
                const Json::Value *slot = tavixJsonAt((*style)[e], 2);
                QString text;
                int number = -1;
                if (name && slot && slot->isIntegral() && tavixJsonToInt(*slot, number) && number == kPopupSlot
                    && tavixJsonToString(*name, text))
                    TavixQResourceManager::getInstance()->getFillStyle(text, popupBackground);
            }
        }
        bar->update();
        return true;
    }

    styleSlots.write(**node);
    return true;
}

} // namespace TavixQtLib
