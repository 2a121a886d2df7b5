// The two system calls through which every write reaches the image: the
// positional write and the flush to the disk. Tests install their own to
// make writes fail or come up short; the program always uses the system's.
#pragma once
#include <sys/types.h>

#include <cstddef>

namespace tarnloft {

struct RomWriteCalls {
    ssize_t (*PWrite)(int fd, const void* data, size_t count, off_t offset);
    int (*DataSync)(int fd);
};

// The calls in use: the system's pwrite and fdatasync unless a test installed others.
const RomWriteCalls& ActiveRomWriteCalls();

// Installs `calls` until the returned guard ends (test seam; not thread-safe,
// like the rest of the image access).
class ScopedRomWriteCalls {
public:
    explicit ScopedRomWriteCalls(const RomWriteCalls& calls);
    ~ScopedRomWriteCalls();
    ScopedRomWriteCalls(const ScopedRomWriteCalls&) = delete;
    ScopedRomWriteCalls& operator=(const ScopedRomWriteCalls&) = delete;

private:
    const RomWriteCalls* previous_;
    RomWriteCalls calls_;
};

}  // namespace tarnloft
