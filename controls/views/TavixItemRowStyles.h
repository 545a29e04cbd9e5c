#pragma once

#include "controls/views/TavixItemExtent.h"
#include "core/ControlInfo.h"
#include "core/TavixTypes.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"

namespace TavixQtLib {

// The styles the list, the table and the tree paint their rows from; each one's Impl derives from it.
struct TavixItemRowStyles
{
    explicit TavixItemRowStyles(int height) : itemHeight(height) {}

    int rowHeight() const { return tavixEffectiveItemExtent(itemHeight); }    // itemHeight, 20 for 0

    int itemHeight;
    FillStyle background;
    FillStyle itemBackgrounds[4];
    TextStyleDesc itemTextStyles[4];
};

// Descriptor rows the item views share, bound to the accessors of View.

// "Background": the one viewport background, offered as Normal and Disable.
template <class View>
PropertyDef tavixViewBackgroundRow()
{
    PropertyDef def = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    def.addOption(CommonNormal, QStringLiteral("Normal"));
    def.addOption(CommonDisable, QStringLiteral("Disable"));
    def.setFillStyle = tavixBindAccessor(&View::setBackground);
    def.getFillStyle = tavixBindAccessor(&View::getBackground);
    return def;
}

// The per-state row backgrounds; each view has its own label for them.
template <class View>
PropertyDef tavixViewItemBackgroundRow(const QString &label)
{
    PropertyDef def = tavixPropertyDef(label, FillStyleRef);
    tavixAddStateOptions(def);
    def.setFillStyle = tavixBindAccessor(&View::setItemBackground);
    def.getFillStyle = tavixBindAccessor(&View::getItemBackground);
    return def;
}

// "TextStyle": the per-state row text styles.
template <class View>
PropertyDef tavixViewItemTextRow()
{
    PropertyDef def = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    tavixAddStateOptions(def);
    def.setTextStyle = tavixBindAccessor(&View::setItemTextStyle);
    def.getTextStyle = tavixBindAccessor(&View::getItemTextStyle);
    return def;
}

// "ItemHeight".
template <class View>
PropertyDef tavixViewItemHeightRow()
{
    PropertyDef def = tavixPropertyDef(QStringLiteral("ItemHeight"), Int);
    def.setInt = tavixBindAccessor(&View::setItemHeight);
    def.getInt = tavixBindAccessor(&View::getItemHeight);
    return def;
}

// Accessors whose bodies the item views share: m_impl holds background, itemBackgrounds and
// itemHeight, and a new row style repaints the viewport. Setting the background and the row height
// stays with each view, since each repaints or lays out different parts.
#define TAVIX_DEFINE_VIEW_ROW_BACKGROUND_FORWARDS(Class)                                                \
    const FillStyle &Class::getBackground(CommonCtrlState) const                                       \
    { return m_impl->background; }                                                                     \
    void Class::setItemBackground(CtrlState state, const FillStyle &style)                             \
    { tavixSetPerState(m_impl->itemBackgrounds, state, style); viewport()->update(); }                \
    const FillStyle &Class::getItemBackground(CtrlState state) const                                   \
    { return m_impl->itemBackgrounds[tavixStateIndex(state)]; }                                        \
    int Class::getItemHeight() const                                                                   \
    { return m_impl->itemHeight; }

// The row text style accessors of the views whose Impl derives from TavixItemRowStyles.
#define TAVIX_DEFINE_VIEW_ROW_TEXT_FORWARDS(Class)                                                      \
    void Class::setItemTextStyle(CtrlState state, const TextStyleDesc &style)                          \
    { tavixSetPerState(m_impl->itemTextStyles, state, style); viewport()->update(); }                 \
    const TextStyleDesc &Class::getItemTextStyle(CtrlState state) const                                \
    { return m_impl->itemTextStyles[tavixStateIndex(state)]; }

} // namespace TavixQtLib
