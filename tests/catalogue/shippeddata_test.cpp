// Checks the definition files we ship and the demo image built from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "catalogue/definitionfiles.h"
#include "tempfolder.h"

namespace {

TEST(ShippedDataTest, LoadsAndDefinesEveryNumber) {
    DefinitionLoad load = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(load.Ok) << load.Error;
    const Catalogues& defs = load.Defs;

    std::set<int> sizeModes, flagPairs;
    int crossSections = 0;
    for (int n = 0x01; n <= 0xFE; ++n) {
        const ObjectDef& def = defs.ObjectDefs[n];
        EXPECT_TRUE(def.ByteCount == ByteClass::FourByte || def.ByteCount == ByteClass::FiveByte) << n;
        EXPECT_FALSE(def.Name.empty()) << n;
        if (def.ByteCount == ByteClass::FourByte) sizeModes.insert(def.SizeMode);
        if (def.IsSlope) {
            EXPECT_TRUE(def.SlopeRun > 0 && def.SlopeRise > 0) << n;  // no division by zero when drawn
            flagPairs.insert(def.DrawFlagTwo * 2 + def.DrawFlagThree);
        }
        crossSections += def.CrossSection;
    }
    EXPECT_EQ(sizeModes, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(flagPairs, (std::set<int>{0, 1, 2, 3}));
    EXPECT_GT(crossSections, 0);
    for (int n = 0; n < SpecialCount; ++n) EXPECT_FALSE(defs.SpecialObjectDefs[n].Name.empty()) << n;
    for (int n = 0; n < 0x200; ++n) EXPECT_FALSE(defs.SpriteDefs[n].Name.empty()) << n;
    for (int n = 0; n < LevelCount; ++n) EXPECT_FALSE(defs.LevelNames[n].empty()) << n;
    EXPECT_EQ(defs.DestinationLevels.size(), 256u);
    EXPECT_GE(defs.EntranceTypes.size(), 10u);

    LevelOffsetsLoad offsets = LoadLevelOffsets(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(offsets.Ok) << offsets.Error;
    EXPECT_EQ(offsets.Entries.size(), 256u);
}

// Walks the demo image with a reader written here, independent of the
// editor's decoders: every listed level must have well-formed streams that
// neither overlap each other nor the level table, and LevelOffsets.dat must
// name the header offsets that the table points at.
class DemoImageTest : public ::testing::Test {
protected:
    std::vector<uint8_t> image;

    uint8_t At(size_t offset) const { return offset < image.size() ? image[offset] : 0xEE; }
    size_t Pointer(size_t at) const {
        size_t bank = At(at + 2);
        size_t address = At(at) | At(at + 1) << 8;
        return bank * 0x8000 + (address & 0x7FFF) + 0x200;
    }
    // Counts the zero run at `offset`; the byte behind it must be non-zero.
    size_t ZeroRun(size_t offset) const {
        size_t start = offset;
        while (offset < image.size() && image[offset] == 0) ++offset;
        EXPECT_LT(offset, image.size());
        return offset - start;
    }
};

TEST_F(DemoImageTest, LevelsAreWellFormed) {
    const char* generator = std::getenv("TARNLOFT_DEMOGEN");
    if (!generator) GTEST_SKIP() << "TARNLOFT_DEMOGEN is not set";
    TempFolder folder;
    std::string command = std::string(generator) + " " + folder.File("demo.smc") + " " + TARNLOFT_DATA_DIR;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(folder.File("demo.smc"), std::ios::binary);
    image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_EQ(image.size(), 0x200200u);

    DefinitionLoad load = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(load.Ok);
    const Catalogues& defs = load.Defs;
    LevelOffsetsLoad offsets = LoadLevelOffsets(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(offsets.Ok);

    const size_t table = 0xBF9C3;
    std::vector<std::pair<size_t, size_t>> extents = {{table, table + 6 * 256}};
    int negativeExtents = 0, highSprites = 0, noSprites = 0, noExits = 0, noRoom = 0, specials = 0;
    std::set<int> sizeModes;
    for (size_t level = 0; level < 256; ++level) {
        size_t start = Pointer(table + 6 * level);
        EXPECT_EQ(offsets.Entries[level].Offset, static_cast<int64_t>(start)) << level;
        size_t at = start + 10;
        for (uint8_t number = At(at); number != 0xFF; number = At(at)) {
            const ObjectDef& def = defs.ObjectDefs[number];
            ASSERT_NE(def.ByteCount, ByteClass::Undefined) << "level " << level << " at " << at;
            if (def.ByteCount == ByteClass::FiveByte) {
                negativeExtents += At(at + 3) >= 0x80 || At(at + 4) >= 0x80;
                at += 5;
            } else {
                if (def.ByteCount == ByteClass::FourByte) {
                    sizeModes.insert(def.SizeMode);
                    negativeExtents += def.SizeMode != 0 && At(at + 3) >= 0x80;
                }
                specials += def.ByteCount == ByteClass::Special;
                at += 4;
            }
        }
        int exits = 0;
        for (++at; At(at) != 0xFF; at += 5) ++exits;
        size_t room = ZeroRun(++at);
        extents.push_back({start, at + room});

        size_t sprites = Pointer(table + 6 * level + 3);
        at = sprites;
        while (!(At(at) == 0xFF && At(at + 1) == 0xFF)) {
            highSprites += At(at + 1) & 1;
            at += 3;
        }
        noSprites += at == sprites;
        size_t spriteRoom = ZeroRun(at + 2);
        extents.push_back({sprites, at + 2 + spriteRoom});
        noExits += exits == 0;
        noRoom += room == 0 || spriteRoom == 0;
    }
    std::sort(extents.begin(), extents.end());
    for (size_t i = 1; i < extents.size(); ++i) {
        EXPECT_LT(extents[i - 1].second, extents[i].first) << "blocks overlap at " << extents[i].first;
    }
    EXPECT_EQ(sizeModes, (std::set<int>{0, 1, 2}));
    EXPECT_GT(negativeExtents, 0);
    EXPECT_GT(highSprites, 0);
    EXPECT_GT(noSprites, 0);
    EXPECT_GT(noExits, 0);
    EXPECT_GT(noRoom, 0);
    EXPECT_GT(specials, 0);
}

}  // namespace
