#pragma once
// The sampled periods of the signal list. No Qt here.

#include <array>
#include <cstdint>

namespace signaux {

// Index of the list entry that opens the import dialog instead of giving samples.
inline constexpr int16_t importation = 1;

// Writes one period of the signal of list index `indice` (0 to 8) into the
// samples it names; the others keep what they held (the caller clears them
// first). The import entry and indices outside 0..8 write nothing.
void écrire_signal(int16_t indice, std::array<double, 4097>& periode);

}  // namespace signaux
