#include "mesures/fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace mesures {

int ouvrir_fichier(const std::string& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat état {};
    if (fstat(fd, &état) != 0 || !S_ISREG(état.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

Fichier ouvrir_flux(const std::string& chemin)
{
    const int fd = ouvrir_fichier(chemin);
    if (fd < 0)
        return nullptr;
    Fichier f(fdopen(fd, "rb"));
    if (!f) {
        ::close(fd);
        return nullptr;
    }
    std::setvbuf(f.get(), nullptr, _IONBF, 0);  // the line reader has its own buffer
    return f;
}

LecteurLignes::LecteurLignes(std::FILE* f) : f_(f), tampon_(new char[taille_tampon]) {}

bool LecteurLignes::remplir()
{
    if (fini_)
        return false;
    const std::size_t n = std::fread(tampon_.get(), 1, taille_tampon, f_);
    if (n == 0) {
        erreur_ = std::ferror(f_) != 0;
        fini_ = true;
        return false;
    }
    début_ = 0;
    fin_ = n;
    return true;
}

bool LecteurLignes::suivante(std::string& ligne)
{
    ligne.clear();
    trop_longue_ = false;
    bool lue = false;
    for (;;) {
        if (début_ == fin_ && !remplir())
            break;
        lue = true;
        const char* d = tampon_.get() + début_;
        const std::size_t n = fin_ - début_;
        const void* lf = std::memchr(d, '\n', n);
        const std::size_t m = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - d) : n;
        const std::size_t garder = std::min(m, longueur_max + 1 - std::min(ligne.size(), longueur_max + 1));
        ligne.append(d, garder);
        début_ += m;
        if (lf) {
            ++début_;
            break;
        }
    }
    if (!lue)
        return false;
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.pop_back();
    if (ligne.size() > longueur_max) {
        trop_longue_ = true;
        ligne.resize(longueur_max);
    }
    ++numéro_;
    return true;
}

}  // namespace mesures
