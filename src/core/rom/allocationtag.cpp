#include "rom/allocationtag.h"

#include <algorithm>
#include <cstring>

#include "rom/romimage.h"

namespace tarnloft {

namespace {

constexpr uint8_t Signature[4] = {'S', 'T', 'A', 'R'};

// Scans the tags that start inside [from, to) of `bytes`; `limit` is where
// the bytes (and so any block) end.
void ScanTags(const uint8_t* bytes, int64_t from, int64_t to, int64_t limit, int64_t base,
              std::vector<TaggedBlock>& out) {
    for (int64_t at = from; at + AllocationTagSize <= limit && at < to; ++at) {
        const void* found = std::memchr(bytes + at, 'S', static_cast<size_t>(to - at));
        if (!found) return;
        at = static_cast<const uint8_t*>(found) - bytes;
        if (at + AllocationTagSize > limit) return;
        const std::optional<int64_t> size = ReadAllocationTag(bytes + at);
        if (size && at + AllocationTagSize + *size <= limit) out.push_back({base + at, *size});
    }
}

}  // namespace

std::array<uint8_t, AllocationTagSize> MakeAllocationTag(int64_t size) {
    const auto stored = static_cast<uint16_t>(size - 1);
    const auto inverse = static_cast<uint16_t>(~stored);
    return {Signature[0],
            Signature[1],
            Signature[2],
            Signature[3],
            static_cast<uint8_t>(stored & 0xFF),
            static_cast<uint8_t>(stored >> 8),
            static_cast<uint8_t>(inverse & 0xFF),
            static_cast<uint8_t>(inverse >> 8)};
}

std::optional<int64_t> ReadAllocationTag(const uint8_t* bytes) {
    if (std::memcmp(bytes, Signature, sizeof Signature) != 0) return std::nullopt;
    const int stored = bytes[4] | bytes[5] << 8;
    const int inverse = bytes[6] | bytes[7] << 8;
    if ((stored ^ inverse) != 0xFFFF) return std::nullopt;
    return static_cast<int64_t>(stored) + 1;
}

std::vector<TaggedBlock> FindTaggedBlocks(const uint8_t* bytes, int64_t count, int64_t base) {
    std::vector<TaggedBlock> blocks;
    ScanTags(bytes, 0, count, count, base, blocks);
    return blocks;
}

std::vector<TaggedBlock> FindTaggedBlocks(const RomImage& rom) {
    // Each chunk is read with the largest block behind it, so that a tag in
    // the chunk is judged on its whole block.
    constexpr int64_t Chunk = 1 << 20;
    const int64_t size = rom.Size();
    std::vector<uint8_t> buffer;
    std::vector<TaggedBlock> blocks;
    for (int64_t offset = 0; offset < size; offset += Chunk) {
        const int64_t want = std::min(size - offset, Chunk + AllocationTagSize + LargestTaggedBlock);
        buffer.resize(static_cast<size_t>(want));
        const auto got = static_cast<int64_t>(rom.ReadSome(offset + 1, buffer.data(), buffer.size()));
        ScanTags(buffer.data(), 0, std::min(got, Chunk), got, offset, blocks);
    }
    return blocks;
}

}  // namespace tarnloft
