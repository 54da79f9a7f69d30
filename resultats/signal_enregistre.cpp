// Signals saved and reopened: a versioned JSON document (*.sinuvia) holding
// the rank count, the boxes' texts, the stored period and where it came from.

#include "app/commun.h"
#include "app/form1.h"
#include "app/texte.h"
#include "resultats/document.h"
#include "resultats/ecriture.h"
#include "widgets/controls.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

constexpr qint64 taille_maximale = 8 << 20;  // far above any saved signal

// The document from its JSON text, or the reason it cannot be read.
std::variant<document::Signal, QString> lire(const QByteArray& octets)
{
    QJsonParseError erreur{};
    const QJsonDocument json = QJsonDocument::fromJson(octets, &erreur);
    const QString endommagé = QStringLiteral("le fichier est endommagé");
    if (erreur.error != QJsonParseError::NoError || !json.isObject())
        return endommagé + (erreur.error != QJsonParseError::NoError ? QStringLiteral(" (ce n'est pas du JSON valable).")
                                                                     : QStringLiteral(" (pas un objet JSON)."));
    const QJsonObject o = json.object();
    if (o.value(QLatin1String("format")).toString() != QLatin1String(document::format))
        return QStringLiteral("ce n'est pas un signal enregistré par Sinuvia.");
    const QJsonValue version = o.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return endommagé + QStringLiteral(" (version illisible).");
    if (version.toDouble() > document::version)
        return QStringLiteral("il a été enregistré par une version plus récente de Sinuvia (format %1, "
                              "celle-ci lit le format %2).")
            .arg(version.toDouble())
            .arg(document::version);

    document::Signal s;
    const QJsonValue rangs = o.value(QLatin1String("rangs"));
    if (!rangs.isDouble() || rangs.toDouble() != std::floor(rangs.toDouble()) || std::abs(rangs.toDouble()) > 1e6)
        return endommagé + QStringLiteral(" (nombre de rangs illisible).");
    s.nb_rangs = static_cast<int>(rangs.toDouble());
    for (auto [clé, textes] : {std::pair{"amplitudes", &s.amplitudes}, {"déphasages", &s.déphasages}}) {
        const QJsonArray t = o.value(QString::fromUtf8(clé)).toArray();
        if (t.size() != document::nb_textes)
            return endommagé + QStringLiteral(" (il faut %1 %2).").arg(document::nb_textes).arg(QString::fromUtf8(clé));
        for (int k = 0; k < document::nb_textes; ++k) {
            if (!t[k].isString())
                return endommagé + QStringLiteral(" (%1 : un texte attendu).").arg(QString::fromUtf8(clé));
            (*textes)[k] = t[k].toString().toStdString();
        }
    }
    const QJsonArray p = o.value(QStringLiteral("période")).toArray();
    if (p.size() != document::nb_échantillons)
        return endommagé + QStringLiteral(" (la période compte %1 échantillons au lieu de %2).")
                               .arg(p.size())
                               .arg(document::nb_échantillons);
    for (int i = 0; i < document::nb_échantillons; ++i) {
        if (!p[i].isDouble())
            return endommagé + QStringLiteral(" (l'échantillon %1 de la période n'est pas un nombre).").arg(i);
        s.période[i] = p[i].toDouble();
    }
    const QJsonObject source = o.value(QLatin1String("source")).toObject();
    const QJsonValue élément = source.value(QLatin1String("liste"));
    if (!élément.isDouble() || élément.toDouble() != std::floor(élément.toDouble()) || std::abs(élément.toDouble()) > 1e6)
        return endommagé + QStringLiteral(" (source illisible).");
    s.élément_liste = static_cast<int>(élément.toDouble());
    s.fichier = source.value(QLatin1String("fichier")).toString().toStdString();
    s.colonne = source.value(QLatin1String("colonne")).toString().toStdString();
    s.unité = source.value(QStringLiteral("unité")).toString().toStdString();
    const QJsonValue échelle = source.value(QStringLiteral("échelle"));
    if (!échelle.isDouble())
        return endommagé + QStringLiteral(" (échelle illisible).");
    s.échelle = échelle.toDouble();
    if (const auto d = document::défaut(s))
        return QString::fromStdString(*d);
    return s;
}

}  // namespace

bool Form1::enregistrer_signal(const QString& chemin)
{
    QJsonObject o;
    o.insert(QLatin1String("format"), QLatin1String(document::format));
    o.insert(QLatin1String("version"), document::version);
    o.insert(QLatin1String("rangs"), static_cast<int>(valeur_de(Combo1->currentText())));
    QJsonArray amplitudes, phases, période;
    for (int k = 0; k <= nb_rangs; ++k) {
        amplitudes.append(Amplit[k]->text());
        phases.append(déphas[k]->text());
    }
    for (double v : commun::periode)
        période.append(v);
    o.insert(QLatin1String("amplitudes"), amplitudes);
    o.insert(QStringLiteral("déphasages"), phases);
    o.insert(QStringLiteral("période"), période);
    QJsonObject source;
    source.insert(QLatin1String("liste"), Combo2->currentIndex());
    source.insert(QLatin1String("fichier"), QString::fromStdString(commun::origine.fichier));
    source.insert(QLatin1String("colonne"), QString::fromStdString(commun::origine.colonne));
    source.insert(QStringLiteral("unité"), QString::fromStdString(commun::origine.unité));
    source.insert(QStringLiteral("échelle"), commun::origine.échelle);
    o.insert(QLatin1String("source"), source);
    return écrire_fichier(this, chemin, QJsonDocument(o).toJson(QJsonDocument::Indented));
}

bool Form1::ouvrir_signal(const QString& chemin)
{
    const QString nom = QDir::toNativeSeparators(chemin);
    auto refus = [&](const QString& raison) {
        avertir(this, QStringLiteral("Impossible d'ouvrir « %1 » : %2").arg(nom, raison));
        return false;
    };
    QFile fichier_signal(chemin);
    if (!fichier_signal.open(QIODevice::ReadOnly))
        return refus(QStringLiteral("le fichier est illisible ou n'existe pas."));
    if (fichier_signal.size() > taille_maximale)
        return refus(QStringLiteral("ce n'est pas un signal enregistré par Sinuvia."));
    const auto lu = lire(fichier_signal.read(taille_maximale));
    if (const QString* raison = std::get_if<QString>(&lu))
        return refus(*raison);
    const document::Signal& s = std::get<document::Signal>(lu);

    // Everything is written with the redraws held, then drawn once.
    maj_globale = 1;
    {
        const QSignalBlocker b1(Combo1), b2(Combo2);
        Combo1->setCurrentIndex(s.nb_rangs - 1);
        Combo2->setCurrentIndex(s.élément_liste);
    }
    std::copy(s.période.begin(), s.période.end(), commun::periode.begin());
    commun::origine.fichier = s.fichier;
    commun::origine.colonne = s.colonne;
    commun::origine.unité = s.unité;
    commun::origine.échelle = s.échelle;
    fichier = QString::fromStdString(s.fichier);
    for (int k = 0; k <= nb_rangs; ++k) {
        Amplit[k]->setText(QString::fromStdString(s.amplitudes[k]));
        déphas[k]->setText(QString::fromStdString(s.déphasages[k]));
    }
    maj_globale = 0;
    tracerut();
    tracer_periode();
    return true;
}
