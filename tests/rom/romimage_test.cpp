#include "rom/romimage.h"

#include <gtest/gtest.h>

#include "rom/temprom.h"

TEST(RomImage, OneBasedBoundsCheckedAccessThatNeverGrowsTheFile) {
    std::vector<uint8_t> bytes(0x300);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i * 7 + 1);
    testrom::TempRom file(bytes);
    RomImage& rom = file.Rom();
    EXPECT_EQ(rom.ReadByte(1), bytes[0]);        // first byte of the copier header
    EXPECT_EQ(rom.ReadByte(513), bytes[0x200]);  // first byte of the image proper
    EXPECT_FALSE(rom.ReadByte(0));
    EXPECT_FALSE(rom.ReadByte(0x301));
    uint8_t block[10];
    EXPECT_TRUE(rom.Read(0x300 - 9, block, 10));
    EXPECT_FALSE(rom.Read(0x300 - 8, block, 10));

    const uint8_t patch[] = {0xAA, 0xBB};
    EXPECT_FALSE(rom.Write(0x2FF, patch, 2));  // ends on the last byte
    bytes[0x2FE] = 0xAA, bytes[0x2FF] = 0xBB;
    auto refused = rom.Write(0x300, patch, 2);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(file.Path()), std::string::npos);
    EXPECT_TRUE(rom.Write(0, patch, 1));
    EXPECT_EQ(file.Bytes(), bytes);
}

TEST(RomImage, FailedOpenNamesTheFileAndKeepsThePreviousOne) {
    testrom::TempRom file(testrom::Bytes("42 43"));
    auto error = file.Rom().Open("/nonexistent/game.smc");
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Cannot open \"/nonexistent/game.smc\": No such file or directory");
    EXPECT_TRUE(file.Rom().Open("/tmp"));  // a folder is no image
    EXPECT_EQ(file.Rom().Path(), file.Path());
    EXPECT_EQ(file.Rom().ReadByte(2), 0x43);

    EXPECT_EQ(FileNameOf("C:\\roms\\game.smc"), "game.smc");
    EXPECT_EQ(FileNameOf("/home/me/roms/game.smc"), "game.smc");
    EXPECT_EQ(FileNameOf("game.smc"), "game.smc");
}
