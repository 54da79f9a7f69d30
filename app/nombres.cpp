#include "app/nombres.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

// Walks through a text, skipping blanks, tabs and line feeds wherever they
// stand. Each character is looked at a bounded number of times, so the
// whole reading is linear in the length of the text.
class Lecteur {
public:
    explicit Lecteur(std::string_view texte) : texte_(texte) {}

    // The next significant character, or -1 at the end of the text.
    int courant() {
        while (pos_ < texte_.size() &&
               (texte_[pos_] == ' ' || texte_[pos_] == '\t' || texte_[pos_] == '\n'))
            ++pos_;
        return pos_ < texte_.size() ? static_cast<unsigned char>(texte_[pos_]) : -1;
    }
    void avancer() { ++pos_; }

    // Consumes the next character if it is one of `choix`, returns it (or 0).
    char accepter(std::string_view choix) {
        const int c = courant();
        if (c > 0 && choix.find(static_cast<char>(c)) != std::string_view::npos) {
            avancer();
            return static_cast<char>(c);
        }
        return 0;
    }

private:
    std::string_view texte_;
    std::size_t pos_ = 0;
};

int valeur_chiffre(int c, int base) {
    int v = 99;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

double fini_ou_zéro(double v) {
    return std::isfinite(v) && v != 0.0 ? v : 0.0;
}

// A hexadecimal (4 bits a digit) or octal (3 bits) integer after &H or &O.
// The first 56 significant bits or so are kept exactly; the digits beyond
// only scale the value and tell whether anything non-zero was dropped, which
// keeps the rounding to a double correct for any number of digits.
double lire_entier_base(Lecteur& lecteur, int bits) {
    const int base = 1 << bits;
    std::uint64_t mantisse = 0;
    long long décalage = 0;
    bool reste = false;
    for (int d; (d = valeur_chiffre(lecteur.courant(), base)) >= 0; lecteur.avancer()) {
        if ((mantisse >> 56) == 0) {
            mantisse = (mantisse << bits) | static_cast<unsigned>(d);
        } else if (décalage < 100000) {   // far beyond any double already
            décalage += bits;
            reste = reste || d != 0;
        }
    }
    if (reste) {   // a sticky bit below the last kept one
        mantisse = (mantisse << 1) | 1;
        --décalage;
    }
    return fini_ou_zéro(std::ldexp(static_cast<double>(mantisse), static_cast<int>(décalage)));
}

// A decimal number: digits with at most one period, then an optional exponent
// introduced by E or D. The significant digits (at most `limite` of them,
// plus a sticky digit) and a power of ten are gathered, then converted by
// std::from_chars, which is exact and does not depend on the C locale.
double lire_décimal(Lecteur& lecteur) {
    constexpr std::size_t limite = 800;   // more than a double can ever need
    std::string chiffres;
    long long puissance = 0;   // value = chiffres × 10^puissance
    bool vu_chiffre = false, reste = false, après_point = false;
    for (;;) {
        const int c = lecteur.courant();
        if (c == '.' && !après_point) {
            après_point = true;
        } else if (c >= '0' && c <= '9') {
            vu_chiffre = true;
            if (chiffres.empty() && c == '0') {
                if (après_point) --puissance;   // leading zero
            } else if (chiffres.size() < limite) {
                chiffres.push_back(static_cast<char>(c));
                if (après_point) --puissance;
            } else {
                if (!après_point) ++puissance;
                reste = reste || c != '0';
            }
        } else {
            break;
        }
        lecteur.avancer();
    }
    if (!vu_chiffre) return 0.0;

    long long exposant = 0;
    if (lecteur.accepter("EeDd")) {
        const bool exposant_négatif = lecteur.accepter("+-") == '-';
        for (int c; (c = lecteur.courant()) >= '0' && c <= '9'; lecteur.avancer())
            if (exposant < 1'000'000'000) exposant = exposant * 10 + (c - '0');
        if (exposant_négatif) exposant = -exposant;
    }
    if (chiffres.empty()) return 0.0;
    if (reste) {
        chiffres.push_back('1');
        --puissance;
    }
    puissance += exposant;
    // Order of magnitude: the value lies in [10^(ordre-1), 10^ordre).
    const long long ordre = puissance + static_cast<long long>(chiffres.size());
    if (ordre > 310 || ordre < -330) return 0.0;   // beyond a double, or below its smallest

    chiffres += 'e';
    chiffres += std::to_string(puissance);
    double v = 0.0;
    const auto lu = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), v);
    return lu.ec == std::errc{} ? fini_ou_zéro(v) : 0.0;
}

// The 15 significant digits shown to the user, and the power of ten of the
// first one: valeur ≈ d.dddddddddddddd × 10^exposant. `valeur` is finite, non-zero.
struct Décimal15 {
    char chiffres[15];
    int exposant;
};

Décimal15 décimal15(double valeur) {
    char tampon[40];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(valeur),
                                 std::chars_format::scientific, 14);
    // tampon: "d.ddddddddddddddde±XX"
    Décimal15 d{};
    d.chiffres[0] = tampon[0];
    for (int i = 1; i < 15; ++i) d.chiffres[i] = tampon[i + 1];
    std::from_chars(tampon + 17 + (tampon[17] == '+'), r.ptr, d.exposant);
    return d;
}

}  // namespace

double valeur_texte(std::string_view texte) {
    Lecteur lecteur(texte);
    if (lecteur.accepter("&")) {
        const char préfixe = lecteur.accepter("HhOo");
        if (préfixe == 0) return 0.0;
        return lire_entier_base(lecteur, (préfixe == 'H' || préfixe == 'h') ? 4 : 3);
    }
    // A sign is followed by a decimal number only: "-&H10" reads as 0.
    const bool négatif = lecteur.accepter("+-") == '-';
    const double v = lire_décimal(lecteur);
    return négatif && v != 0.0 ? -v : v;
}

double arrondi(double valeur, int décimales) {
    if (!std::isfinite(valeur)) return 0.0;
    if (valeur == 0.0) return 0.0;
    if (décimales < 0) décimales = 0;

    const Décimal15 d = décimal15(valeur);
    // Number of shown digits that stay; digit `gardés` (from 0) is the one judged.
    const long long gardés = static_cast<long long>(d.exposant) + 1 + décimales;
    if (gardés >= 15) return valeur;   // nothing shown is removed
    if (gardés < 0) return 0.0;        // even the first digit is below half a unit

    long long entier = 0;
    for (long long i = 0; i < gardés; ++i) entier = entier * 10 + (d.chiffres[i] - '0');
    const int juge = d.chiffres[gardés] - '0';
    bool au_delà = false;   // anything non-zero after the judged digit
    for (long long i = gardés + 1; i < 15; ++i) au_delà = au_delà || d.chiffres[i] != '0';
    if (juge > 5 || (juge == 5 && (au_delà || entier % 2 != 0))) ++entier;
    if (entier == 0) return 0.0;

    // The double nearest to entier × 10^-décimales, so that it shows as such.
    const std::string texte = std::to_string(entier) + "e-" + std::to_string(décimales);
    double r = 0.0;
    std::from_chars(texte.data(), texte.data() + texte.size(), r);
    return valeur < 0 ? -r : r;
}

std::string nombre_texte(double valeur, char séparateur) {
    if (!std::isfinite(valeur) || valeur == 0.0) return "0";

    const Décimal15 d = décimal15(valeur);
    int significatifs = 15;
    while (significatifs > 1 && d.chiffres[significatifs - 1] == '0') --significatifs;
    const std::string_view chiffres(d.chiffres, static_cast<std::size_t>(significatifs));

    std::string texte = valeur < 0 ? "-" : "";
    if (d.exposant < -4 || d.exposant >= 15) {
        texte += chiffres[0];
        if (significatifs > 1) {
            texte += séparateur;
            texte += chiffres.substr(1);
        }
        texte += d.exposant < 0 ? "E-" : "E+";
        const int e = std::abs(d.exposant);
        if (e < 10) texte += '0';
        texte += std::to_string(e);
    } else if (d.exposant < 0) {
        texte += '0';
        texte += séparateur;
        texte.append(static_cast<std::size_t>(-d.exposant - 1), '0');
        texte += chiffres;
    } else {
        const auto entiers = static_cast<std::size_t>(d.exposant) + 1;
        if (chiffres.size() <= entiers) {
            texte += chiffres;
            texte.append(entiers - chiffres.size(), '0');
        } else {
            texte += chiffres.substr(0, entiers);
            texte += séparateur;
            texte += chiffres.substr(entiers);
        }
    }
    return texte;
}
