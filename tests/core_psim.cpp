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
using Noms = std::vector<std::string>;

class Psim : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() / ("sinuvia_psim_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }
    std::string écrire(const std::string& contenu)
    {
        std::ofstream(dossier / "f.txt", std::ios::binary) << contenu;
        return (dossier / "f.txt").string();
    }
    // Column 1 imported into a period filled with 7.
    Periode importer(const std::string& contenu)
    {
        Periode p;
        p.fill(7.0);
        EXPECT_EQ(psim::importer(écrire(contenu), 1, p), psim::Erreur::aucune);
        return p;
    }
};

TEST(PsimTexte, NamesAndFields)
{
    const std::pair<const char*, Noms> entêtes[] = {
        {"  Time Vo Iin", {"Vo", "Iin"}}, {"  Time Vo  Iin", {"Vo", "", "Iin"}}, {"  Time Vo Iin ", {"Vo", "Iin", ""}},
        {"  Vo Time", {"Vo"}}, {"  time I(L1)", {"time", "I(L1)"}}};
    for (const auto& [entête, noms] : entêtes)
        EXPECT_EQ(psim::noms_colonnes(entête), noms) << entête;
    // Field k: characters 14·k to 14·k + 13, or what the line holds of them.
    const std::string l = "  1.000000E-05  2.500000E+01 -3.250000E-02";
    const std::tuple<std::string, int, double> champs[] = {
        {l, 1, 25.0}, {l, 2, -0.0325}, {l, 3, 0.0}, {"          1.5", 0, 1.5}, {"12345678901234  7", 1, 7.0}};
    for (const auto& [texte, k, attendu] : champs)
        EXPECT_EQ(psim::champ(texte, k), attendu) << texte << " field " << k;
    // Every field reads as valeur_texte reads it, the usual ones by a shorter way.
    for (const char* t : {"-1.250000E-03", "-0.0", ".5", "5.", "-.5E-3", "1D2", "1e+", "1.5.5", "1 2", "inf", "nan",
                          "0x1p3", "1e999", "-1e999", "1e-310", "2.225073858E-308", "1e-400", "4.9E-324",
                          "00000000001.5", "9007199254740993", "1.79769313E308", "1.79769314E308", "12345678901234"}) {
        const double lu = psim::champ(t, 0), attendu = valeur_texte(std::string_view(t).substr(0, 14));
        EXPECT_EQ(std::pair(lu, std::signbit(lu)), std::pair(attendu, std::signbit(attendu))) << t;
    }
}

// Line endings, a byte order mark, the header's encoding change nothing; no export, or no opening: refused.
TEST_F(Psim, ValidityEncodingsAndOpening)
{
    using enum psim::Erreur;
    const auto vo = [](int k) { return std::sin(k / 50.0); };
    const std::string lf = export_psim(300, vo), crlf = export_psim(300, vo, "\r\n"), reste = lf.substr(lf.find('\n'));
    const std::string l = ligne({0, 1, 2}), t = "  Time Vo Iin\n", long_(14 << 16, ' ');
    const Noms vo_iin{"Vo", "Iin"}, vé_iin{"V\xc3\xa9", "Iin"}, refus{};
    const std::pair<std::string, Noms> cas[] = {
        {crlf, vo_iin}, {lf.substr(0, lf.size() - 1), vo_iin}, {crlf.substr(0, crlf.size() - 1), vo_iin},
        {"\xEF\xBB\xBF" + lf, vo_iin}, {"  Time V\xc3\xa9 Iin" + reste, vé_iin}, {"  Time V\xe9 Iin" + reste, vé_iin},
        // Not UTF-8 (an overlong form, a surrogate): read as Windows-1252.
        {"  Time \xc0\xaf\xed\xa0\x80 Iin" + reste, {"\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xe2\x82\xac", "Iin"}},
        {"", refus}, {t + l + "\n", refus},                     // two lines
        {t + l + " \n" + l + " \n", refus},                     // 43 characters
        {t + l + "\n" + l.substr(14) + "\n", refus},            // a third line shorter
        {t + l + "\n" + l.substr(0, 41) + '\0' + "\n", refus},  // binary
        {"  Time\n" + long_ + "\n" + long_, refus},             // lines too long
    };
    const Periode référence = importer(lf);
    for (const auto& [contenu, noms] : cas) {
        const psim::Entête e = psim::lire_entête(écrire(contenu));
        EXPECT_EQ(std::pair(e.erreur, e.noms), std::pair(noms.empty() ? invalide : aucune, noms))
            << contenu.substr(0, 60);
        EXPECT_EQ(noms.empty() ? référence : importer(contenu), référence);  // the valid ones import alike
    }
    // A data line of 20 MB after the checked lines is read, not kept.
    psim::Colonne c;
    ASSERT_EQ(psim::lire_colonne(écrire(t + l + "\n" + l + "\n" + ligne({0, 5}) + std::string(20 << 20, '9')), 1, c),
              aucune);
    EXPECT_EQ(std::pair(c.valeurs, c.max_abs), std::pair(std::vector<double>{0, 1, 1, 5}, 5.0));
    // Missing, a folder, a pipe, an endless device: refused without waiting; no failure writes the period.
    fs::create_directory(dossier / "dossier.txt");
    ASSERT_EQ(::mkfifo((dossier / "tube.txt").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dossier / "zero.txt");
    Periode p = référence;
    for (const char* nom : {"absent.txt", "dossier.txt", "tube.txt", "zero.txt"}) {
        EXPECT_EQ(psim::lire_entête((dossier / nom).string()).erreur, ouverture) << nom;
        EXPECT_EQ(psim::importer((dossier / nom).string(), 1, p), ouverture) << nom;
    }
    EXPECT_EQ(psim::importer(écrire("  Time Vo\n"), 1, p), invalide);  // no data line
    EXPECT_EQ(p, référence);
}

// More lines than samples: sample i takes line Round(lines / 4096 · i), halves to even. Fewer: interpolated
// (line 0 counting as 0), the last segment ending on the last line. Divided by the largest absolute value.
TEST_F(Psim, Resampling)
{
    const auto rampe = [](int k) { return double(k); };
    const std::tuple<int, std::function<double(int)>, std::vector<std::pair<int, double>>> cas[] = {
        {8192, rampe, {{0, 7.0}, {1, 2 / 8192.0}, {2047, 4094 / 8192.0}, {4096, 1.0}}},
        // 6000 lines: sample 384 takes line 562 (562.5), sample 2048 the peak of -12000.
        {6000, [](int k) { return k == 3000 ? -12000.0 : k; },
         {{1, 1 / 12000.0}, {2, 3 / 12000.0}, {384, 562 / 12000.0}, {2048, -1.0}, {4096, 0.5}}},
        {1024, rampe, {{0, 7.0}, {1, 0.0}, {2, 0.25 / 1024}, {3, 0.5 / 1024}, {4, 0.75 / 1024}, {5, 1 / 1024.0},
                       {6, 1.25 / 1024}, {7, 1.5 / 1024}, {8, 2 / 1024.0}, {9, 2.25 / 1024}, {4096, 1023.75 / 1024}}},
        // 4096 lines, the last one -8192: sample 4096 never reads beyond it.
        {4096, [](int k) { return k == 4096 ? -8192.0 : k; },
         {{1, 0.0}, {2, 2 / 8192.0}, {3, 3 / 8192.0}, {4095, 4095 / 8192.0}, {4096, 4095 / 8192.0}}},
        {100, [](int) { return 0.0; }, {{1, 0.0}, {2048, 0.0}, {4096, 0.0}}},  // no NaN
        // Neighbours at both ends of the range of a double: no overflow (line 99 to line 100).
        {100, [](int k) { return k % 2 ? 1.7e308 : -1.7e308; }, {{4096, 1 - 2 * 40 * 100 / 4096.0}}},
    };
    for (const auto& [n, vo, attendus] : cas) {
        const Periode p = importer(export_psim(n, vo));
        for (auto [i, attendu] : attendus)
            EXPECT_EQ(p[i], attendu) << n << " lines, sample " << i;
    }
}

}  // namespace
