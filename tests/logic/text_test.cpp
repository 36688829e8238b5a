#include "logic/text/csv.h"
#include "logic/text/encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vardelis {
namespace {

// UTF-8 stays as it is; anything else is Windows-1252, whose bytes the table of Microsoft's
// bestfit1252.txt gives: é is E9, € 80, œ 9C, ’ 92.
TEST(AsUtf8, KeepsUtf8AndReadsAnyOtherTextAsWindows1252) {
    struct Row {
        const char* what;
        std::string bytes;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"ASCII", "Dupont;1 85", "Dupont;1 85"},
        {"UTF-8", "H\xC3\xA9l\xC3\xA8ne \xE2\x82\xAC", "Hélène €"},
        {"UTF-8 with its byte order mark", "\xEF\xBB\xBFNom", "\xEF\xBB\xBFNom"},
        {"Windows-1252", "H\xE9l\xE8ne \x80 c\x9Cur l\x92\xE9t\xE9", "Hélène € cœur l’été"},
        {"a byte Windows-1252 leaves unassigned", "a\x81z", "a\u0081z"},
        {"a NUL byte", std::string("a\0b", 3), std::string("a\0b", 3)},
        {"UTF-8 cut short", "caf\xC3", "caf\u00C3"},
        {"an overlong form", "\xC0\xAF", "\u00C0\u00AF"},
        {"a surrogate", "\xED\xA0\x80", "\u00ED\u00A0\u20AC"},
    };
    for (const auto& [what, bytes, utf8] : rows) {
        SCOPED_TRACE(what);
        EXPECT_EQ(as_utf8(bytes), utf8);
        EXPECT_TRUE(is_utf8(as_utf8(bytes)));
    }
}

// UTF-16 by the Unicode standard: a unit from D800 to DBFF and one from DC00 to DFFF make one
// character (D83D DE00 is U+1F600, F0 9F 98 80 in UTF-8); any half alone is U+FFFD (EF BF BD).
TEST(Utf16Decoder, TurnsUtf16IntoUtf8WhereverTheBytesAreCut) {
    struct Row {
        const char* what;
        std::string little_endian;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"Latin letters", std::string("H\0\xE9\0l\0\xE8\0n\0e\0", 12), "Hélène"},
        {"the euro sign and a line end", std::string("\xAC\x20\r\0\n\0", 6), "€\r\n"},
        {"a pair", std::string("\x3D\xD8\x00\xDE", 4), "\xF0\x9F\x98\x80"},
        {"a first half alone",
         std::string("\x3D\xD8"
                     "A\0",
                     4),
         "\xEF\xBF\xBD"
         "A"},
        {"a second half alone",
         std::string("\x00\xDE"
                     "A\0",
                     4),
         "\xEF\xBF\xBD"
         "A"},
        {"a first half at the end", std::string("A\0\x3D\xD8", 4), "A\xEF\xBF\xBD"},
        {"an odd last byte", std::string("A\0B", 3), "A\xEF\xBF\xBD"},
        {"a NUL", std::string("\0\0", 2), std::string("\0", 1)},
    };
    for (const auto& [what, bytes, utf8] : rows) {
        SCOPED_TRACE(what);
        std::string big_endian = bytes;
        for (std::size_t at = 0; at + 1 < big_endian.size(); at += 2) {
            std::swap(big_endian[at], big_endian[at + 1]);
        }
        for (const ByteOrder order : {ByteOrder::little_endian, ByteOrder::big_endian}) {
            const std::string& read = order == ByteOrder::little_endian ? bytes : big_endian;
            // Whole, and cut at every place.
            for (std::size_t cut = 0; cut <= read.size(); ++cut) {
                Utf16Decoder decoder(order);
                std::string decoded;
                decoder.decode(std::string_view(read).substr(0, cut), decoded);
                decoder.decode(std::string_view(read).substr(cut), decoded);
                decoder.finish(decoded);
                EXPECT_EQ(decoded, utf8) << "cut at " << cut;
            }
        }
    }
}

TEST(Utf16Decoder, KnowsUtf16ByItsByteOrderMark) {
    EXPECT_EQ(utf16_byte_order("\xFF\xFEN\0"), ByteOrder::little_endian);
    EXPECT_EQ(utf16_byte_order("\xFE\xFF\0N"), ByteOrder::big_endian);
    for (const std::string_view other : {"\xEF\xBB\xBFNom", "\xFF", "", "Nom", "\xFE"}) {
        EXPECT_EQ(utf16_byte_order(other), std::nullopt) << other;
    }
}

TEST(Csv, FindsTheSeparatorSplitsAndQuotesFields) {
    EXPECT_EQ(separator_of("Nom;Prénom;NIR"), ';');
    EXPECT_EQ(separator_of("Nom\tPrénom\tNIR"), '\t');
    EXPECT_EQ(separator_of("Nom,Prénom,NIR"), ',');
    EXPECT_EQ(separator_of("\"Dupont; Jean\",1 85 05,x"), ',');
    EXPECT_EQ(separator_of("1 85 05 78 006 084"), ';');

    EXPECT_EQ(fields_of("a;\"b;c\";\"d \"\"e\"\"\";", ';'),
              (std::vector<std::string>{"a", "b;c", "d \"e\"", ""}));
    EXPECT_EQ(fields_of("", ';'), (std::vector<std::string>{""}));

    EXPECT_EQ(csv_field("Juste", ';'), "Juste");
    EXPECT_EQ(csv_field("Homme, né", ';'), "Homme, né");
    EXPECT_EQ(csv_field("Homme, né", ','), "\"Homme, né\"");
    EXPECT_EQ(csv_field("a;b", ';'), "\"a;b\"");
    EXPECT_EQ(csv_field("dit \"oui\"", '\t'), "\"dit \"\"oui\"\"\"");
    EXPECT_EQ(csv_field("deux\nlignes", ';'), "\"deux\nlignes\"");
}

} // namespace
} // namespace vardelis
