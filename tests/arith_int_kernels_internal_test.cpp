// The integer arithmetic kernels of every variant against the element rules
// they stand for (arith_rules.h), element by element: sums, differences and
// products over dense operand pairs (every pair of Vdx8u values, every
// 16-bit value against a permutation of every value, bounds, powers of two
// and their neighbours, random 32-bit values of every magnitude) at every
// scale factor from -70 to 70 and the extremes, in both shapes and with the
// constant on either side; quotients likewise in each rounding mode, with
// zero divisors, under more than one caller rounding control.  A second pass
// covers every tail of both vector widths, shifted starts, guard zones
// around the destination and in-place calls on either operand.
#include <gtest/gtest.h>

#include "kernel_variants.h"
#include "mismatches.h"
#include <immintrin.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "fixed.h"
#include "isa.h"
#include "vector/arith_fast.h"
#include "vector/arith_int_kernels.h"
#include "vector/arith_rules.h"

namespace {

using vdx::ArithIntKernels;
using vdx::IntArithOps;
using vdx::arith::Ctx;
using vdx::arith::Op;

constexpr unsigned kCsrDefault = 0x1F80;
constexpr unsigned kCsrDownFtzDaz = 0x1F80 | _MM_ROUND_DOWN | 0x8040;

using Variant = KernelVariant<ArithIntKernels>;

std::vector<Variant> variants() { return kernel_variants(vdx::arith_int_kernels_variants); }

template <class T>
const IntArithOps<T>& ops_of(const ArithIntKernels& k) {
    if constexpr (std::is_same_v<T, Vdx8u>) return k.u8;
    else if constexpr (std::is_same_v<T, Vdx16s>) return k.s16;
    else if constexpr (std::is_same_v<T, Vdx16u>) return k.u16;
    else return k.s32;
}

template <class T>
const char* type_name() {
    if constexpr (std::is_same_v<T, Vdx8u>) return "8u";
    else if constexpr (std::is_same_v<T, Vdx16s>) return "16s";
    else if constexpr (std::is_same_v<T, Vdx16u>) return "16u";
    else return "32s";
}

const char* op_name(Op o) { return o == Op::add ? "add" : o == Op::sub ? "sub" : o == Op::mul ? "mul" : "div"; }

Ctx ctx_of(int sf, int mode) { return Ctx{sf, mode, vdx::pow2_scale<double>(sf), vdx::pow2_scale<float>(sf)}; }

// ---------------------------------------------------------------- inputs

// Bounds, their neighbours, small values, powers of two and their neighbours.
template <class T>
std::vector<T> specials() {
    constexpr long long lo = vdx::IntBounds<T>::lo, hi = vdx::IntBounds<T>::hi;
    std::vector<long long> c = {lo, lo + 1, lo + 2, -3, -2, -1, 0, 1, 2, 3, 5, 7, hi - 2, hi - 1, hi};
    for (int k = 1; k < 32; ++k)
        for (long long d : {-1LL, 0LL, 1LL}) {
            c.push_back((1LL << k) + d);
            c.push_back(-(1LL << k) + d);
        }
    std::vector<T> v;
    for (long long x : c)
        if (x >= lo && x <= hi && std::find(v.begin(), v.end(), static_cast<T>(x)) == v.end())
            v.push_back(static_cast<T>(x));
    return v;
}

// A random value of a random bit length, either sign where T has one.
template <class T>
T random_value(std::mt19937_64& rng) {
    constexpr long long lo = vdx::IntBounds<T>::lo, hi = vdx::IntBounds<T>::hi;
    const int bits = static_cast<int>(rng() % (8 * sizeof(T) + 1));
    long long x = bits == 0 ? 0 : static_cast<long long>(rng() & ((bits >= 63 ? ~0ULL : (1ULL << bits)) - 1));
    if (lo < 0 && (rng() & 1)) x = -x - static_cast<long long>(rng() & 1);
    return static_cast<T>(std::clamp(x, lo, hi));
}

// Operand pairs: every pair for Vdx8u; every 16-bit value against a
// permutation of every value; random values of every magnitude for Vdx32s;
// then every pair of specials.  The length leaves a tail in both widths.
template <class T>
void dense_pairs(std::vector<T>& x, std::vector<T>& y) {
    std::mt19937_64 rng(17 + sizeof(T));
    x.clear();
    y.clear();
    if constexpr (sizeof(T) == 1) {
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) {
                x.push_back(static_cast<T>(a));
                y.push_back(static_cast<T>(b));
            }
    } else if constexpr (sizeof(T) == 2) {
        for (int a = 0; a < 65536; ++a) x.push_back(static_cast<T>(a));
        y = x;
        std::shuffle(y.begin(), y.end(), rng);
    } else {
        std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
        for (int i = 0; i < 40000; ++i) {
            x.push_back(random_value<T>(rng));
            y.push_back(random_value<T>(rng));
        }
        for (int i = 0; i < 20000; ++i) {
            x.push_back(any(rng));
            y.push_back(any(rng));
        }
    }
    const std::vector<T> s = specials<T>();
    for (T a : s)
        for (T b : s) {
            x.push_back(a);
            y.push_back(b);
        }
    while (x.size() % 32 != 13) {
        x.push_back(random_value<T>(rng));
        y.push_back(random_value<T>(rng));
    }
}

// Every value of T for the 8- and 16-bit types (each once, shuffled, plus a
// tail), random values of every magnitude and the specials for Vdx32s.
template <class T>
std::vector<T> dense_values() {
    std::mt19937_64 rng(29 + sizeof(T));
    std::vector<T> v;
    if constexpr (sizeof(T) <= 2) {
        for (long long a = vdx::IntBounds<T>::lo; a <= vdx::IntBounds<T>::hi; ++a) v.push_back(static_cast<T>(a));
    } else {
        for (int i = 0; i < 30000; ++i) v.push_back(random_value<T>(rng));
    }
    const std::vector<T> s = specials<T>();
    v.insert(v.end(), s.begin(), s.end());
    std::shuffle(v.begin(), v.end(), rng);
    while (v.size() % 32 != 21) v.push_back(random_value<T>(rng));
    return v;
}

// The constants the constant forms are run with.
template <class T>
std::vector<T> constants() {
    std::mt19937_64 rng(41 + sizeof(T));
    constexpr long long lo = vdx::IntBounds<T>::lo, hi = vdx::IntBounds<T>::hi;
    std::vector<long long> c = {lo, lo + 1, -1, 0, 1, 2, 3, hi - 1, hi};
    for (int i = 0; i < 4; ++i) c.push_back(static_cast<long long>(random_value<T>(rng)));
    std::vector<T> v;
    for (long long x : c)
        if (x >= lo && x <= hi && std::find(v.begin(), v.end(), static_cast<T>(x)) == v.end())
            v.push_back(static_cast<T>(x));
    return v;
}

// Every scale factor from -70 to 70 and the extremes.
std::vector<int> all_scale_factors() {
    std::vector<int> v = {INT_MIN, INT_MIN + 1, -100000, -1000, -200, 200, 1000, 100000, INT_MAX - 1, INT_MAX};
    for (int sf = -70; sf <= 70; ++sf) v.push_back(sf);
    return v;
}

// One or more factors in each regime of each type.
std::vector<int> regime_scale_factors() {
    return {INT_MIN, -200, -64, -63, -33, -32, -31, -17, -16, -15, -9, -8, -7, -2, -1, 0,  1,   2,      3,
            8,       9,    10,  11,  16,  17,  18,  19,  30,  31,  32, 33, 34, 62, 63, 64, 200, INT_MAX};
}

// ---------------------------------------------------------------- sums, differences, products

// The kernel of op O in one shape: d = x O y, x O k, or k O x.
enum class Shape { vectors, vector_constant, constant_vector };

const char* shape_name(Shape s) {
    return s == Shape::vectors ? "(x, y)" : s == Shape::vector_constant ? "(x, k)" : "(k, x)";
}

template <class T>
void run_scaled(const IntArithOps<T>& k, Op o, Shape s, const T* x, const T* y, T c, T* d, int n, int sf) {
    switch (s) {
        case Shape::vectors:
            (o == Op::add ? k.add : o == Op::sub ? k.sub : k.mul)(x, y, d, n, sf);
            break;
        case Shape::vector_constant:
            (o == Op::add ? k.add_c : o == Op::sub ? k.sub_c : k.mul_c)(x, c, d, n, sf);
            break;
        case Shape::constant_vector:
            // The kernels have k - x only; k + x and k * x are x + k and x * k.
            (o == Op::add ? k.add_c : o == Op::sub ? k.sub_rev_c : k.mul_c)(x, c, d, n, sf);
            break;
    }
}

template <class T>
T rule(Op o, T l, T r, int sf) {
    const Ctx c = ctx_of(sf, vdxRndNear);
    if (o == Op::add) return vdx::arith::Sfs<Op::add>::apply<T>(l, r, c);
    if (o == Op::sub) return vdx::arith::Sfs<Op::sub>::apply<T>(l, r, c);
    return vdx::arith::Sfs<Op::mul>::apply<T>(l, r, c);
}

template <class T>
void check_dense_scaled() {
    std::vector<T> x, y;
    dense_pairs(x, y);
    const std::vector<T> xs = dense_values<T>();
    const std::vector<T> ks = constants<T>();
    const std::vector<Variant> vs = variants();
    Mismatches m;
    std::vector<T> want, got;
    for (Op o : {Op::add, Op::sub, Op::mul}) {
        for (int sf : all_scale_factors()) {
            const int n = static_cast<int>(x.size());
            want.resize(n);
            for (int i = 0; i < n; ++i) want[i] = rule(o, x[i], y[i], sf);
            for (const Variant& v : vs) {
                got.assign(n, T(0x5A));
                run_scaled(ops_of<T>(*v.k), o, Shape::vectors, x.data(), y.data(), T(0), got.data(), n, sf);
                for (int i = 0; i < n; ++i)
                    if (got[i] != want[i])
                        m.note([&](std::ostream& os) {
                            os << v.name << " " << type_name<T>() << " " << op_name(o) << " (x, y) sf=" << sf
                               << " x=" << +x[i] << " y=" << +y[i] << ": got " << +got[i] << ", want " << +want[i];
                        });
            }
        }
        // The constant shapes, at factors in every regime.
        for (int sf : regime_scale_factors())
            for (T c : ks)
                for (Shape s : {Shape::vector_constant, Shape::constant_vector}) {
                    const int n = static_cast<int>(xs.size());
                    want.resize(n);
                    for (int i = 0; i < n; ++i)
                        want[i] = s == Shape::vector_constant ? rule(o, xs[i], c, sf) : rule(o, c, xs[i], sf);
                    for (const Variant& v : vs) {
                        got.assign(n, T(0x5A));
                        run_scaled(ops_of<T>(*v.k), o, s, xs.data(), static_cast<const T*>(nullptr), c, got.data(), n,
                                   sf);
                        for (int i = 0; i < n; ++i)
                            if (got[i] != want[i])
                                m.note([&](std::ostream& os) {
                                    os << v.name << " " << type_name<T>() << " " << op_name(o) << " " << shape_name(s)
                                       << " sf=" << sf << " x=" << +xs[i] << " k=" << +c << ": got " << +got[i]
                                       << ", want " << +want[i];
                                });
                    }
                }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(ArithIntKernels, Sums8uMatchTheRuleOverEveryPairAndFactor) { check_dense_scaled<Vdx8u>(); }
TEST(ArithIntKernels, Sums16sMatchTheRuleOverDensePairsAndEveryFactor) { check_dense_scaled<Vdx16s>(); }
TEST(ArithIntKernels, Sums16uMatchTheRuleOverDensePairsAndEveryFactor) { check_dense_scaled<Vdx16u>(); }
TEST(ArithIntKernels, Sums32sMatchTheRuleOverDensePairsAndEveryFactor) { check_dense_scaled<Vdx32s>(); }

// ---------------------------------------------------------------- quotients

template <class T>
bool run_quotient(const IntArithOps<T>& k, Shape s, const T* x, const T* y, T c, T* d, int n, const Ctx& ctx) {
    switch (s) {
        case Shape::vectors:
            return k.div(x, y, d, n, ctx);
        case Shape::vector_constant:
            return k.div_c(x, c, d, n, ctx);
        default:
            return k.div_rev_c(x, c, d, n, ctx);
    }
}

template <class T>
T quotient_rule(T n, T d, const Ctx& c) {
    return vdx::arith::Quotient<false>::apply<T>(n, d, c);
}

// Runs the kernel and the rule under the same rounding control: the
// caller's for zero and near, truncation (as the glue holds it) for the
// financial mode.
template <class T>
void compare_quotients(const Variant& v, Shape s, const std::vector<T>& x, const std::vector<T>& y, T c, int sf,
                       int mode, Mismatches& m) {
    const int n = static_cast<int>(x.size());
    const Ctx ctx = ctx_of(sf, mode);
    std::vector<T> want(n), got(n, T(0x5A));
    bool want_zero = false, got_zero;
    {
        std::optional<vdx::FinancialRoundingScope> truncating;
        if (mode == vdxRndFinancial) truncating.emplace();
        for (int i = 0; i < n; ++i) {
            const T num = s == Shape::vectors ? x[i] : s == Shape::vector_constant ? x[i] : c;
            const T den = s == Shape::vectors ? y[i] : s == Shape::vector_constant ? c : x[i];
            want_zero |= den == 0;
            want[i] = quotient_rule(num, den, ctx);
        }
        got_zero = run_quotient(ops_of<T>(*v.k), s, x.data(), y.data(), c, got.data(), n, ctx);
    }
    if (got_zero != want_zero)
        m.note([&](std::ostream& os) {
            os << v.name << " " << type_name<T>() << " div " << shape_name(s) << " sf=" << sf << " mode=" << mode
               << ": zero divisor reported " << got_zero << ", want " << want_zero;
        });
    for (int i = 0; i < n; ++i)
        if (got[i] != want[i])
            m.note([&](std::ostream& os) {
                os << v.name << " " << type_name<T>() << " div " << shape_name(s) << " sf=" << sf << " mode=" << mode
                   << " x=" << +x[i];
                if (s == Shape::vectors) os << " y=" << +y[i];
                else os << " k=" << +c;
                os << ": got " << +got[i] << ", want " << +want[i];
            });
}

template <class T>
void check_dense_quotients() {
    std::vector<T> x, y;
    dense_pairs(x, y);
    const std::vector<T> xs = dense_values<T>();
    std::vector<int> sfs = {INT_MIN, -100000, -1000, -200, 200, 1000, 100000, INT_MAX};
    for (int sf = -40; sf <= 40; ++sf) sfs.push_back(sf);
    std::vector<T> ks;  // the constants without the neighbours of the bounds, and one random value
    for (T c : constants<T>())
        if (c == 0 || c == 1 || c == 2 || c == 3 || c == T(-1) || c == vdx::IntBounds<T>::lo ||
            c == vdx::IntBounds<T>::hi)
            ks.push_back(c);
    ks.push_back(constants<T>().back());
    Mismatches m;
    for (unsigned csr : {kCsrDefault, kCsrDownFtzDaz}) {
        CallerCsr caller(csr);
        for (const Variant& v : variants())
            for (int mode : {vdxRndZero, vdxRndNear, vdxRndFinancial}) {
                for (int sf : sfs) compare_quotients<T>(v, Shape::vectors, x, y, T(0), sf, mode, m);
                if (csr != kCsrDefault) continue;
                for (int sf : regime_scale_factors())
                    for (T c : ks) {
                        compare_quotients<T>(v, Shape::vector_constant, xs, xs, c, sf, mode, m);
                        compare_quotients<T>(v, Shape::constant_vector, xs, xs, c, sf, mode, m);
                    }
            }
        EXPECT_EQ(_mm_getcsr() & ~0x3Fu, csr);
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(ArithIntKernels, Quotients8uMatchTheRuleOverEveryPairModeAndFactor) { check_dense_quotients<Vdx8u>(); }
TEST(ArithIntKernels, Quotients16sMatchTheRuleOverDensePairsModesAndFactors) { check_dense_quotients<Vdx16s>(); }
TEST(ArithIntKernels, Quotients16uMatchTheRuleOverDensePairsModesAndFactors) { check_dense_quotients<Vdx16u>(); }
TEST(ArithIntKernels, Quotients32sMatchTheRuleOverDensePairsModesAndFactors) { check_dense_quotients<Vdx32s>(); }

// ---------------------------------------------------------------- tails, offsets, guards, in place

constexpr int kGuard = 40;

// Every length up to 67 and a long one, at shifted starts, with the
// destination between guard zones; then in place on the first and on the
// second operand.  want(i) is the rule's element for operands x[i], y[i].
template <class T, class Call, class Want>
void sweep(const std::string& what, const std::vector<T>& x, const std::vector<T>& y, Call call, Want want,
           Mismatches& m) {
    std::vector<int> lens;
    for (int n = 1; n <= 67; ++n) lens.push_back(n);
    lens.push_back(1001);
    for (int len : lens) {
        const int off = len % 7;
        std::vector<T> d(len + 2 * kGuard);
        std::memset(d.data(), 0x5A, d.size() * sizeof(T));
        T sentinel;
        std::memset(&sentinel, 0x5A, sizeof sentinel);
        auto expect = [&](const char* how, const T* out, bool guards) {
            for (int i = 0; i < len; ++i)
                if (out[i] != want(off + i))
                    m.note([&](std::ostream& os) {
                        os << what << " " << how << " len=" << len << " element " << i << ": got " << +out[i]
                           << ", want " << +want(off + i);
                    });
            if (guards)
                for (int i = 0; i < kGuard; ++i)
                    if (d[i] != sentinel || d[kGuard + len + i] != sentinel)
                        m.note(
                            [&](std::ostream& os) { os << what << " " << how << " len=" << len << ": guard written"; });
        };
        call(x.data() + off, y.data() + off, d.data() + kGuard, len);
        expect("separate", d.data() + kGuard, true);
        std::vector<T> a(x.begin() + off, x.begin() + off + len), b(y.begin() + off, y.begin() + off + len);
        call(a.data(), b.data(), a.data(), len);
        expect("in place on x", a.data(), false);
        a.assign(x.begin() + off, x.begin() + off + len);
        call(a.data(), b.data(), b.data(), len);
        expect("in place on y", b.data(), false);
    }
}

template <class T>
void check_tails() {
    std::vector<T> x, y;
    dense_pairs(x, y);
    std::mt19937 rng(5);
    // Mix the pairs so that short runs meet specials and ordinary values alike.
    std::vector<int> idx(x.size());
    for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = static_cast<int>(i);
    std::shuffle(idx.begin(), idx.end(), rng);
    std::vector<T> px, py;
    for (int i = 0; i < 1100; ++i) {
        px.push_back(x[idx[i]]);
        py.push_back(y[idx[i]]);
    }
    const T c = constants<T>().back();
    Mismatches m;
    for (const Variant& v : variants()) {
        const IntArithOps<T>& k = ops_of<T>(*v.k);
        for (Op o : {Op::add, Op::sub, Op::mul})
            for (int sf : regime_scale_factors()) {
                const std::string tag = v.name + " " + type_name<T>() + " " + op_name(o) + " sf=" + std::to_string(sf);
                sweep<T>(
                    tag + " (x, y)", px, py,
                    [&](const T* a, const T* b, T* d, int n) {
                        run_scaled(k, o, Shape::vectors, a, b, T(0), d, n, sf);
                    },
                    [&](int i) { return rule(o, px[i], py[i], sf); }, m);
                sweep<T>(
                    tag + " (x, k)", px, py,
                    [&](const T* a, const T*, T* d, int n) {
                        run_scaled(k, o, Shape::vector_constant, a, static_cast<const T*>(nullptr), c, d, n, sf);
                    },
                    [&](int i) { return rule(o, px[i], c, sf); }, m);
                sweep<T>(
                    tag + " (k, x)", px, py,
                    [&](const T* a, const T*, T* d, int n) {
                        run_scaled(k, o, Shape::constant_vector, a, static_cast<const T*>(nullptr), c, d, n, sf);
                    },
                    [&](int i) { return rule(o, c, px[i], sf); }, m);
            }
        for (int mode : {vdxRndZero, vdxRndNear})
            for (int sf : {-20, -1, 0, 1, 5}) {
                const Ctx ctx = ctx_of(sf, mode);
                const std::string tag =
                    v.name + " " + type_name<T>() + " div mode=" + std::to_string(mode) + " sf=" + std::to_string(sf);
                sweep<T>(
                    tag + " (x, y)", px, py, [&](const T* a, const T* b, T* d, int n) { k.div(a, b, d, n, ctx); },
                    [&](int i) { return quotient_rule(px[i], py[i], ctx); }, m);
                sweep<T>(
                    tag + " (x, k)", px, py, [&](const T* a, const T*, T* d, int n) { k.div_c(a, c, d, n, ctx); },
                    [&](int i) { return quotient_rule(px[i], c, ctx); }, m);
                sweep<T>(
                    tag + " (k, x)", px, py, [&](const T* a, const T*, T* d, int n) { k.div_rev_c(a, c, d, n, ctx); },
                    [&](int i) { return quotient_rule(c, px[i], ctx); }, m);
            }
    }
    EXPECT_NO_MISMATCH(m);
}

TEST(ArithIntKernels, Tails8u) { check_tails<Vdx8u>(); }
TEST(ArithIntKernels, Tails16s) { check_tails<Vdx16s>(); }
TEST(ArithIntKernels, Tails16u) { check_tails<Vdx16u>(); }
TEST(ArithIntKernels, Tails32s) { check_tails<Vdx32s>(); }

// ---------------------------------------------------------------- wider destinations

// Runs call(x + off, y + off, d, len) for every length up to 67 and a long
// one, the destination between guard zones, and compares with want(i) for
// the operands x[i], y[i].
template <class X, class Y, class D, class Call, class Want>
void sweep_mixed(const std::string& what, const std::vector<X>& x, const std::vector<Y>& y, Call call, Want want,
                 Mismatches& m) {
    std::vector<int> lens;
    for (int n = 1; n <= 67; ++n) lens.push_back(n);
    lens.push_back(static_cast<int>(x.size()) - 7);
    for (int len : lens) {
        const int off = len % 7;
        std::vector<D> d(len + 2 * kGuard, D(0x5A5A));
        call(x.data() + off, y.data() + off, d.data() + kGuard, len);
        for (int i = 0; i < static_cast<int>(d.size()); ++i) {
            const int k = i - kGuard;
            const D expect = k >= 0 && k < len ? want(off + k) : D(0x5A5A);
            if (d[i] != expect)
                m.note([&](std::ostream& os) {
                    os << what << " len=" << len << " at " << k << " x=" << +x[off + k] << " y=" << +y[off + k]
                       << ": got " << +d[i] << ", want " << +expect;
                });
        }
    }
}

TEST(ArithIntKernels, WideningMembersMatchTheRules) {
    std::vector<Vdx8u> a8, b8;
    dense_pairs(a8, b8);
    std::vector<Vdx16s> a16, b16;
    dense_pairs(a16, b16);
    std::vector<Vdx32s> a32, b32;
    dense_pairs(a32, b32);
    a32.resize(a16.size());
    b32.resize(a16.size());
    const Ctx plain = ctx_of(0, vdxRndNear);
    Mismatches m;
    for (const Variant& v : variants()) {
        const vdx::WideningArithOps& k = v.k->widening;
        sweep_mixed<Vdx8u, Vdx8u, Vdx16u>(
            v.name + " add 8u16u", a8, b8, k.add_8u16u,
            [&](int i) { return vdx::arith::Sat<Op::add>::apply<Vdx16u>(a8[i], b8[i], plain); }, m);
        sweep_mixed<Vdx8u, Vdx8u, Vdx16u>(
            v.name + " mul 8u16u", a8, b8, k.mul_8u16u,
            [&](int i) { return vdx::arith::Sat<Op::mul>::apply<Vdx16u>(a8[i], b8[i], plain); }, m);
        sweep_mixed<Vdx16s, Vdx32s, Vdx32s>(
            v.name + " add 16s32s", a16, b32, k.add_16s32s,
            [&](int i) { return vdx::arith::Sat<Op::add>::apply<Vdx32s>(a16[i], b32[i], plain); }, m);
        // In place on the wide operand, as Add_16s32s_I runs.
        std::vector<Vdx32s> acc = b32;
        k.add_16s32s(a16.data(), acc.data(), acc.data(), static_cast<int>(acc.size()));
        for (std::size_t i = 0; i < acc.size(); ++i)
            if (acc[i] != vdx::arith::Sat<Op::add>::apply<Vdx32s>(a16[i], b32[i], plain))
                m.note([&](std::ostream& os) { os << v.name << " add 16s32s in place at " << i; });
        for (int sf : all_scale_factors()) {
            const Ctx c = ctx_of(sf, vdxRndNear);
            sweep_mixed<Vdx16s, Vdx16s, Vdx32s>(
                v.name + " mul 16s32s sf=" + std::to_string(sf), a16, b16,
                [&](const Vdx16s* x, const Vdx16s* y, Vdx32s* d, int n) { k.mul_16s32s(x, y, d, n, sf); },
                [&](int i) { return vdx::arith::Sfs<Op::mul>::apply<Vdx32s>(a16[i], b16[i], c); }, m);
        }
    }
    EXPECT_NO_MISMATCH(m);
}

// A zero divisor is reported from the vector body and from the tail alike,
// and only when one lies inside the range.
template <class T>
void check_zero_divisor_report() {
    for (const Variant& v : variants()) {
        const IntArithOps<T>& k = ops_of<T>(*v.k);
        const Ctx ctx = ctx_of(0, vdxRndNear);
        for (int len : {1, 3, 8, 16, 31, 33, 64, 67}) {
            std::vector<T> num(len + 1, T(7)), den(len + 1, T(3)), d(len + 1);
            den[len] = 0;  // just past the range
            EXPECT_FALSE(k.div(num.data(), den.data(), d.data(), len, ctx)) << v.name << " len " << len;
            EXPECT_FALSE(k.div_rev_c(den.data(), T(7), d.data(), len, ctx)) << v.name << " len " << len;
            for (int z = 0; z < len; ++z) {
                den[z] = 0;
                EXPECT_TRUE(k.div(num.data(), den.data(), d.data(), len, ctx))
                    << v.name << " len " << len << " at " << z;
                EXPECT_EQ(d[z], vdx::IntBounds<T>::hi) << v.name << " len " << len << " at " << z;
                EXPECT_TRUE(k.div_rev_c(den.data(), T(7), d.data(), len, ctx))
                    << v.name << " len " << len << " at " << z;
                den[z] = 3;
            }
            EXPECT_TRUE(k.div_c(num.data(), T(0), d.data(), len, ctx)) << v.name << " len " << len;
            EXPECT_FALSE(k.div_c(num.data(), T(1), d.data(), len, ctx)) << v.name << " len " << len;
        }
    }
}

TEST(ArithIntKernels, ZeroDivisorsAreReportedWhereverTheyFall) {
    check_zero_divisor_report<Vdx8u>();
    check_zero_divisor_report<Vdx16s>();
    check_zero_divisor_report<Vdx16u>();
    check_zero_divisor_report<Vdx32s>();
}

// The glue's fast paths call the variant this process chose.
TEST(ArithIntKernels, GlueUsesTheChosenVariant) {
    EXPECT_EQ(&vdx::arith::int_fast::kernels(), best_kernel_variant(vdx::arith_int_kernels_variants));
}

}  // namespace
