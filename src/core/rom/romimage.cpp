#include "rom/romimage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "rom/writecalls.h"

namespace tarnloft {

namespace {

std::string Describe(const std::string& path, const char* what, int err) {
    return std::string(what) + " \"" + path + "\": " + std::strerror(err);
}

}  // namespace

RomImage::~RomImage() { Close(); }

std::optional<std::string> RomImage::Open(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Describe(path, "Cannot open", errno);

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        int err = errno;
        ::close(fd);
        return Describe(path, "Cannot examine", err);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return "Cannot open \"" + path + "\": not a regular file";
    }
    Close();
    fd_ = fd;
    path_ = path;
    return std::nullopt;
}

void RomImage::OpenCopy(std::shared_ptr<const std::vector<uint8_t>> bytes, const std::string& path) {
    Close();
    copy_ = std::move(bytes);
    path_ = path;
}

void RomImage::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    copy_.reset();
    path_.clear();
}

int64_t RomImage::Size() const {
    if (copy_) return static_cast<int64_t>(copy_->size());
    if (fd_ < 0) return 0;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return 0;
    return static_cast<int64_t>(info.st_size);
}

bool RomImage::Contains(int64_t position, int64_t count) const {
    if (!IsOpen() || position < 1 || count < 0) return false;
    int64_t size = Size();
    if (position - 1 > size) return false;
    return count <= size - (position - 1);
}

std::optional<uint8_t> RomImage::ReadByte(int64_t position) const {
    uint8_t value = 0;
    if (!Read(position, &value, 1)) return std::nullopt;
    return value;
}

bool RomImage::Read(int64_t position, uint8_t* out, size_t count) const {
    if (count > static_cast<size_t>(std::numeric_limits<int64_t>::max())) return false;
    if (!Contains(position, static_cast<int64_t>(count))) return false;
    return ReadSome(position, out, count) == count;
}

size_t RomImage::ReadSome(int64_t position, uint8_t* out, size_t count) const {
    if (copy_) {
        if (position < 1 || position - 1 >= Size()) return 0;
        const size_t from = static_cast<size_t>(position - 1);
        const size_t done = std::min(count, copy_->size() - from);
        std::copy_n(copy_->data() + from, done, out);
        return done;
    }
    if (fd_ < 0 || position < 1) return 0;
    size_t done = 0;
    while (done < count) {
        ssize_t got = ::pread(fd_, out + done, count - done, static_cast<off_t>(position - 1 + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

std::optional<std::string> RomImage::Write(int64_t position, const uint8_t* data, size_t count) {
    if (copy_) return "\"" + path_ + "\" is a copy in memory and cannot be written.";
    if (fd_ < 0) return std::string("No ROM image is open.");
    if (count > static_cast<size_t>(std::numeric_limits<int64_t>::max()) ||
        !Contains(position, static_cast<int64_t>(count)))
        return "Cannot write " + std::to_string(count) + " bytes at position " + std::to_string(position) +
               " of \"" + path_ + "\": that lies outside the file.";
    // One call for the whole run; a short write is reported, never retried in
    // pieces, so a failure cannot leave a half-written record unnoticed.
    const tarnloft::RomWriteCalls& calls = tarnloft::ActiveRomWriteCalls();
    ssize_t put;
    do {
        put = calls.PWrite(fd_, data, count, static_cast<off_t>(position - 1));
    } while (put < 0 && errno == EINTR);
    if (put < 0) return Describe(path_, "Cannot write to", errno);
    if (static_cast<size_t>(put) != count)
        return "Cannot write to \"" + path_ + "\": only " + std::to_string(put) + " of " +
               std::to_string(count) + " bytes were written.";
    // Success means the bytes reached the disk, not only the system's cache.
    int synced;
    do {
        synced = calls.DataSync(fd_);
    } while (synced != 0 && errno == EINTR);
    if (synced != 0) return Describe(path_, "Cannot write to the disk holding", errno);
    return std::nullopt;
}

std::string FileNameOf(const std::string& path) {
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace tarnloft
