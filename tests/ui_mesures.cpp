// Opening measurements: "Choix de la période" driven through its controls, the menu entry and its file dialog, a drop,
// bad files, and the analysis in the main window's boxes.
#include "mesures/choix_periode.h"
#include "mesures/periode.h"
#include "tests/outils_compacts.h"
#include "app/texte.h"
#include <random>
struct OuvrirMesures : AvecFenêtre {
    void SetUp() override
    {
        QLocale::setDefault(QLocale::French), AvecFenêtre::SetUp();
        // 10 periods of 20 ms, 1,000 points each, from 0: CH1 a noisy sine with an offset, CH2 a square wave, slightly noisy.
        std::string csv = "Oscilloscope;X\nTemps (s);CH1 (V);CH2 (A)\n";
        std::mt19937 aléa(3);
        std::normal_distribution<double> bruit(0, 0.01);
        for (int i = 0; i < 10000; ++i) {
            const double θ = 2 * M_PI * i / 1000;
            const double ch1 = 0.5 + std::sin(θ) + bruit(aléa), ch2 = (std::sin(θ + 0.5) >= 0 ? 2 : -2) + bruit(aléa) / 20;
            csv += QString::asprintf("%.6f;%.5f;%.5f\n", i * 2e-5, ch1, ch2).replace('.', ',').toStdString();
        }
        écrire("capture.csv", csv), écrire("vide.csv", ""), écrire("court.txt", "1\n2\n1\n0\n1\n2\n1\n0\n1\n2\n1\n0\n1\n");
        choisir(f->Combo2, 2);  // the square of the list: what a bad file or a cancelled dialog must leave shown
        avant = rangs_affichés(*f);
    }
    static double nombre(const QString& t) { return QLocale().toDouble(t); }
    // Opens a file; `action` runs in the period dialog, which is cancelled if left open.
    bool ouvrir(const QString& nom, const std::function<void(ChoixPeriode*)>& action)
    {
        montré = false;
        dans_la_fenêtre_modale<ChoixPeriode>([&](ChoixPeriode* d) { montré = true, action(d), d->isVisible() && (d->Annuler->click(), 1); });
        return f->ouvrir_mesures(chemin(nom));
    }
    bool montré = false;
    std::map<int, std::pair<QString, QString>> avant;  // the ranks shown before opening
};
// The capture's columns, its detected period and start; a start typed in French moves the highlighted period; a column
// picked with the mouse; "Annuler", Escape and the close button change nothing; OK analyses the period, averaged or not.
TEST_F(OuvrirMesures, DialogDrivenThroughItsControls)
{
    const auto période_avant = commun::periode;
    const std::function<void(ChoixPeriode*)> fermetures[] = {[](ChoixPeriode* d) { d->Annuler->click(); },
        [](ChoixPeriode* d) { d->close(); }, [](ChoixPeriode* d) { QTest::keyClick(d, Qt::Key_Escape); }};
    for (const auto& fermer : fermetures) {
        EXPECT_FALSE(ouvrir("capture.csv", [&](ChoixPeriode* d) {
            EXPECT_EQ(std::tuple(d->windowTitle(), d->objectName(), textes(d->Colonnes), d->Colonnes->currentRow(), d->Pas->isEnabled()),
                      std::tuple(QString("Choix de la période"), QString("ChoixPeriode"), QStringList{"CH1 (V)", "CH2 (A)"}, 0, false));
            EXPECT_NEAR(nombre(d->Période->text()), 20.0, 0.002);
            EXPECT_NEAR(nombre(d->Fréquence->text().section(' ', 1, 1)), 50.0, 0.005);
            const double début = nombre(d->Début->text());  // a rising crossing of the mean: sin θ = 0 at 0, 20… ms
            EXPECT_NEAR(std::remainder(début, 20.0), 0.0, 0.1) << début;
            EXPECT_LE(début + 20, 199.98);
            taper(d->Début, "12,5");
            const auto jaunes = de_couleur(d->Tracé->persistentLayer(), qRgb(255, 240, 120));
            ASSERT_EQ(jaunes.size(), 1u);
            EXPECT_NEAR(jaunes[0].x1, 0.0125, 1e-9);
            EXPECT_NEAR(jaunes[0].x2, 0.0125 + nombre(d->Période->text()) / 1000, 1e-9);
            EXPECT_EQ(std::pair(d->NbPériodes->text(), d->Avertissement->text()),  // 50 ranks need 101 points: no warning
                      std::pair(QString("Périodes entières dans le fichier : 9"), QString()));
            QCoreApplication::processEvents();
            EXPECT_GT(pixels(d->Tracé, qRgb(255, 240, 120)), 1000);
            // The whole column, its 10,000 points reduced to the plot's width, drawn across the plot.
            const auto traits = de_couleur(d->Tracé->persistentLayer(), qRgb(0, 0, 160));
            const auto [gauche, droite] = std::minmax_element(traits.begin(), traits.end(), [](const Prim& a, const Prim& b) { return a.x1 < b.x1; });
            EXPECT_EQ(std::tuple(traits.size() > 600 && traits.size() < 1300, gauche->x1 >= 0, gauche->x1 < 0.001, droite->x1 > 0.199, droite->x1 <= 0.19998),
                      std::tuple(true, true, true, true, true));
            EXPECT_GT(pixels(d->Tracé, qRgb(0, 0, 160)), 600);
            const auto [bas, haut] = std::minmax_element(traits.begin(), traits.end(), [](auto& a, auto& b) { return a.y1 < b.y1; });
            const double dessus = d->Tracé->scaleTop(), dessous = dessus + d->Tracé->scaleHeight();  // and its whole height
            EXPECT_EQ(std::tuple(bas->y1 >= dessous, haut->y1 <= dessus, haut->y1 - bas->y1 > 0.85 * (dessus - dessous)),
                      std::tuple(true, true, true)) << dessous << " " << dessus;
            taper(d->Début, "190");
            EXPECT_EQ(std::pair(d->OK->isEnabled(), d->Avertissement->text().startsWith("La période sort du fichier")), std::pair(false, true));
            fermer(d);
            EXPECT_FALSE(d->isVisible());
        }));
        EXPECT_EQ(std::tuple(montré, rangs_affichés(*f) == avant, commun::periode == période_avant), std::tuple(true, true, true));
    }
    // CH2 picked with the mouse, start typed, averaging off then on: the stored period is the file's period from that start.
    for (const bool moyenne : {false, true}) {
        mesures::Trace trace;
        EXPECT_TRUE(ouvrir("capture.csv", [&](ChoixPeriode* d) {
            cliquer(d->Colonnes, "CH2 (A)");
            taper(d->Début, "5,25");
            if (moyenne)  // a click on the box
                for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    souris_sur(d->Moyenner, type, QPointF(8, d->Moyenner->height() / 2), Qt::LeftButton,
                               type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton);
            EXPECT_EQ(d->Moyenner->isChecked(), moyenne);
            trace = d->trace;
            // The periods averaged, from the start to the last whole one, highlighted in a paler yellow.
            const auto pâles = de_couleur(d->Tracé->persistentLayer(), qRgb(255, 250, 205));
            ASSERT_EQ(pâles.size(), moyenne ? 1u : 0u);
            for (const Prim& pâle : pâles)
                EXPECT_NEAR(pâle.x2, 0.00525 + 9 * nombre(d->Période->text()) / 1000, 1e-9);
            d->OK->click();
        }));
        const double T = mesures::détecter_période(trace);
        std::array<double, 4097> attendue, autre;  // the other: averaged when it was not, or the reverse
        const double échelle = mesures::rééchantillonner(trace, 0.00525, T, moyenne ? 9 : 1, attendue);
        mesures::rééchantillonner(trace, 0.00525, T, moyenne ? 1 : 9, autre);
        double pire = 0, écart_autre = 0;
        for (int j = 0; j <= 4096; ++j)
            pire = std::max(pire, std::abs(commun::periode[j] - attendue[j])), écart_autre = std::max(écart_autre, std::abs(commun::periode[j] - autre[j]));
        EXPECT_GT(écart_autre, 3e-4);
        EXPECT_EQ(std::tuple(pire < 1e-3, commun::origine.colonne, commun::origine.unité, std::abs(commun::origine.échelle - échelle) < 1e-3, f->Combo1->currentText()),
                  std::tuple(true, "CH2", "A", true, "50"));
        EXPECT_NEAR(valeur_de(f->Amplit[1]->text()), 400 / M_PI, 0.3);  // a square wave's fundamental, in percent of its peak
        EXPECT_EQ(std::pair(f->Amplit[2]->text(), valeur_de(f->Amplit[3]->text()) > 40), std::pair(QString("0"), true));
        // Its phase: the square rises at -0.5 rad, 5.25 ms (0.2625 turn) before the start.
        EXPECT_NEAR(valeur_de(f->déphas[1]->text()), std::remainder(0.5 * 180 / M_PI + 0.2625 * 360, 360.0), 0.2);
    }
}
// Bad files: a message, no dialog, the window unchanged; a file with no time asks for the interval; few points, fewer ranks.
TEST_F(OuvrirMesures, BadFilesAndFewPoints)
{
    QString vu;
    for (const QString nom : {"vide.csv", "absent.csv", "."}) {
        vu = message([&] { EXPECT_FALSE(ouvrir(nom, [](ChoixPeriode*) {})); });
        EXPECT_EQ(std::tuple(montré, vu.startsWith("Ouvrir des mesures|"), rangs_affichés(*f) == avant), std::tuple(false, true, true)) << nom.toStdString();
    }
    EXPECT_TRUE(vu.contains("Impossible d'ouvrir"));
    EXPECT_TRUE(ouvrir("court.txt", [&](ChoixPeriode* d) {
        // No time: an interval of 1 ms is proposed, then typed as 2 ms; a period of 4 points supports one rank.
        EXPECT_EQ(std::tuple(d->Pas->isEnabled(), d->Pas->text(), d->Période->text()), std::tuple(true, QString("1"), QString("4")));
        taper(d->Pas, "2");
        EXPECT_EQ(std::tuple(d->Période->text(), d->Avertissement->text()),
                  std::tuple(QString("8"), QString("La période ne compte que 4 points : elle permet 1 rangs au plus (au lieu de 50), qui seront utilisés.")));
        d->OK->click();
    }));
    EXPECT_EQ(f->Combo1->currentText(), "1");
}
// The "Fichier" entry opens the file dialog on its filters, in the last folder; a file dropped opens the same way.
TEST_F(OuvrirMesures, MenuEntryAndDrop)
{
    QAction* a = f->findChild<QAction*>("action_OuvrirMesures");
    ASSERT_NE(a, nullptr);
    QStringList filtres;
    for (int fois = 0; fois < 2; ++fois) {
        montré = false;
        QString dossier_montré;
        quand([] { return dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr; }, [&] {
            auto* d = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
            filtres = d->nameFilters(), dossier_montré = d->directory().absolutePath();
            quand([] { return dynamic_cast<ChoixPeriode*>(QApplication::activeModalWidget()) != nullptr; },
                  [&] { montré = true, dynamic_cast<ChoixPeriode*>(QApplication::activeModalWidget())->OK->click(); });
            d->selectFile(chemin("capture.csv"));
            QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        });
        a->trigger();
        EXPECT_EQ(std::pair(montré, dossier_montré == dossier.path()), std::pair(true, fois == 1));
    }
    EXPECT_EQ(filtres, QStringList({"Mesures (*.csv *.txt *.dat *.wav)", "Tous les fichiers (*)"}));
    EXPECT_EQ(commun::origine.colonne, "CH1");
    montré = false;
    QMimeData données, deux;  // two files at once are refused
    données.setUrls({QUrl::fromLocalFile(chemin("capture.csv"))});
    deux.setUrls({QUrl::fromLocalFile(chemin("capture.csv")), QUrl::fromLocalFile(chemin("court.txt"))});
    for (auto [glissées, acceptées] : {std::pair{&données, true}, {&deux, false}}) {
        QDragEnterEvent entrée(QPoint(10, 10), Qt::CopyAction, glissées, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.get(), &entrée);
        EXPECT_EQ(entrée.isAccepted(), acceptées);
    }
    QDropEvent dépôt(QPointF(10, 10), Qt::CopyAction, &données, Qt::LeftButton, Qt::NoModifier);
    quand([] { return dynamic_cast<ChoixPeriode*>(QApplication::activeModalWidget()) != nullptr; },
          [&] { montré = true, dynamic_cast<ChoixPeriode*>(QApplication::activeModalWidget())->Annuler->click(); });
    QApplication::sendEvent(f.get(), &dépôt);
    QApplication::processEvents();  // the file opened once the drop is over
    EXPECT_TRUE(montré);
}
