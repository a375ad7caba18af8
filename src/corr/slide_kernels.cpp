// Sliding dot products (slide_kernels.h), compiled once per instruction-set
// variant (VDX_ISA: a name of variants.def).  Real types: the outputs whose
// every term exists (0 <= t and t + lb <= la) go four vectors at a time, one
// output per lane, each lane adding a[t + j] * b[j] for j = 0, 1, ...; the
// outputs at the partial-overlap edges take the same order in scalar code.
// Complex types: scalar, in the same order.
#include "corr/slide_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

inline long max_of(long x, long y) { return x > y ? x : y; }
inline long min_of(long x, long y) { return x < y ? x : y; }

template <class T>
T slide_one(const T* a, int la, const T* b, int lb, long t) {
    const long jlo = max_of(0, -t), jhi = min_of(lb, la - t);
    T acc = T(0);
    for (long j = jlo; j < jhi; ++j) {
        const T p = a[t + j] * b[j];
        acc = acc + p;
    }
    return acc;
}

template <class P, class C>
C slide_one_complex(const C* a, int la, const C* b, int lb, long t) {
    const long jlo = max_of(0, -t), jhi = min_of(lb, la - t);
    P re = 0, im = 0;
    for (long j = jlo; j < jhi; ++j) {
        const P ar = a[t + j].re, ai = a[t + j].im, br = b[j].re, bi = b[j].im;
        // a * conj(b) = (ar br + ai bi, ai br - ar bi)
        const P pr0 = ar * br, pr1 = ai * bi, pi0 = ai * br, pi1 = ar * bi;
        re = re + (pr0 + pr1);
        im = im + (pi0 - pi1);
    }
    return C{re, im};
}

template <class T>
void slide_real(const T* a, int la, const T* b, int lb, long t0, int count, T* out) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes, kBlock = 4 * L;
    long i = 0;
    // Leading edge: outputs with t < 0.
    for (; i < count && t0 + i < 0; ++i) out[i] = slide_one(a, la, b, lb, t0 + i);
    // Full overlap: t + lb <= la.
    const long full_end = min_of(count, la - lb - t0 + 1);
    for (; i + kBlock <= full_end; i += kBlock) {
        const T* at = a + t0 + i;
        V s0 = V::zero(), s1 = V::zero(), s2 = V::zero(), s3 = V::zero();
        for (int j = 0; j < lb; ++j) {
            const V bj = V::set1(b[j]);
            s0 = s0 + V::loadu(at + j) * bj;
            s1 = s1 + V::loadu(at + j + L) * bj;
            s2 = s2 + V::loadu(at + j + 2 * L) * bj;
            s3 = s3 + V::loadu(at + j + 3 * L) * bj;
        }
        s0.storeu(out + i);
        s1.storeu(out + i + L);
        s2.storeu(out + i + 2 * L);
        s3.storeu(out + i + 3 * L);
    }
    for (; i + L <= full_end; i += L) {
        const T* at = a + t0 + i;
        V s = V::zero();
        for (int j = 0; j < lb; ++j) s = s + V::loadu(at + j) * V::set1(b[j]);
        s.storeu(out + i);
    }
    for (; i < count; ++i) out[i] = slide_one(a, la, b, lb, t0 + i);
}

template <class P, class C>
void slide_complex(const C* a, int la, const C* b, int lb, long t0, int count, C* out) noexcept {
    for (int i = 0; i < count; ++i) out[i] = slide_one_complex<P>(a, la, b, lb, t0 + i);
}

}  // namespace

extern const SlideKernels slide_kernels = {
    .f32 = slide_real<Vdx32f>,
    .f64 = slide_real<Vdx64f>,
    .c32 = slide_complex<Vdx32f, Vdx32fc>,
    .c64 = slide_complex<Vdx64f, Vdx64fc>,
};

}  // namespace VDX_ISA
}  // namespace vdx
