// Any-length DFT kernels, written once over a "complex lanes" type and
// compiled once per instruction-set variant (VDX_ISA).  The same butterfly
// template serves a vector of complex numbers (the passes' main loops) and a
// single complex number (their tails and the straight-line kernels).
//
// Passes vectorise along the contiguous index: i (ido >= lanes) reads and
// writes runs of consecutive complex numbers; passes with shorter runs (the
// last of a factorisation has ido = 1) run along k instead, gathering their
// inputs radix * ido complex numbers apart and storing ido apart.
#include "transform/dft_kernels.h"

#include "simd/simd.h"
#include "transform/dft_roots.h"

namespace vdx {
namespace VDX_ISA {
namespace {

// Vectors of at most 32 bytes: the butterflies keep up to 2 * radix of them
// live, and the complex helpers exist at 16 and 32 bytes.
constexpr int kW = kWidth > 32 ? 32 : kWidth;
// The largest radix the plans make (a cofactor of a multiple of 4).
constexpr int kMaxRadix = 150;

// ---- one complex number

template <class T>
struct Sc {
    T re, im;
};
template <class T>
inline Sc<T> operator+(Sc<T> a, Sc<T> b) {
    return {a.re + b.re, a.im + b.im};
}
template <class T>
inline Sc<T> operator-(Sc<T> a, Sc<T> b) {
    return {a.re - b.re, a.im - b.im};
}
template <class T>
inline Sc<T> operator*(Sc<T> a, Sc<T> b) {  // lane by lane, as a vector's
    return {a.re * b.re, a.im * b.im};
}
template <class T>
inline Sc<T> scaled(Sc<T> a, T c) {
    return {a.re * c, a.im * c};
}
template <class T>
inline Sc<T> madd(Sc<T> acc, Sc<T> a, T c) {  // acc + a c
    return {acc.re + a.re * c, acc.im + a.im * c};
}
template <class T>
inline Sc<T> neg_i(Sc<T> a) {  // -i a
    return {a.im, -a.re};
}
template <class T>
inline Sc<T> pos_i(Sc<T> a) {  // i a
    return {-a.im, a.re};
}
template <class T>
inline Sc<T> cmul(Sc<T> a, Sc<T> w) {
    return {a.re * w.re - a.im * w.im, a.re * w.im + a.im * w.re};
}
template <class T>
inline Sc<T> cmul_conj(Sc<T> a, Sc<T> w) {
    return {a.re * w.re + a.im * w.im, a.im * w.re - a.re * w.im};
}

// ---- a vector of complex numbers

template <class T>
using Cv = Vec<T, kW>;
template <class T>
inline Cv<T> scaled(Cv<T> a, T c) {
    return a * Cv<T>::set1(c);
}
// Fused where the variant has FMA: the transform is fixed only up to
// rounding, and the variants need not agree bit for bit.
template <class T>
inline Cv<T> madd(Cv<T> acc, Cv<T> a, T c) {
    return mul_add(a, Cv<T>::set1(c), acc);
}
template <class T>
inline Cv<T> twiddled(Cv<T> a, Cv<T> w) {  // a w
    return mul_addsub(dup_re(a), w, dup_im(a) * swap_re_im(w));
}
template <class T>
inline Cv<T> twiddled_conj(Cv<T> a, Cv<T> w) {  // a conj(w)
    return twiddled(a, conj(w));
}
// a w (a conj(w) for Inv) from wr and wi, Re w and Im w repeated over each
// complex number of a: one swap of a, a product and a fused
// product-subtract-add.
template <bool Inv, class T>
inline Cv<T> twiddled_parts(Cv<T> a, Cv<T> wr, Cv<T> wi) {
    const Cv<T> cross = swap_re_im(a) * wi;
    return Inv ? mul_subadd(a, wr, cross) : mul_addsub(a, wr, cross);
}
template <bool Inv, class T>
inline Sc<T> twiddled_parts(Sc<T> a, Sc<T> wr, Sc<T> wi) {
    const T sr = a.im * wi.re, si = a.re * wi.im;
    return Inv ? Sc<T>{a.re * wr.re + sr, a.im * wr.im - si} : Sc<T>{a.re * wr.re - sr, a.im * wr.im + si};
}
template <class T>
inline Sc<T> twiddled(Sc<T> a, Sc<T> w) {
    return cmul(a, w);
}
template <class T>
inline Sc<T> twiddled_conj(Sc<T> a, Sc<T> w) {
    return cmul_conj(a, w);
}
template <class T>
inline Cv<T> neg_i(Cv<T> a) {
    return conj(swap_re_im(a));
}
template <class T>
inline Cv<T> pos_i(Cv<T> a) {
    return swap_re_im(conj(a));
}

// a + (-i b) and a - (-i b); v (c - i s), v (c + i s) for Inv.  With FMA the
// sign change rides in the fused add-subtract (the product by one or the
// cross product is exact or rounded once), without the xor of neg_i.
// Scalars, and vectors without FMA:
template <class X>
inline X add_neg_i(X a, X b) {
    return a + neg_i(b);
}
template <class X>
inline X sub_neg_i(X a, X b) {
    return a - neg_i(b);
}
template <bool Inv, class X, class T>
inline X rotated(X v, T c, T s) {
    return Inv ? scaled(v, c) - scaled(neg_i(v), s) : madd(scaled(v, c), neg_i(v), s);
}
#if defined(__FMA__)
template <class T>
inline Cv<T> add_neg_i(Cv<T> a, Cv<T> b) {
    return mul_subadd(a, Cv<T>::set1(T(1)), swap_re_im(b));
}
template <class T>
inline Cv<T> sub_neg_i(Cv<T> a, Cv<T> b) {
    return mul_addsub(a, Cv<T>::set1(T(1)), swap_re_im(b));
}
template <bool Inv, class T>
inline Cv<T> rotated(Cv<T> v, T c, T s) {
    const Cv<T> cross = swap_re_im(v) * Cv<T>::set1(s);
    return Inv ? mul_addsub(v, Cv<T>::set1(c), cross) : mul_subadd(v, Cv<T>::set1(c), cross);
}
#endif

template <class T>
struct ScalarLanes {
    using C = Sc<T>;
    static constexpr int count = 1;
    static C load(const T* p) { return {p[0], p[1]}; }
    static C gather(const T* p, long) { return {p[0], p[1]}; }
    static void store(T* p, C a) { p[0] = a.re, p[1] = a.im; }
    static void scatter(T* p, long, C a) { p[0] = a.re, p[1] = a.im; }
    static C splat(const T* p) { return {p[0], p[1]}; }
    // Re and Im of the complex number at p in both halves of a.
    static C real_part(const T* p) { return {p[0], p[0]}; }
    static C imag_part(const T* p) { return {p[1], p[1]}; }
    static C real_parts(const T* p) { return real_part(p); }
    static C imag_parts(const T* p) { return imag_part(p); }
};

inline Vec<float, 16> gather2(const float* p, long stride) {
    const __m128 lo = _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(p)));
    return {_mm_loadh_pi(lo, reinterpret_cast<const __m64*>(p + stride))};
}
inline Vec<double, 16> gather2(const double* p, long) { return {_mm_loadu_pd(p)}; }
inline void scatter2(float* p, long stride, Vec<float, 16> a) {
    _mm_storel_pi(reinterpret_cast<__m64*>(p), a.v);
    _mm_storeh_pi(reinterpret_cast<__m64*>(p + stride), a.v);
}
inline void scatter2(double* p, long, Vec<double, 16> a) { _mm_storeu_pd(p, a.v); }
#if defined(__AVX2__)
inline Vec<float, 32> gather4(const float* p, long stride) {
    return {_mm256_set_m128(gather2(p + 2 * stride, stride).v, gather2(p, stride).v)};
}
inline Vec<double, 32> gather4(const double* p, long stride) {
    return {_mm256_set_m128d(_mm_loadu_pd(p + stride), _mm_loadu_pd(p))};
}
inline void scatter4(float* p, long stride, Vec<float, 32> a) {
    scatter2(p, stride, {_mm256_castps256_ps128(a.v)});
    scatter2(p + 2 * stride, stride, {_mm256_extractf128_ps(a.v, 1)});
}
inline void scatter4(double* p, long stride, Vec<double, 32> a) {
    _mm_storeu_pd(p, _mm256_castpd256_pd128(a.v));
    _mm_storeu_pd(p + stride, _mm256_extractf128_pd(a.v, 1));
}
#endif

template <class T>
struct VectorLanes {
    using C = Cv<T>;
    static constexpr int count = C::lanes / 2;
    static C load(const T* p) { return C::loadu(p); }
    // count complex numbers, stride reals apart.
    static C gather(const T* p, long stride) {
        if constexpr (kW == 16) {
            return gather2(p, stride);
        } else {
            return gather4(p, stride);
        }
    }
    static void store(T* p, C a) { a.storeu(p); }
    static void scatter(T* p, long stride, C a) {
        if constexpr (kW == 16) {
            scatter2(p, stride, a);
        } else {
            scatter4(p, stride, a);
        }
    }
    static C splat(const T* p) { return splat_complex<T, kW>(p); }
    // Re (Im) of the complex number at p in every lane; of the count
    // complex numbers at p, each in both lanes of its own.
    static C real_part(const T* p) { return C::set1(p[0]); }
    static C imag_part(const T* p) { return C::set1(p[1]); }
    static C real_parts(const T* p) { return dup_re(C::loadu(p)); }
    static C imag_parts(const T* p) { return dup_im(C::loadu(p)); }
    // count rows of count complex numbers, stride reals apart, transposed:
    // t[q] holds element q of every row.
    static void load_transposed(const T* p, long stride, C* t) {
        if constexpr (count == 1) {
            t[0] = C::loadu(p);
        } else if constexpr (kW == 16) {  // float, 2 x 2
            const __m128 r0 = _mm_loadu_ps(p), r1 = _mm_loadu_ps(p + stride);
            t[0] = {_mm_movelh_ps(r0, r1)};
            t[1] = {_mm_movehl_ps(r1, r0)};
        } else if constexpr (count == 2) {  // double, 2 x 2 halves
            const __m256d r0 = _mm256_loadu_pd(p), r1 = _mm256_loadu_pd(p + stride);
            t[0] = {_mm256_permute2f128_pd(r0, r1, 0x20)};
            t[1] = {_mm256_permute2f128_pd(r0, r1, 0x31)};
        } else {  // float, 4 x 4 of (re, im) pairs seen as doubles
            const __m256d r0 = _mm256_castps_pd(_mm256_loadu_ps(p)), r1 = _mm256_castps_pd(_mm256_loadu_ps(p + stride)),
                          r2 = _mm256_castps_pd(_mm256_loadu_ps(p + 2 * stride)),
                          r3 = _mm256_castps_pd(_mm256_loadu_ps(p + 3 * stride));
            const __m256d a = _mm256_unpacklo_pd(r0, r1), b = _mm256_unpackhi_pd(r0, r1), c = _mm256_unpacklo_pd(r2, r3),
                          d = _mm256_unpackhi_pd(r2, r3);
            t[0] = {_mm256_castpd_ps(_mm256_permute2f128_pd(a, c, 0x20))};
            t[1] = {_mm256_castpd_ps(_mm256_permute2f128_pd(b, d, 0x20))};
            t[2] = {_mm256_castpd_ps(_mm256_permute2f128_pd(a, c, 0x31))};
            t[3] = {_mm256_castpd_ps(_mm256_permute2f128_pd(b, d, 0x31))};
        }
    }
};

// ---- butterflies

template <int A, int B, bool Inv, class C, class T>
inline void composite(const C* t, C* c, const T* roots);

// c = the DFT of radix p of t (forward r = e^(-2 pi i / p)); roots holds
// (cos, sin)(2 pi q / p) at [2q].  P > 0 fixes the radix at compile time
// (straight-line code); P = 0 takes it from p.  Odd and even p pair inputs
// j and p - j: c_m = a_m -+ i b_m, c_(p-m) = a_m +- i b_m with
//   a_m = t_0 + sum (t_j + t_(p-j)) cos(2 pi j m / p) [+ (-1)^m t_(p/2)],
//   b_m = sum (t_j - t_(p-j)) sin(2 pi j m / p).
template <int P, bool Inv, class C, class T>
[[gnu::always_inline]] inline void butterfly(const C* t, C* c, const T* roots, int p_runtime) {
    if constexpr (P == 2) {
        c[0] = t[0] + t[1];
        c[1] = t[0] - t[1];
    } else if constexpr (P == 4) {
        const C a = t[0] + t[2], b = t[0] - t[2], s = t[1] + t[3], d = t[1] - t[3];
        c[0] = a + s;
        c[2] = a - s;
        c[1] = Inv ? sub_neg_i(b, d) : add_neg_i(b, d);
        c[3] = Inv ? add_neg_i(b, d) : sub_neg_i(b, d);
    } else if constexpr (composite_first(P) != 0) {
        composite<composite_first(P), P / composite_first(P), Inv>(t, c, roots);
    } else if constexpr (P == 8) {
        // Two radix-4 butterflies over the even and odd inputs, joined by
        // w8^k = e^(-+pi i k / 4).
        C e[4], o[4];
        const C te[4] = {t[0], t[2], t[4], t[6]}, to[4] = {t[1], t[3], t[5], t[7]};
        butterfly<4, Inv>(te, e, roots, 4);
        butterfly<4, Inv>(to, o, roots, 4);
        const T h = T(0.707106781186547524400844362104849039L);
        const C o1 = scaled(Inv ? o[1] - neg_i(o[1]) : o[1] + neg_i(o[1]), h);
        const C o2 = Inv ? pos_i(o[2]) : neg_i(o[2]);
        const C o3 = scaled(Inv ? pos_i(o[3]) - o[3] : neg_i(o[3]) - o[3], h);
        c[0] = e[0] + o[0], c[4] = e[0] - o[0];
        c[1] = e[1] + o1, c[5] = e[1] - o1;
        c[2] = e[2] + o2, c[6] = e[2] - o2;
        c[3] = e[3] + o3, c[7] = e[3] - o3;
    } else if constexpr (P == 16) {
        // 4 x 4: radix-4 over j1 (j = 4 j1 + j2), the twiddles w16^(j2 k1),
        // radix-4 over j2; outputs k1 + 4 k2.
        const T c1 = T(0.923879532511286756128183189396788934L), s1 = T(0.382683432365089771728459984030398866L),
                h = T(0.707106781186547524400844362104849039L);
        const T cs[4][2] = {{T(1), T(0)}, {c1, s1}, {h, h}, {s1, c1}};  // (cos, sin)(2 pi m / 16), m < 4
        C a[4][4];
        for (int j2 = 0; j2 < 4; ++j2) {
            const C in[4] = {t[j2], t[4 + j2], t[8 + j2], t[12 + j2]};
            butterfly<4, Inv>(in, a[j2], roots, 4);
        }
        for (int j2 = 1; j2 < 4; ++j2)
            for (int k1 = 1; k1 < 4; ++k1) {
                const int m = j2 * k1;  // 1 .. 9: e^(-+2 pi i m / 16) = (-i)^(m / 4) e^(-+2 pi i (m % 4) / 16)
                C v = a[j2][k1];
                for (int q = 0; q < m / 4; ++q) v = Inv ? pos_i(v) : neg_i(v);
                const int r = m % 4;
                if (r != 0) v = rotated<Inv>(v, cs[r][0], cs[r][1]);
                a[j2][k1] = v;
            }
        for (int k1 = 0; k1 < 4; ++k1) {
            const C in[4] = {a[0][k1], a[1][k1], a[2][k1], a[3][k1]};
            C out[4];
            butterfly<4, Inv>(in, out, roots, 4);
            for (int k2 = 0; k2 < 4; ++k2) c[k1 + 4 * k2] = out[k2];
        }
    } else {
        constexpr int kCap = P > 0 ? P : kMaxRadix;
        const int p = P > 0 ? P : p_runtime;
        const int h = (p - 1) / 2;
        const bool even = (p & 1) == 0;
        C s[kCap / 2 + 1], d[kCap / 2 + 1];
        C c0 = t[0];
#pragma GCC unroll 16
        for (int j = 1; j <= h; ++j) {
            s[j] = t[j] + t[p - j];
            d[j] = t[j] - t[p - j];
            c0 = c0 + s[j];
        }
        if (even) c0 = c0 + t[p / 2];
        c[0] = c0;
#pragma GCC unroll 16
        for (int m = 1; m <= h; ++m) {
            int q = m;  // j * m mod p, advanced without a division
            C a = madd(t[0], s[1], roots[2 * q]);
            C b = scaled(d[1], roots[2 * q + 1]);
#pragma GCC unroll 16
            for (int j = 2; j <= h; ++j) {
                q += m;
                if (q >= p) q -= p;
                a = madd(a, s[j], roots[2 * q]);
                b = madd(b, d[j], roots[2 * q + 1]);
            }
            if (even) a = (m & 1) ? a - t[p / 2] : a + t[p / 2];
            c[m] = Inv ? sub_neg_i(a, b) : add_neg_i(a, b);
            c[p - m] = Inv ? add_neg_i(a, b) : sub_neg_i(a, b);
        }
        if (even) {
            C a = t[0];
#pragma GCC unroll 16
            for (int j = 1; j <= h; ++j) a = (j & 1) ? a - s[j] : a + s[j];
            c[p / 2] = ((p / 2) & 1) ? a - t[p / 2] : a + t[p / 2];
        }
    }
}

// P = A x B in registers: n = B n1 + n2, k = k1 + A k2; radix-A butterflies
// over n1, the twiddles e^(-+2 pi i n2 k1 / P), radix-B butterflies over n2.
template <int A, int B, bool Inv, class C, class T>
inline void composite(const C* t, C* c, const T* roots) {
    constexpr int P = A * B;
    const T* ra = roots + 2 * P;
    const T* rb = ra + 2 * A;
    C u[P];
#pragma GCC unroll 8
    for (int n2 = 0; n2 < B; ++n2) {
        C in[A], out[A];
#pragma GCC unroll 8
        for (int n1 = 0; n1 < A; ++n1) in[n1] = t[B * n1 + n2];
        butterfly<A, Inv>(in, out, ra, A);
#pragma GCC unroll 8
        for (int k1 = 0; k1 < A; ++k1) {
            const int q = n2 * k1 % P;
            C v = out[k1];
            if (q != 0) v = rotated<Inv>(v, roots[2 * q], roots[2 * q + 1]);
            u[k1 * B + n2] = v;
        }
    }
#pragma GCC unroll 8
    for (int k1 = 0; k1 < A; ++k1) {
        C out[B];
        butterfly<B, Inv>(u + k1 * B, out, rb, B);
#pragma GCC unroll 8
        for (int k2 = 0; k2 < B; ++k2) c[k1 + A * k2] = out[k2];
    }
}

// ---- passes

// One butterfly of a pass: inputs j at in + j * in_step, outputs m at
// out + m * out_step, twiddled by the pairs at tw + (m-1) * tw_step (none
// when tw is null).  Lanes are contiguous, or (Across) lie
// in_lane and out_lane apart, with one twiddle for all of them.
template <int P, bool Inv, class L, bool Across, class T>
[[gnu::always_inline]] inline void pass_point(int p, const T* roots, const T* in, long in_step, long in_lane, T* out,
                                              long out_step, long out_lane, const T* tw, long tw_step) {
    using C = typename L::C;
    constexpr int kCap = P > 0 ? P : kMaxRadix;
    if (p < 2 || p > kCap) __builtin_unreachable();  // every plan's radix
    C t[kCap], c[kCap];
#pragma GCC unroll 16
    for (int j = 0; j < p; ++j) t[j] = Across ? L::gather(in + j * in_step, in_lane) : L::load(in + j * in_step);
    butterfly<P, Inv>(t, c, roots, p);
    if constexpr (P == 5) {
        if (tw != nullptr) {
            // w_3 = w_1 w_2 and w_4 = w_2^2 from the parts of the two stored
            // rows, lane by lane: two of the four twiddle streams not read.
            const C w1r = Across ? L::real_part(tw) : L::real_parts(tw), w1i = Across ? L::imag_part(tw) : L::imag_parts(tw);
            const T* tw2 = tw + tw_step;
            const C w2r = Across ? L::real_part(tw2) : L::real_parts(tw2), w2i = Across ? L::imag_part(tw2) : L::imag_parts(tw2);
            const C w3r = w1r * w2r - w1i * w2i, w3i = w1r * w2i + w1i * w2r;
            const C w4r = w2r * w2r - w2i * w2i, w4i = (w2r + w2r) * w2i;
            c[1] = twiddled_parts<Inv>(c[1], w1r, w1i);
            c[2] = twiddled_parts<Inv>(c[2], w2r, w2i);
            c[3] = twiddled_parts<Inv>(c[3], w3r, w3i);
            c[4] = twiddled_parts<Inv>(c[4], w4r, w4i);
            tw = nullptr;
        }
    }
#pragma GCC unroll 16
    for (int m = 0; m < p; ++m) {
        C v = c[m];
        if (m > 0 && tw != nullptr) {
            const T* w = tw + (m - 1) * tw_step;
            v = Across ? twiddled_parts<Inv>(v, L::real_part(w), L::imag_part(w))
                       : twiddled_parts<Inv>(v, L::real_parts(w), L::imag_parts(w));
        }
        if (Across && out_lane != 2) {
            L::scatter(out + m * out_step, out_lane, v);
        } else {
            L::store(out + m * out_step, v);
        }
    }
}

// The last pass (ido = 1) of a radix that is a multiple of the lanes:
// lanes consecutive k read as whole rows of P inputs, transposed in
// registers; outputs stored as runs.
template <int P, bool Inv, class T>
[[gnu::always_inline]] inline void pass_rows(const T* roots, const T* in, T* out, long l1) {
    using VL = VectorLanes<T>;
    using C = typename VL::C;
    constexpr int c = VL::count;
    C t[P], o[P];
#pragma GCC unroll 16
    for (int g = 0; g < P / c; ++g) VL::load_transposed(in + 2 * c * g, 2 * P, t + c * g);
    butterfly<P, Inv>(t, o, roots, P);
#pragma GCC unroll 16
    for (int m = 0; m < P; ++m) VL::store(out + 2 * l1 * m, o[m]);
}

template <int P, bool Inv, class T>
void pass(const DftPass<T>& ps, const T* in, T* out) {
    using VL = VectorLanes<T>;
    using SL = ScalarLanes<T>;
    const int p = P > 0 ? P : ps.radix;
    const long l1 = ps.l1, ido = ps.ido;
    const T* const twiddles = ps.twiddles;
    // A fixed radix reads its roots from a local copy, which no store of the
    // pass can alias: they stay in registers (or are rebroadcast from the
    // stack) instead of being reloaded from the plan after every store.
    constexpr int kRootValues = P > 0 ? 2 * roots_count(P) : 1;
    T local_roots[kRootValues];
    const T* roots = ps.roots;
    if constexpr (P > 0) {
        for (int q = 0; q < kRootValues; ++q) local_roots[q] = ps.roots[q];
        roots = local_roots;
    }
    if constexpr (P > 0 && P % VectorLanes<T>::count == 0) {
        if (ido == 1) {
            long k = 0;
            for (; k + VL::count <= l1; k += VL::count) pass_rows<P, Inv>(roots, in + 2 * P * k, out + 2 * k, l1);
            for (; k < l1; ++k)
                pass_point<P, Inv, SL, true>(p, roots, in + 2 * P * k, 2, 2 * P, out + 2 * k, 2 * l1, 2,
                                             static_cast<const T*>(nullptr), 0);
            return;
        }
    }
    if (ido < VL::count) {
        // Runs too short for a vector: along k for each i, inputs p * ido
        // apart, outputs ido apart (a run when ido is 1), one twiddle.
        for (long i = 0; i < ido; ++i) {
            const T* tw = i == 0 ? nullptr : twiddles + 2 * i;
            const T* src = in + 2 * i;
            T* dst = out + 2 * i;
            long k = 0;
            for (; k + VL::count <= l1; k += VL::count)
                pass_point<P, Inv, VL, true>(p, roots, src + 2 * ido * p * k, 2 * ido, 2 * ido * p, dst + 2 * ido * k,
                                             2 * ido * l1, 2 * ido, tw, 2 * ido);
            for (; k < l1; ++k)
                pass_point<P, Inv, SL, true>(p, roots, src + 2 * ido * p * k, 2 * ido, 2 * ido * p, dst + 2 * ido * k,
                                             2 * ido * l1, 2 * ido, tw, 2 * ido);
        }
        return;
    }
    for (long k = 0; k < l1; ++k) {
        const T* src = in + 2 * ido * p * k;
        T* dst = out + 2 * ido * k;
        long i = 0;
        for (; i + VL::count <= ido; i += VL::count)
            pass_point<P, Inv, VL, false>(p, roots, src + 2 * i, 2 * ido, 2, dst + 2 * i, 2 * ido * l1, 2,
                                          twiddles + 2 * i, 2 * ido);
        for (; i < ido; ++i)
            pass_point<P, Inv, SL, false>(p, roots, src + 2 * i, 2 * ido, 2, dst + 2 * i, 2 * ido * l1, 2,
                                          twiddles + 2 * i, 2 * ido);
    }
}

template <bool Inv, class T>
void run_pass(const DftPass<T>& ps, const T* in, T* out) {
    switch (ps.radix) {
        case 2: return pass<2, Inv>(ps, in, out);
        case 3: return pass<3, Inv>(ps, in, out);
        case 4: return pass<4, Inv>(ps, in, out);
        case 5: return pass<5, Inv>(ps, in, out);
        case 6: return pass<6, Inv>(ps, in, out);
        case 7: return pass<7, Inv>(ps, in, out);
        case 8: return pass<8, Inv>(ps, in, out);
        case 9: return pass<9, Inv>(ps, in, out);
        case 15: return pass<15, Inv>(ps, in, out);
        case 25: return pass<25, Inv>(ps, in, out);
        case 16: return pass<16, Inv>(ps, in, out);
        case 11: return pass<11, Inv>(ps, in, out);
        case 13: return pass<13, Inv>(ps, in, out);
        default: return pass<0, Inv>(ps, in, out);
    }
}

// Pass q writes dst when count - 1 - q is even, so that the last one lands
// there; in place with an odd count the first pass cannot write dst (its
// input), so every pass moves one buffer over and the result is copied.
template <class T>
void run_passes(const DftPass<T>* ps, int count, int n, const T* src, T* dst, T* work, bool inverse) noexcept {
    const bool shifted = src == dst && (count & 1) == 1;
    const T* in = src;
    for (int q = 0; q < count; ++q) {
        T* out = (((count - 1 - q) & 1) == 0) != shifted ? dst : work;
        if (inverse) {
            run_pass<true>(ps[q], in, out);
        } else {
            run_pass<false>(ps[q], in, out);
        }
        in = out;
    }
    if (shifted) __builtin_memcpy(dst, work, sizeof(T) * 2 * static_cast<unsigned long>(n));
}

// ---- straight-line kernels

// Roots of radix r read from the roots of n (r divides n), as T.
template <int N, int R, class T>
struct RootsOf {
    T v[2 * R];
    explicit RootsOf(const long double* rn) {
        for (int q = 0; q < R; ++q) {
            v[2 * q] = static_cast<T>(rn[2 * q * (N / R)]);
            v[2 * q + 1] = static_cast<T>(rn[2 * q * (N / R) + 1]);
        }
    }
};

// N = A * B: n = B n1 + n2, k = k1 + A k2; radix-A butterflies over n1, the
// twiddles e^(-+2 pi i n2 k1 / N), radix-B butterflies over n2.  B = 1 is a
// single butterfly of a prime N.
template <int N, int A, int B, bool Inv, class T>
void small_kernel(const T* src, T* dst, const long double* rn) {
    using C = Sc<T>;
    const RootsOf<N, A, T> ra(rn);
    C x[N], u[N];
    for (int n = 0; n < N; ++n) x[n] = {src[2 * n], src[2 * n + 1]};
    if constexpr (B == 1) {
        butterfly<A, Inv>(x, u, ra.v, A);
    } else {
        const RootsOf<N, B, T> rb(rn);
        for (int n2 = 0; n2 < B; ++n2) {
            C t[A], c[A];
            for (int n1 = 0; n1 < A; ++n1) t[n1] = x[B * n1 + n2];
            butterfly<A, Inv>(t, c, ra.v, A);
            for (int k1 = 0; k1 < A; ++k1) {
                const int q = n2 * k1 % N;
                const C w = {static_cast<T>(rn[2 * q]), static_cast<T>(-rn[2 * q + 1])};
                u[k1 * B + n2] = q == 0 ? c[k1] : Inv ? cmul_conj(c[k1], w) : cmul(c[k1], w);
            }
        }
        for (int k1 = 0; k1 < A; ++k1) {
            C c[B];
            butterfly<B, Inv>(u + k1 * B, c, rb.v, B);
            for (int k2 = 0; k2 < B; ++k2) x[k1 + A * k2] = c[k2];
        }
        for (int n = 0; n < N; ++n) u[n] = x[n];
    }
    for (int n = 0; n < N; ++n) dst[2 * n] = u[n].re, dst[2 * n + 1] = u[n].im;
}

template <bool Inv, class T>
void small_dir(int n, const T* src, T* dst) {
    using namespace ::vdx::dft;
    switch (n) {
        case 3: return small_kernel<3, 3, 1, Inv>(src, dst, kRoots3);
        case 5: return small_kernel<5, 5, 1, Inv>(src, dst, kRoots5);
        case 6: return small_kernel<6, 2, 3, Inv>(src, dst, kRoots6);
        case 7: return small_kernel<7, 7, 1, Inv>(src, dst, kRoots7);
        case 9: return small_kernel<9, 3, 3, Inv>(src, dst, kRoots9);
        case 10: return small_kernel<10, 2, 5, Inv>(src, dst, kRoots10);
        case 11: return small_kernel<11, 11, 1, Inv>(src, dst, kRoots11);
        case 12: return small_kernel<12, 4, 3, Inv>(src, dst, kRoots12);
        case 13: return small_kernel<13, 13, 1, Inv>(src, dst, kRoots13);
        case 14: return small_kernel<14, 2, 7, Inv>(src, dst, kRoots14);
        case 15: return small_kernel<15, 3, 5, Inv>(src, dst, kRoots15);
        default: return;
    }
}

template <class T>
void small(int n, const T* src, T* dst, bool inverse) noexcept {
    if (inverse) {
        small_dir<true>(n, src, dst);
    } else {
        small_dir<false>(n, src, dst);
    }
}

// ---- direct sum

template <bool Inv, class T>
void direct_dir(const T* table, int n, const T* src, T* dst) {
    using VL = VectorLanes<T>;
    using V = typename VL::C;
    for (int k = 0; k < n; ++k) {
        const T* row = table + 2L * n * k;
        V acc = V::zero();
        int j = 0;
        for (; j + VL::count <= n; j += VL::count) {
            const V x = VL::load(src + 2 * j), w = VL::load(row + 2 * j);
            acc = acc + (Inv ? cmul_conj(x, w) : cmul(x, w));
        }
        alignas(32) T lanes[V::lanes];
        acc.store(lanes);
        Sc<T> sum = {T(0), T(0)};
        for (int l = 0; l < VL::count; ++l) sum = sum + Sc<T>{lanes[2 * l], lanes[2 * l + 1]};
        for (; j < n; ++j) {
            const Sc<T> x = {src[2 * j], src[2 * j + 1]}, w = {row[2 * j], row[2 * j + 1]};
            sum = sum + (Inv ? cmul_conj(x, w) : cmul(x, w));
        }
        dst[2 * k] = sum.re;
        dst[2 * k + 1] = sum.im;
    }
}

template <class T>
void direct(const T* table, int n, const T* src, T* dst, bool inverse) noexcept {
    if (inverse) {
        direct_dir<true>(table, n, src, dst);
    } else {
        direct_dir<false>(table, n, src, dst);
    }
}

// ---- real recombination

// One output k from a = value k and b = conj(value m-k) (already
// conjugated), and w[k].
template <bool Join, class C>
inline C recombined(C a, C b, C w) {
    if constexpr (Join) {
        return (a + b) + pos_i(twiddled_conj(a - b, w));
    } else {
        return scaled(a + b + twiddled(neg_i(a - b), w), decltype(a.re)(0.5));
    }
}
template <bool Join, class T>
inline Cv<T> recombined(Cv<T> a, Cv<T> b, Cv<T> w) {
    const Cv<T> half = Cv<T>::set1(T(0.5));
    if constexpr (Join) {
        return (a + b) + pos_i(twiddled_conj(a - b, w));
    } else {
        return (a + b + twiddled(neg_i(a - b), w)) * half;
    }
}

// count outputs k = 0 .. count-1 from in[k] and conj(in[m-k]).
template <bool Join, class T>
void recombine(const T* in, const T* w, int m, int count, T* out) noexcept {
    using VL = VectorLanes<T>;
    using V = typename VL::C;
    constexpr int c = VL::count;
    int k = 0;
    for (; k + c <= count && m - k - c + 1 >= 0; k += c) {
        const V a = VL::load(in + 2 * k), b = conj(reverse_complex(VL::load(in + 2 * (m - k - c + 1))));
        VL::store(out + 2 * k, recombined<Join, T>(a, b, VL::load(w + 2 * k)));
    }
    for (; k < count; ++k) {
        const Sc<T> a = {in[2 * k], in[2 * k + 1]}, b = {in[2 * (m - k)], -in[2 * (m - k) + 1]};
        const Sc<T> r = recombined<Join>(a, b, Sc<T>{w[2 * k], w[2 * k + 1]});
        out[2 * k] = r.re, out[2 * k + 1] = r.im;
    }
}

template <class T>
void split(const T* z, const T* w, int m, T* x) noexcept {
    recombine<false>(z, w, m, m + 1, x);
}
template <class T>
void join(const T* x, const T* w, int m, T* z) noexcept {
    recombine<true>(x, w, m, m, z);
}

template <class T>
constexpr DftKernelRow<T> row() {
    return {.passes = run_passes<T>, .small = small<T>, .direct = direct<T>, .split = split<T>, .join = join<T>};
}

}  // namespace

extern const DftKernels dft_kernels = {
    .f32 = row<Vdx32f>(),
    .f64 = row<Vdx64f>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
