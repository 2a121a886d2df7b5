#include <gtest/gtest.h>

#include "fixtures.h"
#include "support/faultywrites.h"

using namespace tarnloft;

TEST(RomImage, OneBasedBoundsCheckedAccessThatNeverGrowsTheFile) {
    std::vector<uint8_t> bytes(0x300);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + 1);
    fixture::TempRom file(bytes);
    RomImage& rom = file.Rom;
    uint8_t block[10];
    EXPECT_TRUE(rom.ReadByte(1) == bytes[0] && rom.ReadByte(0x300) == bytes[0x2FF] &&
                rom.Read(0x2F7, block, 10));
    EXPECT_FALSE(rom.ReadByte(0) || rom.ReadByte(0x301) || rom.Read(0x2F8, block, 10));
    const uint8_t patch[] = {0xAA, 0xBB};
    EXPECT_FALSE(rom.Write(0x2FF, patch, 2));  // ends on the last byte
    bytes[0x2FE] = 0xAA, bytes[0x2FF] = 0xBB;
    EXPECT_NE(rom.Write(0x300, patch, 2).value_or("").find(file.File("game.smc")), std::string::npos);
    EXPECT_TRUE(rom.Write(0, patch, 1));
    EXPECT_EQ(file.Bytes(), bytes);
    // A failed open names the file and keeps the previous one.
    EXPECT_EQ(rom.Open("/nonexistent/game.smc"),
              "Cannot open \"/nonexistent/game.smc\": No such file or directory");
    EXPECT_TRUE(rom.Open("/tmp"));
    EXPECT_TRUE(rom.Path() == file.File("game.smc") && rom.ReadByte(2) == bytes[1]);
    for (const char* path : {"C:\\roms\\game.smc", "/home/me/roms/game.smc", "game.smc"})
        EXPECT_EQ(FileNameOf(path), "game.smc");
}

// A write counts as done only once it has reached the disk.
TEST(RomImage, WritesReportEveryFailureOfTheWriteOrTheFlush) {
    const std::vector<uint8_t> bytes(0x40, 0x11);
    const uint8_t patch[] = {0xAA, 0xBB, 0xCC};
    // clang-format off
    const struct { const char* Name; tarnloft::WriteFault Fault; const char* Says; } cases[] = {
        {"write fails", tarnloft::WriteFault::WriteFails, "No space left on device"},
        {"write comes up short", tarnloft::WriteFault::WriteShort, "only 2 of 3 bytes were written"},
        {"flush fails", tarnloft::WriteFault::FlushFails, "Input/output error"}};
    // clang-format on
    for (const auto& c : cases) {
        fixture::TempRom file(bytes);
        tarnloft::FaultyWrites faults(c.Fault, 1);
        std::optional<std::string> error = file.Rom.Write(5, patch, sizeof patch);
        ASSERT_TRUE(error) << c.Name;
        EXPECT_NE(error->find(c.Says), std::string::npos) << c.Name << ": " << *error;
        EXPECT_NE(error->find(file.File("game.smc")), std::string::npos) << c.Name;
    }
    // Devices are refused at the start, so a full device never takes a save.
    fixture::TempRom file(bytes);
    EXPECT_EQ(file.Rom.Open("/dev/full"), "Cannot open \"/dev/full\": not a regular file");
}
