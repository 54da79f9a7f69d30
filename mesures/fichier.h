#pragma once
// Files of measurements opened for reading, and read line by line. No Qt here.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace mesures {

// Opens a regular file for reading: -1 for a missing or unreadable file, a
// folder, a pipe or a device (opened without blocking, then refused), so that
// nothing here ever waits on a fifo or reads an endless device.
int ouvrir_fichier(const std::string& chemin);

struct Fermer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, Fermer>;
// The same as a stream, or none.
Fichier ouvrir_flux(const std::string& chemin);

// Reads a stream line by line through a fixed buffer. A line keeps at most
// `longueur_max` characters; a longer one is flagged. LF ends a line, a CR
// before it is dropped; a last line without LF still counts.
class LecteurLignes {
public:
    static constexpr std::size_t longueur_max = 65536;
    explicit LecteurLignes(std::FILE* f);
    // False at the end of the file or on a reading error (see `erreur`).
    bool suivante(std::string& ligne);
    bool trop_longue() const { return trop_longue_; }
    bool erreur() const { return erreur_; }
    long numéro() const { return numéro_; }  // of the last line read, from 1

private:
    bool remplir();
    static constexpr std::size_t taille_tampon = 1 << 16;
    std::FILE* f_;
    std::unique_ptr<char[]> tampon_;
    std::size_t début_ = 0, fin_ = 0;
    long numéro_ = 0;
    bool fini_ = false, erreur_ = false, trop_longue_ = false;
};

}  // namespace mesures
