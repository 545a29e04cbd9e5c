#include "controls/TavixQRadioButton.h"

#include "controls/TavixCheckableRows.h"
#include "controls/TavixQRadioButtonImpl.h"

#include <QKeyEvent>
#include <QPointer>

namespace TavixQtLib {

TavixQRadioButton::TavixQRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
    m_impl = new TavixQRadioButtonImpl(this);
    m_impl->applyTheme();
}

TavixQRadioButton::~TavixQRadioButton()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQRadioButton, "qtradiobox")
TAVIX_DEFINE_CHECKABLE_FORWARDS(TavixQRadioButton)

ControlInfo TavixQRadioButton::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQRadioButton", "RadioButton",
                                        "Control RadioButton", "radio");

    PropertyDef unselectedBg = tavixPropertyDef(QStringLiteral("UnselectedBg"), FillStyleRef);
    tavixAddStateOptions(unselectedBg);
    unselectedBg.setFillStyle = tavixBindAccessor(&TavixQRadioButton::setBackground);
    unselectedBg.getFillStyle = tavixBindAccessor(&TavixQRadioButton::getBackground);
    info.properties.push_back(unselectedBg);

    PropertyDef selectedBg = tavixPropertyDef(QStringLiteral("SelectedBg"), FillStyleRef);
    tavixAddStateOptions(selectedBg);
    selectedBg.setFillStyle = tavixBindAccessor(&TavixQRadioButton::setSelectedBackground);
    selectedBg.getFillStyle = tavixBindAccessor(&TavixQRadioButton::getSelectedBackground);
    info.properties.push_back(selectedBg);

    info.properties.push_back(tavixCheckableTextStyleRow<TavixQRadioButton>());

    info.properties.push_back(tavixPropertyDef(QStringLiteral("Line"), GroupLine));

    const struct {
        const char *label;
        void (TavixQRadioButton::*set)(bool);
        bool (TavixQRadioButton::*get)() const;
    } flags[] = {
        {"PushLike", &TavixQRadioButton::setPushlike, &TavixQRadioButton::getPushlike},
        {"ShowIcon", &TavixQRadioButton::setShowIcon, &TavixQRadioButton::getShowIcon},
        {"ShowText", &TavixQRadioButton::setShowText, &TavixQRadioButton::getShowText},
    };
    for (const auto &flag : flags) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(flag.label), Bool);
        def.setBool = tavixBindAccessor(flag.set);
        def.getBool = tavixBindAccessor(flag.get);
        info.properties.push_back(def);
    }

    tavixAddCheckableIndicatorRows<TavixQRadioButton>(info.properties);
    return info;
}

void TavixQRadioButton::setBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->unselectedBackgrounds, state, style);
}

const FillStyle &TavixQRadioButton::getBackground(CtrlState state) const
{
    return m_impl->unselectedBackgrounds[tavixStateIndex(state)];
}

void TavixQRadioButton::setSelectedBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->selectedBackgrounds, state, style);
}

const FillStyle &TavixQRadioButton::getSelectedBackground(CtrlState state) const
{
    return m_impl->selectedBackgrounds[tavixStateIndex(state)];
}

void TavixQRadioButton::setTextStyle(bool checked, const TextStyleDesc &style)
{
    (checked ? m_impl->checkedTextStyle : m_impl->uncheckTextStyle) = style;
}

TextStyleDesc TavixQRadioButton::getTextStyle(bool checked) const
{
    return checked ? m_impl->checkedTextStyle : m_impl->uncheckTextStyle;
}

void TavixQRadioButton::setIcon(RadioIconState which, const QString &path)
{
    switch (which) {
    case RadioIconState::Checked:
        m_impl->checkedIcon = path;
        break;
    case RadioIconState::CheckedHot:
        m_impl->checkedHotIcon = path;
        break;
    case RadioIconState::Uncheck:
        m_impl->uncheckIcon = path;
        break;
    case RadioIconState::UncheckHot:
        m_impl->uncheckHotIcon = path;
        break;
    case RadioIconState::All:
        m_impl->checkedIcon = m_impl->checkedHotIcon = m_impl->uncheckIcon = m_impl->uncheckHotIcon = path;
        break;
    }
}

void TavixQRadioButton::setIcon(const QString &path)
{
    setIcon(RadioIconState::All, path);
}

bool TavixQRadioButton::setUncheckIcon(const QString &path)
{
    m_impl->uncheckIcon = path;
    return true;
}

bool TavixQRadioButton::setUncheckHotIcon(const QString &path)
{
    m_impl->uncheckHotIcon = path;
    return true;
}

bool TavixQRadioButton::setCheckedIcon(const QString &path)
{
    m_impl->checkedIcon = path;
    return true;
}

bool TavixQRadioButton::setCheckedHotIcon(const QString &path)
{
    m_impl->checkedHotIcon = path;
    return true;
}

bool TavixQRadioButton::setDisableIcon(const QString &path)
{
    m_impl->disableIcon = path;
    return true;
}

QString TavixQRadioButton::getDisableIcon() const
{
    return m_impl->disableIcon;
}

void TavixQRadioButton::setShowIcon(bool show)
{
    m_impl->showIcon = show;
    update();
}

void TavixQRadioButton::setPushlike(bool pushlike)
{
    m_impl->pushlike = pushlike;
    update();
}

bool TavixQRadioButton::getPushlike() const
{
    return m_impl->pushlike;
}

bool TavixQRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQRadioButton)

// The radio button runs its own press and release handling before Qt's, so the state the
// toggled() and clicked() slots see is already the new one. Disabled radio buttons never get here:
// QAbstractButton swallows their mouse events so that a click does not fall through.
void TavixQRadioButton::mousePressEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mousePressEvent(event);
    QPointer<TavixQRadioButton> alive(this);
    QRadioButton::mousePressEvent(event);   // may emit pressed(); a slot may delete this radio button
    if (alive)
        emit pressedEvent();
}

void TavixQRadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    QRadioButton::mouseReleaseEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQRadioButton, QRadioButton, mouseMoveEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQRadioButton, QRadioButton, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQRadioButton, QRadioButton, leaveEvent, QEvent)

void TavixQRadioButton::keyPressEvent(QKeyEvent *event)
{
    if (TavixQWidgetBaseImpl::isEnterKey(event)) {
        event->accept();
        click();   // emits toggled() and clicked(); a slot may delete this control, so nothing follows
        return;
    }
    QRadioButton::keyPressEvent(event);
}

} // namespace TavixQtLib
