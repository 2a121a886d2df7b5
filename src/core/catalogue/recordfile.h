// Reading the definition files' records: one quoted comma-separated record
// per line, typed field access, and errors that name the file and the line.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "util/rgb.h"

namespace tarnloft {

// The flag-derived fields of an object record.
struct ObjectFlags {
    bool IsSlope = false;
    bool DrawFlagTwo = false;
    bool DrawFlagThree = false;
    uint8_t SlopeRun = 0;
    uint8_t SlopeRise = 0;
};

// Field parsers: nullopt when the field does not have the expected form.
std::optional<int64_t> ParseHexField(const std::string& field);
std::optional<int64_t> ParseDecimalField(const std::string& field);
std::optional<Rgb> ParseColourField(const std::string& field);
std::optional<ObjectFlags> ParseFlagsField(const std::string& field);

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

// The path of `fileName` in `folder` ("" is the current folder).
std::string JoinPath(const std::string& folder, const char* fileName);

using RecordHandler = std::function<std::optional<std::string>(const RecordReader&)>;

// Reads every non-blank line of `fileName` in `folder` as a record of exactly
// `fieldCount` fields and hands it to `handler`. Returns the first error.
std::optional<std::string> ReadRecords(const std::string& folder, const char* fileName, size_t fieldCount,
                                       const RecordHandler& handler);

}  // namespace tarnloft
