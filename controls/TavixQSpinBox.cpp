#include "controls/TavixQSpinBox.h"

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQSpinBox, "qtspinbox")

TavixQSpinBox::TavixQSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    m_impl = new TavixQSpinBoxImpl(this, QString::fromLatin1(typeName()));
    m_impl->applyTheme();
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

TavixQSpinBox::~TavixQSpinBox()
{
    tavixDestroyImpl(this, m_impl);
}

void TavixQSpinBox::paintEvent(QPaintEvent *event)
{
    QSpinBox::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(this);
}

// Registered without a descriptor; this one only carries the common rows.
ControlInfo TavixQSpinBox::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQSpinBox";
    info.displayName = "SpinBox";
    info.description = "Control SpinBox";
    info.iconName = "spinbox";
    info.properties = tavixCommonPropertyDefs();
    return info;
}

} // namespace TavixQtLib
