#include "catalogue/recordfile.h"

#include <fstream>

#include "catalogue/definitionfiles.h"
#include "util/decimal.h"
#include "util/hex.h"
#include "util/text.h"

namespace tarnloft {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trim(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

}  // namespace

std::string JoinPath(const std::string& folder, const char* fileName) {
    if (folder.empty()) return fileName;
    if (folder.back() == '/') return folder + fileName;
    return folder + "/" + fileName;
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
    std::optional<int64_t> value = 0;
    for (; i < field.size() && value; ++i) value = AppendDecimalDigit(*value, field[i]);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
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

std::optional<std::string> ReadRecords(const std::string& folder, const char* fileName, size_t fieldCount,
                                       const RecordHandler& handler) {
    std::ifstream in(JoinPath(folder, fileName), std::ios::binary);
    if (!in) return std::string(fileName) + ": the file is missing or cannot be read";
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        // Every text of the definition files is kept as UTF-8, whatever wrote the file.
        line = TextAsUtf8(line);
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

}  // namespace tarnloft
