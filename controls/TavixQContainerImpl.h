#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <memory>
#include <set>
#include <typeinfo>
#include <vector>

class QVariantAnimation;
class QWindow;

namespace TavixQtLib {

class ITavixQWidgetBase;
class TavixQContainer;
class TavixQScrollBar;

// Private side of TavixQContainer: settings, the child layout engine and the scroll state.
class TAVIXQTLIB_EXPORT TavixQContainerImpl : public TavixQWidgetBaseImpl
{
public:
    explicit TavixQContainerImpl(TavixQContainer *container);
    ~TavixQContainerImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    // The layout pass (unless NoUse), then updateScrollBars(). While children are being added it only
    // schedules one.
    void relayout();
    // Coalesces requests made before the event loop runs again into one relayout.
    void scheduleRelayout();
    void layoutPass();
    void updateScrollBars();
    // Shows children at base geometry minus the scroll offset. force also applies without bound bars.
    void applyScrollOffset(bool force = false);
    QSize contentSize() const;

    // addChildWidget(): re-parents, watches and gives the ratio now; lays out once for a whole batch.
    void addChild(QWidget *child, int ratio);
    void watchChild(QWidget *child);
    void unwatchChild(QObject *child);   // also during the child's destruction: no QWidget use
    // A bound bar re-parented elsewhere stops being this container's bar.
    void releaseMovedBar(QObject *child);
    // Handles an event of a watched child; never consumes it.
    void watchedChildEvent(QObject *watched, QEvent *event);
    bool isBoundBar(const QWidget *widget) const;

    void bindScrollBar(TavixQScrollBar *bar, bool horizontal);
    void setScrollPos(bool horizontal, int pos);
    bool startResizeAnimation(const QSize &from, const QSize &to, int durationMs);
    void applySize(const QSize &size);
    void bindWindowHandle(void *handle);
    void moveNativeWindow();

    // Flow children of the row modes: direct child widgets without bound bars and docked children.
    QList<QWidget *> flowChildren() const;

    // clamp of a child length on one axis: minimum and (unless unlimited) maximum, capped by available.
    static int clampLength(int value, int minimum, int maximum, int available);

    FillStyle background;
    FillStyle disableBackground;
    int childLayout = 4;            // TavixQContainer::AutoChildLayout
    int childSpace = 0;
    int paddingLeft = 0;
    int paddingTop = 0;
    int paddingRight = 0;
    int paddingBottom = 0;
    void *windowHandle = nullptr;
    bool drawBackground = true;
    bool absoluteDockAutoSize = false;
    // QPointer: a bound bar may be deleted by its owner at any time.
    QPointer<TavixQScrollBar> hScrollBar;
    QPointer<TavixQScrollBar> vScrollBar;
    const QObject *dyingBar = nullptr;   // a bound bar in its destructor: neither bar nor content
    int scrollX = 0;
    int scrollY = 0;
    bool updatingScroll = false;
    bool layoutRunning = false;
    QVariantAnimation *resizeAnimation = nullptr;
    bool animating = false;
    bool animateWidth = false;
    bool animateHeight = false;
    QSize animationTarget;

private:
    void storeBaseGeometry(QWidget *w, const QRect &rect);
    QRect baseGeometry(QWidget *w, const QRect &fallback);
    bool knownBaseGeometry(QWidget *w, QRect *out);
    void placeChild(QWidget *w, const QRect &rect, int scrollX, int scrollY);
    void baseGeometryChanged(QObject *child);

    struct FlowItem
    {
        QWidget *widget = nullptr;
        ITavixQWidgetBase *iface = nullptr;
        int ratio = 1;
        bool spacer = false;    // an elastic spacer of the current row
        int thickness = 0;
        int length = 0;
    };
    void layoutRow(bool horizontal, std::vector<FlowItem> &items);
    void layoutFloat(bool horizontal, const std::vector<FlowItem> &items);
    void dockPass(const std::vector<FlowItem> &docked);
    void placeInRow(bool horizontal, const FlowItem &item, qint64 pos, qint64 crossPos, int length,
                    int crossAvail);
    int barThickness(bool horizontal, bool onlyVisible) const;
    // object as a widget the container lays out and scrolls (not a window, not a bound bar), else null.
    QWidget *contentChild(QObject *object) const;
    // Ranges, geometry and visibility of one bar; false when code run from it unbound or deleted it.
    bool applyBar(bool horizontal, bool needed, int maximum, int page, const QRect &rect);
    bool isStillBound(const QPointer<TavixQScrollBar> &bar, bool horizontal) const;
    bool barOnTop(const QWidget *bar) const;
    void dropBar(bool horizontal);
    // What a child's class is to the layout, found once per class: a pass over thousands of children
    // does no casts. Keyed by the most-derived type, which fixes the object's layout.
    struct TypeFacts
    {
        const std::type_info *type = nullptr;
        std::ptrdiff_t ifaceOffset = 0;     // of the ITavixQWidgetBase part from the QWidget part
        bool hasIface = false;
        bool scrollBar = false;             // a TavixQScrollBar, so possibly a bound one
        bool spacer = false;                // a TavixQSpacer
    };
    TypeFacts typeFacts(const QWidget *w) const;
    ITavixQWidgetBase *ifaceOf(QWidget *w) const;
    // The content index: visible content children with their base geometry.
    void indexContent(const QObject *child, const QRect *base);
    void rebuildContentIndex();
    void indexPendingContent();
    // A child was placed or recorded at the current offset; if others sit at another, apply visits all.
    void notePlacedAtCurrentOffset();

    TavixQContainer *container = nullptr;
    bool relayoutPending = false;
    bool movingChildren = false;    // the scroll offset is being applied; the filter ignores the moves
    int deferDepth = 0;             // inside addChild(): relayout requests are coalesced
    int relayoutDepth = 0;
    // Visible content children with their base geometry, and the right and bottom edges of the non-empty
    // ones: one child's move, show or hide updates the bars without a scan of every child. Keys are
    // compared only, never dereferenced. Rebuilt by the next bar update once invalid.
    QHash<const QObject *, QRect> contentRects;
    // Each watched child's "_tavix_container_base_geometry", mirrored so the layout pass reads plain fields:
    // a dynamic property lookup searches by name. Kept in sync through QDynamicPropertyChangeEvent, so the
    // property stays readable and writable by anyone; keys are compared only, never dereferenced.
    QHash<const QObject *, QRect> baseRects;
    bool storingBase = false;       // our own property write; the filter needs no re-read
    std::multiset<int> contentRights;
    std::multiset<int> contentBottoms;
    bool contentIndexValid = false;
    std::vector<QPointer<QObject>> pendingContent;   // added since the index was built
    // The offset every content child was last shown at; while it holds, applying it again moves nothing.
    int appliedX = 0;
    int appliedY = 0;
    bool offsetDirty = true;
    std::unique_ptr<QWindow> nativeWindow;   // foreign window wrapping windowHandle
    mutable std::vector<TypeFacts> knownTypes;   // few: one per child class seen
    std::vector<FlowItem> flowItems;             // reused by each pass; a pass never runs inside another
    std::vector<FlowItem> dockedItems;
};

} // namespace TavixQtLib
