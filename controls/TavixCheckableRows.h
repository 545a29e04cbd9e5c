#pragma once

// Descriptor rows the check box and the radio button share, bound to the accessors of Button
// (TavixQCheckBox or TavixQRadioButton, which name them alike).

#include "controls/TavixCheckableTypes.h"
#include "core/ControlInfo.h"

#include <vector>

namespace TavixQtLib {

// "TextStyle": the Checked, Unchecked and Disable caption styles.
template <class Button>
PropertyDef tavixCheckableTextStyleRow()
{
    PropertyDef def = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    def.addOption(int(CheckBoxTextState::Checked), QStringLiteral("Checked"));
    def.addOption(int(CheckBoxTextState::Unchecked), QStringLiteral("Unchecked"));
    def.addOption(int(CheckBoxTextState::Disable), QStringLiteral("Disable"));
    def.setTextStyle = tavixBindAccessor(&Button::setTextStyleByState);
    def.getTextStyle = tavixBindAccessor(&Button::getTextStyleByState);
    return def;
}

// The four indicator paths, then the indicator's "HorAlign", "VerAlign", "OffsetX" and "OffsetY".
template <class Button>
void tavixAddCheckableIndicatorRows(std::vector<PropertyDef> &rows)
{
    const auto path = [&rows](const char *label, auto set, auto get) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(label), ImagePath);
        def.setString = tavixBindAccessor(set);
        def.getString = tavixBindAccessor(get);
        rows.push_back(def);
    };
    const auto number = [&rows](PropertyDef def, auto set, auto get) {
        def.setInt = tavixBindAccessor(set);
        def.getInt = tavixBindAccessor(get);
        rows.push_back(def);
    };
    const auto align = [](const char *label) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(label), Enumeration);
        def.addOption(DockNear, QStringLiteral("Left"));
        def.addOption(DockCenter, QStringLiteral("Center"));
        def.addOption(DockFar, QStringLiteral("Right"));
        return def;
    };

    path("UncheckIcon", &Button::setUncheckIcon, &Button::getUncheckIcon);
    path("UncheckHotIcon", &Button::setUncheckHotIcon, &Button::getUncheckHotIcon);
    path("CheckedIcon", &Button::setCheckedIcon, &Button::getCheckedIcon);
    path("CheckedHotIcon", &Button::setCheckedHotIcon, &Button::getCheckedHotIcon);
    number(align("HorAlign"), &Button::setIconHorAlign, &Button::getIconHorAlign);
    // Top, centre, bottom, offered under the horizontal names.
    number(align("VerAlign"), &Button::setIconVerAlign, &Button::getIconVerAlign);
    number(tavixPropertyDef(QStringLiteral("OffsetX"), Int), &Button::setIconOffsetX, &Button::getIconOffsetX);
    number(tavixPropertyDef(QStringLiteral("OffsetY"), Int), &Button::setIconOffsetY, &Button::getIconOffsetY);
}

} // namespace TavixQtLib
