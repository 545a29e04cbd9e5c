#include "controls/ribbon/TavixQRibbonArea.h"

#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixRibbonLayout.h"

#include <QChildEvent>
#include <QResizeEvent>

namespace TavixQtLib {

TavixQRibbonArea::TavixQRibbonArea(QWidget *parent)
    : QWidget(parent)
{
}

TavixQRibbonBar *TavixQRibbonArea::bar() const
{
    return qobject_cast<TavixQRibbonBar *>(parentWidget());
}

TavixQRibbonPage *TavixQRibbonArea::addPage(const QString &name)
{
    auto *page = new TavixQRibbonPage(name, this);
    m_pages.append(page);
    page->hide();
    if (m_current < 0)
        setCurrentPage(0);
    return page;
}

void TavixQRibbonArea::clearPages()
{
    const QList<TavixQRibbonPage *> pages = m_pages;
    m_pages.clear();
    m_current = -1;
    qDeleteAll(pages);
}

TavixQRibbonPage *TavixQRibbonArea::pageAt(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

void TavixQRibbonArea::setCurrentPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_current = index;
    updateLayout();
}

void TavixQRibbonArea::updateLayout()
{
    if (tavixRibbonIsBuilding(this))
        return;
    for (int i = 0; i < m_pages.size(); ++i) {
        TavixQRibbonPage *page = m_pages.at(i);
        page->setGeometry(0, 0, width(), height());
        page->updateLayout();
        page->setVisible(i == m_current);
    }
}

void TavixQRibbonArea::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (!event->removed())
        return;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (static_cast<QObject *>(m_pages.at(i)) != event->child())
            continue;
        m_pages.removeAt(i);
        if (m_current > i || m_current >= m_pages.size())
            m_current = m_current > i ? m_current - 1 : m_pages.size() - 1;
        return;
    }
}

void TavixQRibbonArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

void TavixQRibbonArea::paintEvent(QPaintEvent *event)
{
    if (TavixQRibbonBar *b = bar())
        b->paintArea(this);
    else
        QWidget::paintEvent(event);
}

} // namespace TavixQtLib
