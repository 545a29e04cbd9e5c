#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QLabel>

namespace TavixQtLib {

class TavixQLabelImpl;

// Plain text label: font, colour, alignment and wrapping come from a text style, and a single-line
// style elides the text to the label's width with the style's own elide mode. QLabel paints.
class TAVIXQTLIB_EXPORT TavixQLabel : public QLabel, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQLabel)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQLabel(QWidget *parent = nullptr);
    ~TavixQLabel() override;

    // The whole text, before eliding; an explicit text no longer follows a language key.
    QString getText() const;
    // The translation key the text follows on language changes; empty for none. Setting one shows
    // its translation at once.
    void setLanguageKey(const QString &key);
    QString getLanguageKey() const;

    // Normal takes the style; AllStates both; Hot, Pressed and Disable the disabled look, which the
    // label shows while disabled. Other values are ignored. Getters: Normal, or else the disabled look.
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;
    void setColor(const QColor &color);
    QColor getColor() const;
    void setDisableColor(const QColor &color);
    QColor getDisableColor() const;

public slots:
    // Hides QLabel::setText so that the whole text is kept for eliding.
    void setText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A new global font family reaches the text style's font.
    bool event(QEvent *event) override;

private:
    friend class TavixQLabelImpl;
    // QLabel's painting; plain text is drawn the same way here when the control's alpha is below 255,
    // since QLabel's own painter knows nothing of it.
    void paintAsQLabel(QPaintEvent *event);
};

} // namespace TavixQtLib
