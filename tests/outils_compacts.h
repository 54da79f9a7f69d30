#pragma once
// Colours and a fixture shared by the tests of the main window's plots.
#include "app/commun.h"
#include "app/form1.h"
#include "tests/outils_ui.h"
#include "widgets/controls.h"
#include <QTest>
#include <gtest/gtest.h>
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <ranges>
using Prim = Surface::Primitive;
using Segment = std::array<double, 4>;  // x1, y1, x2, y2
inline const QRgb noir = qRgb(0, 0, 0), rouge = qRgb(255, 0, 0), magenta = qRgb(255, 0, 255),
                  jaune = qRgb(255, 255, 0), bleu = qRgb(0, 0, 255), rose = qRgb(255, 150, 150);
inline const QRgb bleu_clair = qRgb(128, 128, 255);  // the ranks' bars and phase markers
inline Segment xy(const Prim& p) { return {p.x1, p.y1, p.x2, p.y2}; }
// Sets these components, all others to none.
inline void composantes(std::initializer_list<std::pair<int, commun::Composante>> rangs)
{
    commun::composantes.fill({});
    for (const auto& [rang, c] : rangs)
        commun::composantes[rang] = c;
}
// The ranks whose amplitude box is not "0": rank -> (amplitude, phase) texts.
inline std::map<int, std::pair<QString, QString>> rangs_affichés(const Form1& f)
{
    std::map<int, std::pair<QString, QString>> r;
    for (int i = 0; i <= Form1::nb_rangs; ++i)
        if (f.Amplit[i]->text() != "0")
            r[i] = {f.Amplit[i]->text(), f.déphas[i]->text()};
    return r;
}
// The colours a surface shows at x (user units) down its client area, top to bottom.
inline std::vector<QRgb> colonne_à_l_écran(Surface* s, double x)
{
    std::vector<QRgb> c;
    const QImage img = à_l_écran(s);
    for (int r = s->clientRect().top(), px = int(s->toPixels(x, 0).x()); r <= s->clientRect().bottom(); ++r)
        c.push_back(img.pixel(px, r) | 0xFF000000);
    return c;
}
// The main window shown, with no component, no stored period and no measurement behind it; a temporary folder.
struct AvecFenêtre : ::testing::Test {
    void SetUp() override
    {
        commun::composantes.fill({});
        commun::periode.fill(0.0);
        commun::origine = {};
        f = std::make_unique<Form1>();
        f->show();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }  // whatever locale the test chose
    const std::vector<Prim>& courbes() const { return f->Picture2->overlay(); }
    const std::vector<Prim>& diagramme() const { return f->Picture1->overlay(); }
    std::vector<Prim> traînée() const { return de_couleur(f->Picture1->persistentLayer(), rose); }
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    void écrire(const char* nom, const std::string& s) const { std::ofstream(chemin(nom).toStdString(), std::ios::binary) << s; }
    // A key typed into `w`, or the control with the focus, on the window made active again (as after a popup).
    void touche(Qt::Key k, Qt::KeyboardModifiers m = {}, QWidget* w = nullptr) const
    {
        f->activateWindow();
        QCoreApplication::processEvents();
        QTest::keyClick(w ? w : QApplication::focusWidget() ? QApplication::focusWidget() : f.get(), k, m);
    }
    std::unique_ptr<Form1> f;
    QTemporaryDir dossier;
};
// Types a text into a box with real key presses, after emptying it.
inline void taper(QLineEdit* boîte, const QString& texte)
{
    boîte->clear();
    for (QChar c : texte) {
        QKeyEvent e(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(boîte, &e);
    }
}
// Runs `action` once, on the first pass through the event loop at which `condition` holds.
inline void quand(std::function<bool()> condition, std::function<void()> action)
{
    auto* t = new QTimer;
    QObject::connect(t, &QTimer::timeout, [=] {
        if (!condition())
            return;
        t->stop();
        t->deleteLater();
        action();
    });
    t->start(0);
}
// Runs `action`, closing with OK the message box it shows, which must have that one button; returns the box's title and
// text, "|"-joined ("" when none).
inline QString message(const std::function<void()>& action)
{
    auto vu = std::make_shared<QString>();
    dans_la_fenêtre_modale<QMessageBox>([vu](QMessageBox* b) {
        *vu = b->windowTitle() + '|' + b->text();
        EXPECT_EQ(b->buttons(), QList{b->button(QMessageBox::Ok)}) << vu->toStdString();
        b->accept();
    });
    action();
    QCoreApplication::processEvents();
    return *vu;
}
inline constexpr double un_pas = Form1::deux_pi / 4096;  // one sample of the period
// Exactly these lines, all of colour c but the one at index rouge_en, red.
inline void segments(const std::vector<Prim>& couche, const std::vector<Segment>& attendu, QRgb c, int rouge_en = -1)
{
    ASSERT_EQ(couche.size(), attendu.size());
    for (std::size_t k = 0; k < attendu.size(); ++k) {
        EXPECT_TRUE(couche[k].kind == Prim::Kind::Line && couche[k].color == (int(k) == rouge_en ? rouge : c)) << k;
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(xy(couche[k])[i], attendu[k][i], 1e-9) << "line " << k << ", coordinate " << i;
    }
}
// 1024 lines following g at x = 1, 5, … 4093 samples, the first from x = départ: the first, middle and last checked.
inline void courbe(const std::vector<Prim>& l, auto g, QRgb c, double départ = un_pas)
{
    ASSERT_EQ(l.size(), 1024u);
    const double p = un_pas, m = 2045 * p, z = 4089 * p, d = 4 * p;
    segments({l[0], l[512], l[1023]}, {{départ, g(p), p, g(p)}, {m, g(m), m + d, g(m + d)}, {z, g(z), z + d, g(z + d)}}, c);
}
// A trail segment on the diagram.
inline void traînée_sur(Surface* s)
{
    s->setAutoRedraw(true);
    s->line(0.2, 0.2, 0.4, 0.3, QColor(rose));
    s->setAutoRedraw(false);
}
// Whether the window shows the plot in black at (x, y) of its user units, within two pixels up or down.
inline bool noir_à_l_écran(Surface* s, double x, double y)
{
    QCoreApplication::processEvents();
    const QImage img = à_l_écran(s);
    const QPoint p = s->toPixels(x, y).toPoint();
    return std::ranges::any_of(std::views::iota(-2, 3), [&](int dy) { return img.pixel(p + QPoint(0, dy)) == noir; });
}
// A real mouse event at a position of a strip in its user units, mid-strip the other way.
inline void glisser(Surface* s, QEvent::Type t, double v, Qt::MouseButton b = Qt::LeftButton, Qt::MouseButtons boutons = Qt::LeftButton)
{
    const QPointF m = QRectF(s->rect()).center();
    const QPointF p = s->scaleWidth() == 360 ? QPointF(s->toPixels(v, 0).x(), m.y()) : QPointF(m.x(), s->toPixels(0, v).y());
    souris_sur(s, t, p, b, t == QEvent::MouseButtonRelease ? Qt::NoButton : boutons);
}
