#pragma once

// The two parts of a widget node that every control reads and writes in the same way:
// the "style" array of [style name, kind, slot] entries and the "attr" object.

#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <json/value.h>

#include <QString>

#include <vector>

namespace TavixQtLib {

class TavixQWidgetBaseImpl;

// A control's style slots. Declare them once (usually in the Impl's serializeJsonValue), then
// read() applies a node's "style" entries and write() produces them.
class TAVIXQTLIB_EXPORT TavixStyleSlots
{
public:
    // With an owner, reads note where each record came from and writes leave out what its theme
    // entry supplied (TavixQWidgetBaseImpl::ownStyleName); without one every named record is the owner's.
    explicit TavixStyleSlots(TavixQWidgetBaseImpl *owner = nullptr) : m_owner(owner) {}

    // count per-state records at slots firstSlot .. firstSlot + count - 1. With firstFillsAll an
    // entry for firstSlot is copied into every record of the group.
    TavixStyleSlots &fillGroup(int firstSlot, FillStyle *styles, int count, bool firstFillsAll = true);
    TavixStyleSlots &textGroup(int firstSlot, TextStyleDesc *styles, int count, bool firstFillsAll = true);
    TavixStyleSlots &fill(int slot, FillStyle *style);
    TavixStyleSlots &text(int slot, TextStyleDesc *style);

    // Applies node["style"] entries in array order. Each name is looked up in the resource manager by
    // the kind its slot expects; names not found, malformed entries and unknown slots are skipped.
    // Returns true when at least one entry was applied.
    bool read(const Json::Value &node) const;
    // Replaces node["style"] with the entries of every group and single slot (nothing when none), so
    // that reading them back restores every record the owner gave. A group whose first record is the
    // owner's writes it (it spreads over the group on reading); then, when some adjacent pair differs
    // with both names set, every named state, otherwise each named state that looks different from the
    // first. Fill styles compare looks, text styles names. Otherwise (a first record that is the theme's
    // or unnamed, a group without firstFillsAll, a single slot) each of the owner's records is written.
    // The kind comes from the record.
    void write(Json::Value &node) const;

    // Whether two fill styles look different (valid, mode, and the fields of that mode).
    static bool looksDifferent(const FillStyle &a, const FillStyle &b);

private:
    struct Slot
    {
        int first = 0;
        int count = 1;
        bool firstFillsAll = false;
        FillStyle *fills = nullptr;
        TextStyleDesc *texts = nullptr;
    };
    std::vector<Slot> m_slots;   // not "slots": Qt defines that word as a macro
    TavixQWidgetBaseImpl *m_owner = nullptr;
};

// One "style" entry: [name, kind, slot], kind 1 for a fill style and 2 for a text style.
TAVIXQTLIB_EXPORT Json::Value tavixStyleEntry(const QString &name, bool isTextStyle, int slot);

// "attr" helpers. Writers create the "attr" object when missing and write a key only when the value
// differs from its default; booleans are written as 0 or 1.
TAVIXQTLIB_EXPORT const Json::Value *tavixAttrNode(const Json::Value &node);   // null when absent
TAVIXQTLIB_EXPORT Json::Value &tavixAttrObject(Json::Value &node);
TAVIXQTLIB_EXPORT void tavixWriteAttrBool(Json::Value &node, const char *key, bool value, bool defaultValue);
TAVIXQTLIB_EXPORT void tavixWriteAttrInt(Json::Value &node, const char *key, int value, int defaultValue);
TAVIXQTLIB_EXPORT void tavixWriteAttrString(Json::Value &node, const char *key, const QString &value,
                                            const QString &defaultValue = QString());

} // namespace TavixQtLib
