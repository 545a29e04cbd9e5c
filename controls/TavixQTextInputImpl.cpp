#include "controls/TavixQTextInputImpl.h"

#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <json/value.h>

namespace TavixQtLib {

TavixQTextInputImpl::TavixQTextInputImpl(QWidget *editor, const QString &typeName)
    : TavixQWidgetBaseImpl(editor, typeName)
{
}

void TavixQTextInputImpl::paint(QPainter *painter, const QRect &rect)
{
    paintBackground(painter, rect);
    paintPlaceholder(painter, placeholderRect(rect));
}

void TavixQTextInputImpl::paintBackground(QPainter *painter, const QRect &rect)
{
    int s = tavixStateIndex(state);
    if (s == Hot)
        s = Normal;
    drawFillStyle(painter, backgrounds[s], rect);
}

void TavixQTextInputImpl::paintPlaceholder(QPainter *painter, const QRect &rect)
{
    if (editorText().isEmpty() && !placeholderText.isEmpty())
        drawTextStyle(painter, placeholderText, placeholderStyle, rect);
}

QRect TavixQTextInputImpl::placeholderRect(const QRect &rect) const
{
    return rect.marginsRemoved(margins());
}

QMargins TavixQTextInputImpl::margins() const
{
    return widget ? widget->contentsMargins() : QMargins();
}

void TavixQTextInputImpl::createComplete()
{
    applyTextStyle(Normal);
}

void TavixQTextInputImpl::applyTextStyle(int s)
{
    if (!widget)
        return;
    const TextStyleDesc &style = textStyles[tavixStateIndex(s)];
    QPalette palette = widget->palette();
    const QBrush brush(style.color);
    bool paletteChanged = false;
    const QBrush clear(Qt::transparent);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (palette.brush(group, QPalette::Text) != brush) {
            palette.setBrush(group, QPalette::Text, brush);
            paletteChanged = true;
        }
        if (clearBase && palette.brush(group, QPalette::Base) != clear) {
            palette.setBrush(group, QPalette::Base, clear);
            paletteChanged = true;
        }
    }
    if (paletteChanged)
        widget->setPalette(palette);

    QFont font = widget->font();
    const QString global = tavixGetGlobalFontFamily();
    font.setFamily(global.isEmpty() ? style.family : global);
    if (style.size > 0)
        font.setPixelSize(style.size);   // QFont rejects sizes below 1; a stray size keeps the old one
    if (font != widget->font())
        widget->setFont(font);
}

void TavixQTextInputImpl::setStateAndRepaint(int newState)
{
    state = newState;
    repaintEditor();
}

void TavixQTextInputImpl::repaintEditor()
{
    if (widget)
        widget->update();
}

void TavixQTextInputImpl::enterEvent(QEvent *)
{
    hover = true;
    if (state != Pressed)
        setStateAndRepaint(Hot);
}

void TavixQTextInputImpl::leaveEvent(QEvent *)
{
    hover = false;
    if (state != Pressed)
        setStateAndRepaint(Normal);
}

void TavixQTextInputImpl::focusInEvent(QFocusEvent *)
{
    setStateAndRepaint(Pressed);
}

void TavixQTextInputImpl::focusOutEvent(QFocusEvent *)
{
    setStateAndRepaint(Normal);
}

void TavixQTextInputImpl::readMargins(const Json::Value &attr)
{
    if (!widget)
        return;
    int m[4] = {0, 0, 0, 0};
    bool any = false;
    const char *keys[4] = {"leftMargin", "topMargin", "rightMargin", "bottomMargin"};
    for (int i = 0; i < 4; ++i)
        any |= tavixReadInt(attr, keys[i], m[i]);
    // A theme entry without margins must not reset the margins of every editor on a theme change.
    if (any)
        setMargins(m[0], m[1], m[2], m[3]);
}

void TavixQTextInputImpl::setMargins(int left, int top, int right, int bottom)
{
    // Out-of-range margins would overflow the rectangle arithmetic of layout and painting.
    const auto clamp = [](int v) { return qBound(0, v, kMaxMargin); };
    if (widget)
        widget->setContentsMargins(clamp(left), clamp(top), clamp(right), clamp(bottom));
}

void TavixQTextInputImpl::writeMargins(Json::Value &node) const
{
    if (!widget)
        return;
    const QMargins m = margins();
    tavixWriteAttrInt(node, "leftMargin", m.left(), 0);
    tavixWriteAttrInt(node, "rightMargin", m.right(), 0);
    tavixWriteAttrInt(node, "topMargin", m.top(), 0);
    tavixWriteAttrInt(node, "bottomMargin", m.bottom(), 0);
}

} // namespace TavixQtLib
