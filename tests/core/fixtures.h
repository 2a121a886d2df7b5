// What the core and tool tests share: a small hand-made catalogue, entry
// builders, an editor on a view at zoom 16, and an image in a scratch file.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "catalogue/catalogues.h"
#include "edit/editor.h"
#include "rom/romimage.h"
#include "support/testimage.h"
#include "view/viewport.h"

using namespace tarnloft;

namespace fixture {

using testimage::Bytes;
using testimage::Put;

// Object numbers by what they are: five-byte, four-byte with SizeMode 0, 1
// and 2, cross-section hidden, slope, and one that no file defines.
inline constexpr uint8_t Five = 0x5A, Nibbles = 0x10, Wide = 0x11, Tall = 0x12, Hidden = 0x20, Slope = 0x21,
                         Undefined = 0x7B;

// Colours: 5A and 20 are 0A141E, special 2F is 28323C, sprite 1A3 is 46505A.
// Special 03 is 2 x 3, special 0A 1 x 3 in the catalogue.
inline Catalogues MakeDefs() {
    Catalogues d;
    d.ObjectDefs[0x00].ByteCount = ByteClass::Special;
    d.ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
    d.ObjectDefs[Five] = {"Ledge", ByteClass::FiveByte, false, 0, false, 0, 0, false, false, {10, 20, 30}};
    d.ObjectDefs[Hidden] = {"Pipe", ByteClass::FiveByte, true, 0, false, 0, 0, false, false, {10, 20, 30}};
    d.ObjectDefs[Slope] = {"Slope", ByteClass::FiveByte, false, 0, true, 2, 1, false, false, {}};
    for (uint8_t mode = 0; mode < 3; ++mode)
        d.ObjectDefs[Nibbles + mode] = {"", ByteClass::FourByte, false, mode, false, 0, 0, false, false, {}};
    d.SpecialObjectDefs[0x03] = {"", 2, 3, false, {}};
    d.SpecialObjectDefs[0x0A].Height = 3;
    d.SpecialObjectDefs[0x2F] = {"Key", 1, 1, false, {40, 50, 60}};
    d.SpecialObjectDefs[0x30] = {"Fog", 1, 1, true, {}};
    d.SpriteDefs[0x1A3] = {"Bat", {70, 80, 90}};
    return d;
}

inline LevelObject Obj(uint8_t number, int x, int y, int w = 1, int h = 1) {
    return LevelObject{number, 0, uint8_t(x), uint8_t(y), int16_t(w), int16_t(h), false};
}
inline LevelObject Special(uint8_t special, int x, int y, int w = 1, int h = 1) {
    return LevelObject{0, special, uint8_t(x), uint8_t(y), int16_t(w), int16_t(h), false};
}
inline LevelObject Sprite(int number, int x, int y) {
    return LevelObject{uint8_t(number & 0xFF), uint8_t(number >> 8), uint8_t(x), uint8_t(y), 1, 1, true};
}
inline ScreenExit Exit(int sx, int sy, int destination = 0) {
    return ScreenExit{uint8_t(sx), uint8_t(sy), uint8_t(destination), 0, 0, 0};
}

// An editor on a surface of 496 x 480 pixels at zoom 16 (31 x 30 tiles,
// scroll maxima 225 and 98) with these entries and exits, after `setup` has
// adjusted that state.
inline Editor MakeEditor(const Catalogues& defs, std::vector<LevelObject> entries = {},
                         std::vector<ScreenExit> exits = {},
                         const std::function<void(EditorState&)>& setup = {}) {
    EditorState s;
    s.View.SurfaceWidth = 496;
    s.View.SurfaceHeight = 480;
    s.View.H.Maximum = 225;
    s.View.V.Maximum = 98;
    s.Level.LevelObjects = std::move(entries);
    s.Level.ScreenExits = std::move(exits);
    if (setup) setup(s);
    return Editor(defs, std::move(s));
}

// An image in a scratch file, opened.
struct TempRom : testimage::ScratchFolder {
    RomImage Rom;
    explicit TempRom(const testimage::Image& bytes) {
        testimage::WriteFile(File("game.smc"), bytes);
        EXPECT_FALSE(Rom.Open(File("game.smc")));
    }
    testimage::Image Bytes() const { return testimage::ReadFile(File("game.smc")); }
};

}  // namespace fixture
