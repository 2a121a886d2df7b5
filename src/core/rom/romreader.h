// Buffered forward reading of the ROM image for the stream decoders: they
// walk a stream byte by byte, and a zero run behind a stream may be
// megabytes long, so bytes are fetched in large chunks, not one call each.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnloft {

class RomImage;

class RomReader {
public:
    explicit RomReader(const RomImage& rom);

    // The byte at a 1-based position; empty outside the file.
    std::optional<uint8_t> At(int64_t position);
    // `count` bytes from `position`; false when any lies outside the file.
    bool Get(int64_t position, uint8_t* out, size_t count);
    // Number of 0x00 bytes from `position` up to the first non-zero byte or
    // the end of the file, whichever comes first.
    int64_t CountZeros(int64_t position);

private:
    bool Load(int64_t position);

    const RomImage& rom_;
    int64_t size_ = 0;
    std::vector<uint8_t> buffer_;
    int64_t start_ = 1;  // position of buffer_[0]
    size_t length_ = 0;  // valid bytes in buffer_
};

}  // namespace tarnloft
