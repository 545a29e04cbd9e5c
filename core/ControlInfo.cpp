#include "core/ControlInfo.h"

#include "core/ITavixQWidgetBase.h"

#include <QWidget>

namespace TavixQtLib {

PropertyDef tavixPropertyDef(const QString &label, int type)
{
    PropertyDef def;
    def.label = label;
    def.type = type;
    return def;
}

void tavixAddStateOptions(PropertyDef &def)
{
    def.addOption(Normal, QStringLiteral("Normal"));
    def.addOption(Hot, QStringLiteral("Hot"));
    def.addOption(Pressed, QStringLiteral("Pressed"));
    def.addOption(Disable, QStringLiteral("Disable"));
}

std::vector<PropertyDef> tavixCommonPropertyDefs()
{
    std::vector<PropertyDef> rows;

    PropertyDef name = tavixPropertyDef(QStringLiteral("Name"), ObjectName);
    name.setString = [](QWidget *w, const QString &text) { if (w) w->setObjectName(text); };
    name.getString = [](QWidget *w) { return w ? w->objectName() : QString(); };
    rows.push_back(name);

    PropertyDef type = tavixPropertyDef(QStringLiteral("Type"), ReadOnlyString);
    type.getString = tavixBindAccessor(&ITavixQWidgetBase::getTypeName);
    rows.push_back(type);

    PropertyDef visibility = tavixPropertyDef(QStringLiteral("Visibility"), Bool);
    visibility.setBool = tavixBindAccessor(&ITavixQWidgetBase::setInnerVisible);
    visibility.getBool = tavixBindAccessor(&ITavixQWidgetBase::getInnerVisible);
    rows.push_back(visibility);

    PropertyDef enable = tavixPropertyDef(QStringLiteral("Enable"), Bool);
    enable.setBool = [](QWidget *w, bool on) { if (w) w->setEnabled(on); };
    enable.getBool = [](QWidget *w) { return w && w->isEnabled(); };
    rows.push_back(enable);

    PropertyDef tooltip = tavixPropertyDef(QStringLiteral("Tooltip"), String);
    tooltip.setString = [](QWidget *w, const QString &text) { if (w) w->setToolTip(text); };
    tooltip.getString = [](QWidget *w) { return w ? w->toolTip() : QString(); };
    rows.push_back(tooltip);

    PropertyDef alpha = tavixPropertyDef(QStringLiteral("Alpha"), Int);
    alpha.setInt = tavixBindAccessor(&ITavixQWidgetBase::setOpacity);
    alpha.getInt = tavixBindAccessor(&ITavixQWidgetBase::getOpacity);
    rows.push_back(alpha);

    rows.push_back(tavixPropertyDef(QStringLiteral("Line"), GroupLine));
    return rows;
}

ControlInfo tavixControlInfo(const char *typeName, const char *className, const char *displayName,
                             const char *description, const char *iconName)
{
    ControlInfo info;
    info.typeName = typeName;
    info.className = className;
    info.displayName = displayName;
    info.description = description;
    info.iconName = iconName;
    info.properties = tavixCommonPropertyDefs();
    return info;
}

} // namespace TavixQtLib
