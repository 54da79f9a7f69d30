// Listening through a real sound server: a PulseAudio of the test's own with a null sink, "Signal carré" played by
// "Écouter" as a user starts it, the sink's monitor recorded while a strip is dragged: the pitch, the level and the
// third harmonic's in it, no gap, and silence once the entry is unchecked; the server gone, a message.
#include "son/ecoute.h"
#include "tests/outils_compacts.h"
#include <complex>
#include <cstring>
#include <numbers>
namespace {
constexpr int fe = 44100;
// The server lives in a temporary folder (its socket, its home) and goes with the test (QProcess kills it); it ends
// by itself if the test dies, once no client is left.
struct Serveur {
    QTemporaryDir dossier;
    QProcess serveur;
    QString socket() const { return dossier.filePath("pulse.sock"); }
    QProcessEnvironment environnement() const
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            e.insert(v, dossier.path());
        e.insert("PULSE_SERVER", "unix:" + socket());
        return e;
    }
    bool démarrer()
    {
        serveur.setProcessEnvironment(environnement());
        serveur.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        serveur.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=20", "--disable-shm=yes",
                                     "--use-pid-file=no", "--log-level=error",
                                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket(),
                                     QString("--load=module-null-sink sink_name=sinuvia_nul rate=%1").arg(fe)});
        for (QDeadlineTimer fin(10000); serveur.waitForStarted(5000) && !fin.hasExpired(); QTest::qWait(50))
            if (QFileInfo::exists(socket()))
                return true;
        return false;
    }
};
// The amplitude of the sine at `f` Hz in `x`, through a Hann window.
double amplitude(const std::vector<float>& x, double f)
{
    std::complex<double> s;
    for (std::size_t i = 0; i < x.size(); ++i)
        s += (1 - std::cos(2 * std::numbers::pi * i / x.size())) * x[i] * std::polar(1.0, -2 * std::numbers::pi * f * i / fe);
    return 2 * std::abs(s) / x.size();
}
// The strongest frequency between `de` and `à`, to `pas` Hz.
double pic(const std::vector<float>& x, double de, double à, double pas)
{
    double f = de, meilleure = 0;
    for (double fr = de; fr <= à; fr += pas)
        if (const double a = amplitude(x, fr); a > meilleure)
            std::tie(meilleure, f) = std::pair(a, fr);
    return f;
}
// Reads what the recorder gives until `secondes` more are in, running `pendant` every 20 ms meanwhile.
void enregistrer(QProcess& p, std::vector<float>& x, double secondes, const std::function<void()>& pendant = [] {})
{
    const std::size_t voulu = x.size() + static_cast<std::size_t>(secondes * fe);
    QByteArray octets;
    for (QDeadlineTimer fin(15000); x.size() + octets.size() / 4 < voulu && !fin.hasExpired(); QTest::qWait(20)) {
        octets += p.readAllStandardOutput();
        pendant();
    }
    const std::size_t n = std::min<std::size_t>(voulu - x.size(), octets.size() / 4);
    x.resize(x.size() + n);
    std::memcpy(x.data() + x.size() - n, octets.constData(), n * 4);
}
TEST(ServeurSon, ASquareIsHeardInTuneWithoutAGapDuringADragThenStops)
{
    Serveur s;
    ASSERT_TRUE(s.dossier.isValid() && s.démarrer()) << "pulseaudio: " << s.serveur.errorString().toStdString();
    qputenv("PULSE_SERVER", ("unix:" + s.socket()).toLocal8Bit());  // before Qt looks for a device
    Form1 f;
    f.show();
    choisir(f.Combo2, 2);  // "Signal carré"
    f.menu_outils->aboutToShow();
    f.action_écouter->trigger();
    ASSERT_TRUE(f.écoute->en_marche()) << f.action_écouter->toolTip().toStdString();
    f.écoute->volume->setValue(80);
    QProcess enregistreur;
    enregistreur.setProcessEnvironment(s.environnement());
    enregistreur.start("parec", {"--device=sinuvia_nul.monitor", QString("--rate=%1").arg(fe), "--channels=1",
                                 "--format=float32le", "--raw", "--latency-msec=100"});
    std::vector<float> x;
    int n = 0;  // meanwhile a strip is dragged to and fro (rank 40, silent in a square wave, at most 2 % of it)
    glisser(f.bar[40], QEvent::MouseButtonPress, 100);
    enregistrer(enregistreur, x, 1.5, [&] { glisser(f.bar[40], QEvent::MouseMove, ++n % 2 ? 98 : 100); });
    glisser(f.bar[40], QEvent::MouseMove, 100);
    glisser(f.bar[40], QEvent::MouseButtonRelease, 100);
    f.menu_outils->aboutToShow();  // the device looked for again while playing
    const bool joue = f.écoute->en_marche() && f.écoute->panneau->isVisible();
    f.action_écouter->trigger();
    enregistrer(enregistreur, x, 0.5);
    enregistreur.kill();
    ASSERT_EQ(std::tuple(f.Amplit[40]->text(), joue, f.écoute->en_marche(), f.écoute->panneau->isVisible(), x.size()),
              std::tuple(QString("0"), true, false, false, std::size_t(2 * fe)));
    // Ten tenths of a second from the second half-second on (the start may predate the sound). A tenth disturbed by a
    // busy machine (a few samples late or lost) gives a lower level: the figures are those of the third loudest.
    std::vector<std::vector<float>> dixièmes;
    for (int k = 0; k < 10; ++k)
        dixièmes.emplace_back(x.begin() + fe / 2 + k * fe / 10, x.begin() + fe / 2 + (k + 1) * fe / 10);
    std::ranges::sort(dixièmes, std::greater{}, [](const auto& d) { return amplitude(d, 220); });
    const std::vector<float>& q = dixièmes[2];
    const double fondamental = pic(q, 100, 1000, 5), a1 = amplitude(q, 220);
    EXPECT_NEAR(pic(q, fondamental - 5, fondamental + 5, 0.05), 220, 0.2);
    const double attendu = son::table(f.écoute->harmoniques(), 220, fe, 0.8)->niveau * commun::composantes[1].amplitude;
    EXPECT_NEAR(a1, attendu, 0.03 * attendu);
    EXPECT_NEAR(amplitude(q, 660) / a1, commun::composantes[3].amplitude / commun::composantes[1].amplitude, 0.01);
    EXPECT_LT(amplitude(q, 440), 0.01 * a1);
    // No gap: the output never ran dry (it would play silence, 20 zero samples in a row), but in one tenth at most,
    // which a busy machine may disturb: a fault that starves the output leaves gaps all along.
    const auto trou = [](const std::vector<float>& d) { return !std::ranges::search_n(d, 20, 0.0f).empty(); };
    EXPECT_LE(std::ranges::count_if(dixièmes, trou), 1);
    // Stopped: the last tenth of a second is silent.
    EXPECT_LT(std::ranges::max(std::vector(x.end() - fe / 10, x.end()), {}, [](float v) { return std::abs(v); }), 1e-4);
    // Played again, then the server goes: one French message, and the entry unchecked.
    f.action_écouter->trigger();
    ASSERT_TRUE(f.écoute->en_marche());
    QTest::qWait(100);
    QStringList messages;
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << m->text();
            m->accept();
        }
    });
    fermeture.start(20);
    s.serveur.kill();
    for (QDeadlineTimer fin(10000); f.action_écouter->isChecked() && !fin.hasExpired();)
        QTest::qWait(20);
    QTest::qWait(300);
    EXPECT_EQ(std::tuple(f.action_écouter->isChecked(), f.écoute->en_marche(), messages),
              std::tuple(false, false, QStringList{"La sortie audio ne répond plus : l'écoute s'arrête."}));
}
}  // namespace
