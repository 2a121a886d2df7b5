// Test images: byte strings written by hand, stored in a temporary file that
// is opened as a RomImage, and read back for byte comparisons.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "rom/romimage.h"

namespace testrom {

inline constexpr size_t LevelTableOffset = 0xBF9C3;

// "5A 32 47 00*3" gives 5A 32 47 00 00 00.
inline std::vector<uint8_t> Bytes(const std::string& text) {
    std::vector<uint8_t> out;
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        size_t star = token.find('*');
        size_t count = star == std::string::npos ? 1 : std::stoul(token.substr(star + 1));
        out.insert(out.end(), count, static_cast<uint8_t>(std::stoul(token.substr(0, star), nullptr, 16)));
    }
    return out;
}

inline void Put(std::vector<uint8_t>& image, size_t offset, const std::vector<uint8_t>& bytes) {
    if (image.size() < offset + bytes.size()) image.resize(offset + bytes.size(), 0);
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A level table row whose pointers address the two file offsets in LoROM.
inline void SetLevelPointers(std::vector<uint8_t>& image, size_t index, size_t objects, size_t sprites) {
    std::vector<uint8_t> row;
    for (size_t offset : {objects, sprites}) {
        size_t r = offset - 0x200, address = 0x8000 | (r % 0x8000);
        row.insert(row.end(), {uint8_t(address & 0xFF), uint8_t(address >> 8), uint8_t(r / 0x8000)});
    }
    Put(image, LevelTableOffset + 6 * index, row);
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempRom {
public:
    explicit TempRom(const std::vector<uint8_t>& bytes) {
        char name[] = "/tmp/tarnloft-test-XXXXXX.smc";
        int fd = mkstemps(name, 4);
        if (fd >= 0) close(fd);
        path_ = name;
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        auto error = rom_.Open(path_);
        EXPECT_FALSE(error) << *error;
    }
    ~TempRom() {
        rom_.Close();
        std::remove(path_.c_str());
    }
    RomImage& Rom() { return rom_; }
    const std::string& Path() const { return path_; }
    std::vector<uint8_t> Bytes() const { return ReadFile(path_); }

private:
    std::string path_;
    RomImage rom_;
};

}  // namespace testrom
