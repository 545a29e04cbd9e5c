#include "controls/TavixQLabel.h"

#include "controls/TavixQLabelImpl.h"

#include <QEvent>
#include <QPainter>
#include <QPicture>
#include <QStyle>
#include <QTextDocument>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQLabel, "qtlabel")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQLabel, QLabel)

TavixQLabel::TavixQLabel(QWidget *parent)
    : QLabel(parent)
{
    m_impl = new TavixQLabelImpl(this);
    m_impl->applyStyle();   // the built-in look, for when no theme entry styles labels
    m_impl->applyTheme();
    m_impl->showText(QStringLiteral("label"));
}

TavixQLabel::~TavixQLabel()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQLabel::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQLabel";
    info.displayName = "Label";
    info.description = "Control label";
    info.iconName = "label";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef text = tavixPropertyDef(QStringLiteral("Text"), String);
    text.setString = tavixBindAccessor(&TavixQLabel::setText);
    text.getString = tavixBindAccessor(&TavixQLabel::getText);
    info.properties.push_back(text);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    textStyle.addOption(Normal, QStringLiteral("Normal"));
    textStyle.addOption(Disable, QStringLiteral("Disable"));
    textStyle.setTextStyle = tavixBindAccessor(&TavixQLabel::setTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQLabel::getTextStyle);
    info.properties.push_back(textStyle);
    return info;
}

void TavixQLabel::setText(const QString &text)
{
    m_impl->languageKey.clear();
    m_impl->showText(text);
}

QString TavixQLabel::getText() const
{
    return m_impl->text();
}

void TavixQLabel::setLanguageKey(const QString &key)
{
    m_impl->languageKey = key;
    m_impl->notifyChangeLanguage();
}

QString TavixQLabel::getLanguageKey() const
{
    return m_impl->languageKey;
}

void TavixQLabel::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    m_impl->setTextStyle(state, style);
}

const TextStyleDesc &TavixQLabel::getTextStyle(CtrlState state) const
{
    return m_impl->getTextStyle(state);
}

void TavixQLabel::setColor(const QColor &color)
{
    m_impl->normalTextStyle.color = color;
    m_impl->applyStyle();
}

QColor TavixQLabel::getColor() const
{
    return m_impl->normalTextStyle.color;
}

void TavixQLabel::setDisableColor(const QColor &color)
{
    m_impl->setDisableColor(color);
}

QColor TavixQLabel::getDisableColor() const
{
    return m_impl->disableTextStyle.color;
}

void TavixQLabel::paintAsQLabel(QPaintEvent *event)
{
    const int alpha = m_base.getOpacity();
    const bool rich = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
    const bool selectable = textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Pictures, movies, rich and selectable text keep QLabel's painting (and full alpha).
    if (alpha >= 255 || rich || selectable || !pixmap(Qt::ReturnByValue).isNull() || movie()
        || !picture(Qt::ReturnByValue).isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setOpacity(qMax(0, alpha) / 255.0);
    drawFrame(&painter);
    const int m = margin();
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect().adjusted(m, m, -m, -m), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}

void TavixQLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_impl)
        m_impl->updateShownText();
}

bool TavixQLabel::event(QEvent *event)
{
    const bool result = QLabel::event(event);
    if (m_impl && event->type() == QEvent::ApplicationFontChange) {
        m_impl->forgetElision();
        m_impl->applyStyle();
    }
    return result;
}

void TavixQLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (m_impl && event->type() == QEvent::EnabledChange)
        m_impl->applyStyle();
}

} // namespace TavixQtLib
