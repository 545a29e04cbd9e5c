#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QPointer>
#include <QRect>
#include <QSet>
#include <QSize>

#include <memory>
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

    // The layout pass (unless NoUse), then updateScrollBars().
    void relayout();
    // Coalesces requests made before the event loop runs again into one relayout.
    void scheduleRelayout();
    void layoutPass();
    void updateScrollBars();
    // Shows children at base geometry minus the scroll offset. force also applies without bound bars.
    void applyScrollOffset(bool force = false);
    QSize contentSize() const;

    void watchChild(QWidget *child);
    void unwatchChild(QObject *child);   // also during the child's destruction: no QWidget use
    // Handles an event of a watched child; never consumes it.
    void childEvent(QObject *watched, QEvent *event);
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
    void placeInRow(bool horizontal, const FlowItem &item, int pos, int crossPos, int length, int crossAvail);
    int barThickness(bool horizontal, bool onlyVisible) const;
    // object as a widget the container lays out and scrolls (not a window, not a bound bar), else null.
    QWidget *contentChild(QObject *object) const;

    TavixQContainer *container = nullptr;
    bool relayoutPending = false;
    bool movingChildren = false;    // the scroll offset is being applied; the filter ignores the moves
    // Children left out of the content by the last scroll-bar update for being hidden. Compared only,
    // never dereferenced: a show or hide event that does not change membership needs no rescan.
    QSet<const QObject *> hiddenChildren;
    int relayoutDepth = 0;
    std::unique_ptr<QWindow> nativeWindow;   // foreign window wrapping windowHandle
};

} // namespace TavixQtLib
