#include "cli/command_line.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// The command line as a script runs it: the input's lines back, each with three columns after
// it, and an exit status that says one thing. Keys worked out by hand (1850578006084: 91,
// 2930719115042: 83).
namespace vardelis {
namespace {

using namespace std::string_view_literals;

constexpr std::chrono::year_month today = std::chrono::year{2026} / std::chrono::December;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_command_line(arguments, in, out, err, today);
    return {status, out.str(), err.str()};
}

// A file of the test's own, removed at its end.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() /
                ("vardelis-cli-test-" + std::to_string(++count_) + ".csv")) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TemporaryFile() { std::filesystem::remove(path_); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    [[nodiscard]] std::string name() const { return path_.string(); }

private:
    static inline int count_ = 0;
    std::filesystem::path path_;
};

const std::string versailles = "Homme, né en mai 1985 à Adainville (Yvelines).";

TEST(CommandLine, WritesEachLineBackWithItsVerdictKeyAndReading) {
    struct Row {
        const char* what;
        std::string input;
        std::string output;
        int status;
    };
    const std::vector<Row> rows = {
        {"a header, a right number", "Nom;NIR\nDupont;1 85 05 78 006 084 91\n",
         "Nom;NIR;Verdict;Bonne clé;Ce que dit le numéro\nDupont;1 85 05 78 006 084 91;Juste;91;" +
             versailles + "\n",
         every_number_right},
        {"without a key", "1 85 05 78 006 084\n",
         "1 85 05 78 006 084;Sans clé;91;" + versailles + "\n", every_number_right},
        {"a wrong key", "1 85 05 78 006 084 19\n",
         "1 85 05 78 006 084 19;Clé fausse;91;" + versailles + "\n", some_number_not_right},
        {"no number", "12345\n", "12345;Pas de numéro;;\n", some_number_not_right},
        {"a reading that warns", "1 85 05 78 999 084\n",
         "1 85 05 78 999 084;À vérifier;80;Pas de commune 999 connue dans les Yvelines. / Homme, "
         "né en mai 1985 dans les Yvelines.\n",
         some_number_not_right},
        {"commas: the reading quoted", "Dupont,1850578006084\n",
         "Dupont,1850578006084,Sans clé,91,\"" + versailles + "\"\n", every_number_right},
        {"tabs", "Dupont\t1850578006084\n",
         "Dupont\t1850578006084\tSans clé\t91\t" + versailles + "\n", every_number_right},
        {"CRLF kept, and no last line end", "1850578006084\r\n1850578006084",
         "1850578006084;Sans clé;91;" + versailles + "\r\n1850578006084;Sans clé;91;" + versailles,
         every_number_right},
        {"blank lines kept, not counted", "\n1850578006084\n  \n",
         ";Pas de numéro;;\n1850578006084;Sans clé;91;" + versailles + "\n  ;Pas de numéro;;\n",
         every_number_right},
        {"a byte order mark kept", "\xEF\xBB\xBFNIR\n1850578006084\n",
         "\xEF\xBB\xBFNIR;Verdict;Bonne clé;Ce que dit le numéro\n1850578006084;Sans clé;91;" +
             versailles + "\n",
         every_number_right},
        {"Windows-1252 turned into UTF-8", "H\xE9l\xE8ne;2 93 07 2A 115 042 83\n",
         "Hélène;2 93 07 2A 115 042 83;Juste;83;Femme, née en juillet 1993 à Foce "
         "(Corse-du-Sud).\n",
         every_number_right},
        {"NUL bytes", std::string("a\0b;1850578006084\n"sv),
         std::string("a\0b;1850578006084;Sans clé;91;"sv) + versailles + "\n", every_number_right},
        {"only the first line can be a header", "1850578006084\nNom\n",
         "1850578006084;Sans clé;91;" + versailles + "\nNom;Pas de numéro;;\n",
         some_number_not_right},
        {"UTF-16 turned into UTF-8",
         std::string("\xFF\xFEH\0\xE9\0;\0"
                     "1\0"
                     "8\0"
                     "5\0"
                     "0\0"
                     "5\0"
                     "7\0"
                     "8\0"
                     "0\0"
                     "0\0"
                     "6\0"
                     "0\0"
                     "8\0"
                     "4\0\r\0\n\0",
                     38),
         "Hé;1850578006084;Sans clé;91;" + versailles + "\r\n", every_number_right},
        {"nothing", "", "", every_number_right},
    };
    for (const auto& [what, input, output, status] : rows) {
        SCOPED_TRACE(what);
        const Outcome result = run({"--verifier"}, input);
        EXPECT_EQ(result.out, output);
        EXPECT_EQ(result.status, status);
        EXPECT_EQ(result.err, "");
    }
}

// As many lines out as in, each starting with the line that came in, however long.
TEST(CommandLine, LosesNothingOfALongLine) {
    const std::string long_line = std::string(1 << 20, 'x') + ";1850578006084";
    const Outcome result = run({"--verifier", "-"}, long_line + "\n" + long_line + "\n");
    ASSERT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2);
    const std::string first = result.out.substr(0, result.out.find('\n'));
    EXPECT_EQ(first, long_line + ";Sans clé;91;" + versailles);
}

TEST(CommandLine, ReadsFilesInTurnAndNamesThoseItCannotRead) {
    const TemporaryFile right("1850578006084\n");
    const TemporaryFile wrong("1850578006084 19\n");
    const std::string missing =
        (std::filesystem::temp_directory_path() / "vardelis-cli-test-absent.csv").string();
    Outcome result = run({"--verifier", right.name(), right.name()});
    EXPECT_EQ(result.status, every_number_right);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2);
    result = run({"--verifier", right.name(), wrong.name()});
    EXPECT_EQ(result.status, some_number_not_right);
    result = run({"--verifier", missing, right.name()});
    EXPECT_EQ(result.status, could_not_run);
    EXPECT_EQ(result.err, "vardelis : " + missing + " : fichier introuvable\n");
    EXPECT_EQ(result.out, "1850578006084;Sans clé;91;" + versailles + "\n");
    result = run({"--verifier", std::filesystem::temp_directory_path().string()});
    EXPECT_EQ(result.status, could_not_run);
    EXPECT_NE(result.err.find("c'est un dossier"), std::string::npos);
    result = run({"--verifier", "-", right.name()}, "1850578006084 19\n");
    EXPECT_EQ(result.status, some_number_not_right);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2);
}

TEST(CommandLine, AnswersHelpVersionAndWrongOptionsAsCommandLinesDo) {
    Outcome result = run({"--help"});
    EXPECT_EQ(result.status, every_number_right);
    EXPECT_TRUE(result.out.starts_with("Usage : vardelis [--verifier [FICHIER…]]\n"));
    EXPECT_NE(result.out.find("Statut de sortie : 0"), std::string::npos);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(run({"-h"}).out, result.out);
    result = run({"--version"});
    EXPECT_EQ(result.status, every_number_right);
    EXPECT_TRUE(result.out.starts_with("Vardelis "));
    result = run({"--verifie"});
    EXPECT_EQ(result.status, could_not_run);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "vardelis : option inconnue : --verifie\nEssayez « vardelis --help ».\n");

    EXPECT_TRUE(asks_for_the_command_line({"--verifier"}));
    EXPECT_TRUE(asks_for_the_command_line({"--help"}));
    EXPECT_TRUE(asks_for_the_command_line({"-h"}));
    EXPECT_TRUE(asks_for_the_command_line({"--version"}));
    EXPECT_FALSE(asks_for_the_command_line({}));
    EXPECT_FALSE(asks_for_the_command_line({"-platform", "offscreen"}));
}

} // namespace
} // namespace vardelis
