// Floating-point arithmetic kernels, written once against Vec<F, kWidth> and
// compiled once per instruction-set variant (VDX_ISA: a name of variants.def).
//
// Each vector lane does what the scalar rule does to one element, operation
// for operation (the compiler may still exchange the operands of a sum or a
// product, which only decides which of two NaN operands passes through):
//   - real add, sub, mul, div: one vector operation;
//   - complex product (a+bi)(c+di): p = (ac, bc) and q = (bd, ad) from the
//     pairs as they lie and with the parts exchanged, then (p - q) in the real
//     lanes and (q + p) in the imaginary ones: ac - bd and ad + bc, each
//     product and the sum rounded once;
//   - complex quotient: den = cc + dd, then (p + q, p - q) / den, that is
//     (ac + bd) / den and (bc - ad) / den.
// Nothing is fused and no reciprocal is approximated, so the SSE4.1 and the
// AVX2 copies agree with each other and with the rule bit for bit.  Division
// checks each vector for zero divisors (ordered equality with 0; a complex
// divisor is zero when both parts are, tested on the bitwise or of the
// parts) and, only where it found one, puts in the rule's result: +inf,
// -inf or the library's NaN by the sign of the dividend part.
//
// Loops take 2 to 4 unaligned vectors per step, then single vectors, then
// the last elements as one vector staged in local storage.  Every vector is
// loaded before its result is stored, so the destination may be one of the
// sources exactly (in-place forms).  Long results that overwrite no source
// are written with streaming stores (for_vectors).
#include "vector/arith_float_kernels.h"

#include "simd/simd.h"
#include "vector/arith_rules.h"

namespace vdx {
namespace VDX_ISA {
namespace {

using arith::Op;

// How elements of T lie in vectors of their parts.
template <class T>
struct Layout {
    static constexpr bool complex = is_complex<T>;
    using F = PartOf<T>;
    using V = Vec<F, kWidth>;
    static constexpr int per = complex ? V::lanes / 2 : V::lanes;  // elements per vector
    static V load(const T* p) { return V::loadu(reinterpret_cast<const F*>(p)); }
    static void store(T* p, V v) { v.storeu(reinterpret_cast<F*>(p)); }
    static V broadcast(T k) {
        if constexpr (complex) return set_pairs<kWidth>(k.re, k.im);
        else return V::set1(k);
    }
};

// ---- element operations on vectors (l OP r, in the rule's order)

// The result of l / 0 per lane: +inf, -inf, or NaN for a zero or NaN l.
template <class F>
Vec<F, kWidth> zero_divisor_result(Vec<F, kWidth> l) {
    using V = Vec<F, kWidth>;
    const V sign = and_bits(l, V::set1(F(-0.0)));
    const V magnitude = xor_bits(l, sign);
    const V inf = or_bits(sign, V::set1(F(__builtin_inf())));
    return select(mask_lt(V::zero(), magnitude), inf, V::set1(arith::nan_of<F>()));
}

// q where zero is clear, the zero-divisor result of l where it is set.
template <class F>
Vec<F, kWidth> patch_zero_divisors(Vec<F, kWidth> q, Vec<F, kWidth> l, Vec<F, kWidth> zero, bool& met) {
    if (any_lane(zero)) [[unlikely]] {
        met = true;
        return select(zero, zero_divisor_result<F>(l), q);
    }
    return q;
}

template <class F>
Vec<F, kWidth> divide_real(Vec<F, kWidth> l, Vec<F, kWidth> r, bool& met) {
    using V = Vec<F, kWidth>;
    return patch_zero_divisors<F>(l / r, l, mask_eq(r, V::zero()), met);
}

template <class F>
Vec<F, kWidth> multiply_complex(Vec<F, kWidth> l, Vec<F, kWidth> r) {
    const Vec<F, kWidth> p = l * dup_re(r);              // (ac, bc)
    const Vec<F, kWidth> q = swap_re_im(l) * dup_im(r);  // (bd, ad)
    return re_im(p - q, q + p);                           // (ac - bd, ad + bc)
}

template <class F>
Vec<F, kWidth> divide_complex(Vec<F, kWidth> l, Vec<F, kWidth> r, bool& met) {
    using V = Vec<F, kWidth>;
    const V c = dup_re(r), d = dup_im(r);
    const V den = c * c + d * d;
    const V p = l * c;                // (ac, bc)
    const V q = swap_re_im(l) * d;    // (bd, ad)
    const V quotient = re_im(p + q, p - q) / den;  // ((ac + bd) / den, (bc - ad) / den)
    return patch_zero_divisors<F>(quotient, l, mask_eq(or_bits(c, d), V::zero()), met);
}

template <class T, Op O>
typename Layout<T>::V apply(typename Layout<T>::V l, typename Layout<T>::V r, bool& met) {
    using F = typename Layout<T>::F;
    if constexpr (O == Op::add) return l + r;
    else if constexpr (O == Op::sub) return l - r;
    else if constexpr (O == Op::mul) {
        if constexpr (Layout<T>::complex) return multiply_complex<F>(l, r);
        else return l * r;
    } else {
        if constexpr (Layout<T>::complex) return divide_complex<F>(l, r, met);
        else return divide_real<F>(l, r, met);
    }
}

// Vectors per loop step: four for the cheap operations, two where a vector
// already keeps several units busy.
template <class T, Op O>
inline constexpr int kUnroll = (O == Op::div || (O == Op::mul && Layout<T>::complex)) ? 2 : 4;

// The last m < one vector of elements go through the vector code too, staged
// in one vector's worth of local storage whose other lanes hold ones (never
// a zero divisor).  So the last elements get the very operations of the
// body, not whatever the compiler makes of scalar code in this variant (in
// an FMA-enabled build, GCC 12 turns the scalar complex product into
// vfmaddsub despite -ffp-contract=off).
template <class T>
constexpr T one() {
    if constexpr (is_complex<T>) return T{1, 1};
    else return T(1);
}
template <class T, int K>
struct Staged {
    T e[K];
    Staged(const T* src, int m) {
        for (int j = 0; j < K; ++j) e[j] = j < m ? src[j] : one<T>();
    }
    void copy_to(T* dst, int m) const {
        for (int j = 0; j < m; ++j) dst[j] = e[j];
    }
};

// ---- the loop shared by the kernels
//
// From kArithStreamBytes of destination on, and only when the destination
// is no source, results are written with streaming stores: such a destination
// leaves the caches anyway, and streaming spares reading every destination
// line before it is overwritten (a quarter of the memory traffic of a
// two-source operation).  The streamed body needs aligned stores: the first
// vector is stored unaligned, the body from the first aligned element on,
// and the last vector unaligned again, overlapping the body (recomputing a
// few elements is harmless when no source is overwritten).

struct Unaligned {};
struct Streamed {};

template <class V, class F>
inline void put(F* p, V v, Unaligned) {
    v.storeu(p);
}
template <class V, class F>
inline void put(F* p, V v, Streamed) {
    v.stream(p);
}

// at(i, store) computes and stores the vector of the K elements from i;
// tail(i, m) the last m < K elements.  D is the destination's element type.
// Streams when kMayStream and no_source allow it.
template <int K, int U, bool kMayStream, class D, class At, class Tail>
VDX_ALWAYS_INLINE void for_vectors(D* d, int n, bool no_source, At at, Tail tail) {
    if constexpr (kMayStream) {
        const auto address = reinterpret_cast<unsigned long>(d);
        if (no_source && static_cast<long long>(n) * static_cast<long long>(sizeof(D)) >= kArithStreamBytes &&
            address % sizeof(D) == 0) {
            int i = static_cast<int>((kWidth - address % kWidth) % kWidth / sizeof(D));
            if (i > 0) at(0, Unaligned{});
            for (; i <= n - U * K; i += U * K) {
#pragma GCC unroll 4
                for (int u = 0; u < U; ++u) at(i + u * K, Streamed{});
            }
            for (; i <= n - K; i += K) at(i, Streamed{});
            if (i < n) at(n - K, Unaligned{});
            stream_fence();
            return;
        }
    }
    int i = 0;
    for (; i <= n - U * K; i += U * K) {
#pragma GCC unroll 4
        for (int u = 0; u < U; ++u) at(i + u * K, Unaligned{});
    }
    for (; i <= n - K; i += K) at(i, Unaligned{});
    if (i < n) tail(i, n - i);
}

// ---- kernels

template <class T, Op O, bool Swap>
bool two_vectors(const T* x, const T* y, T* d, int n) noexcept {
    using L = Layout<T>;
    using V = typename L::V;
    using F = typename L::F;
    constexpr int k = L::per;
    bool met = false;
    const auto op = [&met](V a, V b) { return Swap ? apply<T, O>(b, a, met) : apply<T, O>(a, b, met); };
    for_vectors<k, kUnroll<T, O>, true>(
        d, n, d != x && d != y,
        [&](int i, auto store) { put(reinterpret_cast<F*>(d + i), op(L::load(x + i), L::load(y + i)), store); },
        [&](int i, int m) {
            const Staged<T, k> a(x + i, m);
            Staged<T, k> b(y + i, m);
            L::store(b.e, op(L::load(a.e), L::load(b.e)));
            b.copy_to(d + i, m);
        });
    return met;
}

template <class T, Op O, bool Swap>
bool vector_constant(const T* x, T c, T* d, int n) noexcept {
    using L = Layout<T>;
    using V = typename L::V;
    using F = typename L::F;
    constexpr int k = L::per;
    const V b = L::broadcast(c);
    bool met = false;
    const auto op = [&met, b](V a) { return Swap ? apply<T, O>(b, a, met) : apply<T, O>(a, b, met); };
    for_vectors<k, kUnroll<T, O>, true>(
        d, n, d != x, [&](int i, auto store) { put(reinterpret_cast<F*>(d + i), op(L::load(x + i)), store); },
        [&](int i, int m) {
            Staged<T, k> a(x + i, m);
            L::store(a.e, op(L::load(a.e)));
            a.copy_to(d + i, m);
        });
    return met;
}

// The accumulator is read and written: never streamed.
template <class T>
void add_product(const T* x, const T* y, T* acc, int n) noexcept {
    using L = Layout<T>;
    using V = typename L::V;
    constexpr int k = L::per;
    const auto op = [](V a, V b, V s) {
        bool unused = false;
        return s + apply<T, Op::mul>(a, b, unused);
    };
    for_vectors<k, kUnroll<T, Op::mul>, false>(
        acc, n, false,
        [&](int i, Unaligned) { L::store(acc + i, op(L::load(x + i), L::load(y + i), L::load(acc + i))); },
        [&](int i, int m) {
            const Staged<T, k> a(x + i, m), b(y + i, m);
            Staged<T, k> s(acc + i, m);
            L::store(s.e, op(L::load(a.e), L::load(b.e), L::load(s.e)));
            s.copy_to(acc + i, m);
        });
}

void add_product_c_32f(const Vdx32f* x, Vdx32f c, Vdx32f* acc, int n) noexcept {
    using V = Vec<float, kWidth>;
    constexpr int k = V::lanes;
    const V b = V::set1(c);
    for_vectors<k, 4, false>(
        acc, n, false, [&](int i, Unaligned) { (V::loadu(acc + i) + V::loadu(x + i) * b).storeu(acc + i); },
        [&](int i, int m) {
            const Staged<float, k> a(x + i, m);
            Staged<float, k> s(acc + i, m);
            (V::loadu(s.e) + V::loadu(a.e) * b).storeu(s.e);
            s.copy_to(acc + i, m);
        });
}

// 16-bit integers to float (exact), then the float operation.
template <Op O, bool Swap>
bool two_vectors_16s32f(const Vdx16s* x, const Vdx16s* y, Vdx32f* d, int n) noexcept {
    using V = Vec<float, kWidth>;
    constexpr int k = V::lanes;
    bool met = false;
    const auto op = [&met](const Vdx16s* xp, const Vdx16s* yp) {
        const V a = to_f32(load_i16_as_i32<kWidth>(xp)), b = to_f32(load_i16_as_i32<kWidth>(yp));
        return Swap ? apply<Vdx32f, O>(b, a, met) : apply<Vdx32f, O>(a, b, met);
    };
    for_vectors<k, 2, true>(
        d, n, true, [&](int i, auto store) { put(d + i, op(x + i, y + i), store); },
        [&](int i, int m) {
            const Staged<Vdx16s, k> a(x + i, m), b(y + i, m);
            Staged<Vdx32f, k> s(d + i, 0);
            op(a.e, b.e).storeu(s.e);
            s.copy_to(d + i, m);
        });
    return met;
}

// A real factor against complex pairs: each x[i] twice, times (re, im).
bool mul_32f32fc(const Vdx32f* x, const Vdx32fc* y, Vdx32fc* d, int n) noexcept {
    using L = Layout<Vdx32fc>;
    constexpr int k = L::per;
    for_vectors<k, 2, true>(
        d, n, d != y,
        [&](int i, auto store) {
            put(reinterpret_cast<float*>(d + i), load_dup_pairs<kWidth>(x + i) * L::load(y + i), store);
        },
        [&](int i, int m) {
            const Staged<Vdx32f, k> a(x + i, m);
            Staged<Vdx32fc, k> b(y + i, m);
            L::store(b.e, load_dup_pairs<kWidth>(a.e) * L::load(b.e));
            b.copy_to(d + i, m);
        });
    return false;
}

// ---- tables

// The [int(Op)][Swap] array of a kernel template whose last arguments are
// <Op, Swap>, after the leading arguments given (with their comma):
//   VDX_BY_OP_AND_SWAP(two_vectors, T,)  ->  {{two_vectors<T, Op::add, false>, ...}, ...}
static_assert(int(Op::add) == 0 && int(Op::sub) == 1 && int(Op::mul) == 2 && int(Op::div) == 3 && kArithOps == 4);
#define VDX_BY_OP_AND_SWAP(kernel, ...)                                                        \
    {                                                                                          \
        {kernel<__VA_ARGS__ Op::add, false>, kernel<__VA_ARGS__ Op::add, true>},               \
        {kernel<__VA_ARGS__ Op::sub, false>, kernel<__VA_ARGS__ Op::sub, true>},               \
        {kernel<__VA_ARGS__ Op::mul, false>, kernel<__VA_ARGS__ Op::mul, true>},               \
        {kernel<__VA_ARGS__ Op::div, false>, kernel<__VA_ARGS__ Op::div, true>},               \
    }

template <class T>
constexpr ArithFloatSet<T> float_set() {
    return {
        .two_vectors = VDX_BY_OP_AND_SWAP(two_vectors, T, ),
        .vector_constant = VDX_BY_OP_AND_SWAP(vector_constant, T, ),
        .add_product = add_product<T>,
    };
}

}  // namespace

const ArithFloatKernels arith_float_kernels = {
    .f32 = float_set<Vdx32f>(),
    .f64 = float_set<Vdx64f>(),
    .c32 = float_set<Vdx32fc>(),
    .c64 = float_set<Vdx64fc>(),
    .two_vectors_16s32f = VDX_BY_OP_AND_SWAP(two_vectors_16s32f),
    .mul_32f32fc = mul_32f32fc,
    .add_product_c_32f = add_product_c_32f,
};

#undef VDX_BY_OP_AND_SWAP

}  // namespace VDX_ISA
}  // namespace vdx
