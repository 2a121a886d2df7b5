// The definition-file tool on the demo image: inference finds what data/
// says, and the files it writes load and decode every level.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "catalogue/definitionfiles.h"
#include "defstool.h"
#include "level/levelio.h"
#include "rom/temprom.h"

using namespace tarnloft;

namespace {

namespace fs = std::filesystem;
using testrom::TempFolder;

class DemoImage : public testing::Test {
protected:
    void SetUp() override {
        const char* generator = std::getenv("TARNLOFT_DEMOGEN");
        if (!generator) GTEST_SKIP() << "TARNLOFT_DEMOGEN is not set";
        image_ = folder_.File("demo.smc");
        const std::string command = std::string(generator) + " " + image_ + " " TARNLOFT_DATA_DIR;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    int Run(const std::vector<std::string>& args, std::string* out = nullptr) {
        std::ostringstream text, errors;
        const int status = RunDefsTool(args, TARNLOFT_DATA_DIR, text, errors);
        if (out) *out = text.str();
        return status;
    }

    // A copy of data/ in a folder of its own.
    std::string CopyOfData(const std::string& name) {
        const std::string copy = folder_.File(name);
        fs::create_directory(copy);
        for (const auto& entry : fs::directory_iterator(TARNLOFT_DATA_DIR)) fs::copy(entry.path(), copy);
        return copy;
    }

    TempFolder folder_;
    std::string image_;
};

TEST_F(DemoImage, InferDecidesEveryUsedNumberAsDataDoes) {
    const DefinitionLoad data = LoadDefinitionFiles(TARNLOFT_DATA_DIR);
    ASSERT_TRUE(data.Ok);
    RomImage rom;
    ASSERT_FALSE(rom.Open(image_));
    std::set<int> used;
    for (int index = 0; index < 256; ++index) {
        const LoadResult level = LoadLevelIndex(rom, data.Defs, index);
        ASSERT_TRUE(level.Ok) << index;
        for (const LevelObject& o : level.Level.LevelObjects)
            if (!o.IsSprite && o.Number != 0) used.insert(o.Number);
    }

    const std::string out = CopyOfData("inferred");
    fs::remove(out + "/O5Data.dat");
    fs::remove(out + "/O4Data.dat");
    std::string report;
    ASSERT_EQ(Run({"infer", image_, "--levels", "256", "--out", out}, &report), ExitAllGood) << report;
    EXPECT_EQ(report, "wrote " + out + "/O5Data.dat\nwrote " + out + "/O4Data.dat\ndecided " +
                          std::to_string(used.size()) + " of " + std::to_string(used.size()) +
                          " object numbers\n");

    // The written files load beside the others, give every used number the
    // class that data/ gives it, and decode every level.
    const DefinitionLoad inferred = LoadDefinitionFiles(out);
    ASSERT_TRUE(inferred.Ok) << inferred.Error;
    for (int number : used)
        EXPECT_EQ(inferred.Defs.ObjectDefs[number].ByteCount, data.Defs.ObjectDefs[number].ByteCount)
            << number;
    for (int index = 0; index < 256; ++index) {
        const LoadResult level = LoadLevelIndex(rom, inferred.Defs, index);
        EXPECT_TRUE(level.Ok && level.Messages.empty()) << index;
    }
    EXPECT_EQ(Run({"check", image_, "--data", out}), ExitAllGood);
}

TEST_F(DemoImage, CheckNamesTheLevelsThatOneFlippedClassBreaks) {
    std::string report;
    EXPECT_EQ(Run({"check", image_}, &report), ExitAllGood);
    EXPECT_EQ(report, "256 of 256 levels decode\n");

    // Object 41 moves from the four-byte file to the five-byte one.
    const std::string flipped = CopyOfData("flipped");
    std::ifstream in(flipped + "/O4Data.dat");
    std::string fourByte, line, moved;
    while (std::getline(in, line)) (line.rfind("41,", 0) == 0 ? moved : fourByte) += line + "\n";
    in.close();
    ASSERT_FALSE(moved.empty());
    std::ofstream(flipped + "/O4Data.dat") << fourByte;
    std::ofstream(flipped + "/O5Data.dat", std::ios::app) << "41,\"Flipped\",\"000 0 0\",0,000000\n";

    EXPECT_EQ(Run({"check", image_, "--data", flipped}, &report), ExitSomeFail);
    std::istringstream lines(report);
    int failing = 0;
    while (std::getline(lines, line) && line.rfind("level ", 0) == 0) ++failing;
    EXPECT_GT(failing, 0);
    EXPECT_EQ(line, std::to_string(256 - failing) + " of 256 levels decode");
}

}  // namespace
