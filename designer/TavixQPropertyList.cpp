#include "designer/TavixQPropertyList.h"

#include "designer/TavixQPropertyListImpl.h"

#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>

namespace TavixQtLib {

TavixQPropertyList::TavixQPropertyList(QWidget *parent)
    : TavixQScrollView(parent)
{
    m_impl = new TavixQPropertyListImpl(this);
    m_impl->content = new QWidget;
    m_impl->content->setObjectName(QStringLiteral("propertyContent"));
    setWidgetResizable(false);
    setWidget(m_impl->content);
    // Rows follow the viewport's width, so there is nothing to scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->installEventFilter(m_impl);
    m_impl->applyTheme();
    m_impl->layoutRows();
}

TavixQPropertyList::~TavixQPropertyList()
{
    viewport()->removeEventFilter(m_impl);
    // The rows refer to the Impl's records; they go before it.
    m_impl->removeAll();
    for (const QList<PropertyRow *> &pool : qAsConst(m_impl->rowPool))
        qDeleteAll(pool);
    m_impl->rowPool.clear();
    delete takeWidget();
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQPropertyList, "qtproperty")

// The registry's row for the keyword "qtproperty" (core/TavixControlRegistry.cpp), which keeps core
// free of designer headers.
QWidget *tavixCreatePropertyList()
{
    return TavixQPropertyList::createTavixQPropertyList();
}

ControlInfo tavixPropertyListProps()
{
    return TavixQPropertyList::getProps();
}

ControlInfo TavixQPropertyList::getProps()
{
    return tavixControlInfo(typeName(), "TavixQProperty", "Property", "Control Property", "property");
}

void TavixQPropertyList::addItem(const PropertyDef &def)
{
    m_impl->addItem(def);
}

void TavixQPropertyList::removeAll()
{
    m_impl->removeAll();
}

void TavixQPropertyList::bindControl(QWidget *control)
{
    m_impl->bindControl(control);
}

QWidget *TavixQPropertyList::getBoundControl() const
{
    return m_impl->boundControl;
}

QWidget *TavixQPropertyList::getContent() const
{
    return m_impl->content;
}

void TavixQPropertyList::updateValue(PropertyDef *def)
{
    emit valueChanged(def);
}

void TavixQPropertyList::layout()
{
    m_impl->layoutRows();
}

void TavixQPropertyList::resizeEvent(QResizeEvent *event)
{
    layout();
    TavixQScrollView::resizeEvent(event);
}

} // namespace TavixQtLib
