#include "controls/views/TavixQMenuImpl.h"

#include "controls/views/TavixQMenu.h"
#include "controls/views/TavixQMenuBarImpl.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace TavixQtLib {

namespace {

constexpr int kIconSide = 16;       // a QIcon is drawn at this size
constexpr int kIconGap = 4;         // between the icon column and the caption
constexpr int kArrowSpace = 12;     // the sub-menu arrow's room at the right edge
const QColor kMarkColor(204, 204, 204);   // sub-menu arrow and separator line

QString shortcutText(QAction *action)
{
    const QString text = action->text();
    const int tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0)
        return text.mid(tab + 1);
    return action->shortcut().toString(QKeySequence::NativeText);
}

} // namespace

TavixQMenuImpl::TavixQMenuImpl(TavixQMenu *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQMenu::typeName()))
    , menu(owner)
{
    // An unthemed menu still shows which entry is hot or disabled.
    background.border = true;
    background.borderSize = 1;
    background.borderColor = QColor(0xC8, 0xC8, 0xC8);
    itemBackgrounds[Normal].valid = false;
    itemBackgrounds[Hot].color = QColor(0xE5, 0xF1, 0xFB);
    itemBackgrounds[Pressed].color = QColor(0xCC, 0xE4, 0xF7);
    itemBackgrounds[Disable].valid = false;
    for (TextStyleDesc &text : itemTextStyles) {
        text.x = 8;
        text.color = QColor(0x20, 0x20, 0x20);
    }
    itemTextStyles[Disable].color = QColor(0x8C, 0x8C, 0x8C);
}

int TavixQMenuImpl::entryState(int index, QAction *action) const
{
    if (!action || action->isSeparator())
        return Normal;
    if (!action->isEnabled() || state == Disable)
        return Disable;
    return index == hoverIndex ? Hot : Normal;
}

int TavixQMenuImpl::extraEntryWidth() const
{
    // Qt lays entries out for its own width; the icon column widens the menu, and entries with it.
    return qBound(0, menu->width() - menu->QMenu::sizeHint().width(), iconOffset);
}

void TavixQMenuImpl::setHoverIndex(int index)
{
    if (index == hoverIndex)
        return;
    hoverIndex = index;
    menu->update();
}

void TavixQMenuImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
    const QList<QAction *> actions = menu->actions();
    const int extra = extraEntryWidth();
    for (int i = 0; i < actions.size(); ++i) {
        QAction *action = actions.at(i);
        QRect g = menu->actionGeometry(action);
        if (!g.isEmpty())
            g.setWidth(g.width() + extra);
        // Hidden entries have no geometry; those scrolled out of a long menu are not painted.
        if (!action->isVisible() || g.isEmpty() || !g.intersects(rect))
            continue;
        const int s = entryState(i, action);
        drawFillStyle(painter, itemBackgrounds[s], g);

        if (action->isSeparator()) {
            tavixFillLine(painter, QRect(g.left() + 4, g.center().y(), qMax(0, g.width() - 8), 1), kMarkColor);
            continue;
        }

        QRect text = g;
        if (iconOffset != 0) {
            text.setLeft(g.left() + iconOffset + kIconGap);
            const QRect iconRect(g.left(), g.top(), iconOffset, g.height());
            const QString path = action->property("tavix_menu_icon_path").toString();
            if (!path.isEmpty())
                drawIconImage(painter, path, IconStyleDesc(), iconRect, s == Disable);
            else if (s == Disable && !action->icon().isNull())
                drawIconPixmap(painter, QIcon(action->icon().pixmap(kIconSide, QIcon::Disabled)),
                               QSize(kIconSide, kIconSide), IconStyleDesc(), iconRect);
            else
                drawIconPixmap(painter, action->icon(), QSize(kIconSide, kIconSide), IconStyleDesc(), iconRect);
        }
        if (action->menu())
            text.setRight(g.right() - kArrowSpace);
        drawTextStyle(painter, tavixMenuCaption(action->text()), itemTextStyles[s], text);
        const QString shortcut = shortcutText(action);
        if (!shortcut.isEmpty()) {
            TextStyleDesc right = itemTextStyles[s];
            right.hor = 2;
            right.x = 0;
            drawTextStyle(painter, shortcut, right, text.adjusted(0, 0, -8, 0));
        }

        if (action->menu()) {
            const int mid = g.top() + g.height() / 2;
            const QPolygon arrow({QPoint(g.right() - 2, mid), QPoint(g.right() - 7, mid - 5),
                                  QPoint(g.right() - 7, mid + 5)});
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            painter->setPen(Qt::NoPen);
            painter->setBrush(kMarkColor);
            painter->drawPolygon(arrow);
            painter->restore();
        }
    }
}

void TavixQMenuImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    if (!event)
        return;
    const QList<QAction *> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (menu->actionGeometry(actions.at(i)).contains(event->pos())) {
            setHoverIndex(i);
            return;
        }
    }
}

void TavixQMenuImpl::readItems(TavixQMenu *target, const Json::Value &items, int depth, int &budget)
{
    if (!items.isArray())
        return;
    for (Json::ArrayIndex i = 0; i < items.size() && budget > 0; ++i) {
        const Json::Value &entry = items[i];
        if (!entry.isObject())
            continue;
        --budget;
        QString text;
        QString icon;
        tavixReadString(entry, "text", text);
        const bool hasIcon = tavixReadString(entry, "icon", icon);
        const Json::Value *children = tavixJsonMember(entry, "items");
        if (!children) {
            if (!icon.isEmpty())
                target->addIconAction(icon, text);
            else
                target->addAction(text);
            continue;
        }
        if (depth >= kMaxMenuDepth)
            continue;
        auto *sub = new TavixQMenu(target);
        sub->setTitle(text);
        TavixQMenuImpl *subImpl = sub->getImpl();
        subImpl->background = target->getImpl()->background;
        for (int s = Normal; s <= Disable; ++s) {
            subImpl->itemBackgrounds[s] = target->getImpl()->itemBackgrounds[s];
            subImpl->itemTextStyles[s] = target->getImpl()->itemTextStyles[s];
        }
        subImpl->iconOffset = target->getImpl()->iconOffset;
        QAction *action = target->addMenu(sub);
        if (hasIcon)
            action->setProperty("tavix_menu_icon_path", icon);
        readItems(sub, *children, depth + 1, budget);
    }
}

bool TavixQMenuImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !menu)
        return false;
    if (!read)
        return true;   // a menu writes nothing of its own

    const Json::Value &in = **node;
    QString name;
    if (tavixReadString(in, "background", name)) {
        tavixGetFillStyle(name, background);
        if (tavixReadString(in, "item0", name)) {
            FillStyle found;
            if (tavixGetFillStyle(name, found)) {
                for (FillStyle &item : itemBackgrounds)
                    item = found;
            }
        }
        const char *const itemKeys[] = {"item1", "item2", "item3"};
        for (int s = Hot; s <= Disable; ++s) {
            if (tavixReadString(in, itemKeys[s - 1], name))
                tavixGetFillStyle(name, itemBackgrounds[s]);
        }
        if (tavixReadString(in, "text0", name)) {
            TextStyleDesc found;
            if (tavixGetTextStyle(name, found)) {
                for (TextStyleDesc &text : itemTextStyles)
                    text = found;
            }
        }
        const char *const textKeys[] = {"text1", "text2", "text3"};
        for (int s = Hot; s <= Disable; ++s) {
            if (tavixReadString(in, textKeys[s - 1], name))
                tavixGetTextStyle(name, itemTextStyles[s]);
        }
    }
    // A theme entry styles every menu; entries come only from the menu's own document.
    const bool fromTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
    if (const Json::Value *items = fromTheme ? nullptr : tavixJsonMember(in, "items")) {
        int budget = kMaxMenuEntries;
        readItems(menu, *items, 0, budget);
    }
    menu->update();
    return true;
}

} // namespace TavixQtLib
