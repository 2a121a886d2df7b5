// A small hand-made catalogue and entry builders for the codec tests.
#pragma once
#include "catalogue/catalogues.h"
#include "level/levelmodel.h"

namespace testdefs {

// 5A five-byte; 10, 11, 12 four-byte with SizeMode 0, 1, 2; special 03 is 2 x 3.
inline Catalogues Make() {
    Catalogues defs;
    defs.ObjectDefs[0x00].ByteCount = ByteClass::Special;
    defs.ObjectDefs[0xFF].ByteCount = ByteClass::EndOfList;
    defs.ObjectDefs[0x5A].ByteCount = ByteClass::FiveByte;
    for (uint8_t mode = 0; mode < 3; ++mode) {
        defs.ObjectDefs[0x10 + mode].ByteCount = ByteClass::FourByte;
        defs.ObjectDefs[0x10 + mode].SizeMode = mode;
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

}  // namespace testdefs
