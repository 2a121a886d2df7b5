// Test helpers: hand-written byte strings, scratch folders and image files,
// and a small catalogue for the stream tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/catalogues.h"
#include "level/levelmodel.h"
#include "rom/romimage.h"

using namespace tarnloft;

namespace testrom {

// "5A 00*3" gives 5A 00 00 00.
inline std::vector<uint8_t> Bytes(const std::string& text) {
    std::vector<uint8_t> out;
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        size_t star = token.find('*');
        size_t count = star == std::string::npos ? 1 : std::stoul(token.substr(star + 1));
        out.insert(out.end(), count, uint8_t(std::stoul(token.substr(0, star), nullptr, 16)));
    }
    return out;
}

inline void Put(std::vector<uint8_t>& image, size_t offset, const std::vector<uint8_t>& bytes) {
    image.resize(std::max(image.size(), offset + bytes.size()));
    std::copy(bytes.begin(), bytes.end(), image.begin() + std::ptrdiff_t(offset));
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch folder, removed with everything in it.
struct TempFolder {
    char Path[26] = "/tmp/tarnloft-test-XXXXXX";
    TempFolder() { EXPECT_TRUE(mkdtemp(Path)); }
    ~TempFolder() {
        std::error_code e;
        std::filesystem::remove_all(Path, e);
    }
    std::string File(const std::string& name) const { return Path + ("/" + name); }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(File(name)) << text; }
};

// A hand-written image in a scratch file, opened.
struct TempRom : TempFolder {
    RomImage Rom;
    explicit TempRom(const std::vector<uint8_t>& bytes) {
        Write("game.smc", std::string(bytes.begin(), bytes.end()));
        EXPECT_FALSE(Rom.Open(File("game.smc")));
    }
    std::vector<uint8_t> Bytes() const { return ReadFile(File("game.smc")); }
};

// A small image with one level, loaded by its offsets: header A0..A9, object
// 5A and object 10, no exits, 4 free bytes; sprite 12A, 3 free bytes; all
// among filler bytes EA.
inline constexpr size_t SmallObjectOffset = 0x100, SmallSpriteOffset = 0x200;
inline std::vector<uint8_t> SmallLevelImage() {
    std::vector<uint8_t> image(0x300, 0xEA);
    Put(image, SmallObjectOffset,
        Bytes("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 5A 32 47 00 FF 10 01 23 45 FF FF 00*4"));
    Put(image, SmallSpriteOffset, Bytes("2A 65 90 FF FF 00*3"));
    return image;
}

// 5A five-byte; 10, 11, 12 four-byte with SizeMode 0, 1, 2; special 03 is 2 x 3.
inline Catalogues Defs() {
    Catalogues defs;
    defs.ObjectDefs[0x00].ByteCount = ByteClass::Special;
    defs.ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
    defs.ObjectDefs[0x5A].ByteCount = ByteClass::FiveByte;
    for (int mode = 0; mode < 3; ++mode) {
        defs.ObjectDefs[0x10 + mode].ByteCount = ByteClass::FourByte;
        defs.ObjectDefs[0x10 + mode].SizeMode = uint8_t(mode);
    }
    defs.SpecialObjectDefs[0x03].Width = 2;
    defs.SpecialObjectDefs[0x03].Height = 3;
    return defs;
}

inline LevelObject Obj(uint8_t number, uint8_t x, uint8_t y, int w, int h, uint8_t sub = 0) {
    return {number, sub, x, y, int16_t(w), int16_t(h), false};
}
inline LevelObject Sprite(int number, uint8_t x, uint8_t y) {
    return {uint8_t(number & 0xFF), uint8_t(number >> 8), x, y, 1, 1, true};
}

}  // namespace testrom
