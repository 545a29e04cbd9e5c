#include "controls/TavixQTextEdit.h"

#include "controls/TavixQScrollBar.h"
#include "controls/TavixQTextEditImpl.h"

namespace TavixQtLib {

namespace {

const QString kTransparent = QStringLiteral("background-color: rgba(0, 0, 0, 0);");

} // namespace

TAVIX_DEFINE_CONTROL(TavixQTextEdit, "qttext")

TavixQTextEdit::TavixQTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
    m_impl = new TavixQTextEditImpl(this);
    m_impl->applyTheme();
    setFrameStyle(0);
    setStyleSheet(kTransparent);
    viewport()->setStyleSheet(kTransparent);
    m_vBar = new TavixQScrollBar(Qt::Vertical, this);
    m_hBar = new TavixQScrollBar(Qt::Horizontal, this);
    setVerticalScrollBar(m_vBar.data());
    setHorizontalScrollBar(m_hBar.data());
    installEventFilter(m_impl);
    viewport()->installEventFilter(m_impl);
}

TavixQTextEdit::~TavixQTextEdit()
{
    removeEventFilter(m_impl);
    viewport()->removeEventFilter(m_impl);
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQTextEdit::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQTextEdit";
    info.displayName = "TextEdit";
    info.description = "Control TextEdit";
    info.iconName = "text";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    tavixAddStateOptions(background);
    background.setFillStyle = tavixBindAccessor(&TavixQTextEdit::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQTextEdit::getBackground);
    info.properties.push_back(background);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    tavixAddStateOptions(textStyle);
    textStyle.setTextStyle = tavixBindAccessor(&TavixQTextEdit::setTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQTextEdit::getTextStyle);
    info.properties.push_back(textStyle);

    PropertyDef placeholderStyle = tavixPropertyDef(QStringLiteral("PlaceholderStyle"), TextStyleRef);
    placeholderStyle.addOption(TavixQtLib::Normal, QStringLiteral("Normal"));
    placeholderStyle.setTextStyle = [](QWidget *w, int, const TextStyleDesc &style) {
        if (auto *edit = dynamic_cast<TavixQTextEdit *>(w))
            edit->setPlaceholderTextStyle(style);
    };
    placeholderStyle.getTextStyle = [](QWidget *w, int) {
        auto *edit = dynamic_cast<TavixQTextEdit *>(w);
        return edit ? edit->getPlaceholderTextStyle() : TextStyleDesc();
    };
    info.properties.push_back(placeholderStyle);

    PropertyDef placeholder = tavixPropertyDef(QStringLiteral("PlaceholderText"), String);
    placeholder.setString = tavixBindAccessor(&TavixQTextEdit::setPlaceholderText);
    placeholder.getString = tavixBindAccessor(&TavixQTextEdit::getPlaceholderText);
    info.properties.push_back(placeholder);

    info.properties.push_back(tavixMarginRow<TavixQTextEdit>());
    return info;
}

void TavixQTextEdit::setBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->backgrounds, state, style);
    update();
}

const FillStyle &TavixQTextEdit::getBackground(CtrlState state) const
{
    return m_impl->backgrounds[tavixStateIndex(state)];
}

void TavixQTextEdit::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->textStyles, state, style);
    if (state == TavixQtLib::Normal || state == AllStates)
        m_impl->applyTextStyle(TavixQtLib::Normal);
    viewport()->update();
}

const TextStyleDesc &TavixQTextEdit::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles[tavixStateIndex(state)];
}

void TavixQTextEdit::setPlaceholderText(const QString &text)
{
    if (m_impl->placeholderText == text)
        return;
    m_impl->placeholderText = text;
    viewport()->update();
}

QString TavixQTextEdit::getPlaceholderText() const
{
    return m_impl->placeholderText;
}

void TavixQTextEdit::setPlaceholderTextStyle(const TextStyleDesc &style)
{
    m_impl->placeholderStyle = style;
    viewport()->update();
}

const TextStyleDesc &TavixQTextEdit::getPlaceholderTextStyle() const
{
    return m_impl->placeholderStyle;
}

void TavixQTextEdit::setEditMargin(int top, int bottom, int left, int right)
{
    m_impl->setMargins(left, top, right, bottom);
}

void TavixQTextEdit::getEditMargin(int &top, int &bottom, int &left, int &right) const
{
    const QMargins m = viewportMargins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

TavixQScrollBar *TavixQTextEdit::getScrollBar(bool horizontal) const
{
    return horizontal ? m_hBar : m_vBar;
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQTextEdit, QTextEdit, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQTextEdit, QTextEdit, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQTextEdit, QTextEdit, focusInEvent, QFocusEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQTextEdit, QTextEdit, focusOutEvent, QFocusEvent)

void TavixQTextEdit::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(viewport());
}

} // namespace TavixQtLib
