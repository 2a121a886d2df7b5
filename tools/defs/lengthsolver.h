// The search behind inference: finds record lengths for object numbers under
// which a set of object streams all read, one level at a time as far as the
// known lengths take it, guessing a length only where a walk stops, and
// backing out of guesses that make a stream unreadable. Work is counted in
// walked records and bounded, so a hostile image ends the search early
// instead of running it for ever.
#pragma once
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "level/streamwalk.h"

namespace tarnloft {

class LengthSolver {
public:
    enum class Outcome { Found, None, TooLarge };

    // `starts` are the offsets of each stream's first object byte. Each
    // search may walk `stepLimit` records (and scans of the levels).
    LengthSolver(const ImageBytes& image, std::vector<int64_t> starts, int64_t stepLimit);

    // Searches for lengths under which every stream in `active` reads, with
    // the numbers in `fixed` held at the given length. After Found,
    // Lengths() gives the length of every number that the streams read and
    // 0 for every other.
    Outcome Solve(const std::vector<bool>& active, const std::vector<std::pair<uint8_t, uint8_t>>& fixed);

    const LengthTable& Lengths() const { return lengths_; }
    // Numbers that the latest search guessed a length for at some point.
    const std::array<bool, 256>& Guessed() const { return guessed_; }
    // Records walked by every search so far.
    int64_t TotalSteps() const { return totalSteps_; }

private:
    struct Saved {
        size_t Level;
        StreamCursor Cursor;
    };
    struct Mark {
        size_t Trail, Assigned;
    };

    bool Assign(uint8_t number, uint8_t length);
    bool Propagate();
    int Probe(size_t level, uint8_t number);
    Mark Here() const { return {trail_.size(), assigned_.size()}; }
    void Undo(Mark mark);
    int ChooseNumber() const;
    int WaitingFor(size_t level) const;
    Outcome Search();
    // Walks one level on, within what is left of the search's limit.
    void Advance(StreamCursor& cursor);

    const ImageBytes& image_;
    std::vector<int64_t> starts_;
    int64_t stepLimit_;
    int64_t steps_ = 0;
    bool exhausted_ = false;  // the limit cut a walk short: no answer can be trusted
    int64_t totalSteps_ = 0;
    WalkRules rules_;

    std::vector<bool> active_;
    std::vector<StreamCursor> cursors_;
    LengthTable lengths_{};
    std::array<bool, 256> guessed_{};
    std::vector<Saved> trail_;
    std::vector<uint8_t> assigned_;
    std::vector<size_t> work_;    // levels Propagate still has to look at (kept to save allocations)
    std::vector<size_t> recent_;  // levels the latest assignment moved on
};

}  // namespace tarnloft
