#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "designer/TavixQMDIArea.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

class QEventLoop;

namespace TavixQtLib {

// Private side of TavixQSubWin and TavixQWindow: dragging by body or caption, resizing at the
// borders, the background and the modal loop.
class TAVIXQTLIB_EXPORT TavixQWindowImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    // Border zones; -1 (NoZone) when none is being dragged.
    enum Zone : int {
        NoZone = -1, LeftZone = 0, RightZone = 1, TopZone = 2, BottomZone = 3,
        BottomRightZone = 4, TopRightZone = 5, TopLeftZone = 6, BottomLeftZone = 7
    };

    // subWindow: a TavixQSubWin (raises itself, holds windowPressActive) rather than a TavixQWindow.
    TavixQWindowImpl(QWidget *window, const QString &typeName, bool subWindow);
    ~TavixQWindowImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Windows have no hover look: enter and leave change nothing.
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    // Lays out the direct kit children again after the window changed size.
    void resizeChildren();

    // The border zone of pos in a window of size with bands border pixels wide; NoZone inside.
    static int zoneAt(const QPoint &pos, const QSize &size, int border);
    // The cursor a zone shows; Qt::ArrowCursor for NoZone.
    static Qt::CursorShape zoneCursor(int zone);
    // The topmost visible widget at (x, y) in window coordinates, searching w and its children.
    QWidget *hitTest(QWidget *w, int x, int y) const;
    // Whether a left press at pos may start a drag (what lies under it, and the caption rule).
    bool dragStartsAt(const QPoint &pos) const;

    // Set while a sub-window holds the mouse after a press; presses on kit windows then do nothing.
    static bool windowPressActive;

    bool subWindow = false;
    int resizeZone = NoZone;
    bool resizeable = false;
    bool canDrag = true;
    int borderWidth = 4;
    bool reserved = false;
    bool dragging = false;
    QString backgroundImage;
    ImageDesc backgroundImageDesc;
    FillRes backgroundColor;
    bool useFillColor = true;
    QPoint lastGlobalPos;
    bool showBackground = false;
    bool cursorSet = false;
    int minWidth = 400;
    int minHeight = 400;
    bool onlyDragCaption = false;
    int captionHeight = 40;
    bool maximizeOnDoubleClick = false;
    QEventLoop *modalLoop = nullptr;    // the loop doModal is running, if any
    QPointer<TavixQMDIArea> mdiArea;   // not owned; reads null once the area is gone
    bool holdsPress = false;            // this sub-window set windowPressActive

private:
    void resizeBy(const QPoint &globalPos);
    void updateCursor(const QPoint &pos);
};

} // namespace TavixQtLib
