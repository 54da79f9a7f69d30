#include "app/commun.h"

namespace commun {

std::array<Composante, 2001> composantes{};
std::array<double, nb_échantillons + 1> periode{};
Origine origine;

bool periode_vide()
{
    for (double échantillon : periode)
        if (échantillon != 0.0)
            return false;
    return true;
}

}  // namespace commun
