// Inferring from an image which object numbers have four-byte and which
// five-byte records: every level's stream must read with the same lengths,
// so the levels are solved together, and a number is decided only when every
// choice of lengths that lets them all read agrees on it.
#pragma once
#include <cstdint>
#include <vector>

#include "level/levelsource.h"

namespace tarnloft {

enum class Finding : uint8_t {
    Decided,      // every reading agrees on Length
    BothFit,      // some readings take it as four bytes, others as five
    Conflicting,  // a level that the others leave no reading for uses it
    TooLarge,     // the search to settle it was cut short
};

struct NumberFinding {
    uint8_t Number = 0;
    Finding Kind = Finding::Decided;
    uint8_t Length = 0;  // 4 or 5 when Decided
};

// A level that takes no part in the answer, and why.
struct LevelProblem {
    int Index = 0;
    LevelFault Fault;
};

struct Inference {
    std::vector<NumberFinding> Numbers;  // every number 01..FE that the levels use, ascending
    std::vector<LevelProblem> Levels;    // ascending level index
    bool CutShort = false;  // the first search hit its limit: numbers it never reached are missing
    int DecidedCount() const;
};

struct InferenceLimits {
    int64_t StepsPerSearch = 4'000'000;  // records walked by one search
    int64_t TotalSteps = 60'000'000;     // by all searches together
};

Inference InferLengths(const ImageBytes& image, const std::vector<LevelSource>& levels,
                       const InferenceLimits& limits = {});

}  // namespace tarnloft
