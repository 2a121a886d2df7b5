#include "catalogue/definitionfiles.h"

#include <gtest/gtest.h>

#include <map>

#include "support/testimage.h"

using namespace tarnloft;

// Loads a small valid set of the six files, some replaced by `changes`, one perhaps missing.
static DefinitionLoad Load(const std::map<std::string, std::string>& changes,
                           const std::string& missing = "") {
    std::map<std::string, std::string> files = {{"O5Data.dat", "01,\"Ground\",\"000 0 0\",0,808080\n"},
                                                {"O4Data.dat", "40,\"Crate\",0,\"000 0 0\",0,C08040\n"},
                                                {"O4SData.dat", "00,\"Door\",2,3,0,4080C0\n"},
                                                {"SpriteData.dat", "000,\"Beetle\",40C040\n"},
                                                {"LevelList.dat", "00,\"First\"\n"},
                                                {"EntranceTypes.dat", "00,\"Door\"\n"}};
    for (const auto& [name, text] : changes) files[name] = text;
    testimage::ScratchFolder folder;
    for (const auto& [name, text] : files)
        if (name != missing) folder.Write(name, text);
    return LoadDefinitionFiles(folder.Path());
}

TEST(DefinitionFiles, ReadsFlagsByPosition) {
    // Positions 4, 6 and beyond 7 are not read, only 1 sets a flag, a short text leaves the rest 0.
    // clang-format off
    const std::pair<std::string, std::tuple<bool, bool, bool, int, int>> cases[] = {
        {"101 3 2", {true, false, true, 3, 2}}, {"111x5x7", {true, true, true, 5, 7}}, {"010", {false, true, false, 0, 0}},
        {"2000900", {false, false, false, 9, 0}}, {"100 4 19", {true, false, false, 4, 1}}};
    // clang-format on
    for (const auto& [flags, expected] : cases) {
        const ObjectDef d =
            Load({{"O5Data.dat", "07,\"Slope\",\"" + flags + "\",0,000000\n"}}).Defs.ObjectDefs[7];
        EXPECT_EQ(std::make_tuple(d.IsSlope, d.DrawFlagTwo, d.DrawFlagThree, +d.SlopeRun, +d.SlopeRise),
                  expected)
            << flags;
    }
}

TEST(DefinitionFiles, ReadsEveryFileIntoItsCatalogue) {
    DefinitionLoad load =
        Load({{"O5Data.dat",
               "10,\"Wall, cracked\",\"000 0 0\",1,FF8000\n\n1a,\"Hill\",\"000 0 0\",-1,ff8000\n"
               "20,\"Old\",\"100 1 1\",1,111111\n00,\"Zero\",\"100 2 2\",0,010203\n"},
              {"O4Data.dat", "20,\"New\",1,\"011 0 0\",0,222222\nFF,\"End\",2,\"000 0 0\",1,040506\n"},
              {"O4SData.dat", "0A,\"Gate\",3,255,1,102030\n"},
              {"SpriteData.dat", "1A3,\"Owl caf\xC3\xA9\",A0B0C0\n200,\"Extra\",000000\n"},
              {"EntranceTypes.dat", "0B,\"Ladder, mont\xE9\"\n"},
              {"LevelList.dat", "1A,\"Some name\"\n01A,Some name\n"}});
    ASSERT_TRUE(load.Ok) << load.Error;
    const auto& objects = load.Defs.ObjectDefs;
    EXPECT_TRUE(objects[0x10].Name == "Wall, cracked" && objects[0x10].ByteCount == ByteClass::FiveByte);
    EXPECT_TRUE(objects[0x10].CrossSection && !objects[0x1A].CrossSection);  // only 1 means set
    EXPECT_EQ(objects[0x1A].Colour, (Rgb{255, 128, 0}));
    EXPECT_EQ(objects[0x11].ByteCount, ByteClass::Undefined);
    // The four-byte record overrides the five-byte one.
    const ObjectDef& o = objects[0x20];
    EXPECT_EQ(
        std::make_tuple(o.Name, o.ByteCount, +o.SizeMode, o.IsSlope, o.DrawFlagTwo, o.CrossSection, o.Colour),
        std::make_tuple(std::string("New"), ByteClass::FourByte, 1, false, true, false,
                        Rgb{0x22, 0x22, 0x22}));
    // Objects 0 and FF keep their class, also when no file names them.
    EXPECT_TRUE(objects[0].Name == "Zero" && objects[0].IsSlope && objects[0].SizeMode == 0);
    EXPECT_TRUE(objects[0xFF].Name == "End" && objects[0xFF].CrossSection);
    for (const Catalogues& defs : {load.Defs, Load({{"O5Data.dat", ""}}).Defs})
        EXPECT_TRUE(defs.ObjectDefs[0].ByteCount == ByteClass::Special &&
                    defs.ObjectDefs[0xFF].ByteCount == ByteClass::EndOfList);
    const SpecialObjectDef& gate = load.Defs.SpecialObjectDefs[0x0A];
    EXPECT_TRUE(gate.Name == "Gate" && gate.Width == 3 && gate.Height == 255 && gate.CrossSection);
    // Names are UTF-8 where they are valid UTF-8, and Latin-1 otherwise.
    EXPECT_TRUE(load.Defs.SpriteDefs[0x1A3].Name == "Owl caf\xC3\xA9" &&
                load.Defs.SpriteDefs[0x200].Name == "Extra");
    EXPECT_EQ(load.Defs.SpriteDefs[0x1A3].Colour, (Rgb{0xA0, 0xB0, 0xC0}));
    EXPECT_EQ(load.Defs.LevelNames[0x1A], "Some name");
    EXPECT_EQ(load.Defs.DestinationLevels,
              (std::vector<ListItem>{{"1A Some name", 26}, {"01A Some name", 26}}));
    EXPECT_EQ(load.Defs.EntranceTypes, (std::vector<ListItem>{{"0B Ladder, mont\xC3\xA9", 11}}));
}

TEST(DefinitionFiles, ErrorsNameTheFileAndLine) {
    // clang-format off
    const std::tuple<std::string, std::string, int> cases[] = {
        {"O5Data.dat", "01,\"A\",\"0\",0,000000\n\n100,\"B\",\"0\",0,000000\n", 3}, {"O5Data.dat", "01,\"A\",\"0\",yes,000000\n", 1},
        {"O4Data.dat", "40,\"A\",0,\"0\",0\n", 1},
        {"O4SData.dat", "00,\"A\",256,1,0,000000\n", 1}, {"SpriteData.dat", "FFFFFFFFFFFFFFFFFFFFFFFF,\"A\",000000\n", 1},
        {"SpriteData.dat", "201,\"A\",000000\n", 1}, {"LevelList.dat", "00,\"A\"\n100,\"B\"\n", 2}, {"EntranceTypes.dat", ",\"A\"\n", 1}};
    // clang-format on
    for (const auto& [file, content, line] : cases) {
        DefinitionLoad load = Load({{file, content}});
        EXPECT_EQ(load.Error.rfind(file + ", line " + std::to_string(line) + ": ", 0), 0u)
            << content << load.Error;
        EXPECT_TRUE(!load.Ok && load.Defs.ObjectDefs[1].Name.empty());  // nothing half-loaded
    }
    for (const char* name : {"O5Data.dat", "O4SData.dat", "EntranceTypes.dat"})
        EXPECT_NE(Load({}, name).Error.find(name), std::string::npos) << name;
    // LevelOffsets.dat holds at most 256 records.
    testimage::ScratchFolder folder;
    std::string many;
    for (int i = 0; i < 257; ++i) many += "100,\"L\"\n";
    folder.Write("LevelOffsets.dat", many);
    LevelOffsetsLoad offsets = LoadLevelOffsets(folder.Path());
    EXPECT_EQ(offsets.Error.rfind("LevelOffsets.dat, line 257: ", 0), 0u) << offsets.Error;
    EXPECT_TRUE(!offsets.Ok && offsets.Entries.empty());
}

TEST(DefinitionFiles, ShippedDataDefinesEveryNumber) {
    DefinitionLoad load = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(load.Ok) << load.Error;
    for (int n = 0x01; n <= 0xFE; ++n) {
        const ObjectDef& def = load.Defs.ObjectDefs[n];
        EXPECT_TRUE(def.ByteCount == ByteClass::FourByte || def.ByteCount == ByteClass::FiveByte) << n;
        EXPECT_FALSE(def.Name.empty()) << n;
    }
    for (int n = 0; n < SpecialCount; ++n) EXPECT_FALSE(load.Defs.SpecialObjectDefs[n].Name.empty()) << n;
    for (int n = 0; n < 0x200; ++n) EXPECT_FALSE(load.Defs.SpriteDefs[n].Name.empty()) << n;
    EXPECT_EQ(load.Defs.DestinationLevels.size(), 256u);
}
