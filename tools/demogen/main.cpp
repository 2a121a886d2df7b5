// tarnloft_demogen <out.smc> [definition-folder]
//
// Writes a synthetic 2 MiB image (plus its 512-byte copier header) that the
// editor can open at once: a level table at file offset 0xBF9C3 and, for
// every level listed in LevelList.dat, a header, an object stream with screen
// exits and a sprite stream, each followed by a run of free zero bytes and a
// non-zero filler byte. The definition files are read from the given folder,
// or from the folder of this executable. The output is the same on every run.
//
// The stream encoding is written out here on purpose, independently of the
// editor's own encoder, so that the image can be used to check that encoder.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/datafolder.h"
#include "catalogue/definitionfiles.h"

using namespace tarnloft;

namespace {

constexpr size_t CopierHeaderSize = 0x200;
constexpr size_t RomSize = 0x200000;
constexpr size_t ImageSize = CopierHeaderSize + RomSize;
constexpr size_t LevelTableOffset = 0xBF9C3;  // file offset, copier header included
constexpr size_t LevelTableSize = 6 * 256;
constexpr size_t BankSize = 0x8000;          // LoROM: 32 KiB of image per bank
constexpr size_t FirstDataOffset = 0xC0200;  // bank 0x18, right behind the table's bank
constexpr uint8_t Filler = 0xEA;             // ends every zero run
// The last two banks hold no level: bank 3E is filled with 0xFF, bank 3F
// with 0x00, and FreeSpace.dat declares both free for levels that grow.
constexpr size_t FreeAreaOffset = CopierHeaderSize + 0x3E * BankSize;

// xorshift64*: small, fast and the same everywhere.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // Uniform-enough integer in [low, high].
    int Range(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Range(0, 99) < percent; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Range(0, static_cast<int>(items.size()) - 1))];
    }

private:
    uint64_t state_;
};

// Object numbers of the catalogue, by how their records are laid out.
struct Kinds {
    std::vector<int> FiveByte, Nibble, WideByte, TallByte, Slopes, Specials, EntranceTypes;
    std::vector<int> Levels;  // listed level indices, in file order, without repeats
};

Kinds SortKinds(const Catalogues& defs) {
    Kinds kinds;
    for (int n = 1; n < 0xFF; ++n) {
        const ObjectDef& def = defs.ObjectDefs[n];
        if (def.IsSlope && def.SlopeRun > 0 && def.SlopeRise > 0) kinds.Slopes.push_back(n);
        if (def.ByteCount == ByteClass::FiveByte) {
            kinds.FiveByte.push_back(n);
        } else if (def.ByteCount == ByteClass::FourByte) {
            if (def.SizeMode == 1)
                kinds.WideByte.push_back(n);
            else if (def.SizeMode == 2)
                kinds.TallByte.push_back(n);
            else
                kinds.Nibble.push_back(n);
        }
    }
    for (int n = 0; n < SpecialCount; ++n) {
        if (!defs.SpecialObjectDefs[n].Name.empty()) kinds.Specials.push_back(n);
    }
    if (kinds.Specials.empty()) kinds.Specials.push_back(0);
    for (const ListItem& item : defs.EntranceTypes) kinds.EntranceTypes.push_back(item.Value);
    if (kinds.EntranceTypes.empty()) kinds.EntranceTypes.push_back(0);
    for (const ListItem& item : defs.DestinationLevels) {
        if (std::find(kinds.Levels.begin(), kinds.Levels.end(), item.Value) == kinds.Levels.end()) {
            kinds.Levels.push_back(item.Value);
        }
    }
    return kinds;
}

// A width or height of a whole size byte: 1..128 or -129..-2.
uint8_t WholeByte(int extent) { return static_cast<uint8_t>(extent >= 1 ? extent - 1 : extent + 257); }

// Encodes one level's object block and sprite block.
class LevelWriter {
public:
    explicit LevelWriter(const Catalogues& defs) : defs_(defs) {}

    void Header(const uint8_t (&bytes)[10]) { objects_.insert(objects_.begin(), bytes, bytes + 10); }

    void Object(int number, int x, int y, int width, int height) {
        const ObjectDef& def = defs_.ObjectDefs[number];
        Position(number, x, y);
        if (def.ByteCount == ByteClass::FiveByte) {
            objects_.push_back(WholeByte(width));
            objects_.push_back(WholeByte(height));
        } else if (def.SizeMode == 1) {
            objects_.push_back(WholeByte(width));
        } else if (def.SizeMode == 2) {
            objects_.push_back(WholeByte(height));
        } else {
            objects_.push_back(static_cast<uint8_t>(((width - 1) & 0xF) << 4 | ((height - 1) & 0xF)));
        }
    }

    void Special(int special, int x, int y) {
        Position(0x00, x, y);
        objects_.push_back(static_cast<uint8_t>(special));
    }

    void Exit(int screenX, int screenY, int destination, int entranceX, int entranceY, int type) {
        exits_.push_back(static_cast<uint8_t>((screenY & 0xF) << 4 | (screenX & 0xF)));
        exits_.push_back(static_cast<uint8_t>(destination));
        exits_.push_back(static_cast<uint8_t>(entranceX));
        exits_.push_back(static_cast<uint8_t>(entranceY));
        exits_.push_back(static_cast<uint8_t>(type));
    }

    void Sprite(int number, int x, int y) {
        sprites_.push_back(static_cast<uint8_t>(number & 0xFF));
        sprites_.push_back(static_cast<uint8_t>((y & 0x7F) << 1 | ((number >> 8) & 1)));
        sprites_.push_back(static_cast<uint8_t>(x));
    }

    // Header, objects, FF, exits, FF, then `room` zero bytes.
    std::vector<uint8_t> ObjectBlock(int room) const {
        std::vector<uint8_t> block = objects_;
        block.push_back(0xFF);
        block.insert(block.end(), exits_.begin(), exits_.end());
        block.push_back(0xFF);
        block.insert(block.end(), static_cast<size_t>(room), 0x00);
        return block;
    }

    std::vector<uint8_t> SpriteBlock(int room) const {
        std::vector<uint8_t> block = sprites_;
        block.push_back(0xFF);
        block.push_back(0xFF);
        block.insert(block.end(), static_cast<size_t>(room), 0x00);
        return block;
    }

private:
    void Position(int number, int x, int y) {
        objects_.push_back(static_cast<uint8_t>(number));
        objects_.push_back(static_cast<uint8_t>((y & 0xF0) | (x >> 4 & 0xF)));
        objects_.push_back(static_cast<uint8_t>((y & 0x0F) << 4 | (x & 0x0F)));
    }

    const Catalogues& defs_;
    std::vector<uint8_t> objects_;
    std::vector<uint8_t> exits_;
    std::vector<uint8_t> sprites_;
};

struct Blocks {
    std::vector<uint8_t> Objects;
    std::vector<uint8_t> Sprites;
};

int First(const std::vector<int>& numbers, int fallback) {
    return numbers.empty() ? fallback : numbers.front();
}

// The first slope whose pattern stays inside its box, if the catalogue has one.
int PlainSlope(const Catalogues& defs, const Kinds& kinds) {
    for (int n : kinds.Slopes) {
        if (!defs.ObjectDefs[n].DrawFlagTwo && !defs.ObjectDefs[n].DrawFlagThree) return n;
    }
    return First(kinds.Slopes, -1);
}

// Level 0 is what a new user sees first: a small tidy scene in the top-left
// corner of the level.
Blocks FirstLevel(const Catalogues& defs, const Kinds& kinds) {
    LevelWriter w(defs);
    const uint8_t header[10] = {0x20, 0x84, 0x21, 0x10, 0x08, 0x31, 0x00, 0x00, 0x02, 0x00};
    w.Header(header);
    auto crossSection = std::find_if(kinds.FiveByte.begin(), kinds.FiveByte.end(),
                                     [&defs](int n) { return defs.ObjectDefs[n].CrossSection; });
    if (crossSection != kinds.FiveByte.end()) w.Object(*crossSection, 1, 3, 10, 6);
    if (!kinds.FiveByte.empty()) {
        w.Object(kinds.FiveByte[0], 0, 26, 25, 4);                                                // ground
        w.Object(kinds.FiveByte[std::min<size_t>(8, kinds.FiveByte.size() - 1)], 19, 14, 6, 12);  // wall
    }
    if (!kinds.TallByte.empty()) w.Object(kinds.TallByte[0], 1, 12, 2, 14);  // ladder
    if (!kinds.WideByte.empty()) w.Object(kinds.WideByte[0], 4, 14, 8, 2);   // ledge
    if (!kinds.Nibble.empty()) w.Object(kinds.Nibble[0], 3, 22, 4, 4);       // crate
    int slope = PlainSlope(defs, kinds);
    if (slope >= 0) w.Object(slope, 12, 20, 6, 6);
    w.Special(kinds.Specials[0], 9, 23);  // door
    w.Exit(1, 0, 1, 0x02, 0x1A, kinds.EntranceTypes[0]);
    w.Sprite(0x000, 8, 25);
    w.Sprite(0x010, 14, 19);
    w.Sprite(0x020, 21, 8);
    for (int x = 6; x <= 8; ++x) w.Sprite(0x1A0, x, 13);
    return Blocks{w.ObjectBlock(24), w.SpriteBlock(12)};
}

Blocks RandomLevel(const Catalogues& defs, const Kinds& kinds, int index) {
    Random rng(0x7A3D10F7ull * static_cast<uint64_t>(index + 1) + 0x51ED);
    LevelWriter w(defs);
    uint8_t header[10];
    for (uint8_t& b : header) b = static_cast<uint8_t>(rng.Next() >> 32);
    w.Header(header);

    // Sizes vary by index: a few empty levels, some dense ones, the last one very dense.
    int objectCount = rng.Range(8, 60);
    if (index % 16 == 15) objectCount = rng.Range(180, 320);
    if (index == 0xFF) objectCount = 700;
    if (index % 37 == 5) objectCount = 0;
    int spriteCount = index % 5 == 3 ? 0 : rng.Range(1, 40);
    if (index == 0xFF) spriteCount = 200;
    int exitCount = index % 4 == 2 ? 0 : rng.Range(1, 6);

    for (int i = 0; i < objectCount; ++i) {
        int kind = rng.Range(0, 9);
        int x = rng.Range(0, 240);
        int y = rng.Range(0, 120);
        bool negative = rng.Chance(8);
        if (kind <= 2 && !kinds.FiveByte.empty()) {
            int width = negative ? -rng.Range(2, std::max(2, std::min(x, 12))) : rng.Range(1, 40);
            int height = rng.Chance(8) ? -rng.Range(2, std::max(2, std::min(y, 8))) : rng.Range(1, 12);
            if (rng.Chance(3)) width = 128;
            w.Object(rng.Pick(kinds.FiveByte), x, y, width, height);
        } else if (kind <= 4 && !kinds.Nibble.empty()) {
            w.Object(rng.Pick(kinds.Nibble), x, y, rng.Range(1, 16), rng.Range(1, 16));
        } else if (kind == 5 && !kinds.WideByte.empty()) {
            w.Object(rng.Pick(kinds.WideByte), x, y, negative ? -rng.Range(2, 10) : rng.Range(1, 48), 2);
        } else if (kind == 6 && !kinds.TallByte.empty()) {
            w.Object(rng.Pick(kinds.TallByte), x, y, 2, negative ? -rng.Range(2, 10) : rng.Range(1, 24));
        } else if (kind == 7 && !kinds.Slopes.empty()) {
            w.Object(rng.Pick(kinds.Slopes), x, y, rng.Range(2, 12), rng.Range(2, 8));
        } else {
            w.Special(rng.Pick(kinds.Specials), x, y);
        }
    }
    for (int i = 0; i < exitCount; ++i) {
        w.Exit(rng.Range(0, 15), rng.Range(0, 7), rng.Pick(kinds.Levels), rng.Range(0, 255),
               rng.Range(0, 255), rng.Pick(kinds.EntranceTypes));
    }
    for (int i = 0; i < spriteCount; ++i) {
        int number = rng.Chance(30) ? rng.Range(0x100, 0x1FF) : rng.Range(0x000, 0xFF);
        int y = rng.Range(0, 127);
        if (number == 0x1FF && y == 127) y = 126;  // FF FF would end the list
        w.Sprite(number, rng.Range(0, 255), y);
    }

    // Free room: usually a little, sometimes none, sometimes a lot.
    int objectRoom = index % 7 == 1 ? 0 : (index % 13 == 0 ? rng.Range(200, 600) : rng.Range(1, 96));
    int spriteRoom = index % 11 == 2 ? 0 : (index % 13 == 6 ? rng.Range(100, 300) : rng.Range(1, 48));
    return Blocks{w.ObjectBlock(objectRoom), w.SpriteBlock(spriteRoom)};
}

// Places blocks one after another in the data banks, never across a bank
// boundary, each followed by the filler byte.
class Placer {
public:
    explicit Placer(std::vector<uint8_t>& image) : image_(image) {}

    // Returns the file offset of the block, or 0 when the image is full.
    size_t Place(const std::vector<uint8_t>& block) {
        size_t need = block.size() + 1;
        size_t romOffset = cursor_ - CopierHeaderSize;
        size_t bankEnd = (romOffset / BankSize + 1) * BankSize + CopierHeaderSize;
        if (need <= BankSize && cursor_ + need > bankEnd) cursor_ = bankEnd;
        if (cursor_ + need > FreeAreaOffset) return 0;
        size_t at = cursor_;
        std::copy(block.begin(), block.end(), image_.begin() + static_cast<std::ptrdiff_t>(at));
        image_[at + block.size()] = Filler;
        cursor_ += need;
        return at;
    }

private:
    std::vector<uint8_t>& image_;
    size_t cursor_ = FirstDataOffset;
};

// A LoROM pointer (low, high, bank) to a file offset.
void StorePointer(std::vector<uint8_t>& image, size_t at, size_t fileOffset) {
    size_t rom = fileOffset - CopierHeaderSize;
    uint32_t address = 0x8000u | static_cast<uint32_t>(rom % BankSize);
    image[at] = static_cast<uint8_t>(address & 0xFF);
    image[at + 1] = static_cast<uint8_t>(address >> 8);
    image[at + 2] = static_cast<uint8_t>(rom / BankSize);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tarnloft_demogen <out.smc> [definition-folder]\n");
        return 2;
    }
    const std::string folder = argc == 3 ? argv[2] : ExecutableFolder(argv[0]);
    DefinitionLoad load = LoadDefinitionFiles(folder);
    if (!load.Ok) {
        std::fprintf(stderr, "tarnloft_demogen: %s (folder %s)\n", load.Error.c_str(), folder.c_str());
        return 1;
    }
    const Catalogues& defs = load.Defs;
    const Kinds kinds = SortKinds(defs);
    if (kinds.Levels.empty()) {
        std::fprintf(stderr, "tarnloft_demogen: LevelList.dat lists no level\n");
        return 1;
    }

    // Copier header: zeros and a small signature. The image itself is filled
    // with non-zero bytes so that no zero run reaches further than intended.
    std::vector<uint8_t> image(ImageSize, 0x00);
    const char signature[] = "TARNLOFT DEMO IMAGE";
    std::copy(signature, signature + sizeof signature - 1, image.begin());
    Random fill(0xD3E0);
    for (size_t i = CopierHeaderSize; i < FreeAreaOffset; ++i) image[i] = static_cast<uint8_t>(fill.Range(1, 255));
    std::fill(image.begin() + FreeAreaOffset, image.begin() + FreeAreaOffset + BankSize, 0xFF);

    Placer placer(image);
    std::vector<std::pair<size_t, size_t>> offsets(256, {0, 0});
    for (int index : kinds.Levels) {
        Blocks blocks = index == 0 ? FirstLevel(defs, kinds) : RandomLevel(defs, kinds, index);
        size_t objectAt = placer.Place(blocks.Objects);
        size_t spriteAt = placer.Place(blocks.Sprites);
        if (objectAt == 0 || spriteAt == 0) {
            std::fprintf(stderr, "tarnloft_demogen: the levels do not fit into the image\n");
            return 1;
        }
        offsets[static_cast<size_t>(index)] = {objectAt, spriteAt};
    }
    // Table entries of levels that LevelList.dat does not name point at the first listed level.
    const auto fallback = offsets[static_cast<size_t>(kinds.Levels.front())];
    for (size_t index = 0; index < 256; ++index) {
        auto entry = offsets[index].first ? offsets[index] : fallback;
        StorePointer(image, LevelTableOffset + 6 * index, entry.first);
        StorePointer(image, LevelTableOffset + 6 * index + 3, entry.second);
    }
    static_assert(LevelTableOffset + LevelTableSize <= FirstDataOffset,
                  "level data must not cover the table");

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "tarnloft_demogen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
