// Per-tap passes of the sparse filters, written once against the vector
// layer and compiled once per instruction-set variant.
//
// Taps go in groups of four: one pass loads a vector of sums, adds the four
// products in list order and stores it back, so the sums cross memory once
// per four taps rather than once per tap, with the same order of additions
// as one tap at a time.  Products and sums stay separate (no fused form), so
// every variant gives the same bits.
#include "misc/sparse_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

template <int G>
void pass(const float* base, float* acc, int count, const float* taps, const int* offsets) {
    using V = Vec<float, kWidth>;
    const float* src[G];
    V tap[G];
#pragma GCC unroll 4
    for (int g = 0; g < G; ++g) {
        src[g] = base + offsets[g];
        tap[g] = V::set1(taps[g]);
    }
    for_each_vector<V::lanes, 2>(
        count,
        [&](int i) {
            V a = V::loadu(acc + i);
#pragma GCC unroll 4
            for (int g = 0; g < G; ++g) a = a + tap[g] * V::loadu(src[g] + i);
            a.storeu(acc + i);
        },
        [&](int i) {
            float a = acc[i];
#pragma GCC unroll 4
            for (int g = 0; g < G; ++g) a = a + taps[g] * src[g][i];
            acc[i] = a;
        });
}

void tap_sums(const float* base, float* acc, int count, const float* taps, const int* offsets,
              int ntaps) noexcept {
    int k = 0;
    for (; k + 4 <= ntaps; k += 4) pass<4>(base, acc, count, taps + k, offsets + k);
    switch (ntaps - k) {
        case 3: pass<3>(base, acc, count, taps + k, offsets + k); break;
        case 2: pass<2>(base, acc, count, taps + k, offsets + k); break;
        case 1: pass<1>(base, acc, count, taps + k, offsets + k); break;
        default: break;
    }
}

}  // namespace

extern const SparseKernels sparse_kernels = {
    .tap_sums = tap_sums,
};

}  // namespace VDX_ISA
}  // namespace vdx
