#include "logic/logic.h"
#include "runtime/core/strings.h"
#include "vardelis/version.h"

#include <array>
#include <span>

namespace vardelis {

std::string about_message() {
    const std::string first_line = "Vardelis version " + std::string(version) + " ";
    const std::array<std::string_view, 15> lines = {
        first_line,
        "",
        "Calcul de la clé du numéro de sécurité sociale",
        "",
        "Notre numéro de sécurité sociale est un nombre composé de 13 chiffres et",
        "d'une clé de 2 chiffres qui nous suit et nous identifie toute notre vie...",
        "",
        "La clé s'obtient par un savant calcul : clé = 97 - (n° de sécu modulo[97]).",
        "C'est-à-dire le reste de la division du numéro de sécu par 97 ôté de 97.",
        "",
        "Auteur : l'équipe Vardelis",
        "E-Mail : contact@vardelis.example",
        "Url : https://vardelis.example/",
        "",
        "",
    };
    const std::string line_break = runtime::Chr(13);
    std::string message(lines.front());
    for (const std::string_view line : std::span(lines).subspan(1)) {
        message.append(line_break).append(line);
    }
    return message;
}

} // namespace vardelis
