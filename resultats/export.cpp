// "Exporter les harmoniques…", "Exporter l'image…" and "Copier l'image".

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "resultats/ecriture.h"
#include "resultats/grandeurs.h"
#include "widgets/controls.h"
#include "widgets/surface.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>

#include <array>

namespace {

constexpr int écart_images = 8;  // pixels between the diagram and the waveform

// Paints the phasor diagram and the waveform side by side, as the window shows them.
void peindre_tracés(QPainter& p, Surface* diagramme, Surface* courbe)
{
    diagramme->render(&p, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    courbe->render(&p, QPoint(diagramme->width() + écart_images, 0), QRegion(), QWidget::DrawChildren);
}

QSize taille_tracés(Surface* diagramme, Surface* courbe)
{
    return {diagramme->width() + écart_images + courbe->width(), std::max(diagramme->height(), courbe->height())};
}

}  // namespace

QImage Form1::image_des_tracés(qreal rapport) const
{
    const QSize taille = taille_tracés(Picture1, Picture2);
    QImage image(taille * rapport, QImage::Format_RGB32);
    image.setDevicePixelRatio(rapport);
    image.fill(Qt::white);
    QPainter p(&image);
    peindre_tracés(p, Picture1, Picture2);
    return image;
}

bool Form1::exporter_image(const QString& chemin)
{
    const QString suffixe = chemin.section(QLatin1Char('.'), -1).toLower();
    QByteArray contenu;
    QBuffer tampon(&contenu);  // opened by the image writer or the SVG generator
    if (chemin.contains(QLatin1Char('.')) && suffixe == QLatin1String("png")) {
        image_des_tracés(2).save(&tampon, "PNG");
    } else if (chemin.contains(QLatin1Char('.')) && suffixe == QLatin1String("svg")) {
        const QSize taille = taille_tracés(Picture1, Picture2);
        QSvgGenerator svg;
        svg.setOutputDevice(&tampon);
        svg.setSize(taille);
        svg.setResolution(96);  // a pixel of the screen is a CSS pixel
        svg.setViewBox(QRect(QPoint(0, 0), taille));
        svg.setTitle(QStringLiteral("Sinuvia"));
        QPainter p(&svg);
        p.fillRect(QRect(QPoint(0, 0), taille), Qt::white);
        peindre_tracés(p, Picture1, Picture2);
    } else {
        avertir(this, QStringLiteral("Le nom de l'image doit finir par .png ou .svg."));
        return false;
    }
    return écrire_fichier(this, chemin, contenu);
}

void Form1::copier_image()
{
    QGuiApplication::clipboard()->setImage(image_des_tracés(2));
}

bool Form1::exporter_harmoniques(const QString& chemin)
{
    const int n = std::clamp(static_cast<int>(valeur_de(Combo1->currentText())), 0, static_cast<int>(nb_rangs));
    std::array<double, nb_rangs + 1> a{}, phi{};
    for (int k = 0; k <= n; ++k) {
        a[k] = valeur_de(Amplit[k]->text());
        phi[k] = k ? valeur_de(déphas[k]->text()) : 0.0;
    }
    std::optional<grandeurs::Unité> unité;
    if (commun::origine.échelle > 0)
        unité = grandeurs::Unité{commun::origine.unité, commun::origine.échelle};
    const bool français = QLocale().language() == QLocale::French;
    const std::string texte = grandeurs::csv(a, phi, n, français ? ';' : ',', français ? ',' : '.', unité);
    return écrire_fichier(this, chemin, QByteArray::fromStdString(texte));
}
