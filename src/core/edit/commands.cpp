#include "edit/commands.h"

#include <algorithm>
#include <tuple>

#include "catalogue/cataloguelist.h"
#include "edit/hittest.h"
#include "edit/mouse.h"
#include "edit/screenexits.h"
#include "edit/selection.h"
#include "level/levelsearch.h"
#include "level/objectstream.h"
#include "util/numbers.h"
#include "view/viewport.h"

namespace tarnloft {

namespace {

const char* const SpecialNudgeTitle = "Tarnloft - Subtle nudge towards feature usage";
const char* const SpecialNudgeText =
    "You should add special objects using the options below with the prefix 'S'";
const char* const NoSelectionTitle = "Tarnloft - User error";
const char* const NoSelectionText = "Please select an object before attempting to add one";
// The terminator's number: an entry of it would end the stream on saving and be lost.
const char* const EndOfListTitle = "Tarnloft - User error";
const char* const EndOfListText =
    "Object FF marks the end of the object list and cannot be added as an object.";
const char* const LastEntryTitle = "Tarnloft - Stopping crashes before they happen";
const char* const LastEntryText =
    "Cannot delete every object in level.\r\n(It wouldn't have anything to hold it up, and it'd fall down)";

const char* const UnknownPasteTitle = "Tarnloft - User error";

inline constexpr int LastEntryValue = SpriteEntryBase + 511;

LevelObject NewEntry(const Catalogues& defs, int value) {
    LevelObject entry;
    if (value < SpecialEntryBase) {
        entry.Number = static_cast<uint8_t>(value);
        std::tie(entry.Width, entry.Height) = NewObjectExtent(defs, entry.Number);
    } else if (value < SpriteEntryBase) {
        const SpecialObjectDef& special = defs.SpecialObjectDefs[value - SpecialEntryBase];
        entry.SubNumber = static_cast<uint8_t>(value - SpecialEntryBase);
        entry.Width = special.Width == 0 ? 1 : special.Width;
        entry.Height = special.Height == 0 ? 1 : special.Height;
    } else {
        const int sprite = value - SpriteEntryBase;
        entry.Number = static_cast<uint8_t>(sprite % 256);
        entry.SubNumber = sprite > 255 ? 1 : 0;
        entry.IsSprite = true;
    }
    return entry;
}

// Removes the selected entries; false (with the message) when that would
// leave the level empty.
bool RemoveSelected(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.LastObjectIndex() < 1 || SelectedEntries(level).size() >= level.LevelObjects.size()) {
        report.Messages.push_back(Message{LastEntryTitle, LastEntryText});
        return false;
    }
    // The selection is in range (the editor settles it after every operation),
    // and afterwards the editor pulls it back onto the last entry if need be.
    RemoveEntries(level, SelectedEntries(level));
    // The popup's lines name entries that may have moved.
    ClosePopup(state, report);
    return true;
}

// Whether the definition files in use define what `item` is.
bool IsDefined(const LevelObject& item, const Catalogues& defs) {
    if (item.IsSprite)
        return item.SpriteNumber() < SpriteCount && !defs.SpriteDefs[item.SpriteNumber()].Name.empty();
    const ByteClass kind = defs.ObjectDefs[item.Number].ByteCount;
    if (kind == ByteClass::Special) return !defs.SpecialObjectDefs[item.SubNumber].Name.empty();
    return kind == ByteClass::FourByte || kind == ByteClass::FiveByte;
}

// A pasted item as this image's definition files can store it: the size
// Create would give, with the pasted extent on each axis the record stores.
LevelObject PastedEntry(const Catalogues& defs, const LevelObject& item) {
    LevelObject entry = NewEntry(defs, EntryValueOf(item, defs));
    entry.Number = item.Number;
    entry.X = item.X;
    entry.Y = item.Y;
    entry.Width = ClampDraggedExtent(defs, entry, item.Width, Axis::Horizontal);
    entry.Height = ClampDraggedExtent(defs, entry, item.Height, Axis::Vertical);
    return entry;
}

// Scroll position that centres tile `tile` on a surface `pixels` wide; ties to even.
int CentredScroll(int tile, int pixels, int zoom) {
    return RoundHalfEven(tile - static_cast<double>(pixels) / (2.0 * (zoom > 0 ? zoom : 1)));
}

}  // namespace

void CreateItem(EditorState& state, const Catalogues& defs, std::optional<int> selectedEntryValue,
                ChangeReport& report) {
    if (state.InScreenExitMode()) return CreateExit(state, report);
    if (selectedEntryValue && *selectedEntryValue == 0) {
        report.Messages.push_back(Message{SpecialNudgeTitle, SpecialNudgeText});
        return;
    }
    if (!selectedEntryValue) {
        report.Messages.push_back(Message{NoSelectionTitle, NoSelectionText});
        return;
    }
    const int value = *selectedEntryValue;
    // The catalogue list never holds other values.
    if (value < 0 || value > LastEntryValue) return;
    if (value < SpecialEntryBase && defs.ObjectDefs[value].ByteCount == ByteClass::EndOfList) {
        report.Messages.push_back(Message{EndOfListTitle, EndOfListText});
        return;
    }

    LevelModel& level = state.Level;
    LevelObject entry = NewEntry(defs, value);
    // The view may show the area outside the level; keep what the record can hold.
    entry.X = static_cast<uint8_t>(std::clamp(state.View.H.Value, 0, LastColumn));
    entry.Y =
        static_cast<uint8_t>(std::clamp(state.View.V.Value, 0, entry.IsSprite ? LastSpriteRow : LastRow));
    level.LevelObjects.push_back(entry);
    if (!entry.IsSprite) level.SelectedObject = level.LastObjectIndex();
    ClosePopup(state, report);
    report.PictureChanged = true;
}

void RemoveItem(EditorState& state, ChangeReport& report) {
    if (state.InScreenExitMode()) return RemoveExit(state, report);
    if (RemoveSelected(state, report)) report.PictureChanged = true;
}

void PasteItems(EditorState& state, const Catalogues& defs, std::vector<LevelObject> items,
                std::optional<PointerPosition> pointer, ChangeReport& report) {
    for (LevelObject& item : items) {
        if (!IsDefined(item, defs)) {
            report.Messages.push_back(Message{UnknownPasteTitle, "The clipboard holds " +
                                                                     EntryName(EntryValueOf(item, defs)) +
                                                                     ", which the definition files in use do "
                                                                     "not define. Nothing was pasted."});
            return;
        }
        item = PastedEntry(defs, item);
    }
    const ViewState& view = state.View;
    const TilePoint at =
        pointer ? PointerTile(view, pointer->X, pointer->Y) : TilePoint{view.H.Value, view.V.Value};
    AppendGroup(state.Level, std::move(items), TileShift{at.X, at.Y});
    ClosePopup(state, report);
    report.PictureChanged = true;
}

void ClearLevel(EditorState& state, ChangeReport& report) {
    if (state.InScreenExitMode()) return ClearExits(state, report);
    LevelModel& level = state.Level;
    if (level.LastObjectIndex() < 1) {
        RemoveSelected(state, report);  // nothing to remove: says why
        return;
    }
    // The same result as removing the selected entry until one is left, in
    // one pass (a level read from odd bytes may hold hundreds of thousands):
    // those removals take the entries from the selection onwards, then from
    // the end, so the first entry survives unless the selection was on it,
    // and then the last one does.
    const LevelObject survivor =
        level.SelectedObject == 0 ? level.LevelObjects.back() : level.LevelObjects.front();
    level.LevelObjects.assign(1, survivor);
    ClosePopup(state, report);
    report.PictureChanged = true;
}

void GotoObject(EditorState& state, ChangeReport&) {
    LevelModel& level = state.Level;
    ViewState& view = state.View;
    if (!level.HoldsEntry(level.SelectedObject)) return;
    const LevelObject& entry = level.LevelObjects[level.SelectedObject];
    SetScrollValue(view.H, CentredScroll(entry.X, view.SurfaceWidth, view.Zoom));
    SetScrollValue(view.V, CentredScroll(entry.Y, view.SurfaceHeight, view.Zoom));
}

void NextObject(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.SelectedObject < level.LastObjectIndex()) ++level.SelectedObject;
    GotoObject(state, report);
    report.PictureChanged = true;
}

void PreviousObject(EditorState& state, ChangeReport& report) {
    LevelModel& level = state.Level;
    if (level.SelectedObject > 0) --level.SelectedObject;
    GotoObject(state, report);
    report.PictureChanged = true;
}

void ArrowKey(EditorState& state, ArrowDirection direction, ChangeReport&) {
    ViewState& view = state.View;
    const bool horizontal = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
    const int step = (direction == ArrowDirection::Left || direction == ArrowDirection::Up) ? -1 : 1;
    ScrollBarState& bar = horizontal ? view.H : view.V;
    // At either end of the range the position stays where it is.
    SetScrollValue(bar, bar.Value + step);
}

}  // namespace tarnloft
