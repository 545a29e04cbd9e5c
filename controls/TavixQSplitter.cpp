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
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQSplitter, "qtsplitter")

// The registry keeps no descriptor for the splitter; this one carries the common rows only.
ControlInfo TavixQSplitter::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQSplitter", "Splitter",
                                        "Control Splitter", "splitter");
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

TAVIX_DEFINE_FORWARDED_EVENTS(TavixQSplitter, QWidget)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQSplitter, QWidget, mouseDoubleClickEvent, QMouseEvent)

} // namespace TavixQtLib
