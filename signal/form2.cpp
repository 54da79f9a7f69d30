// The import dialog: drive, folder and file lists, the column list of the
// chosen file, "OK" and "Annuler".

#include "signal/form2.h"

#include "app/commun.h"
#include "app/form1.h"
#include "app/polices.h"
#include "app/twips.h"
#include "signal/calcul/psim.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>

#include <functional>
#include <memory>

namespace {

const QString titre = QStringLiteral("Importer un fichier Psim");

// The click of a list: it runs when the selection changes (by the program or
// by the user) and when the user clicks the item already selected. Giving
// the list the focus, which moves its current row without selecting, is not
// a click.
void relier_clic(QListWidget* liste, std::function<void()> clic)
{
    auto signalé = std::make_shared<bool>(false);
    struct Filtre : QObject {
        std::shared_ptr<bool> signalé;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
                *signalé = false;
            return false;
        }
    };
    auto* filtre = new Filtre;
    filtre->setParent(liste);
    filtre->signalé = signalé;
    liste->viewport()->installEventFilter(filtre);
    QObject::connect(liste, &QListWidget::itemSelectionChanged, liste, [liste, signalé, clic] {
        *signalé = true;
        if (!liste->selectedItems().isEmpty())
            clic();
    });
    QObject::connect(liste, &QListWidget::itemClicked, liste, [signalé, clic](QListWidgetItem* élément) {
        if (!std::exchange(*signalé, false) && élément->isSelected())
            clic();
    });
}

// The selected item of a single-selection list, or none.
QListWidgetItem* choisi(const QListWidget* liste)
{
    const auto choisis = liste->selectedItems();
    return choisis.isEmpty() ? nullptr : choisis.first();
}

std::string nom_local(const QString& chemin)
{
    return QFile::encodeName(chemin).toStdString();
}

}  // namespace

Form2::Form2(Form1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(titre);
    setFont(police(QStringLiteral("MS Sans Serif"), 8));
    setModal(true);
    setFixedSize(en_pixels(9705), en_pixels(2595));

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    placer(Drive1, 60, 60, 3015, 315);
    Drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QStringLiteral("/"), QStringLiteral("/"));
    const QString maison = QDir::homePath();
    if (maison != QStringLiteral("/"))
        Drive1->addItem(style()->standardIcon(QStyle::SP_DirHomeIcon), maison, maison);

    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setIconSize(QSize(16, 16));
    placer(Dir1, 60, 420, 3015, 1665);
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    placer(File1, 3120, 60, 4035, 2040);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    placer(List1, 7200, 60, 2475, 2400);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placer(Command1, 3600, 2220, 3255, 315);
    Command1->setEnabled(false);
    Command2 = new QPushButton(QStringLiteral("Annuler"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placer(Command2, 120, 2220, 3315, 315);

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            Drive1_Change();
    });
    // A double click opens a folder, and so does Enter (activation). After a
    // double click that opened one, the activation that follows finds its
    // item gone or the folder already open.
    const auto ouvrir = [this](QListWidgetItem* élément) {
        const QString chemin = élément ? élément->data(Qt::UserRole).toString() : QString();
        if (!chemin.isEmpty() && chemin != dossier_)
            ouvrir_dossier(chemin);
    };
    connect(Dir1, &QListWidget::itemDoubleClicked, this, ouvrir);
    connect(Dir1, &QListWidget::itemActivated, this, ouvrir);
    relier_clic(File1, [this] { File1_Click(); });
    relier_clic(List1, [this] { List1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    ouvrir_dossier(QFileInfo(maison).isDir() ? maison : QDir::rootPath());
    Form_Load();
}

void Form2::ouvrir_dossier(const QString& chemin)
{
    if (!QFileInfo(chemin).isDir())
        return;
    dossier_ = QDir(chemin).absolutePath();
    lister_dossiers();
    Dir1_Change();
}

// Dir1: the folder's ancestors from the root, the folder itself (current),
// then its subfolders. Each item holds its full path.
void Form2::lister_dossiers()
{
    // A folder removed since it was opened gives way to its nearest ancestor.
    while (!QFileInfo(dossier_).isDir()) {
        const QString parent = QFileInfo(dossier_).absolutePath();
        if (dossier_.isEmpty() || parent == dossier_) {
            dossier_ = QDir::rootPath();
            break;
        }
        dossier_ = parent;
    }
    const QSignalBlocker bloqueur(Dir1);
    Dir1->clear();
    QStringList ancêtres;
    for (QDir d(dossier_);; ) {
        ancêtres.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon fermé = style()->standardIcon(QStyle::SP_DirIcon);
    const auto ajouter = [this](const QIcon& icône, const QString& chemin) {
        const QString nom = QDir(chemin).isRoot() ? chemin : QFileInfo(chemin).fileName();
        auto* élément = new QListWidgetItem(icône, nom, Dir1);
        élément->setData(Qt::UserRole, chemin);
        élément->setToolTip(QDir::toNativeSeparators(chemin));
        return élément;
    };
    for (const QString& a : ancêtres)
        Dir1->setCurrentItem(ajouter(ouvert, a));
    for (const QFileInfo& sous : QDir(dossier_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                              QDir::Name | QDir::IgnoreCase))
        ajouter(fermé, sous.absoluteFilePath());

    // The drive list shows the root the folder lies under.
    const QSignalBlocker bloqueur_lecteur(Drive1);
    int lecteur = 0;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString racine = Drive1->itemData(i).toString();
        if (dossier_ == racine || dossier_.startsWith(racine.endsWith('/') ? racine : racine + '/'))
            lecteur = i;
    }
    Drive1->setCurrentIndex(lecteur);
}

// File1: the "*.txt" files of the folder, sorted; the selected name stays
// selected when it is still there.
void Form2::lister_fichiers()
{
    const QSignalBlocker bloqueur(File1);
    const QString nom = choisi(File1) ? choisi(File1)->text() : QString();
    File1->clear();
    File1->addItems(QDir(dossier_).entryList({QStringLiteral("*.txt")}, QDir::Files,
                                              QDir::Name | QDir::IgnoreCase));
    const auto trouvés = nom.isEmpty() ? QList<QListWidgetItem*>() : File1->findItems(nom, Qt::MatchExactly);
    if (!trouvés.isEmpty())
        File1->setCurrentItem(trouvés.first());
    else
        File1->setCurrentRow(-1);
}

QString Form2::chemin_choisi() const
{
    const QListWidgetItem* élément = choisi(File1);
    if (!élément)
        return {};
    return dossier_ + (dossier_.endsWith('/') ? QString() : QStringLiteral("/")) + élément->text();
}

void Form2::signaler(const QString& texte)
{
    QMessageBox boîte(QMessageBox::Warning, titre, texte, QMessageBox::Ok, this);
    boîte.exec();
}

void Form2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // The lists as the disk holds them now.
    const QString avant = dossier_;
    lister_dossiers();
    if (dossier_ == avant)
        lister_fichiers();
    else
        Dir1_Change();
    Form_Activate();
}

void Form2::Form_Load()
{
    form1_->fichier = QString();
}

void Form2::Form_Activate()
{
    if (form1_->fichier.isEmpty() && choisi(File1))
        form1_->fichier = chemin_choisi();
}

void Form2::Drive1_Change()
{
    form1_->fichier = QString();
    ouvrir_dossier(Drive1->currentData().toString());
    Command1->setEnabled(false);
    List1->clear();
}

void Form2::Dir1_Change()
{
    form1_->fichier = QString();
    lister_fichiers();
    Command1->setEnabled(false);
    // The columns of a file of another folder can no longer be chosen.
    List1->clear();
}

void Form2::File1_Click()
{
    List1->clear();
    Command1->setEnabled(false);
    const QString chemin = chemin_choisi();
    if (chemin.isEmpty())
        return;
    form1_->fichier = chemin;
    const psim::Entête entête = psim::lire_entête(nom_local(chemin));
    switch (entête.erreur) {
    case psim::Erreur::ouverture:
        signaler(QStringLiteral("Impossible d'ouvrir le fichier « %1 ».").arg(QDir::toNativeSeparators(chemin)));
        return;
    case psim::Erreur::lecture:
        signaler(QStringLiteral("Impossible de lire le fichier « %1 ».").arg(QDir::toNativeSeparators(chemin)));
        return;
    case psim::Erreur::invalide:  // not an export: no column to choose
        return;
    case psim::Erreur::aucune:
        break;
    }
    for (const std::string& nom : entête.noms)
        List1->addItem(QString::fromStdString(nom));
}

void Form2::List1_Click()
{
    const QListWidgetItem* élément = choisi(List1);
    if (!élément)
        return;
    colonne = static_cast<int16_t>(List1->row(élément) + 1);
    Command1->setEnabled(true);
}

void Form2::Command1_Click()
{
    const QString chemin = form1_->fichier;
    if (chemin.isEmpty() || !Command1->isEnabled())
        return;
    const QString affiché = QDir::toNativeSeparators(chemin);
    switch (psim::importer(nom_local(chemin), colonne, commun::periode)) {
    case psim::Erreur::aucune:
        QDialog::accept();
        return;
    case psim::Erreur::ouverture:
        signaler(QStringLiteral("Impossible d'ouvrir le fichier « %1 ».\nRien n'a été importé.").arg(affiché));
        return;
    case psim::Erreur::lecture:
        signaler(QStringLiteral("Impossible de lire le fichier « %1 ».\nRien n'a été importé.").arg(affiché));
        return;
    case psim::Erreur::invalide:
        signaler(QStringLiteral("Le fichier « %1 » ne contient aucune ligne de données.\nRien n'a été importé.")
                     .arg(affiché));
        return;
    }
}

void Form2::Command2_Click()
{
    form1_->fichier = QString();
    QDialog::reject();
}

void Form2::reject()
{
    Command2_Click();
}
