// Kernels of the IIR family: the per-sample recurrences and the block
// methods of the three state forms, over the four computation types (32f,
// 64f, 32fc, 64fc).  One table per instruction-set variant (iir_kernels.cpp,
// compiled once per variant); the glue (iir.cpp) owns the states, converts
// other data types through the state's conversion buffer and cuts the input
// into chunks of at most kIirChunk samples.
//
// Every kernel takes x and y of n >= 1 samples of the computation type; y
// may be x (each sample is read before its slot is written), any other
// overlap is not supported.  The tables the kernels read are built by the
// glue (iir_state.h); multiplications and additions stay separate, so both
// variants give the same bits on the per-sample paths.
#pragma once

#include "vdxs.h"
#include "runtime/kernel_tables.h"

namespace vdx {

// The largest chunk a block call hands to one kernel call, and the length of
// the state's work buffer.
inline constexpr int kIirChunk = 1024;

// Outputs formed together by the look-ahead recursions.
inline constexpr int kIirAhead = 4;

// Arbitrary order N (transposed direct form II).
//   b      b'(0) .. b'(N)
//   a      a'(1) .. a'(N)
//   dly    d(0) .. d(N), d(N) always 0
//   num4   b'(k) repeated four times, k = 0 .. N
//   ahead  the four-output recursion table: for m = 1 .. N four values
//          g(i, m), i = 0 .. 3, then the impulse response h(0) .. h(3) of
//          1 / A(z); y(n+i) = sum_{j<=i} h(j) w(n+i-j) + sum_m g(i, m) y(n-m).
template <class C>
struct IirArView {
    int order;
    const C* b;
    const C* a;
    C* dly;
    const C* num4;
    const C* ahead;
};

// A cascade of second-order sections: per section a block of kIirBqBlock
// values, b0' b1' b2' a1' a2', three unused, then the section's look-ahead
// table laid out as above for N = 2 (g(i, 1), g(i, 2), h(0 .. 3)); two
// registers per section in dly.
inline constexpr int kIirBqBlock = 8 + 2 * kIirAhead + kIirAhead;
// Values of the carry area per biquad section (iir_kernels.cpp).
inline constexpr int kIirCarry = 16;
template <class C>
struct IirBqView {
    int sections;
    const C* blocks;
    C* dly;
};

// Direct form I: five taps per section (b0' b1' b2' a1' a2') and four
// registers per section: x(n-2), x(n-1), y(n-2), y(n-1).
template <class C>
struct IirDf1View {
    int sections;
    const C* taps;
    C* dly;
};

template <class C>
struct IirRowKernels {
    // Sample by sample, the defining recurrences.
    void (*ar_samples)(const IirArView<C>& s, const C* x, C* y, int n) noexcept;
    void (*bq_samples)(const IirBqView<C>& s, const C* x, C* y, int n) noexcept;
    void (*df1)(const IirDf1View<C>& s, const C* x, C* y, int n) noexcept;
    // The block methods, for 4 N < n <= kIirChunk (AR; work holds kIirChunk
    // values) and 4 sections < n (biquads; carry holds kIirCarry values per section).
    void (*ar_block)(const IirArView<C>& s, const C* x, C* y, int n, C* work) noexcept;
    void (*bq_block)(const IirBqView<C>& s, const C* x, C* y, int n, C* carry) noexcept;
};

struct IirKernels {
    IirRowKernels<Vdx32f> r32f;
    IirRowKernels<Vdx64f> r64f;
    IirRowKernels<Vdx32fc> c32f;
    IirRowKernels<Vdx64fc> c64f;
};

VDX_KERNEL_TABLE(IirKernels, iir_kernels, "iir/iir_kernels")

}  // namespace vdx
