#include "controls/TavixQSplitter.h"

#include "controls/TavixQSplitterImpl.h"

namespace TavixQtLib {

TavixQSplitter::TavixQSplitter(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQSplitterImpl(this);
    m_impl->updateCursor();
    m_impl->applyTheme();
}

TavixQSplitter::~TavixQSplitter()
{
    setProperty("impl", QVariant());
    delete m_impl;
    m_impl = nullptr;
}

QWidget *TavixQSplitter::createTavixQSplitter()
{
    return new TavixQSplitter(nullptr);
}

const char *TavixQSplitter::typeName()
{
    return "qtsplitter";
}

QString TavixQSplitter::getTypeName() const
{
    return QString::fromLatin1(typeName());
}

TavixQWidgetBaseImpl *TavixQSplitter::getControlImpl() const
{
    return m_impl;
}

// The registry keeps no descriptor for the splitter; this one carries the common rows only.
ControlInfo TavixQSplitter::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQSplitter";
    info.displayName = "Splitter";
    info.description = "Control Splitter";
    info.iconName = "splitter";
    info.properties = tavixCommonPropertyDefs();
    return info;
}

void TavixQSplitter::setIsHor(bool hor)
{
    m_impl->isHor = hor;
    m_impl->updateCursor();
}

bool TavixQSplitter::getIsHor() const
{
    return m_impl->isHor;
}

void TavixQSplitter::setUpLeftWidget(QWidget *widget)
{
    m_impl->upLeftWidget = widget;
}

QWidget *TavixQSplitter::getUpLeftWidget() const
{
    return m_impl->upLeftWidget;
}

void TavixQSplitter::setDownRightWidget(QWidget *widget)
{
    m_impl->downRightWidget = widget;
}

QWidget *TavixQSplitter::getDownRightWidget() const
{
    return m_impl->downRightWidget;
}

void TavixQSplitter::setUpLeftLimit(int limit)
{
    m_impl->upLeftLimit = limit;
}

int TavixQSplitter::getUpLeftLimit() const
{
    return m_impl->upLeftLimit;
}

void TavixQSplitter::setDownRightLimit(int limit)
{
    m_impl->downRightLimit = limit;
}

int TavixQSplitter::getDownRightLimit() const
{
    return m_impl->downRightLimit;
}

void TavixQSplitter::setBackground(const FillStyle &style)
{
    m_impl->background = style;
    update();
}

FillStyle TavixQSplitter::getBackground() const
{
    return m_impl->background;
}

void TavixQSplitter::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

void TavixQSplitter::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (m_impl)
        m_impl->mousePressEvent(event);
}

void TavixQSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
}

void TavixQSplitter::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (m_impl)
        m_impl->mouseMoveEvent(event);
}

void TavixQSplitter::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (m_impl)
        m_impl->mouseDoubleClickEvent(event);
}

void TavixQSplitter::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    if (m_impl)
        m_impl->enterEvent(event);
}

void TavixQSplitter::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_impl)
        m_impl->leaveEvent(event);
}

} // namespace TavixQtLib
