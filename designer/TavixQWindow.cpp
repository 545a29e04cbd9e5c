#include "designer/TavixQWindow.h"

#include "designer/TavixQWindowImpl.h"
#include "resources/TavixQResourceManager.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>

namespace TavixQtLib {

TavixQWindow::TavixQWindow(QWidget *parent)
    : QDialog(parent)
    , TavixQFramelessWindow(this, typeName(), false)
{
    TavixQResourceManager::getInstance()->registerWindow(this);
}

TavixQWindow::~TavixQWindow()
{
    // Unregistered first, so no theme or language change reaches a window being torn down.
    TavixQResourceManager::getInstance()->unregisterWindow(this);
    closeModal();
}

// The loop lives on this call's stack, not in the window: a slot that deletes the window while the
// loop runs only ends the loop, and doModal then returns without touching the window.
void TavixQWindow::doModal()
{
    QPointer<TavixQWindow> alive(this);
    QEventLoop loop;
    QEventLoop *outer = m_impl->modalLoop;
    m_impl->modalLoop = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    loop.exec();
    if (alive && m_impl)
        m_impl->modalLoop = outer;
}

void TavixQWindow::closeModal()
{
    if (m_impl && m_impl->modalLoop)
        m_impl->modalLoop->exit();
}

void TavixQWindow::setMDIArea(TavixQMDIArea *area)
{
    m_impl->mdiArea = area;
}

TavixQMDIArea *TavixQWindow::getMDIArea() const
{
    return m_impl->mdiArea;
}

void TavixQWindow::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

void TavixQWindow::mousePressEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mousePressEvent(event);   // does nothing while a sub-window holds the mouse
    QDialog::mousePressEvent(event);
}

void TavixQWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseMoveEvent(event);
    QDialog::mouseMoveEvent(event);
}

void TavixQWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    QDialog::mouseReleaseEvent(event);
}

void TavixQWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseDoubleClickEvent(event);
    QDialog::mouseDoubleClickEvent(event);
}

void TavixQWindow::resizeEvent(QResizeEvent *event)
{
    if (m_impl)
        m_impl->resizeChildren();
    QDialog::resizeEvent(event);
}

void TavixQWindow::closeEvent(QCloseEvent *event)
{
    closeModal();
    QDialog::closeEvent(event);
}

// Escape (reject) and hide() end the modal loop too; otherwise doModal would wait on a hidden window.
void TavixQWindow::hideEvent(QHideEvent *event)
{
    closeModal();
    QDialog::hideEvent(event);
}

} // namespace TavixQtLib
