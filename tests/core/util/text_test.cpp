#include "util/text.h"

#include <gtest/gtest.h>

using namespace tarnloft;

namespace {

TEST(TextAsUtf8, KeepsValidUtf8AndReadsAnythingElseAsLatin1) {
    const struct {
        const char* Name;
        std::string Bytes, Text;
    } cases[] = {
        {"plain ASCII", "Ledge 2", "Ledge 2"},
        {"UTF-8 kept", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"four-byte UTF-8 kept", "\xF0\x9F\x90\xB8", "\xF0\x9F\x90\xB8"},
        {"Latin-1 converted", "caf\xE9", "caf\xC3\xA9"},
        {"Latin-1 pair that is no sequence", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"overlong form", "\xC0\x80", "\xC3\x80\xC2\x80"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"cut-off sequence at the end", "ab\xE2\x82", "ab\xC3\xA2\xC2\x82"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TextAsUtf8(c.Bytes), c.Text) << c.Name;
}

}  // namespace
