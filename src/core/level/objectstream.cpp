#include "level/objectstream.h"

#include <array>

#include "rom/romreader.h"
#include "util/hex.h"

namespace tarnloft {

namespace {

constexpr uint8_t EndMarker = 0xFF;

ByteClass ClassOf(const Catalogues& defs, uint8_t number) { return defs.ObjectDefs[number].ByteCount; }

// Which axes of a four-byte object the size byte holds as a whole byte.
bool WidthIsWholeByte(uint8_t sizeMode) { return sizeMode == 1; }
bool HeightIsWholeByte(uint8_t sizeMode) { return sizeMode == 2; }
// The extent of the axis a four-byte record with a whole size byte does not store.
constexpr int16_t UnstoredAxisExtent = 2;
bool IsNibbleMode(uint8_t sizeMode) { return sizeMode != 1 && sizeMode != 2; }

// Screen and tile nibbles of a position.
uint8_t ScreenByte(const LevelObject& o) { return static_cast<uint8_t>((o.Y & 0xF0) | (o.X >> 4)); }
uint8_t TileByte(const LevelObject& o) { return static_cast<uint8_t>(((o.Y & 0x0F) << 4) | (o.X & 0x0F)); }

void SetPosition(LevelObject& o, uint8_t screen, uint8_t tile) {
    o.X = static_cast<uint8_t>((screen & 0x0F) * TilesPerScreen + (tile & 0x0F));
    o.Y = static_cast<uint8_t>((screen & 0xF0) + (tile >> 4));
}

// The encoder's form of an extent that validation has already accepted.
uint8_t WholeByteOrWrapped(int extent) {
    if (auto b = WholeByteForm(extent)) return *b;
    return static_cast<uint8_t>(extent >= 1 ? extent - 1 : extent + 257);
}

uint8_t NibbleForm(int extent) { return static_cast<uint8_t>((extent - 1) & 0x0F); }

Message PastEndMessage(int64_t position, const char* what) {
    return {"Tarnloft - Level not loaded", std::string("The ") + what + " that starts at file offset 0x" +
                                               Hex(static_cast<uint64_t>(position - 1)) +
                                               " runs past the end of the ROM image. Nothing was loaded."};
}

Message UnknownObjectMessage(uint8_t number, ByteClass byteClass) {
    return {"Tarnloft - This is bad",
            "Unknown object type (WEIRD error!) : Object " + Hex(number) + " thinks it's type" +
                std::to_string(static_cast<int>(byteClass)) + Crlf +
                "Bad things will likely happen if Tarnloft keeps running.  Aborting."};
}

std::string ExtentProblem(const LevelObject& o, int index, const char* axis, int extent, bool wholeByte) {
    std::string range = wholeByte ? "1 to 128 or -129 to -2" : "1 to 16";
    return "Object " + Hex(o.Number) + " (entry " + Hex(static_cast<uint64_t>(index)) + ") has a " + axis +
           " of " + std::to_string(extent) + " tiles, which the object data cannot store (" + range + ").";
}

}  // namespace

int ObjectRecordSize(const Catalogues& defs, uint8_t number) {
    switch (ClassOf(defs, number)) {
        case ByteClass::Special:
        case ByteClass::FourByte:
            return FourByteRecordSize;
        case ByteClass::FiveByte:
            return FiveByteRecordSize;
        default:
            return 0;
    }
}

int64_t MeasureObjectBytes(const Catalogues& defs, const LevelModel& level) {
    int64_t total = ExitRecordSize * static_cast<int64_t>(level.ScreenExits.size());
    for (const LevelObject& o : level.LevelObjects)
        if (!o.IsSprite) total += ObjectRecordSize(defs, o.Number);
    return total;
}

std::pair<int16_t, int16_t> NewObjectExtent(const Catalogues& defs, uint8_t number) {
    const ObjectDef& def = defs.ObjectDefs[number];
    if (def.ByteCount != ByteClass::FourByte) return {1, 1};
    if (WidthIsWholeByte(def.SizeMode)) return {1, UnstoredAxisExtent};
    if (HeightIsWholeByte(def.SizeMode)) return {UnstoredAxisExtent, 1};
    return {1, 1};
}

int WholeByteExtent(uint8_t sizeByte) { return sizeByte <= 0x7F ? sizeByte + 1 : sizeByte - 257; }

std::optional<uint8_t> WholeByteForm(int extent) {
    if (extent >= 1 && extent <= 128) return static_cast<uint8_t>(extent - 1);
    if (extent >= -129 && extent <= -2) return static_cast<uint8_t>(extent + 257);
    return std::nullopt;
}

namespace {

// An object from its record's bytes; `b` holds the whole record.
LevelObject DecodeRecord(const Catalogues& defs, ByteClass byteClass, const std::array<uint8_t, 5>& b) {
    LevelObject o;
    o.Number = b[0];
    SetPosition(o, b[1], b[2]);
    if (byteClass == ByteClass::Special) {
        const SpecialObjectDef& special = defs.SpecialObjectDefs[b[3]];
        o.SubNumber = b[3];
        o.Width = special.Width;
        o.Height = special.Height;
    } else if (byteClass == ByteClass::FourByte) {
        const uint8_t mode = defs.ObjectDefs[b[0]].SizeMode;
        if (WidthIsWholeByte(mode)) {
            o.Width = static_cast<int16_t>(WholeByteExtent(b[3]));
            o.Height = UnstoredAxisExtent;
        } else if (HeightIsWholeByte(mode)) {
            o.Width = UnstoredAxisExtent;
            o.Height = static_cast<int16_t>(WholeByteExtent(b[3]));
        } else {
            o.Width = static_cast<int16_t>((b[3] >> 4) + 1);
            o.Height = static_cast<int16_t>((b[3] & 0x0F) + 1);
        }
    } else {
        o.Width = static_cast<int16_t>(WholeByteExtent(b[3]));
        o.Height = static_cast<int16_t>(WholeByteExtent(b[4]));
    }
    return o;
}

// The object records from `position` up to and including their 0xFF;
// false (with the message) when they run past the end or name an undefined object.
bool DecodeObjects(RomReader& reader, const Catalogues& defs, int64_t start, int64_t& position,
                   std::vector<LevelObject>& objects, StreamDecode& result) {
    for (;;) {
        std::array<uint8_t, 5> b{};
        if (!reader.Get(position, b.data(), 1)) break;
        const ByteClass byteClass = ClassOf(defs, b[0]);
        if (byteClass == ByteClass::EndOfList) {
            ++position;
            return true;
        }
        if (byteClass != ByteClass::Special && byteClass != ByteClass::FourByte &&
            byteClass != ByteClass::FiveByte) {
            result.EndProgram = true;
            result.Messages.push_back(UnknownObjectMessage(b[0], byteClass));
            return false;
        }
        const int size = byteClass == ByteClass::FiveByte ? FiveByteRecordSize : FourByteRecordSize;
        if (!reader.Get(position, b.data(), static_cast<size_t>(size))) break;
        objects.push_back(DecodeRecord(defs, byteClass, b));
        position += size;
    }
    result.Messages.push_back(PastEndMessage(start, "object data"));
    return false;
}

// The screen exits from `position` up to and including their 0xFF.
bool DecodeExits(RomReader& reader, int64_t start, int64_t& position, std::vector<ScreenExit>& exits,
                 StreamDecode& result) {
    for (;;) {
        std::array<uint8_t, ExitRecordSize> b{};
        if (!reader.Get(position, b.data(), 1)) break;
        if (b[0] == EndMarker) {
            ++position;
            return true;
        }
        if (!reader.Get(position, b.data(), b.size())) break;
        exits.push_back(ScreenExit{static_cast<uint8_t>(b[0] & 0x0F), static_cast<uint8_t>(b[0] >> 4), b[1],
                                   b[2], b[3], b[4]});
        position += ExitRecordSize;
    }
    result.Messages.push_back(PastEndMessage(start, "screen exit list"));
    return false;
}

}  // namespace

StreamDecode DecodeObjectStream(RomReader& reader, const Catalogues& defs, int64_t position,
                                LevelModel& level) {
    StreamDecode result;
    const int64_t start = position;
    std::vector<LevelObject> objects;
    std::vector<ScreenExit> exits;
    if (!DecodeObjects(reader, defs, start, position, objects, result) ||
        !DecodeExits(reader, start, position, exits, result))
        return result;
    // Records and exits, the two terminators not counted.
    const int64_t used = position - start - 2;
    const int64_t freeBytes = reader.CountZeros(position);

    // Objects come first in the array; sprites are appended behind them later.
    level.LevelObjects = std::move(objects);
    level.ScreenExits = std::move(exits);
    level.ObjectDataPos = start - HeaderSize;
    level.ObjectBytesUsed = used;
    level.ObjectBytesRoom = used + freeBytes;
    level.SelectedObject = 0;
    level.SelectedScreenExit = 0;
    result.Ok = true;
    return result;
}

std::optional<std::string> FindUnstorableObject(const Catalogues& defs, const LevelModel& level) {
    for (size_t i = 0; i < level.LevelObjects.size(); ++i) {
        const LevelObject& o = level.LevelObjects[i];
        if (o.IsSprite) continue;
        const int index = static_cast<int>(i);
        const ByteClass byteClass = ClassOf(defs, o.Number);
        if (byteClass == ByteClass::FiveByte) {
            if (!WholeByteForm(o.Width)) return ExtentProblem(o, index, "width", o.Width, true);
            if (!WholeByteForm(o.Height)) return ExtentProblem(o, index, "height", o.Height, true);
        } else if (byteClass == ByteClass::FourByte) {
            const uint8_t mode = defs.ObjectDefs[o.Number].SizeMode;
            if (WidthIsWholeByte(mode) && !WholeByteForm(o.Width))
                return ExtentProblem(o, index, "width", o.Width, true);
            if (HeightIsWholeByte(mode) && !WholeByteForm(o.Height))
                return ExtentProblem(o, index, "height", o.Height, true);
            if (IsNibbleMode(mode)) {
                if (o.Width < 1 || o.Width > 16) return ExtentProblem(o, index, "width", o.Width, false);
                if (o.Height < 1 || o.Height > 16) return ExtentProblem(o, index, "height", o.Height, false);
            }
        }
    }
    for (size_t j = 0; j < level.ScreenExits.size(); ++j) {
        const ScreenExit& e = level.ScreenExits[j];
        // Screen 15,15 would be stored as 0xFF, which ends the exit list.
        if (e.ScreenX > 15 || e.ScreenY > 15 || (e.ScreenX == 15 && e.ScreenY == 15))
            return "Screen exit " + Hex(j) + " lies on screen " + Hex(e.ScreenX) + "," + Hex(e.ScreenY) +
                   ", which the object data cannot store.";
    }
    return std::nullopt;
}

std::vector<uint8_t> EncodeObjectStream(const Catalogues& defs, const LevelModel& level) {
    std::vector<uint8_t> out(level.HeaderBytes.begin(), level.HeaderBytes.end());
    int64_t remaining = level.ObjectBytesRoom;

    for (const LevelObject& o : level.LevelObjects) {
        if (o.IsSprite) continue;
        const ByteClass byteClass = ClassOf(defs, o.Number);
        if (byteClass == ByteClass::Special) {
            out.insert(out.end(), {o.Number, ScreenByte(o), TileByte(o), o.SubNumber});
        } else if (byteClass == ByteClass::FourByte) {
            const uint8_t mode = defs.ObjectDefs[o.Number].SizeMode;
            uint8_t size;
            if (WidthIsWholeByte(mode))
                size = WholeByteOrWrapped(o.Width);
            else if (HeightIsWholeByte(mode))
                size = WholeByteOrWrapped(o.Height);
            else
                size = static_cast<uint8_t>(NibbleForm(o.Width) * 16 + NibbleForm(o.Height));
            out.insert(out.end(), {o.Number, ScreenByte(o), TileByte(o), size});
        } else if (byteClass == ByteClass::FiveByte) {
            out.insert(out.end(), {o.Number, ScreenByte(o), TileByte(o), WholeByteOrWrapped(o.Width),
                                   WholeByteOrWrapped(o.Height)});
        } else {
            continue;  // a number without a stream class is not stored
        }
        remaining -= ObjectRecordSize(defs, o.Number);
    }
    out.push_back(EndMarker);

    for (const ScreenExit& e : level.ScreenExits) {
        out.insert(out.end(), {static_cast<uint8_t>(((e.ScreenY & 0x0F) << 4) | (e.ScreenX & 0x0F)),
                               e.Destination, e.EntranceX, e.EntranceY, e.EntranceType});
        remaining -= ExitRecordSize;
    }
    out.push_back(EndMarker);

    if (remaining > 0) out.resize(out.size() + static_cast<size_t>(remaining), 0x00);
    return out;
}

}  // namespace tarnloft
