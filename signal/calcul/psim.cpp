#include "signal/calcul/psim.h"

#include "app/nombres.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace psim {

namespace {

// Reads a file line by line through a fixed buffer. Only the first
// characters of a line that the caller asks for are kept, so that a line of
// any length costs bounded memory. LF ends a line; a CR just before it is
// dropped; a last line without LF still counts.
class LecteurLignes {
public:
    explicit LecteurLignes(std::FILE* f) : f_(f), tampon_(new char[taille_tampon]) {}

    // The next line: its first `garder` characters go into `ligne` and its
    // whole length into `longueur`. False at the end of the file or on a
    // reading error (see `erreur`).
    bool suivante(std::string& ligne, std::size_t garder, std::size_t& longueur)
    {
        ligne.clear();
        longueur = 0;
        bool lue = false;
        char dernier = 0;
        for (;;) {
            if (début_ == fin_ && !remplir())
                break;
            lue = true;
            const char* d = tampon_.get() + début_;
            const std::size_t n = fin_ - début_;
            const void* lf = std::memchr(d, '\n', n);
            const std::size_t m = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - d) : n;
            if (m > 0) {
                if (ligne.size() < garder)
                    ligne.append(d, std::min(m, garder - ligne.size()));
                longueur += m;
                dernier = d[m - 1];
            }
            début_ += m;
            if (lf) {
                ++début_;
                break;
            }
        }
        if (!lue)
            return false;
        if (dernier == '\r') {
            --longueur;
            if (ligne.size() > longueur)
                ligne.pop_back();
        }
        return true;
    }

    bool erreur() const { return erreur_; }

private:
    bool remplir()
    {
        if (fini_)
            return false;
        const std::size_t n = std::fread(tampon_.get(), 1, taille_tampon, f_);
        if (n == 0) {
            erreur_ = std::ferror(f_) != 0;
            fini_ = true;
            return false;
        }
        début_ = 0;
        fin_ = n;
        return true;
    }

    static constexpr std::size_t taille_tampon = 1 << 16;
    std::FILE* f_;
    std::unique_ptr<char[]> tampon_;
    std::size_t début_ = 0, fin_ = 0;
    bool fini_ = false, erreur_ = false;
};

// Round to the nearest integer, halves to the even neighbour. The values
// rounded here (lines/4096 times a sample index, minus 0.5) are exact in
// binary, so the binary tie rule is the decimal one.
long long arrondi_entier(double x)
{
    return std::llrint(x);
}

struct Fermer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, Fermer>;

// Opens a regular file for reading. Folders, pipes and devices are refused:
// a pipe would block the opening and a device could be endless.
Fichier ouvrir(const std::string& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat état {};
    if (fstat(fd, &état) != 0 || !S_ISREG(état.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return nullptr;
    }
    Fichier f(fdopen(fd, "rb"));
    if (!f) {
        ::close(fd);
        return nullptr;
    }
    std::setvbuf(f.get(), nullptr, _IONBF, 0);  // the reader has its own buffer
    return f;
}

// Text, not binary: no control character but the tab.
bool est_texte(std::string_view ligne, std::size_t longueur)
{
    return longueur <= longueur_max_ligne &&
           std::none_of(ligne.begin(), ligne.end(), [](char c) {
               const auto u = static_cast<unsigned char>(c);
               return u < 0x20 && u != '\t';
           });
}

// The validity check on lines 1 to 3; the header is kept in `entête`.
Erreur vérifier_lignes(LecteurLignes& lecteur, std::string& entête)
{
    std::string ligne;
    std::size_t longueurs[3] = {};
    for (int n = 0; n < 3; ++n) {
        std::string& lue = n == 0 ? entête : ligne;
        if (!lecteur.suivante(lue, longueur_max_ligne, longueurs[n]))
            return lecteur.erreur() ? Erreur::lecture : Erreur::invalide;
        if (!est_texte(lue, longueurs[n]))
            return Erreur::invalide;
        if (n == 1 && longueurs[1] % largeur_champ != 0)
            return Erreur::invalide;
    }
    return longueurs[2] == longueurs[1] ? Erreur::aucune : Erreur::invalide;
}

std::string_view sans_blancs(std::string_view s)
{
    const std::size_t d = s.find_first_not_of(' ');
    if (d == std::string_view::npos)
        return {};
    return s.substr(d, s.find_last_not_of(' ') - d + 1);
}

// Length of the UTF-8 sequence starting at s[i], or 0 if it is not one.
std::size_t séquence_utf8(std::string_view s, std::size_t i)
{
    const auto o = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = o(i);
    if (c < 0x80)
        return 1;
    std::size_t n;
    unsigned min2 = 0x80, max2 = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) min2 = 0xA0;       // no overlong forms
        if (c == 0xED) max2 = 0x9F;       // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) min2 = 0x90;
        if (c == 0xF4) max2 = 0x8F;       // nothing beyond U+10FFFF
    } else
        return 0;
    if (i + n > s.size() || o(i + 1) < min2 || o(i + 1) > max2)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (o(i + k) < 0x80 || o(i + k) > 0xBF)
            return 0;
    return n;
}

void ajouter_utf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Windows-1252 from 0x80 to 0x9F; the five unused codes keep their value.
constexpr char16_t windows_1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string en_utf8(std::string_view texte)
{
    bool utf8 = true;
    for (std::size_t i = 0, n; utf8 && i < texte.size(); i += n)
        utf8 = (n = séquence_utf8(texte, i)) != 0;
    if (utf8)
        return std::string(texte);
    std::string r;
    r.reserve(texte.size() * 2);
    for (char c : texte) {
        const auto u = static_cast<unsigned char>(c);
        ajouter_utf8(r, u >= 0x80 && u < 0xA0 ? windows_1252[u - 0x80] : u);
    }
    return r;
}

std::vector<std::string> noms_colonnes(std::string_view entête)
{
    std::vector<std::string> noms;
    const auto ajouter = [&noms](std::string_view nom) {
        if (sans_blancs(nom) != "Time")
            noms.emplace_back(nom);
    };
    std::size_t p = 2;  // the names start at the third character
    while (p <= entête.size()) {
        const std::size_t blanc = entête.find(' ', p);
        if (blanc == std::string_view::npos)
            break;
        ajouter(entête.substr(p, blanc - p));
        p = blanc + 1;
    }
    ajouter(p <= entête.size() ? entête.substr(p) : std::string_view{});
    return noms;
}

Entête lire_entête(std::FILE* fichier)
{
    Entête r;
    LecteurLignes lecteur(fichier);
    std::string entête;
    r.erreur = vérifier_lignes(lecteur, entête);
    if (r.erreur != Erreur::aucune)
        return r;
    std::string_view h = entête;
    if (h.substr(0, 3) == "\xEF\xBB\xBF")
        h.remove_prefix(3);
    r.noms = noms_colonnes(en_utf8(h));
    return r;
}

Erreur vérifier(std::FILE* fichier)
{
    LecteurLignes lecteur(fichier);
    std::string entête;
    return vérifier_lignes(lecteur, entête);
}

Entête lire_entête(const std::string& chemin)
{
    const Fichier f = ouvrir(chemin);
    if (!f)
        return {Erreur::ouverture, {}};
    return lire_entête(f.get());
}

double champ(std::string_view ligne, int k)
{
    if (k < 0)
        return 0.0;
    const std::size_t début = largeur_champ * static_cast<std::size_t>(k);
    if (début >= ligne.size())
        return 0.0;
    const std::string_view texte = sans_blancs(ligne.substr(début, largeur_champ));
    // The usual field, a plain decimal number such as "-1.250000E-03", is
    // converted directly, which is what valeur_texte gives for it. Anything
    // else (blanks inside, a "+" sign, a D exponent, &H, "inf", a value out
    // of range or below the normal doubles) goes through valeur_texte.
    const std::size_t chiffre = !texte.empty() && texte[0] == '-' ? 1 : 0;
    const bool nombre_simple = chiffre < texte.size() &&
        (std::isdigit(static_cast<unsigned char>(texte[chiffre])) || texte[chiffre] == '.');
    if (nombre_simple) {
        double v = 0.0;
        const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
        if (erreur == std::errc() && fin == texte.data() + texte.size() &&
            (v == 0.0 || std::abs(v) >= std::numeric_limits<double>::min()))
            return v == 0.0 ? 0.0 : v;
    }
    return valeur_texte(texte);
}

Erreur lire_colonne(std::FILE* fichier, int colonne, Colonne& résultat)
{
    résultat = Colonne{};
    LecteurLignes lecteur(fichier);
    const std::size_t garder = colonne < 0 ? 0 : largeur_champ * (static_cast<std::size_t>(colonne) + 1);
    std::string ligne;
    std::size_t longueur = 0;
    bool première = true;
    lecteur.suivante(ligne, 0, longueur);  // the header
    while (lecteur.suivante(ligne, garder, longueur)) {
        if (première) {
            // Room for the whole column at once, judged from the file's size
            // and the first line, so that the table is not copied as it grows.
            struct stat état {};
            const int fd = fileno(fichier);
            if (fd >= 0 && fstat(fd, &état) == 0 && état.st_size > 0) {
                const auto taille = static_cast<std::size_t>(état.st_size);
                résultat.valeurs.reserve(taille / (std::max(longueur, largeur_champ) + 1) + 2);
            }
            première = false;
        }
        const double v = champ(ligne, colonne);
        résultat.valeurs.push_back(v);
        résultat.max_abs = std::max(résultat.max_abs, std::abs(v));
    }
    if (lecteur.erreur())
        return Erreur::lecture;
    return résultat.nb_lignes() > 0 ? Erreur::aucune : Erreur::invalide;
}

Erreur lire_colonne(const std::string& chemin, int colonne, Colonne& résultat)
{
    const Fichier f = ouvrir(chemin);
    if (!f) {
        résultat = Colonne{};
        return Erreur::ouverture;
    }
    return lire_colonne(f.get(), colonne, résultat);
}

void rééchantillonner(const Colonne& colonne, std::array<double, 4097>& periode)
{
    const std::vector<double>& v = colonne.valeurs;
    const long long nb = colonne.nb_lignes();
    const double max_abs = colonne.max_abs;
    // Divided first: every value lies in -1..1, so that no difference of two
    // huge values can overflow. An all-zero column stays all zero.
    const auto normé = [&](long long ligne) {
        return max_abs > 0.0 ? v[static_cast<std::size_t>(ligne)] / max_abs : 0.0;
    };
    if (nb <= 0) {
        std::fill(periode.begin() + 1, periode.end(), 0.0);
        return;
    }
    const double rapport = static_cast<double>(nb) / 4096.0;
    if (rapport > 1.0) {
        for (int i = 1; i <= 4096; ++i)
            periode[i] = normé(std::min(arrondi_entier(rapport * i), nb));
        return;
    }
    // Linear interpolation, segment by segment; line 0 counts as 0.0. A
    // segment runs from line L to line L + 1. With exactly 4096 lines the
    // last segment starts on the last line itself (sample 4096 takes it):
    // there is no line after it to read.
    long long L = -1;
    int s = 0;
    for (int i = 1; i <= 4096; ++i) {
        const long long a = arrondi_entier(rapport * i - 0.5);
        if (L < nb - 1 && L < a) {
            s = i;
            L = std::min(a, nb);
        }
        const double début = normé(L), fin = L < nb ? normé(L + 1) : début;
        periode[i] = début + (i - s) * rapport * (fin - début);
    }
}

Erreur importer(const std::string& chemin, int colonne, std::array<double, 4097>& periode)
{
    Colonne c;
    const Erreur e = lire_colonne(chemin, colonne, c);
    if (e == Erreur::aucune)
        rééchantillonner(c, periode);
    return e;
}

}  // namespace psim
