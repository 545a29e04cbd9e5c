#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QMouseEvent;

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQSplitterImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQSplitterImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    void updateCursor();

    bool isHor = true;
    QPointer<QWidget> upLeftWidget;     // guarded: the neighbours are not owned
    QPointer<QWidget> downRightWidget;
    FillStyle background;               // not valid until a style is set
    int upLeftLimit = -1;
    int downRightLimit = -1;

private:
    // Moves the boundary by delta pixels from where the drag started.
    void applyDelta(int delta);
    int along(const QPoint &p) const { return isHor ? p.x() : p.y(); }
    int extent(const QWidget *w) const { return isHor ? w->width() : w->height(); }

    bool dragging = false;
    bool inRow = false;             // the neighbours are laid out by the parent container's row
    bool resizeUpLeft = false;
    bool resizeDownRight = false;
    QPointer<QWidget> fixOnMove;    // the neighbour a row keeps at its dragged size once the bar moves
    QPoint pressGlobal;
    QPoint startPos;                // the splitter's position at the press
    QRect startUpLeft;
    QRect startDownRight;
    int minDelta = 0;
    int maxDelta = 0;
};

} // namespace TavixQtLib
