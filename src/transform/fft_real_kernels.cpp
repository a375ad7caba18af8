// Recombination kernels of the real FFT, written once against the vector
// layer and compiled once per instruction-set variant (VDX_ISA: sse41 or
// avx2).  Each step takes L = lanes/2 consecutive terms k.. from the bottom
// and their mirrors M-k.. from the top (one load, reversed), so the two
// ranges never meet while k + L <= N/4; the last few terms below N/4 take
// one overlapping step when there is room for it, the same formulas one at
// a time otherwise.
#include "transform/fft_real_kernels.h"

#include "simd/simd.h"

namespace vdx {
namespace VDX_ISA {
namespace {

enum class Dir { forward, inverse };

// The scalar form of one term (a: term k, b: conj of term M-k, p: P(k)).
template <Dir D, class T>
inline void one_term(const T* in1, T* out1, int k, int m, const T* p) noexcept {
    const T* a = in1 + 2 * (k - 1);
    const T* mirror = in1 + 2 * (m - k - 1);
    const T ar = a[0], ai = a[1], br = mirror[0], bi = -mirror[1];
    const T dr = ar - br, di = ai - bi;
    const T pi = D == Dir::forward ? p[1] : -p[1];
    const T tr = p[0] * dr - pi * di, ti = p[0] * di + pi * dr;
    T xr = br + tr, xi = bi + ti, yr = ar - tr, yi = -(ai - ti);
    if (D == Dir::inverse) xr += xr, xi += xi, yr += yr, yi += yi;
    out1[2 * (k - 1)] = xr;
    out1[2 * (k - 1) + 1] = xi;
    out1[2 * (m - k - 1)] = yr;
    out1[2 * (m - k - 1) + 1] = yi;
}

// P d for P at p in memory, rounded as cmul(P, d): the real and imaginary
// parts of P come duplicated straight from memory (the pair at p, and one
// T on), each partial product is rounded, then re - im, re + im (times 1 is
// exact: one rounding).  The inverse keeps cmul_conj on the loaded pair,
// which measured faster there.
template <class V, class T>
inline V times_coefficient(const T* p, V d) {
    V re = dup_re(V::loadu(p)) * d, im = dup_re(V::loadu(p + 1)) * swap_re_im(d);
    unfused(re.v, im.v);
    return mul_addsub(re, V::set1(T(1)), im);
}

// P(k) for the terms from k, from the one-level table or the two levels,
// and the products with it each direction rounds.
template <bool Coarse, class T>
struct Coefficients {
    using V = Vec<T, kWidth>;
    const T* table;
    const T* coarse;
    V half;

    Coefficients(const T* t, const T* c) noexcept : table(t), coarse(c) {
        alignas(32) T half_re[V::lanes] = {};
        for (int j = 0; j < V::lanes; j += 2) half_re[j] = T(0.5);
        half = V::load(half_re);
    }
    V at(int k) const noexcept {
        if constexpr (!Coarse) return V::loadu(table + 2 * (k - 1));
        const int q = k >> 10;
        return half + cmul(V::loadu(table + 2 * (k - (q << 10))), splat_complex<T, kWidth>(coarse + 2 * q));
    }
    V forward(int k, V d) const noexcept {
        if constexpr (!Coarse) return times_coefficient(table + 2 * (k - 1), d);
        return cmul(at(k), d);
    }
    V inverse(int k, V d) const noexcept { return cmul_conj(d, at(k)); }
    // P(k) of one term, in scalar arithmetic.
    void one(int k, T* p) const noexcept {
        if constexpr (!Coarse) {
            p[0] = table[2 * (k - 1)];
            p[1] = table[2 * (k - 1) + 1];
        } else {
            const int q = k >> 10;
            const T* f = table + 2 * (k - (q << 10));
            const T* c = coarse + 2 * q;
            p[0] = T(0.5) + (f[0] * c[0] - f[1] * c[1]);
            p[1] = f[0] * c[1] + f[1] * c[0];
        }
    }
};

// One vector step of a recombination: terms a (k ..) and mirrors (M-k-L+1 ..
// M-k, in memory order) in, the same places out.
template <Dir D, class C, class V>
inline void recombine_step(const C& coefficients, int k, V& a, V& mirrors) noexcept {
    const V b = conj(reverse_complex(mirrors));
    const V t = D == Dir::forward ? coefficients.forward(k, a - b) : coefficients.inverse(k, a - b);
    V x = b + t, y = reverse_complex(conj(a - t));
    if (D == Dir::inverse) x = x + x, y = y + y;
    a = x;
    mirrors = y;
}

// Whole vector steps over k = 1 .. quarter-1 and their mirrors, two per
// trip with their inputs loaded before either stores; step(k, a, mirrors)
// transforms the loaded terms.  Terms left over are done by one more step
// at quarter - L, overlapping the last one: its inputs are loaded before
// anything is stored, and a term gives the same result in any lane.
// Returns the first term not done (quarter when all are), for the scalar
// form.
template <class T, class Step>
int vector_steps(const T* in1, T* out1, int quarter, Step step) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes / 2;
    const int m = 2 * quarter;
    const int last = quarter - L;
    const bool overlap = (quarter - 1) % L != 0 && last >= 1;
    V last_a{}, last_b{};
    if (overlap) {
        last_a = V::loadu(in1 + 2 * (last - 1));
        last_b = V::loadu(in1 + 2 * (m - last - L));
    }
    auto bottom = [&](int k) { return V::loadu(in1 + 2 * (k - 1)); };
    auto top = [&](int k) { return V::loadu(in1 + 2 * (m - k - L)); };
    auto run = [&](int k, V a, V mirrors) {
        step(k, a, mirrors);
        a.storeu(out1 + 2 * (k - 1));
        mirrors.storeu(out1 + 2 * (m - k - L));
    };
    int k = 1;
    for (; k + 2 * L <= quarter; k += 2 * L) {
        const V a0 = bottom(k), b0 = top(k), a1 = bottom(k + L), b1 = top(k + L);
        run(k, a0, b0);
        run(k + L, a1, b1);
    }
    for (; k + L <= quarter; k += L) run(k, bottom(k), top(k));
    if (overlap) {
        run(last, last_a, last_b);
        return quarter;
    }
    return k;
}

template <Dir D, bool Coarse, class T>
void recombine_in(const T* in1, T* out1, int quarter, const T* table, const T* coarse) noexcept {
    using V = Vec<T, kWidth>;
    const Coefficients<Coarse, T> coefficients(table, coarse);
    int k = vector_steps(in1, out1, quarter, [&](int k, V& a, V& mirrors) {
        recombine_step<D>(coefficients, k, a, mirrors);
    });
    for (; k < quarter; ++k) {
        T p[2];
        coefficients.one(k, p);
        one_term<D>(in1, out1, k, 2 * quarter, p);
    }
}

template <Dir D, class T>
void recombine(const T* in1, T* out1, int quarter, const T* table, const T* coarse) noexcept {
    if (coarse == nullptr) recombine_in<D, false>(in1, out1, quarter, table, coarse);
    else recombine_in<D, true>(in1, out1, quarter, table, coarse);
}

// out = the forward recombination of in, times the filter spectrum h (term
// k at h1[2(k-1)]), through the inverse recombination: the three passes
// pair by pair, in one.  quarter >= 16, so that the vector steps cover
// every term.
template <bool Coarse, class T>
void filter_in(const T* in1, T* out1, const T* h1, int quarter, const T* table, const T* coarse) noexcept {
    using V = Vec<T, kWidth>;
    constexpr int L = V::lanes / 2;
    const int m = 2 * quarter;
    const Coefficients<Coarse, T> coefficients(table, coarse);
    // h z, the product one fused step where the variant has FMA, as the
    // filters' own spectrum products round it.
    auto times = [](V h, V z) { return mul_addsub(z, dup_re(h), swap_re_im(z) * dup_im(h)); };
    vector_steps(in1, out1, quarter, [&](int k, V& a, V& mirrors) {
        recombine_step<Dir::forward>(coefficients, k, a, mirrors);
        a = times(V::loadu(h1 + 2 * (k - 1)), a);
        mirrors = times(V::loadu(h1 + 2 * (m - k - L)), mirrors);
        recombine_step<Dir::inverse>(coefficients, k, a, mirrors);
    });
}

template <class T>
void filter(const T* in1, T* out1, const T* h1, int quarter, const T* table, const T* coarse) noexcept {
    if (coarse == nullptr) filter_in<false>(in1, out1, h1, quarter, table, coarse);
    else filter_in<true>(in1, out1, h1, quarter, table, coarse);
}

template <class T>
constexpr FftRealRecombination<T> recombination() {
    return {.forward = recombine<Dir::forward, T>, .inverse = recombine<Dir::inverse, T>, .filter = filter<T>};
}

}  // namespace

extern const FftRealKernels fft_real_kernels = {
    .f32 = recombination<Vdx32f>(),
    .f64 = recombination<Vdx64f>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
