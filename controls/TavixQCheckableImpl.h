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

// Accessors whose bodies the check box and the radio button share: m_impl derives from
// TavixQCheckableImpl. The indicator setters and setShowIcon stay with each control, since they
// differ in what they return and repaint.
#define TAVIX_DEFINE_CHECKABLE_FORWARDS(Class)                                                         \
    void Class::setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style)              \
    { m_impl->setTextStyleByState(state, style); }                                                    \
    const TextStyleDesc &Class::getTextStyleByState(CheckBoxTextState state) const                    \
    { return m_impl->textStyleByState(state); }                                                       \
    void Class::setDisableTextStyle(const TextStyleDesc &style) { m_impl->disableTextStyle = style; } \
    const TextStyleDesc &Class::getDisableTextStyle() const { return m_impl->disableTextStyle; }      \
    QString Class::getUncheckIcon() const { return m_impl->uncheckIcon; }                             \
    QString Class::getUncheckHotIcon() const { return m_impl->uncheckHotIcon; }                       \
    QString Class::getCheckedIcon() const { return m_impl->checkedIcon; }                             \
    QString Class::getCheckedHotIcon() const { return m_impl->checkedHotIcon; }                       \
    void Class::setIconStyle(const IconStyleDesc &style) { m_impl->iconStyle = style; }               \
    IconStyleDesc Class::getIconStyle() const { return m_impl->iconStyle; }                           \
    void Class::setIconHorAlign(DockLayoutType align) { m_impl->iconStyle.horAlign = align; }         \
    DockLayoutType Class::getIconHorAlign() const { return DockLayoutType(m_impl->iconStyle.horAlign); } \
    void Class::setIconVerAlign(DockLayoutType align) { m_impl->iconStyle.verAlign = align; }         \
    DockLayoutType Class::getIconVerAlign() const { return DockLayoutType(m_impl->iconStyle.verAlign); } \
    void Class::setIconOffsetX(int x) { m_impl->iconStyle.offsetX = x; }                              \
    int Class::getIconOffsetX() const { return m_impl->iconStyle.offsetX; }                           \
    void Class::setIconOffsetY(int y) { m_impl->iconStyle.offsetY = y; }                              \
    int Class::getIconOffsetY() const { return m_impl->iconStyle.offsetY; }                           \
    bool Class::getShowIcon() const { return m_impl->showIcon; }                                      \
    void Class::setShowText(bool show) { m_impl->showText = show; }                                   \
    bool Class::getShowText() const { return m_impl->showText; }

} // namespace TavixQtLib
