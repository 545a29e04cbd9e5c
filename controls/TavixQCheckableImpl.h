#pragma once

#include "controls/TavixCheckableTypes.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QString>

class QAbstractButton;

namespace TavixQtLib {

// Private side shared by the check box and the radio button: the four indicator paths and their
// placement, three caption styles, the caption's translation key, and the JSON both controls read and
// write alike. Each subclass keeps its two background groups under its own names and hands them out
// through backgrounds().
class TAVIXQTLIB_EXPORT TavixQCheckableImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    TavixQCheckableImpl(QAbstractButton *button, const QString &typeName);
    ~TavixQCheckableImpl() override;

    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // The four backgrounds, by CtrlState, drawn while unchecked or checked.
    virtual FillStyle *backgrounds(bool checked) = 0;

    // Values outside CheckBoxTextState set nothing and read the unchecked style.
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style);
    const TextStyleDesc &textStyleByState(CheckBoxTextState state) const;

    QAbstractButton *button = nullptr;

    QString languageKey;
    QString uncheckIcon;
    QString uncheckHotIcon;
    QString checkedIcon;
    QString checkedHotIcon;
    IconStyleDesc iconStyle;            // left, vertically centred
    TextStyleDesc uncheckTextStyle;
    TextStyleDesc checkedTextStyle;
    TextStyleDesc disableTextStyle;
    bool showIcon = true;
    bool showText = true;

protected:
    // The caption style for a checked state; disabled takes the Disable style.
    const TextStyleDesc &captionStyle(bool checked, bool disabled) const;
    // The "attr" keys only one of the controls has, handled after the shared ones.
    virtual void readOwnAttrs(const Json::Value &attr) = 0;
    virtual void writeOwnAttrs(Json::Value &node) const = 0;

    int unsavedHorAlign = DockNear;     // "iconHor" is written only when horAlign differs from it
};

} // namespace TavixQtLib
