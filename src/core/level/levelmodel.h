// The one loaded level: objects and sprites in one array, screen exits,
// header bytes, and where and how much room the streams have in the image.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace tarnloft {

// Sizes fixed by the image format.
inline constexpr int HeaderSize = 10;         // header bytes in front of the object stream
inline constexpr int ExitRecordSize = 5;      // one screen exit
inline constexpr int FourByteRecordSize = 4;  // a four-byte or special object
inline constexpr int FiveByteRecordSize = 5;  // a five-byte object
inline constexpr int SpriteRecordSize = 3;    // one sprite
inline constexpr int TilesPerScreen = 16;     // a screen is 16 x 16 tiles
inline constexpr int ScreensPerSide = 16;     // screen columns and rows 0..15
inline constexpr int LastColumn = 255;        // X of any record: one byte
inline constexpr int LastRow = 255;           // Y of an object record: one byte
inline constexpr int LastSpriteRow = 127;     // Y of a sprite record: seven bits

struct LevelObject {
    uint8_t Number = 0;
    uint8_t SubNumber = 0;  // special number, or bit 8 of a sprite number
    uint8_t X = 0;
    uint8_t Y = 0;
    int16_t Width = 1;
    int16_t Height = 1;
    bool IsSprite = false;

    int SpriteNumber() const { return SubNumber * 256 + Number; }
    friend bool operator==(const LevelObject& a, const LevelObject& b) {
        return a.Number == b.Number && a.SubNumber == b.SubNumber && a.X == b.X && a.Y == b.Y &&
               a.Width == b.Width && a.Height == b.Height && a.IsSprite == b.IsSprite;
    }
};

struct ScreenExit {
    uint8_t ScreenX = 0;
    uint8_t ScreenY = 0;
    uint8_t Destination = 0;
    uint8_t EntranceX = 0;
    uint8_t EntranceY = 0;
    uint8_t EntranceType = 0;
    friend bool operator==(const ScreenExit& a, const ScreenExit& b) {
        return a.ScreenX == b.ScreenX && a.ScreenY == b.ScreenY && a.Destination == b.Destination &&
               a.EntranceX == b.EntranceX && a.EntranceY == b.EntranceY && a.EntranceType == b.EntranceType;
    }
};

struct LevelModel {
    std::vector<LevelObject> LevelObjects;
    std::vector<ScreenExit> ScreenExits;
    int SelectedObject = 0;  // the primary selected entry
    // Every selected entry, ascending; it holds SelectedObject whenever there
    // are entries (the editor keeps it so). One member is the plain selection.
    std::vector<int> Selection;
    int SelectedScreenExit = 0;
    std::array<uint8_t, HeaderSize> HeaderBytes{};

    // 1-based file positions, fixed at load time.
    int64_t ObjectDataPos = 0;
    int64_t SpriteDataPos = 0;

    // Byte counters. 64-bit: the zero run behind a stream can reach
    // megabytes at the end of an image, far beyond 16 bits.
    int64_t ObjectBytesUsed = 0;
    int64_t ObjectBytesRoom = 0;
    int64_t SpriteBytesUsed = 0;
    int64_t SpriteBytesRoom = 0;

    // Other listed levels whose table rows lead to the same object or sprite
    // stream: a save in place changes them too. Found at load time.
    std::vector<int> ObjectsSharedWith;
    std::vector<int> SpritesSharedWith;

    int LastObjectIndex() const { return static_cast<int>(LevelObjects.size()) - 1; }
    int LastScreenExit() const { return static_cast<int>(ScreenExits.size()) - 1; }
    bool HoldsEntry(int index) const { return index >= 0 && index <= LastObjectIndex(); }
    bool HoldsExit(int index) const { return index >= 0 && index <= LastScreenExit(); }
};

// Gives `level` the home of `home`: where its streams lie and their rooms.
inline void KeepHome(LevelModel& level, const LevelModel& home) {
    level.ObjectDataPos = home.ObjectDataPos;
    level.SpriteDataPos = home.SpriteDataPos;
    level.ObjectBytesRoom = home.ObjectBytesRoom;
    level.SpriteBytesRoom = home.SpriteBytesRoom;
    level.ObjectsSharedWith = home.ObjectsSharedWith;
    level.SpritesSharedWith = home.SpritesSharedWith;
}

}  // namespace tarnloft
