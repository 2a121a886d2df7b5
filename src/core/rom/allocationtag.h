// The allocation tag that marks a block of the image as taken: the four
// ASCII bytes "STAR", the block's size minus one as a 16-bit little-endian
// number, then that number's bitwise inverse. The block's data follows the
// tag. Blocks tagged this way, by this editor or another tool, are never
// overwritten, and free space is never searched inside them.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnloft {

class RomImage;

inline constexpr int AllocationTagSize = 8;
inline constexpr int64_t LargestTaggedBlock = 0x10000;  // a 16-bit size minus one

// A tagged block: the tag at TagOffset (0-based file offset), then Size data bytes.
struct TaggedBlock {
    int64_t TagOffset = 0;
    int64_t Size = 0;
    int64_t DataOffset() const { return TagOffset + AllocationTagSize; }
    int64_t End() const { return DataOffset() + Size; }  // one past the last data byte
    friend bool operator==(const TaggedBlock& a, const TaggedBlock& b) {
        return a.TagOffset == b.TagOffset && a.Size == b.Size;
    }
};

// The tag of a block of `size` data bytes (1 .. LargestTaggedBlock).
std::array<uint8_t, AllocationTagSize> MakeAllocationTag(int64_t size);

// The data size a valid tag at `bytes` announces; nothing when the eight
// bytes are not a tag.
std::optional<int64_t> ReadAllocationTag(const uint8_t* bytes);

// Every valid tag in the bytes, with offsets counted from `base`; a tag whose
// block would run past the end of the bytes does not count.
std::vector<TaggedBlock> FindTaggedBlocks(const uint8_t* bytes, int64_t count, int64_t base = 0);
// The same over a whole open image, read in chunks; sorted by offset.
std::vector<TaggedBlock> FindTaggedBlocks(const RomImage& rom);

}  // namespace tarnloft
