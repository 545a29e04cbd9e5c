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

void TavixQCheckBox::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style)
{
    m_impl->setTextStyleByState(state, style);
}

const TextStyleDesc &TavixQCheckBox::getTextStyleByState(CheckBoxTextState state) const
{
    return m_impl->textStyleByState(state);
}

void TavixQCheckBox::setDisableTextStyle(const TextStyleDesc &style)
{
    m_impl->disableTextStyle = style;
}

const TextStyleDesc &TavixQCheckBox::getDisableTextStyle() const
{
    return m_impl->disableTextStyle;
}

void TavixQCheckBox::setUncheckIcon(const QString &path)
{
    m_impl->setIndicator(false, path);
}

QString TavixQCheckBox::getUncheckIcon() const
{
    return m_impl->uncheckIcon;
}

void TavixQCheckBox::setUncheckHotIcon(const QString &path)
{
    m_impl->uncheckHotIcon = path;
}

QString TavixQCheckBox::getUncheckHotIcon() const
{
    return m_impl->uncheckHotIcon;
}

void TavixQCheckBox::setCheckedIcon(const QString &path)
{
    m_impl->setIndicator(true, path);
}

QString TavixQCheckBox::getCheckedIcon() const
{
    return m_impl->checkedIcon;
}

void TavixQCheckBox::setCheckedHotIcon(const QString &path)
{
    m_impl->checkedHotIcon = path;
}

QString TavixQCheckBox::getCheckedHotIcon() const
{
    return m_impl->checkedHotIcon;
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

void TavixQCheckBox::setIconStyle(const IconStyleDesc &style)
{
    m_impl->iconStyle = style;
}

IconStyleDesc TavixQCheckBox::getIconStyle() const
{
    return m_impl->iconStyle;
}

void TavixQCheckBox::setIconHorAlign(DockLayoutType align)
{
    m_impl->iconStyle.horAlign = align;
}

DockLayoutType TavixQCheckBox::getIconHorAlign() const
{
    return DockLayoutType(m_impl->iconStyle.horAlign);
}

void TavixQCheckBox::setIconVerAlign(DockLayoutType align)
{
    m_impl->iconStyle.verAlign = align;
}

DockLayoutType TavixQCheckBox::getIconVerAlign() const
{
    return DockLayoutType(m_impl->iconStyle.verAlign);
}

void TavixQCheckBox::setIconOffsetX(int x)
{
    m_impl->iconStyle.offsetX = x;
}

int TavixQCheckBox::getIconOffsetX() const
{
    return m_impl->iconStyle.offsetX;
}

void TavixQCheckBox::setIconOffsetY(int y)
{
    m_impl->iconStyle.offsetY = y;
}

int TavixQCheckBox::getIconOffsetY() const
{
    return m_impl->iconStyle.offsetY;
}

void TavixQCheckBox::setShowIcon(bool show)
{
    m_impl->showIcon = show;
}

bool TavixQCheckBox::getShowIcon() const
{
    return m_impl->showIcon;
}

void TavixQCheckBox::setShowText(bool show)
{
    m_impl->showText = show;
}

bool TavixQCheckBox::getShowText() const
{
    return m_impl->showText;
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
