#pragma once
// The heights of the waveform rebuilt from its ranks, at evenly spaced
// angles, with few sines. No user interface here.

#include "app/commun.h"

#include <span>

namespace synthese {

// For k = 0 to hauteurs.size() − 1, at the angle θ = (première + k·écart)·unité
// (the product formed as the plots form it): the DC level
// composantes[0].amplitude, plus amplitude·sin(rang·θ + déphas) for each rank
// 1 to nb_rangs (at most commun::dernier_rang) whose amplitude is strictly
// positive, added in increasing rank order. That is the height of the end of
// the chain of vectors, link after link.
//
// Each rank's vector is turned from one angle to the next (angle addition),
// and computed afresh from its sine and cosine every 64 points, so that the
// rounding cannot drift: the result stays within 1e-13 × (sum of the
// amplitudes), and so within 1e-9, of the sines computed one by one. Where
// turning would part from them further (phases of more than 100 radians,
// whose sum with the angle loses digits, a sum of amplitudes above 1e4, or
// an amplitude that is not finite), every sine is computed one by one.
void hauteurs(std::span<const commun::Composante> composantes, int nb_rangs, int première, int écart,
              double unité, std::span<double> hauteurs);

}  // namespace synthese
