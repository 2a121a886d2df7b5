// The open ROM image: one file held open for reading and writing, addressed
// by 1-based positions (position p is file offset p - 1). No cache: every
// read sees the file as it is, every write reaches the file at once. Every
// access is bounds-checked against the file's size; the file never grows.
// An image can also be a read-only copy held in memory, for work on other
// threads while the file may change, and for tools that only read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnloft {

class RomImage {
public:
    RomImage() = default;
    ~RomImage();
    RomImage(const RomImage&) = delete;
    RomImage& operator=(const RomImage&) = delete;

    // Opens `path` for reading and writing. On failure returns a text naming
    // the file and the reason, and the image stays as it was (still open on
    // the previous file, if any). On success any previous file is closed.
    std::optional<std::string> Open(const std::string& path);
    // Reads `bytes` (copier header included) instead of a file; writes are
    // refused. `path` is only the name captions show.
    void OpenCopy(std::shared_ptr<const std::vector<uint8_t>> bytes, const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0 || copy_; }
    const std::string& Path() const { return path_; }
    int64_t Size() const;

    // True when [position, position + count) lies inside the file.
    bool Contains(int64_t position, int64_t count) const;

    std::optional<uint8_t> ReadByte(int64_t position) const;
    // Reads exactly `count` bytes at `position`; false when any of them lies
    // outside the file or the read fails.
    bool Read(int64_t position, uint8_t* out, size_t count) const;
    // Reads up to `count` bytes, stopping at the end of the file; returns the
    // number read.
    size_t ReadSome(int64_t position, uint8_t* out, size_t count) const;

    // Writes exactly `count` bytes with one call and flushes them to the disk.
    // Refuses (returns an error text) a write that would leave the file, that
    // the system cuts short or whose flush fails.
    std::optional<std::string> Write(int64_t position, const uint8_t* data, size_t count);

private:
    int fd_ = -1;
    std::shared_ptr<const std::vector<uint8_t>> copy_;
    std::string path_;
};

// The file name shown in captions: the part of the path after its last separator.
std::string FileNameOf(const std::string& path);

}  // namespace tarnloft
