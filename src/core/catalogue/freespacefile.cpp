#include "catalogue/freespacefile.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#include "catalogue/recordfile.h"

namespace tarnloft {

FreeSpaceLoad LoadFreeSpace(const std::string& folder) {
    FreeSpaceLoad result;
    std::error_code error;
    if (!std::filesystem::exists(JoinPath(folder, FreeSpaceFileName), error)) {
        result.Ok = true;
        return result;
    }
    const auto failure = ReadRecords(folder, FreeSpaceFileName, 3, [&result](const RecordReader& r) {
        std::string e;
        const auto first = r.Hex(0, INT32_MAX, "first offset", e);
        if (!first) return std::optional<std::string>(e);
        const auto last = r.Hex(1, INT32_MAX, "last offset", e);
        if (!last) return std::optional<std::string>(e);
        if (*last < *first)
            return std::optional<std::string>(
                r.Fail("last offset " + r.Text(1) + " lies before first offset " + r.Text(0)));
        result.Ranges.push_back(FreeRange{*first, *last, r.Text(2)});
        return std::optional<std::string>();
    });
    if (failure) {
        result.Error = *failure;
        result.Ranges.clear();
        return result;
    }
    result.Ok = true;
    return result;
}

}  // namespace tarnloft
