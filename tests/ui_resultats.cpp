// Export (CSV, PNG, SVG, WAV, clipboard), safe writes that fail in French, signals saved and reopened, the sound's ranks
// and no device, and the "Mesures" window in French: its figures against direct sums for list signals and after any change.
#include "app/texte.h"
#include "son/ecoute.h"
#include "tests/outils_compacts.h"
#include <QSvgRenderer>
#include <complex>
#include <csignal>
#include <sndfile.h>
#include <sys/resource.h>
#include <unistd.h>
namespace {
struct Résultats : AvecFenêtre {
    // What a saved signal holds, as the window shows it.
    auto état() const
    {
        QStringList t;
        for (int k = 0; k <= Form1::nb_rangs; ++k)
            t << f->Amplit[k]->text() << f->déphas[k]->text() << f->Label4[k]->text();
        return std::tuple(t, f->Combo1->currentText(), f->Combo2->currentText(), commun::origine, commun::periode);
    }
};
QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}
constexpr double π = 3.14159265358979323846;
struct FenetreDesMesures : Résultats {
    void SetUp() override
    {
        Résultats::SetUp();
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        f->action_Mesures->trigger();
        fenêtre = f->findChild<QWidget*>("Mesures");
    }
    QString texte(const QString& nom) const { return fenêtre->findChild<QLabel*>(nom)->text(); }
    QStringList textes(auto... noms) const { return {texte(noms)...}; }
    // Every figure shown ("12,34 %", or "—" for none) against the boxes' ranks 0 to n summed here on a fine grid
    // (undrawn negative ranks left out) and against the stored period's samples and direct transform.
    void vérifier(const std::string& cas) const
    {
        const int n = int(valeur_de(f->Combo1->currentText())), m = 1 << 14;
        double s = 0, s2 = 0, sabs = 0, max = 0, h = 0, a1 = std::max(0.0, f->Amplit[1]->text().toDouble());
        for (int i = 0; i < m; ++i) {
            double y = f->Amplit[0]->text().toDouble();
            for (int k = 1; k <= n; ++k)
                y += std::max(0.0, f->Amplit[k]->text().toDouble()) * std::sin(k * 2 * π * i / m + f->déphas[k]->text().toDouble() * π / 180);
            s += y / m, s2 += y * y / m, sabs += std::abs(y) / m, max = std::max(max, std::abs(y));
        }
        for (int k = 2; k <= n; ++k)
            h += std::pow(std::max(0.0, f->Amplit[k]->text().toDouble()), 2);
        double p = 0, p2 = 0, pmax = 0, porté = 0;
        for (int i = 0; i < 4096; ++i)
            p += commun::periode[i] / 4096, p2 += commun::periode[i] * commun::periode[i] / 4096, pmax = std::max(pmax, std::abs(commun::periode[i]));
        for (int k = 0; k <= n && p2 > 0; ++k) {
            std::complex<double> x;
            for (int i = 0; i < 4096; ++i)
                x += commun::periode[i] * std::polar(1.0, -2 * π * k * i / 4096);
            porté += (k ? 2 : 1) * std::norm(x) / (4096.0 * 4096);
        }
        const auto sur = [](double x, double y) { return y > 0 ? std::optional(x / y) : std::nullopt; };
        const std::pair<const char*, std::optional<double>> figures[] = {
            {"moyenne", s}, {"efficace", std::sqrt(s2)}, {"efficace_fondamental", a1 / std::sqrt(2)}, {"thd_f", sur(100 * std::sqrt(h), a1)},
            {"thd_r", sur(100 * std::sqrt(h), std::sqrt(h + a1 * a1))}, {"facteur_crête", sur(max, std::sqrt(s2))},
            {"facteur_forme", sur(std::sqrt(s2), sabs)}, {"période_moyenne", 100 * p}, {"période_efficace", 100 * std::sqrt(p2)},
            {"période_crête", 100 * pmax}, {"part_hors_rangs", 100 * std::max(0.0, 1 - porté / p2)}};
        for (auto [nom, attendu] : figures) {
            if (p2 == 0 && nom[0] == 'p')  // no period: none of its figures, nor their captions
                continue;
            QString t = texte(nom);
            const double vu = QLocale(QLocale::French).toDouble(t.remove(" %"));
            ASSERT_EQ(t != "—", attendu.has_value()) << nom << " " << cas;
            const double a = attendu.value_or(vu);  // four significant digits shown
            EXPECT_NEAR(vu, a, 6e-4 * std::abs(a) + 1e-9) << nom << " " << cas << " " << t.toStdString();
        }
        EXPECT_EQ(std::pair(fenêtre->findChild<QLabel*>("sans_période")->isVisible(), fenêtre->findChild<QLabel*>("efficace_unité")->isVisible()),
                  std::pair(p2 == 0, commun::origine.échelle > 0)) << cas;
    }
    QWidget* fenêtre = nullptr;
};
}  // namespace
// The harmonic table read back in French (";", ",") and in English (",", "."), ranks 0 to n, with a measurement's unit.
TEST_F(Résultats, HarmonicTableReadBackInBothLocales) {
    for (auto [k, a, d] : {std::tuple{0, "-12.5", "0"}, {1, "100", "0"}, {2, "33.3", "45.25"}, {3, "7", "-90"}, {4, "9", "9"}})
        f->Amplit[k]->setText(a), f->déphas[k]->setText(d);
    choisir(f->Combo1, 2);  // n = 3: rank 4 cleared
    const struct { QLocale locale; QChar sép; std::string unité; double échelle; } cas[] = {
        {QLocale(QLocale::French, QLocale::France), ';', "", 0}, {QLocale(QLocale::English, QLocale::UnitedStates), ',', "", 0},
        {QLocale(QLocale::French, QLocale::Canada), ';', "mA", 250}};
    for (const auto& c : cas) {
        QLocale::setDefault(c.locale), commun::origine.unité = c.unité, commun::origine.échelle = c.échelle;
        ASSERT_TRUE(f->exporter_harmoniques(chemin("h.csv")));
        const QStringList lignes = QString::fromUtf8(contenu(chemin("h.csv")).mid(3)).split("\r\n", Qt::SkipEmptyParts);
        ASSERT_EQ(lignes.size(), 5) << lignes.join('|').toStdString();
        const QStringList entête = QStringList{"Rang", "Amplitude (%)", "Déphasage (°)", "Amplitude efficace (%)", "Amplitude (mA)"}.mid(0, c.échelle ? 5 : 4);
        EXPECT_EQ(lignes[0].split(c.sép), entête);
        for (int k = 0; k <= 3; ++k) {
            const QStringList champs = lignes[k + 1].split(c.sép);
            ASSERT_EQ(champs.size(), entête.size()) << lignes[k + 1].toStdString();
            const double a = f->Amplit[k]->text().toDouble();
            const double attendus[] = {double(k), a, f->déphas[k]->text().toDouble(), k ? a / std::sqrt(2) : a, a / 100 * c.échelle};
            for (int i = 0; i < champs.size(); ++i)
                EXPECT_NEAR(c.locale.toDouble(champs[i]), attendus[i], 1e-12) << k << " " << i;
        }
    }
}
// Diagram and waveform side by side in their colours: PNG at twice the resolution, SVG, the clipboard; other names refused.
TEST_F(Résultats, PictureAsPngSvgAndOnTheClipboard) {
    choisir(f->Combo2, 2);  // "Signal carré": the stored period in magenta, the waveform in black
    ASSERT_TRUE(f->exporter_image(chemin("image.png")));
    const QImage png(chemin("image.png"));
    const QSize taille(f->Picture1->width() + 8 + f->Picture2->width(), std::max(f->Picture1->height(), f->Picture2->height()));
    EXPECT_EQ(png.size(), 2 * taille);
    EXPECT_TRUE(pixels(png, noir) > 2000 && pixels(png, magenta) > 2000 && pixels(png, jaune) > 500 &&
                pixels(png.copy(0, 0, 2 * f->Picture1->width(), png.height()), noir) > 100);  // black in the diagram's half
    ASSERT_TRUE(f->exporter_image(chemin("image.SVG")));
    QSvgRenderer svg(chemin("image.SVG"));  // drawn again: the same plots in their colours, white between them
    QImage rendu(taille, QImage::Format_ARGB32);
    rendu.fill(Qt::transparent);
    svg.render(std::make_unique<QPainter>(&rendu).get());  // the painter ended before the picture is read
    // Black, magenta and yellow (each component over 200 or under 150), or half of them on white where a line is smoothed.
    const auto vus = [&](bool r, bool v, bool b) {
        const auto c = [](int x, bool haut) { return haut ? x > 200 : x < 150; };
        return pixels(rendu, [&](QRgb p) { return c(qRed(p), r) && c(qGreen(p), v) && c(qBlue(p), b); });
    };
    EXPECT_EQ(std::tuple(svg.viewBox(), rendu.pixel(f->Picture1->width() + 4, 5), vus(0, 0, 0) > 500),
              std::tuple(QRect(QPoint(0, 0), taille), qRgb(255, 255, 255), true));
    EXPECT_TRUE(vus(1, 0, 1) > 500 && vus(1, 1, 0) > 100);
    QGuiApplication::clipboard()->clear();
    f->action_CopierImage->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), 2 * taille);
    EXPECT_EQ(message([&] { f->exporter_image(chemin("image.bmp")); }), "Sinuvia|Le nom de l'image doit finir par .png ou .svg.");
    EXPECT_FALSE(QFile::exists(chemin("image.bmp")));
}
// An unwritable folder, a folder's name, a full disk: a French message, the existing file whole, no temporary file beside it.
TEST_F(Résultats, FailedWritesLeaveTheExistingFile) {
    const QString lecture_seule = geteuid() ? chemin("ro") : QString("/proc");  // root may write in any folder of its own
    if (geteuid() && QDir(dossier.path()).mkdir("ro"))
        QFile::setPermissions(lecture_seule, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(message([&] { EXPECT_FALSE(f->exporter_harmoniques(lecture_seule + "/h.csv")); }),
              "Sinuvia|Impossible d'enregistrer « " + lecture_seule + "/h.csv » : le dossier « " + lecture_seule +
                  " » n'est pas accessible en écriture.");
    EXPECT_EQ(message([&] { EXPECT_FALSE(f->enregistrer_signal(dossier.path())); }),
              "Sinuvia|Impossible d'enregistrer « " + dossier.path() + " » : ce nom est celui d'un dossier.");
    // The disk full after a few bytes (a file size limit): the old file stays as it was.
    QFile ancien(chemin("h.csv"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6 && ancien.flush());
    rlimit avant{};
    getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit petite{16, avant.rlim_max};
    const auto gestionnaire = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petite);
    const QString texte = message([&] { EXPECT_FALSE(f->exporter_harmoniques(chemin("h.csv"))); });
    setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, gestionnaire);
    EXPECT_EQ(texte, "Sinuvia|Impossible d'enregistrer « " + chemin("h.csv") +
                         " » : l'écriture a échoué (disque plein ?). Le fichier existant n'a pas été modifié.");
    EXPECT_EQ(std::pair(contenu(chemin("h.csv")), QDir(dossier.path()).entryList(QDir::Files)), std::pair(QByteArray("ancien"), QStringList{"h.csv"}));
}
// Saved and reopened: every box text, the rank count, the list's entry, the measurement's origin, the period bit for
// bit and the window as shown; a damaged, foreign, newer or absurd document: a French message, and nothing changes.
TEST_F(Résultats, SaveAndReopenRestoresTheWindowBadDocumentsChangeNothing) {
    choisir(f->Combo2, 6);
    choisir(f->Combo1, 11);
    taper(f->Amplit[3], "12.345678");
    f->déphas[5]->setText("-1e-7");
    commun::periode[17] = 0.1 + 3e-17 * 7;
    commun::periode[4000] = -1.0 / 3;
    commun::origine = {"/tmp/mesure I(L1).csv", "I(L1)", "A", 12.5};
    f->VScroll1_Change();  // redrawn with the period
    const auto enregistré = état();
    QCoreApplication::processEvents();
    const QImage vu = à_l_écran(f->Picture2), diagramme = à_l_écran(f->Picture1);
    ASSERT_TRUE(f->enregistrer_signal(chemin("s.sinuvia")));
    const QJsonObject bon = QJsonDocument::fromJson(contenu(chemin("s.sinuvia"))).object();
    auto avec = [&](const char* clé, QJsonValue v, bool dans_la_source = false) {
        QJsonObject o = bon, source = bon["source"].toObject();
        (dans_la_source ? source : o)[QString::fromUtf8(clé)] = v;
        o["source"] = source;
        return QJsonDocument(o).toJson();
    };
    QJsonArray avec_nan = bon["période"].toArray(), courte = avec_nan;
    avec_nan[10] = "nan";
    while (courte.size() > 4000)
        courte.removeLast();
    const auto abîmé = [](const char* raison) { return "le fichier est endommagé (" + QString(raison) + ")."; };
    const std::pair<QByteArray, QString> cas[] = {
        {"{\"format\": \"sinuvia-signal\", \"version\": 1, ", abîmé("ce n'est pas du JSON valable")},
        {"[1, 2]", abîmé("pas un objet JSON")}, {"\x89PNG\r\n", abîmé("ce n'est pas du JSON valable")},
        {avec("format", "autre"), "ce n'est pas un signal enregistré par Sinuvia."},
        {avec("version", 2), "il a été enregistré par une version plus récente de Sinuvia (format 2, celle-ci lit le format 1)."},
        {avec("version", 0), abîmé("version illisible")}, {avec("version", 1.5), abîmé("version illisible")},
        {avec("rangs", 70), "Le nombre de rangs (70) n'est pas compris entre 1 et 50."},
        {avec("rangs", "50"), abîmé("nombre de rangs illisible")},
        {avec("liste", "3", true), abîmé("source illisible")}, {avec("liste", 2.5, true), abîmé("source illisible")},
        {avec("période", courte), abîmé("la période compte 4000 échantillons au lieu de 4097")},
        {avec("période", avec_nan), abîmé("l'échantillon 10 de la période n'est pas un nombre")},
        {avec("amplitudes", QJsonArray{"1", "2"}), abîmé("il faut 51 amplitudes")},
        {avec("échelle", -2, true), "L'échelle de la mesure n'est pas un nombre positif."},
        {avec("liste", 12, true), "Le signal de la liste n'existe pas."},
    };
    choisir(f->Combo2, 4);
    choisir(f->Combo1, 9);
    taper(f->Amplit[2], "77");
    commun::origine = {"m.csv", "U", "V", 3};
    const auto avant = état();
    for (const auto& [octets, raison] : cas) {
        QFile fichier(chemin("mauvais.sinuvia"));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(octets) == octets.size() && fichier.flush());
        EXPECT_EQ(message([&] { EXPECT_FALSE(f->ouvrir_signal(chemin("mauvais.sinuvia"))); }),
                  "Sinuvia|Impossible d'ouvrir « " + chemin("mauvais.sinuvia") + " » : " + raison);
        EXPECT_TRUE(état() == avant) << raison.toStdString();
    }
    EXPECT_EQ(message([&] { f->ouvrir_signal(chemin("absent.sinuvia")); }),
              "Sinuvia|Impossible d'ouvrir « " + chemin("absent.sinuvia") + " » : le fichier est illisible ou n'existe pas.");
    EXPECT_EQ(message([&] { EXPECT_TRUE(f->ouvrir_signal(chemin("s.sinuvia"))); }), "");
    EXPECT_EQ(état(), enregistré);
    QCoreApplication::processEvents();
    EXPECT_TRUE(à_l_écran(f->Picture2) == vu && à_l_écran(f->Picture1) == diagramme && f->maj_globale == 0);
}
// Ctrl+S typed saves through the file dialog (the suffix added), Ctrl+M shows "Mesures"; an opened signal is one step undone.
TEST_F(Résultats, ShortcutsAndOpeningAsOneStep) {
    choisir(f->Combo2, 3);
    f->activateWindow();
    QCoreApplication::processEvents();
    dans_la_fenêtre_modale<QFileDialog>([&](QFileDialog* d) { d->selectFile(chemin("triangle")), static_cast<QDialog*>(d)->accept(); });
    QTest::keyClick(f->Amplit[2], Qt::Key_S, Qt::ControlModifier);
    touche(Qt::Key_M, Qt::ControlModifier, f->Amplit[2]);
    const auto* mesures = f->findChild<QWidget*>("Mesures");
    ASSERT_TRUE(QFile::exists(chemin("triangle.sinuvia")) && mesures && mesures->isVisible());
    const QString triangle = f->Amplit[3]->text();
    choisir(f->Combo2, 2);
    const QString carré = f->Amplit[3]->text();
    ASSERT_TRUE(f->ouvrir(chemin("triangle.sinuvia")));
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), f->Combo2->currentText()), std::tuple(triangle, "Signal triangulaire"));
    f->action_annuler->trigger();
    EXPECT_EQ(std::tuple(f->Amplit[3]->text(), f->Combo2->currentText(), f->action_rétablir->text()),
              std::tuple(carré, "Signal carré", "&Rétablir l'ouverture de « triangle.sinuvia »"));
}
// Without a device the checkable "É&couter" is disabled and says why; the panel's frequency: 55 to 1,760 Hz, 220 at first.
// The sound follows the ranks in use (the count shown, the fundamental as 0 when its box reads 0, a typed rank); the export:
// two seconds of "Signal sinusoidal" at half volume, 16-bit PCM mono at 44,100 Hz to the last sample; a folder refused in French.
TEST_F(Résultats, SoundWithoutADeviceItsRanksAndTheWavExport)
{
    QAction* écouter = f->action_écouter;
    f->écoute->régler_appareil(QAudioDevice());
    EXPECT_TRUE(écouter->toolTip().startsWith("Aucune sortie audio") && f->menu_outils->toolTipsVisible());
    écouter->trigger();
    const QSpinBox* fr = f->écoute->fréquence;
    EXPECT_EQ(std::tuple(écouter->isCheckable(), écouter->isEnabled(), écouter->isChecked(), f->écoute->en_marche(),
                         fr->minimum(), fr->maximum(), fr->value()), std::tuple(true, false, false, false, 55, 1760, 220));
    choisir(f->Combo2, 7);  // "Redressement double alternance": no fundamental
    const son::Harmoniques h = f->écoute->harmoniques();
    EXPECT_EQ(std::tuple(h.n, h.amplitude[1], h.amplitude[2]), std::tuple(50, 0.0, commun::composantes[2].amplitude));
    choisir(f->Combo2, 8);  // "Signal sinusoidal"
    QString erreur;
    ASSERT_TRUE(f->écoute->exporter(chemin("la.wav"), erreur)) << erreur.toStdString();
    SF_INFO info{};
    SNDFILE* lu = sf_open(chemin("la.wav").toLocal8Bit().constData(), SFM_READ, &info);
    ASSERT_NE(lu, nullptr);
    std::vector<float> x(88200);
    EXPECT_EQ(std::tuple(info.frames, info.channels, info.samplerate, info.format, sf_readf_float(lu, x.data(), 88200)),
              std::tuple(sf_count_t{88200}, 1, 44100, SF_FORMAT_WAV | SF_FORMAT_PCM_16, sf_count_t{88200}));
    sf_close(lu);
    for (std::size_t i = 0; i < x.size(); i += 7)
        ASSERT_NEAR(x[i], 0.45 * std::sin(2 * π * 220 * i / 44100), 3e-4) << i;
    EXPECT_FALSE(f->écoute->exporter(dossier.path(), erreur));
    EXPECT_TRUE(erreur.startsWith("Impossible d'écrire « " + dossier.path())) << erreur.toStdString();
    f->écoute->préparer(44100);
    taper(f->Amplit[3], "50");
    f->écoute->suivre();
    x.resize(2000);  // what the output plays
    f->écoute->générateur()->produire(x.data(), x.size());
    const double niveau = son::table(f->écoute->harmoniques(), 220, 44100, 0.5)->niveau, w = 2 * π * 220 / 44100;
    for (std::size_t i = 500; i < x.size(); i += 37)  // after the fade: ranks 1 and 3
        EXPECT_NEAR(x[i], niveau * (std::sin(w * i) + 0.5 * std::sin(3 * w * i)), 2e-4) << i;
    choisir(f->Combo1, 1);
    EXPECT_EQ(f->écoute->harmoniques().n, 2);
}
// Opened from "&Outils", beside the main window; for signals of the list, figures of the ranks and of the stored
// period as computed here; a pure sine's exact figures; "—" for a fundamental whose box reads 0.
TEST_F(FenetreDesMesures, FiguresOfListSignalsAgainstDirectSums) {
    EXPECT_EQ(std::tuple(fenêtre->windowTitle(), fenêtre->isVisible(), fenêtre->isModal(), fenêtre->isWindow(),
                         fenêtre->frameGeometry().intersects(f->frameGeometry())),
              std::tuple("Mesures", true, false, true, false));
    for (int signal : {0, 2, 6, 7, 8})
        for (int n : {50, 7}) {
            choisir(f->Combo2, signal);
            choisir(f->Combo1, n - 1);
            vérifier(f->Combo2->currentText().toStdString() + ", n = " + std::to_string(n));
        }
    // "Signal sinusoidal", shown last: exactly one rank of 100 %, under the title of ranks 0 to n
    EXPECT_EQ(textes("moyenne", "efficace", "efficace_fondamental", "thd_f", "thd_r", "facteur_crête", "facteur_forme",
                     "part_hors_rangs", "période_moyenne") << fenêtre->findChild<QGroupBox*>()->title(),
              QStringList({"0 %", "70,71 %", "70,71 %", "0 %", "0 %", "1,414", "1,111", "0 %", "0 %", "Rangs 0 à 7"}));
    choisir(f->Combo2, 7);  // "Redressement double alternance": no fundamental, 0.01 stored for it
    EXPECT_EQ(std::tuple(f->Amplit[1]->text(), commun::composantes[1].amplitude, texte("thd_f"), texte("efficace_fondamental")),
              std::tuple("0", 0.01, "—", "0 %"));
}
// Updated after typing, a drag, the rank count and "RAZ"; not while a bulk writer holds the redraws. A measurement's
// figures also in its file's unit, right-aligned.
TEST_F(FenetreDesMesures, UpdatedAfterEveryChangeButNotInsideABulkUpdate) {
    f->Amplit[1]->setText("80");
    f->Amplit[3]->setText("20");
    const std::function<void()> changements[] = {
        [&] { taper(f->Amplit[1], "2000"); }, [&] { taper(f->Amplit[3], "40"); }, [&] { taper(f->déphas[3], "-90"); },
        [&] { glisser(f->bar[2], QEvent::MouseButtonPress, 50.5), glisser(f->bar[2], QEvent::MouseMove, 70.2),
              glisser(f->bar[2], QEvent::MouseButtonRelease, 70.2); },
        [&] { glisser(f->bar[0], QEvent::MouseButtonPress, 140), glisser(f->bar[0], QEvent::MouseButtonRelease, 140); },
        [&] { choisir(f->Combo1, 1); },
        [&] { souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease); },
    };
    for (std::size_t i = 0; i < std::size(changements); ++i) {
        changements[i]();
        vérifier("change " + std::to_string(i));
        EXPECT_TRUE(i || texte("efficace_fondamental") == "1414 %");  // no group separator
    }
    f->maj_globale = 1;
    f->Amplit[1]->setText("50");  // after "RAZ", and not yet shown
    EXPECT_EQ(textes("efficace", "facteur_crête", "thd_r"), QStringList({"0 %", "—", "—"}));
    f->maj_globale = 0;
    commun::origine = {"", "", "A", 0.25};
    commun::periode[100] = 0.5;
    f->tracerut();
    vérifier("measured");
    for (const QLabel* l : fenêtre->findChildren<QLabel*>(QRegularExpression("^(moyenne|efficace|période_crête)(_unité)?$")))
        EXPECT_TRUE(l->isVisible() && (l->alignment() & Qt::AlignRight)) << l->objectName().toStdString();
    EXPECT_EQ(textes("efficace", "efficace_unité", "période_crête", "période_crête_unité"),
              QStringList({"35,36 %", "0,08839 A", "50,00 %", "0,1250 A"}));
}
