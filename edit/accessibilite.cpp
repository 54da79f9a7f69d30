// Use without the mouse, the wheel over the rank panel, the names screen
// readers announce, and the lists' popups as wide as their items.

#include "app/form1.h"
#include "app/nombres.h"
#include "app/texte.h"
#include "app/twips.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

namespace {

class Filtre : public QObject {
public:
    Filtre(QObject* parent, std::function<bool(QEvent*)> gestionnaire) : QObject(parent), gestionnaire(std::move(gestionnaire)) {}
    bool eventFilter(QObject*, QEvent* e) override { return gestionnaire(e); }

private:
    std::function<bool(QEvent*)> gestionnaire;
};

Filtre* filtrer(QWidget* w, std::function<bool(QEvent*)> gestionnaire)
{
    auto* filtre = new Filtre(w, std::move(gestionnaire));
    w->installEventFilter(filtre);
    return filtre;
}

void nommer(QWidget* w, const QString& nom)
{
    w->setAccessibleName(nom);
    w->setAccessibleDescription(w->toolTip());
}

// Units a key moves a strip by: the arrows one, the page keys ten.
int pas_de_touche(int touche)
{
    switch (touche) {
    case Qt::Key_Up:
    case Qt::Key_Right: return 1;
    case Qt::Key_Down:
    case Qt::Key_Left: return -1;
    case Qt::Key_PageUp: return 10;
    case Qt::Key_PageDown: return -10;
    default: return 0;
    }
}

constexpr int cran = 120;  // a notch of a mouse wheel, in eighths of a degree

}  // namespace

void Form1::relier_accessibilité()
{
    QWidget* précédent = nullptr;  // Tab: amplitude, phase and trace of a column, then the next column
    for (int i = 0; i <= nb_rangs; ++i) {
        const QString rang = QString::number(i);
        for (QWidget* w : {static_cast<QWidget*>(Amplit[i]), static_cast<QWidget*>(déphas[i]), static_cast<QWidget*>(Command3[i])}) {
            if (i == 0 && w == déphas[0])
                continue;
            if (précédent)
                QWidget::setTabOrder(précédent, w);
            précédent = w;
        }
        for (Surface* bande : {bar[i], bar_deg[i]}) {
            const bool phase = bande == bar_deg[i];
            bande->setFocusPolicy(Qt::ClickFocus);
            filtrer(bande, [this, i, phase](QEvent* e) {
                return e->type() == QEvent::KeyPress && touche_bande(i, phase, static_cast<QKeyEvent*>(e)->key());
            });
        }
        nommer(Amplit[i], i ? QStringLiteral("Amplitude du rang ") + rang : QStringLiteral("Composante continue"));
        nommer(déphas[i], QStringLiteral("Phase du rang ") + rang);
        nommer(bar[i], i ? QStringLiteral("Bande d'amplitude du rang ") + rang
                         : QStringLiteral("Bande de la composante continue"));
        nommer(bar_deg[i], QStringLiteral("Bande de phase du rang ") + rang);
        nommer(Command3[i], i ? QStringLiteral("Tracé du rang ") + rang : QStringLiteral("Tracé de la composante continue"));
        nommer(Label4[i], QStringLiteral("Pourcentage du fondamental, rang ") + rang);
        nommer(Frame1[i], i ? QStringLiteral("Rang ") + rang : QStringLiteral("Composante continue"));
    }
    const std::pair<QWidget*, const char*> noms[] = {
        {Picture1, "Diagramme de Fresnel"},       {Picture2, "Forme d'onde synthétisée"},
        {Picture4, "Rangs"},                      {Command1, "Animer"},
        {Command4, "Finir le tracé"},             {Command2, "RAZ"},
        {Command5, "A propos"},                   {HScroll2, "Vitesse d'animation"},
        {VScroll1, "Zoom vertical"},              {HScroll1, "Défilement des rangs"},
        {Combo1, "Nombre de rangs utilisés"},     {Combo2, "Signal"},
        {Label3, "Indication"},
    };
    for (auto [w, nom] : noms)
        nommer(w, QString::fromUtf8(nom));

    // The column that takes the focus is scrolled into view.
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* focus) {
        for (int i = 0; focus && i <= nb_rangs; ++i)
            if (Frame1[i]->isAncestorOf(focus))
                montrer_colonne(i);
    });
    // The wheel over the panel scrolls it a column a notch; it changes no value.
    // Its controls do not pass the wheel on to the panel: each has the filter.
    QObject* molette = filtrer(Picture4, [this](QEvent* e) {
        if (e->type() != QEvent::Wheel)
            return false;
        const QPoint angle = static_cast<QWheelEvent*>(e)->angleDelta();
        reste_molette += angle.y() ? angle.y() : angle.x();
        const int crans = reste_molette / cran;
        reste_molette -= crans * cran;
        HScroll1->setValue(HScroll1->value() - crans * HScroll1->singleStep());
        return true;
    });
    for (QWidget* w : Picture4->findChildren<QWidget*>())
        w->installEventFilter(molette);
    // The popups show their longest item whole.
    for (QComboBox* liste : {static_cast<QComboBox*>(Combo1), static_cast<QComboBox*>(Combo2)}) {
        QAbstractItemView* vue = liste->view();
        vue->setMinimumWidth(vue->sizeHintForColumn(0) + 2 * vue->frameWidth() +
                             vue->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vue));
    }
}

void Form1::montrer_colonne(int i)
{
    const int gauche = (largeur_colonne + écart_colonnes) * i;
    const int droite = gauche + largeur_colonne + 2 * écart_colonnes;
    int valeur = HScroll1->value();
    if (droite > valeur + largeur_client())
        valeur = droite - largeur_client();
    valeur = std::min(valeur, gauche);
    HScroll1->setValue(valeur);
}

// As a press of the pointer at the new value and its release: the value
// goes through the rank's box, limited as a drag limits it.
bool Form1::touche_bande(int i, bool phase, int touche)
{
    const int pas = pas_de_touche(touche);
    if (pas == 0)
        return false;
    const auto rang = static_cast<int16_t>(i);
    const float v = static_cast<float>(arrondi(valeur_de((phase ? déphas : Amplit)[i]->text()), 0) + pas);
    étape(QStringLiteral("le glissement du rang %1").arg(i), [&] {
        if (phase) {
            bar_deg_MouseDown(rang, 1, 0, v, 0);
            bar_deg_MouseUp(rang, 1, 0, v, 0);
        } else {
            bar_MouseDown(rang, 1, 0, 0, 100 - v);
            bar_MouseUp(rang, 1, 0, 0, 100 - v);
        }
    });
    return true;
}
