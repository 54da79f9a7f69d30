// The hint line, the reset button and the about box.
//
// The hint line `Label3` repeats the tooltip of the control under the
// pointer. Each control reports the moves over itself only; the combo
// boxes, the scroll bars, "A propos." and the percentage labels report none
// and leave the hint as it is.

#include "app/commun.h"
#include "app/form1.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>

#include <memory>

void Form1::indiquer(const QString& texte)
{
    if (Label3->text() != texte)
        Label3->setText(texte);
}

void Form1::Form_MouseMove(int16_t, int16_t, float, float)
{
    if (!Label3->text().isEmpty())
        Label3->setText(QString());
}

void Form1::Amplit_MouseMove(int16_t Index, int16_t, int16_t, float, float) { indiquer(Amplit[Index]->toolTip()); }
void Form1::déphas_MouseMove(int16_t Index, int16_t, int16_t, float, float) { indiquer(déphas[Index]->toolTip()); }
void Form1::degré_MouseMove(int16_t Index, int16_t, int16_t, float, float) { indiquer(degré[Index]->toolTip()); }
void Form1::Command1_MouseMove(int16_t, int16_t, float, float) { indiquer(Command1->toolTip()); }
void Form1::Command2_MouseMove(int16_t, int16_t, float, float) { indiquer(Command2->toolTip()); }
void Form1::Command3_MouseMove(int16_t Index, int16_t, int16_t, float, float) { indiquer(Command3[Index]->toolTip()); }
void Form1::Command4_MouseMove(int16_t, int16_t, float, float) { indiquer(Command4->toolTip()); }
void Form1::Frame1_MouseMove(int16_t Index, int16_t, int16_t, float, float) { indiquer(Frame1[Index]->toolTip()); }
void Form1::Frame2_MouseMove(int16_t, int16_t, float, float) { indiquer(Frame2->toolTip()); }
void Form1::Frame3_MouseMove(int16_t, int16_t, float, float) { indiquer(Frame3->toolTip()); }
void Form1::Frame4_MouseMove(int16_t, int16_t, float, float) { indiquer(Frame4->toolTip()); }
// The labels inside a frame borrow their frame's text.
void Form1::Label1_MouseMove(int16_t, int16_t, float, float) { indiquer(Frame3->toolTip()); }
void Form1::Label2_MouseMove(int16_t, int16_t, int16_t, float, float) { indiquer(Frame2->toolTip()); }
void Form1::Label3_MouseMove(int16_t, int16_t, float, float) { indiquer(Label3->toolTip()); }
void Form1::Picture1_MouseMove(int16_t, int16_t, float, float) { indiquer(Picture1->toolTip()); }
void Form1::Picture4_Click() { indiquer(Picture4->toolTip()); }

// Clears the stored period and every rank through its boxes, then redraws
// once. The rank count and the other settings stay.
void Form1::Command2_Click()
{
    commun::periode.fill(0.0);
    maj_globale = 1;
    for (int i = 0; i <= nb_rangs; ++i) {
        Amplit[i]->setText(QStringLiteral("0"));
        déphas[i]->setText(QStringLiteral("0"));
    }
    maj_globale = 0;
    tracerut();
    init();
}

void Form1::Command5_Click()
{
    const QString texte = QStringLiteral(
        "\n"
        "Sinuvia, conçu et programmé par l'équipe Sinuvia (sinuvia@example.org).\n"
        "\n"
        "                    VELTRANE\n"
        "                    https://www.example.org\n"
        "\n"
        "Merci à l'auteur des procédures de FFT (fft@example.org).");
    QMessageBox boîte(QMessageBox::NoIcon, QStringLiteral("A propos"), texte, QMessageBox::Ok, this);
    boîte.setTextFormat(Qt::PlainText);
    boîte.exec();
}

void Form1::relier_indications()
{
    using S = int16_t;
    auto s = [](int v) { return static_cast<S>(v); };
    for (QWidget* fond : {zone_client, static_cast<QWidget*>(barre_menus)})
        reportMouseMoves(fond, [this, s](int b, int k, float x, float y) { Form_MouseMove(s(b), s(k), x, y); });
    for (int i = 0; i <= nb_rangs; ++i) {
        const S n = s(i);
        reportMouseMoves(Amplit[i], [=, this](int b, int k, float x, float y) { Amplit_MouseMove(n, s(b), s(k), x, y); });
        reportMouseMoves(déphas[i], [=, this](int b, int k, float x, float y) { déphas_MouseMove(n, s(b), s(k), x, y); });
        reportMouseMoves(degré[i], [=, this](int b, int k, float x, float y) { degré_MouseMove(n, s(b), s(k), x, y); });
        reportMouseMoves(Command3[i], [=, this](int b, int k, float x, float y) { Command3_MouseMove(n, s(b), s(k), x, y); });
        reportMouseMoves(Frame1[i], [=, this](int b, int k, float x, float y) { Frame1_MouseMove(n, s(b), s(k), x, y); });
    }
    for (int i = 0; i < 2; ++i) {
        const S n = s(i);
        reportMouseMoves(Label2[i], [=, this](int b, int k, float x, float y) { Label2_MouseMove(n, s(b), s(k), x, y); });
    }
    const std::pair<QWidget*, void (Form1::*)(S, S, float, float)> contrôles[] = {
        {Command1, &Form1::Command1_MouseMove}, {Command2, &Form1::Command2_MouseMove},
        {Command4, &Form1::Command4_MouseMove}, {Frame2, &Form1::Frame2_MouseMove},
        {Frame3, &Form1::Frame3_MouseMove},     {Frame4, &Form1::Frame4_MouseMove},
        {Label1, &Form1::Label1_MouseMove},     {Label3, &Form1::Label3_MouseMove},
    };
    for (auto [contrôle, gestionnaire] : contrôles)
        reportMouseMoves(contrôle, [=, this](int b, int k, float x, float y) { (this->*gestionnaire)(s(b), s(k), x, y); });
    Picture1->onMouseMove = [=, this](int b, int k, float x, float y) { Picture1_MouseMove(s(b), s(k), x, y); };

    // A click on the bare panel: a left press and its release, both on it.
    auto pressé = std::make_shared<bool>(false);
    Picture4->onMouseDown = [pressé](int b, int, float, float) { *pressé = b == 1; };
    Picture4->onMouseUp = [this, pressé](int b, int, float x, float y) {
        const bool dedans = x >= 0 && y >= 0 && x < Picture4->scaleWidth() && y < Picture4->scaleHeight();
        if (std::exchange(*pressé, false) && b == 1 && dedans)
            Picture4_Click();
    };
    QObject::connect(Command2, &QPushButton::clicked, this, [this] { étape(QStringLiteral("RAZ"), [this] { Command2_Click(); }); });
    QObject::connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}
