// The rank-count list.

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "widgets/controls.h"

#include <QLineEdit>

void Form1::Combo1_Click()
{
    if (!commun::periode_vide()) {
        // A stored period is analysed again for the new count.
        Picture2_MouseUp(0, 0, 0, 0);
        return;
    }
    const double n = valeur_de(Combo1->currentText());
    maj_globale = 1;
    for (int k = std::max(0, static_cast<int>(n) + 1); k <= nb_rangs; ++k) {
        Amplit[k]->setText(QStringLiteral("0"));
        déphas[k]->setText(QStringLiteral("0"));
    }
    maj_globale = 0;
    tracerut();
}
