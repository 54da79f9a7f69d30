// Undo and redo of the user's steps. Each step keeps the state it started
// from and the state it left; undoing writes the earlier state back through
// the boxes, as every editor does, and redraws once.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QUndoStack>

#include <utility>

namespace {

class Étape : public QUndoCommand {
public:
    Étape(Form1& f, const QString& nom, Form1::État avant, Form1::État après)
        : QUndoCommand(nom), fenêtre(f), avant(std::move(avant)), après(std::move(après))
    {
    }
    void undo() override { fenêtre.rétablir_état(avant); }
    // The first redo is the step itself, already done by the user.
    void redo() override
    {
        if (!std::exchange(première, false))
            fenêtre.rétablir_état(après);
    }

private:
    Form1& fenêtre;
    const Form1::État avant, après;
    bool première = true;
};

// A text box takes Ctrl+Z for its own typing: leave undo and redo to the
// window's history, wherever the focus is.
class RaccourcisDeLHistorique : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::ShortcutOverride)
            return false;
        const auto* touche = static_cast<QKeyEvent*>(e);
        // (Redo is Ctrl+Shift+Z and Ctrl+Y here.)
        const bool historique = touche->matches(QKeySequence::Undo) || touche->matches(QKeySequence::Redo);
        if (historique)
            e->ignore();
        return historique;
    }
};

constexpr int nb_étapes = 100;
const QString nom_saisie = QStringLiteral("la saisie du rang ");

}  // namespace

bool Form1::État::operator==(const État& autre) const
{
    return amplitudes == autre.amplitudes && phases == autre.phases && rangs == autre.rangs && signal == autre.signal &&
           (periode == autre.periode || (periode && autre.periode && *periode == *autre.periode));
}

Form1::État Form1::état_actuel() const
{
    État état;
    for (int i = 0; i <= nb_rangs; ++i) {
        état.amplitudes[i] = Amplit[i]->text();
        état.phases[i] = déphas[i]->text();
    }
    état.rangs = Combo1->currentIndex();
    état.signal = Combo2->currentIndex();
    if (état_stable.periode && *état_stable.periode == commun::periode)
        état.periode = état_stable.periode;
    else
        état.periode = std::make_shared<const std::array<double, 4097>>(commun::periode);
    return état;
}

void Form1::construire_historique()
{
    historique = new QUndoStack(this);
    historique->setObjectName(QStringLiteral("historique"));
    historique->setUndoLimit(nb_étapes);
    menu_édition = new QMenu(QStringLiteral("&Édition"), barre_menus);
    menu_édition->setObjectName(QStringLiteral("menu_Edition"));
    barre_menus->insertMenu(menu_outils->menuAction(), menu_édition);
    action_annuler = menu_édition->addAction(QString());
    action_annuler->setObjectName(QStringLiteral("action_Annuler"));
    action_annuler->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    action_rétablir = menu_édition->addAction(QString());
    action_rétablir->setObjectName(QStringLiteral("action_Retablir"));
    action_rétablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // A step under way (typing) ends before anything is undone or redone.
    QObject::connect(action_annuler, &QAction::triggered, this, [this] {
        fin_étape();
        historique->undo();
    });
    QObject::connect(action_rétablir, &QAction::triggered, this, [this] {
        fin_étape();
        historique->redo();
    });
    QObject::connect(historique, &QUndoStack::indexChanged, this, [this] { montrer_historique(); });
    montrer_historique();
}

// The entries name the step they would undo or redo; typing under way counts
// as the step to undo, and leaves nothing to redo.
void Form1::montrer_historique()
{
    const auto nommer = [](QAction* a, const QString& verbe, const QString& nom) {
        a->setText(nom.isEmpty() ? verbe : verbe + QLatin1Char(' ') + nom);
        a->setEnabled(!nom.isEmpty());
    };
    nommer(action_annuler, QStringLiteral("&Annuler"), étape_en_cours.value_or(historique->undoText()));
    nommer(action_rétablir, QStringLiteral("&Rétablir"), étape_en_cours ? QString() : historique->redoText());
}

void Form1::relier_historique()
{
    auto* raccourcis = new RaccourcisDeLHistorique(this);
    for (int i = 0; i <= nb_rangs; ++i) {
        const QString nom = nom_saisie + QString::number(i);
        for (QLineEdit* boîte : {Amplit[i], déphas[i]}) {
            boîte->installEventFilter(raccourcis);
            QObject::connect(boîte, &QLineEdit::textEdited, this, [this, nom] { début_étape(nom); });
            QObject::connect(boîte, &QLineEdit::editingFinished, this, [this] { fin_étape(); });
        }
    }
    état_stable = état_actuel();
}

// Every change of the state is a step: the state a step starts from is the
// one the last step left. (Typing and the lists report a step once their
// text or item has already changed.)
void Form1::début_étape(const QString& nom)
{
    if (en_rétablissement || profondeur_étape > 0 || étape_en_cours == nom)
        return;
    fin_étape();
    étape_en_cours = nom;
    montrer_historique();
}

void Form1::fin_étape()
{
    if (en_rétablissement || profondeur_étape > 0 || !étape_en_cours)
        return;
    const QString nom = *std::exchange(étape_en_cours, std::nullopt);
    État après = état_actuel();
    if (après == état_stable) {
        montrer_historique();
        return;
    }
    État avant = std::exchange(état_stable, après);
    historique->push(new Étape(*this, nom, std::move(avant), std::move(après)));
}

void Form1::étape(const QString& nom, const std::function<void()>& action)
{
    if (profondeur_étape > 0) {
        action();
        return;
    }
    début_étape(nom);
    ++profondeur_étape;
    action();
    --profondeur_étape;
    fin_étape();
}

void Form1::rétablir_état(const État& état)
{
    en_rétablissement = true;
    maj_globale = 1;
    {
        const QSignalBlocker rangs(Combo1), signal(Combo2);
        Combo1->setCurrentIndex(état.rangs);
        Combo2->setCurrentIndex(état.signal);
    }
    commun::periode = *état.periode;
    for (int i = 0; i <= nb_rangs; ++i) {
        Amplit[i]->setText(état.amplitudes[i]);
        déphas[i]->setText(état.phases[i]);
    }
    maj_globale = 0;
    init();
    tracerut();
    tracer_periode();
    état_stable = état;
    en_rétablissement = false;
}
