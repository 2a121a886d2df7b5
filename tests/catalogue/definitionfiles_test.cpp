#include "catalogue/definitionfiles.h"

#include <gtest/gtest.h>

#include <map>

#include "tempfolder.h"

namespace {

// A small valid set of the six files; a test replaces the one it is about.
class DefinitionFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        files_ = {
            {"O5Data.dat", "01,\"Ground\",\"000 0 0\",0,808080\n"},
            {"O4Data.dat", "40,\"Crate\",0,\"000 0 0\",0,C08040\n"},
            {"O4SData.dat", "00,\"Door\",2,3,0,4080C0\n"},
            {"SpriteData.dat", "000,\"Beetle\",40C040\n"},
            {"LevelList.dat", "00,\"First\"\n"},
            {"EntranceTypes.dat", "00,\"Door\"\n"},
        };
    }
    DefinitionLoad Load(const std::string& name, const std::string& content) {
        files_[name] = content;
        for (const auto& [file, text] : files_) folder_.Write(file, text);
        return LoadDefinitionFiles(folder_.Path());
    }

    TempFolder folder_;
    std::map<std::string, std::string> files_;
};

TEST(SplitRecordTest, QuotedAndPlainFields) {
    struct Case {
        std::string line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"01A,\"Name, with comma\",3", {"01A", "Name, with comma", "3"}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"  a  ,\tb  ", {"a", "b"}},
        {"\"  padded  \",1", {"  padded  ", "1"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\"\"", {""}},
        {"\"open, never closed", {"open, never closed"}},
        {"x,\"y\"\r", {"x", "y"}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitRecord(c.line), c.fields) << c.line;
}

TEST_F(DefinitionFilesTest, FlagsAreReadByPosition) {
    struct Case {
        const char* flags;
        bool slope, two, three;
        int run, rise;
    };
    const Case cases[] = {
        {"101 3 2", true, false, true, 3, 2},
        {"111x5x7", true, true, true, 5, 7},  // positions 4 and 6 are not read
        {"010", false, true, false, 0, 0},    // short: the rest stays 0
        {"", false, false, false, 0, 0},
        {"2000900", false, false, false, 9, 0},  // only 1 sets a flag
        {"100 4 19", true, false, false, 4, 1},  // beyond position 7 is ignored
    };
    for (const Case& c : cases) {
        DefinitionLoad load = Load("O5Data.dat", std::string("07,\"Slope\",\"") + c.flags + "\",0,000000\n");
        ASSERT_TRUE(load.Ok) << c.flags << ": " << load.Error;
        const ObjectDef& def = load.Defs.ObjectDefs[7];
        EXPECT_EQ(def.IsSlope, c.slope) << c.flags;
        EXPECT_EQ(def.DrawFlagTwo, c.two) << c.flags;
        EXPECT_EQ(def.DrawFlagThree, c.three) << c.flags;
        EXPECT_EQ(def.SlopeRun, c.run) << c.flags;
        EXPECT_EQ(def.SlopeRise, c.rise) << c.flags;
    }
}

TEST_F(DefinitionFilesTest, ObjectRecordFields) {
    DefinitionLoad load = Load("O5Data.dat",
                               "10,\"Wall, cracked\",\"000 0 0\",1,FF8000\n"
                               "\n"
                               "1a,\"Hill\",\"000 0 0\",-1,ff8000\n");
    ASSERT_TRUE(load.Ok) << load.Error;
    const ObjectDef& wall = load.Defs.ObjectDefs[0x10];
    EXPECT_EQ(wall.Name, "Wall, cracked");
    EXPECT_EQ(wall.ByteCount, ByteClass::FiveByte);
    EXPECT_TRUE(wall.CrossSection);
    EXPECT_EQ(wall.Colour, (Rgb{255, 128, 0}));
    EXPECT_FALSE(load.Defs.ObjectDefs[0x1A].CrossSection);  // only 1 means set
    EXPECT_EQ(load.Defs.ObjectDefs[0x1A].Colour, (Rgb{255, 128, 0}));
    EXPECT_EQ(load.Defs.ObjectDefs[0x40].ByteCount, ByteClass::FourByte);
    EXPECT_EQ(load.Defs.ObjectDefs[0x11].ByteCount, ByteClass::Undefined);
    EXPECT_TRUE(load.Defs.ObjectDefs[0x11].Name.empty());
}

TEST_F(DefinitionFilesTest, FourByteRecordOverridesFiveByteRecord) {
    files_["O5Data.dat"] = "20,\"Old\",\"100 1 1\",1,111111\n";
    DefinitionLoad load = Load("O4Data.dat", "20,\"New\",1,\"011 0 0\",0,222222\n");
    ASSERT_TRUE(load.Ok) << load.Error;
    const ObjectDef& def = load.Defs.ObjectDefs[0x20];
    EXPECT_EQ(def.Name, "New");
    EXPECT_EQ(def.ByteCount, ByteClass::FourByte);
    EXPECT_EQ(def.SizeMode, 1);
    EXPECT_FALSE(def.IsSlope);
    EXPECT_TRUE(def.DrawFlagTwo);
    EXPECT_FALSE(def.CrossSection);
    EXPECT_EQ(def.Colour, (Rgb{0x22, 0x22, 0x22}));
}

TEST_F(DefinitionFilesTest, ObjectsZeroAndFFAreFixed) {
    files_["O5Data.dat"] = "00,\"Zero\",\"100 2 2\",0,010203\n";
    DefinitionLoad load = Load("O4Data.dat", "FF,\"End\",2,\"000 0 0\",1,040506\n");
    ASSERT_TRUE(load.Ok) << load.Error;
    EXPECT_EQ(load.Defs.ObjectDefs[0].ByteCount, ByteClass::Special);
    EXPECT_EQ(load.Defs.ObjectDefs[0].SizeMode, 0);
    EXPECT_EQ(load.Defs.ObjectDefs[0].Name, "Zero");
    EXPECT_TRUE(load.Defs.ObjectDefs[0].IsSlope);
    EXPECT_EQ(load.Defs.ObjectDefs[0xFF].ByteCount, ByteClass::EndOfList);
    EXPECT_EQ(load.Defs.ObjectDefs[0xFF].Name, "End");
    EXPECT_TRUE(load.Defs.ObjectDefs[0xFF].CrossSection);

    // Also when no file names them.
    files_["O5Data.dat"] = "";
    load = Load("O4Data.dat", "");
    ASSERT_TRUE(load.Ok) << load.Error;
    EXPECT_EQ(load.Defs.ObjectDefs[0].ByteCount, ByteClass::Special);
    EXPECT_EQ(load.Defs.ObjectDefs[0xFF].ByteCount, ByteClass::EndOfList);
}

TEST_F(DefinitionFilesTest, SpecialsSpritesAndLists) {
    files_["O4SData.dat"] = "0A,\"Gate\",3,255,1,102030\n";
    files_["SpriteData.dat"] = "1A3,\"Owl\",A0B0C0\n200,\"Extra\",000000\n";
    files_["EntranceTypes.dat"] = "0B,\"Ladder, going up\"\n";
    DefinitionLoad load = Load("LevelList.dat", "1A,\"Some name\"\n01A,Some name\n");
    ASSERT_TRUE(load.Ok) << load.Error;
    const SpecialObjectDef& gate = load.Defs.SpecialObjectDefs[0x0A];
    EXPECT_EQ(gate.Name, "Gate");
    EXPECT_EQ(gate.Width, 3);
    EXPECT_EQ(gate.Height, 255);
    EXPECT_TRUE(gate.CrossSection);
    EXPECT_EQ(load.Defs.SpriteDefs[0x1A3].Name, "Owl");
    EXPECT_EQ(load.Defs.SpriteDefs[0x1A3].Colour, (Rgb{0xA0, 0xB0, 0xC0}));
    EXPECT_EQ(load.Defs.SpriteDefs[0x200].Name, "Extra");
    EXPECT_EQ(load.Defs.LevelNames[0x1A], "Some name");
    EXPECT_EQ(load.Defs.DestinationLevels,
              (std::vector<ListItem>{{"1A Some name", 26}, {"01A Some name", 26}}));
    EXPECT_EQ(load.Defs.EntranceTypes, (std::vector<ListItem>{{"0B Ladder, going up", 11}}));
}

TEST_F(DefinitionFilesTest, ErrorsNameTheFileAndLine) {
    struct Case {
        const char* file;
        const char* content;
        const char* expected;
    };
    const Case cases[] = {
        {"O5Data.dat", "01,\"A\",\"0\",0,000000\n\n100,\"B\",\"0\",0,000000\n", "O5Data.dat, line 3: "},
        {"O5Data.dat", "G1,\"A\",\"0\",0,000000\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "01,\"A\",\"0\",yes,000000\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "01,\"A\",\"0\",0,FF80\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "01,\"A\",\"0\",0,GG0000\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "01,\"A\",\"1a0\",0,000000\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "01,\"A\",\"000 1  \",0,000000\n", "O5Data.dat, line 1: "},
        {"O5Data.dat", "", nullptr},  // an empty file is fine
        {"O4Data.dat", "40,\"A\",0,\"0\",0\n", "O4Data.dat, line 1: "},
        {"O4Data.dat", "40,\"A\",x,\"0\",0,000000\n", "O4Data.dat, line 1: "},
        {"O4Data.dat", "40,\"A\",0,\"0\",0,000000,extra\n", "O4Data.dat, line 1: "},
        {"O4SData.dat", "00,\"A\",256,1,0,000000\n", "O4SData.dat, line 1: "},
        {"O4SData.dat", "100,\"A\",1,1,0,000000\n", "O4SData.dat, line 1: "},
        {"SpriteData.dat", "201,\"A\",000000\n", "SpriteData.dat, line 1: "},
        {"SpriteData.dat", "FFFFFFFFFFFFFFFFFFFFFFFF,\"A\",000000\n", "SpriteData.dat, line 1: "},
        {"LevelList.dat", "00,\"A\"\n100,\"B\"\n", "LevelList.dat, line 2: "},
        {"LevelList.dat", ",\"A\"\n", "LevelList.dat, line 1: "},
        {"EntranceTypes.dat", "100,\"A\"\n", "EntranceTypes.dat, line 1: "},
    };
    for (const Case& c : cases) {
        SetUp();
        DefinitionLoad load = Load(c.file, c.content);
        if (!c.expected) {
            EXPECT_TRUE(load.Ok) << c.file << ": " << load.Error;
            continue;
        }
        EXPECT_FALSE(load.Ok) << c.content;
        EXPECT_EQ(load.Error.rfind(c.expected, 0), 0u) << c.content << " -> " << load.Error;
        EXPECT_TRUE(load.Defs.ObjectDefs[1].Name.empty());  // nothing half-loaded
    }
}

TEST_F(DefinitionFilesTest, MissingFileIsNamed) {
    for (const char* name : {"O5Data.dat", "O4SData.dat", "EntranceTypes.dat"}) {
        SetUp();
        Load("O5Data.dat", files_["O5Data.dat"]);
        folder_.Remove(name);
        DefinitionLoad load = LoadDefinitionFiles(folder_.Path());
        EXPECT_FALSE(load.Ok);
        EXPECT_NE(load.Error.find(name), std::string::npos) << load.Error;
    }
}

TEST(LevelOffsetsTest, ReadsRecordsAndRefusesTooMany) {
    TempFolder folder;
    EXPECT_FALSE(LoadLevelOffsets(folder.Path()).Ok);
    folder.Write("LevelOffsets.dat", "123456,\"First, with comma\"\n1E5234,Second\n");
    LevelOffsetsLoad load = LoadLevelOffsets(folder.Path());
    ASSERT_TRUE(load.Ok) << load.Error;
    ASSERT_EQ(load.Entries.size(), 2u);
    EXPECT_EQ(load.Entries[0].Offset, 0x123456);
    EXPECT_EQ(load.Entries[0].Name, "First, with comma");
    EXPECT_EQ(load.Entries[1].Offset, 0x1E5234);

    std::string many;
    for (int i = 0; i < 257; ++i) many += "100,\"L\"\n";
    folder.Write("LevelOffsets.dat", many);
    load = LoadLevelOffsets(folder.Path());
    EXPECT_FALSE(load.Ok);
    EXPECT_EQ(load.Error.rfind("LevelOffsets.dat, line 257: ", 0), 0u) << load.Error;
    EXPECT_TRUE(load.Entries.empty());
}

TEST(LevelListTest, ItemsKeepTheFirstFieldAsWritten) {
    TempFolder folder;
    EXPECT_FALSE(LoadLevelList(folder.Path()).Ok);
    folder.Write("LevelList.dat", "1a,\"Lower\"\r\n00,\"Zero\"\r\n");
    LevelListLoad load = LoadLevelList(folder.Path());
    ASSERT_TRUE(load.Ok) << load.Error;
    EXPECT_EQ(load.Items, (std::vector<ListItem>{{"1a Lower", 0x1A}, {"00 Zero", 0}}));
}

}  // namespace
