#include "catalogue/cataloguelist.h"

#include "util/hex.h"

namespace tarnloft {

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Case-insensitive substring test; `upperNeedle` is already upper case.
bool ContainsUpper(const std::string& text, const std::string& upperNeedle) {
    const size_t n = upperNeedle.size();
    if (n == 0) return true;
    if (text.size() < n) return false;
    const size_t last = text.size() - n;
    for (size_t start = 0; start <= last; ++start) {
        size_t k = 0;
        while (k < n && UpperAscii(text[start + k]) == upperNeedle[k]) ++k;
        if (k == n) return true;
    }
    return false;
}

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
    std::string filter(options.Filter);
    for (char& c : filter) c = UpperAscii(c);

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
