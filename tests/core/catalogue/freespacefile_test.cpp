// FreeSpace.dat: optional, one range per line, malformed lines named.
#include "catalogue/freespacefile.h"

#include <gtest/gtest.h>

#include "support/testimage.h"

using namespace tarnloft;

TEST(FreeSpaceFile, ReadsRangesOrNamesTheBadLine) {
    // clang-format off
    const struct { const char* Name; const char* Text; const char* Error; } cases[] = {
        {"missing file",  nullptr, ""},
        {"two ranges",    "1F0200,1F81FF,\"Unused bank\"\n\n200,2FF,Start\n", ""},
        {"not hex",       "1F0200,1F81FF,a\nXYZ,300,b\n", "FreeSpace.dat, line 2: first offset \"XYZ\" is not a hexadecimal number"},
        {"backwards",     "300,200,\"b\"\n", "FreeSpace.dat, line 1: last offset 200 lies before first offset 300"},
        {"short line",    "300,400\n", "FreeSpace.dat, line 1: expected 3 fields, found 2"},
    };
    // clang-format on
    for (const auto& c : cases) {
        testimage::ScratchFolder folder;
        if (c.Text) folder.Write(FreeSpaceFileName, c.Text);
        const FreeSpaceLoad load = LoadFreeSpace(folder.Path());
        EXPECT_EQ(load.Ok, *c.Error == 0) << c.Name;
        EXPECT_EQ(load.Error, c.Error) << c.Name;
        if (std::string(c.Name) == "two ranges") {
            ASSERT_EQ(load.Ranges.size(), 2u);
            EXPECT_TRUE(load.Ranges[0].First == 0x1F0200 && load.Ranges[0].Last == 0x1F81FF &&
                        load.Ranges[0].Description == "Unused bank" && load.Ranges[1].First == 0x200);
        }
    }
}
