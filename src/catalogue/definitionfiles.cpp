#include "catalogue/definitionfiles.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trim(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A field of hex digits only (no prefix, no sign). Saturates instead of
// wrapping so that an over-long number is reported as out of range.
std::optional<int64_t> ParseHexField(const std::string& field) {
    if (field.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : field) {
        int digit = HexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value > (INT64_MAX >> 4) ? INT64_MAX : (value << 4) | digit;
    }
    return value;
}

// A plain decimal integer with an optional sign.
std::optional<int64_t> ParseDecimalField(const std::string& field) {
    size_t i = 0;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    if (i == field.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < field.size(); ++i) {
        char c = field[i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value > (INT64_MAX - 9) / 10 ? INT64_MAX : value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::optional<Rgb> ParseColourField(const std::string& field) {
    if (field.size() != 6) return std::nullopt;
    uint8_t channel[3];
    for (int i = 0; i < 3; ++i) {
        int high = HexDigitValue(field[2 * i]);
        int low = HexDigitValue(field[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        channel[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return Rgb{channel[0], channel[1], channel[2]};
}

// The flag-derived fields of an object record.
struct ObjectFlags {
    bool IsSlope = false;
    bool DrawFlagTwo = false;
    bool DrawFlagThree = false;
    uint8_t SlopeRun = 0;
    uint8_t SlopeRise = 0;
};

// Read by character position: 1 slope, 2 and 3 drawing hints, 5 run,
// 7 rise. Other positions are free (blanks by convention); a short string
// leaves the remaining fields at false / 0.
std::optional<ObjectFlags> ParseFlagsField(const std::string& field) {
    auto digitAt = [&field](size_t position, int& out) {
        if (field.size() < position) {
            out = 0;
            return true;
        }
        char c = field[position - 1];
        if (c < '0' || c > '9') return false;
        out = c - '0';
        return true;
    };
    int slope, two, three, run, rise;
    if (!digitAt(1, slope) || !digitAt(2, two) || !digitAt(3, three) || !digitAt(5, run) ||
        !digitAt(7, rise)) {
        return std::nullopt;
    }
    ObjectFlags flags;
    flags.IsSlope = slope == 1;
    flags.DrawFlagTwo = two == 1;
    flags.DrawFlagThree = three == 1;
    flags.SlopeRun = static_cast<uint8_t>(run);
    flags.SlopeRise = static_cast<uint8_t>(rise);
    return flags;
}

std::string JoinPath(const std::string& folder, const char* fileName) {
    if (folder.empty()) return fileName;
    if (folder.back() == '/') return folder + fileName;
    return folder + "/" + fileName;
}

// One record being read: gives field access with errors that name the file and line.
class RecordReader {
public:
    RecordReader(const char* fileName, int line, const std::vector<std::string>& fields)
        : fileName_(fileName), line_(line), fields_(fields) {}

    std::string Fail(const std::string& what) const {
        return std::string(fileName_) + ", line " + std::to_string(line_) + ": " + what;
    }

    const std::string& Text(size_t index) const { return fields_[index]; }

    // A hexadecimal number field that must lie in [0, max].
    std::optional<int64_t> Hex(size_t index, int64_t max, const char* what, std::string& error) const {
        auto value = ParseHexField(fields_[index]);
        if (!value) {
            error = Fail(std::string(what) + " \"" + fields_[index] + "\" is not a hexadecimal number");
            return std::nullopt;
        }
        if (*value > max) {
            error = Fail(std::string(what) + " " + fields_[index] + " is out of range");
            return std::nullopt;
        }
        return value;
    }

    std::optional<int64_t> Decimal(size_t index, int64_t min, int64_t max, const char* what,
                                   std::string& error) const {
        auto value = ParseDecimalField(fields_[index]);
        if (!value) {
            error = Fail(std::string(what) + " \"" + fields_[index] + "\" is not a decimal number");
            return std::nullopt;
        }
        if (*value < min || *value > max) {
            error = Fail(std::string(what) + " " + fields_[index] + " is out of range");
            return std::nullopt;
        }
        return value;
    }

    std::optional<Rgb> Colour(size_t index, std::string& error) const {
        auto value = ParseColourField(fields_[index]);
        if (!value) error = Fail("colour \"" + fields_[index] + "\" is not six hexadecimal digits");
        return value;
    }

    std::optional<ObjectFlags> Flags(size_t index, std::string& error) const {
        auto value = ParseFlagsField(fields_[index]);
        if (!value) error = Fail("flags \"" + fields_[index] + "\" have a non-digit where a digit is read");
        return value;
    }

    // The cross-section field is an integer; only 1 means set.
    std::optional<bool> CrossSection(size_t index, std::string& error) const {
        auto value = Decimal(index, INT64_MIN, INT64_MAX, "cross-section", error);
        if (!value) return std::nullopt;
        return *value == 1;
    }

private:
    const char* fileName_;
    int line_;
    const std::vector<std::string>& fields_;
};

using RecordHandler = std::function<std::optional<std::string>(const RecordReader&)>;

// Reads every non-blank line of `fileName` in `folder` as a record of exactly
// `fieldCount` fields and hands it to `handler`. Returns the first error.
std::optional<std::string> ReadRecords(const std::string& folder, const char* fileName, size_t fieldCount,
                                       const RecordHandler& handler) {
    std::ifstream in(JoinPath(folder, fileName), std::ios::binary);
    if (!in) return std::string(fileName) + ": the file is missing or cannot be read";
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (Trim(line).empty()) continue;
        std::vector<std::string> fields = SplitRecord(line);
        RecordReader record(fileName, lineNumber, fields);
        if (fields.size() != fieldCount) {
            return record.Fail("expected " + std::to_string(fieldCount) + " fields, found " +
                               std::to_string(fields.size()));
        }
        if (auto error = handler(record)) return error;
    }
    if (in.bad()) return std::string(fileName) + ": the file cannot be read";
    return std::nullopt;
}

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

}  // namespace

std::vector<std::string> SplitRecord(const std::string& line) {
    std::vector<std::string> fields;
    size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    size_t i = 0;
    while (i < end && IsBlank(line[i])) ++i;
    if (i == end) return fields;

    while (true) {
        while (i < end && IsBlank(line[i])) ++i;
        std::string field;
        if (i < end && line[i] == '"') {
            // Quoted: commas are literal, "" is one quote, the closing quote ends it.
            ++i;
            while (i < end) {
                if (line[i] == '"') {
                    if (i + 1 < end && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            // Anything between the closing quote and the next comma is kept.
            size_t start = i;
            while (i < end && line[i] != ',') ++i;
            field += Trim(line.substr(start, i - start));
        } else {
            size_t start = i;
            while (i < end && line[i] != ',') ++i;
            field = Trim(line.substr(start, i - start));
        }
        fields.push_back(std::move(field));
        if (i >= end) break;
        ++i;  // the comma; a trailing comma leaves one empty field behind it
        if (i == end) {
            fields.emplace_back();
            break;
        }
    }
    return fields;
}

DefinitionLoad LoadDefinitionFiles(const std::string& folder) {
    DefinitionLoad result;
    Catalogues& defs = result.Defs;
    std::optional<std::string> error;

    error =
        ReadRecords(folder, "O5Data.dat", 5, [&defs](const RecordReader& r) -> std::optional<std::string> {
            std::string e;
            auto number = r.Hex(0, ObjectCount - 1, "object number", e);
            if (!number) return e;
            auto flags = r.Flags(2, e);
            if (!flags) return e;
            auto cross = r.CrossSection(3, e);
            if (!cross) return e;
            auto colour = r.Colour(4, e);
            if (!colour) return e;
            ObjectDef& def = defs.ObjectDefs[*number];
            def.Name = r.Text(1);
            def.ByteCount = ByteClass::FiveByte;
            def.CrossSection = *cross;
            def.SizeMode = 0;
            ApplyFlags(def, *flags);
            def.Colour = *colour;
            return std::nullopt;
        });
    if (!error) {
        error = ReadRecords(folder, "O4Data.dat", 6,
                            [&defs](const RecordReader& r) -> std::optional<std::string> {
                                std::string e;
                                auto number = r.Hex(0, ObjectCount - 1, "object number", e);
                                if (!number) return e;
                                auto sizeMode = r.Decimal(2, 0, 255, "size mode", e);
                                if (!sizeMode) return e;
                                auto flags = r.Flags(3, e);
                                if (!flags) return e;
                                auto cross = r.CrossSection(4, e);
                                if (!cross) return e;
                                auto colour = r.Colour(5, e);
                                if (!colour) return e;
                                ObjectDef& def = defs.ObjectDefs[*number];
                                def.Name = r.Text(1);
                                def.ByteCount = ByteClass::FourByte;
                                def.CrossSection = *cross;
                                def.SizeMode = static_cast<uint8_t>(*sizeMode);
                                ApplyFlags(def, *flags);
                                def.Colour = *colour;
                                return std::nullopt;
                            });
    }
    if (!error) {
        // Object 0 is always the special object and 0xFF always ends the list.
        defs.ObjectDefs[0].ByteCount = ByteClass::Special;
        defs.ObjectDefs[0].SizeMode = 0;
        defs.ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
        error = ReadRecords(folder, "O4SData.dat", 6,
                            [&defs](const RecordReader& r) -> std::optional<std::string> {
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
                            });
    }
    if (!error) {
        error = ReadRecords(folder, "SpriteData.dat", 3,
                            [&defs](const RecordReader& r) -> std::optional<std::string> {
                                std::string e;
                                auto number = r.Hex(0, SpriteCount - 1, "sprite number", e);
                                if (!number) return e;
                                auto colour = r.Colour(2, e);
                                if (!colour) return e;
                                defs.SpriteDefs[*number].Name = r.Text(1);
                                defs.SpriteDefs[*number].Colour = *colour;
                                return std::nullopt;
                            });
    }
    if (!error) {
        error = ReadRecords(
            folder, "LevelList.dat", 2, [&defs](const RecordReader& r) -> std::optional<std::string> {
                int64_t index = 0;
                if (auto e = AppendListItem(r, LevelCount - 1, "level index", defs.DestinationLevels, &index))
                    return e;
                defs.LevelNames[index] = r.Text(1);
                return std::nullopt;
            });
    }
    if (!error) {
        error = ReadRecords(folder, "EntranceTypes.dat", 2, [&defs](const RecordReader& r) {
            return AppendListItem(r, 0xFF, "entrance type", defs.EntranceTypes, nullptr);
        });
    }

    if (error) {
        result.Error = *error;
        result.Defs = Catalogues{};
        return result;
    }
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
