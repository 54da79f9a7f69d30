// libFuzzer target of the delimited-text reader: the input is the file. Its
// format is read, then every column it offers (up to 8), and each column read
// must be as long as its times, finite, with increasing times.
#include "mesures/texte.h"
#include "tests/fuzz/exiger.h"
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view contenu(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> champs;
    mesures::texte::champs(contenu.substr(0, 200), ';', champs);
    double v;
    for (std::string_view c : champs)
        exiger(mesures::texte::nombre(c, ',', v) != mesures::texte::Lu::fini || std::isfinite(v));
    exiger(mesures::texte::pas_de_réglage(contenu.substr(0, 200)) >= 0.0);
    if (size == 0)
        return 0;
    std::FILE* f = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    mesures::texte::Format format;
    if (!mesures::texte::analyser(f, format)) {
        exiger(format.colonnes.noms.size() == format.champ_valeur.size() && format.nb_champs > 0);
        for (int c = 0; c < static_cast<int>(format.champ_valeur.size()) && c < 8; ++c) {
            std::rewind(f);
            mesures::Trace t;
            if (mesures::texte::lire(f, format, c, t))
                continue;
            exiger(t.taille() >= 2 && (t.temps.empty() || t.temps.size() == t.taille()));
            for (std::size_t i = 0; i < t.taille(); ++i)
                exiger(std::isfinite(t.valeurs[i]) && (i == 0 || t.temps.empty() || t.temps[i] > t.temps[i - 1]));
        }
    }
    std::fclose(f);
    return 0;
}
