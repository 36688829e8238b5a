#pragma once

#include <QIcon>

namespace vardelis {

enum class Picture {
    Sign,     // yellow road sign with a black arrow: the program's icon and "Calculer"
    Question, // blue disc with a white question mark: "A propos"
    Door,     // open door with an arrow going in: "Quitter"
};

// The picture at 32 x 32, with its 64 x 64 rendering for screens of twice the density.
[[nodiscard]] QIcon picture(Picture which);

} // namespace vardelis
