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
