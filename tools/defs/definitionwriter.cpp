#include "definitionwriter.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "util/hex.h"

namespace tarnloft {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string ColourText(Rgb colour) {
    return HexPadded(colour.R, 2) + HexPadded(colour.G, 2) + HexPadded(colour.B, 2);
}

// The seven-character flags field that reads back as these fields.
std::string FlagsText(const ObjectDef& def) {
    std::string flags = "000 0 0";
    flags[0] = def.IsSlope ? '1' : '0';
    flags[1] = def.DrawFlagTwo ? '1' : '0';
    flags[2] = def.DrawFlagThree ? '1' : '0';
    flags[4] = static_cast<char>('0' + def.SlopeRun % 10);
    flags[6] = static_cast<char>('0' + def.SlopeRise % 10);
    return flags;
}

// One record; O4Data.dat records carry the size mode after the name.
std::string Record(uint8_t number, const ObjectDef* known, bool fourByte) {
    const std::string name = known ? known->Name : "Object " + HexPadded(number, 2);
    std::string line = HexPadded(number, 2) + "," + Quoted(name) + ",";
    if (fourByte) line += std::to_string(known ? known->SizeMode : 0) + ",";
    line += Quoted(known ? FlagsText(*known) : "0000000") + ",";
    line += std::string(known && known->CrossSection ? "1" : "0") + ",";
    line += ColourText(known ? known->Colour : MadeUpColour(number));
    return line + "\n";
}

bool Defines(const Catalogues* existing, uint8_t number) {
    if (!existing) return false;
    const ByteClass byteClass = existing->ObjectDefs[number].ByteCount;
    return byteClass == ByteClass::FourByte || byteClass == ByteClass::FiveByte;
}

std::optional<std::string> WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) return path + ": cannot be written";
    return std::nullopt;
}

}  // namespace

Rgb MadeUpColour(uint8_t number) {
    // Hues a golden-ratio turn apart, light enough for black labels.
    const double hue = std::fmod(number * 0.381966, 1.0) * 6.0;
    const double saturation = 0.45, value = 0.95;
    const int sector = static_cast<int>(hue);
    const double f = hue - sector;
    const double p = value * (1 - saturation), q = value * (1 - saturation * f),
                 t = value * (1 - saturation * (1 - f));
    double r, g, b;
    switch (sector) {
        case 0:
            r = value, g = t, b = p;
            break;
        case 1:
            r = q, g = value, b = p;
            break;
        case 2:
            r = p, g = value, b = t;
            break;
        case 3:
            r = p, g = q, b = value;
            break;
        case 4:
            r = t, g = p, b = value;
            break;
        default:
            r = value, g = p, b = q;
            break;
    }
    auto channel = [](double c) { return static_cast<uint8_t>(std::lround(c * 255)); };
    return Rgb{channel(r), channel(g), channel(b)};
}

DefinitionTexts FormatDefinitions(const Inference& inference, const Catalogues* existing) {
    DefinitionTexts texts;
    // Object 00 is always the special object; keep its name and colour.
    if (existing && !existing->ObjectDefs[0].Name.empty())
        texts.FourByte += Record(0x00, &existing->ObjectDefs[0], true);
    for (const NumberFinding& finding : inference.Numbers) {
        if (finding.Kind != Finding::Decided) continue;
        const ObjectDef* known =
            Defines(existing, finding.Number) ? &existing->ObjectDefs[finding.Number] : nullptr;
        if (finding.Length == 5)
            texts.FiveByte += Record(finding.Number, known, false);
        else
            texts.FourByte += Record(finding.Number, known, true);
    }
    return texts;
}

std::optional<std::string> CheckOutputFolder(const std::string& folder, bool force) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(folder, error)) return folder + ": no such folder";
    if (force) return std::nullopt;
    for (const char* name : {"O5Data.dat", "O4Data.dat"}) {
        const fs::path path = fs::path(folder) / name;
        if (fs::exists(path, error) || error)
            return path.string() + " already exists (--force overwrites it)";
    }
    return std::nullopt;
}

std::optional<std::string> WriteDefinitions(const std::string& folder, const DefinitionTexts& texts,
                                            bool force) {
    namespace fs = std::filesystem;
    const std::string fivePath = (fs::path(folder) / "O5Data.dat").string();
    const std::string fourPath = (fs::path(folder) / "O4Data.dat").string();
    std::error_code error;
    if (auto refused = CheckOutputFolder(folder, force)) return refused;
    // Both files are written in full beside their final names first, so a
    // failure leaves neither half-written.
    if (auto e = WriteFile(fivePath + ".new", texts.FiveByte)) return e;
    if (auto e = WriteFile(fourPath + ".new", texts.FourByte)) {
        fs::remove(fivePath + ".new", error);
        return e;
    }
    fs::rename(fivePath + ".new", fivePath, error);
    if (!error) fs::rename(fourPath + ".new", fourPath, error);
    if (error) {
        fs::remove(fivePath + ".new", error);
        fs::remove(fourPath + ".new", error);
        return folder + ": the definition files cannot be put in place";
    }
    return std::nullopt;
}

}  // namespace tarnloft
