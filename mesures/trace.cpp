#include "mesures/trace.h"

namespace mesures {

std::string message(const Échec& échec, const std::string& nom)
{
    const std::string f = "Le fichier « " + nom + " » ";
    const std::string ligne = " (ligne " + std::to_string(échec.ligne) + ")";
    switch (échec.erreur) {
    case Erreur::aucune: return {};
    case Erreur::ouverture:
        return "Impossible d'ouvrir le fichier « " + nom + " » : il n'existe pas, il est verrouillé ou ce n'est pas un fichier.";
    case Erreur::lecture: return "Impossible de lire le fichier « " + nom + " ».";
    case Erreur::vide: return f + "est vide.";
    case Erreur::binaire: return f + "n'est pas un fichier texte" + ligne + ".";
    case Erreur::aucune_ligne: return f + "ne contient aucune ligne de nombres.";
    case Erreur::une_seule_ligne: return f + "ne contient qu'une ligne de nombres : il en faut au moins deux.";
    case Erreur::valeur: return f + "contient une valeur illisible" + ligne + ".";
    case Erreur::non_fini: return f + "contient une valeur infinie ou non numérique" + ligne + ".";
    case Erreur::temps: return f + "contient des temps qui reculent ou se répètent" + ligne + ".";
    case Erreur::son: return f + "n'est pas un fichier son lisible.";
    case Erreur::son_tronqué: return f + "est un fichier son tronqué.";
    case Erreur::colonne: return f + "n'a pas cette colonne.";
    }
    return {};
}

}  // namespace mesures
