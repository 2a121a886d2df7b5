// What an export of level pictures says at its end: one line for each level
// that got no picture and why, then how many were written.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarnloft {

struct PictureReport {
    int Total = 0;                                      // pictures asked for: one per listed level
    int Written = 0;                                    // files written
    std::vector<std::pair<int, std::string>> Failures;  // level index, why; in index order

    bool AllWritten() const { return Written == Total; }
};

// "level 1A: unknown object 7B at file offset 0xC0223", ..., "wrote 255 of 256 pictures".
// Past `maxFailures` levels one line says how many more got none.
std::vector<std::string> PictureReportLines(const PictureReport& report, size_t maxFailures = SIZE_MAX);

}  // namespace tarnloft
