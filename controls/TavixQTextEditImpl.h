#pragma once

#include "controls/TavixQTextInputImpl.h"
#include "tavixqtlib_export.h"


namespace TavixQtLib {

class TavixQTextEdit;

// Private side of TavixQTextEdit: the shared editor looks. The background fills the whole editor and
// the placeholder goes on the viewport, both before Qt paints. A QFrame owns its contents margins (its
// frame width), so the editor's margins are viewport margins: they inset the text as well.
class TAVIXQTLIB_EXPORT TavixQTextEditImpl : public TavixQTextInputImpl
{
    Q_OBJECT
public:
    explicit TavixQTextEditImpl(TavixQTextEdit *edit);

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // Watches the editor and its viewport: paints ahead of each of their paint events.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void setMargins(int left, int top, int right, int bottom) override;
    QMargins margins() const override;

protected:
    QString editorText() const override;
    void repaintEditor() override;

private:
    TavixQTextEdit *edit = nullptr;
};

} // namespace TavixQtLib
