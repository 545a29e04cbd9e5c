#include "controls/TavixQTextEditImpl.h"

#include "controls/TavixQTextEdit.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QEvent>
#include <QPainter>
#include <QTextEdit>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kTextEditTextSlot = 4;
constexpr int kTextEditPlaceholderSlot = 8;

} // namespace

TavixQTextEditImpl::TavixQTextEditImpl(TavixQTextEdit *edit)
    : TavixQTextInputImpl(edit, QString::fromLatin1(TavixQTextEdit::typeName()))
    , edit(edit)
{
}

QString TavixQTextEditImpl::editorText() const
{
    return edit ? edit->toPlainText() : QString();
}

void TavixQTextEditImpl::repaintEditor()
{
    if (!edit)
        return;
    edit->update();
    edit->viewport()->update();
}

void TavixQTextEditImpl::setMargins(int left, int top, int right, int bottom)
{
    const auto clamp = [](int v) { return qBound(0, v, kMaxMargin); };
    if (edit)
        edit->setViewportMargins(clamp(left), clamp(top), clamp(right), clamp(bottom));
}

QMargins TavixQTextEditImpl::margins() const
{
    return edit ? edit->viewportMargins() : QMargins();
}

bool TavixQTextEditImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (!edit || event->type() != QEvent::Paint || (watched != edit && watched != edit->viewport()))
        return false;
    QWidget *surface = static_cast<QWidget *>(watched);
    QPainter painter(surface);
    const int opacity = edit->getOpacity();
    if (opacity < 255)
        painter.setOpacity(qBound(0, opacity, 255) / 255.0);
    if (watched == edit) {
        if (!edit->isEnabled())
            state = Disable;
        else if (state == Disable)
            state = Normal;
        paintBackground(&painter, edit->rect());
    } else {
        applyTextStyle(state);
        paintPlaceholder(&painter, surface->rect());   // the viewport already lies inside the margins
    }
    return false;   // Qt paints the text on top
}

bool TavixQTextEditImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fillGroup(0, backgrounds, 4)
        .textGroup(kTextEditTextSlot, textStyles, 4)
        .text(kTextEditPlaceholderSlot, &placeholderStyle);

    if (read) {
        const Json::Value &target = **node;
        if (const Json::Value *attr = tavixAttrNode(target)) {
            // A theme entry styles the editor; it never replaces what the user typed.
            const bool fromTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
            QString text;
            // Plain text both ways: a saved "<b>" must come back as typed, not as markup.
            if (!fromTheme && tavixReadString(*attr, "text", text))
                edit->setPlainText(text);
            if (tavixReadString(*attr, "tip", text))
                placeholderText = text;
            readMargins(*attr);
        }
        styleSlots.read(target);
        applyTextStyle(state);
        repaintEditor();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "text", edit->toPlainText());
    tavixWriteAttrString(out, "tip", placeholderText);
    writeMargins(out);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
