// The catalogues filled from the definition files: what the editor knows
// about object, special object, sprite and level numbers.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "util/rgb.h"

namespace tarnloft {

// Stream class of an object number (ObjectDef::ByteCount); the values are
// the class codes messages show.
enum class ByteClass : uint8_t { Undefined = 0, Special = 3, FourByte = 4, FiveByte = 5, EndOfList = 255 };

struct ObjectDef {
    std::string Name;
    ByteClass ByteCount = ByteClass::Undefined;
    bool CrossSection = false;
    uint8_t SizeMode = 0;
    bool IsSlope = false;
    uint8_t SlopeRun = 0;
    uint8_t SlopeRise = 0;
    bool DrawFlagThree = false;
    bool DrawFlagTwo = false;
    Rgb Colour;
};

struct SpecialObjectDef {
    std::string Name;
    uint8_t Width = 0;
    uint8_t Height = 0;
    bool CrossSection = false;
    Rgb Colour;
};

struct SpriteDef {
    std::string Name;
    Rgb Colour;
};

// One line of a list box: its text and its per-item integer value.
struct ListItem {
    std::string Text;
    int Value = 0;
    friend bool operator==(const ListItem& a, const ListItem& b) { return a.Text == b.Text && a.Value == b.Value; }
};

// A range of the image declared free in FreeSpace.dat: 0-based file
// offsets, copier header included, both inclusive.
struct FreeRange {
    int64_t First = 0;
    int64_t Last = 0;
    std::string Description;
};

inline constexpr int ObjectCount = 256;
inline constexpr int SpecialCount = 256;
inline constexpr int SpriteCount = 513;  // indices 0..0x200
inline constexpr int LevelCount = 256;

struct Catalogues {
    std::array<ObjectDef, ObjectCount> ObjectDefs;
    std::array<SpecialObjectDef, SpecialCount> SpecialObjectDefs;
    std::array<SpriteDef, SpriteCount> SpriteDefs;
    std::array<std::string, LevelCount> LevelNames;
    std::vector<ListItem> DestinationLevels;  // lstDestinationLevels
    std::vector<ListItem> EntranceTypes;      // lstEntranceTypes
    std::vector<FreeRange> FreeSpace;         // FreeSpace.dat, when there is one
};

}  // namespace tarnloft
