// The rank-count list.

#include "app/commun.h"
#include "app/form1.h"
#include "app/nombres.h"
#include "widgets/controls.h"

#include <QLineEdit>

void Form1::Combo1_Click()
{
    if (!commun::periode_vide())
        return;  // re-analysing a stored period comes with the extraction
    const int n = static_cast<int>(valeur_texte(Combo1->currentText().toStdString()));
    maj_globale = 1;
    for (int k = n + 1; k <= nb_rangs; ++k) {
        Amplit[k]->setText(QStringLiteral("0"));
        déphas[k]->setText(QStringLiteral("0"));
    }
    maj_globale = 0;
    tracerut();
}
