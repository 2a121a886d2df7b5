// The definition-file tool on the demo image: inference finds what data/
// says, and the files it writes load and decode every level.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "catalogue/definitionfiles.h"
#include "defstool.h"
#include "fixtures.h"
#include "level/levelio.h"

using namespace tarnloft;

namespace fs = std::filesystem;

TEST(DemoImage, InferDecidesEveryUsedNumberAsDataDoes) {
    testimage::ScratchFolder folder;
    const std::string image = folder.File("demo.smc");
    if (!testimage::MakeDemoImage(image, TARNLOFT_DATA_DIR)) GTEST_SKIP() << "no demo image generator";
    const DefinitionLoad data = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(data.Ok);
    RomImage rom;
    ASSERT_FALSE(rom.Open(image));
    std::set<int> used;
    for (int index = 0; index < 256; ++index) {
        const LoadResult level = LoadLevelIndex(rom, data.Defs, index);
        ASSERT_TRUE(level.Ok) << index;
        for (const LevelObject& o : level.Level.LevelObjects)
            if (!o.IsSprite && o.Number != 0) used.insert(o.Number);
    }

    // A copy of data/ without the two object files, which inference writes.
    const std::string out = folder.File("inferred");
    fs::create_directory(out);
    for (const auto& entry : fs::directory_iterator(TARNLOFT_DATA_DIR))
        if (entry.path().filename().string().rfind("O4Data", 0) &&
            entry.path().filename().string().rfind("O5Data", 0))
            fs::copy(entry.path(), out);
    auto run = [&](const std::vector<std::string>& args, std::string& report) {
        std::ostringstream text, errors;
        const int status = RunDefsTool(args, TARNLOFT_DATA_DIR, text, errors);
        report = text.str();
        return status;
    };
    std::string report;
    ASSERT_EQ(run({"infer", image, "--levels", "256", "--out", out}, report), ExitAllGood) << report;
    EXPECT_EQ(report, "decided " + std::to_string(used.size()) + " of " + std::to_string(used.size()) +
                          " object numbers\n");

    // The written files load beside the others, give every used number the
    // class that data/ gives it, and decode every level.
    const DefinitionLoad inferred = LoadDefinitionFiles(out);
    ASSERT_TRUE(inferred.Ok) << inferred.Error;
    for (int number : used)
        EXPECT_EQ(inferred.Defs.ObjectDefs[number].ByteCount, data.Defs.ObjectDefs[number].ByteCount)
            << number;
    EXPECT_EQ(run({"check", image, "--data", out}, report), ExitAllGood);
    EXPECT_EQ(report, "256 of 256 levels decode\n");
}
