// The signal library and the import entry of the signal list.

#include "app/commun.h"
#include "app/form1.h"
#include "signal/calcul/signaux.h"
#include "signal/form2.h"
#include "widgets/controls.h"

void Form1::relier_signaux()
{
    Combo2->onClick = [this] {
        étape(QStringLiteral("le choix du signal « %1 »").arg(Combo2->currentText()), [this] { Combo2_Click(); });
    };
}

// Runs for every pick, the entry already shown included, so that picking a
// signal again restores it after its ranks were edited.
void Form1::Combo2_Click()
{
    commun::periode.fill(0.0);
    const auto indice = static_cast<int16_t>(Combo2->currentIndex());
    if (indice == signaux::importation) {
        if (!form2)
            form2 = new Form2(this);
        form2->exec();
        if (fichier.isEmpty()) {  // cancelled: the ranks stay, no period is stored
            tracerut();
            tracer_periode();
            return;
        }
    } else {
        signaux::écrire_signal(indice, commun::periode);
    }
    tracer_periode();
    analyser_periode();
    tracerut();
    tracer_periode();
}
