// Construction of the main window: the designed controls, the rank columns
// built at load, and the wiring of their events.

#include "app/form1.h"

#include "app/commun.h"
#include "app/polices.h"
#include "app/twips.h"
#include "widgets/controls.h"
#include "widgets/pictures.h"
#include "widgets/surface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QPointer>
#include <QToolTip>
#include <QUndoStack>


namespace {

const QColor bleu_clair(128, 128, 255);

QString nom_élément(const char* tableau, int i)
{
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(tableau)).arg(i);
}

// Change and scroll events of a scroll bar: Scroll while the thumb is dragged,
// Change for every other change of value and at the end of every drag, even
// one that ends on the value it started from.
void relier_défilement(QScrollBar* barre, std::function<void()> change, std::function<void()> défilement)
{
    QObject::connect(barre, &QScrollBar::valueChanged, [barre, change, défilement](int) {
        if (barre->isSliderDown())
            défilement();
        else
            change();
    });
    QObject::connect(barre, &QScrollBar::sliderReleased, change);
}

// The rank columns lie in the panel's client area, inside its border, like
// the scales and shapes of any drawing surface.
void placer_colonne(Surface* panneau, QGroupBox* cadre, int gauche)
{
    placer(cadre, gauche, 0, Form1::largeur_colonne, 2835);
    cadre->move(cadre->pos() + panneau->clientRect().topLeft());
}

QScrollBar* barre_défilement(Qt::Orientation o, QWidget* parent, const char* nom, int min, int max, int valeur)
{
    auto* b = new QScrollBar(o, parent);
    b->setObjectName(QString::fromUtf8(nom));
    b->setRange(min, max);
    b->setValue(valeur);
    b->setSingleStep(1);
    b->setPageStep(1);
    return b;
}

}  // namespace

Form1::Form1()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sinuvia      -VELTRANE-"));
    setWindowIcon(pictures::windowIcon());
    setFont(police(QStringLiteral("MS Sans Serif"), 8));
    // Frames as in the classic design: the caption sits on the top border.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: border; subcontrol-position: top left;"
        " left: 6px; top: -7px; padding: 0px 1px; }"));
    zone_client = new QWidget(this);
    zone_client->setObjectName(QStringLiteral("zone_client"));
    construire_menus();
    construire_contrôles();
    resize(en_pixels(12030), en_pixels(6945) + hauteur_menus());
    // Tooltips and the lists' popups are windows of their own, which do not
    // inherit fonts: give them the window's and their list's. (A list
    // without a font of its own would get the style's font for lists rather
    // than the window's.)
    QToolTip::setFont(font());
    for (QComboBox* liste : findChildren<QComboBox*>()) {
        if (!liste->testAttribute(Qt::WA_SetFont))
            liste->setFont(font());
        QFont police_liste = liste->font();
        police_liste.setResolveMask(QFont::AllPropertiesResolved);  // not "inherit"
        liste->view()->setFont(police_liste);
    }
    Form_Load();
    Form_Resize();
    préparer_mesures();
    // The history starts from the window as it opens.
    historique->clear();
    état_stable = état_actuel();
    montrer_historique();
}

Form1::~Form1()
{
    // What reports to this window while its controls go: the history, which
    // empties itself after the menus it names; the focus and the boxes, which
    // report a last change of focus.
    QObject::disconnect(historique, nullptr, this, nullptr);
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (int i = 0; i <= nb_rangs; ++i) {
        Amplit[i]->disconnect(this);
        déphas[i]->disconnect(this);
    }
}

void Form1::construire_contrôles()
{
    const QFont arial825 = police(QStringLiteral("Arial"), 8.25);
    const QFont défaut = font();

    // Top row.
    Frame4 = new QGroupBox(QStringLiteral("Signaux:"), zone_client);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setToolTip(QStringLiteral("Choix d'un signal."));
    placer(Frame4, 5100, 0, 2655, 555);
    Combo2 = new ClickComboBox(Frame4);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setToolTip(QStringLiteral("Choix d'un signal."));
    Combo2->addItems({QStringLiteral("Exemple 1"), QStringLiteral("Importer un fichier Psim"),
                      QStringLiteral("Signal carré"), QStringLiteral("Signal triangulaire"),
                      QStringLiteral("Créneaux"), QStringLiteral("Dents de scie"),
                      QStringLiteral("Redressement simple alternance"),
                      QStringLiteral("Redressement double alternance"), QStringLiteral("Signal sinusoidal")});
    Combo2->setCurrentIndex(-1);
    placer(Combo2, 60, 180, 2535, 315);

    Command5 = new QPushButton(QStringLiteral("A propos."), zone_client);
    Command5->setObjectName(QStringLiteral("Command5"));
    placer(Command5, 8340, 120, 855, 315);

    Frame3 = new QGroupBox(QStringLiteral("Rangs:"), zone_client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setToolTip(QStringLiteral("Choix du nb de rangs utilisés."));
    placer(Frame3, 3660, 0, 1395, 555);
    Label1 = new QLabel(QStringLiteral("Utilisés:"), Frame3);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arial825);
    placer(Label1, 60, 240, 675, 195);
    Combo1 = new ClickComboBox(Frame3);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setFont(arial825);
    placer(Combo1, 660, 180, 675, 330);

    Command2 = new QPushButton(QStringLiteral("RAZ"), zone_client);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("Initialiser le graphique."));
    Command2->setFont(arial825);
    placer(Command2, 7800, 120, 495, 315);

    Frame2 = new QGroupBox(QStringLiteral("Animation:"), zone_client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setToolTip(QStringLiteral("Réglage de la vitesse d'animation."));
    Frame2->setFont(arial825);
    placer(Frame2, 60, 0, 3555, 555);
    Command4 = new PressButton(Frame2);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setToolTip(QStringLiteral("Finir le tracé."));
    Command4->setFont(défaut);
    placer(Command4, 3060, 180, 375, 315);
    Command1 = new PressButton(Frame2);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Animer le tracé."));
    Command1->setFont(arial825);
    placer(Command1, 2580, 180, 435, 315);
    for (auto [bouton, image] : {std::pair{Command1, pictures::playPicture()},
                                 std::pair{Command4, pictures::goToEndPicture()}}) {
        bouton->setIcon(QIcon(image));
        bouton->setIconSize(image.size().scaled(bouton->size() - QSize(4, 4), Qt::KeepAspectRatio));
    }
    HScroll2 = barre_défilement(Qt::Horizontal, Frame2, "HScroll2", 1, 80, 1);
    placer(HScroll2, 480, 240, 1635, 195);
    const char* légendes[2] = {"Max", "Mini"};
    const int gauches[2] = {60, 2160};
    for (int i = 0; i < 2; ++i) {
        Label2[i] = new QLabel(QString::fromUtf8(légendes[i]), Frame2);
        Label2[i]->setObjectName(nom_élément("Label2", i));
        Label2[i]->setFont(police(QStringLiteral("Arial"), 9));
        placer(Label2[i], gauches[i], 240, 375, 195);
    }

    VScroll1 = barre_défilement(Qt::Vertical, zone_client, "VScroll1", 1, 10, 1);
    placer(VScroll1, 11220, 480, 195, 1935);
    HScroll1 = new QScrollBar(Qt::Horizontal, zone_client);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    placer(HScroll1, 0, 7800, 11535, 255);

    Picture4 = new Surface(zone_client);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    placer(Picture4, 0, 4380, 11475, 2955);
    Picture2 = new Surface(zone_client);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setToolTip(QStringLiteral("Tracé manuel d'une période."));
    Picture2->setCursor(pictures::pencilCursor());
    placer(Picture2, 3900, 1020, 7275, 3855);
    Picture1 = new Surface(zone_client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    placer(Picture1, 0, 1020, 3855, 3855);

    Label3 = new QLabel(zone_client);
    Label3->setObjectName(QStringLiteral("Label3"));
    placer(Label3, 9180, 180, 2775, 255);

    construire_colonne(0);
}

// One rank column. Column 0 is the designed one; Form_Load builds the others
// as copies of it.
void Form1::construire_colonne(int i)
{
    const QFont petite_serif = police(QStringLiteral("MS Serif"), 6.75);
    const QFont défaut = font();

    auto* cadre = Frame1[i] = new QGroupBox(Picture4);
    cadre->setObjectName(nom_élément("Frame1", i));
    cadre->setFont(police(QStringLiteral("Arial"), 6.75));
    cadre->setTitle(QStringLiteral("Frame1"));
    placer_colonne(Picture4, cadre, 0);

    auto* amplitude = Amplit[i] = new QLineEdit(QStringLiteral("0"), cadre);
    amplitude->setObjectName(nom_élément("Amplit", i));
    amplitude->setFont(petite_serif);
    amplitude->setToolTip(QStringLiteral("Saisie de la valeur de la composante continue."));
    amplitude->setTextMargins(0, 0, 0, 0);
    placer(amplitude, 120, 240, 450, 285);

    auto* signe_degré = degré[i] = new QLabel(QStringLiteral("°"), cadre);
    signe_degré->setObjectName(nom_élément("degré", i));
    signe_degré->setFont(défaut);
    signe_degré->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placer(signe_degré, 650, 2040, 135, 135);

    auto* phase = déphas[i] = new QLineEdit(QStringLiteral("0"), cadre);
    phase->setObjectName(nom_élément("déphas", i));
    phase->setFont(petite_serif);
    phase->setToolTip(QStringLiteral("Saisie de l'angle."));
    phase->setTextMargins(0, 0, 0, 0);
    placer(phase, 60, 2040, 570, 285);

    auto* bande_phase = bar_deg[i] = new Surface(cadre);
    bande_phase->setObjectName(nom_élément("bar°", i));
    bande_phase->setToolTip(QStringLiteral("Action sur l'angle."));
    bande_phase->setCursor(pictures::arrowUpCursor());
    placer(bande_phase, 60, 2340, 615, 195);
    bande_phase->setScaleLeft(-180);
    bande_phase->setScaleWidth(360);

    auto* bande = bar[i] = new Surface(cadre);
    bande->setObjectName(nom_élément("bar", i));
    bande->setToolTip(QStringLiteral("Action sur  la valeur de la composante continue"));
    bande->setCursor(pictures::arrowLeftCursor());
    placer(bande, 300, 600, 135, 1335);
    bande->setScaleTop(0);
    bande->setScaleHeight(100);

    auto* barre = bleu[i] = new Shape(Shape::Kind::Rectangle, bande);
    barre->setObjectName(nom_élément("bleu", i));
    barre->setColor(bleu_clair);
    barre->setUserLeft(bande->scaleLeft());
    barre->setUserWidth(bande->scaleWidth());
    barre->setUserTop(100);
    barre->setUserHeight(10);

    auto* repère = bleu_deg[i] = new Shape(Shape::Kind::VerticalLine, bande_phase);
    repère->setObjectName(nom_élément("bleu°", i));
    repère->setColor(bleu_clair);
    repère->setUserLeft(0);

    auto* trace = Command3[i] = new PressButton(cadre);
    trace->setObjectName(nom_élément("Command3", i));
    trace->setToolTip(QStringLiteral("Tracé de la composante continue."));
    trace->setCursor(pictures::pencilCursor());
    trace->setFont(défaut);
    placer(trace, 480, 1740, 135, 195);

    auto* pourcentage = Label4[i] = new QLabel(cadre);
    pourcentage->setObjectName(nom_élément("Label4", i));
    pourcentage->setFont(défaut);
    QPalette rouge = pourcentage->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    pourcentage->setPalette(rouge);
    placer(pourcentage, 60, 2580, 615, 195);
}

void Form1::Form_Load()
{
    // Rank-count list: "1" to "50"; nothing selected until the end of the load.
    for (int i = 1; i <= nb_rangs; ++i)
        Combo1->addItem(QString::number(i));
    Combo1->setCurrentIndex(-1);

    for (int i = 1; i <= nb_rangs; ++i) {
        construire_colonne(i);
        const QString rang = QString::number(i);
        Amplit[i]->setToolTip(QStringLiteral("Saisie de l'amplitude du rang %1.").arg(rang));
        déphas[i]->setToolTip(QStringLiteral("Saisie du déphasage du rang %1.").arg(rang));
        bar[i]->setToolTip(QStringLiteral("Action sur l'amplitude du rang %1.").arg(rang));
        bar_deg[i]->setToolTip(QStringLiteral("Action sur le déphasage du rang %1.").arg(rang));
        Command3[i]->setToolTip(QStringLiteral("Tracé du rang %1.").arg(rang));
        Command3[i]->setText(QString());
        placer_colonne(Picture4, Frame1[i], (largeur_colonne + écart_colonnes) * i);
        Frame1[i]->setTitle(QStringLiteral("Rang:") + rang);
    }

    Picture4->resize(en_pixels(largeur_bande), Picture4->height());
    régler_hscroll1();

    // The DC column has no phase controls and a taller strip from 0 to 200.
    bar_deg[0]->hide();
    degré[0]->hide();
    déphas[0]->hide();
    const QRect g = bar[0]->geometry();
    placer(bar[0], en_twips(g.x()), en_twips(g.y()), 135, 1900);
    bar[0]->setScaleHeight(200);
    bar[0]->setScaleTop(0);
    bleu[0]->setUserHeight(5);
    bleu[0]->setUserTop(100);
    Frame1[0]->setTitle(QString());

    relier_évènements();
    Combo1->setCurrentIndex(nb_rangs - 1);
    init();
}

void Form1::relier_évènements()
{
    Combo1->onClick = [this] { étape(QStringLiteral("le choix du nombre de rangs"), [this] { Combo1_Click(); }); };
    relier_défilement(VScroll1, [this] { VScroll1_Change(); }, [this] { VScroll1_Scroll(); });
    relier_défilement(HScroll1, [this] { HScroll1_Change(); }, [this] { HScroll1_Scroll(); });
    QObject::connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    Command1->onMouseDown = [this](int b, int s, float x, float y) {
        const QPointer<Form1> garde(this);
        Command1_MouseDown(b, s, x, y);
        if (garde && position == 0)  // the animation is over
            action_animation_continue->setChecked(false);
    };
    Command1->onMouseUp = [this](int b, int s, float x, float y) {
        Command1_MouseUp(b, s, x, y);
        action_animation_continue->setChecked(false);
    };
    QObject::connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    for (int i = 0; i <= nb_rangs; ++i) {
        Command3[i]->onMouseDown = [this, i](int b, int s, float x, float y) { Command3_MouseDown(i, b, s, x, y); };
        Command3[i]->onMouseUp = [this, i](int b, int s, float x, float y) { Command3_MouseUp(i, b, s, x, y); };
    }
    relier_saisie();
    relier_dessin_libre();
    relier_signaux();
    relier_glissement();
    relier_indications();
    relier_historique();
    relier_accessibilité();
}
