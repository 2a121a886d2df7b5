#include "edit/clipboard.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <utility>

#include "util/decimal.h"
#include "util/hex.h"
#include "view/renderer.h"

namespace tarnloft {

namespace {

// Payload: a header line "tarnloft-items <version> <count>", then <count>
// lines "object|sprite NN SS W H DX DY" (NN, SS two hex digits; the rest decimal).
constexpr std::string_view Magic = "tarnloft-items";
constexpr int FormatVersion = 1;
// Far above MaxClipItems full-length lines; anything larger is refused unread.
constexpr size_t MaxPayloadBytes = 4u << 20;
constexpr int LeastExtent = -129, MostExtent = 128;  // what an object record can store
// Object 00 is always the special object: its size is the catalogue's
// (0..255), not one a record stores.
constexpr uint8_t SpecialObjectNumber = 0;
constexpr int MostSpecialExtent = 255;
constexpr int ItemFieldCount = 7;

// Sets the reason a payload is refused; the callers return it as their nullopt.
std::nullopt_t Fail(std::string& error, std::string reason) {
    error = std::move(reason);
    return std::nullopt;
}

// Cuts the next line off `rest`: a line ends at "\n" or "\r\n"; the last may end at the payload's end.
std::string_view NextLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Fields separated by single spaces; stops after `limit` + 1 of them, so a
// line of junk costs no more than a good one.
std::vector<std::string_view> Fields(std::string_view line, size_t limit) {
    std::vector<std::string_view> fields;
    while (fields.size() <= limit) {
        const size_t space = line.find(' ');
        fields.push_back(line.substr(0, space));
        if (space == std::string_view::npos) break;
        line.remove_prefix(space + 1);
    }
    return fields;
}

std::optional<int> HexByte(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    const int high = HexDigitValue(text[0]), low = HexDigitValue(text[1]);
    if (high < 0 || low < 0) return std::nullopt;
    return high * 16 + low;
}

// A whole number in min..max written as digits with an optional leading "-".
std::optional<int> Decimal(std::string_view text, int min, int max) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::optional<int64_t> value = 0;
    for (char c : text)
        if (!(value = AppendDecimalDigit(*value, c))) return std::nullopt;
    const int64_t signedValue = negative ? -*value : *value;
    if (signedValue < min || signedValue > max) return std::nullopt;
    return static_cast<int>(signedValue);
}

// The item count the header line announces; nullopt and `error` when it is no header of ours.
std::optional<int> ReadHeader(std::string_view line, std::string& error) {
    const std::vector<std::string_view> fields = Fields(line, 3);
    const int version = fields.size() >= 2 && fields[0] == Magic
                            ? Decimal(fields[1], 0, std::numeric_limits<int>::max()).value_or(-1)
                            : -1;
    if (version < 0) return Fail(error, "not Tarnloft items");
    if (version != FormatVersion) return Fail(error, "unsupported version " + std::to_string(version));
    if (fields.size() != 3) return Fail(error, "line 1: bad header");
    const std::optional<int> count = Decimal(fields[2], 1, MaxClipItems);
    if (!count) return Fail(error, "line 1: item count out of range");
    return count;
}

// Whether `extent` is a size the item can have: a special object's from the
// catalogue, any other item's one a record can store (-129..128, never 0).
bool ExtentFits(const ClipItem& item, int extent) {
    if (!item.IsSprite && item.Number == SpecialObjectNumber) return extent >= 0;
    return extent != 0 && extent <= MostExtent;
}

// One item line; nullopt and the reason in `why` when it is malformed.
std::optional<ClipItem> ReadItem(std::string_view line, std::string& why) {
    const std::vector<std::string_view> f = Fields(line, ItemFieldCount);
    if (f.size() != ItemFieldCount) return Fail(why, "wrong number of fields");
    if (f[0] != "object" && f[0] != "sprite") return Fail(why, "unknown kind");
    const std::optional<int> number = HexByte(f[1]), subNumber = HexByte(f[2]);
    if (!number || !subNumber) return Fail(why, "number not two hex digits");
    ClipItem item;
    item.IsSprite = f[0] == "sprite";
    item.Number = static_cast<uint8_t>(*number);
    item.SubNumber = static_cast<uint8_t>(*subNumber);
    // A sprite record holds one bit of SubNumber: sprite numbers end at 1FF.
    if (item.IsSprite && *subNumber > 1) return Fail(why, "sprite number out of range");
    const std::optional<int> width = Decimal(f[3], LeastExtent, MostSpecialExtent);
    const std::optional<int> height = Decimal(f[4], LeastExtent, MostSpecialExtent);
    if (!width || !ExtentFits(item, *width)) return Fail(why, "width out of range");
    if (!height || !ExtentFits(item, *height)) return Fail(why, "height out of range");
    item.Width = static_cast<int16_t>(*width);
    item.Height = static_cast<int16_t>(*height);
    const std::optional<int> dx = Decimal(f[5], 0, LastColumn), dy = Decimal(f[6], 0, LastRow);
    if (!dx) return Fail(why, "DX out of range");
    if (!dy) return Fail(why, "DY out of range");
    item.DX = *dx;
    item.DY = *dy;
    return item;
}

std::string Offset(int delta) { return "+" + std::to_string(delta); }

}  // namespace

std::vector<ClipItem> ClipItemsOf(const std::vector<LevelObject>& entries) {
    int left = LastColumn, top = LastRow;
    for (const LevelObject& e : entries) {
        left = std::min<int>(left, e.X);
        top = std::min<int>(top, e.Y);
    }
    std::vector<ClipItem> items;
    items.reserve(entries.size());
    for (const LevelObject& e : entries)
        items.push_back({e.IsSprite, e.Number, e.SubNumber, e.Width, e.Height, e.X - left, e.Y - top});
    return items;
}

std::vector<LevelObject> EntriesOf(const std::vector<ClipItem>& items) {
    std::vector<LevelObject> entries;
    entries.reserve(items.size());
    for (const ClipItem& i : items)
        entries.push_back({i.Number, i.SubNumber, static_cast<uint8_t>(i.DX), static_cast<uint8_t>(i.DY),
                           i.Width, i.Height, i.IsSprite});
    return entries;
}

std::string EncodeClipItems(const std::vector<ClipItem>& items) {
    std::string text =
        std::string(Magic) + " " + std::to_string(FormatVersion) + " " + std::to_string(items.size()) + "\n";
    for (const ClipItem& i : items) {
        text += (i.IsSprite ? "sprite " : "object ") + HexPadded(i.Number, 2) + " " +
                HexPadded(i.SubNumber, 2) + " " + std::to_string(i.Width) + " " + std::to_string(i.Height) +
                " " + std::to_string(i.DX) + " " + std::to_string(i.DY) + "\n";
    }
    return text;
}

std::string DescribeClipItems(const std::vector<ClipItem>& items, const Catalogues& defs) {
    std::string text;
    for (const ClipItem& i : items) {
        const LevelObject entry{i.Number, i.SubNumber, 0, 0, i.Width, i.Height, i.IsSprite};
        text += ItemLabel(entry, defs, true) + " at " + Offset(i.DX) + "," + Offset(i.DY);
        // Sprites and special objects take no size from their record.
        if (!i.IsSprite && defs.ObjectDefs[i.Number].ByteCount != ByteClass::Special)
            text += ", size " + std::to_string(i.Width) + " x " + std::to_string(i.Height);
        text += "\n";
    }
    return text;
}

std::optional<std::vector<ClipItem>> DecodeClipItems(const std::string& payload, std::string& error) {
    if (payload.size() > MaxPayloadBytes) return Fail(error, "too large for Tarnloft items");
    std::string_view rest(payload);
    const std::optional<int> count = ReadHeader(NextLine(rest), error);
    if (!count) return std::nullopt;
    std::vector<ClipItem> items;
    for (int lineNumber = 2; !rest.empty(); ++lineNumber) {
        const std::string_view line = NextLine(rest);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (static_cast<int>(items.size()) == *count)
            return Fail(error, where + "more lines than the header counts");
        std::string why;
        const std::optional<ClipItem> item = ReadItem(line, why);
        if (!item) return Fail(error, where + why);
        items.push_back(*item);
    }
    if (static_cast<int>(items.size()) != *count)
        return Fail(error, std::to_string(items.size()) + " of " + std::to_string(*count) + " items");
    return items;
}

}  // namespace tarnloft
