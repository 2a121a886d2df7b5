#include "catalogue/datafolder.h"

#include <gtest/gtest.h>

#include "support/testimage.h"

namespace fs = std::filesystem;

// A tree like an installed one: <root>/bin for the executable, and the
// definition files perhaps in bin/ and perhaps in share/tarnloft/.
TEST(DataFolder, PrefersTheExecutablesFolderThenTheInstalledShareFolder) {
    struct Case {
        const char* Name;
        const char* BesideFile;  // written into bin/ when set
        const char* SharedFile;  // written into share/tarnloft/ when set
        const char* Expected;    // relative to the root
        bool BesideIsFolder;     // the name beside is a folder, not a file
    };
    const Case cases[] = {
        {"build folder", "O5Data.dat", nullptr, "bin", false},
        {"installed tree", nullptr, "O5Data.dat", "share/tarnloft", false},
        {"both: the executable's folder wins", "LevelList.dat", "O5Data.dat", "bin", false},
        {"a partial set beside wins, so its gaps are reported", "LevelOffsets.dat", "O5Data.dat", "bin",
         false},
        {"neither: the executable's folder for the error", nullptr, nullptr, "bin", false},
        {"a folder named like a file does not count", "O5Data.dat", "O4Data.dat", "share/tarnloft", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        testimage::ScratchFolder root;
        const fs::path bin = fs::path(root.Path()) / "bin";
        fs::create_directories(bin);
        fs::create_directories(fs::path(root.Path()) / "share" / "tarnloft");
        if (c.BesideFile && c.BesideIsFolder) fs::create_directories(bin / c.BesideFile);
        if (c.BesideFile && !c.BesideIsFolder) root.Write(std::string("bin/") + c.BesideFile, "");
        if (c.SharedFile) root.Write(std::string("share/tarnloft/") + c.SharedFile, "");
        EXPECT_EQ(fs::path(tarnloft::FindDataFolder(bin.string())), fs::path(root.Path()) / c.Expected);
    }
}
