#include "view/picturereport.h"

#include <algorithm>

#include "util/hex.h"

namespace tarnloft {

std::vector<std::string> PictureReportLines(const PictureReport& report, size_t maxFailures) {
    std::vector<std::pair<int, std::string>> failures = report.Failures;
    std::stable_sort(failures.begin(), failures.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> lines;
    for (size_t i = 0; i < failures.size() && i < maxFailures; ++i)
        lines.push_back("level " + Hex(static_cast<uint64_t>(failures[i].first)) + ": " + failures[i].second);
    if (failures.size() > maxFailures)
        lines.push_back("and " + std::to_string(failures.size() - maxFailures) +
                        " more levels without a picture");
    lines.push_back("wrote " + std::to_string(report.Written) + " of " + std::to_string(report.Total) +
                    " pictures");
    return lines;
}

}  // namespace tarnloft
