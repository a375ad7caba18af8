// The recombination step of the real FFT: between the spectrum Z of the
// half-length complex transform of z[n] = x[2n] + i x[2n+1] and the spectrum
// X of the real signal.  One table per instruction-set variant
// (fft_real_kernels.cpp, compiled once per variant); the glue (fft_real.cpp)
// handles X[0], X[N/2] and the middle term X[N/4] itself.
//
// With M = N/2, A = the term k of the input, B = conj(the term M-k) and
// P(k) = (1 - i e^(-2 pi i k/N)) / 2 = (1/2 - sin/2, -cos/2) of 2 pi k / N:
//   forward:  D = A - B, T = P D;        out[k] = B + T,      out[M-k] = conj(A - T)
//   inverse:  D = A - B, T = conj(P) D;  out[k] = 2 (B + T),  out[M-k] = 2 conj(A - T)
// (the inverse gives twice the half-length spectrum, so that the complex
// inverse of order-1 returns N times the signal, as every unscaled inverse).
//
// Arguments: in1 and out1 point at the term k = 1 (term k at [2(k-1)]),
// quarter = N/4 >= 2; the kernels do k = 1 .. quarter-1 and their mirrors.
// in1 may be out1 (in place), any other overlap is not supported.  The
// coefficients: coarse == nullptr: P(k) at table[2(k-1)]; otherwise the two
// levels: P(k) = (1/2, 0) + fine[k - 1024 q] * coarse[q], with q the
// 1024-block of the first term of each vector (fine holds -i/2 e^(-2 pi i j/N)
// for j = 0 .. 1024 + 7, coarse e^(-2 pi i 1024 q / N)).
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// Fine entries of a two-level table (a vector may start up to 7 terms before
// the end of a 1024-block and run past it).
inline constexpr int kRecombFine = 1024 + 8;

template <class T>
struct FftRealRecombination {
    void (*forward)(const T* in1, T* out1, int quarter, const T* table, const T* coarse) noexcept;
    void (*inverse)(const T* in1, T* out1, int quarter, const T* table, const T* coarse) noexcept;
    // forward, times the spectrum h (term k at h1[2(k-1)]), then inverse:
    // the three passes pair by pair, in one (quarter >= 16).
    void (*filter)(const T* in1, T* out1, const T* h1, int quarter, const T* table, const T* coarse) noexcept;
};

struct FftRealKernels {
    FftRealRecombination<Vdx32f> f32;
    FftRealRecombination<Vdx64f> f64;
};

VDX_KERNEL_TABLE(FftRealKernels, fft_real_kernels, "transform/fft_real_kernels")

}  // namespace vdx
