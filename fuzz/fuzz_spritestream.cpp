// Feeds arbitrary sprite streams (records, FF FF, zero run) to the level
// loader and saves what loads back unchanged.
//
// Input: a mode byte, a 16-bit sprite offset, then the bytes behind a valid
// empty level (10 header bytes, FF FF, a filler byte) at offset 0. Mode bit 0
// keeps the offset as it is (it may then lie beyond the image); bit 1 makes
// it negative.
#include "fuzzimage.h"

using namespace tarnloft;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const uint8_t mode = *data++;
    --size;
    int64_t spriteOffset = TakeOffset(data, size);
    std::vector<uint8_t> image = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0xFF, 0xFF, 0x01};
    const int64_t front = static_cast<int64_t>(image.size());
    image.insert(image.end(), data, data + size);
    if (!(mode & 1)) spriteOffset = front + spriteOffset % (static_cast<int64_t>(size) + 1);
    if (mode & 2) spriteOffset = -1 - spriteOffset;
    LoadAndSaveBack(image, 0, spriteOffset);
    return 0;
}
