#include "lengthsolver.h"

#include <algorithm>

namespace tarnloft {

LengthSolver::LengthSolver(const ImageBytes& image, std::vector<int64_t> starts, int64_t stepLimit)
    : image_(image), starts_(std::move(starts)), stepLimit_(stepLimit) {
    rules_.InsideLevelArea = true;
    rules_.AreaBeforeLength = true;
    // One guess moves each level once at most, and a search holds at most one
    // guess per number: reserving that much keeps the search free of allocations.
    const size_t most = starts_.size() * 256;
    trail_.reserve(most);
    work_.reserve(most + starts_.size());
    recent_.reserve(starts_.size());
    assigned_.reserve(256);
}

// The number a level's walk stopped at, or -1 when it is not waiting for one.
int LengthSolver::WaitingFor(size_t level) const {
    const StreamCursor& cursor = cursors_[level];
    if (!active_[level] || cursor.State != WalkState::Objects ||
        cursor.Offset >= static_cast<int64_t>(image_.size()))
        return -1;
    return image_[static_cast<size_t>(cursor.Offset)];
}

void LengthSolver::Advance(StreamCursor& cursor) {
    steps_ += Walk(image_, lengths_, rules_, cursor, nullptr, std::max<int64_t>(0, stepLimit_ - steps_) + 1);
    if (steps_ > stepLimit_) exhausted_ = true;
}

bool LengthSolver::Assign(uint8_t number, uint8_t length) {
    lengths_[number] = length;
    guessed_[number] = true;
    assigned_.push_back(number);
    recent_.clear();
    steps_ += 1 + static_cast<int64_t>(cursors_.size() / 16);
    for (size_t i = 0; i < cursors_.size(); ++i) {
        if (WaitingFor(i) != number) continue;
        StreamCursor& cursor = cursors_[i];
        trail_.push_back({i, cursor});
        Advance(cursor);
        if (exhausted_) return true;
        if (cursor.State == WalkState::Failed) return false;
        if (cursor.State == WalkState::Objects) recent_.push_back(i);
    }
    return true;
}

void LengthSolver::Undo(Mark mark) {
    while (trail_.size() > mark.Trail) {
        cursors_[trail_.back().Level] = trail_.back().Cursor;
        trail_.pop_back();
    }
    while (assigned_.size() > mark.Assigned) {
        lengths_[assigned_.back()] = 0;
        assigned_.pop_back();
    }
    recent_.clear();
}

// 0 when both lengths of `number` let the level walk on (or stop at another
// unknown number), the only length that does, or -1 when neither does.
int LengthSolver::Probe(size_t level, uint8_t number) {
    int viable = -1, count = 0;
    for (uint8_t length : {4, 5}) {
        StreamCursor cursor = cursors_[level];
        lengths_[number] = length;
        Advance(cursor);
        if (cursor.State != WalkState::Failed) viable = length, ++count;
    }
    lengths_[number] = 0;
    return count == 2 || exhausted_ ? 0 : viable;
}

// Settles every number that some stopped level can read with one length
// only, until none is left; false when a level can read with neither.
bool LengthSolver::Propagate() {
    std::vector<size_t>& work = work_;
    for (;;) {
        bool forced = false;
        work.clear();
        for (size_t i = 0; i < cursors_.size(); ++i)
            if (WaitingFor(i) >= 0) work.push_back(i);
        while (!work.empty()) {
            const size_t level = work.back();
            work.pop_back();
            const int waiting = WaitingFor(level);
            if (waiting < 0 || lengths_[waiting] != 0) continue;
            const uint8_t number = static_cast<uint8_t>(waiting);
            const int only = Probe(level, number);
            if (exhausted_) return true;
            if (only < 0) return false;
            if (only == 0) continue;
            if (!Assign(number, static_cast<uint8_t>(only))) return false;
            forced = true;
            work.insert(work.end(), recent_.begin(), recent_.end());
            if (exhausted_) return true;
        }
        if (!forced) return true;
    }
}

// The next number to guess: one that a level just moved on to stops at, so
// that a wrong guess shows itself while it is fresh; otherwise the number
// that holds up the most levels.
int LengthSolver::ChooseNumber() const {
    for (size_t i : recent_)
        if (WaitingFor(i) >= 0) return WaitingFor(i);
    std::array<int, 256> waiting{};
    int best = -1;
    for (size_t i = 0; i < cursors_.size(); ++i) {
        const int number = WaitingFor(i);
        if (number < 0) continue;
        ++waiting[number];
        if (best < 0 || waiting[number] > waiting[best]) best = number;
    }
    return best;
}

LengthSolver::Outcome LengthSolver::Search() {
    if (!Propagate()) return Outcome::None;
    if (exhausted_) return Outcome::TooLarge;
    const int number = ChooseNumber();
    if (number < 0) return Outcome::Found;
    for (uint8_t length : {4, 5}) {
        const Mark mark = Here();
        if (Assign(static_cast<uint8_t>(number), length)) {
            const Outcome outcome = Search();
            if (outcome != Outcome::None) return outcome;
        } else if (exhausted_) {
            return Outcome::TooLarge;
        }
        Undo(mark);
    }
    return Outcome::None;
}

LengthSolver::Outcome LengthSolver::Solve(const std::vector<bool>& active,
                                          const std::vector<std::pair<uint8_t, uint8_t>>& fixed) {
    active_ = active;
    active_.resize(starts_.size(), false);
    lengths_.fill(0);
    guessed_.fill(false);
    trail_.clear();
    assigned_.clear();
    recent_.clear();
    steps_ = 0;
    exhausted_ = false;
    cursors_.assign(starts_.size(), StreamCursor{});
    Outcome outcome = Outcome::Found;
    for (const auto& [number, length] : fixed) lengths_[number] = length;
    for (size_t i = 0; i < starts_.size(); ++i) cursors_[i].Offset = starts_[i];
    for (size_t i = 0; i < starts_.size() && outcome == Outcome::Found; ++i) {
        if (!active_[i]) continue;
        Advance(cursors_[i]);
        if (exhausted_)
            outcome = Outcome::TooLarge;
        else if (cursors_[i].State == WalkState::Failed)
            outcome = Outcome::None;
    }
    if (outcome == Outcome::Found) outcome = Search();
    totalSteps_ += steps_;
    if (outcome != Outcome::Found) return outcome;
    // The answer holds the numbers that the streams read, fixed ones included.
    const LengthTable found = lengths_;
    lengths_.fill(0);
    for (size_t i = 0; i < starts_.size(); ++i) {
        if (!active_[i]) continue;
        for (uint8_t number : NumbersRead(image_, found, starts_[i])) lengths_[number] = found[number];
    }
    return outcome;
}

}  // namespace tarnloft
