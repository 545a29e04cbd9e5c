#include "controls/TavixQCheckBox.h"

#include "controls/TavixCheckableRows.h"
#include "controls/TavixQCheckBoxImpl.h"

#include <QKeyEvent>
#include <QPointer>

namespace TavixQtLib {

TavixQCheckBox::TavixQCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    m_impl = new TavixQCheckBoxImpl(this);
    m_impl->applyTheme();
}

TavixQCheckBox::~TavixQCheckBox()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQCheckBox, "qtcheckbox")
TAVIX_DEFINE_CHECKABLE_FORWARDS(TavixQCheckBox)

ControlInfo TavixQCheckBox::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQCheckBox", "Checkbox",
                                        "Control CheckBox", "checkbox");

    PropertyDef uncheckBg = tavixPropertyDef(QStringLiteral("UncheckBg"), FillStyleRef);
    tavixAddStateOptions(uncheckBg);
    uncheckBg.setFillStyle = tavixBindAccessor(&TavixQCheckBox::setBackground);
    uncheckBg.getFillStyle = tavixBindAccessor(&TavixQCheckBox::getBackground);
    info.properties.push_back(uncheckBg);

    PropertyDef checkedBg = tavixPropertyDef(QStringLiteral("CheckedBg"), FillStyleRef);
    tavixAddStateOptions(checkedBg);
    checkedBg.setFillStyle = tavixBindAccessor(&TavixQCheckBox::setCheckedBackground);
    checkedBg.getFillStyle = tavixBindAccessor(&TavixQCheckBox::getCheckedBackground);
    info.properties.push_back(checkedBg);

    info.properties.push_back(tavixCheckableTextStyleRow<TavixQCheckBox>());

    info.properties.push_back(tavixPropertyDef(QStringLiteral("Line"), GroupLine));

    PropertyDef showIcon = tavixPropertyDef(QStringLiteral("ShowIcon"), Bool);
    showIcon.setBool = tavixBindAccessor(&TavixQCheckBox::setShowIcon);
    showIcon.getBool = tavixBindAccessor(&TavixQCheckBox::getShowIcon);
    info.properties.push_back(showIcon);

    tavixAddCheckableIndicatorRows<TavixQCheckBox>(info.properties);
    return info;
}

void TavixQCheckBox::setBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->uncheckBackgrounds, state, style);
}

const FillStyle &TavixQCheckBox::getBackground(CtrlState state) const
{
    return m_impl->uncheckBackgrounds[tavixStateIndex(state)];
}

void TavixQCheckBox::setCheckedBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->checkedBackgrounds, state, style);
}

const FillStyle &TavixQCheckBox::getCheckedBackground(CtrlState state) const
{
    return m_impl->checkedBackgrounds[tavixStateIndex(state)];
}

void TavixQCheckBox::setTextStyle(bool checked, const TextStyleDesc &style)
{
    (checked ? m_impl->checkedTextStyle : m_impl->uncheckTextStyle) = style;
}

const TextStyleDesc &TavixQCheckBox::getTextStyle(bool checked) const
{
    return checked ? m_impl->checkedTextStyle : m_impl->uncheckTextStyle;
}

void TavixQCheckBox::setUncheckIcon(const QString &path)
{
    m_impl->setIndicator(false, path);
}

void TavixQCheckBox::setUncheckHotIcon(const QString &path)
{
    m_impl->uncheckHotIcon = path;
}

void TavixQCheckBox::setCheckedIcon(const QString &path)
{
    m_impl->setIndicator(true, path);
}

void TavixQCheckBox::setCheckedHotIcon(const QString &path)
{
    m_impl->checkedHotIcon = path;
}

void TavixQCheckBox::setDisableCheckIcon(const QString &path)
{
    m_impl->disableCheckedIcon = path;
}

QString TavixQCheckBox::getDisableCheckIcon() const
{
    return m_impl->disableCheckedIcon;
}

QString TavixQCheckBox::getDisableUncheckIcon() const
{
    return m_impl->disableUncheckIcon;
}

void TavixQCheckBox::setShowIcon(bool show)
{
    m_impl->showIcon = show;
}

// Disabled check boxes never reach the mouse handlers: QAbstractButton swallows those events so
// that a click does not fall through to the parent.
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQCheckBox, QCheckBox)

void TavixQCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (TavixQWidgetBaseImpl::isEnterKey(event)) {
        event->accept();
        click();   // emits toggled() and clicked(); a slot may delete this control, so nothing follows
        return;
    }
    QCheckBox::keyPressEvent(event);
}

} // namespace TavixQtLib
