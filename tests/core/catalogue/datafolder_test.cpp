#include "catalogue/datafolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "rom/temprom.h"

namespace fs = std::filesystem;

// A tree like an installed one: <root>/bin for the executable, and the
// definition files perhaps in bin/ and perhaps in share/tarnloft/.
TEST(DataFolder, PrefersTheExecutablesFolderThenTheInstalledShareFolder) {
    struct Case {
        const char* Name;
        const char* BesideFile;  // written into bin/ when set
        const char* SharedFile;  // written into share/tarnloft/ when set
        const char* Expected;    // relative to the root
    };
    const Case cases[] = {
        {"build folder", "O5Data.dat", nullptr, "bin"},
        {"installed tree", nullptr, "O5Data.dat", "share/tarnloft"},
        {"both: the executable's folder wins", "LevelList.dat", "O5Data.dat", "bin"},
        {"a partial set beside wins, so its gaps are reported", "LevelOffsets.dat", "O5Data.dat", "bin"},
        {"neither: the executable's folder for the error", nullptr, nullptr, "bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        testrom::TempFolder root;
        const fs::path bin = fs::path(root.Path) / "bin";
        const fs::path shared = fs::path(root.Path) / "share" / "tarnloft";
        fs::create_directories(bin);
        fs::create_directories(shared);
        if (c.BesideFile) root.Write(std::string("bin/") + c.BesideFile, "");
        if (c.SharedFile) root.Write(std::string("share/tarnloft/") + c.SharedFile, "");
        EXPECT_EQ(fs::path(tarnloft::FindDataFolder(bin.string())), fs::path(root.Path) / c.Expected);
    }
}

TEST(DataFolder, AFolderNamedLikeAFileDoesNotCount) {
    testrom::TempFolder root;
    const fs::path bin = fs::path(root.Path) / "bin";
    fs::create_directories(bin / "O5Data.dat");
    fs::create_directories(fs::path(root.Path) / "share" / "tarnloft");
    root.Write("share/tarnloft/O4Data.dat", "");
    EXPECT_EQ(fs::path(tarnloft::FindDataFolder(bin.string())), fs::path(root.Path) / "share/tarnloft");
}
