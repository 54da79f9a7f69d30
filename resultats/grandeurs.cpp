#include "resultats/grandeurs.h"

#include "app/nombres.h"
#include "app/commun.h"
#include "signal/calcul/registres.h"
#include "signal/fft/fft.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace grandeurs {

namespace {

constexpr int points = 1024;

std::optional<double> fini(double v)
{
    if (std::isfinite(v))
        return v;
    return std::nullopt;
}

std::optional<double> rapport(double haut, double bas)
{
    if (!(bas != 0))
        return std::nullopt;
    return fini(haut / bas);
}

// The largest |y| of a periodic sampled curve, each local peak refined by
// the parabola through it and its two neighbours.
double crête_affinée(std::span<const double> y)
{
    const std::size_t m = y.size();
    double crête = 0;
    for (std::size_t i = 0; i < m; ++i) {
        const double a = std::abs(y[(i + m - 1) % m]), b = std::abs(y[i]), c = std::abs(y[(i + 1) % m]);
        if (b < a || b < c)
            continue;
        double sommet = b;
        const double courbure = a - 2 * b + c;
        if (courbure < 0) {
            const double p = 0.5 * (a - c) / courbure;  // within ±½ of the peak sample
            sommet = b - 0.25 * (a - c) * p;
        }
        crête = std::max(crête, sommet);
    }
    return crête;
}

// The sine and cosine of 2π·i/points, computed once.
struct Table {
    std::array<double, points> sin, cos;
    Table()
    {
        for (int i = 0; i < points; ++i) {
            sin[static_cast<std::size_t>(i)] = std::sin(2 * 3.14159265358979323846 * i / points);
            cos[static_cast<std::size_t>(i)] = std::cos(2 * 3.14159265358979323846 * i / points);
        }
    }
};

// y(θk) = A0 + Σ Ak·sin(k·θ + φk) at θk = 2π·k/points, each sine read from
// the table as sin(kθ)·cos φ + cos(kθ)·sin φ: no sine computed per point,
// and no rounding carried from one point to the next.
void synthétiser(std::span<const commun::Composante> c, int n, std::array<double, points>& y)
{
    static const Table t;
    calcul::registres_propres();
    std::array<double, commun::dernier_rang + 1> a{}, b{};
    std::array<unsigned, commun::dernier_rang + 1> rang{};
    int m = 0;
    for (int k = 1; k <= n; ++k) {
        const commun::Composante& r = c[static_cast<std::size_t>(k)];
        if (!(r.amplitude > 0))
            continue;
        a[m] = r.amplitude * std::cos(r.déphas);
        b[m] = r.amplitude * std::sin(r.déphas);
        rang[m++] = static_cast<unsigned>(k);
    }
    for (unsigned i = 0; i < points; ++i) {
        double pair = c[0].amplitude, impair = 0;
        int j = 0;
        for (; j + 1 < m; j += 2) {
            const unsigned p = (rang[j] * i) % points, q = (rang[j + 1] * i) % points;
            pair += a[j] * t.sin[p] + b[j] * t.cos[p];
            impair += a[j + 1] * t.sin[q] + b[j + 1] * t.cos[q];
        }
        if (j < m) {
            const unsigned p = (rang[j] * i) % points;
            pair += a[j] * t.sin[p] + b[j] * t.cos[p];
        }
        y[i] = pair + impair;
    }
}

}  // namespace

DesRangs des_rangs(const Rangs& r)
{
    const int n = std::clamp(r.n, 0, std::min<int>(commun::dernier_rang, static_cast<int>(r.amplitudes.size()) - 1));
    std::array<commun::Composante, commun::dernier_rang + 1> c{};
    for (int k = 0; k <= n; ++k) {
        const double a = r.amplitudes[static_cast<std::size_t>(k)];
        c[static_cast<std::size_t>(k)].amplitude = k == 0 || a > 0 ? a : 0.0;
        if (k < static_cast<int>(r.déphasages.size()))
            c[static_cast<std::size_t>(k)].déphas = r.déphasages[static_cast<std::size_t>(k)];
    }

    double harmoniques = 0;  // Σ_{k≥2} Ak²
    for (int k = 2; k <= n; ++k)
        harmoniques += c[static_cast<std::size_t>(k)].amplitude * c[static_cast<std::size_t>(k)].amplitude;
    const double a0 = c[0].amplitude, a1 = c[1].amplitude;
    const double alternatif = a1 * a1 + harmoniques;  // Σ_{k≥1} Ak²
    const double efficace = std::sqrt(a0 * a0 + alternatif / 2);

    std::array<double, points> y{};
    synthétiser(c, n, y);
    double somme_abs = 0;
    for (double v : y)
        somme_abs += std::abs(v);
    const double moyenne_abs = somme_abs / points;

    DesRangs d;
    d.moyenne = fini(a0);
    d.efficace = fini(efficace);
    d.efficace_fondamental = fini(a1 / std::sqrt(2.0));
    d.thd_f = rapport(std::sqrt(harmoniques), a1);
    d.thd_r = rapport(std::sqrt(harmoniques), std::sqrt(alternatif));
    if (std::isfinite(efficace)) {
        d.facteur_crête = rapport(crête_affinée(y), efficace);
        d.facteur_forme = rapport(efficace, moyenne_abs);
    }
    return d;
}

DeLaPériode Période::figures(std::span<const double, 4097> période, int n)
{
    constexpr int N = 4096;
    if (!valide || !std::equal(période.begin(), période.end(), vue.begin())) {
        std::copy(période.begin(), période.end(), vue.begin());
        somme = somme_carrés = crête = 0;
        for (int i = 0; i < N; ++i) {
            somme += période[static_cast<std::size_t>(i)];
            somme_carrés += période[static_cast<std::size_t>(i)] * période[static_cast<std::size_t>(i)];
            crête = std::max(crête, std::abs(période[static_cast<std::size_t>(i)]));
        }
        std::vector<double> re(période.begin(), période.begin() + N), im(N, 0.0), sre(N), sim(N);
        fft::Fourier(N, re, im, sre, sim, false);
        // Mean square of rank k: (X0/N)² for the DC level, 2·|Xk|²/N² above.
        for (std::size_t k = 0; k < part_du_rang.size(); ++k)
            part_du_rang[k] = (k ? 2.0 : 1.0) * (sre[k] * sre[k] + sim[k] * sim[k]) / (double(N) * N);
        valide = true;
    }
    DeLaPériode d;
    d.moyenne = somme / N;
    d.efficace = std::sqrt(somme_carrés / N);
    d.crête = crête;
    const double carré_moyen = somme_carrés / N;
    if (carré_moyen > 0 && std::isfinite(carré_moyen)) {
        double portée = 0;
        for (int k = 0; k <= std::clamp(n, 0, commun::dernier_rang); ++k)
            portée += part_du_rang[static_cast<std::size_t>(k)];
        d.part_hors_rangs = std::clamp(1 - portée / carré_moyen, 0.0, 1.0);
    }
    return d;
}

namespace {

std::string champ(const std::string& texte, char séparateur)
{
    if (texte.find_first_of(std::string{séparateur, '"', '\r', '\n'}) == std::string::npos)
        return texte;
    std::string r = "\"";
    for (char c : texte) {
        if (c == '"')
            r += '"';
        r += c;
    }
    return r + '"';
}

}  // namespace

std::string csv(std::span<const double> amplitudes, std::span<const double> déphasages, int n, char séparateur,
                char décimale, const std::optional<Unité>& unité)
{
    n = std::clamp(n, 0, static_cast<int>(std::min(amplitudes.size(), déphasages.size())) - 1);
    std::string texte = "\xEF\xBB\xBF";
    auto ligne = [&](std::initializer_list<std::string> champs) {
        bool premier = true;
        for (const std::string& c : champs) {
            if (!premier)
                texte += séparateur;
            texte += champ(c, séparateur);
            premier = false;
        }
        texte += "\r\n";
    };
    const std::string en_unité = unité ? "Amplitude (" + unité->nom + ")" : std::string();
    if (unité)
        ligne({"Rang", "Amplitude (%)", "Déphasage (°)", "Amplitude efficace (%)", en_unité});
    else
        ligne({"Rang", "Amplitude (%)", "Déphasage (°)", "Amplitude efficace (%)"});
    for (int k = 0; k <= n; ++k) {
        const double a = amplitudes[static_cast<std::size_t>(k)];
        const std::string rang = std::to_string(k), amplitude = nombre_texte(a, décimale),
                          déphasage = nombre_texte(déphasages[static_cast<std::size_t>(k)], décimale),
                          efficace = nombre_texte(k == 0 ? a : a / std::sqrt(2.0), décimale);
        if (unité)
            ligne({rang, amplitude, déphasage, efficace, nombre_texte(a / 100 * unité->échelle, décimale)});
        else
            ligne({rang, amplitude, déphasage, efficace});
    }
    return texte;
}

}  // namespace grandeurs
