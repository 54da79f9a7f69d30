#pragma once
// Listening to the harmonics: the "Écouter" entry and its panel, the audio
// output fed from a thread of its own, and the WAV export of the sound.

#include "son/generateur.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>

#include <memory>

class Form1;
class QAudioSink;
class QDialog;
class QSlider;
class QSpinBox;
class QThread;
class QTimer;

class Écoute : public QObject {
public:
    explicit Écoute(Form1& fenêtre);
    ~Écoute() override;

    // The entry checked (plays, shows the panel) or unchecked (stops).
    void marche(bool);
    bool en_marche() const { return sortie != nullptr; }
    // The output device: without one the entry is disabled and says why.
    void régler_appareil(const QAudioDevice& appareil);
    // The ranks in use (1 to the count shown), the fundamental counted as 0
    // when its box reads 0.
    son::Harmoniques harmoniques() const;
    // Reads the ranks, the frequency and the volume; the sound follows a
    // change through its crossfade.
    void suivre();
    // A generator at this sample rate, following the window from now on.
    void préparer(double fe);
    // Two seconds of the sound as a WAV file, written whole or not at all.
    // False with a French message on failure.
    bool exporter(const QString& chemin, QString& erreur) const;

    QDialog* panneau = nullptr;     // "Écouter": frequency and volume
    QSpinBox* fréquence = nullptr;  // "Fréquence du fondamental", Hz
    QSlider* volume = nullptr;      // "Volume", 0 to 100
    // The generator the output plays (null while stopped).
    son::Générateur* générateur() const { return source_générateur.get(); }

private:
    void arrêter();
    void panne();

    Form1& f;
    QAudioDevice appareil;
    QTimer* suivi = nullptr;
    std::unique_ptr<son::Générateur> source_générateur;
    son::Harmoniques jouées;
    double fréquence_jouée = 0, volume_joué = -1;
    // The audio side, living in `fil`.
    QThread* fil = nullptr;
    QObject* sortie = nullptr;
    bool panne_signalée = false;
};
