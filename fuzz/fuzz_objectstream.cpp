// Feeds arbitrary object streams (header, objects, screen exits, zero run)
// to the level loader and saves what loads back unchanged.
//
// Input: a mode byte, a 16-bit level offset, then the image bytes. A valid
// empty sprite stream is appended behind the image. Mode bit 0 keeps the
// offset as it is (it may then lie beyond the image); bit 1 makes it negative.
#include "fuzzimage.h"

using namespace tarnloft;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const uint8_t mode = *data++;
    --size;
    int64_t levelOffset = TakeOffset(data, size);
    std::vector<uint8_t> image(data, data + size);
    if (!(mode & 1)) levelOffset %= static_cast<int64_t>(image.size()) + 1;
    if (mode & 2) levelOffset = -1 - levelOffset;
    const int64_t spriteOffset = static_cast<int64_t>(image.size());
    image.insert(image.end(), {0xFF, 0xFF, 0x01});
    LoadAndSaveBack(image, levelOffset, spriteOffset);
    return 0;
}
