// The one builder of test images, for the core, window and tool tests, the
// fuzzers and (through tarnloft_testimage) the end-to-end scripts: bytes
// from hex text, LoROM pointers, level table rows with levels behind them,
// and scratch folders and files to put them in.
#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "level/levelio.h"

namespace testimage {

using Image = std::vector<uint8_t>;

// "5A 00*3" gives 5A 00 00 00.
inline Image Bytes(const std::string& text) {
    Image out;
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        const size_t star = token.find('*');
        const size_t count = star == std::string::npos ? 1 : std::stoul(token.substr(star + 1));
        out.insert(out.end(), count, uint8_t(std::stoul(token.substr(0, star), nullptr, 16)));
    }
    return out;
}

// Writes `bytes` at the 0-based file offset, growing the image if need be.
inline void Put(Image& image, size_t offset, const Image& bytes) {
    image.resize(std::max(image.size(), offset + bytes.size()));
    std::copy(bytes.begin(), bytes.end(), image.begin() + std::ptrdiff_t(offset));
}

// A LoROM pointer (low, high, bank) at `at` to a file offset behind the copier header.
inline void PutPointer(Image& image, size_t at, size_t fileOffset) {
    const size_t rom = fileOffset - 0x200;
    const size_t address = 0x8000 | (rom % 0x8000);
    Put(image, at, {uint8_t(address & 0xFF), uint8_t(address >> 8), uint8_t(rom / 0x8000)});
}

// 0-based offset of level `index`'s row in the level table.
inline size_t TableRow(uint64_t index) { return size_t(*tarnloft::LevelTableRow(index) - 1); }

// Level `index`'s table row pointing at a header and a sprite stream.
inline void PutLevel(Image& image, uint64_t index, size_t headerOffset, size_t spriteOffset) {
    PutPointer(image, TableRow(index), headerOffset);
    PutPointer(image, TableRow(index) + 3, spriteOffset);
}

// Filler bytes up to the bank behind the level table, where the data begin.
inline constexpr size_t DataOffset = 0xC0200;

// Level i's object stream is streams[i] (hex text) behind a header of zeros;
// all levels share one empty sprite stream. The image ends right behind the
// last stream, so a stream may run past its end on purpose.
inline Image LevelImage(const std::vector<std::string>& streams) {
    Image image(DataOffset, 0xEA);
    Put(image, DataOffset, Bytes("FF FF EA"));
    for (size_t i = 0; i < streams.size(); ++i) {
        const size_t at = image.size();
        PutLevel(image, i, at, DataOffset);
        Put(image, at, Bytes("00*10 " + streams[i]));
    }
    return image;
}

// The end-to-end script's image: 2 MiB; level 0 has header 11..1A, one
// five-byte object 01 at (2,3), 4 x 2, a sprite 003 at (10,8) and no exits;
// level 1 has neither objects nor sprites; each stream has its room of
// zeros up to a filler byte. `stage` gives what the script's saves leave:
// "saved" after its first, then "exit", "band" (the rubber band's group
// moved) and "paste" (level 0's object 01 pasted into level 1); another
// stage gives an empty image.
inline Image ScriptImage(const std::string& stage = "start") {
    const std::vector<std::string> stages = {"start", "saved", "exit", "band", "paste"};
    const auto step = std::find(stages.begin(), stages.end(), stage) - stages.begin();
    if (step == std::ptrdiff_t(stages.size())) return {};
    Image image(0x200 + 0x200000, 0);
    PutLevel(image, 0, DataOffset, DataOffset + 0x100);
    PutLevel(image, 1, DataOffset + 0x200, DataOffset + 0x300);
    Put(image, DataOffset, Bytes("11 12 13 14 15 16 17 18 19 1A"));
    const std::string moved = "01 00 44 06 01 02 00 00 00 00 FF ";   // 01 at (4,4), 7 x 2; 02 at (0,0)
    const std::string exit = "00 2C 00 00 00 FF";                    // on screen 0,0 to level 2C
    const std::string banded = "01 00 56 06 01 02 00 12 00 00 FF ";  // both 2 right, 1 down
    Put(image, DataOffset + 10,
        Bytes(step == 0   ? "01 00 32 03 01 FF FF"
              : step == 1 ? moved + "FF"
              : step == 2 ? moved + exit
                          : banded + exit));
    Put(image, DataOffset + 0x60, {0xEA});
    // Sprite 003 at (10,8); the band's group takes it to (12,9).
    Put(image, DataOffset + 0x100, Bytes(step < 3 ? "03 10 0A FF FF" : "03 12 0C FF FF"));
    Put(image, DataOffset + 0x164, {0xEA});
    Put(image, DataOffset + 0x20A, Bytes(step < 4 ? "FF FF" : "01 01 A4 06 01 FF FF"));  // at (20,10)
    Put(image, DataOffset + 0x260, {0xEA});
    Put(image, DataOffset + 0x300, Bytes("FF FF 00*62 EA"));
    return image;
}

inline bool WriteFile(const std::string& path, const Image& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return bool(
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())).flush());
}

inline Image ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Image(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The demo image at `path`, from the definition files in `dataFolder`, made
// by the generator that $TARNLOFT_DEMOGEN names; false without one.
inline bool MakeDemoImage(const std::string& path, const std::string& dataFolder) {
    const char* generator = std::getenv("TARNLOFT_DEMOGEN");
    return generator && std::system((std::string(generator) + " " + path + " " + dataFolder).c_str()) == 0;
}

// Memory-backed when possible: fuzzers write every input to disk.
inline std::string ScratchRoot() { return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp"; }

// A scratch folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = ScratchRoot() + "/tarnloft-test-XXXXXX";
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool Ok() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    bool Write(const std::string& name, const std::string& text) const {
        return WriteFile(File(name), Image(text.begin(), text.end()));
    }

private:
    std::string path_;
};

}  // namespace testimage
