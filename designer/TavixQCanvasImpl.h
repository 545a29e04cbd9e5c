#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "designer/TavixQCanvas.h"
#include "tavixqtlib_export.h"

#include <QMap>
#include <QPointer>
#include <QRect>
#include <QVector>

namespace TavixQtLib {

class TavixQCanvasWindow;
class TavixQScrollBar;

// Private side of TavixQCanvas: open pages, selection and the state of a mouse move or resize.
class TAVIXQTLIB_EXPORT TavixQCanvasImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQCanvasImpl(QWidget *canvas);

    int nameCounter = 1;                                // suffix of new object names; only grows
    TavixQCanvasWindow *currentWindow = nullptr;
    QString projectPath;
    QMap<QString, TavixQCanvasWindow *> pages;          // owned as Qt children
    QMap<TavixQCanvasWindow *, QPoint> scrollPositions;
    QPointer<TavixQScrollBar> hScrollBar;
    QPointer<TavixQScrollBar> vScrollBar;
    QVector<QRect> dragStartRects;                      // parent coordinates, in selection order
    QVector<QWidget *> selection;                       // entry 0 is the primary selection
    int mouseState = TavixQCanvas::Idle;
    TAVIX_CAV_HIT_TEST hitZone = CAV_HIT_NONE;
    QPoint pressPos;
    bool moved = false;                                 // the pointer moved since the press
};

} // namespace TavixQtLib
