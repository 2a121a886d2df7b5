// The small shared rules: decimal boxes and digits, and float-to-int clamps.
#include "util/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "util/decimal.h"

using namespace tarnloft;

namespace {

TEST(DecimalBox, ReadsWholeNumbersWithinTheMaximum) {
    struct Row {
        const char* name;
        const char* text;
        int max;
        std::optional<int> value;
    } const rows[] = {{"plain", "31", 31, 31},
                      {"blanks around", " 7\t", 31, 7},
                      {"over the maximum", "32", 31, {}},
                      {"blank", "  ", 31, {}},
                      {"sign", "-1", 31, {}},
                      {"inner blank", "1 2", 99, {}},
                      {"huge", "99999999999999999999", 31, {}}};
    for (const Row& r : rows) EXPECT_EQ(ParseDecimalBox(r.text, r.max), r.value) << r.name;
    EXPECT_EQ(AppendDecimalDigit(std::numeric_limits<int64_t>::max(), '9'),
              std::numeric_limits<int64_t>::max());
    EXPECT_EQ(AppendDecimalDigit(12, 'x'), std::nullopt);
}

TEST(FloatToInt, ClampsRoundsAndIgnoresNaN) {
    EXPECT_EQ(FloorToInt(-0.5), -1);
    EXPECT_EQ(FloorToInt(1e300), 100000000);
    EXPECT_EQ(FloorToInt(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-1e300), -100000000);
}

}  // namespace
