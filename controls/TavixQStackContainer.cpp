#include "controls/TavixQStackContainer.h"

#include "controls/TavixQStackContainerImpl.h"

#include <QChildEvent>
#include <QEvent>

namespace TavixQtLib {

TavixQStackContainer::TavixQStackContainer(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQStackContainerImpl(this);
    m_impl->applyTheme();
}

TavixQStackContainer::~TavixQStackContainer()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQStackContainer, "qtstackcontainer")

ControlInfo TavixQStackContainer::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQStackContainer", "StackContainer",
                                        "Stack page container", "container");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(Normal, QStringLiteral("Normal"));
    background.addOption(Disable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQStackContainer::setBackgroundState);
    background.getFillStyle = tavixBindAccessor(&TavixQStackContainer::getBackgroundState);
    info.properties.push_back(background);

    PropertyDef draw = tavixPropertyDef(QStringLiteral("DrawBackground"), Bool);
    draw.setBool = tavixBindAccessor(&TavixQStackContainer::setDrawBackground);
    draw.getBool = tavixBindAccessor(&TavixQStackContainer::getDrawBackground);
    info.properties.push_back(draw);
    return info;
}

int TavixQStackContainer::insertWidget(int index, QWidget *page)
{
    return m_impl->insertWidget(index, page);
}

int TavixQStackContainer::addWidget(QWidget *page)
{
    return m_impl->insertWidget(count(), page);
}

void TavixQStackContainer::removeWidget(QWidget *page)
{
    m_impl->removeWidget(page);
}

void TavixQStackContainer::setCurrentIndex(int index)
{
    m_impl->setCurrentIndex(index);
}

void TavixQStackContainer::setCurrentWidget(QWidget *page)
{
    const int index = page ? m_impl->pages.indexOf(page) : -1;
    if (index >= 0)
        m_impl->setCurrentIndex(index);
}

int TavixQStackContainer::currentIndex() const
{
    return m_impl->currentIndex;
}

QWidget *TavixQStackContainer::currentWidget() const
{
    return widget(m_impl->currentIndex);
}

int TavixQStackContainer::count() const
{
    return m_impl->pages.size();
}

QWidget *TavixQStackContainer::widget(int index) const
{
    return m_impl->validIndex(index) ? m_impl->pages.at(index) : nullptr;
}

void TavixQStackContainer::setBackground(const FillStyle &style)
{
    m_impl->background = style;
    update();
}

void TavixQStackContainer::setDisableBackground(const FillStyle &style)
{
    m_impl->disableBackground = style;
    update();
}

void TavixQStackContainer::setBackgroundState(CtrlState state, const FillStyle &style)
{
    if (state == Normal)
        setBackground(style);
    else
        setDisableBackground(style);
}

const FillStyle &TavixQStackContainer::getBackgroundState(CtrlState state) const
{
    return state == Normal ? m_impl->background : m_impl->disableBackground;
}

void TavixQStackContainer::setDrawBackground(bool draw)
{
    if (m_impl->drawBackground == draw)
        return;
    m_impl->drawBackground = draw;
    update();
}

bool TavixQStackContainer::getDrawBackground() const
{
    return m_impl->drawBackground;
}

bool TavixQStackContainer::event(QEvent *event)
{
    if (m_impl) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::LayoutRequest:
            m_impl->refreshCurrentPage();
            break;
        case QEvent::ChildRemoved:
            // A page deleted or re-parented elsewhere must not stay behind as a dangling entry.
            m_impl->forgetPage(static_cast<QChildEvent *>(event)->child());
            break;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

TAVIX_DEFINE_FORWARDED_EVENTS(TavixQStackContainer, QWidget)

void TavixQStackContainer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_impl)
        return;
    m_impl->fitAllPages();
    m_impl->refreshCurrentPage();
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQStackContainer, QWidget, mouseDoubleClickEvent, QMouseEvent)

} // namespace TavixQtLib
