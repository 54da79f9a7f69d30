// Measured data the tests write (delimited text, sound files, simulator exports), the period's detection and resampling.
#include "mesures/periode.h"
#include "mesures/son.h"
#include "mesures/texte.h"
#include "signal/calcul/psim.h"
#include "app/nombres.h"
#include "tests/outils_import.h"
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>
#include <ranges>
#include <vector>
namespace fs = std::filesystem;
using namespace mesures;
namespace {
constexpr double pi = std::numbers::pi;
using Periode = std::array<double, 4097>;
struct Mesures : ::testing::Test {
    fs::path dossier = fs::temp_directory_path() / ("sinuvia_mesures_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }
    std::string écrire(const std::string& s, const char* nom = "f.txt")
    {
        std::ofstream(dossier / nom, std::ios::binary) << s;
        return dossier / nom;
    }
    // Writes the file, finds its format, then reads column `c`.
    Échec ouvrir(const std::string& contenu, texte::Format& f, Trace& t, int c = 0)
    {
        const std::string chemin = écrire(contenu, "f.csv");
        const Échec e = texte::analyser(chemin, f);
        return e ? e : texte::lire(chemin, f, c, t);
    }
    Periode importer(const std::string& contenu)  // a Psim export's column 1, into a period filled with 7
    {
        Periode p;
        p.fill(7.0);
        EXPECT_EQ(psim::importer(écrire(contenu), 1, p), psim::Erreur::aucune);
        return p;
    }
};
// Amplitude (signal units) and phase (degrees, sine convention) of rank k of a period, by a direct DFT of samples 0..4095.
std::pair<double, double> rang(const Periode& p, int k)
{
    std::complex<double> s;
    for (int j = 0; j < 4096; ++j)
        s += p[j] * std::polar(1.0, -2 * pi * k * j / 4096);
    return {std::abs(s) * 2 / 4096, std::arg(s * std::complex<double>(0, 1)) * 180 / pi};
}
double crête(const Periode& p) { return std::ranges::max(p | std::views::transform([](double v) { return std::abs(v); })); }
// Each separator and decimal mark, settings lines with and without an interval, header units, the simulator pairs,
// CR LF, byte order mark and Windows-1252 names: the columns offered, the one read and its time scale.
TEST_F(Mesures, SeparatorsDecimalMarksSettingsHeadersAndTimes)
{
    const std::tuple<std::string, char, char, std::vector<std::string>, std::vector<std::string>, int, std::vector<double>,
                     std::vector<double>, double> cas[] = {
        {"Time (s),CH1 (V),CH2 [A]\n0,1.5,2\n0.001,-2.5e-1,3\n0.002,3,4\n", ',', '.', {"CH1", "CH2"}, {"V", "A"}, 1,
         {2, 3, 4}, {0, .001, .002}, 0},
        {"\xEF\xBB\xBFTemps;Tension (V)\r\n0;1,5\r\n0,001;2,5\r\n0,002;-3\r\n", ';', ',', {"Tension"}, {"V"}, 0,
         {1.5, 2.5, -3}, {0, .001, .002}, 0},
        {"Temps;Intensit\xe9 (mA)\n0;1\n1;2\n2;3\n", ';', '.', {"Intensit\xc3\xa9"}, {"mA"}, 0, {1, 2, 3}, {0, 1, 2}, 0},
        {"Oscilloscope XYZ\nBandwidth: 20 MHz\nSample Interval: 0,5 ms\n\n1,5\t2\n-1\t3,25\n2\t4\n", ' ', ',', {"Colonne 1", "Colonne 2"},
         {"", ""}, 1, {2, 3.25, 4}, {}, 5e-4},
        {"Sample rate = 10 kHz\n  1.5  2\n  -1 -3\n 2 4\n", ' ', '.', {"Colonne 1", "Colonne 2"}, {"", ""}, 0,
         {1.5, -1, 2}, {}, 1e-4},
        {"Titre\n1;5\n0;3\n2;4\n", ';', '.', {"Colonne 1", "Colonne 2"}, {"", ""}, 0, {1, 0, 2}, {}, 0},
        {"0 1 0 5\n1e-3 2 2e-3 6\n2e-3 3 4e-3 7\n", ' ', '.', {"Colonne 1", "Colonne 2"}, {"", ""}, 1, {5, 6, 7},
         {0, 2e-3, 4e-3}, 0},
        {"CH1,Time\n5,0\n6,1\n4,2\n", ',', '.', {"CH1"}, {""}, 0, {5, 6, 4}, {0, 1, 2}, 0},
        {"time\tV(n001)\tI(R1)\n0\t1\t2\n1\t3\t4\n", ' ', '.', {"V(n001)", "I(R1)"}, {"", ""}, 0, {1, 3}, {0, 1}, 0},
        {"Temps (s)\tCourant d'entr\xc3\xa9\x65 (A)\n0\t1\n1\t3\n", ' ', '.', {"Courant d'entr\xc3\xa9\x65"}, {"A"}, 0, {1, 3}, {0, 1}, 0},
        {"t  v1 v2\n0 1 2\n1 3 4\n", ' ', '.', {"v1", "v2"}, {"", ""}, 1, {2, 4}, {0, 1}, 0},
        {"X,CH1,\n\"0\",\"1\",\n1,+2,\n", ',', '.', {"CH1"}, {""}, 0, {1, 2}, {0, 1}, 0},
    };
    texte::Format f;  // shared: each file read replaces the last one's format and column
    Trace t;
    for (const auto& [contenu, sép, déc, noms, unités, colonne, valeurs, temps, pas] : cas) {
        const Échec e = ouvrir(contenu, f, t, colonne);
        EXPECT_EQ(std::tuple(e.erreur, f.séparateur, f.décimale, f.colonnes.noms, f.colonnes.unités, t.valeurs, t.temps, t.pas),
                  std::tuple(Erreur::aucune, sép, déc, noms, unités, valeurs, temps, pas))
            << contenu;
    }
}
// Every bad input gets its error, with the line of the faulty row; folders, fifos and missing files are not opened
// (and a fifo does not block).
TEST_F(Mesures, BadInput)
{
    using enum Erreur;
    const std::pair<std::string, Échec> cas[] = {
        {"", {vide, 0}}, {"Titre\nA;B\n", {aucune_ligne, 0}}, {"t;v\n0;1\n", {une_seule_ligne, 0}},
        {"Temps;V\n0;1\n1;2\n0,5;3\n2;4\n", {temps, 4}}, {"t,v\n0,1\n1,2\n1,3\n2,4\n", {temps, 4}},
        {"0,1\n1,2\n2,3\n3,inf\n", {non_fini, 4}}, {"0,1\n1,2\n2,nan\n3,4\n", {non_fini, 3}},
        {"0,1\n1,2\n2,3\n3,1e999\n", {non_fini, 4}}, {"0,1\n1,2\n2,3\n3,4\n4\n", {valeur, 5}}, {"0,1\n1,2\n2,3\n3,x\n", {valeur, 4}},
        {"0,1\n1,2\n2,3\n3,4\n\x01\x02", {binaire, 5}}, {std::string("0,1\n1\0,2\n", 8), {binaire, 2}},
    };
    texte::Format f;
    Trace t;
    for (const auto& [contenu, attendu] : cas) {
        const Échec e = ouvrir(contenu, f, t);
        EXPECT_EQ(std::tuple(e.erreur, e.ligne, message(e, "f.csv").empty()),
                  std::tuple(attendu.erreur, attendu.ligne, false)) << contenu;
    }
    EXPECT_EQ(std::pair(ouvrir("t;a;b\n0;1;2\n1;2;3\n", f, t, 2).erreur, ouvrir("t;a;b\n0;1;2\n1;2;3\n", f, t, -1).erreur),
              std::pair(colonne, colonne));
    const std::string fifo = dossier / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& chemin : {fifo, dossier.string(), (dossier / "absent").string(), std::string("/dev/null")}) {
        EXPECT_EQ(std::tuple(texte::analyser(chemin, f).erreur, son::lire(chemin, 0, t).erreur,
                             son::est_un_son(chemin)), std::tuple(ouverture, ouverture, false)) << chemin;
    }
    EXPECT_EQ(message({non_fini, 4}, "a.csv"), "Le fichier « a.csv » contient une valeur infinie ou non numérique (ligne 4).");
}
// Sound files of each sample format: one column per channel at the file's rate, PCM within -1..1; a truncated file
// or a broken header is refused.
TEST_F(Mesures, SoundFiles)
{
    const std::pair<int, double> formats[] = {{SF_FORMAT_PCM_U8, 1.0 / 128}, {SF_FORMAT_PCM_16, 1.0 / 32768},
        {SF_FORMAT_PCM_24, 1.0 / (1 << 23)}, {SF_FORMAT_PCM_32, 1e-9}, {SF_FORMAT_FLOAT, 1e-7}, {SF_FORMAT_DOUBLE, 1e-15}};
    const auto valeur = [](int canal, int i) { return canal == 0 ? 0.5 * std::sin(i * 0.01) : -0.25 + 0.5 * (i % 7) / 7.0; };
    std::vector<double> trames;
    for (int i = 0; i < 1000; ++i)
        trames.insert(trames.end(), {valeur(0, i), valeur(1, i)});
    for (const auto& [format, tolérance] : formats) {
        const std::string chemin = dossier / "son.wav";
        SF_INFO info{.frames = 0, .samplerate = 8000 + format % 16, .channels = 2, .format = SF_FORMAT_WAV | format,
                     .sections = 0, .seekable = 0};
        SNDFILE* s = sf_open(chemin.c_str(), SFM_WRITE, &info);
        ASSERT_NE(s, nullptr);
        sf_writef_double(s, trames.data(), 1000);
        sf_close(s);
        Colonnes c;
        Trace t;
        EXPECT_TRUE(son::est_un_son(chemin));
        EXPECT_EQ(std::pair(son::analyser(chemin, c).erreur, c.noms), std::pair(Erreur::aucune, std::vector<std::string>{"Canal 1", "Canal 2"}));
        ASSERT_FALSE(son::lire(chemin, 1, t)) << format;
        const auto erreur = [&](int i) { return std::abs(t.valeurs[i] - valeur(1, i)); };
        const double pire = std::ranges::max(std::views::iota(0, 1000) | std::views::transform(erreur));
        EXPECT_EQ(std::tuple(t.taille(), t.pas, t.nom, pire <= tolérance), std::tuple(1000u, 1.0 / info.samplerate, "Canal 2", true)) << format;
        EXPECT_EQ(son::lire(chemin, 2, t).erreur, Erreur::colonne);
        fs::resize_file(chemin, fs::file_size(chemin) - 1000);  // cut in its data, then in its header
        EXPECT_EQ(son::lire(chemin, 0, t).erreur, Erreur::son_tronqué) << format;
        fs::resize_file(chemin, 20);
        EXPECT_EQ(son::lire(chemin, 0, t).erreur, Erreur::son) << format;
    }
}
// A period of a file sampled 2,000 times a period, resampled from a start anywhere: sample 0 is the file at that
// start, the phases of ranks 1 to 10 agree with the exact ones within 0.05°, averaging several periods changes nothing
// on a clean file, and the scale is the period's largest absolute value. Irregular times are interpolated alike.
TEST_F(Mesures, ResamplingStartsExactlyAtTheStart)
{
    const double T = 0.02, début = 0.00737, phases[] = {0, 10, -40, 70, 0, 25, 0, -120, 60, 5, 150};
    const auto signal = [&](double t) {
        double s = 0.3;
        for (int k = 1; k <= 10; ++k)
            s += 2.0 / k * std::sin(2 * pi * k * t / T + phases[k] * pi / 180);
        return s;
    };
    for (const bool irrégulier : {false, true}) {
        Trace tr{"", "", {}, {}, -0.001, T / 2000};  // from t0, every pas
        for (int i = 0; i < 10000; ++i) {
            const double t = tr.t0 + (i + (irrégulier ? 0.3 * std::sin(i) : 0.0)) * tr.pas;
            tr.valeurs.push_back(signal(t));
            if (irrégulier)
                tr.temps.push_back(t);
        }
        for (const long moyennes : {1L, 3L}) {
            Periode p;
            const double échelle = rééchantillonner(tr, début, T, moyennes, p);
            EXPECT_EQ(std::pair(std::abs(p[0] * échelle - signal(début)) <= 1e-3, crête(p)), std::pair(true, 1.0));
            for (int k = 1; k <= 10; ++k) {  // the phase within 0.05°, the amplitude within 2e-3
                const double écart = std::remainder(rang(p, k).second - phases[k] - 360.0 * k * début / T, 360.0);
                EXPECT_EQ(std::pair(std::abs(écart) <= 0.05, std::abs(rang(p, k).first * échelle - 2.0 / k) <= 2e-3),
                          std::pair(true, true)) << k << " " << irrégulier << " " << écart;
            }
        }
    }
}
// Synthetic captures with an offset, 1 % noise and a start anywhere: the period is found within 0.1 %, the default
// start is a rising crossing with a period after it, and the averaged period's ranks agree with the exact period's
// within 0.2 percentage points of its largest value; a flat column has none.
TEST_F(Mesures, PeriodDetectedOnNoisyCapturesAndPeriodChecks)
{
    const std::pair<const char*, std::function<double(double)>> formes[] = {
        {"carré", [](double θ) { return std::sin(θ) >= 0 ? 1.0 : -1.0; }},
        {"redresseur", [](double θ) { return std::copysign(std::max(0.0, std::abs(std::sin(θ)) - 0.8), std::sin(θ)) * 5; }},
        {"sinus + 5 % de rang 3", [](double θ) { return std::sin(θ) + 0.05 * std::sin(3 * θ + 1); }}};
    const std::pair<double, long> captures[] = {{1000.37, 12'000}, {87.3, 2'000}, {3000.5, 400'000}};  // points per period, points
    std::mt19937 aléa(7);
    for (const auto& [nom, forme] : formes)
        for (const auto& [points, n] : captures) {
            std::normal_distribution<double> bruit(0.0, 0.01);
            Trace tr{"", "", {}, {}, 0.5, 1e-5}, propre = tr;  // propre: noiseless, averaged on the exact period
            const double T = points * tr.pas, phase0 = 2.1;
            for (long i = 0; i < n; ++i) {
                propre.valeurs.push_back(0.7 + forme(2 * pi * i / points + phase0));
                tr.valeurs.push_back(propre.valeurs[i] + bruit(aléa));
            }
            const double trouvée = détecter_période(tr);
            EXPECT_NEAR(trouvée / T, 1.0, 1e-3) << nom << " " << points;
            const double début = départ_montant(tr, trouvée);
            const long K = nb_périodes(tr, début, trouvée);
            EXPECT_EQ(std::pair(début + trouvée <= tr.fin(), double(K)),
                      std::pair(true, std::floor((tr.fin() - début) / trouvée))) << nom;
            Periode mesurée, exacte;
            const double échelle = rééchantillonner(tr, début, trouvée, K, mesurée);
            const double échelle_exacte = rééchantillonner(propre, début, T, K, exacte);
            const double max_exacte = crête(exacte);  // in the exact period's own scale
            for (int k = 0; k <= 10; ++k)
                EXPECT_NEAR(rang(mesurée, k).first * échelle / échelle_exacte / max_exacte * 100,
                            rang(exacte, k).first / max_exacte * 100, 0.2) << nom << " " << points << " rank " << k;
        }
    const Trace plat{"", "", std::vector<double>(1000, 2.5), {}, 0.0, 1e-3};
    EXPECT_EQ(détecter_période(plat), 0.0);
    // Periods that cannot be taken, the whole periods after a start, and the rank count that the points support.
    const Trace t{"", "", std::vector<double>(101, 0.0), {}, 1, 0.01};  // 1 s to 2 s
    const std::tuple<double, double, Refus, long> cas[] = {
        {1, 0.25, Refus::aucun, 4}, {1.5, 0.5, Refus::aucun, 1}, {1.5, 0.51, Refus::hors_fichier, 0},
        {0.99, 0.5, Refus::hors_fichier, 2}, {1, 0, Refus::période_nulle, 0}, {1, -0.1, Refus::période_nulle, 0},
        {1, NAN, Refus::période_nulle, 0}, {1, 1.0, Refus::aucun, 1}};
    for (const auto& [début, période, refus, n] : cas)
        EXPECT_EQ(std::pair(vérifier(t, début, période), nb_périodes(t, début, période)), std::pair(refus, n)) << début << " " << période;
    for (const auto& [période, points, rangs] : {std::tuple(0.2, 20L, 9), {0.05, 5L, 2}, {0.9, 90L, 44}, {1.0, 100L, 49}, {0.02, 2L, 1}})
        EXPECT_EQ(std::pair(points_par_période(t, période), rangs_possibles(points, 50)), std::pair(points, rangs)) << période;
    EXPECT_EQ(rangs_possibles(1001, 50), 50);
}
// Field k: characters 14·k to 14·k + 13, read as valeur_texte reads them; names after "Time", blanks kept; line ends,
// a byte order mark and the encoding (UTF-8 or Windows-1252) change nothing; bad or unopenable files: period untouched.
TEST_F(Mesures, PsimExportFieldsNamesValidityOpeningAndResampling)
{
    using enum psim::Erreur;
    const std::string l = "  1.000000E-05  2.500000E+01 -3.250000E-02", t = "  Time Vo Iin\n", long_(14 << 16, ' ');
    for (const auto& [texte, k, attendu] : std::initializer_list<std::tuple<std::string, int, double>>{
             {l, 1, 25.0}, {l, 2, -0.0325}, {l, 3, 0.0}, {"          1.5", 0, 1.5}, {"12345678901234  7", 1, 7.0}})
        EXPECT_EQ(psim::champ(texte, k), attendu) << texte << " field " << k;
    for (const char* f : {"-1.250000E-03", "-0.0", ".5", "5.", "-.5E-3", "1D2", "1e+", "1.5.5", "1 2", "inf", "nan", "0x1p3",
                          "-1e999", "1e-310", "1e-400", "00000000001.5", "9007199254740993", "1.79769314E308", "12345678901234"}) {
        const double lu = psim::champ(f, 0), attendu = valeur_texte(std::string_view(f).substr(0, 14));
        EXPECT_EQ(std::pair(lu, std::signbit(lu)), std::pair(attendu, std::signbit(attendu))) << f;
    }
    const auto vo = [](int k) { return std::sin(k / 50.0); };
    const std::string lf = export_psim(300, vo), crlf = export_psim(300, vo, "\r\n"), reste = lf.substr(lf.find('\n'));
    const std::string d = ligne({0, 1, 2});
    const std::vector<std::string> vo_iin{"Vo", "Iin"}, vé_iin{"V\xc3\xa9", "Iin"}, refus{};
    const std::pair<std::string, std::vector<std::string>> cas[] = {
        {crlf, vo_iin}, {lf.substr(0, lf.size() - 1), vo_iin}, {crlf.substr(0, crlf.size() - 1), vo_iin},
        {"\xEF\xBB\xBF" + lf, vo_iin}, {"  Time V\xc3\xa9 Iin" + reste, vé_iin}, {"  Time V\xe9 Iin" + reste, vé_iin},
        {"  Time I\xe2\x82\xbf\xe2\x80\x80 Iin" + reste, {"I\xe2\x82\xbf\xe2\x80\x80", "Iin"}},  // continuation bytes at their ends
        {"  Time Vo  Iin" + reste, {"Vo", "", "Iin"}}, {"  Time Vo Iin " + reste, {"Vo", "Iin", ""}},
        {"  Time \xe2\x82\xc0 Iin" + reste, {"\xc3\xa2\xe2\x80\x9a\xc3\x80", "Iin"}},  // a third byte that continues nothing
        {"  Time \xc0\xaf\xed\xa0\x80 Iin" + reste, {"\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xe2\x82\xac", "Iin"}},
        {"", refus}, {t + d + "\n", refus}, {t + d + " \n" + d + " \n", refus}, {t + d + "\n" + d.substr(14) + "\n", refus},
        {t + d + "\n" + d.substr(0, 41) + '\0' + "\n", refus}, {"  Time\n" + long_ + "\n" + long_, refus}};
    const Periode référence = importer(lf);
    for (const auto& [contenu, noms] : cas) {
        const psim::Entête e = psim::lire_entête(écrire(contenu));
        EXPECT_EQ(std::pair(e.erreur, e.noms), std::pair(noms.empty() ? invalide : aucune, noms)) << contenu.substr(0, 60);
        EXPECT_EQ(noms.empty() ? référence : importer(contenu), référence);  // the valid ones import alike
    }
    fs::create_directory(dossier / "dossier.txt"), fs::create_symlink("/dev/zero", dossier / "zero.txt");
    ASSERT_EQ(::mkfifo((dossier / "tube.txt").c_str(), 0600), 0);
    Periode p = référence;
    for (const fs::path nom : {"absent.txt", "dossier.txt", "tube.txt", "zero.txt"})
        EXPECT_EQ(std::pair(psim::lire_entête(dossier / nom).erreur, psim::importer(dossier / nom, 1, p)),
                  std::pair(ouverture, ouverture)) << nom;
    EXPECT_EQ(psim::importer(écrire("  Time Vo\n"), 1, p), invalide);
    EXPECT_EQ(p, référence);
    // The last column, whose lines the reader's buffers end inside (line 4572 one character short of its end): every digit kept.
    EXPECT_EQ(psim::importer(écrire(export_psim(6000, vo)), 2, p), aucune);
    for (int i = 1; i <= 4096; ++i)
        ASSERT_EQ(p[i], -std::nearbyint(6000.0 * i / 4096) / 6000) << i;
    // Sample i: line Round(lines / 4096 · i), halves to even, or interpolated up to the last line; divided by max |value|.
    const std::tuple<int, std::function<double(int)>, std::vector<std::pair<int, double>>> exports[] = {
        {6000, [](int k) { return k == 3000 ? -12000.0 : k; },
         {{0, 7.0}, {1, 1 / 12000.0}, {2, 3 / 12000.0}, {384, 562 / 12000.0}, {2048, -1.0}, {4096, 0.5}}},
        {1024, [](int k) { return double(k); }, {{0, 7.0}, {1, 0.0}, {2, 0.25 / 1024}, {3, 0.5 / 1024}, {4, 0.75 / 1024},
                 {5, 1 / 1024.0}, {6, 1.25 / 1024}, {7, 1.5 / 1024}, {8, 2 / 1024.0}, {9, 2.25 / 1024}, {4096, 1023.75 / 1024}}},
        {4096, [](int k) { return k == 4096 ? -8192.0 : k; },
         {{1, 0.0}, {2, 2 / 8192.0}, {3, 3 / 8192.0}, {4095, 4095 / 8192.0}, {4096, -1.0}}},  // the last line used
        {100, [](int) { return 0.0; }, {{1, 0.0}, {2048, 0.0}, {4096, 0.0}}},
        {100, [](int k) { return k % 2 ? 1.7e308 : -1.7e308; }, {{4096, 1 - 2 * 40 * 100 / 4096.0}}}};
    for (const auto& [n, colonne, attendus] : exports)
        for (const Periode lu = importer(export_psim(n, colonne)); auto [i, attendu] : attendus)
            EXPECT_EQ(lu[i], attendu) << n << " lines, sample " << i;
}
}  // namespace
