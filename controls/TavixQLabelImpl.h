#pragma once

#include "controls/TavixQTextLabelImpl.h"
#include "tavixqtlib_export.h"

#include <QFont>
#include <QString>

namespace TavixQtLib {

class TavixQLabel;

class TAVIXQTLIB_EXPORT TavixQLabelImpl : public TavixQTextLabelImpl
{
    Q_OBJECT
public:
    explicit TavixQLabelImpl(TavixQLabel *label);

    // QLabel paints the text with the font, palette and alignment applyStyle() gave it.
    void paintEvent(QPaintEvent *event) override;
    // Font, palette, alignment and wrapping of the active style, then the shown text.
    void applyStyle() override;
    // fullText, unless QLabel::setNum, clear() or QLabel::setText changed the label behind this
    // object's back: then what they show.
    QString text() const override;
    void showText(const QString &text) override;

    // Shows fullText, elided to the width when the active style is single-line and elides.
    void updateShownText();

    // text as a single-line style with elide mode shows it in width pixels: unchanged for mode 3,
    // multi-line styles and rich text (cutting markup would show broken tags).
    static QString elided(const QString &text, const TextStyleDesc &style, const QFont &font, int width,
                          bool richText);
    // Installed fonts change what an equal QFont measures: the next update cuts afresh.
    void forgetElision() { lastElision = Elision(); }

    TavixQLabel *owner = nullptr;
    QString fullText = QStringLiteral("label");   // the text as set, before eliding
    QString shownText;                              // what this object last gave QLabel to show

private:
    // The last elision: a style or text reapplied unchanged (a page node read after the constructor's
    // defaults) shows the same cut without shaping the text again.
    struct Elision
    {
        QString text;
        QFont font;
        int width = -1;
        int mode = -1;
        QString shown;
    };
    Elision lastElision;
};

} // namespace TavixQtLib
