#include "controls/TavixQContainer.h"

#include "controls/TavixQContainerImpl.h"
#include "controls/TavixQScrollBar.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include <algorithm>

namespace TavixQtLib {

namespace {

constexpr int kMinimumWheelStep = 24;

} // namespace

TavixQContainer::TavixQContainer(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQContainerImpl(this);
    m_impl->applyTheme();
}

TavixQContainer::~TavixQContainer()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQContainer, "qtcontainer")

ControlInfo TavixQContainer::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQContainer", "Container",
                                        "Control container", "container");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(Normal, QStringLiteral("Normal"));
    background.addOption(Disable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQContainer::setBackgroundState);
    background.getFillStyle = tavixBindAccessor(&TavixQContainer::getBackgroundState);
    info.properties.push_back(background);

    PropertyDef drawBackground = tavixPropertyDef(QStringLiteral("DrawBackground"), Bool);
    drawBackground.setBool = tavixBindAccessor(&TavixQContainer::setDrawBackground);
    drawBackground.getBool = tavixBindAccessor(&TavixQContainer::getDrawBackground);
    info.properties.push_back(drawBackground);

    PropertyDef autoSize = tavixPropertyDef(QStringLiteral("AbsoluteDockAutoSize"), Bool);
    autoSize.setBool = tavixBindAccessor(&TavixQContainer::setAbsoluteDockAutoSize);
    autoSize.getBool = tavixBindAccessor(&TavixQContainer::getAbsoluteDockAutoSize);
    info.properties.push_back(autoSize);

    PropertyDef childLayout = tavixPropertyDef(QStringLiteral("ChildLayout"), Enumeration);
    childLayout.addOption(Horizontal, QStringLiteral("Horizontal"));
    childLayout.addOption(Vertical, QStringLiteral("Vertical"));
    childLayout.addOption(HorFloat, QStringLiteral("HorFloat"));
    childLayout.addOption(VerFloat, QStringLiteral("VerFloat"));
    childLayout.addOption(NoUse, QStringLiteral("No Use"));
    childLayout.setInt = tavixBindAccessor(&TavixQContainer::setChildLayout);
    childLayout.getInt = tavixBindAccessor(&TavixQContainer::getChildLayout);
    info.properties.push_back(childLayout);

    PropertyDef padding = tavixPropertyDef(QStringLiteral("ChildPadding"), IntQuad);
    padding.setIntQuad = tavixBindAccessor(
        static_cast<void (TavixQContainer::*)(int, int, int, int)>(&TavixQContainer::setChildPadding));
    padding.getIntQuad = tavixBindAccessor(&TavixQContainer::getChildPadding);
    info.properties.push_back(padding);
    return info;
}

void TavixQContainer::setChildLayout(AutoChildLayout layout)
{
    const int value = (layout >= Horizontal && layout <= VerFloat) ? int(layout) : int(NoUse);
    if (!m_impl)
        return;
    m_impl->childLayout = value;
    m_impl->relayout();
}

TavixQContainer::AutoChildLayout TavixQContainer::getChildLayout() const
{
    return m_impl ? AutoChildLayout(m_impl->childLayout) : NoUse;
}

void TavixQContainer::setChildSpace(int space)
{
    if (!m_impl)
        return;
    m_impl->childSpace = space;
    m_impl->relayout();
}

int TavixQContainer::getChildSpace() const
{
    return m_impl ? m_impl->childSpace : 0;
}

void TavixQContainer::setChildPadding(int all)
{
    setChildPadding(all, all, all, all);
}

void TavixQContainer::setChildPadding(int left, int top, int right, int bottom)
{
    if (!m_impl)
        return;
    m_impl->paddingLeft = left;
    m_impl->paddingTop = top;
    m_impl->paddingRight = right;
    m_impl->paddingBottom = bottom;
    m_impl->relayout();
}

void TavixQContainer::getChildPadding(int &left, int &top, int &right, int &bottom) const
{
    left = m_impl ? m_impl->paddingLeft : 0;
    top = m_impl ? m_impl->paddingTop : 0;
    right = m_impl ? m_impl->paddingRight : 0;
    bottom = m_impl ? m_impl->paddingBottom : 0;
}

void TavixQContainer::setChildRatio(QWidget *child, int ratio)
{
    if (!child || !m_impl)
        return;
    if (ITavixQWidgetBase *iface = dynamic_cast<ITavixQWidgetBase *>(child))
        iface->setLayoutRatio(ratio);
    m_impl->relayout();
}

void TavixQContainer::addChildWidget(QWidget *child, int ratio)
{
    // An ancestor as a child would make the widget tree a cycle.
    if (!child || !m_impl || child == this || child->isAncestorOf(this))
        return;
    m_impl->addChild(child, ratio);
}

void TavixQContainer::forceResize()
{
    if (m_impl)
        m_impl->relayout();
}

void TavixQContainer::setAbsoluteDockAutoSize(bool autoSize)
{
    if (!m_impl || m_impl->absoluteDockAutoSize == autoSize)
        return;
    m_impl->absoluteDockAutoSize = autoSize;
    m_impl->relayout();
    if (TavixQContainer *parent = qobject_cast<TavixQContainer *>(parentWidget()))
        parent->forceResize();
}

bool TavixQContainer::getAbsoluteDockAutoSize() const
{
    return m_impl && m_impl->absoluteDockAutoSize;
}

QSize TavixQContainer::getContentSize() const
{
    return m_impl ? m_impl->contentSize() : QSize();
}

void TavixQContainer::setBackground(const FillStyle &style)
{
    if (!m_impl)
        return;
    m_impl->background = style;
    update();
}

const FillStyle &TavixQContainer::getBackground() const
{
    static const FillStyle none;
    return m_impl ? m_impl->background : none;
}

void TavixQContainer::setDisableBackground(const FillStyle &style)
{
    if (!m_impl)
        return;
    m_impl->disableBackground = style;
    update();
}

const FillStyle &TavixQContainer::getDisableBackground() const
{
    static const FillStyle none;
    return m_impl ? m_impl->disableBackground : none;
}

void TavixQContainer::setBackgroundState(CtrlState state, const FillStyle &style)
{
    if (state == Normal)
        setBackground(style);
    else
        setDisableBackground(style);
}

const FillStyle &TavixQContainer::getBackgroundState(CtrlState state) const
{
    return state == Normal ? getBackground() : getDisableBackground();
}

void TavixQContainer::setColor(const QColor &color)
{
    if (!m_impl)
        return;
    m_impl->background.drawColor = true;
    m_impl->background.color = color;
    update();
}

void TavixQContainer::setUseFillStyle(bool useColor)
{
    if (!m_impl || m_impl->background.drawColor == useColor)
        return;
    m_impl->background.drawColor = useColor;
    update();
}

bool TavixQContainer::getUseFillStyle() const
{
    return m_impl && m_impl->background.drawColor;
}

void TavixQContainer::setDrawBackground(bool draw)
{
    if (!m_impl || m_impl->drawBackground == draw)
        return;
    m_impl->drawBackground = draw;
    update();
}

bool TavixQContainer::getDrawBackground() const
{
    return m_impl && m_impl->drawBackground;
}

void TavixQContainer::bindScrollBar(TavixQScrollBar *bar, bool horizontal)
{
    if (m_impl)
        m_impl->bindScrollBar(bar, horizontal);
}

TavixQScrollBar *TavixQContainer::getBindScrollBar(bool horizontal) const
{
    if (!m_impl)
        return nullptr;
    return horizontal ? m_impl->hScrollBar.data() : m_impl->vScrollBar.data();
}

void TavixQContainer::setScrollPos(bool horizontal, int pos)
{
    if (m_impl)
        m_impl->setScrollPos(horizontal, pos);
}

int TavixQContainer::getScrollPos(bool horizontal) const
{
    if (!m_impl)
        return 0;
    return horizontal ? m_impl->scrollX : m_impl->scrollY;
}

bool TavixQContainer::startResizeAnimation(const QSize &from, const QSize &to, int durationMs)
{
    return m_impl && m_impl->startResizeAnimation(from, to, durationMs);
}

bool TavixQContainer::isResizeAnimationRunning() const
{
    return m_impl && m_impl->animating;
}

void TavixQContainer::bindWindowHandle(void *handle)
{
    if (m_impl)
        m_impl->bindWindowHandle(handle);
}

void TavixQContainer::unbindWindowHandle()
{
    if (m_impl)
        m_impl->bindWindowHandle(nullptr);
}

void *TavixQContainer::getWindowHandle() const
{
    return m_impl ? m_impl->windowHandle : nullptr;
}

QString TavixQContainer::name() const
{
    return QStringLiteral("TavixQContainer");
}

QString TavixQContainer::includeFile() const
{
    return QStringLiteral("TavixQContainer.h");
}

QString TavixQContainer::domXml() const
{
    return QStringLiteral("<widget class=\"TavixQContainer\" name=\"container\">\n</widget>\n");
}

QString TavixQContainer::group() const
{
    return QString();
}

QString TavixQContainer::toolTip() const
{
    return QWidget::toolTip();
}

QString TavixQContainer::whatsThis() const
{
    return QWidget::whatsThis();
}

QIcon TavixQContainer::icon() const
{
    return QIcon();
}

bool TavixQContainer::isContainer() const
{
    return false;
}

void TavixQContainer::initialize(QDesignerFormEditorInterface *)
{
    m_designerInitialized = true;
}

bool TavixQContainer::isInitialized() const
{
    return m_designerInitialized;
}

QWidget *TavixQContainer::createWidget(QWidget *parent)
{
    return new TavixQContainer(parent);
}

bool TavixQContainer::event(QEvent *event)
{
    if (m_impl && (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        // Qt 6 no longer reports a child in its destructor as a widget, so there any removal reflows.
        const bool maybeWidget = QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && event->type() == QEvent::ChildRemoved;
        if (child && (child->isWidgetType() || maybeWidget)) {
            if (event->type() == QEvent::ChildAdded) {
                m_impl->watchChild(static_cast<QWidget *>(child));
            } else {
                QPointer<TavixQContainer> alive(this);
                m_impl->releaseMovedBar(child);   // may run code that deletes this container
                if (!alive)
                    return true;
                m_impl->unwatchChild(child);   // a child being destroyed is no longer a QWidget here
            }
            // Deferred: adding or removing many children rescans them once, not once each, and a row
            // closes the gap a removed child leaves.
            m_impl->scheduleRelayout();
        }
    }
    return QWidget::event(event);
}

bool TavixQContainer::eventFilter(QObject *watched, QEvent *event)
{
    if (m_impl)
        m_impl->watchedChildEvent(watched, event);
    return QWidget::eventFilter(watched, event);
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQContainer)

void TavixQContainer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_impl)
        return;
    m_impl->relayout();
    m_impl->moveNativeWindow();
}

void TavixQContainer::wheelEvent(QWheelEvent *event)
{
    TavixQScrollBar *bar = m_impl ? m_impl->vScrollBar.data() : nullptr;
    const int delta = event->angleDelta().y();
    // A purely horizontal wheel turn has no vertical direction; it goes to the default handling.
    if (bar && !bar->isHidden() && bar->maximum() > 0 && delta != 0) {
        const qint64 step = std::max(bar->singleStep(), kMinimumWheelStep);
        const qint64 target = qint64(bar->value()) + (delta > 0 ? -step : step);   // a huge step must not wrap
        bar->setValue(int(qBound(qint64(bar->minimum()), target, qint64(bar->maximum()))));
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}

// Qt leaves the press ignored so it reaches the parent too.
TAVIX_DEFINE_FORWARDED_EVENT(TavixQContainer, QWidget, mousePressEvent, QMouseEvent)

void TavixQContainer::mouseReleaseEvent(QMouseEvent *)
{
    // A release is a click on the panel; nothing else is done with it.
    emit mouseClickEvent();
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQContainer, QWidget, mouseMoveEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQContainer, QWidget, mouseDoubleClickEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQContainer, QWidget, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQContainer, QWidget, leaveEvent, QEvent)

} // namespace TavixQtLib
