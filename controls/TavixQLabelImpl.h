#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace TavixQtLib {

class TavixQLabel;

class TAVIXQTLIB_EXPORT TavixQLabelImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQLabelImpl(TavixQLabel *label);

    // QLabel paints the text with the font, palette and alignment applyStyle() gave it.
    void paintEvent(QPaintEvent *event) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // The style the label shows now: the disabled look while disabled (once one was given).
    const TextStyleDesc &activeStyle() const;
    // Font, palette, alignment and wrapping of the active style, then the shown text.
    void applyStyle();
    // Shows fullText, elided to the width when the active style is single-line and elides.
    void updateShownText();
    void setFullText(const QString &text);

    // text as a single-line style with elide mode shows it in width pixels: unchanged for mode 3,
    // multi-line styles and rich text (cutting markup would show broken tags).
    static QString shownText(const QString &text, const TextStyleDesc &style, const QFont &font, int width,
                             bool richText);

    TavixQLabel *label = nullptr;
    TextStyleDesc normalTextStyle;
    TextStyleDesc disableTextStyle;
    bool disableStyleSet = false;   // a disabled look was given; until then disabled labels look normal
    QColor reserved;
    QString fullText = QStringLiteral("label");
    QString languageKey;
};

} // namespace TavixQtLib
