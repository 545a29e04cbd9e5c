#include "controls/TavixQScrollView.h"

#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollViewImpl.h"
#include "controls/views/TavixViewScrollBars.h"

#include <QEvent>
#include <QPaintEvent>
#include <QScrollBar>

namespace TavixQtLib {

TavixQScrollView::TavixQScrollView(QWidget *parent)
    : QScrollArea(parent)
{
    setVerticalScrollBar(new TavixQScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new TavixQScrollBar(Qt::Horizontal, this));
    setFrameShape(QFrame::NoFrame);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_impl = new TavixQScrollViewImpl(this);
    viewport()->installEventFilter(m_impl);
    m_impl->applyTheme();
}

TavixQScrollView::~TavixQScrollView()
{
    viewport()->removeEventFilter(m_impl);
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQScrollView, "qtscrollview")

ControlInfo TavixQScrollView::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQScrollView", "ScrollView",
                                        "Control ScrollView", "scrollview");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(0, QStringLiteral("Normal"));
    background.addOption(1, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQScrollView::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQScrollView::getBackground);
    info.properties.push_back(background);
    return info;
}

// Positions go through the bars the area holds now, kit bars or not.
void TavixQScrollView::setHScrollPos(int pos)
{
    horizontalScrollBar()->setValue(pos);
}

int TavixQScrollView::getHScrollPos() const
{
    return horizontalScrollBar()->value();
}

void TavixQScrollView::setVScrollPos(int pos)
{
    verticalScrollBar()->setValue(pos);
}

int TavixQScrollView::getVScrollPos() const
{
    return verticalScrollBar()->value();
}

TavixQScrollBar *TavixQScrollView::getScrollBar(bool horizontal) const
{
    return bar(horizontal);
}

TavixQScrollBar *TavixQScrollView::bar(bool hor) const
{
    return qobject_cast<TavixQScrollBar *>(hor ? horizontalScrollBar() : verticalScrollBar());
}

void TavixQScrollView::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
    viewport()->update();
}

const FillStyle &TavixQScrollView::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQScrollView::setScrollbarBackgroundStyle(bool hor, const FillStyle &style)
{
    TavixViewScrollBars::styleBackground(bar(hor), style);
}

void TavixQScrollView::setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle &style)
{
    TavixViewScrollBars::styleButton(bar(hor), up, state, style);
}

void TavixQScrollView::setScrollbarButtonIcon(bool hor, bool up, const QString &path)
{
    TavixViewScrollBars::styleButtonIcon(bar(hor), up, path);
}

void TavixQScrollView::setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc &style)
{
    TavixViewScrollBars::styleButtonIconStyle(bar(hor), up, style);
}

void TavixQScrollView::setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle &style)
{
    TavixViewScrollBars::styleThumb(bar(hor), state, style);
}

void TavixQScrollView::setScrollbarThumb(bool hor, const QString &icon)
{
    TavixViewScrollBars::styleThumbIcon(bar(hor), icon);
}

void TavixQScrollView::setScrollbarSize(bool, int size)
{
    const QString sheet = TavixViewScrollBars::sizeSheet(size);
    // Sheets are plain QScrollBar rules: they apply to whatever bars the area holds now.
    verticalScrollBar()->setStyleSheet(sheet);
    horizontalScrollBar()->setStyleSheet(sheet);
}

void TavixQScrollView::setScrollbarBtnSize(bool hor, int size)
{
    QScrollBar *b = hor ? horizontalScrollBar() : verticalScrollBar();
    b->setStyleSheet(TavixViewScrollBars::buttonSizeSheet(hor, size));
}

bool TavixQScrollView::event(QEvent *event)
{
    // The area's own paint events (the corner between the bars); the viewport's are filtered.
    if (event->type() == QEvent::Paint && m_impl) {
        m_impl->paintEvent(static_cast<QPaintEvent *>(event));
        return true;
    }
    return QScrollArea::event(event);
}

void TavixQScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    emit scrollPosChanged(dx, dy);
}

TAVIX_DEFINE_FORWARDED_INPUT_EVENTS(TavixQScrollView, QScrollArea)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQScrollView, QScrollArea, mouseDoubleClickEvent, QMouseEvent)

} // namespace TavixQtLib
