// libFuzzer target of the reading of numbers typed or read from files: the
// result is always finite, and rounding and showing it never fail.

#include "app/nombres.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view texte(reinterpret_cast<const char*>(data), size);
    const double v = valeur_texte(texte);
    if (!std::isfinite(v))
        std::abort();
    const double r = arrondi(v, size > 0 ? data[0] % 4 : 2);
    if (!std::isfinite(r))
        std::abort();
    if (nombre_texte(v, ',').empty() || nombre_texte(r).empty())
        std::abort();
    return 0;
}
