// IIR kernels, written once over a four-lane type and compiled once per
// instruction-set variant (VDX_ISA: a name of variants.def).
//
// A Quad holds four consecutive samples: for 32f and 64f a compiler vector
// (one SSE register, or one AVX register / two SSE registers for doubles),
// for the complex types one such Quad of real parts and one of imaginary
// parts.  The block methods form four
// outputs per step from the look-ahead tables:
//
//   Y = sum_j h(j) * (W shifted up by j lanes, zeros in)      in-block inputs
//     + sum_{m > 4} g(., m) * y(n - m)                        older outputs
//     + sum_{m <= 4} g(., m) * lane 4-m of the previous Y     the recent ones
//
// so the chain from one step to the next is a broadcast, a multiplication
// and two or three additions for four outputs, where the plain recursion
// pays a multiplication and two additions per output and section.
//
// Biquad cascades run every section in the same pass: for each step of four
// samples the sections are applied in order, each keeping its last input and
// output Quads in the state's carry area, so the recursions of different
// sections are independent within a step and overlap in the processor.
// Each section's registers enter its first step as extra inputs (a section's
// transposed registers are exactly what its past adds to y(0) and y(1)), and
// after the last whole step they are rebuilt from that step's inputs and
// outputs; the samples after it take the per-sample path.
#include "iir/iir_kernels.h"

namespace vdx {
namespace VDX_ISA {
namespace {

// ---------------------------------------------------------------- scalars

// Complex products as (ar br - ai bi, ar bi + ai br), every product rounded.
template <class C>
struct Cx {
    static C add(C a, C b) noexcept { return {a.re + b.re, a.im + b.im}; }
    static C sub(C a, C b) noexcept { return {a.re - b.re, a.im - b.im}; }
    static C mul(C a, C b) noexcept { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
    static C zero() noexcept { return {0, 0}; }
};
template <class R>
struct Re {
    static R add(R a, R b) noexcept { return a + b; }
    static R sub(R a, R b) noexcept { return a - b; }
    static R mul(R a, R b) noexcept { return a * b; }
    static R zero() noexcept { return 0; }
};
template <class C>
struct ScalarOps : Cx<C> {};
template <>
struct ScalarOps<float> : Re<float> {};
template <>
struct ScalarOps<double> : Re<double> {};

// ---------------------------------------------------------------- quads

template <class R>
struct LaneInt;
template <>
struct LaneInt<float> {
    using type = int;
};
template <>
struct LaneInt<double> {
    using type = long long;
};
template <class R>
struct RealQuad {
    typedef R V __attribute__((vector_size(4 * sizeof(R))));
    typedef typename LaneInt<R>::type M __attribute__((vector_size(4 * sizeof(R))));
};

template <class C>
struct QuadOps;

// Compiler vectors: lanes as in memory.
template <class R>
struct RealQuadOps {
    using V = typename RealQuad<R>::V;
    using M = typename RealQuad<R>::M;
    using Q = V;
    static Q load(const R* p) noexcept {
        Q q;
        __builtin_memcpy(&q, p, sizeof q);
        return q;
    }
    static void store(R* p, Q q) noexcept { __builtin_memcpy(p, &q, sizeof q); }
    static Q splat(R s) noexcept { return Q{s, s, s, s}; }
    static Q zero() noexcept { return Q{0, 0, 0, 0}; }
    static Q add(Q a, Q b) noexcept { return a + b; }
    static Q sub(Q a, Q b) noexcept { return a - b; }
    static Q mul(Q a, Q b) noexcept { return a * b; }
    static Q mul_s(Q a, R s) noexcept { return a * s; }
    // Lane i of the result: prev[4 + i - k] for i < k, cur[i - k] otherwise.
    template <int K>
    static Q shift_in(Q prev, Q cur) noexcept {
        if constexpr (K == 0) {
            return cur;
        } else {
            return __builtin_shuffle(prev, cur, M{4 - K, 5 - K, 6 - K, 7 - K});
        }
    }
    template <int I>
    static Q broadcast(Q q) noexcept {
        return __builtin_shuffle(q, M{I, I, I, I});
    }
    static Q with_first_two(Q q, R d0, R d1) noexcept { return q + Q{d0, d1, 0, 0}; }
    // Four interleaved pairs (re, im) at p to a Quad of each part, and back.
    static void split(const R* p, Q* re, Q* im) noexcept {
        const Q a = load(p), b = load(p + 4);
        *re = __builtin_shuffle(a, b, M{0, 2, 4, 6});
        *im = __builtin_shuffle(a, b, M{1, 3, 5, 7});
    }
    static void join(R* p, Q re, Q im) noexcept {
        store(p, __builtin_shuffle(re, im, M{0, 4, 1, 5}));
        store(p + 4, __builtin_shuffle(re, im, M{2, 6, 3, 7}));
    }
};

// Doubles without AVX: two SSE registers, each shift or broadcast one or
// two shufpd (the generic 32-byte shuffles would go through the stack).
struct PairQuadOps {
    typedef double V2 __attribute__((vector_size(16)));
    typedef long long M2 __attribute__((vector_size(16)));
    struct Q {
        V2 lo, hi;
    };
    static Q load(const double* p) noexcept {
        Q q;
        __builtin_memcpy(&q, p, sizeof q);
        return q;
    }
    static void store(double* p, Q q) noexcept { __builtin_memcpy(p, &q, sizeof q); }
    static Q splat(double s) noexcept { return {V2{s, s}, V2{s, s}}; }
    static Q zero() noexcept { return splat(0); }
    static Q add(Q a, Q b) noexcept { return {a.lo + b.lo, a.hi + b.hi}; }
    static Q sub(Q a, Q b) noexcept { return {a.lo - b.lo, a.hi - b.hi}; }
    static Q mul(Q a, Q b) noexcept { return {a.lo * b.lo, a.hi * b.hi}; }
    static Q mul_s(Q a, double s) noexcept { return {a.lo * s, a.hi * s}; }
    // (a[1], b[0])
    static V2 across(V2 a, V2 b) noexcept { return __builtin_shuffle(a, b, M2{1, 2}); }
    template <int K>
    static Q shift_in(Q prev, Q cur) noexcept {
        if constexpr (K == 0) return cur;
        else if constexpr (K == 1) return {across(prev.hi, cur.lo), across(cur.lo, cur.hi)};
        else if constexpr (K == 2) return {prev.hi, cur.lo};
        else return {across(prev.lo, prev.hi), across(prev.hi, cur.lo)};
    }
    template <int I>
    static Q broadcast(Q q) noexcept {
        const V2 part = I < 2 ? q.lo : q.hi;
        const V2 b = __builtin_shuffle(part, M2{I % 2, I % 2});
        return {b, b};
    }
    static Q with_first_two(Q q, double d0, double d1) noexcept { return {q.lo + V2{d0, d1}, q.hi}; }
    static void split(const double* p, Q* re, Q* im) noexcept {
        const Q a = load(p), b = load(p + 4);
        *re = {__builtin_shuffle(a.lo, a.hi, M2{0, 2}), __builtin_shuffle(b.lo, b.hi, M2{0, 2})};
        *im = {__builtin_shuffle(a.lo, a.hi, M2{1, 3}), __builtin_shuffle(b.lo, b.hi, M2{1, 3})};
    }
    static void join(double* p, Q re, Q im) noexcept {
        store(p, {__builtin_shuffle(re.lo, im.lo, M2{0, 2}), __builtin_shuffle(re.lo, im.lo, M2{1, 3})});
        store(p + 4, {__builtin_shuffle(re.hi, im.hi, M2{0, 2}), __builtin_shuffle(re.hi, im.hi, M2{1, 3})});
    }
};

template <>
struct QuadOps<float> : RealQuadOps<float> {};
#ifdef __AVX__
template <>
struct QuadOps<double> : RealQuadOps<double> {};
#else
template <>
struct QuadOps<double> : PairQuadOps {};
#endif
// Complex Quads as a Quad of real parts and one of imaginary parts, so that
// products take no shuffles; memory keeps the interleaved layout.  Products
// are (ar br - ai bi, ar bi + ai br), as in the scalar code.
template <class C, class R>
struct ComplexQuadOps {
    using P = QuadOps<R>;
    using PQ = typename P::Q;
    struct Q {
        PQ re, im;
    };
    static Q load(const C* p) noexcept {
        Q q;
        P::split(reinterpret_cast<const R*>(p), &q.re, &q.im);
        return q;
    }
    static void store(C* p, const Q& q) noexcept { P::join(reinterpret_cast<R*>(p), q.re, q.im); }
    static Q splat(C s) noexcept { return {P::splat(s.re), P::splat(s.im)}; }
    static Q zero() noexcept { return {P::zero(), P::zero()}; }
    static Q add(const Q& a, const Q& b) noexcept { return {P::add(a.re, b.re), P::add(a.im, b.im)}; }
    static Q mul(const Q& a, const Q& b) noexcept {
        return {P::sub(P::mul(a.re, b.re), P::mul(a.im, b.im)), P::add(P::mul(a.re, b.im), P::mul(a.im, b.re))};
    }
    static Q mul_s(const Q& a, C s) noexcept { return mul(a, splat(s)); }
    template <int K>
    static Q shift_in(const Q& prev, const Q& cur) noexcept {
        return {P::template shift_in<K>(prev.re, cur.re), P::template shift_in<K>(prev.im, cur.im)};
    }
    template <int I>
    static Q broadcast(const Q& q) noexcept {
        return {P::template broadcast<I>(q.re), P::template broadcast<I>(q.im)};
    }
    static Q with_first_two(const Q& q, C d0, C d1) noexcept {
        return {P::with_first_two(q.re, d0.re, d1.re), P::with_first_two(q.im, d0.im, d1.im)};
    }
};

template <>
struct QuadOps<Vdx32fc> : ComplexQuadOps<Vdx32fc, float> {};
template <>
struct QuadOps<Vdx64fc> : ComplexQuadOps<Vdx64fc, double> {};

// ---------------------------------------------------------------- per sample

// AR, transposed direct form II: y = b0 x + d0, then
// d(k) = (b(k+1) x - a(k+1) y) + d(k+1) for k = 0 .. N-1 (d(N) = 0).
template <class C>
void ar_samples(const IirArView<C>& s, const C* x, C* y, int n) noexcept {
    using S = ScalarOps<C>;
    const int N = s.order;
    C* d = s.dly;
    for (int i = 0; i < n; ++i) {
        const C xv = x[i];
        const C yv = S::add(S::mul(s.b[0], xv), d[0]);
        for (int k = 0; k < N; ++k) d[k] = S::add(S::sub(S::mul(s.b[k + 1], xv), S::mul(s.a[k], yv)), d[k + 1]);
        y[i] = yv;
    }
}

// One section of the cascade on one sample, registers (d0, d1).
template <class C>
inline C biquad_step(const C* t, C* d, C xv) noexcept {
    using S = ScalarOps<C>;
    const C yv = S::add(S::mul(t[0], xv), d[0]);
    d[0] = S::add(S::sub(S::mul(t[1], xv), S::mul(t[3], yv)), d[1]);
    d[1] = S::sub(S::mul(t[2], xv), S::mul(t[4], yv));
    return yv;
}

template <class C>
void bq_samples(const IirBqView<C>& s, const C* x, C* y, int n) noexcept {
    for (int i = 0; i < n; ++i) {
        C v = x[i];
        for (int q = 0; q < s.sections; ++q) v = biquad_step(s.blocks + q * kIirBqBlock, s.dly + 2 * q, v);
        y[i] = v;
    }
}

// Direct form I, section by section over the whole input:
// y = (((b1 x(n-1) + b2 x(n-2)) - a1 y(n-1)) - a2 y(n-2)) + b0 x(n).
template <class C>
void df1(const IirDf1View<C>& s, const C* x, C* y, int n) noexcept {
    using S = ScalarOps<C>;
    for (int q = 0; q < s.sections; ++q) {
        const C* t = s.taps + 5 * q;
        C* r = s.dly + 4 * q;
        C x2 = r[0], x1 = r[1], y2 = r[2], y1 = r[3];
        const C* in = q == 0 ? x : y;
        for (int i = 0; i < n; ++i) {
            const C x0 = in[i];
            const C v = S::add(
                S::sub(S::sub(S::add(S::mul(t[1], x1), S::mul(t[2], x2)), S::mul(t[3], y1)), S::mul(t[4], y2)),
                S::mul(t[0], x0));
            y[i] = v;
            x2 = x1, x1 = x0, y2 = y1, y1 = v;
        }
        r[0] = x2, r[1] = x1, r[2] = y2, r[3] = y1;
    }
}

// ---------------------------------------------------------------- look-ahead step

// sum_j h(j) * (w shifted up by j lanes), h(0) = 1.
template <class C>
inline typename QuadOps<C>::Q in_block_part(const typename QuadOps<C>::Q& w, const C* h) noexcept {
    using O = QuadOps<C>;
    const auto z = O::zero();
    return O::add(O::add(w, O::mul_s(O::template shift_in<1>(z, w), h[1])),
                  O::add(O::mul_s(O::template shift_in<2>(z, w), h[2]), O::mul_s(O::template shift_in<3>(z, w), h[3])));
}

// The recent outputs' part: g(., m) times y(n-m) = lane 4-m of prev, m = 1 .. min(N, 4).
template <class C>
inline typename QuadOps<C>::Q recent_part(const typename QuadOps<C>::Q& prev, const C* g, int N) noexcept {
    using O = QuadOps<C>;
    auto term = [&](int m, const auto& lane) { return O::mul(O::load(g + 4 * (m - 1)), lane); };
    auto near = O::add(term(1, O::template broadcast<3>(prev)), N >= 2 ? term(2, O::template broadcast<2>(prev)) : O::zero());
    if (N >= 3) {
        const auto far = O::add(term(3, O::template broadcast<1>(prev)),
                                N >= 4 ? term(4, O::template broadcast<0>(prev)) : O::zero());
        near = O::add(far, near);
    }
    return near;
}

// ---------------------------------------------------------------- AR block

template <class C>
void ar_block(const IirArView<C>& s, const C* x, C* y, int n, C* work) noexcept {
    using S = ScalarOps<C>;
    using O = QuadOps<C>;
    const int N = s.order, e = n - 1;
    const C* g = s.ahead;
    const C* h = s.ahead + 4 * N;
    // The input part of the registers at the end of the chunk, read before
    // anything is written (y may be x); it waits in work[0 .. N-1], which
    // the numerator stage does not use.
    for (int k = 0; k < N; ++k) {
        C acc = S::zero();
        for (int j = k + 1; j <= N; ++j) acc = S::add(acc, S::mul(s.b[j], x[e + k + 1 - j]));
        work[k] = acc;
    }
    // Numerator stage: w(i) = sum_k b(k) x(i - k) for i = N .. n-1.
    int i = N;
    for (; i + 4 <= n; i += 4) {
        auto acc = O::mul(O::load(s.num4), O::load(x + i));
        for (int k = 1; k <= N; ++k) acc = O::add(acc, O::mul(O::load(s.num4 + 4 * k), O::load(x + i - k)));
        O::store(work + i, acc);
    }
    for (; i < n; ++i) {
        C acc = S::mul(s.b[0], x[i]);
        for (int k = 1; k <= N; ++k) acc = S::add(acc, S::mul(s.b[k], x[i - k]));
        work[i] = acc;
    }
    // The first N outputs from the registers, sample by sample.
    ar_samples(s, x, y, N);
    // Recursion stage, four outputs per step.
    C first[4];
    for (int l = 0; l < 4; ++l) first[l] = N - 4 + l >= 0 ? y[N - 4 + l] : S::zero();
    auto prev = O::load(first);
    i = N;
    for (; i + 4 <= n; i += 4) {
        auto acc = in_block_part(O::load(work + i), h);
        for (int m = N; m > 4; --m) acc = O::add(acc, O::mul_s(O::load(g + 4 * (m - 1)), y[i - m]));
        prev = O::add(acc, recent_part(prev, g, N));
        O::store(y + i, prev);
    }
    for (; i < n; ++i) {
        C acc = work[i];
        for (int k = 1; k <= N; ++k) acc = S::sub(acc, S::mul(s.a[k - 1], y[i - k]));
        y[i] = acc;
    }
    // Registers for the end of the chunk: their output part.
    for (int k = 0; k < N; ++k) {
        C acc = work[k];
        for (int j = k + 1; j <= N; ++j) acc = S::sub(acc, S::mul(s.a[j - 1], y[e + k + 1 - j]));
        s.dly[k] = acc;
    }
    s.dly[N] = S::zero();
}

// ---------------------------------------------------------------- biquad block

template <class C>
void bq_block(const IirBqView<C>& s, const C* x, C* y, int n, C* carry) noexcept {
    using S = ScalarOps<C>;
    using O = QuadOps<C>;
    using Q = typename O::Q;
    const int sections = s.sections;
    // carry, 16 values per section: its last input Quad, its last output
    // Quad, eight unused.  The inputs shifted by one and two samples come
    // from registers (loads spanning two stores would wait for both to
    // retire); the last two outputs are plain loads from one store, which
    // leaves the shuffle unit to the in-block part.
    for (int k = 0; k < kIirCarry * sections; ++k) carry[k] = S::zero();
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        Q v = O::load(x + i);
        for (int q = 0; q < sections; ++q) {
            const C* t = s.blocks + q * kIirBqBlock;
            C* c = carry + kIirCarry * q;
            const Q pin = O::load(c);
            O::store(c, v);
            // Numerator: (b0 x + b1 x(n-1)) + b2 x(n-2).
            Q w = O::add(O::add(O::mul_s(v, t[0]), O::mul_s(O::template shift_in<1>(pin, v), t[1])),
                         O::mul_s(O::template shift_in<2>(pin, v), t[2]));
            if (i == 0) w = O::with_first_two(w, s.dly[2 * q], s.dly[2 * q + 1]);
            const Q recent = O::add(O::mul(O::load(t + 8), O::splat(c[7])), O::mul(O::load(t + 12), O::splat(c[6])));
            v = O::add(in_block_part(w, t + 16), recent);
            O::store(c + 4, v);
        }
        O::store(y + i, v);
    }
    // Registers after the last whole step:
    // d0 = (b1 x(e) + b2 x(e-1)) - (a1 y(e) + a2 y(e-1)), d1 = b2 x(e) - a2 y(e).
    for (int q = 0; q < sections; ++q) {
        const C* t = s.blocks + q * kIirBqBlock;
        const C* c = carry + kIirCarry * q;
        const C xe = c[3], xe1 = c[2], ye = c[7], ye1 = c[6];
        s.dly[2 * q] = S::sub(S::add(S::mul(t[1], xe), S::mul(t[2], xe1)), S::add(S::mul(t[3], ye), S::mul(t[4], ye1)));
        s.dly[2 * q + 1] = S::sub(S::mul(t[2], xe), S::mul(t[4], ye));
    }
    if (i < n) bq_samples(s, x + i, y + i, n - i);
}

template <class C>
constexpr IirRowKernels<C> row() {
    return {.ar_samples = ar_samples<C>,
            .bq_samples = bq_samples<C>,
            .df1 = df1<C>,
            .ar_block = ar_block<C>,
            .bq_block = bq_block<C>};
}

}  // namespace

extern const IirKernels iir_kernels = {
    .r32f = row<Vdx32f>(),
    .r64f = row<Vdx64f>(),
    .c32f = row<Vdx32fc>(),
    .c64f = row<Vdx64fc>(),
};

}  // namespace VDX_ISA
}  // namespace vdx
