// The floating-point arithmetic kernels of every variant against the element
// rules written out here in plain scalar code: one IEEE operation per step
// in the element's precision, complex products and quotients part by part,
// the zero-divisor rule (+inf, -inf or the library NaN by the dividend's
// sign).  Every length up to 67 (all tails of both vector widths) and some
// long ones, shifted starts, guard zones around the destination, in-place
// calls, and the caller's MXCSR (rounding direction, flush-to-zero and
// denormals-are-zero) applied to kernels and oracle alike.  The variants
// must also agree with each other bit for bit (NaN payloads only up to the
// choice between two NaN operands).
#include <gtest/gtest.h>

#include "kernel_variants.h"
#include "mismatches.h"
#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "isa.h"
#include "vdxcore.h"
#include "vector/arith_fast.h"
#include "vector/arith_float_kernels.h"

namespace {

using vdx::ArithFloatKernels;
using vdx::arith::Op;

constexpr int kGuard = 8;
constexpr unsigned kCsrDefault = 0x1F80;
constexpr unsigned kFtzDaz = 0x8040;

using Variant = KernelVariant<ArithFloatKernels>;

std::vector<Variant> variants() { return kernel_variants(vdx::arith_float_kernels_variants); }

// ---------------------------------------------------------------- element types

template <class T>
struct Part {
    using type = T;
};
template <>
struct Part<Vdx32fc> {
    using type = float;
};
template <>
struct Part<Vdx64fc> {
    using type = double;
};
template <class T>
constexpr bool kComplex = !std::is_same_v<typename Part<T>::type, T>;

template <class F>
F from_bits(std::uint64_t b) {
    F f;
    if constexpr (sizeof(F) == 4) {
        const auto u = static_cast<std::uint32_t>(b);
        std::memcpy(&f, &u, 4);
    } else {
        std::memcpy(&f, &b, 8);
    }
    return f;
}
template <class F>
F library_nan() {
    return sizeof(F) == 4 ? from_bits<F>(0xFFC00000u) : from_bits<F>(0xFFF8000000000000ull);
}

template <class F>
bool same_bits(F a, F b) {
    return std::memcmp(&a, &b, sizeof(F)) == 0;
}
// Equal bits; or, unless strict, both NaN: an operation on two NaNs passes
// on the payload of its first operand, and the compiler may exchange the
// operands of an addition or a product (with one NaN operand, or a NaN
// made by an invalid operation, the bits are determined and must agree).
template <class F>
bool matches(F got, F want, bool strict) {
    return same_bits(got, want) || (!strict && std::isnan(got) && std::isnan(want));
}
template <class T>
bool matches_element(T got, T want, bool strict) {
    if constexpr (kComplex<T>) return matches(got.re, want.re, strict) && matches(got.im, want.im, strict);
    else return matches(got, want, strict);
}

template <class F>
std::string show(F v) {
    std::ostringstream os;
    os.precision(std::numeric_limits<F>::max_digits10);
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof(F));
    os << v << " [0x" << std::hex << b << "]";
    return os.str();
}
template <class C>
std::string show_pair(C v) {
    std::ostringstream os;
    os << '(' << show(v.re) << ", " << show(v.im) << ')';
    return os.str();
}
std::string show(Vdx32fc v) { return show_pair(v); }
std::string show(Vdx64fc v) { return show_pair(v); }

// ---------------------------------------------------------------- the rules, written out

template <class F>
F quotient(F n, F d) {
    if (d == F(0)) {
        if (n > F(0)) return std::numeric_limits<F>::infinity();
        if (n < F(0)) return -std::numeric_limits<F>::infinity();
        return library_nan<F>();
    }
    return n / d;
}

template <class F>
F real_rule(Op o, F l, F r) {
    switch (o) {
        case Op::add: return l + r;
        case Op::sub: return l - r;
        case Op::mul: return l * r;
        default: return quotient(l, r);
    }
}

template <class T>
T rule(Op o, T l, T r) {
    if constexpr (!kComplex<T>) {
        return real_rule(o, l, r);
    } else {
        using F = typename Part<T>::type;
        switch (o) {
            case Op::add: return T{l.re + r.re, l.im + r.im};
            case Op::sub: return T{l.re - r.re, l.im - r.im};
            case Op::mul: {
                const F ac = l.re * r.re, bd = l.im * r.im, ad = l.re * r.im, bc = l.im * r.re;
                return T{ac - bd, ad + bc};
            }
            default: {
                if (r.re == F(0) && r.im == F(0)) return T{quotient(l.re, r.re), quotient(l.im, r.im)};
                const F cc = r.re * r.re, dd = r.im * r.im, den = cc + dd;
                const F ac = l.re * r.re, bd = l.im * r.im, bc = l.im * r.re, ad = l.re * r.im;
                return T{(ac + bd) / den, (bc - ad) / den};
            }
        }
    }
}

template <class T>
bool is_zero(T v) {
    if constexpr (kComplex<T>) return v.re == 0 && v.im == 0;
    else return v == 0;
}

// ---------------------------------------------------------------- sources

// Special values, and random ones of every magnitude (overflowing and
// underflowing products and quotients included).
template <class F>
std::vector<F> special_parts() {
    using L = std::numeric_limits<F>;
    const F qnan = sizeof(F) == 4 ? from_bits<F>(0x7FC12345u) : from_bits<F>(0x7FF8000000012345ull);
    const F negnan = sizeof(F) == 4 ? from_bits<F>(0xFFD00001u) : from_bits<F>(0xFFF4000000000001ull);
    return {F(0), -F(0), L::infinity(), -L::infinity(), qnan, negnan, L::denorm_min(), -L::denorm_min(),
            L::min() / F(3), L::min(), L::max(), -L::max(), F(1), F(-1), F(0.5), F(3)};
}

template <class F>
F random_part(std::mt19937& rng) {
    std::uniform_real_distribution<F> mant(F(1), F(2));
    const int range = std::uniform_int_distribution<int>(0, 9)(rng) == 0 ? (sizeof(F) == 4 ? 140 : 1060) : 30;
    const int e = std::uniform_int_distribution<int>(-range, range)(rng);
    const F v = std::ldexp(mant(rng), e);
    return std::uniform_int_distribution<int>(0, 1)(rng) ? v : -v;
}

template <class F>
F some_part(std::mt19937& rng, bool specials) {
    if (specials && std::uniform_int_distribution<int>(0, 5)(rng) == 0) {
        const std::vector<F> s = special_parts<F>();
        return s[std::uniform_int_distribution<std::size_t>(0, s.size() - 1)(rng)];
    }
    return random_part<F>(rng);
}

template <class T>
T some_element(std::mt19937& rng, bool specials) {
    using F = typename Part<T>::type;
    if constexpr (kComplex<T>) {
        if (specials && std::uniform_int_distribution<int>(0, 15)(rng) == 0) {
            const F z = std::uniform_int_distribution<int>(0, 1)(rng) ? F(0) : -F(0);
            return T{z, std::uniform_int_distribution<int>(0, 1)(rng) ? F(0) : -F(0)};
        }
        const F re = some_part<F>(rng, specials);
        return T{re, some_part<F>(rng, specials)};
    } else {
        return some_part<F>(rng, specials);
    }
}

template <class T>
std::vector<T> sources(std::mt19937& rng, std::size_t n, bool specials) {
    std::vector<T> v(n);
    for (T& e : v) e = some_element<T>(rng, specials);
    return v;
}

// ---------------------------------------------------------------- buffers

// len elements at a shifted start, with guard zones of a fixed byte pattern.
template <class T>
struct Guarded {
    Guarded(const T* src, int len, int shift) : mem(len + shift + 2 * kGuard), start(kGuard + shift), n(len) {
        std::memset(mem.data(), 0x5A, mem.size() * sizeof(T));
        if (src) std::memcpy(mem.data() + start, src, len * sizeof(T));
    }
    T* p() { return mem.data() + start; }
    bool guards_intact() const {
        for (int i = 0; i < static_cast<int>(mem.size()); ++i) {
            if (i >= start && i < start + n) continue;
            const unsigned char* b = reinterpret_cast<const unsigned char*>(&mem[i]);
            for (std::size_t j = 0; j < sizeof(T); ++j)
                if (b[j] != 0x5A) return false;
        }
        return true;
    }
    std::vector<T> mem;
    int start, n;
};

std::vector<int> lengths() {
    std::vector<int> v;
    for (int n = 0; n <= 67; ++n) v.push_back(n);
    v.insert(v.end(), {255, 1000, 1029});
    return v;
}

// Checks one call's output against the oracle; strict[i] asks for equal bits
// even for NaN (the results the zero-divisor rule prescribes).
template <class T>
void compare(const std::string& what, const T* got, const std::vector<T>& want, const std::vector<char>& strict,
             bool got_flag, bool want_flag, bool guards, Mismatches& m) {
    for (std::size_t i = 0; i < want.size(); ++i) {
        if (!matches_element(got[i], want[i], strict[i])) {
            m.note([&](std::ostream& os) {
                os << what << " len=" << want.size() << " element " << i << ": got " << show(got[i]) << ", want "
                   << show(want[i]);
            });
        }
    }
    if (got_flag != want_flag)
        m.note([&](std::ostream& os) { os << what << " len=" << want.size() << ": zero-divisor report " << got_flag; });
    if (!guards) m.note([&](std::ostream& os) { os << what << " len=" << want.size() << ": wrote outside"; });
}

// Where the destination lies: its own array, or the very array of a source.
enum class Into { own, first, second };
const char* into_name(Into i) { return i == Into::own ? "" : i == Into::first ? " into x" : " into y"; }

// ---------------------------------------------------------------- sweeps

// Two vectors: d[i] = rule(x[i], y[i]) or rule(y[i], x[i]).
template <class T>
void sweep_two_vectors(const Variant& v, Op o, bool swap, const std::vector<T>& xs, const std::vector<T>& ys,
                       Mismatches& m, std::vector<std::vector<T>>* outputs) {
    const auto kernel = [&] {
        const vdx::ArithFloatSet<T>* s;
        if constexpr (std::is_same_v<T, Vdx32f>) s = &v.k->f32;
        else if constexpr (std::is_same_v<T, Vdx64f>) s = &v.k->f64;
        else if constexpr (std::is_same_v<T, Vdx32fc>) s = &v.k->c32;
        else s = &v.k->c64;
        return s->two_vectors[static_cast<int>(o)][swap];
    }();
    for (int len : lengths()) {
        std::vector<T> want(len);
        std::vector<char> strict(len);
        bool want_flag = false;
        for (int i = 0; i < len; ++i) {
            const T l = swap ? ys[i] : xs[i], r = swap ? xs[i] : ys[i];
            want[i] = rule(o, l, r);
            strict[i] = o == Op::div && is_zero(r);
            want_flag |= strict[i];
        }
        for (Into into : {Into::own, Into::first, Into::second}) {
            Guarded<T> x(xs.data(), len, len % 3), y(ys.data(), len, (len / 3) % 4), d(nullptr, len, (len / 7) % 5);
            T* dst = into == Into::own ? d.p() : into == Into::first ? x.p() : y.p();
            const bool flag = kernel(x.p(), y.p(), dst, len);
            const bool guards = x.guards_intact() && y.guards_intact() && d.guards_intact();
            compare(v.name + " op" + std::to_string(static_cast<int>(o)) + (swap ? " swapped" : "") + into_name(into),
                    dst, want, strict, flag, want_flag, guards, m);
            if (outputs) outputs->emplace_back(dst, dst + len);
        }
    }
}

// Vector and constant: d[i] = rule(x[i], c) or rule(c, x[i]).
template <class T>
void sweep_vector_constant(const Variant& v, Op o, bool swap, const std::vector<T>& xs, T c, Mismatches& m,
                           std::vector<std::vector<T>>* outputs) {
    const vdx::ArithFloatSet<T>* s;
    if constexpr (std::is_same_v<T, Vdx32f>) s = &v.k->f32;
    else if constexpr (std::is_same_v<T, Vdx64f>) s = &v.k->f64;
    else if constexpr (std::is_same_v<T, Vdx32fc>) s = &v.k->c32;
    else s = &v.k->c64;
    const auto kernel = s->vector_constant[static_cast<int>(o)][swap];
    for (int len : lengths()) {
        std::vector<T> want(len);
        std::vector<char> strict(len);
        bool want_flag = false;
        for (int i = 0; i < len; ++i) {
            const T l = swap ? c : xs[i], r = swap ? xs[i] : c;
            want[i] = rule(o, l, r);
            strict[i] = o == Op::div && is_zero(r);
            want_flag |= strict[i];
        }
        for (Into into : {Into::own, Into::first}) {
            Guarded<T> x(xs.data(), len, len % 3), d(nullptr, len, (len / 7) % 5);
            T* dst = into == Into::own ? d.p() : x.p();
            const bool flag = kernel(x.p(), c, dst, len);
            compare(v.name + " constant " + show(c) + " op" + std::to_string(static_cast<int>(o)) +
                        (swap ? " swapped" : "") + into_name(into),
                    dst, want, strict, flag, want_flag, x.guards_intact() && d.guards_intact(), m);
            if (outputs) outputs->emplace_back(dst, dst + len);
        }
    }
}

template <class T>
void expect_variants_agree(const std::vector<std::vector<std::vector<T>>>& per_variant, Mismatches& m) {
    for (std::size_t v = 1; v < per_variant.size(); ++v) {
        ASSERT_EQ(per_variant[v].size(), per_variant[0].size());
        for (std::size_t c = 0; c < per_variant[0].size(); ++c) {
            const auto& a = per_variant[0][c];
            const auto& b = per_variant[v][c];
            if (a.size() != b.size()) {
                m.note([&](std::ostream& os) { os << "variants differ in call " << c << ": lengths"; });
                continue;
            }
            for (std::size_t i = 0; i < a.size(); ++i) {
                if (!matches_element(a[i], b[i], false)) {
                    m.note([&](std::ostream& os) {
                        os << "variants differ in call " << c << " (length " << a.size() << ") at " << i << ": "
                           << show(a[i]) << " and " << show(b[i]);
                    });
                    break;
                }
            }
        }
    }
}

template <class T>
std::vector<T> constants(std::mt19937& rng) {
    using F = typename Part<T>::type;
    std::vector<T> cs;
    if constexpr (kComplex<T>) {
        for (F re : {F(0), -F(0), F(1.5), std::numeric_limits<F>::infinity(), std::numeric_limits<F>::quiet_NaN()})
            for (F im : {F(0), -F(0), F(-2.25)}) cs.push_back(T{re, im});
        cs.push_back(T{std::numeric_limits<F>::denorm_min(), F(0)});
    } else {
        cs = {F(0), -F(0), F(1), F(-2.5), std::numeric_limits<F>::infinity(), std::numeric_limits<F>::quiet_NaN(),
              std::numeric_limits<F>::denorm_min(), std::numeric_limits<F>::max()};
    }
    for (int i = 0; i < 3; ++i) cs.push_back(some_element<T>(rng, false));
    return cs;
}

// ---------------------------------------------------------------- tests

class CallerMxcsr : public ::testing::TestWithParam<unsigned> {};

template <class T>
void all_operations(unsigned csr, int seed) {
    std::mt19937 rng(seed);
    const std::vector<Variant> vs = variants();
    for (bool specials : {false, true}) {
        const std::vector<T> xs = sources<T>(rng, 1029, specials), ys = sources<T>(rng, 1029, specials);
        const std::vector<T> cs = constants<T>(rng);
        std::vector<std::vector<std::vector<T>>> outputs(vs.size());
        Mismatches m;
        CallerCsr caller(csr);
        for (std::size_t vi = 0; vi < vs.size(); ++vi) {
            for (Op o : {Op::add, Op::sub, Op::mul, Op::div}) {
                for (bool swap : {false, true}) {
                    sweep_two_vectors<T>(vs[vi], o, swap, xs, ys, m, &outputs[vi]);
                    for (const T& c : cs) sweep_vector_constant<T>(vs[vi], o, swap, xs, c, m, &outputs[vi]);
                }
            }
        }
        expect_variants_agree(outputs, m);
        EXPECT_NO_MISMATCH(m) << (specials ? "with special values" : "finite values");
    }
}

TEST_P(CallerMxcsr, Real32) { all_operations<Vdx32f>(GetParam(), 1); }
TEST_P(CallerMxcsr, Real64) { all_operations<Vdx64f>(GetParam(), 2); }
TEST_P(CallerMxcsr, Complex32) { all_operations<Vdx32fc>(GetParam(), 3); }
TEST_P(CallerMxcsr, Complex64) { all_operations<Vdx64fc>(GetParam(), 4); }

// 16-bit integers converted exactly, then one float operation.
TEST_P(CallerMxcsr, Int16ToFloat) {
    std::mt19937 rng(5);
    std::vector<Vdx16s> xs(1029), ys(1029);
    std::uniform_int_distribution<int> any(-32768, 32767);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        xs[i] = static_cast<Vdx16s>(i % 11 == 0 ? 0 : any(rng));  // zero divisors now and then
        ys[i] = static_cast<Vdx16s>(i % 13 == 0 ? (i % 2 ? -32768 : 32767) : any(rng));
    }
    CallerCsr caller(GetParam());
    Mismatches m;
    for (const Variant& v : variants()) {
        for (Op o : {Op::add, Op::sub, Op::mul, Op::div}) {
            for (bool swap : {false, true}) {
                for (int len : lengths()) {
                    std::vector<Vdx32f> want(len);
                    std::vector<char> strict(len);
                    bool want_flag = false;
                    for (int i = 0; i < len; ++i) {
                        const float a = xs[i], b = ys[i];
                        want[i] = swap ? real_rule(o, b, a) : real_rule(o, a, b);
                        strict[i] = o == Op::div && (swap ? a : b) == 0;
                        want_flag |= strict[i];
                    }
                    Guarded<Vdx16s> x(xs.data(), len, len % 5), y(ys.data(), len, len % 3);
                    Guarded<Vdx32f> d(nullptr, len, len % 4);
                    const bool flag = v.k->two_vectors_16s32f[static_cast<int>(o)][swap](x.p(), y.p(), d.p(), len);
                    compare(v.name + " 16s32f op" + std::to_string(static_cast<int>(o)) + (swap ? " swapped" : ""),
                            d.p(), want, strict, flag, want_flag, d.guards_intact(), m);
                }
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// Real times complex, out of place and into the complex source.
TEST_P(CallerMxcsr, RealTimesComplex) {
    std::mt19937 rng(6);
    const std::vector<Vdx32f> xs = sources<Vdx32f>(rng, 1029, true);
    const std::vector<Vdx32fc> ys = sources<Vdx32fc>(rng, 1029, true);
    CallerCsr caller(GetParam());
    Mismatches m;
    for (const Variant& v : variants()) {
        for (int len : lengths()) {
            std::vector<Vdx32fc> want(len);
            for (int i = 0; i < len; ++i) want[i] = Vdx32fc{xs[i] * ys[i].re, xs[i] * ys[i].im};
            const std::vector<char> strict(len, 0);
            for (bool in_place : {false, true}) {
                Guarded<Vdx32f> x(xs.data(), len, len % 3);
                Guarded<Vdx32fc> y(ys.data(), len, len % 2), d(nullptr, len, len % 5);
                Vdx32fc* dst = in_place ? y.p() : d.p();
                const bool flag = v.k->mul_32f32fc(x.p(), y.p(), dst, len);
                compare(v.name + " 32f32fc" + (in_place ? " in place" : ""), dst, want, strict, flag, false,
                        y.guards_intact() && d.guards_intact(), m);
            }
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// acc + x * y and acc + x * c: the product rounded, then the sum.
template <class T>
void multiply_accumulate(unsigned csr, int seed, Mismatches& m) {
    std::mt19937 rng(seed);
    const std::vector<T> xs = sources<T>(rng, 1029, true), ys = sources<T>(rng, 1029, true);
    const std::vector<T> acc0 = sources<T>(rng, 1029, true);
    CallerCsr caller(csr);
    for (const Variant& v : variants()) {
        const vdx::ArithFloatSet<T>* s;
        if constexpr (std::is_same_v<T, Vdx32f>) s = &v.k->f32;
        else if constexpr (std::is_same_v<T, Vdx64f>) s = &v.k->f64;
        else if constexpr (std::is_same_v<T, Vdx32fc>) s = &v.k->c32;
        else s = &v.k->c64;
        for (int len : lengths()) {
            std::vector<T> want(len);
            for (int i = 0; i < len; ++i) want[i] = rule(Op::add, acc0[i], rule(Op::mul, xs[i], ys[i]));
            const std::vector<char> strict(len, 0);
            Guarded<T> x(xs.data(), len, len % 3), y(ys.data(), len, len % 2), acc(acc0.data(), len, len % 5);
            s->add_product(x.p(), y.p(), acc.p(), len);
            compare(v.name + " add_product", acc.p(), want, strict, false, false, acc.guards_intact(), m);
            if constexpr (std::is_same_v<T, Vdx32f>) {
                const float c = ys[len % 7];
                for (int i = 0; i < len; ++i) want[i] = acc0[i] + xs[i] * c;
                Guarded<T> acc2(acc0.data(), len, len % 4);
                v.k->add_product_c_32f(x.p(), c, acc2.p(), len);
                compare(v.name + " add_product_c", acc2.p(), want, strict, false, false, acc2.guards_intact(), m);
            }
        }
    }
}

TEST_P(CallerMxcsr, MultiplyAccumulate) {
    Mismatches m;
    multiply_accumulate<Vdx32f>(GetParam(), 7, m);
    multiply_accumulate<Vdx64f>(GetParam(), 8, m);
    multiply_accumulate<Vdx32fc>(GetParam(), 9, m);
    multiply_accumulate<Vdx64fc>(GetParam(), 10, m);
    EXPECT_NO_MISMATCH(m);
}

INSTANTIATE_TEST_SUITE_P(Arith, CallerMxcsr,
                         ::testing::Values(kCsrDefault, kCsrDefault | kFtzDaz, kCsrDefault | _MM_ROUND_UP,
                                           kCsrDefault | _MM_ROUND_TOWARD_ZERO),
                         [](const ::testing::TestParamInfo<unsigned>& info) {
                             const unsigned c = info.param;
                             std::string s = (c & kFtzDaz) ? "FtzDaz" : "Plain";
                             if ((c & _MM_ROUND_MASK) == _MM_ROUND_UP) s += "Up";
                             if ((c & _MM_ROUND_MASK) == _MM_ROUND_TOWARD_ZERO) s += "TowardZero";
                             return s;
                         });

// One zero divisor at each position of each length, in the vector body or
// in the tail: the report, the value there, and the quotients around it.
template <class T>
void zero_divisor_everywhere(const Variant& v, Mismatches& m) {
    using F = typename Part<T>::type;
    const vdx::ArithFloatSet<T>* s;
    if constexpr (std::is_same_v<T, Vdx32f>) s = &v.k->f32;
    else if constexpr (std::is_same_v<T, Vdx64f>) s = &v.k->f64;
    else if constexpr (std::is_same_v<T, Vdx32fc>) s = &v.k->c32;
    else s = &v.k->c64;
    const auto div = s->two_vectors[static_cast<int>(Op::div)][true];  // y / x
    std::mt19937 rng(12);
    for (int len = 1; len <= 40; ++len) {
        for (int pos = -1; pos < len; ++pos) {
            std::vector<T> x = sources<T>(rng, len, false), y = sources<T>(rng, len, false);
            // A divisor with one zero part is no zero divisor.
            if constexpr (kComplex<T>) x[(pos + 1) % len].re = F(0);
            if (pos >= 0) {
                if constexpr (kComplex<T>) x[pos] = T{-F(0), F(0)};
                else x[pos] = pos % 2 ? F(0) : -F(0);
            }
            std::vector<T> want(len);
            std::vector<char> strict(len);
            for (int i = 0; i < len; ++i) {
                want[i] = rule(Op::div, y[i], x[i]);
                strict[i] = i == pos;
            }
            std::vector<T> d(len);
            const bool flag = div(x.data(), y.data(), d.data(), len);
            compare(v.name + " zero divisor at " + std::to_string(pos), d.data(), want, strict, flag, pos >= 0, true,
                    m);
        }
    }
}

TEST(ArithFloatKernels, ZeroDivisorAtEveryPosition) {
    Mismatches m;
    for (const Variant& v : variants()) {
        zero_divisor_everywhere<Vdx32f>(v, m);
        zero_divisor_everywhere<Vdx64f>(v, m);
        zero_divisor_everywhere<Vdx32fc>(v, m);
        zero_divisor_everywhere<Vdx64fc>(v, m);
    }
    EXPECT_NO_MISMATCH(m);
}

// Dividends 1, -1, 0, NaN over zero divisors of either sign: +inf, -inf and
// the library's NaN twice, whatever the sign of the zero.
TEST(ArithFloatKernels, ZeroDivisorResultsFollowTheDividend) {
    const float nan_in = from_bits<float>(0x7FC12345u);
    for (const Variant& v : variants()) {
        for (int len : {4, 8, 16, 20}) {
            std::vector<float> divisors(len), dividends(len), d(len);
            for (int i = 0; i < len; ++i) {
                divisors[i] = (i / 4) % 2 ? -0.0f : 0.0f;
                dividends[i] = std::vector<float>{1.0f, -1.0f, 0.0f, nan_in}[i % 4];
            }
            EXPECT_TRUE(v.k->f32.two_vectors[static_cast<int>(Op::div)][true](divisors.data(), dividends.data(),
                                                                               d.data(), len));
            for (int i = 0; i < len; ++i) {
                const float want[] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                      library_nan<float>(), library_nan<float>()};
                EXPECT_TRUE(same_bits(d[i], want[i % 4])) << v.name << " len " << len << " element " << i << ": "
                                                          << show(d[i]);
            }
        }
    }
}

// Results long enough to be written with streaming stores, at a destination
// aligned to the vector width and one element off it (the first and last
// vectors then overlap the aligned body), and just below that length; also
// the same length in place, which is never streamed.
template <class T>
void long_results(const Variant& v, std::mt19937& rng, Mismatches& m) {
    const vdx::ArithFloatSet<T>* s;
    if constexpr (std::is_same_v<T, Vdx32f>) s = &v.k->f32;
    else if constexpr (std::is_same_v<T, Vdx64f>) s = &v.k->f64;
    else if constexpr (std::is_same_v<T, Vdx32fc>) s = &v.k->c32;
    else s = &v.k->c64;
    const int from = static_cast<int>(vdx::kArithStreamBytes / static_cast<long long>(sizeof(T)));
    const int longest = from + 37;
    const std::vector<T> xs = sources<T>(rng, longest, true), ys = sources<T>(rng, longest, true);
    const T c = some_element<T>(rng, false);
    std::vector<T> buf(longest + 64);
    for (const auto& [len, shift] : {std::pair{from + 37, 0}, std::pair{from + 37, 1}, std::pair{from - 1, 3}}) {
        T* d = reinterpret_cast<T*>((reinterpret_cast<std::uintptr_t>(buf.data()) + 63) & ~std::uintptr_t{63}) + shift;
        for (Op o : {Op::sub, Op::div}) {
            std::vector<T> want(len);
            std::vector<char> strict(len);
            bool want_flag = false;
            for (int i = 0; i < len; ++i) {
                want[i] = rule(o, ys[i], xs[i]);
                strict[i] = o == Op::div && is_zero(xs[i]);
                want_flag |= strict[i];
            }
            const std::string tag = v.name + " long op" + std::to_string(static_cast<int>(o)) + " shift " +
                                    std::to_string(shift);
            const bool flag = s->two_vectors[static_cast<int>(o)][true](xs.data(), ys.data(), d, len);
            compare(tag, d, want, strict, flag, want_flag, true, m);
            std::vector<T> in_place(ys.begin(), ys.begin() + len);
            const bool flag2 =
                s->two_vectors[static_cast<int>(o)][true](xs.data(), in_place.data(), in_place.data(), len);
            compare(tag + " in place", in_place.data(), want, strict, flag2, want_flag, true, m);
            for (int i = 0; i < len; ++i) {
                want[i] = rule(o, xs[i], c);
                strict[i] = o == Op::div && is_zero(c);
            }
            const bool flag3 = s->vector_constant[static_cast<int>(o)][false](xs.data(), c, d, len);
            compare(tag + " constant", d, want, strict, flag3, o == Op::div && is_zero(c), true, m);
        }
    }
}

TEST(ArithFloatKernels, LongResultsAtAnyAlignment) {
    std::mt19937 rng(13);
    Mismatches m;
    for (const Variant& v : variants()) {
        long_results<Vdx32f>(v, rng, m);
        long_results<Vdx64f>(v, rng, m);
        long_results<Vdx32fc>(v, rng, m);
        long_results<Vdx64fc>(v, rng, m);
        // The mixed forms stream too.
        const int len = static_cast<int>(vdx::kArithStreamBytes / 4) + 5;
        std::vector<Vdx16s> a(len), b(len);
        for (int i = 0; i < len; ++i) a[i] = static_cast<Vdx16s>(i * 7 - 30000), b[i] = static_cast<Vdx16s>(i % 5 - 2);
        std::vector<Vdx32f> d(len + 1), want(len);
        for (int i = 0; i < len; ++i) want[i] = static_cast<float>(b[i]) - static_cast<float>(a[i]);
        EXPECT_FALSE(v.k->two_vectors_16s32f[static_cast<int>(Op::sub)][true](a.data(), b.data(), d.data() + 1, len));
        compare(v.name + " long 16s32f", d.data() + 1, want, std::vector<char>(len), false, false, true, m);
        const int clen = static_cast<int>(vdx::kArithStreamBytes / 8) + 3;
        const std::vector<Vdx32f> xs = sources<Vdx32f>(rng, clen, false);
        const std::vector<Vdx32fc> ys = sources<Vdx32fc>(rng, clen, false);
        std::vector<Vdx32fc> cd(clen + 1), cwant(clen);
        for (int i = 0; i < clen; ++i) cwant[i] = Vdx32fc{xs[i] * ys[i].re, xs[i] * ys[i].im};
        v.k->mul_32f32fc(xs.data(), ys.data(), cd.data() + 1, clen);
        compare(v.name + " long 32f32fc", cd.data() + 1, cwant, std::vector<char>(clen), false, false, true, m);
    }
    EXPECT_NO_MISMATCH(m);
}

// The fast paths use the variant the process chose.
TEST(ArithFloatKernels, FastPathsUseTheChosenVariant) {
    EXPECT_EQ(&vdx::arith::ArithFloatVariant::table(), best_kernel_variant(vdx::arith_float_kernels_variants));
}

}  // namespace
