#include "mesures/periode.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace mesures {

namespace {

// Points of the reduced column whose autocorrelation goes through the FFT.
constexpr std::size_t points_réduits = 131072;
// A peak is the period when it reaches this share of the highest one.
constexpr double seuil_pic = 0.85;

// In-place radix-2 transform; the size is a power of two.
void fft(std::vector<std::complex<double>>& a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t longueur = 2; longueur <= n; longueur <<= 1) {
        const double angle = 2 * std::numbers::pi / static_cast<double>(longueur) * (inverse ? 1 : -1);
        const std::complex<double> w1(std::cos(angle), std::sin(angle));
        const std::size_t moitié = longueur / 2;
        std::vector<std::complex<double>> w(moitié);
        w[0] = 1;
        for (std::size_t k = 1; k < moitié; ++k)
            w[k] = k % 64 ? w[k - 1] * w1 : std::polar(1.0, angle * static_cast<double>(k));
        for (std::size_t i = 0; i < n; i += longueur)
            for (std::size_t k = 0; k < moitié; ++k) {
                const std::complex<double> u = a[i + k], v = a[i + k + moitié] * w[k];
                a[i + k] = u + v;
                a[i + k + moitié] = u - v;
            }
    }
}

std::vector<double> centrée(const Trace& trace)
{
    std::vector<double> x(trace.valeurs);
    double somme = 0.0;
    for (double v : x)
        somme += v;
    const double moyenne = x.empty() ? 0.0 : somme / static_cast<double>(x.size());
    for (double& v : x)
        v -= moyenne;
    return x;
}

// The vertex of the parabola through three values at -1, 0 and 1.
double sommet(double a, double b, double c)
{
    const double d = a - 2 * b + c;
    if (!(d < 0))
        return 0.0;
    return std::clamp(0.5 * (a - c) / d, -0.5, 0.5);
}

// The correlation of the first `fenêtre` samples with those `retard` later;
// over whole periods, it is symmetric about each multiple of the period.
double corrélation_fenêtre(const std::vector<double>& x, long retard, long fenêtre)
{
    if (retard < 0 || retard + fenêtre > static_cast<long>(x.size()))
        return -1e300;
    double s = 0.0;
    for (long i = 0; i < fenêtre; ++i)
        s += x[static_cast<std::size_t>(i)] * x[static_cast<std::size_t>(i + retard)];
    return s / static_cast<double>(fenêtre);
}

// The peak of the correlation near lag `autour`, searched within ±`largeur`,
// for a period of about `période` samples: the highest integer lag, then the
// lag about which the correlation at ±1/8 period is the same, found between
// two integer lags. The correlation runs over a whole number of periods, so
// that the ends of the window weigh the same at every lag. The parabola
// through the three highest lags is the fallback for a peak too sharp.
double pic_près_de(const std::vector<double>& x, double autour, long largeur, double période)
{
    const double h = std::max(1.0, std::round(période / 8));
    const double plus_long = std::round(autour) + static_cast<double>(largeur) + h + 2;
    const double reste = static_cast<double>(x.size()) - plus_long;
    if (reste < 2)
        return autour;
    const double périodes = std::floor(reste / période);
    const long fenêtre = static_cast<long>(périodes >= 1 ? std::round(périodes * période) : reste);
    const auto r = [&](long k) { return corrélation_fenêtre(x, k, std::min(fenêtre, static_cast<long>(x.size()) - k)); };
    const long centre = std::lround(autour);
    long meilleur = centre;
    double valeur = -1e300;
    for (long k = centre - largeur; k <= centre + largeur; ++k) {
        const double v = r(k);
        if (v > valeur) {
            valeur = v;
            meilleur = k;
        }
    }
    const auto entre = [&](double k) {
        const double b = std::floor(k);
        const double u = r(static_cast<long>(b)), v = r(static_cast<long>(b) + 1);
        return u + (k - b) * (v - u);
    };
    const auto écart = [&](double k) { return entre(k + h) - entre(k - h); };
    const double l = static_cast<double>(meilleur);
    if (l - h - 1 >= 0) {
        for (const double k : {l - 1, l}) {
            const double a = écart(k), b = écart(k + 1);
            if (a >= 0 && b <= 0 && a > b)
                return k + a / (a - b);
        }
    }
    return l + sommet(r(meilleur - 1), valeur, r(meilleur + 1));
}

// Refines a period (in samples of `x`) on lags of 2, 4, 8… periods up to `retard_max`.
double affiner(const std::vector<double>& x, double période, double retard_max, long& multiple)
{
    multiple = 1;
    while (période >= 1.0 && 2 * static_cast<double>(multiple) * période <= retard_max) {
        const double plus_fine =
            pic_près_de(x, 2.0 * static_cast<double>(multiple) * période, 3, période) / (2.0 * static_cast<double>(multiple));
        if (!(plus_fine >= 1.0))
            break;
        multiple *= 2;
        période = plus_fine;
    }
    return période;
}

}  // namespace

double détecter_période(const Trace& trace)
{
    const std::size_t n = trace.taille();
    const double pas = trace.pas_moyen();
    if (n < 4 || !(pas > 0.0) || !std::isfinite(pas))
        return 0.0;
    const std::vector<double> x = centrée(trace);

    // Block means, then the autocorrelation of the reduced column through an FFT.
    const std::size_t bloc = (n + points_réduits - 1) / points_réduits;
    std::vector<double> y(n / bloc);
    for (std::size_t i = 0; i < y.size(); ++i) {
        double s = 0.0;
        for (std::size_t k = 0; k < bloc; ++k)
            s += x[i * bloc + k];
        y[i] = s / static_cast<double>(bloc);
    }
    const std::size_t m = y.size();
    std::size_t taille = 1;
    while (taille < 2 * m)
        taille <<= 1;
    std::vector<std::complex<double>> a(taille);
    for (std::size_t i = 0; i < m; ++i)
        a[i] = y[i];
    fft(a, false);
    for (auto& v : a)
        v = std::norm(v);
    fft(a, true);
    const std::size_t retard_max = 2 * m / 3;
    std::vector<double> r(retard_max + 2);
    for (std::size_t k = 0; k < r.size() && k < m; ++k)
        r[k] = a[k].real() / static_cast<double>(m - k);
    if (!(r[0] > 0.0))
        return 0.0;

    // Past the main lobe, the first peak that nears the highest one.
    std::size_t début = 1;
    while (début <= retard_max && r[début] > 0.5 * r[0])
        ++début;
    double plus_haut = 0.0;
    for (std::size_t k = début; k <= retard_max; ++k)
        plus_haut = std::max(plus_haut, r[k]);
    if (!(plus_haut > 0.0))
        return 0.0;
    std::size_t pic = 0;
    for (std::size_t k = std::max<std::size_t>(début, 1); k < retard_max && pic == 0; ++k)
        if (r[k] >= seuil_pic * plus_haut && r[k] >= r[k - 1] && r[k] >= r[k + 1])
            pic = k;
    if (pic == 0)
        return 0.0;
    double période = pic_près_de(y, static_cast<double>(pic), 1, static_cast<double>(pic));

    long multiple = 1;
    période = affiner(y, période, static_cast<double>(retard_max), multiple);
    if (bloc > 1) {
        // Last, the longest lag on the whole column at full resolution.
        const double retard = période * static_cast<double>(bloc * static_cast<std::size_t>(multiple));
        période = pic_près_de(x, retard, static_cast<long>(bloc) + 3, période * static_cast<double>(bloc)) /
                  static_cast<double>(multiple);
    }
    return période > 0.0 ? période * pas : 0.0;
}

double départ_montant(const Trace& trace, double période)
{
    const std::size_t n = trace.taille();
    if (n < 2)
        return trace.début();
    const std::vector<double> x = centrée(trace);
    double carrés = 0.0;
    for (double v : x)
        carrés += v * v;
    const double seuil = 0.1 * std::sqrt(carrés / static_cast<double>(n));
    bool dessous = false;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (x[i] < -seuil)
            dessous = true;
        if (dessous && x[i] < 0.0 && x[i + 1] >= 0.0) {
            const double t0 = trace.instant(i), t1 = trace.instant(i + 1);
            const double t = t0 + (t1 - t0) * (-x[i] / (x[i + 1] - x[i]));
            if (!(t + période <= trace.fin()))
                break;
            return t;
        }
    }
    return trace.début();
}

long nb_périodes(const Trace& trace, double début, double période)
{
    if (!(période > 0.0) || !std::isfinite(période))
        return 0;
    const double n = std::floor((trace.fin() - début) / période * (1 + 1e-12));
    return n > 0 ? static_cast<long>(std::min(n, 1e9)) : 0;
}

Refus vérifier(const Trace& trace, double début, double période)
{
    if (!(période > 0.0) || !std::isfinite(période) || !std::isfinite(début))
        return Refus::période_nulle;
    const double marge = 1e-9 * (trace.fin() - trace.début());
    if (début < trace.début() - marge || début + période > trace.fin() + marge)
        return Refus::hors_fichier;
    return Refus::aucun;
}

long points_par_période(const Trace& trace, double période)
{
    const double pas = trace.pas_moyen();
    if (!(pas > 0.0) || !(période > 0.0))
        return 0;
    return static_cast<long>(std::min(std::floor(période / pas * (1 + 1e-12)), 1e9));
}

int rangs_possibles(long points, int plafond)
{
    return static_cast<int>(std::clamp<long>((points - 1) / 2, 1, plafond));
}

double rééchantillonner(const Trace& trace, double début, double période, long moyennes,
                        std::array<double, 4097>& sortie)
{
    sortie.fill(0.0);
    const std::size_t n = trace.taille();
    if (n < 2 || moyennes < 1)
        return 0.0;
    const std::vector<double>& v = trace.valeurs;
    const auto valeur = [&](std::size_t i, double f) { return v[i] + std::clamp(f, 0.0, 1.0) * (v[i + 1] - v[i]); };
    std::size_t i = 0;  // the segment of the last time, which only grows (times increase)
    for (long k = 0; k < moyennes; ++k)
        for (int j = 0; j <= 4096; ++j) {
            const double t = début + (static_cast<double>(k) + j / 4096.0) * période;
            double échantillon;
            if (trace.temps.empty()) {
                const double u = (t - trace.t0) / trace.pas;
                const double plancher = std::floor(u);
                const std::size_t s = plancher <= 0 ? 0 : std::min(static_cast<std::size_t>(plancher), n - 2);
                échantillon = valeur(s, u - static_cast<double>(s));
            } else {
                const std::vector<double>& temps = trace.temps;
                while (i + 2 < n && temps[i + 1] <= t)
                    ++i;
                échantillon = valeur(i, (t - temps[i]) / (temps[i + 1] - temps[i]));
            }
            sortie[static_cast<std::size_t>(j)] += échantillon;
        }
    double max_abs = 0.0;
    for (double& s : sortie) {
        s /= static_cast<double>(moyennes);
        max_abs = std::max(max_abs, std::abs(s));
    }
    if (max_abs > 0.0)
        for (double& s : sortie)
            s /= max_abs;
    return max_abs;
}

}  // namespace mesures
