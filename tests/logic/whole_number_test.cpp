#include "logic/logic.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vardelis {
namespace {

// What a paste brings, and the six parts it gives, or nothing where it is no whole number.
TEST(SplitWholeNumber, TakesWholeNumbersAsPeopleHaveThemAndNothingElse) {
    struct Row {
        const char* pasted;
        std::optional<KeyInputs> parts;
    };
    const KeyInputs plain{"1", "85", "05", "78", "006", "084"};
    const std::vector<Row> rows = {
        {"1850578006084", plain},
        {"1 85 05 78 006 084", plain},
        {"1 85 05 78 006 084 72", plain},
        {"185057800608472", plain},
        {"1.85.05.78.006.084", plain},
        {"1-85-05-78-006-084", plain},
        {"1\t85 - 05 . 78 006 084", plain},
        {"1\u00A085\u00A005\u00A078\u00A0006\u00A0084", plain},
        {"1\u202F85\u202F05\u202F78\u202F006\u202F084\u202F72", plain},
        {"  1 85 05 78 006 084\t\r\n", plain},
        {"\u00A01850578006084\u202F", plain},
        {"2 93 07 2A 115 042", KeyInputs{"2", "93", "07", "2A", "115", "042"}},
        {"2930 72b1 1504 2", KeyInputs{"2", "93", "07", "2b", "115", "042"}},
        {"2 93 07 2 B 115 042 26", KeyInputs{"2", "93", "07", "2B", "115", "042"}},
        {"", std::nullopt},
        {"1", std::nullopt},
        {"185057800608", std::nullopt},
        {"18505780060847", std::nullopt},
        {"1850578006084721", std::nullopt},
        {"1 85 05 78 006 08x", std::nullopt},
        {"1 85 05 3A 006 084", std::nullopt},
        {"1 85 05 2C 006 084", std::nullopt},
        {"1 85 05 A2 006 084", std::nullopt},
        {"1 85 05 78 006 084 2A", std::nullopt},
        {"-1850578006084", std::nullopt},
        {"1850578006084.", std::nullopt},
        {"1 85 05 78\n006 084", std::nullopt},
        {"1,85,05,78,006,084", std::nullopt},
        {"1 85 05 78 006 084\u2009", std::nullopt},
        {"1 85 05 78 006 084 \xC2", std::nullopt},
        {"1 85\xA0"
         "05 78 006 084",
         std::nullopt},
    };
    for (const auto& [pasted, parts] : rows) {
        SCOPED_TRACE(pasted);
        EXPECT_EQ(split_whole_number(pasted), parts);
    }
}

} // namespace
} // namespace vardelis
