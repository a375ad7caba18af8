// Packed-spectrum product kernels, written once against the vector layer and
// compiled once per instruction-set variant (VDX_ISA: a name of variants.def).  Two
// vectors per step (four complex numbers in SSE4.1 float, eight in AVX2),
// then whole vectors, then the last pairs in one zero-padded vector, so that
// every pair gets the lanes' arithmetic.
#include "transform/packed_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

template <bool Conj, class T>
inline void mul_pairs(const T* a, const T* b, T* d, int pairs) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes;
    const int n = 2 * pairs;
    auto product = [](V x, V y) { return Conj ? cmul_conj(x, y) : cmul(x, y); };
    int i = 0;
    for (; i + 2 * L <= n; i += 2 * L) {
        const V p0 = product(V::loadu(a + i), V::loadu(b + i));
        const V p1 = product(V::loadu(a + i + L), V::loadu(b + i + L));
        p0.storeu(d + i);
        p1.storeu(d + i + L);
    }
    for (; i + L <= n; i += L) product(V::loadu(a + i), V::loadu(b + i)).storeu(d + i);
    if (i < n) {
        // The last pairs through one padded vector: the lanes' arithmetic,
        // and no scalar code for the compiler to fuse.
        alignas(32) T x[L] = {}, y[L] = {};
        for (int j = i; j < n; ++j) x[j - i] = a[j], y[j - i] = b[j];
        product(V::load(x), V::load(y)).store(x);
        for (int j = i; j < n; ++j) d[j] = x[j - i];
    }
}

template <class T>
constexpr PackedPairKernels<T> pair_kernels() {
    return {.mul = mul_pairs<false, T>, .mul_conj = mul_pairs<true, T>};
}

}  // namespace

extern const PackedKernels packed_kernels = {
    .f32 = pair_kernels<Vdx32f>(),
    .f64 = pair_kernels<Vdx64f>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
