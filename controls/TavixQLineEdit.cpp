#include "controls/TavixQLineEdit.h"

#include "controls/TavixQLineEditImpl.h"

#include <QKeyEvent>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQLineEdit, "qtdedit")

TavixQLineEdit::TavixQLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_impl = new TavixQLineEditImpl(this);
    m_impl->applyTheme();
    setFrame(false);
    // Only the kit's background shows behind Qt's text: the frameless panel fills with Base. A palette
    // does it without a style sheet, whose per-widget style costs more than the rest of the control;
    // set with the text style's colour and font, a page node restating them changes nothing.
    m_impl->clearBase = true;
    m_impl->applyTextStyle(TavixQtLib::Normal);
}

TavixQLineEdit::~TavixQLineEdit()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQLineEdit::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQLineEdit";
    info.displayName = "LineEdit";
    info.description = "Control LineEdit";
    info.iconName = "edit";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    tavixAddStateOptions(background);
    background.setFillStyle = tavixBindAccessor(&TavixQLineEdit::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQLineEdit::getBackground);
    info.properties.push_back(background);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    tavixAddStateOptions(textStyle);
    textStyle.setTextStyle = tavixBindAccessor(&TavixQLineEdit::setTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQLineEdit::getTextStyle);
    info.properties.push_back(textStyle);

    PropertyDef placeholderStyle = tavixPropertyDef(QStringLiteral("PlaceholderStyle"), TextStyleRef);
    placeholderStyle.addOption(TavixQtLib::Normal, QStringLiteral("Normal"));
    placeholderStyle.setTextStyle = tavixBindAccessor(&TavixQLineEdit::setPlaceholderTextStyle);
    placeholderStyle.getTextStyle = tavixBindAccessor(&TavixQLineEdit::getPlaceholderTextStyle);
    info.properties.push_back(placeholderStyle);

    PropertyDef text = tavixPropertyDef(QStringLiteral("Text"), String);
    text.setString = tavixBindAccessor(&QLineEdit::setText);
    text.getString = tavixBindAccessor(&QLineEdit::text);
    info.properties.push_back(text);

    PropertyDef password = tavixPropertyDef(QStringLiteral("IsPassword"), Bool);
    password.setBool = tavixBindAccessor(&TavixQLineEdit::setIsPassword);
    password.getBool = tavixBindAccessor(&TavixQLineEdit::getIsPassword);
    info.properties.push_back(password);

    PropertyDef placeholder = tavixPropertyDef(QStringLiteral("PlaceholderText"), String);
    placeholder.setString = tavixBindAccessor(&TavixQLineEdit::setPlaceholderText);
    placeholder.getString = tavixBindAccessor(&TavixQLineEdit::getPlaceholderText);
    info.properties.push_back(placeholder);

    PropertyDef shortcut = tavixPropertyDef(QStringLiteral("IsShortcut"), Bool);
    shortcut.setBool = tavixBindAccessor(&TavixQLineEdit::setIsShortcut);
    shortcut.getBool = tavixBindAccessor(&TavixQLineEdit::getIsShortcut);
    info.properties.push_back(shortcut);

    info.properties.push_back(tavixMarginRow<TavixQLineEdit>());
    return info;
}

void TavixQLineEdit::setBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->backgrounds, state, style);
    update();
}

const FillStyle &TavixQLineEdit::getBackground(CtrlState state) const
{
    return m_impl->backgrounds[tavixStateIndex(state)];
}

void TavixQLineEdit::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->textStyles, state, style);
    if (state == TavixQtLib::Normal || state == AllStates)
        m_impl->applyTextStyle(TavixQtLib::Normal);
    update();
}

const TextStyleDesc &TavixQLineEdit::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles[tavixStateIndex(state)];
}

void TavixQLineEdit::setPlaceholderText(const QString &text)
{
    if (m_impl->placeholderText == text)
        return;
    m_impl->placeholderText = text;
    update();
}

QString TavixQLineEdit::getPlaceholderText() const
{
    return m_impl->placeholderText;
}

void TavixQLineEdit::setPlaceholderTextStyle(CtrlState, const TextStyleDesc &style)
{
    m_impl->placeholderStyle = style;
    update();
}

const TextStyleDesc &TavixQLineEdit::getPlaceholderTextStyle(CtrlState) const
{
    return m_impl->placeholderStyle;
}

void TavixQLineEdit::setIsPassword(bool password)
{
    m_impl->setPassword(password);
}

bool TavixQLineEdit::getIsPassword() const
{
    return echoMode() == QLineEdit::Password;
}

void TavixQLineEdit::setIsShortcut(bool shortcut)
{
    m_impl->isShortcut = shortcut;
}

bool TavixQLineEdit::getIsShortcut() const
{
    return m_impl->isShortcut;
}

void TavixQLineEdit::setEditMargin(int top, int bottom, int left, int right)
{
    m_impl->setMargins(left, top, right, bottom);
}

void TavixQLineEdit::getEditMargin(int &top, int &bottom, int &left, int &right) const
{
    const QMargins m = contentsMargins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

bool TavixQLineEdit::event(QEvent *event)
{
    // A shortcut field takes every key, so that application shortcuts do not fire while one is typed.
    if (event->type() == QEvent::ShortcutOverride && m_impl && m_impl->isShortcut) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

// The background first, then the state's text style, then Qt's text and cursor on top.
void TavixQLineEdit::paintEvent(QPaintEvent *event)
{
    if (m_impl) {
        m_impl->paintEvent(event);
        m_impl->applyTextStyle(m_impl->state);
    }
    QLineEdit::paintEvent(event);   // the Impl's pass drew the focus frame; Qt's text never reaches the edge
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQLineEdit, QLineEdit, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQLineEdit, QLineEdit, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQLineEdit, QLineEdit, focusInEvent, QFocusEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQLineEdit, QLineEdit, focusOutEvent, QFocusEvent)

// Password and shortcut keys are decided before QLineEdit sees them.
void TavixQLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_impl && m_impl->filterKeyPress(event))
        return;
    QLineEdit::keyPressEvent(event);
}

} // namespace TavixQtLib
