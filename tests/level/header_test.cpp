#include "level/header.h"

#include <gtest/gtest.h>

#include <random>

#include "rom/temprom.h"

using testrom::Bytes;

TEST(Header, UnpacksAndPacksKnownVectors) {
    const std::pair<const char*, std::array<uint8_t, HeaderFieldCount>> cases[] = {
        {"12 34 56 78 9A BC DE F0 0F 80", {2, 4, 13, 2, 44, 60, 19, 43, 12, 27, 3, 1, 112, 0, 0, 31, 0}},
        {"09 0C 82 8C 38 89 53 0B D6 0D", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 11, 3, 1, 12, 13}},
        {"FF*10", {31, 15, 31, 31, 63, 63, 63, 127, 15, 31, 3, 3, 127, 3, 3, 31, 127}},
        {"00*10", {}},
    };
    for (const auto& [text, values] : cases) {
        HeaderBytesArray bytes;
        std::vector<uint8_t> v = Bytes(text);
        std::copy(v.begin(), v.end(), bytes.begin());
        EXPECT_EQ(UnpackHeader(bytes).Values, values) << text;
        EXPECT_EQ(PackHeader({values}), bytes) << text;
    }
    std::mt19937 random(7);
    for (int n = 0; n < 100; ++n) {
        HeaderBytesArray bytes;
        for (uint8_t& b : bytes) b = uint8_t(random());
        EXPECT_EQ(PackHeader(UnpackHeader(bytes)), bytes);
    }
    // A value beyond its width does not spill into the neighbouring fields.
    EXPECT_EQ(PackHeader({{0, 0xFF}}), (HeaderBytesArray{0x07, 0x80}));
}

TEST(Header, ImportsAnotherLevelsHeaderByItsOwnAddressRule) {
    const char* const BankMessage =
        "Eep, I didn't think that bank would get used.  Tell me. (Object data area)";
    struct Case {
        const char* Pointer;  // low, high, bank of level 1A
        size_t Offset;        // 0: refused
        const char* Message;
    };
    const Case cases[] = {
        {"00 FF 01", 0x10100, nullptr}, {"00 7F 01", 0x10100, nullptr},
        {"00 80 01", 0x8200, nullptr},  {"00 80 02", 0x10200, nullptr},
        {"34 12 40", 0x1434, nullptr},  {"00 80 60", 0, BankMessage},
        {"00 80 80", 0, BankMessage},   {"F0 FF 3F", 0, "outside the ROM image"},
    };
    const std::vector<uint8_t> header = Bytes("11 22 33 44 55 66 77 88 99 AA");
    for (const Case& c : cases) {
        std::vector<uint8_t> image(0xC0000, 0);
        testrom::Put(image, testrom::LevelTableOffset + 6 * 0x1A, Bytes(c.Pointer));
        if (c.Offset) testrom::Put(image, c.Offset, header);
        testrom::TempRom file(image);
        HeaderImport result = ImportHeaderFromLevel(file.Rom(), 0x1A);
        EXPECT_EQ(result.Bytes.has_value(), c.Offset != 0) << c.Pointer;
        EXPECT_TRUE(!result.Bytes || std::equal(header.begin(), header.end(), result.Bytes->begin()));
        ASSERT_EQ(result.Messages.size(), c.Message ? 1u : 0u) << c.Pointer;
        EXPECT_TRUE(!c.Message || result.Messages[0].Text.find(c.Message) != std::string::npos);
        EXPECT_TRUE(c.Message != BankMessage || result.Messages[0].Title == "Tarnloft - Programmer Error");
        EXPECT_FALSE(ImportHeaderFromLevel(file.Rom(), ~uint64_t{0}).Bytes);
    }
}
