#pragma once
// Sound files (WAV, AIFF, FLAC… whatever libsndfile reads): one column per
// channel, "Canal 1", "Canal 2"…, at the file's sample rate. PCM of 8 to 32
// bits reads as values within -1..1, floating-point samples as they are.
// No Qt here.

#include "mesures/trace.h"

#include <string>

namespace mesures::son {

// True when the first bytes are those of a sound file's header.
bool est_un_son(const std::string& chemin);

// The channels of the file.
Échec analyser(const std::string& chemin, Colonnes& colonnes);

// Channel `colonne` (from 0); only that channel is kept.
Échec lire(const std::string& chemin, int colonne, Trace& trace);

}  // namespace mesures::son
