#include "son/ecoute.h"

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "widgets/controls.h"

#include <QAction>
#include <QAudioSink>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QIODevice>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QSlider>
#include <QSpinBox>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A change of the ranks is read within 5 ms and heard after what the output
// already holds: within 50 ms in all. The buffer leaves the audio thread
// 35 ms of slack on a busy machine.
constexpr int période_suivi_ms = 5;
constexpr double tampon_s = 0.04;
constexpr int période_remplissage_ms = 5;  // the output's buffer topped up

// The generator's samples in the output's format.
class Conversion {
public:
    Conversion(son::Générateur& g, const QAudioFormat& format) : g(g), format(format) {}
    // As many whole frames as `taille` bytes hold; returns their size.
    qsizetype remplir(char* données, qsizetype taille)
    {
        const int octets = format.bytesPerFrame();
        const int canaux = format.channelCount();
        const auto images = static_cast<std::size_t>(taille / octets);
        tampon.resize(images);
        g.produire(tampon.data(), images);
        for (std::size_t i = 0; i < images; ++i)
            for (int c = 0; c < canaux; ++c) {
                char* p = données + i * octets + c * format.bytesPerSample();
                if (format.sampleFormat() == QAudioFormat::Float) {
                    std::memcpy(p, &tampon[i], sizeof(float));
                } else {
                    const auto v = static_cast<qint16>(std::lround(std::clamp(tampon[i], -1.0f, 1.0f) * 32767));
                    std::memcpy(p, &v, sizeof v);
                }
            }
        return static_cast<qsizetype>(images) * octets;
    }

private:
    son::Générateur& g;
    const QAudioFormat format;
    std::vector<float> tampon;
};

// The format asked of the device: mono floats, else 16-bit, at its preferred rate.
QAudioFormat format_pour(const QAudioDevice& appareil)
{
    QAudioFormat f = appareil.preferredFormat();
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Float);
    if (!appareil.isFormatSupported(f))
        f.setSampleFormat(QAudioFormat::Int16);
    if (!appareil.isFormatSupported(f))
        f = appareil.preferredFormat();
    if (f.sampleFormat() != QAudioFormat::Float)
        f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

}  // namespace

Écoute::Écoute(Form1& fenêtre) : QObject(&fenêtre), f(fenêtre)
{
    panneau = new QDialog(&f);
    panneau->setObjectName(QStringLiteral("Ecouter"));
    panneau->setWindowTitle(QStringLiteral("Écouter"));
    auto* disposition = new QFormLayout(panneau);
    fréquence = new QSpinBox(panneau);
    fréquence->setObjectName(QStringLiteral("FrequenceFondamental"));
    fréquence->setRange(static_cast<int>(son::fréquence_minimale), static_cast<int>(son::fréquence_maximale));
    fréquence->setValue(static_cast<int>(son::fréquence_par_défaut));
    fréquence->setSuffix(QStringLiteral(" Hz"));
    volume = new QSlider(Qt::Horizontal, panneau);
    volume->setObjectName(QStringLiteral("Volume"));
    volume->setRange(0, 100);
    volume->setValue(50);
    disposition->addRow(QStringLiteral("Fréquence du fondamental"), fréquence);
    disposition->addRow(QStringLiteral("Volume"), volume);
    // Closing the panel stops the sound.
    QObject::connect(panneau, &QDialog::finished, this, [this] { f.action_écouter->setChecked(false); });

    suivi = new QTimer(this);
    suivi->setInterval(période_suivi_ms);
    QObject::connect(suivi, &QTimer::timeout, this, [this] { suivre(); });
}

Écoute::~Écoute()
{
    arrêter();
}

son::Harmoniques Écoute::harmoniques() const
{
    son::Harmoniques h;
    h.n = std::clamp(static_cast<int>(valeur_de(f.Combo1->currentText())), 0, son::rang_maximal);
    for (int k = 1; k <= h.n; ++k) {
        h.amplitude[k] = commun::composantes[k].amplitude;
        h.phase[k] = commun::composantes[k].déphas;
    }
    if (f.Amplit[1]->text() == QLatin1String("0"))
        h.amplitude[1] = 0;
    return h;
}

void Écoute::suivre()
{
    if (!source_générateur)
        return;
    const son::Harmoniques h = harmoniques();
    const double fr = fréquence->value(), vol = volume->value() / 100.0;
    if (h == jouées && fr == fréquence_jouée && vol == volume_joué)
        return;
    jouées = h;
    fréquence_jouée = fr;
    volume_joué = vol;
    source_générateur->régler(h, fr, vol);
}

void Écoute::préparer(double fe)
{
    source_générateur = std::make_unique<son::Générateur>(fe);
    jouées = {};
    fréquence_jouée = 0;
    volume_joué = -1;
    suivre();
}

void Écoute::régler_appareil(const QAudioDevice& a)
{
    appareil = a;
    QAction* entrée = f.action_écouter;
    entrée->setEnabled(!a.isNull());
    entrée->setToolTip(a.isNull() ? QStringLiteral("Aucune sortie audio : branchez des haut-parleurs ou un casque.")
                                  : QStringLiteral("Joue la forme d'onde des rangs utilisés."));
    if (a.isNull() && en_marche())
        entrée->setChecked(false);
}

void Écoute::marche(bool oui)
{
    if (!oui) {
        arrêter();
        panneau->hide();
        return;
    }
    if (en_marche())
        return;
    régler_appareil(QMediaDevices::defaultAudioOutput());
    if (appareil.isNull())
        return;
    const QAudioFormat format = format_pour(appareil);
    préparer(format.sampleRate());
    panne_signalée = false;

    // The output is fed from a thread of its own: a redraw never starves it.
    fil = new QThread(this);
    fil->setObjectName(QStringLiteral("son"));
    fil->start();
    sortie = new QObject;
    sortie->moveToThread(fil);
    son::Générateur* g = source_générateur.get();
    const QAudioDevice a = appareil;
    QMetaObject::invokeMethod(sortie, [this, g, a, format] {
        auto* sink = new QAudioSink(a, format, sortie);
        sink->setBufferSize(static_cast<qsizetype>(format.bytesForDuration(static_cast<qint64>(tampon_s * 1e6))));
        QObject::connect(sink, &QAudioSink::stateChanged, sortie, [this, sink](QAudio::State) {
            const QAudio::Error e = sink->error();
            if (e == QAudio::OpenError || e == QAudio::IOError || e == QAudio::FatalError)
                QMetaObject::invokeMethod(this, [this] { panne(); }, Qt::QueuedConnection);
        });
        // The buffer is kept full from here every few milliseconds, rather
        // than left to the sink's pull, which refills it only once it has
        // run dry: that would be a gap each time.
        QIODevice* vers = sink->start();
        if (!vers || sink->error() != QAudio::NoError) {
            QMetaObject::invokeMethod(this, [this] { panne(); }, Qt::QueuedConnection);
            return;
        }
        auto conversion = std::make_shared<Conversion>(*g, format);
        auto données = std::make_shared<QByteArray>();
        auto* minuterie = new QTimer(sortie);
        const auto remplir = [this, sink, vers, conversion, données, minuterie] {
            const qsizetype libre = sink->bytesFree();
            if (libre < 0) {  // the server or the device is gone, without a word from the sink
                minuterie->stop();
                QMetaObject::invokeMethod(this, [this] { panne(); }, Qt::QueuedConnection);
                return;
            }
            if (libre == 0)
                return;
            données->resize(libre);
            const qsizetype n = conversion->remplir(données->data(), libre);
            if (n > 0)
                vers->write(données->constData(), n);
        };
        remplir();
        minuterie->setTimerType(Qt::PreciseTimer);
        minuterie->setInterval(période_remplissage_ms);
        QObject::connect(minuterie, &QTimer::timeout, sortie, remplir);
        minuterie->start();
    }, Qt::BlockingQueuedConnection);
    suivi->start();
    panneau->move(f.frameGeometry().topRight() + QPoint(8, 0));
    panneau->show();
}

void Écoute::arrêter()
{
    suivi->stop();
    if (sortie) {
        QObject* s = sortie;
        QMetaObject::invokeMethod(s, [s] {
            for (QAudioSink* sink : s->findChildren<QAudioSink*>())
                sink->stop();
            s->deleteLater();  // as the thread ends
        }, Qt::BlockingQueuedConnection);
        sortie = nullptr;
    }
    if (fil) {
        fil->quit();
        fil->wait();
        delete fil;
        fil = nullptr;
    }
    source_générateur.reset();
}

void Écoute::panne()
{
    if (!en_marche() || panne_signalée)
        return;
    panne_signalée = true;
    f.action_écouter->setChecked(false);
    QMessageBox::warning(&f, QStringLiteral("Écouter"),
                         QStringLiteral("La sortie audio ne répond plus : l'écoute s'arrête."));
}

void Form1::construire_écoute()
{
    écoute = new Écoute(*this);
    action_écouter = menu_outils->addAction(QStringLiteral("É&couter"));
    action_écouter->setObjectName(QStringLiteral("action_Ecouter"));
    action_écouter->setCheckable(true);
    action_écouter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QObject::connect(action_écouter, &QAction::toggled, écoute, [this](bool oui) {
        écoute->marche(oui);
        if (oui && !écoute->en_marche())  // no device after all
            action_écouter->setChecked(false);
    });
    // Looking for the device loads the multimedia back end: only when the
    // menu opens or the entry is chosen.
    QObject::connect(menu_outils, &QMenu::aboutToShow, écoute,
                     [this] { écoute->régler_appareil(QMediaDevices::defaultAudioOutput()); });

    action_exporter_son = new QAction(QStringLiteral("Exporter le son (WAV)…"), this);
    action_exporter_son->setObjectName(QStringLiteral("action_ExporterSon"));
    menu_fichier->insertAction(séparateur_quitter, action_exporter_son);
    QObject::connect(action_exporter_son, &QAction::triggered, écoute, [this] {
        QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter le son"), QString(),
                                                      QStringLiteral("Son WAV (*.wav)"));
        if (chemin.isEmpty())
            return;
        if (QFileInfo(chemin).suffix().isEmpty())
            chemin += QStringLiteral(".wav");
        QString erreur;
        if (!écoute->exporter(chemin, erreur))
            QMessageBox::warning(this, QStringLiteral("Exporter le son"), erreur);
    });
}

bool Écoute::exporter(const QString& chemin, QString& erreur) const
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        erreur = QStringLiteral("Impossible d'écrire « %1 » : %2").arg(chemin, fichier.errorString());
        return false;
    }
    if (!son::écrire_wav(fichier.handle(), harmoniques(), fréquence->value(), volume->value() / 100.0)) {
        fichier.cancelWriting();
        erreur = QStringLiteral("Impossible d'écrire le son dans « %1 ».").arg(chemin);
        return false;
    }
    if (!fichier.commit()) {
        erreur = QStringLiteral("Impossible d'écrire « %1 » : %2").arg(chemin, fichier.errorString());
        return false;
    }
    return true;
}
