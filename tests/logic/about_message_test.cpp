#include "logic/logic.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace vardelis {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line, '\r');) {
        lines.push_back(line);
    }
    if (text.ends_with('\r')) {
        lines.emplace_back(); // getline drops an empty last line
    }
    return lines;
}

TEST(AboutMessage, HasFifteenLinesSeparatedByCarriageReturnsAlone) {
    const std::string message = about_message();
    EXPECT_EQ(std::count(message.begin(), message.end(), '\r'), 14);
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_TRUE(message.ends_with("\r\r"));
    EXPECT_EQ(message, about_message());
}

TEST(AboutMessage, LinesReadAsWritten) {
    const auto lines = lines_of(about_message());
    ASSERT_EQ(lines.size(), 15U);
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {1, "Vardelis version 1.0.0 "},
        {2, ""},
        {3, "Calcul de la clé du numéro de sécurité sociale"},
        {4, ""},
        {5, "Notre numéro de sécurité sociale est un nombre composé de 13 chiffres et"},
        {6, "d'une clé de 2 chiffres qui nous suit et nous identifie toute notre vie..."},
        {7, ""},
        {8, "La clé s'obtient par un savant calcul : clé = 97 - (n° de sécu modulo[97])."},
        {9, "C'est-à-dire le reste de la division du numéro de sécu par 97 ôté de 97."},
        {10, ""},
        {11, "Auteur : l'équipe Vardelis"},
        {14, ""},
        {15, ""},
    };
    for (const auto& [number, text] : expected) {
        EXPECT_EQ(lines[number - 1], text) << "line " << number;
    }
    EXPECT_TRUE(lines[11].starts_with("E-Mail : ")) << lines[11];
    EXPECT_TRUE(lines[11].ends_with(".example")) << lines[11];
    EXPECT_TRUE(lines[12].starts_with("Url : ")) << lines[12];
    EXPECT_NE(lines[12].find(".example"), std::string::npos) << lines[12];
}

} // namespace
} // namespace vardelis
