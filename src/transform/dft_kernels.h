// Kernels of the any-length DFT: the mixed-radix passes, the straight-line
// kernels of the short lengths and the direct sum.  One table per
// instruction-set variant (dft_kernels.cpp, compiled once per variant); the
// plans (dft_plan.h) hold the tables these read.
//
// Data are interleaved (re, im) pairs of T, any alignment.  Forward means
// e^(-2 pi i n k / N), inverse e^(+2 pi i n k / N); nothing is scaled here.
#pragma once

#include "runtime/kernel_tables.h"
#include "vdxs.h"

namespace vdx {

// One self-sorting pass of radix P over N = l1 * P * ido complex numbers:
// for k < l1 and i < ido, with t_j = in[i + ido * (j + P * k)],
//   out[i + ido * (k + l1 * m)] = w_m(i) * sum over j of t_j r^(j m),
// r = e^(-2 pi i / P), w_m(i) = e^(-2 pi i m i l1 / N) (conjugates for the
// inverse).  After the passes of a factorisation, in natural order.
template <class T>
struct DftPass {
    int radix;
    int l1;
    int ido;
    // Per m = 1 .. twiddle_rows(radix), the ido pairs (Re, Im) of w_m(i),
    // i = 0 .. ido-1: half the bytes a layout of repeated parts would sweep.
    const T* twiddles;
    const T* roots;     // roots_count(radix) pairs (cos, sin)(2 pi q / radix), then A's and B's
};

// Radices a pass runs as two stages in registers, A x B: 9 = 3 x 3,
// 15 = 5 x 3, 25 = 5 x 5 (0: a single stage).  Their roots tables hold the
// radix's own roots, then A's, then B's.
constexpr int composite_first(int radix) { return radix == 9 ? 3 : radix == 15 ? 5 : 0; }
constexpr int roots_count(int radix) {
    return composite_first(radix) == 0 ? radix : radix + composite_first(radix) + radix / composite_first(radix);
}

// The twiddle rows a pass of this radix keeps: radix 5 forms w_3 and w_4
// from w_1 and w_2 as it goes (its passes are the ones that sweep long
// tables), every other radix reads all radix - 1.
constexpr int twiddle_rows(int radix) { return radix == 5 ? 2 : radix - 1; }

template <class T>
struct DftKernelRow {
    // count >= 1 passes over n complex numbers from src to dst (src may be
    // dst); work holds n complex numbers, 32-byte aligned.
    void (*passes)(const DftPass<T>* passes, int count, int n, const T* src, T* dst, T* work,
                   bool inverse) noexcept;
    // The straight-line kernels of n = 3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15
    // (src may be dst).
    void (*small)(int n, const T* src, T* dst, bool inverse) noexcept;
    // The direct sum over the n x n table of forward twiddles, row k holding
    // e^(-2 pi i n k / N) for n < N; dst must not overlap src.
    void (*direct)(const T* table, int n, const T* src, T* dst, bool inverse) noexcept;
    // The real transforms of even length 2m through m complex numbers, with
    // w[k] = e^(-pi i k / m), k = 0 .. m:
    //   split: x[k] = (z[k] + conj z[m-k]) / 2 + w[k] (z[k] - conj z[m-k]) / 2i,
    //          k = 0 .. m, from z[0 .. m] (z[m] = z[0]);
    //   join:  z[k] = (x[k] + conj x[m-k]) + i conj(w[k]) (x[k] - conj x[m-k]),
    //          k = 0 .. m-1, from x[0 .. m].
    // Outputs do not overlap inputs.
    void (*split)(const T* z, const T* w, int m, T* x) noexcept;
    void (*join)(const T* x, const T* w, int m, T* z) noexcept;
};

struct DftKernels {
    DftKernelRow<Vdx32f> f32;
    DftKernelRow<Vdx64f> f64;
};

VDX_KERNEL_TABLE(DftKernels, dft_kernels, "transform/dft_kernels")

}  // namespace vdx
