#include "level/header.h"

#include <gtest/gtest.h>

#include "fixtures.h"
#include "level/levelio.h"

using namespace tarnloft;

using namespace fixture;

TEST(Header, UnpacksAndPacksKnownVectors) {
    const std::pair<const char*, std::array<uint8_t, HeaderFieldCount>> cases[] = {
        {"12 34 56 78 9A BC DE F0 0F 80", {2, 4, 13, 2, 44, 60, 19, 43, 12, 27, 3, 1, 112, 0, 0, 31, 0}},
        {"09 0C 82 8C 38 89 53 0B D6 0D", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 11, 3, 1, 12, 13}},
        {"FF*10", {31, 15, 31, 31, 63, 63, 63, 127, 15, 31, 3, 3, 127, 3, 3, 31, 127}},
        {"00*10", {}}};
    for (const auto& [text, values] : cases) {
        HeaderBytesArray bytes;
        std::vector<uint8_t> v = Bytes(text);
        std::copy(v.begin(), v.end(), bytes.begin());
        EXPECT_EQ(UnpackHeader(bytes).Values, values) << text;
        EXPECT_EQ(PackHeader({values}), bytes) << text;
    }
    // A value beyond its width does not spill into the neighbouring fields.
    EXPECT_EQ(PackHeader({{0, 0xFF}}), (HeaderBytesArray{0x07, 0x80}));
}

TEST(Header, ImportsAnotherLevelsHeaderByItsOwnAddressRule) {
    const char* const bank = "Eep, I didn't think that bank would get used.  Tell me. (Object data area)";
    // clang-format off
    const struct { const char* Pointer; size_t Offset; const char* Message; } cases[] = {  // Offset 0: refused
        {"00 FF 01", 0x10100, nullptr}, {"00 7F 01", 0x10100, nullptr}, {"00 80 01", 0x8200, nullptr},
        {"00 80 02", 0x10200, nullptr}, {"34 12 40", 0x1434, nullptr},  {"00 80 60", 0, bank},
        {"00 80 80", 0, bank},          {"F0 FF 3F", 0, "outside the ROM image"}};
    // clang-format on
    const std::vector<uint8_t> header = Bytes("11 22 33 44 55 66 77 88 99 AA");
    for (const auto& c : cases) {
        std::vector<uint8_t> image(0xC0000, 0);
        Put(image, testimage::TableRow(0x1A), Bytes(c.Pointer));
        if (c.Offset) Put(image, c.Offset, header);
        TempRom file(image);
        HeaderImport result = ImportHeaderFromLevel(file.Rom, 0x1A);
        EXPECT_EQ(result.Bytes.has_value(), c.Offset != 0) << c.Pointer;
        EXPECT_TRUE(!result.Bytes || std::equal(header.begin(), header.end(), result.Bytes->begin()));
        ASSERT_EQ(result.Messages.size(), c.Message ? 1u : 0u) << c.Pointer;
        EXPECT_TRUE(!c.Message || result.Messages[0].Text.find(c.Message) != std::string::npos);
        EXPECT_TRUE(c.Message != bank || result.Messages[0].Title == "Tarnloft - Programmer Error");
        EXPECT_FALSE(ImportHeaderFromLevel(file.Rom, ~uint64_t{0}).Bytes);
    }
}
