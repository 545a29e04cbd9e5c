#pragma once

#include "controls/TavixQTextInputImpl.h"
#include "tavixqtlib_export.h"

class QTextEdit;

namespace TavixQtLib {

// Private side of TavixQTextEdit: the shared editor looks, painted on the viewport before Qt's text.
class TAVIXQTLIB_EXPORT TavixQTextEditImpl : public TavixQTextInputImpl
{
    Q_OBJECT
public:
    explicit TavixQTextEditImpl(QTextEdit *edit);

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // Paints the background and placeholder on the viewport ahead of each of its paint events.
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    QString editorText() const override;
    void repaintEditor() override;

private:
    QTextEdit *edit = nullptr;
};

} // namespace TavixQtLib
