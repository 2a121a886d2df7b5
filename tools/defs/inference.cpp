#include "inference.h"

#include <algorithm>
#include <array>
#include <optional>

#include "lengthsolver.h"

namespace tarnloft {

namespace {

constexpr uint8_t OtherLength(uint8_t length) { return length == 4 ? 5 : 4; }

// The streams that can take part, and the level each belongs to.
struct Streams {
    std::vector<int64_t> Starts;
    std::vector<int> Levels;
};

// Leaves out the streams that read with no lengths at all, then adds the
// rest one at a time in level order, leaving out each that the ones before
// it allow no reading for. Returns the streams kept.
std::vector<bool> KeepAgreeingStreams(LengthSolver& solver, const Streams& streams, int64_t totalSteps,
                                      std::vector<LevelProblem>& problems, std::vector<size_t>& disagreeing) {
    const size_t count = streams.Starts.size();
    std::vector<bool> kept(count, false);
    for (size_t i = 0; i < count; ++i) {
        if (solver.TotalSteps() > totalSteps) {
            problems.push_back(
                {streams.Levels[i],
                 {"the search ran out of room before this level's object data", streams.Starts[i]}});
            continue;
        }
        std::vector<bool> alone(count, false);
        alone[i] = true;
        if (solver.Solve(alone, {}) == LengthSolver::Outcome::None) {
            problems.push_back(
                {streams.Levels[i], {"the object data reads with no choice of lengths", streams.Starts[i]}});
            continue;
        }
        kept[i] = true;
        if (solver.Solve(kept, {}) == LengthSolver::Outcome::None) {
            kept[i] = false;
            disagreeing.push_back(i);
            problems.push_back(
                {streams.Levels[i],
                 {"the object data reads with no lengths that the other levels allow", streams.Starts[i]}});
        }
    }
    return kept;
}

using Kinds = std::array<std::optional<Finding>, 256>;

// With a first reading found: a number is settled when no reading exists
// with its other length.
void SettleNumbers(LengthSolver& solver, const std::vector<bool>& active, int64_t totalSteps, Kinds& kinds) {
    const LengthTable first = solver.Lengths();
    for (int n = 1; n < 0xFF; ++n) {
        if (first[n] == 0 || kinds[n]) continue;
        if (solver.TotalSteps() > totalSteps) {
            kinds[n] = Finding::TooLarge;
            continue;
        }
        const uint8_t number = static_cast<uint8_t>(n);
        switch (solver.Solve(active, {{number, OtherLength(first[n])}})) {
            case LengthSolver::Outcome::None:
                kinds[n] = Finding::Decided;
                break;
            case LengthSolver::Outcome::TooLarge:
                kinds[n] = Finding::TooLarge;
                break;
            case LengthSolver::Outcome::Found:
                // Every number that this reading takes otherwise is open too.
                for (int m = 1; m < 0xFF; ++m) {
                    const uint8_t other = solver.Lengths()[m];
                    if (other != 0 && other != first[m]) kinds[m] = Finding::BothFit;
                }
                kinds[n] = Finding::BothFit;
                break;
        }
    }
}

}  // namespace

int Inference::DecidedCount() const {
    int count = 0;
    for (const NumberFinding& finding : Numbers) count += finding.Kind == Finding::Decided;
    return count;
}

Inference InferLengths(const ImageBytes& image, const std::vector<LevelSource>& levels,
                       const InferenceLimits& limits) {
    Inference result;
    Streams streams;
    for (const LevelSource& level : levels) {
        if (level.Fault) {
            result.Levels.push_back({level.Index, *level.Fault});
            continue;
        }
        streams.Starts.push_back(level.ObjectOffset);
        streams.Levels.push_back(level.Index);
    }

    LengthSolver solver(image, streams.Starts, limits.StepsPerSearch);
    std::vector<bool> active(streams.Starts.size(), true);
    std::vector<size_t> disagreeing;
    LengthSolver::Outcome outcome = solver.Solve(active, {});
    if (outcome == LengthSolver::Outcome::None) {
        active = KeepAgreeingStreams(solver, streams, limits.TotalSteps, result.Levels, disagreeing);
        outcome = solver.Solve(active, {});
    }

    Kinds kinds{};
    const LengthTable first = solver.Lengths();
    result.CutShort = outcome == LengthSolver::Outcome::TooLarge;
    if (outcome == LengthSolver::Outcome::TooLarge) {
        for (int n = 1; n < 0xFF; ++n)
            if (solver.Guessed()[n]) kinds[n] = Finding::TooLarge;
    } else if (outcome == LengthSolver::Outcome::Found) {
        SettleNumbers(solver, active, limits.TotalSteps, kinds);
    }
    for (size_t i : disagreeing)
        for (uint8_t number : NumbersRead(image, first, streams.Starts[i]))
            kinds[number] = Finding::Conflicting;

    for (int n = 1; n < 0xFF; ++n) {
        if (!kinds[n]) continue;
        const uint8_t length = *kinds[n] == Finding::Decided ? first[n] : 0;
        result.Numbers.push_back({static_cast<uint8_t>(n), *kinds[n], length});
    }
    std::sort(result.Levels.begin(), result.Levels.end(),
              [](const LevelProblem& a, const LevelProblem& b) { return a.Index < b.Index; });
    return result;
}

}  // namespace tarnloft
