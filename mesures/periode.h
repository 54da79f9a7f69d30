#pragma once
// One period of a measured column: its detection, its start, and its
// resampling onto the stored period. No Qt here.
//
// Detection: the column with its mean removed, reduced by block means to at
// most 32,768 points, gives its autocorrelation through an FFT; the period is
// the first peak (at lags up to two thirds of the column) that reaches 85 %
// of the highest one. The correlation of a periodic column with itself, over
// a whole number of periods, is symmetric about each multiple of the period:
// the peak is refined between samples as the lag about which the
// correlation at ±1/8 period is the same. It is
// refined again on lags of 2, 4, 8… periods, as far as the column allows, and
// last on the whole column at full resolution, so that the error of a lag is
// divided by the number of periods it spans.

#include "mesures/trace.h"

#include <array>

namespace mesures {

// The detected period in seconds, or 0 when none was found (a constant
// column, no repeating pattern, no time scale).
double détecter_période(const Trace& trace);

// The default start: the first rising crossing of the mean (after the column
// was below it by a tenth of its RMS value) early enough that one period
// fits in the column; the column's start when there is none.
double départ_montant(const Trace& trace, double période);

// The whole periods from `début` to the end of the column.
long nb_périodes(const Trace& trace, double début, double période);

// Why a period cannot be taken.
enum class Refus {
    aucun,
    période_nulle,   // not positive, or not finite
    hors_fichier,    // starts before the column, or ends after it
};
Refus vérifier(const Trace& trace, double début, double période);

// The number of points of the column within one period.
long points_par_période(const Trace& trace, double période);
// The largest rank count that as many points support (2·n + 1 points for n
// ranks), within 1..plafond.
int rangs_possibles(long points, int plafond);

// Resamples by linear interpolation onto `sortie`: sample j at
// début + j·période/4096, so sample 0 is the column at `début` and sample
// 4096 the column one period later. With `moyennes` > 1, the mean of that
// many consecutive periods. Then divided by the largest absolute value of
// the samples, which is returned (`sortie` all zero and 0 returned for an
// all-zero period). The period must pass `vérifier`, and the periods
// averaged lie within the column.
double rééchantillonner(const Trace& trace, double début, double période, long moyennes,
                        std::array<double, 4097>& sortie);

}  // namespace mesures
