// The internal float-to-integer conversions in every variant and under every
// caller control word, against the exact rules of exact_rules.h (integer
// scaling runs through every Sfs export in the arithmetic tests).
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <random>

#include "exact_rules.h"
#include "kernel_variants.h"
#include "mismatches.h"
#include "numeric/convert.h"
#include "numeric/fixed.h"

namespace {

template <class Fn>
void for_each_destination(Fn&& fn) {
    fn(Vdx8u{}), fn(Vdx8s{}), fn(Vdx16u{}), fn(Vdx16s{}), fn(Vdx32u{}), fn(Vdx32s{}), fn(Vdx64s{});
}

constexpr unsigned kCsrDefault = 0x1F80, kCsrFlags = 0x3F, kFtzDaz = 0x8040;

std::vector<unsigned> caller_csrs() {
    std::vector<unsigned> v;
    for (unsigned extra : {0u, kFtzDaz})
        for (unsigned rc : {_MM_ROUND_NEAREST, _MM_ROUND_DOWN, _MM_ROUND_UP, _MM_ROUND_TOWARD_ZERO})
            v.push_back(kCsrDefault | rc | extra);
    return v;
}

// Values that land, scaled by 2^-sf, on or next to integers, ties and every
// type's bounds, plus specials and random bits.
template <class F>
std::vector<F> float_sources(int sf, std::mt19937& rng, bool daz) {
    using L = std::numeric_limits<F>;
    std::vector<long double> targets;
    for (int k = -6; k <= 6; ++k)
        for (long double d : {-0.5L, -0.25L, 0.0L, 0.25L, 0.5L, 0.75L}) targets.push_back(k + d);
    for (long double b : {128.0L, 256.0L, 32768.0L, 65536.0L, 2147483648.0L, 4294967296.0L, 9223372036854775808.0L})
        for (long double d : {-1.5L, -1.0L, -0.5L, 0.0L, 0.5L, 1.0L}) targets.insert(targets.end(), {b + d, -b + d});
    std::vector<F> v = {F(0), -F(0), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(), L::max(),
                        -L::max(), L::min(), L::denorm_min(), -L::denorm_min(), F(2.5), F(-2.5), F(40000)};
    for (long double t : targets) {
        const F x = static_cast<F>(std::ldexp(t, std::clamp(sf, -20000, 20000)));
        v.insert(v.end(), {x, std::nextafter(x, F(0)), std::nextafter(x, L::infinity()), std::nextafter(x, -L::infinity())});
    }
    for (int i = 0; i < 64; ++i) v.push_back(from_bits<F>(std::uniform_int_distribution<std::uint64_t>()(rng)));
    for (F& x : v)  // with DAZ set a subnormal source reads as zero
        if (daz && std::fpclassify(x) == FP_SUBNORMAL) x = 0;
    return v;
}

std::vector<int> float_sfs() {
    std::vector<int> v = {INT_MIN, INT_MIN + 1, -5000, INT_MAX, INT_MAX - 1, 5000};
    for (int sf = -40; sf <= 40; ++sf) v.push_back(sf);
    for (int a : {63, 64, 65, 126, 127, 128, 129, 149, 150, 151, 1022, 1023, 1024, 1074, 1075, 1076, 2000})
        v.insert(v.end(), {a, -a});
    return v;
}

class CallerMxcsr : public ::testing::TestWithParam<unsigned> {};
INSTANTIATE_TEST_SUITE_P(AllModes, CallerMxcsr, ::testing::ValuesIn(caller_csrs()));

// Every mode, type and factor, whatever the caller's control word.
template <class F>
void check_scalar_conversions(unsigned csr) {
    std::mt19937 rng(7);
    Mismatches m;
    for (int sf : float_sfs()) {
        const std::vector<F> xs = float_sources<F>(sf, rng, csr & 0x40);
        for (int mode : {vdxRndZero, vdxRndNear, vdxRndFinancial})
            for_each_destination([&](auto tag) {
                using Dst = decltype(tag);
                std::vector<Dst> got(xs.size());
                {
                    CallerCsr caller(csr);
                    std::optional<vdx::FinancialRoundingScope> scope;
                    if (mode == vdxRndFinancial) scope.emplace();
                    for (std::size_t i = 0; i < xs.size(); ++i) got[i] = vdx::convert_sfs<Dst>(xs[i], sf, mode);
                }
                for (std::size_t i = 0; i < xs.size(); ++i)
                    m.expect(got[i] == exact::scaled_float<Dst>(xs[i], sf, mode), sizeof(F), "->", sizeof(Dst), "mode", mode,
                             "x", xs[i], "sf", sf);
            });
    }
    EXPECT_NO_MISMATCH(m);
}

TEST_P(CallerMxcsr, FloatAndDoubleToIntegerInEveryModeTypeAndFactor) {
    check_scalar_conversions<float>(GetParam());
    check_scalar_conversions<double>(GetParam());
}

// The scope truncates and changes nothing else; afterwards the caller's
// rounding, FTZ and DAZ are back, and flags raised inside stay raised.
TEST_P(CallerMxcsr, FinancialScopeTruncatesAndRestoresTheCaller) {
    const unsigned csr = GetParam();
    CallerCsr caller(csr);
    {
        vdx::FinancialRoundingScope scope;
        EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, (csr & ~_MM_ROUND_MASK) | _MM_ROUND_TOWARD_ZERO);
        // 0.49999997f + 0.5f is 1.0f to nearest: the added half must not round up.
        const volatile float x = std::nextafter(0.5f, 0.0f), third = 1.0f / 3.0f;
        EXPECT_EQ(vdx::round_sat<Vdx16s>(x, vdxRndFinancial), 0);
        EXPECT_EQ(vdx::round_sat<Vdx16s>(-x, vdxRndFinancial), 0);
        EXPECT_EQ(vdx::round_sat<Vdx16s>(0.49999997f, vdxRndFinancial), 0);  // also when known at compile time
        [[maybe_unused]] const volatile float inexact = third * 3.0f;
    }
    EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, csr);
    EXPECT_NE(_mm_getcsr() & _MM_EXCEPT_INEXACT, 0u);
}

// Each variant's kernels, called directly, and the glue (len and sf as they
// come), to the same results.
struct Runner {
    std::string name;
    std::function<void(const Vdx16s*, Vdx32f*, int)> c16s32f;
    std::function<void(const Vdx32s*, Vdx64f*, int)> c32s64f;
    std::function<void(const Vdx32f*, Vdx16s*, int, int)> c32f16s;
    std::function<void(const Vdx64f*, Vdx32s*, int, int)> c64f32s;
};

std::vector<Runner> runners() {
    std::vector<Runner> v{{"glue", vdx::convert_16s32f, vdx::convert_32s64f, vdx::convert_32f16s_sfs, vdx::convert_64f32s_sfs}};
    for (const auto& kv : kernel_variants(vdx::convert_kernels_variants)) {
        const vdx::ConvertKernels& k = *kv.k;
        v.push_back({kv.name, k.convert_16s32f, k.convert_32s64f,
                     [&k](auto s, auto d, int n, int sf) { k.convert_32f16s_sfs(s, d, n, vdx::pow2_scale<float>(sf)); },
                     [&k](auto s, auto d, int n, int sf) { k.convert_64f32s_sfs(s, d, n, vdx::pow2_scale<double>(sf)); }});
    }
    return v;
}

// run(src, dst, len) for lengths 1..67 and a few long ones at offsets varying
// with the length, guard zones around the destination; compared with want.
template <class S, class D, class Run>
void sweep(const std::string& what, const std::vector<S>& src, const std::vector<D>& want, Run run, Mismatches& m) {
    constexpr int kGuard = 16;
    for (int len = 1; len <= 70; ++len) {
        const int n = len <= 67 ? len : std::vector<int>{1000, 2047, 4099}[len - 68];
        const int so = n % 5, dof = (n / 5) % 4;
        std::vector<S> s(n + 8);
        std::copy(src.begin(), src.begin() + n, s.begin() + so);
        std::vector<D> d(n + dof + 2 * kGuard, from_bits<D>(0x5A5A5A5A5A5A5A5Aull)), expect = d;
        run(s.data() + so, d.data() + kGuard + dof, n);
        std::copy(want.begin(), want.begin() + n, expect.begin() + kGuard + dof);
        m.expect(std::memcmp(d.data(), expect.data(), d.size() * sizeof(D)) == 0, what, "len", n);
    }
}

TEST(Convert, IntegersToFloatingPointAreExact) {
    std::mt19937 rng(3);
    std::vector<Vdx16s> s16;
    for (int v = -32768; v <= 32767; ++v) s16.push_back(static_cast<Vdx16s>(v));
    std::shuffle(s16.begin(), s16.end(), rng);
    std::vector<Vdx32s> s32 = {INT32_MIN, INT32_MAX, 0, -1, 1, INT32_MIN + 1, INT32_MAX - 1, 16777217, -16777217};
    while (s32.size() < 5000) s32.push_back(std::uniform_int_distribution<std::int32_t>(INT32_MIN, INT32_MAX)(rng));
    const std::vector<Vdx32f> w32(s16.begin(), s16.end());
    const std::vector<Vdx64f> w64(s32.begin(), s32.end());
    for (const Runner& r : runners()) {
        Mismatches m;
        sweep(r.name + " 16s32f", s16, w32, r.c16s32f, m);
        sweep(r.name + " 32s64f", s32, w64, r.c32s64f, m);
        std::vector<Vdx32f> all(s16.size());  // the whole int16 range in one call
        r.c16s32f(s16.data(), all.data(), static_cast<int>(s16.size()));
        EXPECT_EQ(all, w32) << r.name;
        EXPECT_NO_MISMATCH(m);
    }
}

TEST_P(CallerMxcsr, FloatingPointToIntegerRoundsToNearestEvenAndSaturates) {
    const unsigned csr = GetParam();
    const std::vector<Runner> all = runners();
    std::mt19937 rng(11);
    Mismatches m;
    for (int sf : float_sfs()) {
        // Shuffled and repeated: specials fall into vector bodies and tails.
        std::vector<Vdx32f> x32;
        std::vector<Vdx64f> x64;
        while (x32.size() < 4099) {
            auto a = float_sources<float>(sf, rng, csr & 0x40);
            auto b = float_sources<double>(sf, rng, csr & 0x40);
            std::shuffle(a.begin(), a.end(), rng), std::shuffle(b.begin(), b.end(), rng);
            x32.insert(x32.end(), a.begin(), a.end()), x64.insert(x64.end(), b.begin(), b.end());
        }
        std::vector<Vdx16s> w16;
        std::vector<Vdx32s> w32;
        for (float x : x32) w16.push_back(exact::scaled_float<Vdx16s>(x, sf));
        for (double x : x64) w32.push_back(exact::scaled_float<Vdx32s>(x, sf));
        CallerCsr caller(csr);
        for (const Runner& r : all) {
            const std::string tag = " sf=" + std::to_string(sf);
            sweep(r.name + " 32f16s" + tag, x32, w16, [&](auto s, auto d, int n) { r.c32f16s(s, d, n, sf); }, m);
            sweep(r.name + " 64f32s" + tag, x64, w32, [&](auto s, auto d, int n) { r.c64f32s(s, d, n, sf); }, m);
        }
        EXPECT_EQ(_mm_getcsr() & ~kCsrFlags, csr);
    }
    EXPECT_NO_MISMATCH(m);
}

}  // namespace
