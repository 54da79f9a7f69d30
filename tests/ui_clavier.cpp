// The window without the mouse: Tab through the columns, Space on the press buttons, the keys on the strips; the
// wheel over the rank panel; the names screen readers get; the lists' popups.
#include "tests/outils_compacts.h"
#include <QTest>
namespace {
struct Clavier : AvecFenêtre {
    void SetUp() override
    {
        AvecFenêtre::SetUp();
        f->activateWindow(), QCoreApplication::processEvents();
    }
    QString focus() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-"; }
};
// Tab goes amplitude, phase, trace, then the next column (the DC one has no phase), and the focused column is
// scrolled into view, back to the first with Shift+Tab; the wheel scrolls the panel too.
TEST_F(Clavier, TabGoesThroughEachColumnAndScrollsItIntoViewAsTheWheelDoes)
{
    f->Amplit[0]->setFocus();
    QStringList vus{focus()};
    for (int k = 0; k < 5 + 3 * 20; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab), vus << focus();
    EXPECT_EQ(vus.first(6).join(' '), "Amplit(0) Command3(0) Amplit(1) déphas(1) Command3(1) Amplit(2)");
    ASSERT_EQ(vus.back(), "Amplit(22)");
    const auto place = [&](int i) { return QRect(f->Frame1[i]->mapTo(f->zone_client, QPoint(0, 0)), f->Frame1[i]->size()); };
    const int droite = f->zone_client->width();  // scrolled just enough: column 22 at the right edge
    EXPECT_TRUE(place(22).right() < droite && place(22).right() > droite - 6) << place(22).right();
    EXPECT_LT(place(0).right(), 0);
    for (int k = 0; k < 3 * 22 - 1; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(focus(), f->HScroll1->value()), std::pair(QString("Amplit(0)"), 0));
    // A notch of the wheel anywhere over the panel scrolls it a column, half notches add up; no value changes.
    for (auto [delta, valeur] : {std::pair{-120, 755}, {-60, 755}, {-60, 1510}, {240, 0}, {120, 0}}) {
        const QPointF p = QRectF(f->Amplit[5]->rect()).center();
        QWheelEvent e(p, f->Amplit[5]->mapToGlobal(p), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f->Amplit[5], &e);
        EXPECT_EQ(std::pair(f->HScroll1->value(), f->Amplit[5]->text()), std::pair(valeur, QString("0"))) << delta;
    }
}
// Space held on a rank's trace button traces the rank as a held mouse button does; released, the trace goes. On
// "Animer", it runs the animation; its release pauses it.
TEST_F(Clavier, SpaceHeldOnAPressButtonIsTheLeftButtonHeld)
{
    composantes({{1, {0.5, 0}}, {3, {0.2, 0}}});
    f->Command3[3]->setFocus(), QTest::keyPress(f->Command3[3], Qt::Key_Space);
    EXPECT_EQ(de_couleur(courbes(), rouge).size(), 1024u);
    QTest::keyRelease(f->Command3[3], Qt::Key_Space);
    EXPECT_EQ(de_couleur(courbes(), rouge).size(), 0u);
    f->durée_passe = f->durée_image = 0;
    bool en_pause = false;
    quand([&] { return f->position >= 50; }, [&] {
        QTest::keyRelease(f->Command1, Qt::Key_Space);
        en_pause = f->relâché == 1;
        f->close();
    });
    f->Command1->setFocus(), QTest::keyPress(f->Command1, Qt::Key_Space);  // returns when the window closes
    EXPECT_EQ(std::pair(en_pause, traînée().size() >= 50), std::pair(true, true));
}
// The keys on a focused strip move its rank's value through the box by one (arrows) or ten (page keys), limited as a
// drag is; each is a step of the history.
TEST_F(Clavier, KeysOnAFocusedStripMoveItsValueAsADragDoes)
{
    const std::tuple<Surface*, QLineEdit*, QString, Qt::Key, QString> cas[] = {
        {f->bar[3], f->Amplit[3], "0", Qt::Key_Up, "1"},         {f->bar[3], f->Amplit[3], "12.5", Qt::Key_PageUp, "22"},
        {f->bar[3], f->Amplit[3], "95", Qt::Key_PageUp, "100"},   {f->bar[3], f->Amplit[3], "3", Qt::Key_PageDown, "0"},
        {f->bar[3], f->Amplit[3], "7", Qt::Key_Down, "6"},        {f->bar[0], f->Amplit[0], "-95", Qt::Key_PageDown, "-100"},
        {f->bar[0], f->Amplit[0], "0", Qt::Key_Down, "-1"},       {f->bar_deg[3], f->déphas[3], "0", Qt::Key_Right, "1"},
        {f->bar_deg[3], f->déphas[3], "0", Qt::Key_Left, "-1"},   {f->bar_deg[3], f->déphas[3], "-175", Qt::Key_PageDown, "-180"},
        {f->bar_deg[3], f->déphas[3], "5", Qt::Key_Tab, "5"},     {f->bar_deg[3], f->déphas[3], "90", Qt::Key_Up, "91"},
    };
    for (const auto& [bande, boîte, avant, touche, après] : cas) {
        boîte->setText(avant), bande->setFocus(), QTest::keyClick(bande, touche);
        EXPECT_EQ(boîte->text(), après) << boîte->objectName().toStdString() << " " << avant.toStdString() << " " << touche;
    }
    const QPoint p(f->bar[4]->width() / 2, qRound(f->bar[4]->toPixels(0, 70).y()));  // a click gives a strip the focus
    QTest::mouseClick(f->bar[4], Qt::LeftButton, {}, p);
    const int cliqué = f->Amplit[4]->text().toInt();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(std::pair(std::abs(cliqué - 30) <= 1, f->Amplit[4]->text().toInt()), std::pair(true, cliqué + 1));
    QTest::keyClick(f->bar_deg[3], Qt::Key_Up);
    EXPECT_EQ(f->action_annuler->text(), "&Annuler le glissement du rang 3");
    f->action_annuler->trigger();
    EXPECT_EQ(f->déphas[3]->text(), "91");
}
// Every control has a name for screen readers, the rank's controls with their rank, with their tooltip as description.
TEST_F(Clavier, ScreenReadersGetANameForEveryControl)
{
    const auto lu = [](QWidget* w, QAccessible::Text t) { return QAccessible::queryAccessibleInterface(w)->text(t); };
    const std::pair<QWidget*, QString> noms[] = {
        {f->Amplit[3], "Amplitude du rang 3"}, {f->déphas[3], "Phase du rang 3"}, {f->Amplit[0], "Composante continue"},
        {f->bar[3], "Bande d'amplitude du rang 3"}, {f->bar_deg[3], "Bande de phase du rang 3"},
        {f->Command3[3], "Tracé du rang 3"}, {f->Picture2, "Forme d'onde synthétisée"}, {f->Picture1, "Diagramme de Fresnel"}};
    for (auto [w, nom] : noms)
        EXPECT_EQ(std::pair(lu(w, QAccessible::Name), lu(w, QAccessible::Description)), std::pair(nom, w->toolTip()));
    for (QWidget* w : f->zone_client->findChildren<QWidget*>()) {
        const bool décor = dynamic_cast<Shape*>(w) || w->parentWidget() == f->Combo1 || w->parentWidget() == f->Combo2;
        EXPECT_TRUE(!w->isVisibleTo(f.get()) || décor || !lu(w, QAccessible::Name).isEmpty())
            << w->objectName().toStdString() << " " << w->metaObject()->className();
    }
}
// The signal list's popup shows its longest item whole.
TEST_F(Clavier, ThePopupIsAsWideAsTheLongestItem)
{
    f->Combo2->showPopup();
    QAbstractItemView* vue = f->Combo2->view();
    EXPECT_GE(vue->viewport()->width(), vue->fontMetrics().horizontalAdvance("Redressement simple alternance"));
    f->Combo2->hidePopup();
}
}  // namespace
