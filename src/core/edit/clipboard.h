// The clipboard form of a set of level items, for cut, copy and paste across
// levels and images: a versioned text payload under our own MIME type, a
// readable text beside it, and a strict reader for payloads from anywhere.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"

namespace tarnloft {

// MIME type of the editor's own clipboard format.
inline constexpr const char* ClipboardMimeType = "application/x-tarnloft-items";
// The most items one payload carries; a larger selection is not copied.
inline constexpr int MaxClipItems = 65536;

// One item on the clipboard: what it is, its size fields, and where it lies
// relative to the top-left tile of the copied set (DX, DY >= 0).
struct ClipItem {
    bool IsSprite = false;
    uint8_t Number = 0;
    uint8_t SubNumber = 0;
    int16_t Width = 1;
    int16_t Height = 1;
    int DX = 0;
    int DY = 0;
    friend bool operator==(const ClipItem& a, const ClipItem& b) {
        return a.IsSprite == b.IsSprite && a.Number == b.Number && a.SubNumber == b.SubNumber &&
               a.Width == b.Width && a.Height == b.Height && a.DX == b.DX && a.DY == b.DY;
    }
};

// The items of `entries` (in this order) with positions relative to the set's
// top-left tile (smallest X, smallest Y over all of them).
std::vector<ClipItem> ClipItemsOf(const std::vector<LevelObject>& entries);
// The items as entries placed at their offsets, as the editor's Paste takes them.
std::vector<LevelObject> EntriesOf(const std::vector<ClipItem>& items);

// The clipboard payload of our own MIME type: versioned, text-based, one line per item.
std::string EncodeClipItems(const std::vector<ClipItem>& items);

// The readable plain-text form put beside it, one line per item, e.g.
// "X2F - Key at +3,+0" / "5A - Ledge at +0,+2, size 5 x 3" / "S1A3 - Bat at +1,+1".
std::string DescribeClipItems(const std::vector<ClipItem>& items, const Catalogues& defs);

// Reads a payload back. Never throws, never crashes, bounded work on any input:
// on anything malformed (wrong magic/version, bad counts, fields out of range,
// trailing junk, too many items, oversize input) returns std::nullopt and a
// short reason in `error` (e.g. "not Tarnloft items", "unsupported version 7",
// "line 3: sprite number out of range").
std::optional<std::vector<ClipItem>> DecodeClipItems(const std::string& payload, std::string& error);

}  // namespace tarnloft
