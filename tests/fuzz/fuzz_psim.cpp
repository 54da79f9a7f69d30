// libFuzzer target of the Psim export reader. The first byte chooses the
// column, the rest is the file. Every path of the reader is taken: validity
// check, header, fields of the first line, column import and resampling.
#include "signal/calcul/psim.h"
#include "tests/fuzz/exiger.h"
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int colonne = data[0] % 16 - 1;  // -1 to 14
    const std::string_view contenu(reinterpret_cast<const char*>(data + 1), size - 1);
    for (const std::string& nom : psim::noms_colonnes(contenu.substr(0, contenu.find('\n'))))
        exiger(nom.size() <= contenu.size());
    psim::en_utf8(contenu.substr(0, 256));
    for (int k = -1; k < 4; ++k)
        exiger(std::isfinite(psim::champ(contenu, k)));
    std::FILE* f = fmemopen(const_cast<char*>(contenu.data()), contenu.size(), "rb");
    if (!f)
        return 0;
    const psim::Entête entête = psim::lire_entête(f);
    exiger(entête.erreur != psim::Erreur::aucune || contenu.find('\n') != std::string_view::npos);
    std::rewind(f);
    psim::Colonne c;
    if (psim::lire_colonne(f, colonne, c) == psim::Erreur::aucune) {
        exiger(c.nb_lignes() > 0 && c.valeurs[0] == 0.0 && std::isfinite(c.max_abs));
        std::array<double, 4097> periode{};
        psim::rééchantillonner(c, periode);
        for (double v : periode)
            exiger(std::isfinite(v) && std::abs(v) <= 4.0);
    }
    std::fclose(f);
    return 0;
}
