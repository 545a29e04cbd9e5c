#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QLabel>
#include <QSize>

namespace TavixQtLib {

class TavixQLabelExImpl;

// Plain or HTML text shown through the label's own text document. While the label has text-interaction
// flags, pressing and dragging selects text and a double click selects all of it.
class TAVIXQTLIB_EXPORT TavixQLabelEx : public QLabel, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQLabelEx)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQLabelEx(QWidget *parent = nullptr);
    ~TavixQLabelEx() override;

    QString getText() const;   // the document's plain text
    void setHtmlContent(const QString &html);
    QString getHtmlContent() const;
    // Size of html laid out width pixels wide in the normal style's font: (ideal width, height).
    // A width of 0 or less lays it out without wrapping.
    QSize calcSize(const QString &html, int width) const;
    void setColor(const QColor &color);
    // Normal takes the style; AllStates both; Hot, Pressed and Disable the disabled look. Other values
    // are ignored.
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;

    // The text unwrapped; heightForWidth() gives its height wrapped to a width.
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

public slots:
    // Hides QLabel::setText: the text goes into the document.
    void setText(const QString &text);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A new global font family reaches the text style's font.
    bool event(QEvent *event) override;
};

} // namespace TavixQtLib
