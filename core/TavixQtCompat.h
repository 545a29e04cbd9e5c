#pragma once

// The few places where Qt 5 and Qt 6 differ in what the kit uses, named once so that the rest of the
// code reads the same on both (TAVIX_QT_MAJOR in CMake picks the Qt the kit builds against).

#include <QtGlobal>
#include <QApplication>
#include <QDropEvent>
#include <QEvent>
#include <QFont>
#include <QHoverEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace TavixQtLib {

// Qt 6 hands enterEvent a QEnterEvent. Overrides of QWidget::enterEvent take this type; the Impl hooks
// keep taking QEvent, which both convert to.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using TavixEnterEvent = QEnterEvent;
#else
using TavixEnterEvent = QEvent;
#endif

// The cursor in screen coordinates, rounded as Qt 5's globalPos() rounds.
inline QPoint tavixGlobalPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

// A copy of a mouse event at another widget-local point, keeping its window and screen positions,
// buttons and modifiers (and, on Qt 6, its device).
inline QMouseEvent tavixMouseEventAt(const QMouseEvent *event, const QPointF &local)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QMouseEvent(event->type(), local, event->scenePosition(), event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
#else
    return QMouseEvent(event->type(), local, event->windowPos(), event->screenPos(), event->button(),
                       event->buttons(), event->modifiers());
#endif
}

// Where a drag is over or dropped, in the receiving widget's coordinates.
inline QPoint tavixDropPos(const QDropEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

// A hover event at a widget-local point. Qt 6 also carries the screen position, which Qt 5's
// hover events do not have.
inline QHoverEvent tavixHoverEvent(QEvent::Type type, const QPointF &local, const QPointF &global,
                                   const QPointF &oldLocal)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QHoverEvent(type, local, global, oldLocal);
#else
    Q_UNUSED(global)
    return QHoverEvent(type, local, oldLocal);
#endif
}

// The width a list row is laid out at, for a delegate's sizeHint. Qt 5 lays out a list's rows in the
// viewport less the vertical scroll bar it may need; Qt 6 hands the full width, which makes the rows
// wider than the viewport once the bar shows, and a horizontal bar appears. Both get Qt 5's width.
inline int tavixListRowWidth(const QStyleOptionViewItem &option)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const auto *view = qobject_cast<const QListView *>(option.widget);
    if (view && view->viewMode() == QListView::ListMode && !view->isWrapping()
        && view->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded)
        return qMax(0, option.rect.width() - view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
#endif
    return option.rect.width();
}

// A string hash that is the same on every Qt: Qt 6 changed qHash's algorithm and type, and colours
// picked from a hash must not change with the Qt build. Equals Qt 5's unseeded qHash(QString).
inline quint32 tavixStableHash(const QString &text)
{
    quint32 h = 0;
    for (const QChar c : text)
        h = 31 * h + c.unicode();
    return h;
}

// Qt 6 posts the application font change to existing widgets; delivering it at once, as Qt 5 does,
// puts a font the kit sets into every widget by the time the call returns.
inline void tavixSetApplicationFont(const QFont &font)
{
    QApplication::setFont(font);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
#endif
}

} // namespace TavixQtLib
