#pragma once

// The few places where Qt 5 and Qt 6 differ in what the kit uses, named once so that the rest of the
// code reads the same on both (TAVIX_QT_MAJOR in CMake picks the Qt the kit builds against).

#include <QtGlobal>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPoint>
#include <QPointF>
#include <QString>

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
