#include "core/TavixNodeEntries.h"

#include "core/TavixJson.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

namespace {

constexpr int kFillKind = 1;
constexpr int kTextKind = 2;

// One group's entries. own[i]: record i is the owner's (named, not what a theme entry supplied), so
// reading must restore it. differ(i, j) compares records i and j.
template <typename Style, typename Differ>
void writeGroup(Json::Value &entries, const Style *styles, const std::vector<bool> &own, int first, int count,
                bool firstFillsAll, Differ differ)
{
    if (!styles || count <= 0)
        return;
    const auto append = [&](int i) {
        entries.append(tavixStyleEntry(styles[i].name, styles[i].isTextStyle, first + i));
    };
    if (!firstFillsAll || !own[0]) {
        // Nothing written spreads: each of the owner's records gets its own entry; what the theme
        // supplies and the defaults come back without one.
        for (int i = 0; i < count; ++i) {
            if (own[i])
                append(i);
        }
        return;
    }
    // The first entry spreads over the group on reading; every record it would not restore follows it.
    // The pair rule decides only whether like records are written too.
    const auto named = [styles](int i) { return !styles[i].name.isEmpty(); };
    bool perState = false;
    for (int i = 0; !perState && i + 1 < count; ++i)
        perState = differ(i, i + 1) && named(i) && named(i + 1);
    for (int i = 0; i < count; ++i) {
        if (i == 0 || (named(i) && (perState || differ(0, i))))
            append(i);
    }
}

// The records a save stands for: the owner's own name where a theme entry has since restyled a slot.
template <typename Style, typename Lookup>
std::vector<Style> ownRecords(const Style *styles, int first, int count, bool isText,
                              const TavixQWidgetBaseImpl *owner, std::vector<bool> &own, Lookup lookup)
{
    std::vector<Style> records(styles, styles + count);
    own.assign(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        const QString name = owner ? owner->ownStyleName(first + i, isText, styles[i].name) : styles[i].name;
        own[size_t(i)] = !name.isEmpty();
        if (name.isEmpty() || name == styles[i].name)
            continue;
        if (!lookup(name, records[size_t(i)]))
            records[size_t(i)].name = name;   // no longer loaded: the name still stands for the page's entry
    }
    return records;
}

bool sameColourLook(const FillRes &a, const FillRes &b)
{
    return a.color == b.color && a.gradientColor == b.gradientColor && a.borderColor == b.borderColor
           && a.gradient == b.gradient && a.round == b.round && a.borderSize == b.borderSize
           && a.border == b.border && a.leftBorder == b.leftBorder && a.topBorder == b.topBorder
           && a.rightBorder == b.rightBorder && a.bottomBorder == b.bottomBorder
           && a.roundTopLeft == b.roundTopLeft && a.roundTopRight == b.roundTopRight
           && a.roundBottomRight == b.roundBottomRight && a.roundBottomLeft == b.roundBottomLeft;
}

// A node of another kind cannot hold members; writes to it go nowhere instead of throwing.
Json::Value &scratchValue()
{
    static Json::Value scratch;
    scratch = Json::Value(Json::objectValue);
    return scratch;
}

} // namespace

TavixStyleSlots &TavixStyleSlots::fillGroup(int firstSlot, FillStyle *styles, int count, bool firstFillsAll)
{
    m_slots.push_back({firstSlot, count, firstFillsAll, styles, nullptr});
    return *this;
}

TavixStyleSlots &TavixStyleSlots::textGroup(int firstSlot, TextStyleDesc *styles, int count, bool firstFillsAll)
{
    m_slots.push_back({firstSlot, count, firstFillsAll, nullptr, styles});
    return *this;
}

TavixStyleSlots &TavixStyleSlots::fill(int slot, FillStyle *style)
{
    return fillGroup(slot, style, 1, false);
}

TavixStyleSlots &TavixStyleSlots::text(int slot, TextStyleDesc *style)
{
    return textGroup(slot, style, 1, false);
}

bool TavixStyleSlots::read(const Json::Value &node) const
{
    const Json::Value *style = tavixJsonMember(node, "style");
    if (!style || !style->isArray())
        return false;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    bool applied = false;
    for (Json::ArrayIndex e = 0; e < style->size(); ++e) {
        const Json::Value &entry = (*style)[e];
        const Json::Value *nameValue = tavixJsonAt(entry, 0);
        const Json::Value *slotValue = tavixJsonAt(entry, 2);
        QString name;
        int number = 0;
        if (!nameValue || !slotValue || !tavixJsonToString(*nameValue, name)
            || !slotValue->isIntegral() || !tavixJsonToInt(*slotValue, number))
            continue;
        for (const Slot &slot : m_slots) {
            if (slot.count <= 0 || number < slot.first || number - slot.first >= slot.count)
                continue;
            const int index = number - slot.first;
            const bool spread = slot.firstFillsAll && index == 0;
            const auto store = [&](auto *records, const auto &found) {
                for (int i = spread ? 0 : index; i < (spread ? slot.count : index + 1); ++i) {
                    records[i] = found;
                    if (m_owner)
                        m_owner->noteStyle(slot.first + i, slot.texts != nullptr, found.name);
                }
                applied = true;
            };
            if (slot.fills) {
                FillStyle found;
                if (manager->getFillStyle(name, found))
                    store(slot.fills, found);
            } else if (slot.texts) {
                TextStyleDesc found;
                if (manager->getTextStyle(name, found))
                    store(slot.texts, found);
            }
            break;
        }
    }
    return applied;
}

void TavixStyleSlots::write(Json::Value &node) const
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    Json::Value entries(Json::arrayValue);
    std::vector<bool> own;
    for (const Slot &slot : m_slots) {
        if (slot.count <= 0)
            continue;
        if (slot.fills) {
            const std::vector<FillStyle> s = ownRecords(slot.fills, slot.first, slot.count, false, m_owner, own,
                [manager](const QString &name, FillStyle &out) { return manager->getFillStyle(name, out); });
            writeGroup(entries, s.data(), own, slot.first, slot.count, slot.firstFillsAll,
                       [&s](int i, int j) { return looksDifferent(s[size_t(i)], s[size_t(j)]); });
        } else if (slot.texts) {
            const std::vector<TextStyleDesc> s = ownRecords(slot.texts, slot.first, slot.count, true, m_owner, own,
                [manager](const QString &name, TextStyleDesc &out) { return manager->getTextStyle(name, out); });
            writeGroup(entries, s.data(), own, slot.first, slot.count, slot.firstFillsAll,
                       [&s](int i, int j) { return s[size_t(i)].name != s[size_t(j)].name; });
        }
    }
    if (entries.empty() || (!node.isObject() && !node.isNull()))
        return;
    node["style"] = entries;
}

bool TavixStyleSlots::looksDifferent(const FillStyle &a, const FillStyle &b)
{
    if (a.valid != b.valid || a.drawColor != b.drawColor)
        return true;
    // Invalid styles are compared too: their names must survive a save and load per state.
    if (a.drawColor)
        return !sameColourLook(a, b);
    return a.img != b.img;
}

Json::Value tavixStyleEntry(const QString &name, bool isTextStyle, int slot)
{
    Json::Value entry(Json::arrayValue);
    entry.append(tavixJsonString(name));
    entry.append(isTextStyle ? kTextKind : kFillKind);
    entry.append(slot);
    return entry;
}

const Json::Value *tavixAttrNode(const Json::Value &node)
{
    const Json::Value *attr = tavixJsonMember(node, "attr");
    return attr && attr->isObject() ? attr : nullptr;
}

Json::Value &tavixAttrObject(Json::Value &node)
{
    if (!node.isObject() && !node.isNull())
        return scratchValue();
    Json::Value &attr = node["attr"];
    if (!attr.isObject())
        attr = Json::Value(Json::objectValue);
    return attr;
}

namespace {

// An equal-to-default value also drops a same-named member that the generic attribute copy wrote
// before: the control's own state wins over what the node held when it was read.
void writeOrDrop(Json::Value &node, const char *key, bool differs, const Json::Value &value)
{
    Json::Value &attr = tavixAttrObject(node);
    if (!key)
        return;
    if (differs)
        attr[key] = value;
    else
        attr.removeMember(key);
}

} // namespace

void tavixWriteAttrBool(Json::Value &node, const char *key, bool value, bool defaultValue)
{
    writeOrDrop(node, key, value != defaultValue, Json::Value(value ? 1 : 0));
}

void tavixWriteAttrInt(Json::Value &node, const char *key, int value, int defaultValue)
{
    writeOrDrop(node, key, value != defaultValue, Json::Value(value));
}

void tavixWriteAttrString(Json::Value &node, const char *key, const QString &value, const QString &defaultValue)
{
    writeOrDrop(node, key, value != defaultValue, tavixJsonString(value));
}

} // namespace TavixQtLib
