// Direct FIR kernels: dst[i] = sum over j = 0..L-1 of hRev(j) * s[i+j] for
// i = 0..n-1, where hRev(j) = h(L-1-j) and s holds n + L - 1 readable
// elements (nothing beyond is read).  One table per instruction-set variant
// (fir_kernels.cpp, compiled once per variant); the filter states
// (fir.cpp) pick one table once.
//
// The kernels build several outputs per pass in registers and store each
// group only after reading every input it needs, and the groups go up in i:
// dst may be s itself (an ascending in-place filter), any other overlap is
// not supported.  Products are fused with the additions where the variant
// has FMA: results differ between variants by rounding only.
//
//   broadcast  taps from the broadcast copy (tb[4k .. 4k+3] = h(k); complex
//              taps as pairs, tb[8k], tb[8k+1] = h(k)), one tap against
//              several vectors of consecutive outputs; the kernel of short
//              real filters and of every complex filter
//   shifted    taps from the four shifted reversed copies (row c of S =
//              (L+6) rounded down to a multiple of 4 elements holds c zeros,
//              then hRev, then zeros; the kernel reads row 0, hRev itself),
//              eight vectors of outputs per pass: the kernel of long real
//              filters
//   windows    the multi-rate kernels (firmr.inc): dot products of one
//              taps row against windows a fixed stride apart, four windows
//              per tap load, vectorised along the taps
//   gathered   the kernel of real rows with D > 1: each tap broadcast
//              against its own row of a deinterleaved input, 32 outputs
//   product    d = a * d over pairs complex numbers (the overlap-save
//              spectrum product; fused where the variant has FMA)
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

template <class P>
struct FirKernelRow {
    void (*broadcast)(const P* tb, const P* s, P* dst, int n, int L) noexcept;
    void (*shifted)(const P* rows, const P* s, P* dst, int n, int L) noexcept;
    // complex data as (re, im) pairs of P: n outputs, 2n parts
    void (*complex_broadcast)(const P* tb, const P* s, P* dst, int n, int L) noexcept;
    void (*product)(const P* a, P* d, int pairs) noexcept;
    // polyphase windows: out[k os] = sum over j < n of h[j] x[k xs + j],
    // k < m (complex: n, xs and os count complex numbers)
    void (*windows)(const P* h, int n, const P* x, long xs, P* out, long os, int m) noexcept;
    void (*complex_windows)(const P* h, int n, const P* x, long xs, P* out, long os, int m) noexcept;
    // out[k os] = sum over j < n of h[j] src[j][first + k], k < m (real)
    void (*gathered)(const P* h, const P* const* src, int n, long first, P* out, long os, int m) noexcept;
};

struct FirKernels {
    FirKernelRow<Vdx32f> f32;
    FirKernelRow<Vdx64f> f64;
};

// Row stride of the shifted copies.
constexpr int fir_shifted_stride(int L) noexcept { return (L + 6) / 4 * 4; }

VDX_KERNEL_TABLE(FirKernels, fir_kernels, "fir/fir_kernels")

}  // namespace vdx
