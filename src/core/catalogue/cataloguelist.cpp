#include "catalogue/cataloguelist.h"

#include "util/hex.h"
#include "util/text.h"

namespace tarnloft {

namespace {

// Writes "<prefix><hex, at least two digits>: <name>" into `out`, reusing its storage.
void BuildEntryText(std::string& out, const char* prefix, int number, const std::string& name) {
    char buffer[8];
    int length = 0;
    if (number >= 0x100) buffer[length++] = HexDigit(number >> 8);
    buffer[length++] = HexDigit(number >> 4);
    buffer[length++] = HexDigit(number);
    out.assign(prefix);
    out.append(buffer, static_cast<size_t>(length));
    out.append(": ", 2);
    out.append(name);
}

}  // namespace

std::vector<ListItem> RemakeObjectList(const Catalogues& defs, const CatalogueListOptions& options) {
    const std::string filter = UpperAscii(options.Filter);

    std::vector<ListItem> items;
    items.reserve(static_cast<size_t>(ObjectCount + SpecialCount + (SpriteCount - 1)));
    std::string text;
    text.reserve(64);

    auto consider = [&](const char* prefix, int number, const std::string& name, int value) {
        BuildEntryText(text, prefix, number, name);
        if (ContainsUpper(text, filter)) items.push_back(ListItem{text, value});
    };

    if (options.Listable[0]) {
        for (int n = 0; n < ObjectCount; ++n) consider("", n, defs.ObjectDefs[n].Name, n);
    }
    if (options.Listable[1]) {
        for (int n = 0; n < SpecialCount; ++n)
            consider("X", n, defs.SpecialObjectDefs[n].Name, SpecialEntryBase + n);
    }
    if (options.Listable[2]) {
        // Sprite numbers 0x000..0x1FF; the catalogue's extra slot 0x200 is not listed.
        for (int n = 0; n < 0x200; ++n) consider("S", n, defs.SpriteDefs[n].Name, SpriteEntryBase + n);
    }
    return items;
}

}  // namespace tarnloft
