#include "cli/command_line.h"

#include "cli/list_filter.h"
#include "vardelis/version.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>

namespace vardelis {
namespace {

constexpr std::string_view program = "vardelis";

constexpr std::string_view help =
    "Usage : vardelis [--verifier [FICHIER…]]\n"
    "Sans argument, ouvre la fenêtre qui calcule la clé du numéro de sécurité sociale.\n"
    "\n"
    "  --verifier [FICHIER…]  vérifie les numéros de chaque ligne des fichiers, ou de l'entrée\n"
    "                         standard sans fichier ou pour « - » : chaque ligne est écrite\n"
    "                         telle quelle sur la sortie standard, en UTF-8, suivie de trois\n"
    "                         colonnes : le verdict (Juste, Sans clé, Clé fausse, À vérifier,\n"
    "                         Pas de numéro), la bonne clé et ce que dit le numéro ; avec le\n"
    "                         séparateur du fichier (« ; », « , » ou tabulation)\n"
    "  -h, --help             affiche cette aide et s'arrête\n"
    "      --version          affiche la version et s'arrête\n"
    "\n"
    "Les fichiers peuvent être en UTF-8, en Windows-1252 (ce qu'enregistrent les tableurs)\n"
    "ou en UTF-16 avec sa marque d'ordre des octets (le « texte Unicode » de Windows).\n"
    "\n"
    "Statut de sortie : 0 si chaque ligne porte un numéro juste, avec ou sans sa clé, dont\n"
    "rien n'est à signaler (lignes vides et en-tête mis à part), 1 sinon, 2 si un fichier\n"
    "n'a pas pu être lu.\n";

std::filesystem::path path_of(const std::string& utf8) {
    return {std::u8string(utf8.begin(), utf8.end())};
}

// Why a file cannot be opened, in French.
std::string why_not_opened(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return "fichier introuvable";
    }
    if (std::filesystem::is_directory(path, error)) {
        return "c'est un dossier, pas un fichier";
    }
    return "impossible de l'ouvrir en lecture";
}

void say(std::ostream& err, std::string_view name, std::string_view message) {
    err << program << " : " << name << " : " << message << '\n';
}

} // namespace

bool asks_for_the_command_line(const std::vector<std::string>& arguments) {
    return !arguments.empty() &&
           (arguments.front() == "--verifier" || arguments.front() == "--help" ||
            arguments.front() == "-h" || arguments.front() == "--version");
}

int run_command_line(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err, std::chrono::year_month today) {
    if (arguments.empty() || arguments.front() == "--help" || arguments.front() == "-h") {
        (arguments.empty() ? err : out) << help;
        return arguments.empty() ? could_not_run : every_number_right;
    }
    if (arguments.front() == "--version") {
        out << "Vardelis " << version << '\n';
        return every_number_right;
    }
    if (arguments.front() != "--verifier") {
        err << program << " : option inconnue : " << arguments.front()
            << "\nEssayez « vardelis --help ».\n";
        return could_not_run;
    }
    std::vector<std::string> files(arguments.begin() + 1, arguments.end());
    if (files.empty()) {
        files.emplace_back("-");
    }
    ListFilter filter(out, today);
    bool could_not_read = false;
    for (const std::string& file : files) {
        if (file == "-") {
            if (!filter.take(in)) {
                say(err, "entrée standard", "erreur de lecture");
                could_not_read = true;
            }
            continue;
        }
        std::error_code error;
        std::ifstream stream;
        // A folder opens as a file on some systems, and reads as an empty one.
        if (!std::filesystem::is_directory(path_of(file), error)) {
            stream.open(path_of(file), std::ios::binary);
        }
        if (!stream.is_open()) {
            say(err, file, why_not_opened(path_of(file)));
            could_not_read = true;
        } else if (!filter.take(stream)) {
            say(err, file, "erreur de lecture");
            could_not_read = true;
        }
    }
    out.flush();
    if (!out) {
        say(err, "sortie standard", "erreur d'écriture");
        return could_not_run;
    }
    if (could_not_read) {
        return could_not_run;
    }
    return filter.every_number_right() ? every_number_right : some_number_not_right;
}

} // namespace vardelis
