// Sliding dot products (slide_kernels.h), compiled once per instruction-set
// variant (VDX_ISA: a name of variants.def).  Real types: outputs go four
// vectors (or one) at a time, one output per lane, each lane adding
// a[t + j] * b[j] in ascending j: the terms all lanes have in vectors, the
// few each lane has before them (t < 0, the leading partial overlap) or
// after them (where its overlap ends inside the group) in scalar code, in
// the same order.  Complex types the same way, a (re, im) pair per output.
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

// One term a * conj(b) added to (re, im) as (re + (ar br + ai bi),
// im + (ai br - ar bi)).
template <class P, class C>
inline void add_term_complex(P& re, P& im, const C& a, const C& b) {
    P pr0 = a.re * b.re, pr1 = a.im * b.im, pi0 = a.im * b.re, pi1 = a.re * b.im;
    // Opaque products: the vectoriser would otherwise merge the four
    // products and two sums into fused multiply-add-subtracts.
    __asm__("" : "+x"(pr0), "+x"(pr1), "+x"(pi0), "+x"(pi1));
    re = re + (pr0 + pr1);
    im = im + (pi0 - pi1);
}

template <class P, class C>
C slide_one_complex(const C* a, int la, const C* b, int lb, long t) {
    const long jlo = max_of(0, -t), jhi = min_of(lb, la - t);
    P re = 0, im = 0;
    for (long j = jlo; j < jhi; ++j) add_term_complex(re, im, a[t + j], b[j]);
    return C{re, im};
}

// Outputs out[i .. i + Lanes) for t = t0 + i, t + Lanes <= la.  Lane l
// (lag t + l) has terms j from max(0, -(t + l)) to its end, min(lb, la - t
// - l); every lane has those from j0 = max(0, -t) up to the shortest end,
// la - t - Lanes + 1.  Each lane's earlier terms (the leading partial
// overlap, t < 0) are added first in scalar code, the shared ones in
// vectors, each lane's later ones (where its overlap ends inside the
// group) after them in scalar code, so every output adds in ascending j.
template <int Vectors, class T>
inline void slide_vectors(const T* a, int la, const T* b, int lb, long t, T* out) {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes, Lanes = Vectors * L;
    const long j0 = max_of(0, -t), shared = min_of(lb, la - t - Lanes + 1);
    const T* at = a + t;
    for (int lane = 0; lane < Lanes; ++lane) {
        T acc = T(0);
        const long end = min_of(j0, min_of(lb, la - t - lane));
        for (long j = max_of(0, -(t + lane)); j < end; ++j) {
            const T p = at[lane + j] * b[j];
            acc = acc + p;
        }
        out[lane] = acc;
    }
    V s[Vectors];
    for (int v = 0; v < Vectors; ++v) s[v] = V::loadu(out + v * L);
    for (long j = j0; j < shared; ++j) {
        const V bj = V::set1(b[j]);
        for (int v = 0; v < Vectors; ++v) s[v] = s[v] + V::loadu(at + j + v * L) * bj;
    }
    for (int v = 0; v < Vectors; ++v) s[v].storeu(out + v * L);
    for (int lane = 0; lane < Lanes; ++lane) {
        T acc = out[lane];
        const long end = min_of(lb, la - t - lane);
        for (long j = max_of(shared, j0); j < end; ++j) {
            const T p = at[lane + j] * b[j];
            acc = acc + p;
        }
        out[lane] = acc;
    }
}

template <class T>
void slide_real(const T* a, int la, const T* b, int lb, long t0, int count, T* out) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes;
    long i = 0;
    for (; i + 4 * L <= count && t0 + i + 4 * L <= la; i += 4 * L) slide_vectors<4>(a, la, b, lb, t0 + i, out + i);
    for (; i + L <= count && t0 + i + L <= la; i += L) slide_vectors<1>(a, la, b, lb, t0 + i, out + i);
    for (; i < count; ++i) out[i] = slide_one(a, la, b, lb, t0 + i);
}

// The complex twin of slide_vectors: lanes hold (re, im) pairs, one output
// per pair; a term is x * (br, br) + swap(x) * (bi, -bi), which is
// (ar br + ai bi, ai br + (-(ar bi))): the scalar term's bits.
template <int Vectors, class P, class C>
inline void slide_vectors_complex(const C* a, int la, const C* b, int lb, long t, C* out) {
    using V = Vec<P, kWidth>;
    constexpr int L = V::lanes, Pairs = L / 2, Outputs = Vectors * Pairs;
    const long j0 = max_of(0, -t), shared = min_of(lb, la - t - Outputs + 1);
    for (int k = 0; k < Outputs; ++k) {
        P re = 0, im = 0;
        const long end = min_of(j0, min_of(lb, la - t - k));
        for (long j = max_of(0, -(t + k)); j < end; ++j) add_term_complex(re, im, a[t + k + j], b[j]);
        out[k] = C{re, im};
    }
    P* o = reinterpret_cast<P*>(out);
    V s[Vectors];
    for (int v = 0; v < Vectors; ++v) s[v] = V::loadu(o + v * L);
    const P* at = reinterpret_cast<const P*>(a + t);
    for (long j = j0; j < shared; ++j) {
        const V br = V::set1(b[j].re), bi = re_im(V::set1(b[j].im), V::set1(-b[j].im));
        for (int v = 0; v < Vectors; ++v) {
            const V x = V::loadu(at + 2 * j + v * L);
            const V p1 = x * br, p2 = swap_re_im(x) * bi;
            s[v] = s[v] + (p1 + p2);
        }
    }
    for (int v = 0; v < Vectors; ++v) s[v].storeu(o + v * L);
    for (int k = 0; k < Outputs; ++k) {
        P re = out[k].re, im = out[k].im;
        const long end = min_of(lb, la - t - k);
        for (long j = max_of(shared, j0); j < end; ++j) add_term_complex(re, im, a[t + k + j], b[j]);
        out[k] = C{re, im};
    }
}

template <class P, class C>
void slide_complex(const C* a, int la, const C* b, int lb, long t0, int count, C* out) noexcept {
    constexpr int K = Vec<P, kWidth>::lanes / 2;
    long i = 0;
    for (; i + 4 * K <= count && t0 + i + 4 * K <= la; i += 4 * K)
        slide_vectors_complex<4, P>(a, la, b, lb, t0 + i, out + i);
    for (; i + K <= count && t0 + i + K <= la; i += K) slide_vectors_complex<1, P>(a, la, b, lb, t0 + i, out + i);
    for (; i < count; ++i) out[i] = slide_one_complex<P>(a, la, b, lb, t0 + i);
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
