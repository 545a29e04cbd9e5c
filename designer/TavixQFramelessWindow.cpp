#include "designer/TavixQFramelessWindow.h"

#include "core/TavixControlDeclare.h"
#include "designer/TavixQWindowImpl.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <climits>

namespace TavixQtLib {

namespace {

// A near edge for far edge `far`: within Qt's size limit of it, not past it, and inside int.
int nearEdgeFor(int far, int wanted)
{
    const qint64 lowest = qMax<qint64>(INT_MIN, qint64(far) - QWIDGETSIZE_MAX + 1);
    const qint64 highest = qMin<qint64>(INT_MAX, qint64(far) + 1);
    return int(qBound<qint64>(lowest, wanted, highest));
}

} // namespace

TavixQFramelessWindow::TavixQFramelessWindow(QWidget *window, const char *typeName, bool subWindow)
    : m_window(window)
{
    m_impl = new TavixQWindowImpl(window, QString::fromLatin1(typeName), subWindow);
    window->setAttribute(Qt::WA_MouseTracking, true);
}

TavixQFramelessWindow::~TavixQFramelessWindow()
{
    tavixDestroyImpl(m_window, m_impl);
}

void TavixQFramelessWindow::setResizeable(bool resizeable)
{
    m_impl->resizeable = resizeable;
    m_window->setAttribute(Qt::WA_MouseTracking, resizeable);
}

bool TavixQFramelessWindow::getResizeable() const
{
    return m_impl->resizeable;
}

void TavixQFramelessWindow::setCanDrag(bool canDrag)
{
    m_impl->canDrag = canDrag;
}

bool TavixQFramelessWindow::getCanGrag() const
{
    return m_impl->canDrag;
}

void TavixQFramelessWindow::setOnlyDragCaption(bool only)
{
    m_impl->onlyDragCaption = only;
}

bool TavixQFramelessWindow::getOnlyDragCaption() const
{
    return m_impl->onlyDragCaption;
}

void TavixQFramelessWindow::setCaptionHeight(int height)
{
    m_impl->captionHeight = height;
}

bool TavixQFramelessWindow::getCaptionHeight() const
{
    return m_impl->captionHeight != 0;
}

// A negative minimum would let a border drag ask Qt for a negative fixed size.
void TavixQFramelessWindow::setMinWidth(int width)
{
    m_impl->minWidth = qBound(0, width, QWIDGETSIZE_MAX);
}

void TavixQFramelessWindow::setMinHeight(int height)
{
    m_impl->minHeight = qBound(0, height, QWIDGETSIZE_MAX);
}

int TavixQFramelessWindow::getMinWidth() const
{
    return m_impl->minWidth;
}

int TavixQFramelessWindow::getMinHeight() const
{
    return m_impl->minHeight;
}

void TavixQFramelessWindow::setMaximizeOnDoubleClick(bool on)
{
    m_impl->maximizeOnDoubleClick = on;
}

void TavixQFramelessWindow::setBackgroundColor(const FillRes &fill)
{
    m_impl->backgroundColor = fill;
    m_window->update();
}

void TavixQFramelessWindow::setBackgroundImage(const QString &path, const ImageDesc &desc)
{
    m_impl->backgroundImage = path;
    m_impl->backgroundImageDesc = desc;
    m_window->update();
}

void TavixQFramelessWindow::setUseFillColor(bool useColor)
{
    m_impl->useFillColor = useColor;
    m_window->update();
}

void TavixQFramelessWindow::setShowBackground(bool show)
{
    m_impl->showBackground = show;
    m_window->update();
}

void TavixQFramelessWindow::setTransparent(bool on)
{
    if (on)
        m_window->setWindowFlags(m_window->windowFlags() | Qt::FramelessWindowHint);
    m_window->setAttribute(Qt::WA_TranslucentBackground, on);
}

// The value is kept within Qt's coordinate range and not past the opposite edge, so the width
// (right - left + 1) can neither overflow nor turn negative.
void TavixQFramelessWindow::setX(int x)
{
    QRect g = m_window->geometry();
    g.setLeft(nearEdgeFor(g.right(), x));
    m_window->setGeometry(g);
}

void TavixQFramelessWindow::setY(int y)
{
    QRect g = m_window->geometry();
    g.setTop(nearEdgeFor(g.bottom(), y));
    m_window->setGeometry(g);
}

void TavixQFramelessWindow::centerWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    m_window->move((area.width() - m_window->width()) / 2, (area.height() - m_window->height()) / 2);
}

QWidget *TavixQFramelessWindow::hitTest(QWidget *w, int x, int y) const
{
    return m_impl->hitTest(w, x, y);
}

} // namespace TavixQtLib
