// Translation of 24-bit SNES bus addresses (as stored in the level table)
// into 0-based offsets of the .smc file, copier header included.
#pragma once
#include <array>
#include <cstdint>

#include "util/message.h"

namespace tarnloft {

struct Translation {
    int64_t Offset = 0;        // 0-based file offset, 0x200 header included
    bool AddressesRom = true;  // false: the bank lies beyond the ROM (Offset is then 0)
    MessageList Warnings;      // to be shown in order; translation still yields Offset
};

// Pointer bytes in stored order: address low, address high, bank.
Translation TranslateAddress(const std::array<uint8_t, 3>& pointer);

}  // namespace tarnloft
