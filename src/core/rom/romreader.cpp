#include "rom/romreader.h"

#include <cstring>

#include "rom/romimage.h"

namespace tarnloft {

namespace {
constexpr size_t ChunkSize = 64 * 1024;
}

RomReader::RomReader(const RomImage& rom) : rom_(rom), size_(rom.Size()), buffer_(ChunkSize) {}

bool RomReader::Load(int64_t position) {
    if (position >= start_ && position < start_ + static_cast<int64_t>(length_)) return true;
    length_ = 0;
    if (position < 1 || position > size_) return false;
    start_ = position;
    length_ = rom_.ReadSome(position, buffer_.data(), buffer_.size());
    return length_ > 0;
}

std::optional<uint8_t> RomReader::At(int64_t position) {
    if (!Load(position)) return std::nullopt;
    return buffer_[static_cast<size_t>(position - start_)];
}

bool RomReader::Get(int64_t position, uint8_t* out, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        std::optional<uint8_t> value = At(position + static_cast<int64_t>(i));
        if (!value) return false;
        out[i] = *value;
    }
    return true;
}

int64_t RomReader::CountZeros(int64_t position) {
    int64_t count = 0;
    while (Load(position + count)) {
        size_t from = static_cast<size_t>(position + count - start_);
        size_t i = from;
        // Eight bytes at a time while they are all zero: runs are long.
        for (uint64_t word; i + 8 <= length_; i += 8) {
            std::memcpy(&word, buffer_.data() + i, 8);
            if (word != 0) break;
        }
        while (i < length_ && buffer_[i] == 0) ++i;
        count += static_cast<int64_t>(i - from);
        if (i < length_) break;  // a non-zero byte ends the run
    }
    return count;
}

}  // namespace tarnloft
