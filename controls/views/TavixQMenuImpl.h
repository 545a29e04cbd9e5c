#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

class QAction;

namespace TavixQtLib {

class TavixQMenu;

// Private side of TavixQMenu: per-state looks, the icon column and the entry to paint hot.
class TAVIXQTLIB_EXPORT TavixQMenuImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    // A document nests sub-menus at most this deep and makes at most this many entries; what lies
    // beyond is left out.
    static constexpr int kMaxMenuDepth = 32;
    static constexpr int kMaxMenuEntries = 10000;
    static constexpr int kMaxIconOffset = 1000;

    explicit TavixQMenuImpl(TavixQMenu *menu);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // The CtrlState entry index is painted with.
    int entryState(int index, QAction *action) const;
    // How far entries reach past Qt's geometry: the icon column's width, as far as the menu is wider
    // than Qt's own size hint.
    int extraEntryWidth() const;
    void setHoverIndex(int index);

    FillStyle itemBackgrounds[4];
    TextStyleDesc itemTextStyles[4];
    FillStyle background;
    int iconOffset = 0;
    int hoverIndex = -1;

private:
    // Reads entries into target; budget counts down the entries a document may still make.
    void readItems(TavixQMenu *target, const Json::Value &items, int depth, int &budget);

    TavixQMenu *menu = nullptr;
};

} // namespace TavixQtLib
