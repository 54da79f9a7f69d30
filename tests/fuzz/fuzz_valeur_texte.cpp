// libFuzzer target of the reading of numbers typed or read from files: the
// result is always finite, rounding and showing it never fail, and a field of
// a Psim export reads as the same text.
#include "app/nombres.h"
#include "signal/calcul/psim.h"
#include "tests/fuzz/exiger.h"
#include <cmath>
#include <cstdint>
#include <string_view>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view texte(reinterpret_cast<const char*>(data), size);
    const double v = valeur_texte(texte);
    const double r = arrondi(v, size > 0 ? data[0] % 4 : 2);
    exiger(std::isfinite(v) && std::isfinite(r) && !nombre_texte(v, ',').empty() && !nombre_texte(r).empty());
    // A field of a Psim export reads exactly as the same text does.
    if (size <= psim::largeur_champ && texte.find_first_of("\t\n") == std::string_view::npos) {
        const double champ = psim::champ(texte, 0);
        exiger(champ == v && std::signbit(champ) == std::signbit(v));
    }
    return 0;
}
