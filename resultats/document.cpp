#include "resultats/document.h"

#include <cmath>

namespace document {

namespace {
constexpr std::size_t longueur_boîte = 32767;  // the longest text a box holds
}

std::optional<std::string> défaut(const Signal& s)
{
    if (s.nb_rangs < 1 || s.nb_rangs > 50)
        return "Le nombre de rangs (" + std::to_string(s.nb_rangs) + ") n'est pas compris entre 1 et 50.";
    for (const auto* textes : {&s.amplitudes, &s.déphasages})
        for (const std::string& t : *textes)
            if (t.size() > longueur_boîte)
                return std::string("Un texte d'amplitude ou de déphasage est trop long.");
    for (double v : s.période)
        if (!std::isfinite(v))
            return std::string("La période enregistrée contient une valeur qui n'est pas un nombre fini.");
    if (!std::isfinite(s.échelle) || s.échelle < 0)
        return std::string("L'échelle de la mesure n'est pas un nombre positif.");
    if (s.élément_liste < -1 || s.élément_liste > 8)
        return std::string("Le signal de la liste n'existe pas.");
    return std::nullopt;
}

}  // namespace document
