#include "controls/TavixQScrollView.h"

#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollViewImpl.h"

#include <QEvent>
#include <QPaintEvent>
#include <QScrollBar>

namespace TavixQtLib {

TavixQScrollView::TavixQScrollView(QWidget *parent)
    : QScrollArea(parent)
{
    m_vBar = new TavixQScrollBar(Qt::Vertical, this);
    m_hBar = new TavixQScrollBar(Qt::Horizontal, this);
    setVerticalScrollBar(m_vBar);
    setHorizontalScrollBar(m_hBar);
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

void TavixQScrollView::setHScrollPos(int pos)
{
    m_hBar->setValue(pos);
}

int TavixQScrollView::getHScrollPos() const
{
    return m_hBar->value();
}

void TavixQScrollView::setVScrollPos(int pos)
{
    m_vBar->setValue(pos);
}

int TavixQScrollView::getVScrollPos() const
{
    return m_vBar->value();
}

TavixQScrollBar *TavixQScrollView::getScrollBar(bool horizontal) const
{
    return bar(horizontal);
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
    bar(hor)->setScrollbarBackground(Normal, style);
}

void TavixQScrollView::setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle &style)
{
    if (up)
        bar(hor)->setScrollbarUpButton(state, style);
    else
        bar(hor)->setScrollbarDownButton(state, style);
}

void TavixQScrollView::setScrollbarButtonIcon(bool hor, bool up, const QString &path)
{
    bar(hor)->setScrollbarBtnIcon(up, path);
}

void TavixQScrollView::setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc &style)
{
    bar(hor)->setScrollbarIconStyle(up, style);
}

void TavixQScrollView::setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle &style)
{
    bar(hor)->setScrollbarThumb(state, style);
}

void TavixQScrollView::setScrollbarThumb(bool hor, const QString &icon)
{
    bar(hor)->setScrollbarThumbIcon(icon);
}

void TavixQScrollView::setScrollbarSize(bool, int size)
{
    const QString sheet = QStringLiteral(
        "QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
        "QScrollBar::add-line:vertical{ width:%3px;width:%3px; subcontrol-origin: margin;} "
        "QScrollBar::sub-line:vertical{ width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(size).arg(size).arg(size);
    m_vBar->setStyleSheet(sheet);
    m_hBar->setStyleSheet(sheet);
}

void TavixQScrollView::setScrollbarBtnSize(bool hor, int size)
{
    if (hor) {
        m_hBar->setStyleSheet(QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; }"
                                             "QScrollBar::sub-line{ width:%1px;width:%1px; }").arg(size));
    } else {
        m_vBar->setStyleSheet(QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; }"
                                             "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
                                  .arg(size));
    }
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
