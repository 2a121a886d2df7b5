#include "rom/translate.h"

#include "util/hex.h"

namespace tarnloft {

Translation TranslateAddress(const std::array<uint8_t, 3>& pointer) {
    Translation result;
    const int lo = pointer[0];
    const int hi = pointer[1];
    const int storedBank = pointer[2];
    int bank = storedBank;

    // Banks 80 and up mirror the lower half; fold them down, but say so.
    if (bank >= 0x80) {
        bank -= 0x80;
        result.Warnings.push_back(
            {"Tarnloft - Do you subtract 0x80 from banks over 80 and then treat them normally?",
             "Abnormal bank number.  Level may not load properly."});
    }
    if (bank > 0x5F) {
        result.Warnings.push_back(
            {"Tarnloft - Index points to invalid bank",
             std::string("This index points to an invalid bank.  It will load incorrectly.") + Crlf +
                 "Bank number: " + Hex(static_cast<uint64_t>(storedBank))});
        result.Offset = 0;
        result.AddressesRom = false;
        return result;
    }
    int64_t offset;
    if (bank >= 0x40) {
        offset = static_cast<int64_t>(bank) * 0x10000 + hi * 0x100 + lo - 0x400000;
    } else {
        // LoROM: 32 KiB per bank, the address's bit 15 carries no information.
        offset = static_cast<int64_t>(bank) * 0x8000 + ((hi * 0x100 + lo) & 0x7FFF);
    }
    result.Offset = offset + 0x200;
    return result;
}

}  // namespace tarnloft
