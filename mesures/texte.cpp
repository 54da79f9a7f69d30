#include "mesures/texte.h"

#include "mesures/fichier.h"
#include "signal/calcul/psim.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <span>

namespace mesures::texte {

namespace {

// Lines read at the top of the file to find its format.
constexpr int lignes_analysées = 500;

bool blanc(char c) { return c == ' ' || c == '\t'; }

std::string_view rogner(std::string_view s)
{
    while (!s.empty() && blanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blanc(s.back()))
        s.remove_suffix(1);
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    return s;
}

char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string en_minuscules(std::string_view s)
{
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), minuscule);
    return r;
}

bool texte_pur(std::string_view ligne)
{
    return std::none_of(ligne.begin(), ligne.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && u != '\t';
    });
}

bool ligne_vide(std::string_view ligne)
{
    return std::all_of(ligne.begin(), ligne.end(), blanc);
}

// A unit written in parentheses right after a name: an optional prefix and a
// base unit ("ms", "mV", "A", "kHz", "°C").
bool ressemble_à_une_unité(std::string_view u)
{
    static constexpr std::string_view bases[] = {"s", "V", "A", "W", "Hz", "Ω", "Ohm", "ohm", "°C", "K", "Pa",
                                                 "N", "J", "VA", "var", "%", "g", "m", "rad", "°", "dB"};
    static constexpr std::string_view préfixes[] = {"", "p", "n", "u", "µ", "m", "k", "M", "G"};
    for (std::string_view p : préfixes)
        for (std::string_view b : bases)
            if (u.size() == p.size() + b.size() && u.substr(0, p.size()) == p && u.substr(p.size()) == b)
                return true;
    return false;
}

bool nom_de_temps(const std::string& nom)
{
    const std::string n = en_minuscules(nom);
    return n == "time" || n == "temps" || n == "t" || n == "x" || n == "s" || n.rfind("time", 0) == 0 ||
           n.rfind("temps", 0) == 0;
}

// The first number of a text (a field, or what follows a blank), with either decimal mark.
bool premier_nombre(std::string_view s, double& v, std::string_view& suite)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (!(std::isdigit(static_cast<unsigned char>(c)) || ((c == '-' || c == '+' || c == '.') && i + 1 < s.size() &&
                                                              std::isdigit(static_cast<unsigned char>(s[i + 1])))))
            continue;
        std::size_t j = i;
        while (j < s.size() && (std::isdigit(static_cast<unsigned char>(s[j])) || std::strchr("+-.,eE", s[j]))) {
            if ((s[j] == 'e' || s[j] == 'E') &&
                !(j + 1 < s.size() && (std::isdigit(static_cast<unsigned char>(s[j + 1])) || s[j + 1] == '-' || s[j + 1] == '+')))
                break;
            ++j;
        }
        std::string_view t = s.substr(i, j - i);
        while (!t.empty() && (t.back() == ',' || t.back() == '.'))
            t.remove_suffix(1);
        // "1,5" is 1.5 unless the text uses "." too.
        const char d = t.find('.') == std::string_view::npos ? ',' : '.';
        if (nombre(t, d, v) == Lu::fini) {
            suite = s.substr(j);
            return true;
        }
        i = j;
    }
    return false;
}

// A time unit or a rate unit after a number: its factor to seconds or hertz.
double facteur(std::string_view suite, bool fréquence)
{
    suite = rogner(suite);
    std::size_t n = 0;
    while (n < suite.size() && !blanc(suite[n]) && suite[n] != ',' && suite[n] != ';')
        ++n;
    const std::string_view u = suite.substr(0, n);
    struct Unité {
        std::string_view texte;
        double facteur;
    };
    static constexpr Unité temps[] = {{"s", 1}, {"ms", 1e-3}, {"us", 1e-6}, {"µs", 1e-6}, {"ns", 1e-9}, {"ps", 1e-12}};
    static constexpr Unité taux[] = {{"hz", 1},     {"khz", 1e3},   {"mhz", 1e6},    {"ghz", 1e9},
                                     {"sa/s", 1},   {"ksa/s", 1e3}, {"msa/s", 1e6},  {"gsa/s", 1e9},
                                     {"s/s", 1},    {"ks/s", 1e3},  {"ms/s", 1e6},   {"gs/s", 1e9}};
    if (fréquence) {
        const std::string m = en_minuscules(u);
        for (const Unité& x : taux)
            if (m == x.texte)
                return x.facteur;
    } else {
        for (const Unité& x : temps)
            if (u == x.texte)
                return x.facteur;
    }
    return 1.0;
}

struct Candidat {
    char séparateur, décimale;
};
constexpr Candidat candidats[] = {{',', '.'}, {';', '.'}, {';', ','}, {' ', '.'}, {' ', ','}};

// The number of fields of a line when they are all numbers (inf and nan
// included: they are data, refused later), 0 otherwise.
int champs_numériques(std::string_view ligne, Candidat c, std::vector<std::string_view>& tampon)
{
    champs(ligne, c.séparateur, tampon);
    double v;
    for (std::string_view ch : tampon)
        if (nombre(ch, c.décimale, v) == Lu::non)
            return 0;
    return static_cast<int>(tampon.size());
}

bool croissante(const std::vector<std::vector<double>>& rangées, int k)
{
    if (rangées.size() < 2)
        return false;
    for (std::size_t i = 1; i < rangées.size(); ++i)
        if (!(rangées[i][k] > rangées[i - 1][k]))
            return false;
    return true;
}

}  // namespace

Lu nombre(std::string_view champ, char décimale, double& valeur)
{
    std::string_view s = rogner(champ);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || s.size() > 64 || s.front() == '+')
        return Lu::non;
    std::array<char, 64> t;
    std::copy(s.begin(), s.end(), t.begin());
    if (décimale == ',') {
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (t[i] == '.')
                return Lu::non;
            if (t[i] == ',')
                t[i] = '.';
        }
    } else if (s.find(',') != std::string_view::npos) {
        return Lu::non;
    }
    const char* fin = t.data() + s.size();
    double v = 0.0;
    const auto [p, e] = std::from_chars(t.data(), fin, v, std::chars_format::general);
    if (p != fin)
        return Lu::non;
    if (e == std::errc::result_out_of_range) {
        // Too large, or too small for a double: the exponent's sign tells.
        const char* ex = std::find_if(static_cast<const char*>(t.data()), fin, [](char c) { return c == 'e' || c == 'E'; });
        const bool grand = ex == fin ? true : ex + 1 < fin && ex[1] != '-';
        if (grand)
            return Lu::non_fini;
        valeur = 0.0;
        return Lu::fini;
    }
    if (e != std::errc())
        return Lu::non;
    if (!std::isfinite(v))
        return Lu::non_fini;
    valeur = v;
    return Lu::fini;
}

void champs(std::string_view ligne, char séparateur, std::vector<std::string_view>& résultat)
{
    résultat.clear();
    if (séparateur == ' ') {
        std::size_t i = 0;
        for (;;) {
            while (i < ligne.size() && blanc(ligne[i]))
                ++i;
            if (i == ligne.size())
                break;
            const std::size_t d = i;
            while (i < ligne.size() && !blanc(ligne[i]))
                ++i;
            résultat.push_back(ligne.substr(d, i - d));
        }
        return;
    }
    std::size_t d = 0;
    for (;;) {
        const std::size_t p = ligne.find(séparateur, d);
        if (p == std::string_view::npos) {
            const std::string_view dernier = ligne.substr(d);
            if (!(ligne_vide(dernier) && !résultat.empty()))
                résultat.push_back(dernier);
            return;
        }
        résultat.push_back(ligne.substr(d, p - d));
        d = p + 1;
    }
}

void nom_et_unité(std::string_view texte, std::string& nom, std::string& unité)
{
    std::string_view s = rogner(texte);
    unité.clear();
    if (!s.empty() && (s.back() == ']' || s.back() == ')')) {
        const char ouvrante = s.back() == ']' ? '[' : '(';
        const std::size_t o = s.rfind(ouvrante);
        if (o != std::string_view::npos && o > 0) {
            const std::string_view u = rogner(s.substr(o + 1, s.size() - o - 2));
            if (ouvrante == '[' || blanc(s[o - 1]) || ressemble_à_une_unité(u)) {
                unité = u;
                s = rogner(s.substr(0, o));
            }
        }
    }
    nom = s;
}

double pas_de_réglage(std::string_view ligne)
{
    const std::string m = en_minuscules(ligne);
    static constexpr std::string_view clés_pas[] = {"sample interval", "sampling interval", "intervalle",
                                                     "increment", "incrément", "time step", "timestep",
                                                     "pas d'échantillonnage", "sample period", "période d'échantillonnage",
                                                     "xinc", "dt"};
    static constexpr std::string_view clés_taux[] = {"sample rate", "sampling rate", "samplerate",
                                                      "fréquence d'échantillonnage", "sampling frequency"};
    const auto trouver = [&](std::string_view clé) {
        std::size_t p = m.find(clé);
        // "dt" and "xinc" only as words
        while (p != std::string::npos && clé.size() <= 4 &&
               ((p > 0 && std::isalpha(static_cast<unsigned char>(m[p - 1]))) ||
                (p + clé.size() < m.size() && std::isalpha(static_cast<unsigned char>(m[p + clé.size()])))))
            p = m.find(clé, p + 1);
        return p;
    };
    for (int taux = 0; taux < 2; ++taux) {
        for (std::string_view clé : taux ? std::span<const std::string_view>(clés_taux)
                                         : std::span<const std::string_view>(clés_pas)) {
            const std::size_t p = trouver(clé);
            if (p == std::string::npos)
                continue;
            double v;
            std::string_view suite;
            if (!premier_nombre(std::string_view(ligne).substr(p + clé.size()), v, suite) || !(v > 0.0))
                return 0.0;
            const double r = taux ? 1.0 / (v * facteur(suite, true)) : v * facteur(suite, false);
            return std::isfinite(r) && r > 0.0 ? r : 0.0;
        }
    }
    return 0.0;
}

Échec analyser(std::FILE* f, Format& format)
{
    format = Format{};
    LecteurLignes lecteur(f);
    std::vector<std::string> lignes;
    std::string ligne;
    bool rien = true;
    while (static_cast<int>(lignes.size()) < lignes_analysées && lecteur.suivante(ligne)) {
        rien = false;
        if (lignes.empty() && ligne.rfind("\xEF\xBB\xBF", 0) == 0)
            ligne.erase(0, 3);
        if (lecteur.trop_longue() || !texte_pur(ligne))
            return {Erreur::binaire, lecteur.numéro()};
        lignes.push_back(ligne);
    }
    if (lecteur.erreur())
        return {Erreur::lecture, 0};
    if (rien)
        return {Erreur::vide, 0};

    // The data start for each candidate: the first row of numbers followed
    // by another of as many fields, or the last row of the file.
    std::vector<std::string_view> tampon;
    long meilleur_début = -1, meilleur_accord = 0;
    int meilleurs_champs = 0;
    Candidat meilleur{};
    for (const Candidat c : candidats) {
        std::vector<int> n(lignes.size());
        for (std::size_t i = 0; i < lignes.size(); ++i)
            n[i] = ligne_vide(lignes[i]) ? -1 : champs_numériques(lignes[i], c, tampon);
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            if (n[i] <= 0)
                continue;
            std::size_t j = i + 1;
            while (j < lignes.size() && n[j] < 0)
                ++j;
            if (j < lignes.size() && n[j] != n[i])
                continue;
            // Ties: the most fields, then the most rows of as many fields.
            const long d = static_cast<long>(i);
            const long accord = std::count(n.begin() + d, n.end(), n[i]);
            if (meilleur_début < 0 || d < meilleur_début ||
                (d == meilleur_début && (n[i] > meilleurs_champs || (n[i] == meilleurs_champs && accord > meilleur_accord)))) {
                meilleur_début = d;
                meilleur_accord = accord;
                meilleurs_champs = n[i];
                meilleur = c;
            }
            break;
        }
    }
    if (meilleur_début < 0)
        return {Erreur::aucune_ligne, 0};
    format.séparateur = meilleur.séparateur;
    format.décimale = meilleur.décimale;
    format.lignes_avant = meilleur_début;
    format.nb_champs = meilleurs_champs;
    const int nf = meilleurs_champs;

    // The rows read so far, for the time columns.
    std::vector<std::vector<double>> rangées;
    for (std::size_t i = static_cast<std::size_t>(meilleur_début); i < lignes.size(); ++i) {
        if (ligne_vide(lignes[i]))
            continue;
        champs(lignes[i], meilleur.séparateur, tampon);
        if (static_cast<int>(tampon.size()) != nf)
            break;
        std::vector<double> r(static_cast<std::size_t>(nf));
        bool bonne = true;
        for (int k = 0; k < nf && bonne; ++k)
            bonne = nombre(tampon[static_cast<std::size_t>(k)], meilleur.décimale, r[static_cast<std::size_t>(k)]) == Lu::fini;
        if (!bonne)
            break;
        rangées.push_back(std::move(r));
    }

    // The header: the nearest line above the data, with as many fields.
    std::vector<std::string> noms(static_cast<std::size_t>(nf)), unités(static_cast<std::size_t>(nf));
    bool entête = false;
    long réglages = meilleur_début;
    for (long i = meilleur_début - 1; i >= 0; --i) {
        const std::string& h = lignes[static_cast<std::size_t>(i)];
        if (ligne_vide(h))
            continue;
        const char sép = meilleur.séparateur == ' ' && h.find('\t') != std::string::npos ? '\t' : meilleur.séparateur;
        champs(h, sép, tampon);
        if (static_cast<int>(tampon.size()) == nf) {
            const std::string utf8 = psim::en_utf8(h);
            champs(utf8, sép, tampon);
            for (int k = 0; k < nf; ++k)
                nom_et_unité(tampon[static_cast<std::size_t>(k)], noms[static_cast<std::size_t>(k)],
                             unités[static_cast<std::size_t>(k)]);
            entête = true;
            réglages = i;
        }
        break;
    }
    for (long i = 0; i < réglages && format.pas == 0.0; ++i)
        format.pas = pas_de_réglage(lignes[static_cast<std::size_t>(i)]);

    // Time columns.
    int temps = -1;
    bool paires = nf >= 4 && nf % 2 == 0;
    for (int k = 0; k < nf && paires; k += 2)
        paires = croissante(rangées, k);
    if (!paires && nf >= 2) {
        for (int k = 0; k < nf && temps < 0 && entête; ++k)
            if (nom_de_temps(noms[static_cast<std::size_t>(k)]))
                temps = k;
        if (temps < 0 && croissante(rangées, 0))
            temps = 0;
    }
    for (int k = 0; k < nf; ++k) {
        if (paires ? k % 2 == 0 : k == temps)
            continue;
        format.champ_valeur.push_back(k);
        format.champ_temps.push_back(paires ? k - 1 : temps);
        const auto numéro = static_cast<int>(format.champ_valeur.size());
        const std::string& nom = noms[static_cast<std::size_t>(k)];
        format.colonnes.noms.push_back(nom.empty() ? "Colonne " + std::to_string(numéro) : nom);
        format.colonnes.unités.push_back(unités[static_cast<std::size_t>(k)]);
    }
    return {};
}

Échec analyser(const std::string& chemin, Format& format)
{
    const Fichier f = ouvrir_flux(chemin);
    if (!f) {
        format = Format{};
        return {Erreur::ouverture, 0};
    }
    return analyser(f.get(), format);
}

Échec lire(std::FILE* f, const Format& format, int colonne, Trace& trace)
{
    trace = Trace{};
    if (colonne < 0 || colonne >= static_cast<int>(format.champ_valeur.size()))
        return {Erreur::colonne, 0};
    const int cv = format.champ_valeur[static_cast<std::size_t>(colonne)];
    const int ct = format.champ_temps[static_cast<std::size_t>(colonne)];
    trace.nom = format.colonnes.noms[static_cast<std::size_t>(colonne)];
    trace.unité = format.colonnes.unités[static_cast<std::size_t>(colonne)];
    trace.pas = ct < 0 ? format.pas : 0.0;
    const int dernier = std::max(cv, ct);

    LecteurLignes lecteur(f);
    std::string ligne;
    std::vector<std::string_view> tampon;
    bool première = true;
    while (lecteur.suivante(ligne)) {
        if (lecteur.numéro() <= format.lignes_avant)
            continue;
        if (lecteur.numéro() == 1 && ligne.rfind("\xEF\xBB\xBF", 0) == 0)
            ligne.erase(0, 3);
        if (première) {
            // Room for the whole column at once, judged from the file's size
            // and the first row, so that the tables are not copied as they grow.
            struct stat état {};
            const int fd = fileno(f);
            if (fd >= 0 && fstat(fd, &état) == 0 && état.st_size > 0) {
                const std::size_t n = static_cast<std::size_t>(état.st_size) / (ligne.size() + 1) + 16;
                trace.valeurs.reserve(n);
                if (ct >= 0)
                    trace.temps.reserve(n);
            }
            première = false;
        }
        if (lecteur.trop_longue() || !texte_pur(ligne))
            return {Erreur::binaire, lecteur.numéro()};
        if (ligne_vide(ligne))
            continue;
        champs(ligne, format.séparateur, tampon);
        if (static_cast<int>(tampon.size()) <= dernier)
            return {Erreur::valeur, lecteur.numéro()};
        double v = 0.0, t = 0.0;
        for (const auto& [k, x] : {std::pair{cv, &v}, std::pair{ct, &t}}) {
            if (k < 0)
                continue;
            switch (nombre(tampon[static_cast<std::size_t>(k)], format.décimale, *x)) {
            case Lu::non: return {Erreur::valeur, lecteur.numéro()};
            case Lu::non_fini: return {Erreur::non_fini, lecteur.numéro()};
            case Lu::fini: break;
            }
        }
        if (ct >= 0) {
            if (!trace.temps.empty() && !(t > trace.temps.back()))
                return {Erreur::temps, lecteur.numéro()};
            trace.temps.push_back(t);
        }
        trace.valeurs.push_back(v);
    }
    if (lecteur.erreur())
        return {Erreur::lecture, 0};
    if (trace.valeurs.empty())
        return {Erreur::aucune_ligne, 0};
    if (trace.valeurs.size() == 1)
        return {Erreur::une_seule_ligne, 0};
    return {};
}

Échec lire(const std::string& chemin, const Format& format, int colonne, Trace& trace)
{
    const Fichier f = ouvrir_flux(chemin);
    if (!f) {
        trace = Trace{};
        return {Erreur::ouverture, 0};
    }
    return lire(f.get(), format, colonne, trace);
}

}  // namespace mesures::texte
