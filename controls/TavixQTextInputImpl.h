#pragma once

#include "core/ControlInfo.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QMargins>
#include <QString>

class QFocusEvent;

namespace TavixQtLib {

// What the line edit and the text edit share: a background and a text style per CtrlState, a
// placeholder with its own style, and the focus-driven state. Qt draws the text itself on top.
class TAVIXQTLIB_EXPORT TavixQTextInputImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    TavixQTextInputImpl(QWidget *editor, const QString &typeName);

    // Background, then the placeholder inside the margins while the editor is empty.
    void paint(QPainter *painter, const QRect &rect) override;
    // Hot is never shown: an editor under the pointer keeps its Normal look.
    void paintBackground(QPainter *painter, const QRect &rect);
    void paintPlaceholder(QPainter *painter, const QRect &rect);
    void createComplete() override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event);
    void focusOutEvent(QFocusEvent *event);

    // Text colour into the palette and the style's pixel size and family into the font, so that Qt's
    // own text follows the state. Only what differs is set: setting either schedules a repaint.
    void applyTextStyle(int state);
    // The placeholder's area: rect less the margins.
    QRect placeholderRect(const QRect &rect) const;

    static constexpr int kMaxMargin = 10000;
    // The editor's margins, each clamped to 0..kMaxMargin: contents margins by default.
    virtual void setMargins(int left, int top, int right, int bottom);
    virtual QMargins margins() const;
    // Contents margins as stored in "attr": applied only when the node names at least one of them.
    void readMargins(const Json::Value &attr);
    void writeMargins(Json::Value &node) const;

    bool isShortcut = false;
    // The editor's Base stays transparent, set with the text colour so that one palette change does both.
    bool clearBase = false;
    QString placeholderText;
    QColor placeholderColor = QColor(0, 0, 0);   // kept with the placeholder; not drawn
    TextStyleDesc placeholderStyle;
    FillStyle backgrounds[4];
    TextStyleDesc textStyles[4];

protected:
    virtual QString editorText() const = 0;
    // Repaints the editor and whatever child shows its text.
    virtual void repaintEditor();
    void setStateAndRepaint(int newState);
};

// The "Margin" row of an editor's descriptor. The editors take their margins as top, bottom, left,
// right; the row keeps the left, top, right, bottom order of every IntQuad row.
template <class Editor>
PropertyDef tavixMarginRow()
{
    PropertyDef row = tavixPropertyDef(QStringLiteral("Margin"), IntQuad);
    row.getIntQuad = [](QWidget *w, int &left, int &top, int &right, int &bottom) {
        if (auto *editor = dynamic_cast<Editor *>(w))
            editor->getEditMargin(top, bottom, left, right);
    };
    row.setIntQuad = [](QWidget *w, int left, int top, int right, int bottom) {
        if (auto *editor = dynamic_cast<Editor *>(w))
            editor->setEditMargin(top, bottom, left, right);
    };
    return row;
}

} // namespace TavixQtLib
