#include "catalogue/cataloguelist.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<Catalogues> SampleCatalogues() {
    auto defs = std::make_unique<Catalogues>();
    defs->ObjectDefs[0x05].Name = "Crate";
    defs->ObjectDefs[0x20].Name = "Box x1 wide";
    defs->SpecialObjectDefs[0x0A].Name = "Door";
    defs->SpriteDefs[0x0C].Name = "Owl";
    defs->SpriteDefs[0x1A3].Name = "Beetle";
    defs->SpriteDefs[0x200].Name = "Beyond the list";
    return defs;
}

std::vector<int> Values(const std::vector<ListItem>& items) {
    std::vector<int> values;
    for (const ListItem& item : items) values.push_back(item.Value);
    return values;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

TEST(RemakeObjectListTest, AllGroupsInOrderWithTexts) {
    auto defs = SampleCatalogues();
    std::vector<ListItem> items = RemakeObjectList(*defs, CatalogueListOptions{});
    ASSERT_EQ(items.size(), 1024u);
    EXPECT_EQ(Values(items), Range(0, 1023));
    EXPECT_EQ(items.front(), (ListItem{"00: ", 0}));
    EXPECT_EQ(items[0x05], (ListItem{"05: Crate", 5}));
    EXPECT_EQ(items[0xFF].Text, "FF: ");
    EXPECT_EQ(items[256 + 0x05].Text, "X05: ");
    EXPECT_EQ(items[256 + 0x0A], (ListItem{"X0A: Door", 266}));
    EXPECT_EQ(items[512 + 0x0C].Text, "S0C: Owl");
    EXPECT_EQ(items[512 + 0xFF].Text, "SFF: ");
    EXPECT_EQ(items[512 + 0x100].Text, "S100: ");
    EXPECT_EQ(items[512 + 0x1A3], (ListItem{"S1A3: Beetle", 512 + 0x1A3}));
    EXPECT_EQ(items.back(), (ListItem{"S1FF: ", 1023}));
}

TEST(RemakeObjectListTest, CheckBoxesAndFilter) {
    auto defs = SampleCatalogues();
    std::vector<int> x1 = {0x20};  // the name contains x1
    for (int v : Range(256 + 0x10, 256 + 0x1F)) x1.push_back(v);
    std::vector<int> s1 = Range(512 + 0x10, 512 + 0x1F);
    for (int v : Range(512 + 0x100, 512 + 0x1FF)) s1.push_back(v);

    struct Case {
        std::array<bool, 3> listable;
        const char* filter;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{false, false, false}, "", {}},
        {{true, false, false}, "", Range(0, 255)},
        {{false, false, true}, "", Range(512, 1023)},
        {{true, true, true}, "x1", x1},
        {{true, true, true}, "X1", x1},
        {{true, false, true}, "x1", {0x20}},
        {{true, true, true}, "S1", s1},
        {{true, true, true}, ": ", Range(0, 1023)},
        {{true, true, true}, "no such entry", {}},
        {{true, true, true}, "cRATE", {0x05}},
        {{true, true, true}, "S1A3: B", {512 + 0x1A3}},
        {{true, true, true}, "beyond", {}},  // catalogue slot 0x200 is never listed
    };
    for (const Case& c : cases) {
        CatalogueListOptions options;
        options.Listable = c.listable;
        options.Filter = c.filter;
        EXPECT_EQ(Values(RemakeObjectList(*defs, options)), c.expected) << '"' << c.filter << '"';
    }
}

}  // namespace
