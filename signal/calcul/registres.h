#pragma once
// A clean state of the vector registers before a numeric loop that runs
// right after painting (the synthesis, the traces, the diagram, the FFT).
//
// Qt's raster painting uses the 256-bit (and 512-bit) registers and may leave
// their upper halves in use. On Intel processors since Skylake, every SSE
// instruction that runs in that state is slowed down, until something executes
// `vzeroupper`. Our code is SSE code, built for any x86-64 processor: a
// redraw's sines, computed after a paint, took many times as long as on a
// clean state. So the numeric loops call `registres_propres()` at their
// entry. The instruction exists only on processors with AVX, which is
// checked once, at start-up; elsewhere the call does nothing.

namespace calcul {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace détail {
inline const bool avx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();
}  // namespace détail

inline void registres_propres()
{
    // The lower halves, which SSE code uses, are kept; the clobbers tell the
    // compiler that the registers change, should it ever hold wider values
    // in them.
    if (détail::avx)
        asm volatile("vzeroupper" ::: "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7",
                     "xmm8", "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15", "memory");
}

#else

inline void registres_propres() {}

#endif

}  // namespace calcul
