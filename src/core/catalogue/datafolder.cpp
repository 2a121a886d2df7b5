#include "catalogue/datafolder.h"

#include <filesystem>
#include <system_error>

namespace tarnloft {

namespace {
// Any one of the files is enough to claim a folder: a broken set there is then
// reported by the reader instead of being skipped silently.
const char* const DefinitionFileNames[] = {"O5Data.dat",      "O4Data.dat",    "O4SData.dat",
                                           "SpriteData.dat",  "LevelList.dat", "EntranceTypes.dat",
                                           "LevelOffsets.dat"};

bool HoldsDefinitionFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (const char* name : DefinitionFileNames)
        if (std::filesystem::is_regular_file(folder / name, error)) return true;
    return false;
}
}  // namespace

std::string FindDataFolder(const std::string& executableFolder) {
    const std::filesystem::path beside(executableFolder);
    if (HoldsDefinitionFiles(beside)) return executableFolder;
    const std::filesystem::path installed = beside / ".." / "share" / "tarnloft";
    if (HoldsDefinitionFiles(installed)) return installed.lexically_normal().string();
    return executableFolder;
}

std::string ExecutableFolder(const std::string& invokedAs) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = invokedAs;
    const std::filesystem::path folder = program.parent_path();
    return folder.empty() ? "." : folder.string();
}

}  // namespace tarnloft
