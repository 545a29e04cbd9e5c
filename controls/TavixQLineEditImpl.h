#pragma once

#include "controls/TavixQTextInputImpl.h"
#include "tavixqtlib_export.h"

class QKeyEvent;
class QLineEdit;

namespace TavixQtLib {

// Private side of TavixQLineEdit: the shared editor looks plus the password and shortcut-capture keys.
class TAVIXQTLIB_EXPORT TavixQLineEditImpl : public TavixQTextInputImpl
{
    Q_OBJECT
public:
    explicit TavixQLineEditImpl(QLineEdit *edit);

    bool serializeJsonValue(Json::Value **node, bool read) override;

    // True when the key press is used up here and must not reach QLineEdit's editing.
    bool filterKeyPress(QKeyEvent *event);
    // The text a captured key press leaves in a shortcut field; false when the press changes nothing.
    // Backspace and Delete clear, F1..F35 give "F<n>", letters give "CTRL+ALT+SHIFT+<letter>" with
    // the held modifiers in that order.
    static bool shortcutText(int key, Qt::KeyboardModifiers modifiers, QString &text);

    void setPassword(bool password);

protected:
    QString editorText() const override;

private:
    QLineEdit *edit = nullptr;
};

} // namespace TavixQtLib
