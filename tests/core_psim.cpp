// Reading Psim text exports: header, fields, validity and resampling, on files the tests write.
#include "signal/calcul/psim.h"
#include "app/nombres.h"
#include "tests/outils_import.h"
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>
namespace fs = std::filesystem;
namespace {
using Periode = std::array<double, 4097>;
struct Psim : ::testing::Test {
    fs::path dossier = fs::temp_directory_path() / ("sinuvia_psim_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }
    std::string écrire(const std::string& s) { return (std::ofstream(dossier / "f.txt", std::ios::binary) << s, dossier / "f.txt"); }
    Periode importer(const std::string& contenu)  // column 1, into a period filled with 7
    {
        Periode p;
        p.fill(7.0);
        EXPECT_EQ(psim::importer(écrire(contenu), 1, p), psim::Erreur::aucune);
        return p;
    }
};
// Field k: characters 14·k to 14·k + 13, read as valeur_texte reads them; names after "Time", blanks kept; line ends,
// a byte order mark and the encoding (UTF-8 or Windows-1252) change nothing; bad or unopenable files: period untouched.
TEST_F(Psim, FieldsNamesValidityOpeningAndResampling)
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
