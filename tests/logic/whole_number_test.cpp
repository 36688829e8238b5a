#include "logic/logic.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace vardelis {
namespace {

// What a paste brings, and the six parts it gives with the key written after them, or nothing
// where it is no whole number.
TEST(SplitWholeNumber, TakesWholeNumbersAsPeopleHaveThemAndNothingElse) {
    struct Row {
        const char* pasted;
        std::optional<KeyInputs> parts;
        std::string key = {};
    };
    const KeyInputs plain{"1", "85", "05", "78", "006", "084"};
    const std::vector<Row> rows = {
        {"1850578006084", plain},
        {"1 85 05 78 006 084", plain},
        {"1 85 05 78 006 084 72", plain, "72"},
        {"185057800608407", plain, "07"},
        {"1.85.05.78.006.084", plain},
        {"1-85-05-78-006-084", plain},
        {"1\t85 - 05 . 78 006 084", plain},
        {"1\u00A085\u00A005\u00A078\u00A0006\u00A0084", plain},
        {"1\u202F85\u202F05\u202F78\u202F006\u202F084\u202F72", plain, "72"},
        {"  1 85 05 78 006 084\t\r\n", plain},
        {"\u00A01850578006084\u202F", plain},
        {"2 93 07 2A 115 042", KeyInputs{"2", "93", "07", "2A", "115", "042"}},
        {"2930 72b1 1504 2", KeyInputs{"2", "93", "07", "2b", "115", "042"}},
        {"2 93 07 2 B 115 042 26", KeyInputs{"2", "93", "07", "2B", "115", "042"}, "26"},
        {"", std::nullopt},
        {"1", std::nullopt},
        {"185057800608", std::nullopt},
        {"18505780060847", std::nullopt},
        {"1850578006084721", std::nullopt},
        {"1 85 05 78 006 08x", std::nullopt},
        {"1 85 05 3A 006 084", std::nullopt},
        {"1 85 05 2C 006 084", std::nullopt},
        {"2 93 07 2A 1A5 042", std::nullopt},
        {"2 93 07 2B 115 04B", std::nullopt},
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
    for (const auto& [pasted, parts, key] : rows) {
        SCOPED_TRACE(pasted);
        const std::optional<WholeNumber> number = split_whole_number(pasted);
        EXPECT_EQ(number, parts ? std::optional(WholeNumber{*parts, key}) : std::nullopt);
    }
}

// The key a whole number was pasted with, against its own (worked out by hand: 97 minus the
// number modulo 97, Corsica's 2A and 2B as 19 and 18).
TEST(OwnKeyIfAnotherWasPasted, TellsAWrongKeyAndOnlyAWrongOne) {
    struct Row {
        const char* pasted;
        std::optional<std::string> own_key;
    };
    const std::vector<Row> rows = {
        {"1 85 05 78 006 084", std::nullopt},    {"1 85 05 78 006 084 91", std::nullopt},
        {"1 85 05 78 006 084 42", "91"},         {"1 85 05 78 006 084 19", "91"},
        {"1 85 05 78 006 085 91", "90"},         {"2 93 07 2A 115 042 83", std::nullopt},
        {"2 93 07 2b 115 042 13", std::nullopt}, {"2 93 07 2B 115 042 83", "13"},
        {"1 00 01 01 000 000 36", std::nullopt}, {"1 00 01 01 000 005 31", std::nullopt},
        {"1 00 01 01 000 010 26", std::nullopt}, {"1 00 01 01 000 029 07", std::nullopt},
        {"1 00 01 01 000 036 97", std::nullopt}, {"1 00 01 01 000 036 00", "97"},
    };
    for (const auto& [pasted, own_key] : rows) {
        SCOPED_TRACE(pasted);
        const std::optional<WholeNumber> number = split_whole_number(pasted);
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(own_key_if_another_was_pasted(*number), own_key);
    }
}

// The number the fields hold, with its own key on two digits, as the window copies it; nothing
// where the fields hold no number, so that no key is ever copied for them. Keys worked out by
// hand, as above.
TEST(NumberWithItsKey, IsTheFieldsNumberOrNothing) {
    struct Row {
        const char* what;
        KeyInputs fields;
        std::optional<WholeNumber> number;
    };
    const std::vector<Row> rows = {
        {"a number",
         {"1", "85", "05", "78", "006", "084"},
         WholeNumber{{"1", "85", "05", "78", "006", "084"}, "91"}},
        {"a key below 10 on two digits",
         {"1", "00", "01", "01", "000", "029"},
         WholeNumber{{"1", "00", "01", "01", "000", "029"}, "07"}},
        {"the key 97",
         {"1", "00", "01", "01", "000", "036"},
         WholeNumber{{"1", "00", "01", "01", "000", "036"}, "97"}},
        {"blanks dropped, Corsica in capitals",
         {" 2", "93 ", "0 7", "2a", "115", "042\t"},
         WholeNumber{{"2", "93", "07", "2A", "115", "042"}, "83"}},
        {"a letter for the sex", {"x", "85", "05", "78", "646", "084"}, std::nullopt},
        {"a part one digit short", {"1", "85", "05", "78", "646", "84"}, std::nullopt},
        {"a part one digit long", {"1", "85", "05", "78", "6460", "084"}, std::nullopt},
        {"a letter but in the department", {"1", "85", "05", "78", "6A6", "084"}, std::nullopt},
        {"another letter in the department", {"1", "85", "05", "2C", "646", "084"}, std::nullopt},
        {"digits shifted between parts", {"18", "5", "05", "78", "646", "084"}, std::nullopt},
        {"a sign", {"-1", "85", "05", "78", "646", "08"}, std::nullopt},
    };
    for (const auto& [what, fields, number] : rows) {
        SCOPED_TRACE(what);
        EXPECT_EQ(number_with_its_key(fields), number);
    }
}

// Written as people write it, a number is taken back whole, with its key.
TEST(WrittenWhole, PutsThePartsApartAndIsPastedBackWhole) {
    struct Row {
        WholeNumber number;
        std::string written;
    };
    const std::vector<Row> rows = {
        {{{"1", "85", "05", "78", "006", "084"}, "72"}, "1 85 05 78 006 084 72"},
        {{{"2", "93", "07", "2A", "115", "042"}, "83"}, "2 93 07 2A 115 042 83"},
        {{{"1 ", " 85", "0 5", "7\t8", "006", "084"}, "7"}, "1 85 05 78 006 084 07"},
        {{{"1", "85", "05", "78", "006", "084"}, ""}, "1 85 05 78 006 084"},
    };
    for (const auto& [number, written] : rows) {
        SCOPED_TRACE(written);
        EXPECT_EQ(written_whole(number), written);
        const std::optional<WholeNumber> pasted = split_whole_number(written);
        ASSERT_TRUE(pasted.has_value());
        EXPECT_EQ(pasted->key.empty(), number.key.empty());
        if (!number.key.empty()) {
            EXPECT_EQ(std::stoi(pasted->key), std::stoi(number.key));
        }
        EXPECT_EQ(compute_key(pasted->parts, "."), compute_key(number.parts, "."));
    }
}

} // namespace
} // namespace vardelis
