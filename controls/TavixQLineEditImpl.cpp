#include "controls/TavixQLineEditImpl.h"

#include "controls/TavixQLineEdit.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kTextSlot = 4;
constexpr int kPlaceholderSlot = 9;

} // namespace

TavixQLineEditImpl::TavixQLineEditImpl(QLineEdit *edit)
    : TavixQTextInputImpl(edit, QString::fromLatin1(TavixQLineEdit::typeName()))
    , edit(edit)
{
}

QString TavixQLineEditImpl::editorText() const
{
    return edit ? edit->text() : QString();
}

void TavixQLineEditImpl::setPassword(bool password)
{
    if (!edit)
        return;
    edit->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    // No context menu either: its Copy and Paste would bypass the dropped keys.
    edit->setContextMenuPolicy(password ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

bool TavixQLineEditImpl::shortcutText(int key, Qt::KeyboardModifiers modifiers, QString &text)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        text.clear();
        return true;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        text = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
        return true;
    }
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return false;
    QStringList parts;
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    parts << QString(QChar(char16_t(key)));
    text = parts.join(QLatin1Char('+'));
    return true;
}

bool TavixQLineEditImpl::filterKeyPress(QKeyEvent *event)
{
    if (!edit || !event)
        return false;
    if (isShortcut) {
        QString text;
        if (shortcutText(event->key(), event->modifiers(), text))
            edit->setText(text);
        event->accept();
        return true;
    }
    if (edit->echoMode() != QLineEdit::Normal
        && (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Paste)
            || event->matches(QKeySequence::Copy))) {
        event->accept();
        return true;
    }
    return false;
}

bool TavixQLineEditImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots looks;
    looks.fillGroup(0, backgrounds, 4);
    TavixStyleSlots texts;
    texts.textGroup(kTextSlot, textStyles, 4);
    TavixStyleSlots placeholder;
    placeholder.text(kPlaceholderSlot, &placeholderStyle);

    if (read) {
        const Json::Value &target = **node;
        if (const Json::Value *attr = tavixAttrNode(target)) {
            // A theme entry styles the field; it never replaces what the user typed.
            const bool fromTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
            QString text;
            bool flag = false;
            if (!fromTheme && tavixReadString(*attr, "text", text))
                edit->setText(text);
            if (tavixReadString(*attr, "tip", text))
                placeholderText = text;
            if (tavixReadBool(*attr, "ispassord", flag) && flag)
                setPassword(true);
            if (tavixReadBool(*attr, "shortcut", flag))
                isShortcut = flag;
            readMargins(*attr);
        }
        looks.read(target);
        // Text-style entries carry the Hot text style over to the placeholder; an entry of the
        // placeholder's own slot then overrides it.
        if (texts.read(target))
            placeholderStyle = textStyles[Hot];
        placeholder.read(target);
        applyTextStyle(state);
        edit->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "text", edit->text());
    tavixWriteAttrString(out, "tip", placeholderText);
    tavixWriteAttrBool(out, "ispassord", edit->echoMode() == QLineEdit::Password, false);
    tavixWriteAttrBool(out, "shortcut", isShortcut, false);
    writeMargins(out);
    TavixStyleSlots all;
    all.fillGroup(0, backgrounds, 4).textGroup(kTextSlot, textStyles, 4).text(kPlaceholderSlot, &placeholderStyle);
    all.write(out);
    return true;
}

} // namespace TavixQtLib
