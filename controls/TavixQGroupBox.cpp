#include "controls/TavixQGroupBox.h"

#include "controls/TavixQGroupBoxImpl.h"
#include "core/TavixAccessible.h"

namespace TavixQtLib {

TavixQGroupBox::TavixQGroupBox(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQGroupBoxImpl(this);
    m_impl->applyTheme();
}

TavixQGroupBox::~TavixQGroupBox()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQGroupBox, "qtgroupbox")

ControlInfo TavixQGroupBox::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQGroupBox", "GroupBox",
                                        "Control GroupBox", "groupbox");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(Normal, QStringLiteral("Normal"));
    background.addOption(Disable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQGroupBox::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQGroupBox::getBackground);
    info.properties.push_back(background);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    textStyle.addOption(Normal, QStringLiteral("Normal"));
    textStyle.addOption(Disable, QStringLiteral("Disable"));
    textStyle.setTextStyle = tavixBindAccessor(&TavixQGroupBox::setTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQGroupBox::getTextStyle);
    info.properties.push_back(textStyle);

    PropertyDef text = tavixPropertyDef(QStringLiteral("Text"), String);
    text.setString = tavixBindAccessor(&TavixQGroupBox::setText);
    text.getString = tavixBindAccessor(&TavixQGroupBox::getText);
    info.properties.push_back(text);

    PropertyDef lineSize = tavixPropertyDef(QStringLiteral("LineSize"), Int);
    lineSize.setInt = tavixBindAccessor(&TavixQGroupBox::setLineSize);
    lineSize.getInt = tavixBindAccessor(&TavixQGroupBox::getLineSize);
    info.properties.push_back(lineSize);

    PropertyDef lineColor = tavixPropertyDef(QStringLiteral("LineColor"), Color);
    lineColor.setColor = tavixBindAccessor(&TavixQGroupBox::setLineColor);
    lineColor.getColor = tavixBindAccessor(&TavixQGroupBox::getLineColor);
    info.properties.push_back(lineColor);

    PropertyDef showText = tavixPropertyDef(QStringLiteral("ShowText"), Bool);
    showText.setBool = tavixBindAccessor(&TavixQGroupBox::setShowText);
    showText.getBool = tavixBindAccessor(&TavixQGroupBox::getShowText);
    info.properties.push_back(showText);
    return info;
}

// Room for the caption in the top edge, and for the children it holds where they are now.
QSize TavixQGroupBox::sizeHint() const
{
    const QSize caption = m_impl->captionSize();
    QSize hint(qMax(caption.width() + 24, 60), qMax(caption.height() + 24, 40));
    const QRect children = childrenRect();
    if (!children.isEmpty())
        hint = hint.expandedTo(QSize(qMin(children.right(), QWIDGETSIZE_MAX) + 9,
                                     qMin(children.bottom(), QWIDGETSIZE_MAX) + 9));
    return hint.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// The setters repaint: a changed frame or caption must not wait for an unrelated repaint.
void TavixQGroupBox::setText(const QString &text)
{
    m_impl->languageKey.clear();    // an explicit caption is not replaced on a language change
    m_impl->text = text;
    update();
    updateGeometry();
    tavixNotifyAccessibleName(this);
}

QString TavixQGroupBox::getText() const
{
    return m_impl->text;
}

void TavixQGroupBox::setTextStyle(CommonCtrlState, const TextStyleDesc &style)
{
    m_impl->textStyle = style;
    update();
    updateGeometry();
}

const TextStyleDesc &TavixQGroupBox::getTextStyle(CommonCtrlState) const
{
    return m_impl->textStyle;
}

void TavixQGroupBox::setBackground(CtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQGroupBox::getBackground(CtrlState) const
{
    return m_impl->background;
}

void TavixQGroupBox::setLineColor(const QColor &color)
{
    m_impl->lineColor = color;
    update();
}

QColor TavixQGroupBox::getLineColor() const
{
    return m_impl->lineColor;
}

void TavixQGroupBox::setLineSize(int size)
{
    m_impl->lineSize = size;
    update();
}

int TavixQGroupBox::getLineSize() const
{
    return m_impl->lineSize;
}

void TavixQGroupBox::setShowText(bool show)
{
    if (m_impl->showText == show)
        return;
    m_impl->showText = show;
    update();
    updateGeometry();
}

bool TavixQGroupBox::getShowText() const
{
    return m_impl->showText;
}

TAVIX_DEFINE_FORWARDED_EVENTS(TavixQGroupBox, QWidget)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQGroupBox, QWidget, mouseDoubleClickEvent, QMouseEvent)

} // namespace TavixQtLib
