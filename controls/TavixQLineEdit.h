#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QLineEdit>

namespace TavixQtLib {

class TavixQLineEditImpl;

// A QLineEdit over a themed background: Qt keeps the editing, selection, undo, input methods and
// clipboard. Adds per-state looks, a styled placeholder, a password mode and a shortcut-capture mode
// that turns key presses into texts such as "CTRL+SHIFT+A".
class TAVIXQTLIB_EXPORT TavixQLineEdit : public QLineEdit, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQLineEdit)
public:
    explicit TavixQLineEdit(QWidget *parent = nullptr);
    ~TavixQLineEdit() override;

    // state may be AllStates; other values outside 0..3 are ignored (getters then answer Normal).
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    // The Normal style takes effect at once; the others when their state is painted.
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;
    // Drawn by the kit while the field is empty (Qt's own placeholder stays unused).
    void setPlaceholderText(const QString &text);
    QString getPlaceholderText() const;
    void setPlaceholderTextStyle(CtrlState state, const TextStyleDesc &style);   // state ignored
    const TextStyleDesc &getPlaceholderTextStyle(CtrlState state) const;
    // Password echo without a context menu; Select All, Copy and Paste keys are dropped.
    void setIsPassword(bool password);
    bool getIsPassword() const;
    // Every key press then sets the text to the shortcut it names instead of editing.
    void setIsShortcut(bool shortcut);
    bool getIsShortcut() const;
    // Contents margins in the order top, bottom, left, right; each clamped to 0..10000.
    void setEditMargin(int top, int bottom, int left, int right);
    void getEditMargin(int &top, int &bottom, int &left, int &right) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(TavixEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace TavixQtLib
