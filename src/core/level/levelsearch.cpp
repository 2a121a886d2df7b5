#include "level/levelsearch.h"

#include "catalogue/cataloguelist.h"
#include "util/hex.h"
#include "util/text.h"

namespace tarnloft {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// 1 to `maxDigits` hexadecimal digits and nothing else.
std::optional<int> HexNumber(const std::string& digits, size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

std::optional<int> EntryValueOf(const std::string& upper) {
    const std::string entry = Trimmed(upper.substr(0, upper.find(':')));
    if (entry.empty()) return std::nullopt;
    const std::string rest = entry.substr(1);
    if (entry[0] == 'X') {
        if (auto n = HexNumber(rest, 2)) return SpecialEntryBase + *n;
    } else if (entry[0] == 'S') {
        if (auto n = HexNumber(rest, 3); n && *n < SpriteCount - 1) return SpriteEntryBase + *n;
    }
    if (auto n = HexNumber(entry, 2)) return *n;
    return std::nullopt;
}

}  // namespace

LevelQuery ParseLevelQuery(const std::string& text) {
    LevelQuery query;
    query.Upper = UpperAscii(Trimmed(text));
    query.Index = HexNumber(query.Upper, 2);
    query.EntryValue = EntryValueOf(query.Upper);
    return query;
}

std::string EntryName(int entryValue) {
    if (entryValue >= SpriteEntryBase)
        return "S" + HexPadded(static_cast<uint64_t>(entryValue - SpriteEntryBase), 2);
    if (entryValue >= SpecialEntryBase)
        return "X" + HexPadded(static_cast<uint64_t>(entryValue - SpecialEntryBase), 2);
    return HexPadded(static_cast<uint64_t>(entryValue), 2);
}

int EntryValueOf(const LevelObject& item, const Catalogues& defs) {
    if (item.IsSprite) return SpriteEntryBase + item.SpriteNumber();
    if (defs.ObjectDefs[item.Number].ByteCount == ByteClass::Special)
        return SpecialEntryBase + item.SubNumber;
    return item.Number;
}

std::string UsesText(int entryValue, int uses) {
    return EntryName(entryValue) + " used " +
           (uses == 1 ? std::string("once") : std::to_string(uses) + " times");
}

int CountUses(const LevelModel& level, const Catalogues& defs, int entryValue) {
    int count = 0;
    for (const LevelObject& item : level.LevelObjects) {
        const bool special = !item.IsSprite && defs.ObjectDefs[item.Number].ByteCount == ByteClass::Special;
        if (entryValue >= SpriteEntryBase)
            count += item.IsSprite && item.SpriteNumber() == entryValue - SpriteEntryBase;
        else if (entryValue >= SpecialEntryBase)
            count += special && item.SubNumber == entryValue - SpecialEntryBase;
        else
            count += !item.IsSprite && item.Number == entryValue;
    }
    return count;
}

std::vector<LevelMatch> SearchLevels(const std::vector<SurveyedLevel>& levels, const Catalogues& defs,
                                     const std::string& text) {
    const LevelQuery query = ParseLevelQuery(text);
    std::vector<LevelMatch> matches;
    for (const SurveyedLevel& level : levels) {
        const LevelSummary& summary = level.Summary;
        LevelMatch match{summary.Index, 0};
        if (query.EntryValue && level.Level) match.Uses = CountUses(*level.Level, defs, *query.EntryValue);
        if (match.Uses > 0 || query.Index == summary.Index || ContainsUpper(summary.Name, query.Upper))
            matches.push_back(match);
    }
    return matches;
}

}  // namespace tarnloft
