// Edits a copy of the demo image with arbitrary sequences of editor
// operations (see editops.h) and checks every save against the save oracle:
// a refused save leaves the image as it was, a save that worked writes only
// inside the level's two extents, reloads as the model that was saved and
// saves back unchanged. After every operation the selection must be an
// ascending set of entries holding the primary, and a copy must read back as
// what was copied. Any broken promise aborts with the operations that led to it.
//
// The demo image is generated at start by tarnloft_demogen from the
// definition files beside this executable. Built with TARNLOFT_REPLAY it
// runs without the fuzzing engine over the input files and folders named
// on its command line (make test replays fuzz/seeds/editing so).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/datafolder.h"
#include "catalogue/definitionfiles.h"
#include "editops.h"
#include "editsession.h"
#include "level/objectstream.h"
#include "level/spritestream.h"
#include "support/saveoracle.h"
#include "support/testimage.h"

using namespace tarnloft;

namespace {

// Bounds per input, so that one input stays well inside libFuzzer's timeout.
constexpr size_t MaxOperations = 400;
constexpr int MaxSaves = 16;

struct Fixture {
    Catalogues Defs;
    std::vector<uint8_t> Original;
    std::string Path;
    RomImage Rom;
    std::vector<ByteRange> Written;  // what the saves of the current input may have changed
};
Fixture* fixture = nullptr;

struct Tally {
    uint64_t Operations = 0;
    uint64_t SavesChecked = 0;
    uint64_t SavesRefused = 0;
    uint64_t Moves = 0;  // moving saves that moved the level
    std::chrono::steady_clock::time_point Start = std::chrono::steady_clock::now();
} tally;

std::vector<const char*> trace;  // the operations of the current input
int savesLeft = 0;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "editing fuzzer: %s\noperations:", what.c_str());
    for (const char* name : trace) std::fprintf(stderr, " %s,", name);
    std::fprintf(stderr, "\n");
    abort();
}

void PrintTally() {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - tally.Start).count();
    std::fprintf(
        stderr,
        "editing fuzzer: %.0f operations (%.0f per second), %.0f saves checked, %.0f of them refused, %.0f "
        "moved the level\n",
        double(tally.Operations), tally.Operations / std::max(seconds, 1e-9), double(tally.SavesChecked),
        double(tally.SavesRefused), double(tally.Moves));
    if (fixture) unlink(fixture->Path.c_str());
}

[[noreturn]] void SetupFailed(const std::string& why) {
    std::fprintf(stderr, "editing fuzzer: %s\n", why.c_str());
    std::exit(1);
}

// A moving save that moved the level: its wider promise, and what to put back.
void CheckMove(const EditSession::MovingSave& run, const LevelModel& saved,
               const std::vector<uint8_t>& before, const ListedLevels& listed) {
    ++tally.Moves;
    for (const ByteRange& range : MoveExtents(saved, run.Plan, listed)) fixture->Written.push_back(range);
    if (!run.Result.Ok)
        Fail("a moving save that moved the level reported \"" + run.Result.Report.Text + "\"");
    if (auto broken = CheckMovingSave(fixture->Rom, fixture->Defs, saved, run.Plan, before, listed))
        Fail(*broken);
}

void SaveAndCheck(EditSession& session, bool moving) {
    if (savesLeft == 0) return;
    --savesLeft;
    const std::vector<uint8_t> before = ImageBytes(fixture->Rom);
    const LevelModel saved = session.Level();
    ++tally.SavesChecked;
    SaveResult result;
    if (moving) {
        const ListedLevels listed = ReadListedLevels(fixture->Rom, fixture->Defs);
        const EditSession::MovingSave run = session.SaveMoving();
        if (run.Moved) return CheckMove(run, saved, before, listed);
        result = run.Result;
    } else {
        result = session.Save();
    }
    for (const ByteRange& range : SaveExtents(saved)) fixture->Written.push_back(range);
    if (!result.Ok) ++tally.SavesRefused;
    if (auto broken = CheckSave(fixture->Rom, fixture->Defs, saved, result, before)) Fail(*broken);
}

// The selection: ascending members without repeats, every one an entry,
// the primary among them whenever there are entries.
bool SelectionHolds(const LevelModel& level) {
    const std::vector<int>& set = level.Selection;
    for (size_t i = 0; i < set.size(); ++i)
        if (!level.HoldsEntry(set[i]) || (i > 0 && set[i - 1] >= set[i])) return false;
    if (level.LevelObjects.empty()) return true;
    return std::binary_search(set.begin(), set.end(), level.SelectedObject);
}

// What the user sees must be what a save measures, every change of the
// level must be declared to the history, and the selection keeps its shape.
void CheckSession(const EditSession& session) {
    const LevelModel& level = session.Level();
    if (!SelectionHolds(level)) Fail("the selection is not an ascending set of entries holding the primary");
    if (level.ObjectBytesUsed != MeasureObjectBytes(fixture->Defs, level) ||
        level.SpriteBytesUsed != MeasureSpriteBytes(level))
        Fail("the byte counters differ from the bytes the level needs");
    if (session.Broken()) Fail(*session.Broken());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    const std::string folder = ExecutableFolder((*argv)[0]);
    DefinitionLoad defs = LoadDefinitionFiles(folder);
    if (!defs.Ok) SetupFailed(defs.Error);
    fixture = new Fixture();
    fixture->Defs = std::move(defs.Defs);
    fixture->Path = testimage::ScratchRoot() + "/tarnloft-edit-" + std::to_string(getpid()) + ".smc";
    const std::string command = folder + "/tarnloft_demogen " + fixture->Path + " " + folder;
    if (std::system(command.c_str()) != 0) SetupFailed("cannot run " + command);
    if (auto error = fixture->Rom.Open(fixture->Path)) SetupFailed(*error);
    fixture->Original = ImageBytes(fixture->Rom);
    std::atexit(PrintTally);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Back to the original image: the oracle has made sure that the saves
    // changed nothing outside their extents.
    for (const ByteRange& range : fixture->Written) {
        const int64_t from = std::max<int64_t>(range.From, 1);
        const int64_t to = std::min<int64_t>(range.To, static_cast<int64_t>(fixture->Original.size()) + 1);
        if (from >= to) continue;
        if (auto error =
                fixture->Rom.Write(from, fixture->Original.data() + from - 1, static_cast<size_t>(to - from)))
            SetupFailed(*error);
    }
    fixture->Written.clear();
    trace.clear();
    savesLeft = MaxSaves;
    EditSession session(fixture->Rom, fixture->Defs);
    OpReader in(data, size);
    while (!in.Done() && trace.size() < MaxOperations && !session.Ended()) {
        const EditOp& op = EditOps()[in.Byte() % EditOpCount()];
        trace.push_back(op.Name);
        op.Run(session, in, SaveAndCheck);
        ++tally.Operations;
        CheckSession(session);
    }
    return 0;
}

#ifdef TARNLOFT_REPLAY
int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i]))
            inputs.push_back(argv[i]);
        else
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                inputs.push_back(entry.path());
    }
    for (const std::string& input : inputs) {
        const testimage::Image bytes = testimage::ReadFile(input);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    return inputs.empty() ? 1 : 0;
}
#endif
