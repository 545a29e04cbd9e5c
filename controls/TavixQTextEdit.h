#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QPointer>
#include <QTextEdit>

namespace TavixQtLib {

class TavixQScrollBar;
class TavixQTextEditImpl;

// A QTextEdit over a themed background with kit scroll bars: Qt keeps the editing. Adds per-state
// looks and a styled placeholder.
class TAVIXQTLIB_EXPORT TavixQTextEdit : public QTextEdit, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQTextEdit)
public:
    explicit TavixQTextEdit(QWidget *parent = nullptr);
    ~TavixQTextEdit() override;

    // state may be AllStates; other values outside 0..3 are ignored (getters then answer Normal).
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    // The Normal style takes effect at once; the others when their state is painted.
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;
    // Drawn by the kit while the editor is empty (Qt's own placeholder stays unused).
    void setPlaceholderText(const QString &text);
    QString getPlaceholderText() const;
    void setPlaceholderTextStyle(const TextStyleDesc &style);
    const TextStyleDesc &getPlaceholderTextStyle() const;
    // Margins around the text in the order top, bottom, left, right; each clamped to 0..10000.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int &top, int &bottom, int &left, int &right) const;

    // The kit's bars; null once replaced through setVerticalScrollBar / setHorizontalScrollBar.
    TavixQScrollBar *getScrollBar(bool horizontal) const;

protected:
    void enterEvent(TavixEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Qt paints the viewport; the focus frame goes over it.
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TavixQTextEditImpl;   // sets the viewport margins

    // Owned by the scroll area, which deletes them when given other bars.
    QPointer<TavixQScrollBar> m_vBar;
    QPointer<TavixQScrollBar> m_hBar;
};

} // namespace TavixQtLib
