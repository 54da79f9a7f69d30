#pragma once
// The main window: signal choice, plots, rank panel and animation controls.
// Its member functions are defined in the folder of their subsystem:
// app/ (construction, layout), plot/ (axes, synthesis, traces, animation),
// signal/ and edit/.

#include "app/commun.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QScrollBar;
class QTextBrowser;
class QUndoStack;
class ClickComboBox;
class PressButton;
class QPushButton;
class Shape;
class Surface;
class Form2;
class FenetreMesures;
class QImage;
class Écoute;

class Form1 : public QWidget {
public:
    static constexpr int nb_rangs = 50;  // ranks 1 to 50, plus the DC column 0
    // The rank panel, in twips: columns every 755 twips, the panel 38545 wide.
    static constexpr int largeur_colonne = 735;
    static constexpr int écart_colonnes = 20;
    // A full period on the plots (2π as the drawing code writes it), and the
    // angle past which the animation stops.
    static constexpr double deux_pi = 6.283185308;
    static constexpr double limite_animation = 6.2841853080000005;
    static constexpr int largeur_bande = (nb_rangs + 1) * largeur_colonne + (nb_rangs + 3) * écart_colonnes;
    template <class T> using Tableau = std::array<T*, nb_rangs + 1>;

    Form1();
    ~Form1() override;

    // ---- public members used by the other window and the plots ----------
    QString fichier;
    double angle1 = 0.0;

    double calcul_extrémité_vecteur_x(int16_t rang, double angle, double orix, double oriy,
                                       double déphas, double amplitude) const;
    double calcul_extrémité_vecteur_y(int16_t rang, double angle, double orix, double oriy,
                                       double déphas, double amplitude) const;
    void init();
    void tracerut();
    void tracer1h(int16_t X);
    void vecteur(int16_t ind);
    void auto_();

    // The points of the vector chain of an animation frame (0: end of the DC
    // vector, k: end of the k-th drawn rank vector) and the previous end of
    // the chain, where the next segment of the trail starts.
    struct Chaîne {
        std::array<double, nb_rangs + 1> x{}, y{};
        double fin_x = 0, fin_y = 0;
    };
    // Draws one frame of the animation at `angle1`: vectors, trail segment
    // and the next step of the waveform.
    void image_animation(Chaîne& chaîne);
    // The animation as while "Animer" is held, from the menu, until it is
    // chosen again (a pause), the animation ends or the button is released.
    void animation_continue(bool marche);

    // ---- menu bar, above the designed client area ------------------------
    // Other subsystems add their entries: in "&Fichier" before
    // `séparateur_quitter`, in "&Outils" at the end.
    QMenuBar* barre_menus = nullptr;
    QMenu* menu_fichier = nullptr;
    QMenu* menu_édition = nullptr;
    QMenu* menu_outils = nullptr;
    QMenu* menu_aide = nullptr;
    QAction* séparateur_quitter = nullptr;
    QAction* action_quitter = nullptr;
    QAction* action_à_propos = nullptr;
    QAction* action_guide = nullptr;
    // The guide's window, opened by "Guide d'utilisation" (app/guide.cpp).
    QTextBrowser* guide = nullptr;
    void ouvrir_guide();
    QAction* action_animation_continue = nullptr;  // checked while it runs
    QAction* action_écouter = nullptr;       // checked while the sound plays
    QAction* action_exporter_son = nullptr;
    QAction* action_annuler = nullptr;
    QAction* action_rétablir = nullptr;
    // The designed client area: every control below lies in it, placed in
    // twips from its top left corner.
    QWidget* zone_client = nullptr;
    // Height of the menu bar, in pixels.
    int hauteur_menus() const;

    // Opens a file named on the command line, dropped on the window or chosen
    // in a file dialog: a saved signal (*.sinuvia) or measurements. False,
    // with the window unchanged, when the file cannot be opened.
    bool ouvrir(const QString& chemin);
    bool ouvrir_mesures(const QString& chemin);
    bool ouvrir_signal(const QString& chemin);

    // ---- undo and redo (edit/historique.cpp) ------------------------------
    // What a user step changes: the box texts, the rank count and the signal
    // shown by the lists, and the stored period (shared between the states
    // that hold the same one).
    struct État {
        std::array<QString, nb_rangs + 1> amplitudes, phases;
        int rangs = -1, signal = -1;
        std::shared_ptr<const std::array<double, 4097>> periode;
        commun::Origine origine;
        bool operator==(const État& autre) const;
    };
    QUndoStack* historique = nullptr;
    // A user step begins: the state it starts from is the one the last step
    // left. A step already under way is ended first, unless `nom` is its
    // own name (the same typing going on).
    void début_étape(const QString& nom);
    // The step ends: it joins the history when it changed the state.
    void fin_étape();
    // Runs `action` as one user step.
    void étape(const QString& nom, const std::function<void()>& action);
    État état_actuel() const;
    // Writes a state back through the boxes, without running the lists'
    // click handlers, and redraws once.
    void rétablir_état(const État& état);

    // ---- the sound of the harmonics (son/ecoute.cpp) ----------------------
    Écoute* écoute = nullptr;

    // ---- controls (object names are the designed names) -----------------
    QGroupBox* Frame2 = nullptr;   // "Animation:"
    PressButton* Command1 = nullptr;
    PressButton* Command4 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    std::array<QLabel*, 2> Label2{};
    QGroupBox* Frame3 = nullptr;   // "Rangs:"
    ClickComboBox* Combo1 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame4 = nullptr;   // "Signaux:"
    ClickComboBox* Combo2 = nullptr;
    QPushButton* Command2 = nullptr;  // "RAZ"
    QPushButton* Command5 = nullptr;  // "A propos."
    QLabel* Label3 = nullptr;         // hint line
    Surface* Picture1 = nullptr;      // phasor diagram
    Surface* Picture2 = nullptr;      // waveform
    Surface* Picture4 = nullptr;      // rank panel
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;

    Tableau<QGroupBox> Frame1{};
    Tableau<PressButton> Command3{};
    Tableau<Surface> bar_deg{};
    Tableau<Shape> bleu_deg{};
    Tableau<Surface> bar{};
    Tableau<Shape> bleu{};
    Tableau<QLineEdit> Amplit{};
    Tableau<QLineEdit> déphas{};
    Tableau<QLabel> degré{};
    Tableau<QLabel> Label4{};

    // ---- window-level state ---------------------------------------------
    int position = 0;
    double x_origine = 0.0, y_origine = 0.0;
    double x_extrémité = 0.0, y_extrémité = 0.0;
    int relâché = 0;
    int16_t redessiner_axes = 0;
    int16_t maj_globale = 0;
    int16_t glissement = 0;  // true = -1
    int indice_précédent = 0;
    int16_t redimensionné = 0;
    std::array<double, 4097> entree_re{}, entree_im{}, sortie_re{}, sortie_im{};

    // ---- event handlers -------------------------------------------------
    void Form_Load();
    void Form_Resize();
    void Form_Unload(int16_t& Cancel);
    void HScroll1_Change();
    void HScroll1_Scroll();
    void VScroll1_Change();
    void VScroll1_Scroll();
    void Combo1_Click();
    void Command1_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Command1_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void Command3_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Command3_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Command4_Click();
    void HScroll2_Change();

    // Rank entry (edit/saisie.cpp). KeyAscii is the typed character's code,
    // which the handler may replace.
    void Amplit_Change(int16_t Index);
    void déphas_Change(int16_t Index);
    void Amplit_KeyPress(int16_t Index, int16_t& KeyAscii);
    void déphas_KeyPress(int16_t Index, int16_t& KeyAscii);

    // Freehand drawing of a period on the waveform (signal/dessin_libre.cpp).
    void Picture2_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void Picture2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture2_MouseUp(int16_t Button, int16_t Shift, float X, float Y);

    // Signal library and import (signal/).
    void Combo2_Click();
    Form2* form2 = nullptr;  // the import dialog, created on first use, owned by this window

    // Strip dragging (edit/glissement.cpp).
    void bar_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void bar_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void bar_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void bar_deg_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void bar_deg_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void bar_deg_MouseUp(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);

    // Hint line, reset and about box (edit/indications.cpp).
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Amplit_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void déphas_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void degré_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Command1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Command2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Command3_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Command4_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Frame1_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Frame2_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Frame3_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Frame4_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Label1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Label2_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Label3_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture1_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Picture4_Click();
    void Command2_Click();
    void Command5_Click();

    // Outer size of the window (frame included, menu bar left out) and size
    // of the designed client area, in twips.
    int largeur_extérieure() const;
    int hauteur_extérieure() const;
    int largeur_client() const;
    int hauteur_client() const;

    // Pacing of the animation: each pass through the event loop lasts at
    // least `durée_passe` seconds and each frame at least `durée_image`, so
    // that a period takes about 1 s at "Max" and 2 minutes at "Mini".
    double durée_passe = 120.0 / (1024.0 * 6401.0);
    double durée_image = 1.0 / 1024.0;
    // Passes through the event loop made by the animation so far (a paused
    // animation waits for events instead of spinning).
    long long passes_animation = 0;

    // ---- measurements, export and saved signals (resultats/) ------------
    FenetreMesures* mesures = nullptr;  // "Mesures", created on first use, owned by this window
    QAction* action_Mesures = nullptr;
    QAction* action_OuvrirSignal = nullptr;
    QAction* action_EnregistrerSignal = nullptr;
    QAction* action_ExporterHarmoniques = nullptr;
    QAction* action_ExporterImage = nullptr;
    QAction* action_CopierImage = nullptr;
    void relier_résultats();  // the entries of "&Fichier" and "&Outils", once
    void Mesures_Click();     // shows "Mesures" beside this window
    void OuvrirSignal_Click();
    void EnregistrerSignal_Click();
    void ExporterHarmoniques_Click();
    void ExporterImage_Click();
    // Updates "Mesures" after a redraw, unless a bulk writer holds `maj_globale`.
    void mettre_à_jour_mesures();
    // Each writes through a temporary file and shows a French message on failure.
    bool enregistrer_signal(const QString& chemin);
    bool exporter_harmoniques(const QString& chemin);  // CSV
    bool exporter_image(const QString& chemin);        // PNG or SVG, from the name's extension
    // The phasor diagram and the waveform side by side, at `rapport` device pixels a pixel.
    QImage image_des_tracés(qreal rapport) const;
    void copier_image();  // the same picture on the clipboard

    // ---- measurement files (mesures/) -------------------------------------
    // The "Ouvrir des mesures…" entry (Ctrl+O) and the drops, set up once by
    // the constructor.
    void préparer_mesures();
    QAction* action_OuvrirMesures = nullptr;
    // The file dialog, then the file chosen opened.
    void choisir_mesures();
    // (ouvrir_mesures, declared above, reads the file, shows "Choix de la
    // période", and on "OK" analyses the chosen period.)

protected:
    void dragEnterEvent(QDragEnterEvent*) override;
    void dropEvent(QDropEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void showEvent(QShowEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void tracer_periode();
    void analyser_periode();
    // Wiring of each subsystem's events, called once by Form_Load.
    void relier_saisie();
    void relier_dessin_libre();
    void relier_signaux();
    void relier_glissement();
    void relier_indications();
    // The hint line shows `texte`; the label is written only when it differs.
    void indiquer(const QString& texte);
    void construire_contrôles();
    void construire_menus();
    void construire_colonne(int i);
    void relier_évènements();
    void dessiner_axes_picture1();
    void régler_hscroll1();
    void laisser_passer_évènements();
    void attendre_jusqu_à(double échéance);

    // Keyboard, wheel, screen readers and popups (edit/accessibilite.cpp).
    void relier_accessibilité();
    void montrer_colonne(int i);
    bool touche_bande(int i, bool phase, int touche);
    int reste_molette = 0;

    void construire_historique();
    void construire_écoute();
    void construire_aide();
    void relier_historique();
    void montrer_historique();
    std::optional<QString> étape_en_cours;
    État état_stable;
    bool en_rétablissement = false;
    int profondeur_étape = 0;

    // Set when the window closes: a running or paused animation ends at once.
    bool fermeture = false;
};
