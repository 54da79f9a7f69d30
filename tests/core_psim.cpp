// Reading Psim text exports: validity, header, fields, column import and
// resampling onto the period, on files the tests write themselves.

#include "signal/calcul/psim.h"

#include "app/nombres.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Periode = std::array<double, 4097>;

// One line of 14-character fields.
std::string ligne(std::initializer_list<double> valeurs)
{
    std::string r;
    for (double v : valeurs) {
        char champ[32];
        std::snprintf(champ, sizeof champ, "%14.6E", v);
        r += champ;
    }
    return r;
}

// A file with the header "  Time Vo Iin" and `n` lines where Vo = vo(line)
// and Iin = -line; `fin` ends each line.
std::string export_psim(int n, const std::function<double(int)>& vo, const std::string& fin = "\n")
{
    std::string r = "  Time Vo Iin" + fin;
    for (int k = 1; k <= n; ++k)
        r += ligne({k * 1e-5, vo(k), -1.0 * k}) + fin;
    return r;
}

class Psim : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() / ("sinuvia_psim_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }

    std::string écrire(const std::string& contenu, const std::string& nom = "f.txt")
    {
        const fs::path p = dossier / nom;
        std::ofstream(p, std::ios::binary) << contenu;
        return p.string();
    }
    // Imports column `colonne`; the period starts filled with 7.
    Periode importer(const std::string& contenu, int colonne = 1, psim::Erreur attendue = psim::Erreur::aucune)
    {
        Periode p;
        p.fill(7.0);
        EXPECT_EQ(psim::importer(écrire(contenu), colonne, p), attendue);
        return p;
    }
};

TEST(PsimEntete, ColumnNames)
{
    using V = std::vector<std::string>;
    const std::pair<const char*, V> cas[] = {
        {"  Time Vo Iin", {"Vo", "Iin"}},
        {"  Time Vo  Iin", {"Vo", "", "Iin"}},   // two blanks: an empty name
        {"  Time Vo Iin ", {"Vo", "Iin", ""}},
        {"  Vo Time", {"Vo"}},
        {"  time I(L1)", {"time", "I(L1)"}},     // "Time" compared exactly
        {"  Time", {}},
        {"", {""}},
    };
    for (const auto& [entête, noms] : cas)
        EXPECT_EQ(psim::noms_colonnes(entête), noms) << entête;
    // Header bytes: UTF-8 kept, anything else read as Windows-1252.
    EXPECT_EQ(psim::en_utf8("V\xc3\xa9 \xe2\x82\xac"), "V\xc3\xa9 \xe2\x82\xac");
    EXPECT_EQ(psim::en_utf8("V\xe9 \x80"), "V\xc3\xa9 \xe2\x82\xac");
    EXPECT_EQ(psim::en_utf8("\xc0\xaf\xed\xa0\x80"), "\xc3\x80\xc2\xaf\xc3\xad\xc2\xa0\xe2\x82\xac");
}

TEST(PsimChamp, Fields)
{
    const std::string l = "  1.000000E-05  2.500000E+01 -3.250000E-02";
    const std::tuple<std::string, int, double> cas[] = {
        {l, 0, 1e-5}, {l, 1, 25.0}, {l, 2, -0.0325},   // Iin: characters 29 to 42
        {l, 3, 0.0}, {l, -1, 0.0},                     // beyond the line
        {"          1.5", 0, 1.5}, {"12345678901234  7", 1, 7.0},  // what the line holds of it
        {"  abc         ", 0, 0.0}, {"  1,5         ", 0, 1.0},
        {"  1E999       ", 0, 0.0}, {" -1D999       ", 0, 0.0}, {"  &HFF        ", 0, 255.0},
    };
    for (const auto& [texte, k, attendu] : cas)
        EXPECT_EQ(psim::champ(texte, k), attendu) << texte << " field " << k;
}

TEST(PsimChamp, SameAsTheNumberReading)
{
    // Every field reads exactly as valeur_texte reads it, the usual ones by a
    // shorter way.
    const char* textes[] = {"-1.250000E-03", "0.0", "-0.0", "-0", ".5", "5.", "-.5E-3", "+1", "1D2",
                            "1e", "1e+", "1.5.5", "- 1", "1 2", "inf", "-inf", "nan", "0x1p3",
                            "1e999", "-1e999", "1e-310", "2.225073858E-308", "1e-400", "&O17", "4.9E-324",
                            "00000000001.5", "9007199254740993", "1.79769313E308", "1.79769314E308", "12345678901234"};
    for (const char* t : textes) {
        const double lu = psim::champ(t, 0), attendu = valeur_texte(std::string_view(t).substr(0, 14));
        EXPECT_EQ(lu, attendu) << t;
        EXPECT_EQ(std::signbit(lu), std::signbit(attendu)) << t;
    }
}

TEST_F(Psim, ValidityCheck)
{
    const std::string l = ligne({0, 1, 2});
    const std::pair<std::string, psim::Erreur> cas[] = {
        {"  Time Vo Iin\n" + l + "\n" + l + "\n", psim::Erreur::aucune},
        {"  Time Vo Iin\r\n" + l + "\r\n" + l, psim::Erreur::aucune},
        {"\xEF\xBB\xBF  Time V\xe9\n" + l + "\n" + l, psim::Erreur::aucune},
        {"", psim::Erreur::invalide},
        {"  Time Vo Iin\n" + l + "\n", psim::Erreur::invalide},              // two lines
        {"  Time Vo Iin\n" + l + " \n" + l + " \n", psim::Erreur::invalide},  // 43 characters
        {"  Time Vo Iin\n" + l + "\n" + l.substr(14) + "\n", psim::Erreur::invalide},
        {"  Time Vo Iin\n" + l + "\n" + l.substr(0, 41) + '\0' + "\n", psim::Erreur::invalide},
        {std::string(3 << 20, 'x'), psim::Erreur::invalide},                   // no line feed at all
        {"  Time\n" + std::string(14 << 16, ' ') + "\n" + std::string(14 << 16, ' '), psim::Erreur::invalide},
    };
    for (const auto& [contenu, attendu] : cas)
        EXPECT_EQ(psim::lire_entête(écrire(contenu)).erreur, attendu) << contenu.substr(0, 60);
    fs::create_directory(dossier / "dossier.txt");
    for (const char* nom : {"absent.txt", "dossier.txt"})
        EXPECT_EQ(psim::lire_entête((dossier / nom).string()).erreur, psim::Erreur::ouverture);
    // Neither a pipe nor an endless device is waited on; no failure writes the period.
    ASSERT_EQ(::mkfifo((dossier / "tube.txt").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dossier / "zero.txt");
    Periode p;
    p.fill(7.0);
    for (const char* nom : {"tube.txt", "zero.txt", "dossier.txt", "absent.txt"})
        EXPECT_EQ(psim::importer((dossier / nom).string(), 1, p), psim::Erreur::ouverture) << nom;
    EXPECT_EQ(psim::importer(écrire("  Time Vo\n"), 1, p), psim::Erreur::invalide);  // no data line
    EXPECT_EQ(p[1], 7.0);
}

// Line endings and header encodings change nothing.
TEST_F(Psim, LineEndingsAndEncodings)
{
    const auto vo = [](int k) { return std::sin(k / 50.0); };
    const std::string lf = export_psim(300, vo);
    const Periode référence = importer(lf);
    const std::string autres[] = {
        export_psim(300, vo, "\r\n"),
        lf.substr(0, lf.size() - 1),
        export_psim(300, vo, "\r\n").substr(0, lf.size() + 300),
        "\xEF\xBB\xBF" + lf,
        "  Time V\xc3\xa9 Iin" + lf.substr(lf.find('\n')),
        "  Time V\xe9 Iin" + lf.substr(lf.find('\n')),
    };
    for (const std::string& contenu : autres) {
        EXPECT_EQ(importer(contenu), référence);
        EXPECT_EQ(psim::lire_entête(écrire(contenu)).noms.size(), 2u);
    }
    EXPECT_EQ(psim::lire_entête(écrire(autres[3])).noms, (std::vector<std::string>{"Vo", "Iin"}));
    for (int i : {4, 5})
        EXPECT_EQ(psim::lire_entête(écrire(autres[i])).noms, (std::vector<std::string>{"V\xc3\xa9", "Iin"}));
}

TEST_F(Psim, DecimationTakesLineRoundOfRatioTimesSample)
{
    // 8192 lines: sample i takes line 2·i, the last sample the last line.
    const Periode p = importer(export_psim(8192, [](int k) { return k; }));
    EXPECT_EQ(p[0], 7.0);
    for (int i = 1; i <= 4096; ++i)
        ASSERT_EQ(p[i], 2.0 * i / 8192) << i;
    // 6000 lines: ratio 1.46484375, halves to even (sample 2048: line 3000).
    const Periode q = importer(export_psim(6000, [](int k) { return k; }));
    for (auto [i, ligne] : {std::pair{1, 1}, {2, 3}, {3, 4}, {2048, 3000}, {4096, 6000}})
        EXPECT_EQ(q[i], ligne / 6000.0) << i;
}

TEST_F(Psim, InterpolationOfARampEndsOnTheLastLine)
{
    // Lines 1 to 1024 hold 1 to 1024: before the division by 1024.
    const Periode p = importer(export_psim(1024, [](int k) { return k; }));
    const double début[] = {0, 0.25, 0.5, 0.75, 1, 1.25, 1.5, 2, 2.25};
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(p[i] * 1024, début[i - 1]) << i;
    EXPECT_EQ(p[4096] * 1024, 1023.75);
    EXPECT_EQ(p[0], 7.0);
    // No sample reaches the largest value here: interpolation stops short of it.
    for (int i = 1; i <= 4096; ++i)
        ASSERT_LT(p[i], 1.0);
    // 4096 lines: the last segment runs from line 4095 to line 4096, never to 4097.
    const Periode q = importer(export_psim(4096, [](int k) { return k == 4096 ? -8192 : k; }));
    EXPECT_EQ(q[1], 0.0);  // line 0
    for (int i = 2; i <= 4095; ++i)
        ASSERT_EQ(q[i], i / 8192.0) << i;
    EXPECT_EQ(q[4096], 4095 / 8192.0);
}

TEST_F(Psim, NormalisationByTheLargestAbsoluteValue)
{
    // The peak, -250 on line 3000 of 6000 (taken by sample 2048), becomes -1.
    const Periode p = importer(export_psim(6000, [](int k) { return k == 3000 ? -250.0 : std::sin(k / 900.0); }));
    EXPECT_EQ(p[2048], -1.0);
    for (int i = 1; i <= 4096; ++i)
        ASSERT_LE(std::abs(p[i]), 1.0);
    EXPECT_NEAR(p[1], std::sin(1 / 900.0) / 250.0, 1e-12);
    // Column 2 (Iin = -line) of 1024 lines: divided by 1024.
    EXPECT_EQ(importer(export_psim(1024, [](int) { return 0; }), 2)[4096], -1023.75 / 1024);
}

TEST_F(Psim, ZerosHugeValuesTextAndLongLines)
{
    // An all-zero column gives an all-zero period, never NaN.
    const Periode zéro = importer(export_psim(100, [](int) { return 0.0; }));
    for (int i = 1; i <= 4096; ++i)
        ASSERT_EQ(zéro[i], 0.0) << i;
    // Neighbours at both ends of the range of a double stay finite.
    const Periode énorme = importer(export_psim(100, [](int k) { return k % 2 ? 1.7e308 : -1.7e308; }));
    for (int i = 1; i <= 4096; ++i)
        ASSERT_TRUE(std::isfinite(énorme[i]) && std::abs(énorme[i]) <= 1.5) << i;
    // Fields beyond a short line, or not numbers, read as 0.
    const Periode texte = importer("  Time Vo\n" + ligne({0, 1}) + "\n" + ligne({0, 1}) + "\nabc\n", 1);
    // (3 lines: the last segment, from line 2 to line 3, starts at sample 2731)
    EXPECT_EQ(texte[2731], 1.0);
    EXPECT_EQ(texte[4096], 1.0 - 1365 * 3 / 4096.0);
    // A data line of 20 MB after the checked lines is read, not kept.
    const std::string l = ligne({0, 3, 4});
    psim::Colonne c;
    const std::string long_ = "  Time Vo Iin\n" + l + "\n" + l + "\n" + ligne({0, 5}) + std::string(20 << 20, '9');
    ASSERT_EQ(psim::lire_colonne(écrire(long_), 1, c), psim::Erreur::aucune);
    EXPECT_EQ(std::pair(c.valeurs, c.max_abs), std::pair(std::vector<double>{0, 3, 3, 5}, 5.0));
}

}  // namespace
