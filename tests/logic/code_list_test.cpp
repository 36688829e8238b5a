#include "logic/logic.h"

#include <climits>
#include <gtest/gtest.h>
#include <ostream>

namespace vardelis {
namespace {

struct ListCase {
    const char* field;
    int first, last, width;
    std::size_t count;
    // 1-based positions and the item expected there
    std::vector<std::pair<std::size_t, const char*>> items;
};

void PrintTo(const ListCase& c, std::ostream* out) {
    *out << c.field;
}

class CodeList : public testing::TestWithParam<ListCase> {};

TEST_P(CodeList, HoldsEveryCodeWithLeadingZeros) {
    const auto& c = GetParam();
    const auto list = make_code_list(c.first, c.last, c.width);
    ASSERT_EQ(list.size(), c.count);
    for (const auto& [position, item] : c.items) {
        EXPECT_EQ(list[position - 1], item) << c.field << " position " << position;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].size(), static_cast<std::size_t>(c.width)) << list[i];
        EXPECT_EQ(std::stoi(list[i]), c.first + static_cast<int>(i));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CodeList,
    testing::Values(
        ListCase{"TextAN", 0, 99, 2, 100, {{1, "00"}, {10, "09"}, {11, "10"}, {100, "99"}}},
        ListCase{"TextDEP", 1, 99, 2, 99, {{1, "01"}, {9, "09"}, {10, "10"}, {99, "99"}}},
        ListCase{"TextCOM",
                 0,
                 999,
                 3,
                 1000,
                 {{1, "000"}, {10, "009"}, {11, "010"}, {100, "099"}, {101, "100"}, {1000, "999"}}},
        ListCase{
            "TextRANG",
            0,
            999,
            3,
            1000,
            {{1, "000"}, {10, "009"}, {11, "010"}, {100, "099"}, {101, "100"}, {1000, "999"}}}));

TEST(CodeListBounds, EdgeRanges) {
    EXPECT_TRUE(make_code_list(5, 4, 2).empty());
    EXPECT_EQ(make_code_list(1234, 1234, 2), std::vector<std::string>{"1234"});
    EXPECT_EQ(make_code_list(-3, -3, 3), std::vector<std::string>{"-03"});
    EXPECT_EQ(make_code_list(INT_MAX - 1, INT_MAX, 1).size(), 2U);
}

} // namespace
} // namespace vardelis
