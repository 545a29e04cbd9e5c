#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

class QLabel;

namespace TavixQtLib {

// Private side shared by the label and the extended label: the normal text style, a disabled look
// that shows while the label is disabled (once one was given; until then a disabled label looks
// normal), the text's translation key, and the JSON both read and write alike.
class TAVIXQTLIB_EXPORT TavixQTextLabelImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    TavixQTextLabelImpl(QLabel *label, const QString &typeName);

    // "style" entries for slots 0 (normal) and 3 (disabled look) and "attr" / "text"; a theme entry
    // styles the label but never changes its text.
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // Normal takes the style; AllStates both; Hot, Pressed and Disable the disabled look; other values
    // are ignored. Then the active style is applied.
    void setTextStyle(int state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(int state) const;   // Normal, or else the disabled look
    void setDisableColor(const QColor &color);
    const TextStyleDesc &activeStyle() const;

    // Gives the widget the active style's looks.
    virtual void applyStyle() = 0;
    // The whole text, as written to documents.
    virtual QString text() const = 0;
    // Shows text without touching languageKey.
    virtual void showText(const QString &text) = 0;

    QLabel *label = nullptr;
    TextStyleDesc normalTextStyle;
    TextStyleDesc disableTextStyle;
    bool disableStyleSet = false;
    QColor reserved;
    QString languageKey;    // translation key of the text, from a "|->key" text
};

} // namespace TavixQtLib
