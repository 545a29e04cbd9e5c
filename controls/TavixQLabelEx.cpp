#include "controls/TavixQLabelEx.h"

#include "controls/TavixQLabelExImpl.h"
#include "core/TavixAccessible.h"
#include "resources/TavixPainting.h"

#include <QEvent>
#include <QPointer>
#include <QTextDocument>

#include <memory>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQLabelEx, "qtlabelex")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQLabelEx, QLabel)

TavixQLabelEx::TavixQLabelEx(QWidget *parent)
    : QLabel(parent)
{
    m_impl = new TavixQLabelExImpl(this);
    m_impl->applyStyle();
    m_impl->applyTheme();
    m_impl->showText(QStringLiteral("label"));
}

TavixQLabelEx::~TavixQLabelEx()
{
    tavixDestroyImpl(this, m_impl);
}

// Not offered to the designer (registered without a descriptor); kept for callers that ask.
ControlInfo TavixQLabelEx::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQLabelEx";
    info.displayName = "LabelEx";
    info.description = "Control label ex";
    info.iconName = "label";
    info.properties = tavixCommonPropertyDefs();
    return info;
}

void TavixQLabelEx::setText(const QString &text)
{
    m_impl->languageKey.clear();
    m_impl->showText(text);
}

QString TavixQLabelEx::getText() const
{
    return m_impl->text();
}

void TavixQLabelEx::setHtmlContent(const QString &html)
{
    m_impl->languageKey.clear();
    m_impl->clearSelection();
    m_impl->document->setHtml(html);
    updateGeometry();
    update();
}

QString TavixQLabelEx::getHtmlContent() const
{
    return m_impl->document->toHtml();
}

namespace {

// (ideal width, height) of doc laid out width pixels wide; a text width rather than a page height, so a
// tall text is measured whole instead of split into pages.
QSize measured(QTextDocument &doc, int width)
{
    doc.setTextWidth(width > 0 ? qreal(width) : -1.0);
    const QSizeF size = doc.size();
    return QSize(int(doc.idealWidth()), int(size.height()));
}

} // namespace

QSize TavixQLabelEx::calcSize(const QString &html, int width) const
{
    QTextDocument measure;
    measure.setDefaultFont(tavixTextStyleFont(m_impl->normalTextStyle));
    measure.setHtml(html);
    return measured(measure, width);
}

void TavixQLabelEx::setColor(const QColor &color)
{
    m_impl->normalTextStyle.color = color;
    update();
}

void TavixQLabelEx::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    m_impl->setTextStyle(state, style);
}

const TextStyleDesc &TavixQLabelEx::getTextStyle(CtrlState state) const
{
    return m_impl->getTextStyle(state);
}

// Measured on a copy: laying the shown document out at another width would disturb hit tests.
QSize TavixQLabelEx::sizeHint() const
{
    const std::unique_ptr<QTextDocument> copy(m_impl->document->clone());
    return measured(*copy, 0);
}

bool TavixQLabelEx::hasHeightForWidth() const
{
    return true;
}

int TavixQLabelEx::heightForWidth(int width) const
{
    const std::unique_ptr<QTextDocument> copy(m_impl->document->clone());
    return measured(*copy, width).height();
}

void TavixQLabelEx::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPointer<TavixQLabelEx> alive(this);
    QLabel::mouseDoubleClickEvent(event);
    if (alive && m_impl)
        m_impl->mouseDoubleClickEvent(event);
}

bool TavixQLabelEx::event(QEvent *event)
{
    const bool result = QLabel::event(event);
    if (m_impl && event->type() == QEvent::ApplicationFontChange)
        m_impl->applyStyle();
    return result;
}

void TavixQLabelEx::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (m_impl && event->type() == QEvent::EnabledChange)
        m_impl->applyStyle();
}

} // namespace TavixQtLib
