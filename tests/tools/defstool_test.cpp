#include "defstool.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "catalogue/definitionfiles.h"
#include "definitionwriter.h"
#include "fixtures.h"
#include "level/levelio.h"
#include "rom/allocationtag.h"

using namespace tarnloft;

namespace {

using testimage::LevelImage;
using TempFolder = testimage::ScratchFolder;

struct ToolRun {
    int Status = -1;
    std::string Out, Err;
};

ToolRun RunTool(const std::vector<std::string>& args, const std::string& dataFolder) {
    std::ostringstream out, err;
    ToolRun run;
    run.Status = RunDefsTool(args, dataFolder, out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

// Definition files that know 5A (five bytes) and 10 (four bytes) and list levels 0 and 1.
void WriteSmallDefinitions(const TempFolder& folder) {
    folder.Write("O5Data.dat", "5A,\"Ground\",\"000 0 0\",0,112233\n");
    folder.Write("O4Data.dat", "10,\"Crate\",0,\"000 0 0\",0,445566\n");
    folder.Write("O4SData.dat", "00,\"Door\",2,3,0,778899\n");
    folder.Write("SpriteData.dat", "000,\"Beetle\",AABBCC\n");
    folder.Write("LevelList.dat", "00,\"One\"\n01,\"Two\"\n");
    folder.Write("EntranceTypes.dat", "00,\"Walk\"\n");
}

struct CliCase {
    const char* Name;
    std::vector<std::string> Args;  // "IMAGE" and "OUT" stand for the scratch paths
    int Status;
    const char* Out;  // exact standard output ("OUT" stands for the scratch folder)
    const char* Err;  // a part of standard error
};

class CliTable : public testing::TestWithParam<CliCase> {};

// Level 0 decodes; level 1 uses 7B, which no file defines; level 2's object
// pointer has bank 7F; level 3's points behind the end of the image.
TEST_P(CliTable, PrintsTheLinesAndExitsWithTheStatus) {
    const CliCase& c = GetParam();
    TempFolder folder;
    WriteSmallDefinitions(folder);
    std::vector<uint8_t> image =
        LevelImage({"5A 01 02 03 04 FF FF", "5A 01 02 03 04 7B 01 02 03 FF FF", "FF FF", "FF FF"});
    testimage::Put(image, testimage::TableRow(2) + 2, {0x7F});
    testimage::PutPointer(image, testimage::TableRow(3), 0x1F0000);
    testimage::WriteFile(folder.File("game.smc"), image);
    testimage::WriteFile(folder.File("short.smc"), std::vector<uint8_t>(1000, 0xEA));
    std::vector<std::string> args;
    for (const std::string& a : c.Args)
        args.push_back(a == "IMAGE"   ? folder.File("game.smc")
                       : a == "SHORT" ? folder.File("short.smc")
                       : a == "OUT"   ? folder.Path()
                                      : a);
    const ToolRun run = RunTool(args, folder.Path());
    EXPECT_EQ(run.Status, c.Status) << run.Err;
    std::string out = c.Out;
    const std::string path = folder.Path();
    for (size_t at = out.find("OUT"); at != std::string::npos; at = out.find("OUT", at + path.size()))
        out.replace(at, 3, path);
    EXPECT_EQ(run.Out, out);
    EXPECT_NE(run.Err.find(c.Err), std::string::npos) << run.Err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliTable,
    testing::Values(
        CliCase{"CheckListedLevels",
                {"check", "IMAGE"},
                1,
                "level 1: unknown object 7B at file offset 0xC0223\n1 of 2 levels decode\n",
                ""},
        CliCase{"CheckBadPointers",
                {"check", "IMAGE", "--levels", "4"},
                1,
                "level 1: unknown object 7B at file offset 0xC0223\n"
                "level 2: the object data pointer 7F:8029 addresses no ROM at file offset 0xBF9CF\n"
                "level 3: the level header lies past the end of the image at file offset 0x1F0000\n"
                "1 of 4 levels decode\n",
                ""},
        CliCase{"NotACartridgeImage",
                {"check", "SHORT"},
                2,
                "",
                "short.smc is not a cartridge image: 1000 bytes\n"},
        CliCase{
            "MissingImage", {"check", "/nonexistent/game.smc"}, 2, "", "/nonexistent/game.smc: No such file"},
        CliCase{
            "NoLevels", {"check", "IMAGE", "--levels", "0"}, 2, "", "--levels takes a count from 1 to 256"},
        CliCase{"LevelsBeyondTheTable", {"infer", "IMAGE", "--levels", "257"}, 2, "", "not \"257\""},
        CliCase{"InferNeedsLevels", {"infer", "IMAGE"}, 2, "", "infer needs --levels N"},
        CliCase{"InferDecidesAndReports",
                {"infer", "IMAGE", "--levels", "1", "--out", "OUT", "--force"},
                0,
                "wrote OUT/O5Data.dat\nwrote OUT/O4Data.dat\ndecided 1 of 1 object numbers\n",
                ""},
        // Level 1 also reads with a five-byte 7B: its exit list then runs on
        // through level 2's header up to that level's FF.
        CliCase{"InferWithBadLevels",
                {"infer", "IMAGE", "--levels", "4", "--out", "OUT", "--force"},
                1,
                "level 2: the object data pointer 7F:8029 addresses no ROM at file offset 0xBF9CF\n"
                "level 3: the level header lies past the end of the image at file offset 0x1F0000\n"
                "object 7B: both lengths fit\n"
                "wrote OUT/O5Data.dat\nwrote OUT/O4Data.dat\n"
                "decided 1 of 2 object numbers\n",
                ""},
        CliCase{"InferIntoAMissingFolder",
                {"infer", "IMAGE", "--levels", "1", "--out", "/nonexistent/out"},
                2,
                "",
                "/nonexistent/out: no such folder"},
        CliCase{"InferNeverOverwrites",
                {"infer", "IMAGE", "--levels", "1", "--out", "OUT"},
                2,
                "",
                "O5Data.dat already exists (--force overwrites it)"}),
    [](const testing::TestParamInfo<CliCase>& info) { return std::string(info.param.Name); });

TEST(DefsTool, BrokenDefinitionFileNamesFileAndLine) {
    TempFolder folder;
    WriteSmallDefinitions(folder);
    folder.Write("O4Data.dat", "10,\"Crate\",0,\"000 0 0\",0,445566\nZZ,\"Bad\",0,\"000 0 0\",0,445566\n");
    testimage::WriteFile(folder.File("game.smc"), LevelImage({"FF FF"}));
    const ToolRun run = RunTool({"check", folder.File("game.smc")}, folder.Path());
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("O4Data.dat, line 2"), std::string::npos) << run.Err;
}

TEST(DefsTool, InferKeepsExistingFieldsAndReportsContradictions) {
    TempFolder data, out;
    WriteSmallDefinitions(data);
    // 10 is four bytes (as five, the record at 5 would lie below the level), 5A five.
    data.Write("O4Data.dat",
               "00,\"Special\",0,\"000 0 0\",0,010203\n5A,\"Ground, \"\"wide\"\"\",2,\"101 3 2\",1,445566\n");
    testimage::WriteFile(out.File("game.smc"), LevelImage({"10 01 02 33 5A 01 92 03 04 FF FF"}));
    const ToolRun run = RunTool(
        {"infer", out.File("game.smc"), "--levels", "1", "--data", data.Path(), "--out", out.Path()}, ".");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "object 5A: 5 bytes in the image, 4 bytes in O4Data.dat\nwrote " +
                           out.File("O5Data.dat") + "\nwrote " + out.File("O4Data.dat") +
                           "\ndecided 2 of 2 object numbers\n");
    std::ifstream five(out.File("O5Data.dat")), four(out.File("O4Data.dat"));
    std::stringstream fiveText, fourText;
    fiveText << five.rdbuf();
    fourText << four.rdbuf();
    EXPECT_EQ(fiveText.str(), "5A,\"Ground, \"\"wide\"\"\",\"101 3 2\",1,445566\n");
    const std::string made = "10,\"Object 10\",0,\"0000000\",0,";
    EXPECT_EQ(fourText.str().rfind("00,\"Special\",0,\"000 0 0\",0,010203\n" + made, 0), 0u)
        << fourText.str();
}

}  // namespace

// Levels 0 and 1 share a sprite stream; level 1's objects sit in a tagged
// block; FreeSpace.dat declares 0x100 bytes, of which a run of 0xEA is not free.
TEST(DefsTool, MapListsTheLevelsTheFreeSpaceAndTheTaggedBlocks) {
    TempFolder folder;
    WriteSmallDefinitions(folder);
    folder.Write("FreeSpace.dat", "C0300,C03FF,\"Spare\"\n");
    std::vector<uint8_t> image = LevelImage({"5A 01 02 03 04 FF FF"});
    image.resize(0xC0400, 0x00);
    const auto tag = MakeAllocationTag(13);
    testimage::Put(image, 0xC0220, {tag.begin(), tag.end()});
    testimage::Put(image, 0xC0228, testimage::Bytes("00*10 FF FF 00"));
    testimage::PutLevel(image, 1, 0xC0228, testimage::DataOffset);
    testimage::Put(image, 0xC0380, std::vector<uint8_t>(0x10, 0xEA));
    testimage::WriteFile(folder.File("game.smc"), image);
    const ToolRun run = RunTool({"map", folder.File("game.smc")}, folder.Path());
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(
        run.Out,
        "level 00: objects at 0xC0203 use 5 of 17 bytes; sprites at 0xC0200 use 0 of 0 bytes, shared with "
        "01\n"
        "level 01: objects at 0xC0228 use 0 of 1 bytes; sprites at 0xC0200 use 0 of 0 bytes, shared with 00\n"
        "free 0xC0300-0xC03FF \"Spare\": 240 bytes free in 2 places\n"
        "block at 0xC0220: 13 bytes behind its tag\n"
        "240 bytes free in 2 places\n");
}
