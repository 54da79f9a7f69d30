// Listening from the window: no output device, the ranks the sound follows, and the WAV export.
#include "son/ecoute.h"
#include "tests/outils_compacts.h"
#include <sndfile.h>
#include <numbers>
namespace {
using Son = AvecFenêtre;
// Without a device the checkable "É&couter" is disabled and says why; the panel's frequency: 55 to 1,760 Hz, 220 at first.
TEST_F(Son, NoOutputDevice)
{
    QAction* écouter = f->action_écouter;
    f->écoute->régler_appareil(QAudioDevice());
    EXPECT_TRUE(écouter->toolTip().startsWith("Aucune sortie audio") && f->menu_outils->toolTipsVisible());
    écouter->trigger();
    const QSpinBox* fr = f->écoute->fréquence;
    EXPECT_EQ(std::tuple(écouter->isCheckable(), écouter->isEnabled(), écouter->isChecked(), f->écoute->en_marche(),
                         fr->minimum(), fr->maximum(), fr->value()), std::tuple(true, false, false, false, 55, 1760, 220));
}
// The sound follows the ranks in use (the count shown, the fundamental as 0 when its box reads 0, a typed rank); the export:
// two seconds of "Signal sinusoidal" at half volume, 16-bit PCM mono at 44,100 Hz to the last sample; a folder refused in French.
TEST_F(Son, TheSoundFollowsTheRanksInUseTheExportWritesTwoSecondsOrSaysWhy)
{
    choisir(f->Combo2, 7);  // "Redressement double alternance": no fundamental
    son::Harmoniques h = f->écoute->harmoniques();
    EXPECT_EQ(std::tuple(h.n, h.amplitude[1], h.amplitude[2]), std::tuple(50, 0.0, commun::composantes[2].amplitude));
    choisir(f->Combo2, 8);  // "Signal sinusoidal"
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("la.wav");
    QString erreur;
    ASSERT_TRUE(f->écoute->exporter(chemin, erreur)) << erreur.toStdString();
    SF_INFO info{};
    SNDFILE* lu = sf_open(chemin.toLocal8Bit().constData(), SFM_READ, &info);
    ASSERT_NE(lu, nullptr);
    std::vector<float> x(88200);
    EXPECT_EQ(std::tuple(info.frames, info.channels, info.samplerate, info.format, sf_readf_float(lu, x.data(), 88200)),
              std::tuple(sf_count_t{88200}, 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16, sf_count_t{88200}));
    sf_close(lu);
    for (std::size_t i = 0; i < x.size(); i += 7)
        ASSERT_NEAR(x[i], 0.45 * std::sin(2 * std::numbers::pi * 220 * i / 44100), 3e-4) << i;
    EXPECT_FALSE(f->écoute->exporter(dossier.path(), erreur));
    EXPECT_TRUE(erreur.startsWith("Impossible d'écrire « " + dossier.path())) << erreur.toStdString();
    f->écoute->préparer(44100);
    taper(f->Amplit[3], "50");
    f->écoute->suivre();
    x.resize(2000);  // what the output plays
    f->écoute->générateur()->produire(x.data(), x.size());
    h = f->écoute->harmoniques();
    const double niveau = son::table(h, 220, 44100, 0.5)->niveau, w = 2 * std::numbers::pi * 220 / 44100;
    for (std::size_t i = 500; i < x.size(); i += 37)  // after the fade: ranks 1 and 3
        EXPECT_NEAR(x[i], niveau * (std::sin(w * i) + 0.5 * std::sin(3 * w * i)), 2e-4) << i;
    choisir(f->Combo1, 1);
    EXPECT_EQ(f->écoute->harmoniques().n, 2);
}
}  // namespace
