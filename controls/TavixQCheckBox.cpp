#include "controls/TavixQCheckBox.h"

#include "controls/TavixQCheckBoxImpl.h"

#include <QPointer>

namespace TavixQtLib {

namespace {

const QString kDefaultUncheck = QStringLiteral("IDB_UNCHECK");
const QString kDefaultChecked = QStringLiteral("IDB_CHECKED");

void setStateStyle(FillStyle *styles, CtrlState state, const FillStyle &style)
{
    if (state == AllStates) {
        for (int s = Normal; s <= Disable; ++s)
            styles[s] = style;
    } else if (state >= Normal && state <= Disable) {
        styles[state] = style;
    }
}

int stateIndex(CtrlState state)
{
    return state >= Normal && state <= Disable ? int(state) : int(Normal);
}

PropertyDef alignRow(const QString &label)
{
    PropertyDef def = tavixPropertyDef(label, Enumeration);
    def.addOption(DockNear, QStringLiteral("Left"));
    def.addOption(DockCenter, QStringLiteral("Center"));
    def.addOption(DockFar, QStringLiteral("Right"));
    return def;
}

} // namespace

TavixQCheckBox::TavixQCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    m_impl = new TavixQCheckBoxImpl(this);
    m_impl->applyTheme();
}

TavixQCheckBox::~TavixQCheckBox()
{
    setProperty("impl", QVariant());
    delete m_impl;
    m_impl = nullptr;
}

QWidget *TavixQCheckBox::createTavixQCheckBox()
{
    return new TavixQCheckBox();
}

TavixQWidgetBaseImpl *TavixQCheckBox::getControlImpl() const
{
    return m_impl;
}

ControlInfo TavixQCheckBox::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQCheckBox";
    info.displayName = "Checkbox";
    info.description = "Control CheckBox";
    info.iconName = "checkbox";
    info.properties = tavixCommonPropertyDefs();

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

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    textStyle.addOption(int(CheckBoxTextState::Checked), QStringLiteral("Checked"));
    textStyle.addOption(int(CheckBoxTextState::Unchecked), QStringLiteral("Unchecked"));
    textStyle.addOption(int(CheckBoxTextState::Disable), QStringLiteral("Disable"));
    textStyle.setTextStyle = tavixBindAccessor(&TavixQCheckBox::setTextStyleByState);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQCheckBox::getTextStyleByState);
    info.properties.push_back(textStyle);

    info.properties.push_back(tavixPropertyDef(QStringLiteral("Line"), GroupLine));

    PropertyDef showIcon = tavixPropertyDef(QStringLiteral("ShowIcon"), Bool);
    showIcon.setBool = tavixBindAccessor(&TavixQCheckBox::setShowIcon);
    showIcon.getBool = tavixBindAccessor(&TavixQCheckBox::getShowIcon);
    info.properties.push_back(showIcon);

    const struct {
        const char *label;
        void (TavixQCheckBox::*set)(const QString &);
        QString (TavixQCheckBox::*get)() const;
    } icons[] = {
        {"UncheckIcon", &TavixQCheckBox::setUncheckIcon, &TavixQCheckBox::getUncheckIcon},
        {"UncheckHotIcon", &TavixQCheckBox::setUncheckHotIcon, &TavixQCheckBox::getUncheckHotIcon},
        {"CheckedIcon", &TavixQCheckBox::setCheckedIcon, &TavixQCheckBox::getCheckedIcon},
        {"CheckedHotIcon", &TavixQCheckBox::setCheckedHotIcon, &TavixQCheckBox::getCheckedHotIcon},
    };
    for (const auto &icon : icons) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(icon.label), ImagePath);
        def.setString = tavixBindAccessor(icon.set);
        def.getString = tavixBindAccessor(icon.get);
        info.properties.push_back(def);
    }

    PropertyDef horAlign = alignRow(QStringLiteral("HorAlign"));
    horAlign.setInt = tavixBindAccessor(&TavixQCheckBox::setIconHorAlign);
    horAlign.getInt = tavixBindAccessor(&TavixQCheckBox::getIconHorAlign);
    info.properties.push_back(horAlign);

    // Top, centre, bottom, offered under the horizontal names.
    PropertyDef verAlign = alignRow(QStringLiteral("VerAlign"));
    verAlign.setInt = tavixBindAccessor(&TavixQCheckBox::setIconVerAlign);
    verAlign.getInt = tavixBindAccessor(&TavixQCheckBox::getIconVerAlign);
    info.properties.push_back(verAlign);

    PropertyDef offsetX = tavixPropertyDef(QStringLiteral("OffsetX"), Int);
    offsetX.setInt = tavixBindAccessor(&TavixQCheckBox::setIconOffsetX);
    offsetX.getInt = tavixBindAccessor(&TavixQCheckBox::getIconOffsetX);
    info.properties.push_back(offsetX);

    PropertyDef offsetY = tavixPropertyDef(QStringLiteral("OffsetY"), Int);
    offsetY.setInt = tavixBindAccessor(&TavixQCheckBox::setIconOffsetY);
    offsetY.getInt = tavixBindAccessor(&TavixQCheckBox::getIconOffsetY);
    info.properties.push_back(offsetY);
    return info;
}

void TavixQCheckBox::setBackground(CtrlState state, const FillStyle &style)
{
    setStateStyle(m_impl->uncheckBackgrounds, state, style);
}

const FillStyle &TavixQCheckBox::getBackground(CtrlState state) const
{
    return m_impl->uncheckBackgrounds[stateIndex(state)];
}

void TavixQCheckBox::setCheckedBackground(CtrlState state, const FillStyle &style)
{
    setStateStyle(m_impl->checkedBackgrounds, state, style);
}

const FillStyle &TavixQCheckBox::getCheckedBackground(CtrlState state) const
{
    return m_impl->checkedBackgrounds[stateIndex(state)];
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
    switch (state) {
    case CheckBoxTextState::Checked:
        m_impl->checkedTextStyle = style;
        break;
    case CheckBoxTextState::Unchecked:
        m_impl->uncheckTextStyle = style;
        break;
    case CheckBoxTextState::Disable:
        m_impl->disableTextStyle = style;
        break;
    }
}

const TextStyleDesc &TavixQCheckBox::getTextStyleByState(CheckBoxTextState state) const
{
    switch (state) {
    case CheckBoxTextState::Checked:
        return m_impl->checkedTextStyle;
    case CheckBoxTextState::Disable:
        return m_impl->disableTextStyle;
    default:
        return m_impl->uncheckTextStyle;
    }
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
    m_impl->uncheckIcon = path;
    if (m_impl->uncheckHotIcon == kDefaultUncheck)
        m_impl->uncheckHotIcon = path;
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
    m_impl->checkedIcon = path;
    if (m_impl->checkedHotIcon == kDefaultChecked)
        m_impl->checkedHotIcon = path;
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

void TavixQCheckBox::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

// Disabled check boxes never reach the mouse handlers: QAbstractButton swallows those events so
// that a click does not fall through to the parent.
void TavixQCheckBox::mousePressEvent(QMouseEvent *event)
{
    QPointer<TavixQCheckBox> alive(this);
    QCheckBox::mousePressEvent(event);     // may emit pressed(); a slot may delete this check box
    if (alive && m_impl)
        m_impl->mousePressEvent(event);
}

void TavixQCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TavixQCheckBox> alive(this);
    QCheckBox::mouseReleaseEvent(event);   // may emit toggled() and clicked()
    if (alive && m_impl)
        m_impl->mouseReleaseEvent(event);
}

void TavixQCheckBox::mouseMoveEvent(QMouseEvent *event)
{
    QPointer<TavixQCheckBox> alive(this);
    QCheckBox::mouseMoveEvent(event);      // dragging off or back onto the box may emit
    if (alive && m_impl)
        m_impl->mouseMoveEvent(event);
}

void TavixQCheckBox::enterEvent(QEvent *event)
{
    QCheckBox::enterEvent(event);
    if (m_impl)
        m_impl->enterEvent(event);
}

void TavixQCheckBox::leaveEvent(QEvent *event)
{
    QCheckBox::leaveEvent(event);
    if (m_impl)
        m_impl->leaveEvent(event);
}

} // namespace TavixQtLib
