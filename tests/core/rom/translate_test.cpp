#include "rom/translate.h"

#include <gtest/gtest.h>

using namespace tarnloft;

TEST(TranslateAddress, MapsBanksToFileOffsetsWithItsWarnings) {
    const Message fold{"Tarnloft - Do you subtract 0x80 from banks over 80 and then treat them normally?",
                       "Abnormal bank number.  Level may not load properly."};
    auto invalid = [](std::string bank) {
        return Message{
            "Tarnloft - Index points to invalid bank",
            "This index points to an invalid bank.  It will load incorrectly.\r\nBank number: " + bank};
    };
    // clang-format off
    const struct { uint8_t Bank; uint16_t Address; int64_t Offset; std::vector<Message> Warnings; } cases[] = {
        {0x17, 0xF7C3, 0xBF9C3, {}}, {0x17, 0x77C3, 0xBF9C3, {}}, {0x00, 0x8000, 0x200, {}}, {0x01, 0x8000, 0x8200, {}},
        {0x3F, 0xFFFF, 0x2001FF, {}}, {0x40, 0x0000, 0x200, {}}, {0x5F, 0xFFFF, 0x2001FF, {}},
        {0x97, 0xF7C3, 0xBF9C3, {fold}}, {0x80, 0x8000, 0x200, {fold}}, {0xC0, 0x1234, 0x1434, {fold}},
        {0x60, 0x1234, 0, {invalid("60")}}, {0xE5, 0x8000, 0, {fold, invalid("E5")}}};
    // clang-format on
    for (const auto& c : cases) {
        Translation t = TranslateAddress({uint8_t(c.Address & 0xFF), uint8_t(c.Address >> 8), c.Bank});
        EXPECT_EQ(t.Offset, c.Offset) << std::hex << int(c.Bank) << ":" << c.Address;
        ASSERT_EQ(t.Warnings.size(), c.Warnings.size());
        for (size_t i = 0; i < t.Warnings.size(); ++i)
            EXPECT_TRUE(t.Warnings[i].Title == c.Warnings[i].Title &&
                        t.Warnings[i].Text == c.Warnings[i].Text)
                << i;
    }
}
