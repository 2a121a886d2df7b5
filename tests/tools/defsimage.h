// Hand-written images for the definition-file tool: object streams placed
// behind a level table, each behind a 10-byte header, all sharing one empty
// sprite stream.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "rom/temprom.h"

namespace defstest {

inline constexpr size_t TableOffset = 0xBF9C3;
inline constexpr size_t DataOffset = 0xC0200;  // bank 18, address 8000

// A LoROM pointer (low, high, bank) to a file offset.
inline void PutPointer(std::vector<uint8_t>& image, size_t at, size_t fileOffset) {
    const size_t rom = fileOffset - 0x200;
    const size_t address = 0x8000 | (rom % 0x8000);
    testrom::Put(image, at, {uint8_t(address & 0xFF), uint8_t(address >> 8), uint8_t(rom / 0x8000)});
}

// Level i's object stream is streams[i] (hex text); the image ends right
// behind the last one, so a stream may run past its end on purpose.
inline std::vector<uint8_t> LevelImage(const std::vector<std::string>& streams) {
    std::vector<uint8_t> image(DataOffset, 0xEA);
    testrom::Put(image, DataOffset, testrom::Bytes("FF FF EA"));
    size_t at = image.size();
    for (size_t i = 0; i < streams.size(); ++i) {
        PutPointer(image, TableOffset + 6 * i, at);
        PutPointer(image, TableOffset + 6 * i + 3, DataOffset);
        testrom::Put(image, at, testrom::Bytes("00*10 " + streams[i]));
        at = image.size();
    }
    return image;
}

}  // namespace defstest
