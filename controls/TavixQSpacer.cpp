#include "controls/TavixQSpacer.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQSpacerImpl.h"

namespace TavixQtLib {

TavixQSpacer::TavixQSpacer(QWidget *parent)
    : QWidget(parent)
{
    // A filler must never take clicks, focus or hover away from its neighbours.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
    setMinimumSize(0, 0);
    m_impl = new TavixQSpacerImpl(this);
    m_impl->applyTheme();
}

TavixQSpacer::~TavixQSpacer()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQSpacer, "qtspacer")

ControlInfo TavixQSpacer::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQSpacer", "Spacer", "Elastic spacer", "container");

    PropertyDef direction = tavixPropertyDef(QStringLiteral("Direction"), Enumeration);
    direction.addOption(Auto, QStringLiteral("Auto"));
    direction.addOption(Horizontal, QStringLiteral("Horizontal"));
    direction.addOption(Vertical, QStringLiteral("Vertical"));
    direction.setInt = tavixBindAccessor(&TavixQSpacer::setDirection);
    direction.getInt = tavixBindAccessor(&TavixQSpacer::getDirection);
    info.properties.push_back(direction);

    PropertyDef thickness = tavixPropertyDef(QStringLiteral("Thickness"), Int);
    thickness.setInt = tavixBindAccessor(&TavixQSpacer::setThickness);
    thickness.getInt = tavixBindAccessor(&TavixQSpacer::getThickness);
    info.properties.push_back(thickness);
    return info;
}

void TavixQSpacer::setDirection(Direction direction)
{
    const int value = int(direction);
    m_impl->direction = (value >= Auto && value <= Vertical) ? value : Auto;
    relayoutParent();
}

int TavixQSpacer::getDirection() const
{
    return m_impl->direction;
}

void TavixQSpacer::setThickness(int thickness)
{
    // No widget is larger; the bound keeps a page's value out of overflowing layout sums.
    m_impl->thickness = qBound(0, thickness, int(QWIDGETSIZE_MAX));
    relayoutParent();
}

int TavixQSpacer::getThickness() const
{
    return m_impl->thickness;
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQSpacer)

void TavixQSpacer::relayoutParent()
{
    if (auto *container = qobject_cast<TavixQContainer *>(parentWidget()))
        container->forceResize();
}

} // namespace TavixQtLib
