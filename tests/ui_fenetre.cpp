// The main window as built, laid out, resized, restored and scrolled, its plots' axes, the hint line, the reset and
// the about box; without the mouse: Tab through the columns, Space on the press buttons, the keys on the strips; the
// wheel over the rank panel; the names screen readers get; the lists' popups.
#include "tests/outils_compacts.h"
#include <optional>
using Fenetre = AvecFenêtre;
// The controls' places, captions, ranges, fonts and names for screen readers as designed; the rank columns every 755 twips.
TEST_F(Fenetre, BuiltAsDesignedWithItsRankColumnsAndNamesForScreenReaders)
{
    EXPECT_FALSE(f->windowIcon().isNull() || f->Command1->icon().isNull() || f->Command4->icon().isNull());
    EXPECT_EQ(std::tuple(f->Combo1->count(), f->Combo1->itemText(0), f->Combo1->itemText(8), f->Combo1->currentText(), f->Combo2->count(),
                         f->Combo2->currentIndex(), f->Combo2->toolTip()), std::tuple(50, "1", "9", "50", 9, -1, "Choix d'un signal."));
    const std::tuple<QString, QString, QString, QRect> contrôles[] = {  // name, container, caption (the tooltips give the hints), place
        {"Frame4", "zone_client", "Signaux:", {5100, 0, 2655, 555}}, {"Combo2", "Frame4", "", {60, 180, 2535, 315}},
        {"Command5", "zone_client", "A propos.", {8340, 120, 855, 315}}, {"Frame3", "zone_client", "Rangs:", {3660, 0, 1395, 555}},
        {"Combo1", "Frame3", "", {660, 180, 675, 330}}, {"Label1", "Frame3", "Utilisés:", {60, 240, 675, 195}},
        {"Command2", "zone_client", "RAZ", {7800, 120, 495, 315}}, {"Frame2", "zone_client", "Animation:", {60, 0, 3555, 555}},
        {"Command4", "Frame2", "", {3060, 180, 375, 315}}, {"Command1", "Frame2", "", {2580, 180, 435, 315}},
        {"HScroll2", "Frame2", "", {480, 240, 1635, 195}}, {"Label2(0)", "Frame2", "Max", {60, 240, 375, 195}},
        {"Label2(1)", "Frame2", "Mini", {2160, 240, 375, 195}}, {"Label3", "zone_client", "", {9180, 180, 2775, 255}}};
    for (const auto& [nom, conteneur, légende, place] : contrôles) {
        const QWidget* w = f->findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr) << nom.toStdString();
        const QString lue = w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
        EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), lue, écart(en_twips(w), place)), std::tuple(conteneur, légende, 0));
    }
    EXPECT_EQ(std::tuple(f->VScroll1->minimum(), f->VScroll1->maximum(), f->VScroll1->value(), f->HScroll2->minimum(), f->HScroll2->maximum(),
                         f->HScroll2->value(), f->HScroll1->minimum(), f->HScroll1->value()), std::tuple(1, 10, 1, 1, 80, 1, 0, 0));
    // Tooltips and the lists' popups in the window's font; the boxes in a serif.
    const QString famille = QFontInfo(f->font()).family();
    EXPECT_EQ(std::tuple(QFontInfo(QToolTip::font()).family(), QFontInfo(f->Amplit[7]->font()).family() != famille,
                         f->Label1->font().pixelSize(), f->Label2[0]->font().pixelSize()), std::tuple(famille, true, 11, 12));  // 8.25, 9 pt
    for (const QComboBox* c : {f->Combo1, f->Combo2})
        EXPECT_EQ(std::tuple(QFontInfo(c->view()->font()).family(), QFontInfo(c->font()).family(), c->view()->font().pixelSize()),
                  std::tuple(famille, famille, c->font().pixelSize()));
    // The rank panel: columns every 755 twips from the corner of its client area, inside its 2-pixel border.
    for (int i : {0, 1, 7, 50}) {
        QGroupBox* cadre = f->Frame1[i];  // the DC column: no title nor phase
        EXPECT_EQ(std::tuple(cadre->title(), f->Amplit[i]->text(), f->déphas[i]->isVisible() + f->bar_deg[i]->isVisible(),
                             f->degré[i]->isVisible(), écart(en_twips(cadre).translated(-30, -30), QRect(755 * i, 0, 735, 2835)) <= 15,
                             f->bar[i]->isAncestorOf(f->bleu[i]) && f->bar_deg[i]->isAncestorOf(f->bleu_deg[i]), f->bar_deg[i]->scaleLeft(),
                             f->bar_deg[i]->scaleWidth(), f->bar[i]->scaleTop(), f->bar[i]->scaleHeight()),  // the strips' scales
                  std::tuple(i ? "Rang:" + QString::number(i) : QString(), QString("0"), i ? 2 : 0, i > 0, true, true, -180, 360, 0,
                             i ? 100 : 200)) << i;
        const std::pair<QWidget*, QRect> places[] = {{f->Command3[i], {480, 1740, 135, 195}}, {f->bar_deg[i], {60, 2340, 615, 195}},
            {f->bar[i], {300, 600, 135, i ? 1335 : 1900}}, {f->Amplit[i], {120, 240, 450, 285}}, {f->déphas[i], {60, 2040, 570, 285}},
            {f->degré[i], {650, 2040, 135, 135}}, {f->Label4[i], {60, 2580, 615, 195}}};
        for (auto [w, place] : places)  // in their column's frame
            EXPECT_TRUE(cadre->isAncestorOf(w) && écart(en_twips(w), place) <= 15) << w->objectName().toStdString() << i;
    }
    // Every control has a name for screen readers, the rank's controls with their rank, with their tooltip as description.
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
    f->Combo2->showPopup();  // opened last: the signal list's popup fits its longest item
    QAbstractItemView* vue = f->Combo2->view();
    EXPECT_GE(vue->viewport()->width(), vue->fontMetrics().horizontalAdvance("Redressement simple alternance"));
}
// Resized, even below the minimum; rescaled by a thumb drag, the period back once it ends on its start value; restored.
TEST_F(Fenetre, LaidOutRescaledAndRedrawnAfterResizesAThumbDragAndARestore)
{
    const QSize minimum = f->minimumSize();
    EXPECT_LE(écart(QRect(QPoint(), 15 * (minimum - QSize(0, f->hauteur_menus()) + f->frameGeometry().size() - f->size())), QRect(0, 0, 10000, 6000)), 15);
    for (auto [taille, par_le_système] : {std::pair{f->size(), false}, {QSize(1600, 420), false}, {QSize(5000, 600), false},
                                          {QSize(300, 200), true}}) {
        SCOPED_TRACE(taille.width() * 10000 + taille.height());
        par_le_système ? f->windowHandle()->resize(taille) : f->resize(taille);
        QCoreApplication::processEvents();
        f->HScroll1->setValue(f->HScroll1->maximum());  // a column a step; at the end, 200 twips inside the outer width
        EXPECT_EQ(std::tuple(f->size(), f->minimumSize(), f->redimensionné, f->HScroll1->singleStep(), f->HScroll1->pageStep()),
                  std::tuple(taille.expandedTo(minimum), minimum, 1, 755, 755));
        EXPECT_NEAR(en_twips(f->Picture4).right() + 1, std::min(38545, f->largeur_extérieure() - 200), 15);
        const int W = f->largeur_client(), H = f->hauteur_client();
        const QRect p1 = en_twips(f->Picture1), p2 = en_twips(f->Picture2), v1 = en_twips(f->VScroll1), h1 = en_twips(f->HScroll1);
        const QRect p4 = en_twips(f->Picture4);
        EXPECT_EQ(std::tuple(p4.y() + p4.height(), p4.height(), p1.width(), v1.x() + v1.width()), std::tuple(h1.y(), 2955, p1.height(), W));
        EXPECT_LE(std::max({écart(h1, QRect(0, H - 255, W, 255)), écart(p1, QRect(0, 600, p4.y() - 650, p4.y() - 650)),
                            écart(p2, QRect(p1.width() + 50, p1.y(), p2.width(), p1.height())),
                            écart(v1, QRect(p2.x() + p2.width() + 50, p2.y(), 195, p2.height() / 2))}), 15);
        const auto axe = de_couleur(courbes(), jaune);  // with no stored period, the time axis over the whole period
        EXPECT_TRUE(axe.size() == 1 && xy(axe[0]) == Segment({0, 0, Form1::deux_pi, 0}));
    }
    commun::periode[4096] = 0.25;  // a stored period, even of a single non-zero sample, the last one
    f->Picture2->line(0, 0.5, 2, 0.5, QColor(jaune));  // over the curves
    QScrollBar* b = f->VScroll1;  // its thumb at the top, just below the up arrow, as tall as the bar's extent
    const QPointF pouce(b->width() / 2.0, b->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, b) + 4);
    souris_sur(b, QEvent::MouseButtonPress, pouce, Qt::LeftButton, Qt::LeftButton);
    souris_sur(b, QEvent::MouseMove, pouce + QPointF(0, b->height() / 2.0), Qt::NoButton, Qt::LeftButton);
    const int v = b->value();
    ASSERT_GT(v, 1);
    const float h = static_cast<float>(v + 0.1), hauteur = static_cast<float>(v + v + 0.2);  // the axes alone, as long at any zoom
    for (auto [s, gauche, largeur, horizontal] : {std::tuple{f->Picture1, -h, hauteur, Segment{1, 0, -1, 0}},
                                                  std::tuple{f->Picture2, -0.1f, 6.483185308f, Segment{0, 0, Form1::deux_pi, 0}}}) {
        EXPECT_EQ(std::tuple(s->scaleLeft(), s->scaleTop(), s->scaleWidth(), s->scaleHeight()), std::tuple(gauche, h, largeur, -hauteur));
        const std::vector<Prim>& axes = s->persistentLayer();
        EXPECT_EQ(std::tuple(axes.size(), de_couleur(axes, jaune).size(), xy(axes.at(0)), xy(axes.at(1)), s->autoRedraw(), s->foreColor(),
                             s->overlay().size() - de_couleur(s->overlay(), noir).size()),
                  std::tuple(2u, 2u, Segment{0, 1, 0, -1}, horizontal, false, QColor(noir), 0u));
    }
    EXPECT_EQ(de_couleur(courbes(), noir).size(), 1024u);  // the waveform redrawn at the new scale
    souris_sur(b, QEvent::MouseMove, pouce, Qt::NoButton, Qt::LeftButton), souris_sur(b, QEvent::MouseButtonRelease, pouce, Qt::LeftButton);
    EXPECT_EQ(std::pair(b->value(), de_couleur(courbes(), magenta).size()), std::pair(1, std::size_t{4091}));
    // Minimized, nothing is done; restored, laid out and redrawn: the trail of an animation gone.
    traînée_sur(f->Picture1);
    f->setWindowState(Qt::WindowMinimized), f->Form_Resize();
    EXPECT_EQ(std::pair(traînée().size(), f->redimensionné), std::pair(std::size_t{1}, int16_t{0}));
    f->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(std::tuple(f->Picture1->persistentLayer().size(), traînée().size(), de_couleur(courbes(), magenta).size(),
                         de_couleur(courbes(), jaune).size(), f->redimensionné),
              std::tuple(2u, 0u, 4091u, 0u, 1));  // the stored period, no time axis
}
// Over each control, its hint (over a framed label, the frame's; over a control without one, none); over the lists,
// the scroll bars, "A propos.", the percentages and the bare panel, the hint is left as it was.
TEST_F(Fenetre, TheHintRepeatsTheTooltipOfWhatThePointerIsOver)
{
    const QPointF panneau_nu(f->Picture4->clientRect().left() + 1, f->Picture4->clientRect().bottom() - 1), coin(1, 1);
    const QString valeur = "Saisie de la valeur de la composante continue.", action = "Action sur  la valeur de la composante continue",
                  rang = " du rang 7.", vitesse = "Réglage de la vitesse d'animation.", rangs = "Choix du nb de rangs utilisés.";
    const std::tuple<QWidget*, std::optional<QPointF>, QString> cas[] = {
        {f->Amplit[0], {}, valeur}, {f->Amplit[7], {}, "Saisie de l'amplitude" + rang}, {f->déphas[7], {}, "Saisie du déphasage" + rang},
        {f->degré[7], {}, ""}, {f->bar[0], {}, action}, {f->bar[7], {}, "Action sur l'amplitude" + rang},
        {f->bar_deg[7], {}, "Action sur le déphasage" + rang}, {f->Command3[0], {}, "Tracé de la composante continue."},
        {f->Command3[7], {}, "Tracé du rang 7."}, {f->Frame1[0], coin, ""}, {f->Frame1[7], coin, ""}, {f->Command1, {}, "Animer le tracé."},
        {f->Command2, {}, "Initialiser le graphique."}, {f->Command4, {}, "Finir le tracé."}, {f->Frame2, coin, vitesse},
        {f->Label2[0], {}, vitesse}, {f->Label2[1], {}, vitesse}, {f->Frame3, coin, rangs}, {f->Label1, {}, rangs},
        {f->Frame4, coin, "Choix d'un signal."}, {f->Label3, {}, ""}, {f->Picture1, {}, ""}, {f->zone_client, coin, ""}, {f->barre_menus, coin, ""},
        {f->Picture2, {}, "Tracé manuel d'une période."}, {f->Combo1, {}, "avant"}, {f->Combo2, {}, "avant"}, {f->VScroll1, {}, "avant"},
        {f->HScroll1, {}, "avant"}, {f->HScroll2, {}, "avant"}, {f->Command5, {}, "avant"}, {f->Label4[7], {}, "avant"},
        {f->Picture4, panneau_nu, "avant"}};
    for (const auto& [w, point, texte] : cas) {
        f->Label3->setText("avant"), souris_en(w, QEvent::MouseMove, point.value_or(QRectF(w->rect()).center()));
        EXPECT_EQ(f->Label3->text(), texte) << w->objectName().toStdString();
    }
    // A left click on the bare panel empties it; a right one, or a left one released above the panel, does not.
    for (auto [bouton, relâché, texte] : {std::tuple{Qt::RightButton, panneau_nu, "avant"}, {Qt::LeftButton, QPointF(1, -30), "avant"},
                                          {Qt::LeftButton, panneau_nu, ""}}) {
        souris_en(f->Picture4, QEvent::MouseButtonPress, panneau_nu, bouton, bouton);
        souris_en(f->Picture4, QEvent::MouseButtonRelease, relâché, bouton);
        EXPECT_EQ(f->Label3->text(), texte);
    }
}
// "A propos." shows the about box and changes nothing; "RAZ" clears every rank and the period in one redraw, not the count.
TEST_F(Fenetre, TheAboutBoxChangesNothingAndTheResetClearsEveryRankAndThePeriodButNotTheRankCount)
{
    f->Combo1->setCurrentIndex(9);  // "10"
    std::vector<int16_t> maj;  // the redraw flag at each write: held back during a reset, which redraws once at its end
    for (QLineEdit* b : {f->Amplit[0], f->Amplit[1], f->déphas[1], f->Amplit[10], f->déphas[10]})
        b->setText("20"), QObject::connect(b, &QLineEdit::textChanged, [&] { maj.push_back(f->maj_globale); });
    commun::periode[100] = 0.4, f->HScroll1->setValue(755), f->Label3->setText("avant");
    const auto calque = courbes().size();
    const QString texte = message([&] { souris(f->Command5, QEvent::MouseButtonPress), souris(f->Command5, QEvent::MouseButtonRelease); });
    const QStringList l = texte.split('\n');  // the title, then an empty first line
    ASSERT_EQ(l.size(), 7) << texte.toStdString();
    EXPECT_TRUE(l[0] == "A propos|" && l[1].contains("Sinuvia") && l[3].trimmed() == "VELTRANE" && l[6].contains("FFT")) << texte.toStdString();
    EXPECT_EQ(std::tuple(maj.size(), commun::composantes[1].amplitude, commun::periode_vide(), f->Label3->text(), courbes().size()),
              std::tuple(0u, 0.2, false, QString("avant"), calque));
    souris(f->Command2, QEvent::MouseButtonPress), souris(f->Command2, QEvent::MouseButtonRelease);
    EXPECT_EQ(std::tuple(maj, f->maj_globale, commun::periode_vide()), std::tuple(std::vector<int16_t>(5, 1), 0, true));
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(std::tuple(f->Amplit[i]->text() + f->déphas[i]->text() + (i ? f->Label4[i]->text() : ""), f->bleu[i]->userTop(),
                             f->bleu_deg[i]->userLeft(), commun::composantes[i].amplitude, commun::composantes[i].déphas),
                  std::tuple(QString("00"), 100.f, 0.f, i == 1 ? 0.01 : 0.0, 0.0)) << i;
    EXPECT_EQ(std::tuple(f->Combo1->currentIndex(), f->HScroll1->value(), courbes().size() + diagramme().size(),  // the axes alone
                         f->Picture1->persistentLayer().size() + f->Picture2->persistentLayer().size()), std::tuple(9, 755, 0u, 4u));
}
// Tab goes amplitude, phase, trace, then the next column (the DC one has no phase), scrolling the focused column into
// view, back to the first with Shift+Tab; the wheel scrolls the panel too. Keys on a focused strip move its value through
// the box by one (arrows) or ten (page keys), limited as a drag is, each a step of the history. Space held on a trace
// button is the left button held: the rank traced, "Animer" animating; released, the trace goes, the animation pauses.
TEST_F(Fenetre, TabTheWheelTheKeysOnAFocusedStripAndSpaceOnAPressButton)
{
    f->activateWindow();
    QCoreApplication::processEvents();
    const auto focus = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-"; };
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
    const std::tuple<Surface*, QLineEdit*, QString, Qt::Key, QString> cas[] = {
        {f->bar[3], f->Amplit[3], "0", Qt::Key_Up, "1"},         {f->bar[3], f->Amplit[3], "12.5", Qt::Key_PageUp, "22"},
        {f->bar[3], f->Amplit[3], "95", Qt::Key_PageUp, "100"},   {f->bar[3], f->Amplit[3], "3", Qt::Key_PageDown, "0"},
        {f->bar[3], f->Amplit[3], "7", Qt::Key_Down, "6"},        {f->bar[0], f->Amplit[0], "-95", Qt::Key_PageDown, "-100"},
        {f->bar[0], f->Amplit[0], "0", Qt::Key_Down, "-1"},       {f->bar_deg[3], f->déphas[3], "0", Qt::Key_Right, "1"},
        {f->bar_deg[3], f->déphas[3], "0", Qt::Key_Left, "-1"},   {f->bar_deg[3], f->déphas[3], "-175", Qt::Key_PageDown, "-180"},
        {f->bar_deg[3], f->déphas[3], "5", Qt::Key_Tab, "5"},     {f->bar_deg[3], f->déphas[3], "90", Qt::Key_Up, "91"},
    };
    for (const auto& [bande, boîte, avant, touche, après] : cas) {
        boîte->setText(avant);
        bande->setFocus();
        QTest::keyClick(bande, touche);
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
    f->Command3[3]->setFocus();
    QTest::keyPress(f->Command3[3], Qt::Key_Space);
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
    f->Command1->setFocus();  // returns when the window closes
    QTest::keyPress(f->Command1, Qt::Key_Space);
    EXPECT_EQ(std::pair(en_pause, traînée().size() >= 50), std::pair(true, true));
}
