// Every Editor operation declares its place in the undo history where it
// runs: a change of the level outside a replacement must come with a step
// role and a name, and only the replacing roles may replace the level.
// Checked for each operation by the core tests and for every operation the
// editing fuzzer runs.
#pragma once
#include <optional>
#include <string>

#include "edit/editor.h"

namespace tarnloft {

inline std::optional<std::string> UndeclaredStep(const ChangeReport& report) {
    const bool replacing = report.Role == StepRole::NewLevel || report.Role == StepRole::Restore;
    if (report.LevelReplaced != replacing) return std::string("a replaced level without a replacing role");
    if (!report.LevelChanged || replacing) return std::nullopt;
    if (report.Role == StepRole::None) return std::string("the level changed in an operation of no step");
    if (report.StepName.empty()) return std::string("the level changed in a step without a name");
    return std::nullopt;
}

}  // namespace tarnloft
