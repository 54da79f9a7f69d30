#pragma once
// The floor of this machine, measured in the same run as the benchmarks,
// and the ratio of each benchmark to it: the 51,200 sines of a synthesis
// (50 ranks at 1024 points) in a plain loop, started on a clean register
// state, as fast as this processor computes them. A ratio says how far a
// benchmark is from that floor, whatever the machine.

#include <benchmark/benchmark.h>

namespace plancher {

// The 51,200 sines of a synthesis of the test signal, their arguments formed
// as the synthesis forms them; returns their sum.
double sinus_d_une_synthèse();

// Measures the floor (processor time of the benchmark's thread for one pass,
// the best of 30 batches of 10 passes), once; later calls return it.
double secondes();

// The counters of one benchmark: `plancher_ms`, the floor, and `rapport`, the
// time of one iteration over the floor (both in the time the benchmark
// reports: processor time, or wall-clock time for those that say so).
void rapporter(benchmark::State& state);

}  // namespace plancher
