#include "inference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "fixtures.h"
#include "level/levelcheck.h"
#include "level/streamwalk.h"
#include "util/hex.h"

using namespace tarnloft;

namespace {

using testimage::LevelImage;

// A: reads with 5A and 6B both four bytes (FF at 8 ends the objects, one exit
// whose later bytes are FF, FF) or both five (FF at 10, FF): either length of
// 5A fits. B: only a five-byte 6B lets it read (as four bytes the next record
// would lie below the level).
const char* const BothOrNeither = "5A 01 02 03 6B 6B 02 03 FF 01 FF FF 03 04 FF";
const char* const SixBIsFive = "6B 01 02 03 04 FF FF";

std::string Summary(const tarnloft::Inference& inference) {
    std::string text;
    for (const tarnloft::NumberFinding& f : inference.Numbers) {
        const char* kinds[] = {"", "both", "conflict", "large"};
        text += (text.empty() ? "" : " ") + HexPadded(f.Number, 2) + ":" +
                (f.Kind == tarnloft::Finding::Decided ? std::to_string(f.Length) : kinds[int(f.Kind)]);
    }
    for (const tarnloft::LevelProblem& p : inference.Levels) text += " level" + std::to_string(p.Index);
    return text;
}

tarnloft::Inference Infer(const std::vector<uint8_t>& image, int count,
                          tarnloft::InferenceLimits limits = {}) {
    std::vector<tarnloft::LevelSource> levels;
    for (int i = 0; i < count; ++i) levels.push_back(tarnloft::FindLevel(image, i));
    return tarnloft::InferLengths(image, levels, limits);
}

TEST(Inference, FindsWhatTheStreamsAllow) {
    const struct {
        const char* Name;
        std::vector<std::string> Streams;
        const char* Expected;
    } cases[] = {
        // As four bytes, 04 would start a record whose screen byte FF lies below the level.
        {"only five bytes read", {"5A 01 02 03 04 FF FF"}, "5A:5"},
        // As five bytes, FF (at 5) would end the objects and 90 start an exit below the level.
        {"only four bytes read", {"5A 01 02 03 FF FF 90"}, "5A:4"},
        {"one level leaves both open", {BothOrNeither}, "5A:both 6B:both"},
        {"two levels together decide", {BothOrNeither, SixBIsFive}, "5A:5 6B:5"},
        {"no length reconciles two levels",
         {"5A 01 02 03 04 FF FF", "5A 01 02 03 FF FF 90"},
         "5A:conflict level1"},
        {"a stream runs past the end", {"5A 01 02 03 04 FF FF", "6B 01 02"}, "5A:5 level1"},
        // The exit 01 FF FF FF FF does not end the list; the FF behind it does.
        {"FF inside an exit", {"10 01 02 03 FF 01 FF FF FF FF FF"}, "10:4"},
        {"special and end are never asked", {"00 01 02 03 FF FF"}, ""},
        {"an unused number after the end is not counted", {"FF FF 5A 01 02"}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Summary(Infer(LevelImage(c.Streams), int(c.Streams.size()))), c.Expected) << c.Name;
}

// Every level stops at a different number whose two lengths both read for a
// long way: the search must give up within its limits, not hang.
TEST(Inference, AHugeSearchEndsWithinItsLimits) {
    std::vector<std::string> streams;
    for (int level = 0; level < 40; ++level) {
        std::string stream;
        for (int i = 0; i < 200; ++i) stream += HexPadded(uint8_t(1 + (level * 7 + i * 3) % 0x7E), 2) + " ";
        streams.push_back(stream + "FF FF");
    }
    const tarnloft::Inference inference = Infer(LevelImage(streams), 40, {20000, 200000});
    EXPECT_FALSE(inference.Numbers.empty());
    EXPECT_LT(inference.DecidedCount(), int(inference.Numbers.size()));
}

// 5A five bytes, 10 four bytes (fixture::MakeDefs); 7B has no class.
TEST(Inference, CheckReportsWhyALevelDoesNotDecode) {
    const std::pair<const char*, const char*> cases[] = {
        {"5A 01 02 03 04 10 01 02 33 FF 01 FF FF 03 04 FF", ""},
        {"5A 01 02 03", "object 5A runs past the end of the image at file offset 0xC020D"},
        {"10 01 02 03 FF 01 FF FF FF FF",
         "the screen exit list runs past the end of the image at file offset 0xC0217"},
        {"10 81 02 03 FF FF", "object 10 lies below the level at file offset 0xC020D"}};
    for (const auto& [stream, fault] : cases) {
        const tarnloft::LevelVerdict verdict =
            tarnloft::CheckLevel(LevelImage({stream}), fixture::MakeDefs(), 0);
        EXPECT_EQ(verdict.Fault ? tarnloft::Describe(*verdict.Fault) : "", fault) << stream;
    }
}

// Whether every stream reads to its end with these lengths.
bool AllRead(const std::vector<uint8_t>& image, const std::vector<LevelSource>& levels,
             const LengthTable& lengths) {
    WalkRules rules;
    rules.InsideLevelArea = true;
    for (const LevelSource& level : levels) {
        StreamCursor cursor{WalkState::Objects, level.ObjectOffset};
        Walk(image, lengths, rules, cursor);
        if (cursor.State != WalkState::Done) return false;
    }
    return true;
}

// Small random images over a few numbers, compared with trying every
// assignment of lengths: a number is decided exactly when every assignment
// under which all streams read gives it the same length.
TEST(Inference, AgreesWithTryingEveryAssignment) {
    const std::vector<uint8_t> variables = {0x01, 0x02, 0x03, 0x5A, 0x6B, 0x7C, 0x90};
    const std::vector<uint8_t> alphabet = {0x01, 0x02, 0x03, 0x5A, 0x6B, 0x7C, 0x00, 0xFF, 0x90};
    std::mt19937 random(7);
    int compared = 0;
    for (int trial = 0; trial < 5000; ++trial) {
        std::vector<uint8_t> image;
        std::vector<LevelSource> levels;
        for (int level = 0; level < 1 + int(random() % 3); ++level) {
            LevelSource source;
            source.Index = level;
            source.ObjectOffset = int64_t(image.size());
            for (int i = 0; i < 6 + int(random() % 10); ++i)
                image.push_back(alphabet[random() % alphabet.size()]);
            levels.push_back(source);
        }
        const Inference inference = InferLengths(image, levels);
        if (!inference.Levels.empty()) continue;  // no assignment lets them all read
        std::map<uint8_t, std::set<int>> lengthsSeen;
        std::set<uint8_t> read;
        for (unsigned mask = 0; mask < (1u << variables.size()); ++mask) {
            LengthTable lengths{};
            for (size_t v = 0; v < variables.size(); ++v) lengths[variables[v]] = mask >> v & 1 ? 5 : 4;
            if (!AllRead(image, levels, lengths)) continue;
            for (const LevelSource& level : levels)
                for (uint8_t number : NumbersRead(image, lengths, level.ObjectOffset)) read.insert(number);
            for (uint8_t number : variables) lengthsSeen[number].insert(lengths[number]);
        }
        std::set<uint8_t> reported;
        for (const NumberFinding& finding : inference.Numbers) {
            reported.insert(finding.Number);
            const std::set<int>& seen = lengthsSeen[finding.Number];
            if (finding.Kind == Finding::Decided)
                EXPECT_EQ(seen, std::set<int>{finding.Length}) << trial << " " << int(finding.Number);
            else
                EXPECT_EQ(seen.size(), 2u) << trial << " " << int(finding.Number);
            ++compared;
        }
        // Every reported number is used by some reading; when all are
        // decided, the reading is unique and uses exactly those.
        EXPECT_TRUE(std::includes(read.begin(), read.end(), reported.begin(), reported.end())) << trial;
        if (inference.DecidedCount() == int(inference.Numbers.size())) {
            EXPECT_EQ(reported, read) << trial;
        }
    }
    EXPECT_GT(compared, 100);
}

}  // namespace
