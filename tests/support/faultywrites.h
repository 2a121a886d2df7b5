// Makes the image's writes fail on purpose: from the n-th write call on (1
// for the first), pwrite fails, comes up short, or the flush to the disk
// fails. Earlier calls go through to the system.
#pragma once
#include <unistd.h>

#include <cerrno>

#include "rom/writecalls.h"

namespace tarnloft {

enum class WriteFault { WriteFails, WriteShort, FlushFails };

class FaultyWrites {
public:
    FaultyWrites(WriteFault fault, int failingCall) : guard_(Calls()) {
        fault_ = fault;
        failingCall_ = failingCall;
        writes_ = 0;
    }

private:
    static RomWriteCalls Calls() { return {&PWrite, &DataSync}; }
    static bool Failing() { return writes_ >= failingCall_; }
    static ssize_t PWrite(int fd, const void* data, size_t count, off_t offset) {
        ++writes_;
        if (Failing() && fault_ == WriteFault::WriteFails) return errno = ENOSPC, -1;
        if (Failing() && fault_ == WriteFault::WriteShort && count > 0)
            return ::pwrite(fd, data, count - 1, offset);
        return ::pwrite(fd, data, count, offset);
    }
    static int DataSync(int fd) {
        if (Failing() && fault_ == WriteFault::FlushFails) return errno = EIO, -1;
        return ::fdatasync(fd);
    }

    static inline WriteFault fault_ = WriteFault::WriteFails;
    static inline int failingCall_ = 1;
    static inline int writes_ = 0;
    ScopedRomWriteCalls guard_;
};

}  // namespace tarnloft
