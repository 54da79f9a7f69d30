#include "mesures/son.h"

#include "mesures/fichier.h"

#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace mesures::son {

namespace {

struct FermerSon {
    void operator()(SNDFILE* s) const { sf_close(s); }
};
using Son = std::unique_ptr<SNDFILE, FermerSon>;

// Opens a regular file through libsndfile, which closes the descriptor.
Échec ouvrir(const std::string& chemin, Son& son, SF_INFO& info)
{
    const int fd = ouvrir_fichier(chemin);
    if (fd < 0)
        return {Erreur::ouverture, 0};
    info = SF_INFO{};
    son.reset(sf_open_fd(fd, SFM_READ, &info, SF_TRUE));
    if (!son)
        return {Erreur::son, 0};
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 0)
        return {Erreur::son, 0};
    return {};
}

// libsndfile reads what is left of a cut file and notes in its log each
// chunk that announces more bytes than the file holds: "data : 4000 (should be 3000)".
bool tronqué(SNDFILE* son)
{
    std::vector<char> journal(16384);
    sf_command(son, SFC_GET_LOG_INFO, journal.data(), static_cast<int>(journal.size()) - 1);
    const std::string texte(journal.data());
    for (std::size_t p = texte.find("(should be "); p != std::string::npos; p = texte.find("(should be ", p + 1)) {
        const std::size_t début = texte.rfind(':', p);
        if (début == std::string::npos)
            continue;
        const long long annoncé = std::atoll(texte.c_str() + début + 1);
        const long long réel = std::atoll(texte.c_str() + p + 11);
        if (réel < annoncé)
            return true;
    }
    return false;
}

}  // namespace

bool est_un_son(const std::string& chemin)
{
    const int fd = ouvrir_fichier(chemin);
    if (fd < 0)
        return false;
    char début[4] = {};
    const ssize_t n = ::read(fd, début, sizeof début);
    ::close(fd);
    if (n != 4)
        return false;
    static const char* const signatures[] = {"RIFF", "RIFX", "RF64", "FORM", "fLaC", "OggS", ".snd", "caff", "wvpk"};
    for (const char* s : signatures)
        if (std::memcmp(début, s, 4) == 0)
            return true;
    return false;
}

Échec analyser(const std::string& chemin, Colonnes& colonnes)
{
    colonnes = Colonnes{};
    Son son;
    SF_INFO info;
    if (const Échec e = ouvrir(chemin, son, info))
        return e;
    for (int c = 1; c <= info.channels; ++c) {
        colonnes.noms.push_back("Canal " + std::to_string(c));
        colonnes.unités.emplace_back();
    }
    return {};
}

Échec lire(const std::string& chemin, int colonne, Trace& trace)
{
    trace = Trace{};
    Son son;
    SF_INFO info;
    if (const Échec e = ouvrir(chemin, son, info))
        return e;
    if (colonne < 0 || colonne >= info.channels)
        return {Erreur::colonne, 0};
    trace.nom = "Canal " + std::to_string(colonne + 1);
    trace.pas = 1.0 / info.samplerate;
    // The header's frame count, bounded by what the file can hold, sizes the
    // table; the frames are read in blocks and only one channel is kept.
    const auto canaux = static_cast<std::size_t>(info.channels);
    trace.valeurs.reserve(static_cast<std::size_t>(std::min<sf_count_t>(info.frames, sf_count_t{1} << 28)));
    constexpr sf_count_t bloc = 4096;
    std::vector<double> tampon(static_cast<std::size_t>(bloc) * canaux);
    sf_count_t lues = 0;
    for (;;) {
        const sf_count_t n = sf_readf_double(son.get(), tampon.data(), bloc);
        if (n <= 0)
            break;
        for (sf_count_t i = 0; i < n; ++i) {
            const double v = tampon[static_cast<std::size_t>(i) * canaux + static_cast<std::size_t>(colonne)];
            if (!std::isfinite(v))
                return {Erreur::non_fini, static_cast<long>(lues + i + 1)};
            trace.valeurs.push_back(v);
        }
        lues += n;
    }
    if (sf_error(son.get()) != SF_ERR_NO_ERROR)
        return {Erreur::son, 0};
    if (lues < info.frames || tronqué(son.get()))
        return {Erreur::son_tronqué, 0};
    if (trace.valeurs.empty())
        return {Erreur::aucune_ligne, 0};
    if (trace.valeurs.size() == 1)
        return {Erreur::une_seule_ligne, 0};
    return {};
}

}  // namespace mesures::son
