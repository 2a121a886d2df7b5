#include "catalogue/cataloguelist.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tarnloft;

static std::vector<int> Range(int first, int last) {
    std::vector<int> values(last - first + 1);
    std::iota(values.begin(), values.end(), first);
    return values;
}

TEST(RemakeObjectList, ListsAllGroupsInOrderAndFilters) {
    Catalogues defs;
    defs.ObjectDefs[0x05].Name = "Crate";
    defs.ObjectDefs[0x20].Name = "Box x1 wide";
    defs.SpecialObjectDefs[0x0A].Name = "Door";
    defs.SpriteDefs[0x0C].Name = "Owl";
    defs.SpriteDefs[0x1A3].Name = "Beetle";
    defs.SpriteDefs[0x200].Name = "Beyond the list";
    std::vector<ListItem> items = RemakeObjectList(defs, {});
    ASSERT_EQ(items.size(), 1024u);
    for (int v = 0; v < 1024; ++v) ASSERT_EQ(items[v].Value, v);
    // clang-format off
    const std::pair<int, const char*> texts[] = {{0, "00: "}, {5, "05: Crate"}, {0xFF, "FF: "}, {0x105, "X05: "},
        {0x10A, "X0A: Door"}, {0x20C, "S0C: Owl"}, {0x2FF, "SFF: "}, {0x300, "S100: "}, {0x3A3, "S1A3: Beetle"},
        {1023, "S1FF: "}};
    // clang-format on
    for (auto [value, text] : texts) EXPECT_EQ(items[value].Text, text);
    std::vector<int> x1 = Range(0x110, 0x11F), s1 = Range(0x210, 0x21F), s1xx = Range(0x300, 0x3FF);
    x1.insert(x1.begin(), 0x20);  // the name contains x1
    s1.insert(s1.end(), s1xx.begin(), s1xx.end());
    // Boxes: Norm, X, Sprite. Catalogue slot 0x200 is never listed.
    // clang-format off
    const struct { const char* Boxes; const char* Filter; std::vector<int> Expected; } cases[] = {
        {"000", "", {}},        {"100", "", Range(0, 255)},   {"001", "", Range(512, 1023)}, {"111", "x1", x1},
        {"111", "X1", x1},      {"101", "x1", {0x20}},        {"111", "S1", s1},    {"111", ": ", Range(0, 1023)},
        {"111", "cRATE", {5}},  {"111", "S1A3: B", {0x3A3}},  {"111", "beyond", {}}};
    // clang-format on
    for (const auto& c : cases) {
        std::vector<int> values;
        CatalogueListOptions options{{c.Boxes[0] == '1', c.Boxes[1] == '1', c.Boxes[2] == '1'}, c.Filter};
        for (const ListItem& item : RemakeObjectList(defs, options)) values.push_back(item.Value);
        EXPECT_EQ(values, c.Expected) << '"' << c.Filter << '"';
    }
}
