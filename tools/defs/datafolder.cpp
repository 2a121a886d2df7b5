#include "datafolder.h"

#include <unistd.h>

#include "catalogue/datafolder.h"

namespace tarnloft {

namespace {
std::string ExecutableFolder() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    const std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}
}  // namespace

std::string DefaultDataFolder() { return FindDataFolder(ExecutableFolder()); }

}  // namespace tarnloft
