#include "catalogue/definitionfiles.h"

#include <cstdint>
#include <optional>
#include <tuple>

#include "catalogue/freespacefile.h"
#include "catalogue/recordfile.h"

namespace tarnloft {

namespace {

void ApplyFlags(ObjectDef& def, const ObjectFlags& flags) {
    def.IsSlope = flags.IsSlope;
    def.DrawFlagTwo = flags.DrawFlagTwo;
    def.DrawFlagThree = flags.DrawFlagThree;
    def.SlopeRun = flags.SlopeRun;
    def.SlopeRise = flags.SlopeRise;
}

// A list item of the exit editor and the level index dialog: the first field
// as written, a blank and the name; the value is the first field in hex.
std::optional<std::string> AppendListItem(const RecordReader& record, int64_t max, const char* what,
                                          std::vector<ListItem>& items, int64_t* valueOut) {
    std::string error;
    auto value = record.Hex(0, max, what, error);
    if (!value) return error;
    items.push_back(ListItem{record.Text(0) + " " + record.Text(1), static_cast<int>(*value)});
    if (valueOut) *valueOut = *value;
    return std::nullopt;
}

// One record of O5Data.dat (number, name, flags, cross-section, colour) or
// of O4Data.dat, which has the size mode after the name. A number that both
// files define ends up with the later record's fields.
std::optional<std::string> ReadObjectRecord(const RecordReader& r, ByteClass byteClass, bool hasSizeMode,
                                            Catalogues& defs) {
    std::string e;
    const size_t flagsField = hasSizeMode ? 3 : 2;
    auto number = r.Hex(0, ObjectCount - 1, "object number", e);
    if (!number) return e;
    std::optional<int64_t> sizeMode = 0;
    if (hasSizeMode) sizeMode = r.Decimal(2, 0, 255, "size mode", e);
    if (!sizeMode) return e;
    auto flags = r.Flags(flagsField, e);
    if (!flags) return e;
    auto cross = r.CrossSection(flagsField + 1, e);
    if (!cross) return e;
    auto colour = r.Colour(flagsField + 2, e);
    if (!colour) return e;
    ObjectDef& def = defs.ObjectDefs[*number];
    def.Name = r.Text(1);
    def.ByteCount = byteClass;
    def.CrossSection = *cross;
    def.SizeMode = static_cast<uint8_t>(*sizeMode);
    ApplyFlags(def, *flags);
    def.Colour = *colour;
    return std::nullopt;
}

std::optional<std::string> ReadSpecialRecord(const RecordReader& r, Catalogues& defs) {
    std::string e;
    auto number = r.Hex(0, SpecialCount - 1, "special number", e);
    if (!number) return e;
    auto width = r.Decimal(2, 0, 255, "width", e);
    if (!width) return e;
    auto height = r.Decimal(3, 0, 255, "height", e);
    if (!height) return e;
    auto cross = r.CrossSection(4, e);
    if (!cross) return e;
    auto colour = r.Colour(5, e);
    if (!colour) return e;
    SpecialObjectDef& def = defs.SpecialObjectDefs[*number];
    def.Name = r.Text(1);
    def.Width = static_cast<uint8_t>(*width);
    def.Height = static_cast<uint8_t>(*height);
    def.CrossSection = *cross;
    def.Colour = *colour;
    return std::nullopt;
}

std::optional<std::string> ReadSpriteRecord(const RecordReader& r, Catalogues& defs) {
    std::string e;
    auto number = r.Hex(0, SpriteCount - 1, "sprite number", e);
    if (!number) return e;
    auto colour = r.Colour(2, e);
    if (!colour) return e;
    defs.SpriteDefs[*number].Name = r.Text(1);
    defs.SpriteDefs[*number].Colour = *colour;
    return std::nullopt;
}

std::optional<std::string> ReadLevelRecord(const RecordReader& r, Catalogues& defs) {
    int64_t index = 0;
    if (auto e = AppendListItem(r, LevelCount - 1, "level index", defs.DestinationLevels, &index)) return e;
    defs.LevelNames[index] = r.Text(1);
    return std::nullopt;
}

}  // namespace

DefinitionLoad LoadDefinitionFiles(const std::string& folder) {
    DefinitionLoad result;
    Catalogues& defs = result.Defs;
    // In this order: a number that both object files define takes the
    // four-byte record's fields.
    const std::tuple<const char*, size_t, RecordHandler> files[] = {
        {"O5Data.dat", 5,
         [&defs](const RecordReader& r) { return ReadObjectRecord(r, ByteClass::FiveByte, false, defs); }},
        {"O4Data.dat", 6,
         [&defs](const RecordReader& r) { return ReadObjectRecord(r, ByteClass::FourByte, true, defs); }},
        {"O4SData.dat", 6, [&defs](const RecordReader& r) { return ReadSpecialRecord(r, defs); }},
        {"SpriteData.dat", 3, [&defs](const RecordReader& r) { return ReadSpriteRecord(r, defs); }},
        {"LevelList.dat", 2, [&defs](const RecordReader& r) { return ReadLevelRecord(r, defs); }},
        {"EntranceTypes.dat", 2, [&defs](const RecordReader& r) {
             return AppendListItem(r, 0xFF, "entrance type", defs.EntranceTypes, nullptr);
         }}};
    std::optional<std::string> error;
    for (const auto& [name, fields, reader] : files)
        if (!error) error = ReadRecords(folder, name, fields, reader);
    if (!error) {
        FreeSpaceLoad freeSpace = LoadFreeSpace(folder);
        if (!freeSpace.Ok) error = freeSpace.Error;
        defs.FreeSpace = std::move(freeSpace.Ranges);
    }
    if (error) {
        result.Error = *error;
        result.Defs = Catalogues{};
        return result;
    }
    // Object 0 is always the special object and 0xFF always ends the list.
    defs.ObjectDefs[0].ByteCount = ByteClass::Special;
    defs.ObjectDefs[0].SizeMode = 0;
    defs.ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
    result.Ok = true;
    return result;
}

LevelOffsetsLoad LoadLevelOffsets(const std::string& folder) {
    static constexpr size_t MaxRecords = 256;
    LevelOffsetsLoad result;
    auto error = ReadRecords(folder, "LevelOffsets.dat", 2, [&result](const RecordReader& r) {
        std::string e;
        if (result.Entries.size() == MaxRecords) {
            return std::optional<std::string>(r.Fail("more than 256 records"));
        }
        // Offsets are 32-bit signed file offsets.
        auto offset = r.Hex(0, INT32_MAX, "offset", e);
        if (!offset) return std::optional<std::string>(e);
        result.Entries.push_back(LevelOffsetEntry{*offset, r.Text(1)});
        return std::optional<std::string>();
    });
    if (error) {
        result.Error = *error;
        result.Entries.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

LevelListLoad LoadLevelList(const std::string& folder) {
    LevelListLoad result;
    auto error = ReadRecords(folder, "LevelList.dat", 2, [&result](const RecordReader& r) {
        return AppendListItem(r, LevelCount - 1, "level index", result.Items, nullptr);
    });
    if (error) {
        result.Error = *error;
        result.Items.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

}  // namespace tarnloft
