// Auto- and cross-correlation, black box.  Every type and normalisation over
// lengths on both sides of the FFT switches, windows of lags before, across
// and after the overlap, against long-double direct sums; small integers show
// which method ran (direct sums are exact, transforms are not).  16-bit forms
// against exact integer sums, rounded half to even and saturated;
// CrossCorr_16s64s exactly; statuses in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

std::mt19937 rng(5);
using LC = std::complex<long double>;

template <class T> struct Kind { static constexpr bool complex = false; using P = T; };
template <> struct Kind<Vdx32fc> { static constexpr bool complex = true; using P = Vdx32f; };
template <> struct Kind<Vdx64fc> { static constexpr bool complex = true; using P = Vdx64f; };

template <class T>
LC as_complex(const T& x) {
    if constexpr (Kind<T>::complex) return {x.re, x.im};
    else return {static_cast<long double>(x), 0};
}

template <class T>
std::vector<T> random_signal(int n, int whole = 0) {
    using P = typename Kind<T>::P;
    std::vector<T> v(n);
    auto part = [&]() -> P {
        if (whole) return static_cast<P>(std::uniform_int_distribution<int>(-whole, whole)(rng));
        return static_cast<P>(std::uniform_real_distribution<double>(-1, 1)(rng));
    };
    for (auto& x : v) {
        if constexpr (Kind<T>::complex) x.re = part(), x.im = part();
        else x = part();
    }
    return v;
}

// sum over n of conj(x1[n]) x2[n + t].
template <class T>
LC exact_lag(const std::vector<T>& x1, const std::vector<T>& x2, long t) {
    LC s = 0;
    for (long n = 0; n < static_cast<long>(x1.size()); ++n)
        if (n + t >= 0 && n + t < static_cast<long>(x2.size())) s += std::conj(as_complex(x1[n])) * as_complex(x2[n + t]);
    return s;
}

template <class T>
long double energy(const std::vector<T>& x) {
    long double e = 0;
    for (const T& v : x) e += std::norm(as_complex(v));
    return e;
}

enum class Norm { none, a, b };

#define VDX_AUTO_SET(code, T) \
    VdxStatus autocorr(const T* s, int n, T* d, int m, Norm norm) { \
        return norm == Norm::a ? vdxsAutoCorr_NormA_##code(s, n, d, m) : norm == Norm::b ? vdxsAutoCorr_NormB_##code(s, n, d, m) : vdxsAutoCorr_##code(s, n, d, m); \
    } \
    VdxStatus crosscorr(const T* a, int na, const T* b, int nb, T* d, int m, int low) { \
        return vdxsCrossCorr_##code(a, na, b, nb, d, m, low); \
    }
VDX_AUTO_SET(32f, Vdx32f)
VDX_AUTO_SET(64f, Vdx64f)
VDX_AUTO_SET(32fc, Vdx32fc)
VDX_AUTO_SET(64fc, Vdx64fc)
#undef VDX_AUTO_SET

long double norm_divisor(Norm norm, int len, int k) {
    return norm == Norm::a ? len : norm == Norm::b ? len - k : 1;
}

template <class T>
void check_autocorr(const std::vector<std::pair<int, int>>& sizes) {
    const long double eps = std::numeric_limits<typename Kind<T>::P>::epsilon();
    for (auto [len, dstLen] : sizes) {
        const auto x = random_signal<T>(len);
        const long double tol = 64 * eps * energy(x);
        for (Norm norm : {Norm::none, Norm::a, Norm::b}) {
            std::vector<T> d(dstLen + 1);
            std::memset(static_cast<void*>(d.data()), 0x7F, d.size() * sizeof(T));
            ASSERT_EQ(autocorr(x.data(), len, d.data(), dstLen, norm), vdxStsNoErr);
            Mismatches m;
            for (int k = 0; k < dstLen; ++k) {
                const long double div = k < len ? norm_divisor(norm, len, k) : 1;
                const LC want = k < len ? exact_lag(x, x, k) / div : 0;
                m.expect(std::abs(as_complex(d[k]) - want) <= tol / div, "len", len, "dstLen",
                         dstLen, "norm", int(norm), "k", k);
            }
            m.expect(as_complex(d[dstLen]) != LC(0), "wrote past dstLen", len);
            EXPECT_NO_MISMATCH(m);
        }
    }
}

TEST(AutoCorr, FloatTypes) {
    const std::vector<std::pair<int, int>> real = {{1, 1}, {5, 9}, {100, 300}, {855, 855}, {856, 856}, {2000, 855},
                                                   {1500, 900}, {900, 1500}};
    check_autocorr<Vdx32f>(real);
    check_autocorr<Vdx64f>(real);
    check_autocorr<Vdx32fc>({{1, 3}, {151, 151}, {152, 152}, {400, 160}, {40, 200}});
    check_autocorr<Vdx64fc>({{1, 3}, {367, 367}, {368, 368}, {900, 370}, {40, 200}});
}

// Small integers: direct sums are exact, the FFT leaves fractions.
TEST(AutoCorr, MethodSwitch) {
    struct Row { int len; bool direct; };
    for (Row r : {Row{855, true}, Row{856, false}}) {
        auto x = random_signal<Vdx32f>(r.len, 30);
        std::vector<Vdx32f> d(r.len);
        ASSERT_EQ(vdxsAutoCorr_32f(x.data(), r.len, d.data(), r.len), vdxStsNoErr);
        bool whole = true;
        for (Vdx32f v : d) whole = whole && v == std::nearbyint(v);
        EXPECT_EQ(whole, r.direct) << r.len;
    }
    for (Row r : {Row{151, true}, Row{152, false}}) {
        auto x = random_signal<Vdx32fc>(r.len, 30);
        std::vector<Vdx32fc> d(r.len);
        ASSERT_EQ(vdxsAutoCorr_32fc(x.data(), r.len, d.data(), r.len), vdxStsNoErr);
        bool whole = true;
        for (auto v : d) whole = whole && v.re == std::nearbyint(v.re) && v.im == std::nearbyint(v.im);
        EXPECT_EQ(whole, r.direct) << r.len;
    }
}

Vdx16s scaled(long double v, int sf) {
    v = std::nearbyint(std::ldexp(v, -sf));
    return static_cast<Vdx16s>(std::fmin(std::fmax(v, -32768.0L), 32767.0L));
}

TEST(AutoCorr, Fixed16) {
    for (auto [len, dstLen] : {std::pair{30, 40}, std::pair{500, 200}, std::pair{1000, 1000}}) {
        const bool exact = len < 856;  // small direct sums are exact in float
        std::vector<Vdx16s> x(len);
        for (auto& v : x) v = static_cast<Vdx16s>(std::uniform_int_distribution<int>(-40, 40)(rng));
        for (int sf : {0, 1, 3, -2, 8}) {
            for (Norm norm : {Norm::none, Norm::a, Norm::b}) {
                std::vector<Vdx16s> d(dstLen);
                const VdxStatus st = norm == Norm::a   ? vdxsAutoCorr_NormA_16s_Sfs(x.data(), len, d.data(), dstLen, sf)
                                     : norm == Norm::b ? vdxsAutoCorr_NormB_16s_Sfs(x.data(), len, d.data(), dstLen, sf)
                                                       : vdxsAutoCorr_16s_Sfs(x.data(), len, d.data(), dstLen, sf);
                ASSERT_EQ(st, vdxStsNoErr);
                Mismatches m;
                for (int k = 0; k < dstLen; ++k) {
                    std::int64_t r = 0;
                    for (int n = 0; n + k < len; ++n) r += std::int64_t{x[n]} * x[n + k];
                    const int want = k < len ? scaled(r / norm_divisor(norm, len, k), sf) : 0;
                    const int slack = exact && norm == Norm::none ? 0 : 1;
                    m.expect(std::abs(d[k] - want) <= slack, "len", len, "sf", sf, "norm", int(norm), "k", k, "got",
                             d[k], "want", want);
                }
                EXPECT_NO_MISMATCH(m);
            }
        }
    }
    const Vdx16s one[2] = {1, 1};
    Vdx16s d[2];
    ASSERT_EQ(vdxsAutoCorr_16s_Sfs(one, 2, d, 2, 2), vdxStsNoErr);  // 2/4 -> 0, 1/4 -> 0
    EXPECT_EQ(d[0], 0);
    ASSERT_EQ(vdxsAutoCorr_16s_Sfs(one, 2, d, 2, 1), vdxStsNoErr);  // 2/2 -> 1, 1/2 -> 0
    EXPECT_EQ(d[0], 1);
    EXPECT_EQ(d[1], 0);
    const Vdx16s big[1] = {-32768};
    ASSERT_EQ(vdxsAutoCorr_16s_Sfs(big, 1, d, 1, 0), vdxStsNoErr);
    EXPECT_EQ(d[0], 32767);
}

struct Cross {
    int len1, len2, low, dstLen;
};

template <class T>
void check_crosscorr(const std::vector<Cross>& cases) {
    const long double eps = std::numeric_limits<typename Kind<T>::P>::epsilon();
    for (Cross c : cases) {
        const auto x1 = random_signal<T>(c.len1), x2 = random_signal<T>(c.len2);
        const long double tol = 64 * eps * std::sqrt(energy(x1) * energy(x2));
        std::vector<T> d(c.dstLen + 1);
        std::memset(static_cast<void*>(d.data()), 0x7F, d.size() * sizeof(T));
        ASSERT_EQ(crosscorr(x1.data(), c.len1, x2.data(), c.len2, d.data(), c.dstLen, c.low), vdxStsNoErr);
        Mismatches m;
        for (int j = 0; j < c.dstLen; ++j)
            m.expect(std::abs(as_complex(d[j]) - exact_lag(x1, x2, static_cast<long>(c.low) + j)) <= tol, c.len1, c.len2,
                     c.low, c.dstLen, "j", j);
        m.expect(as_complex(d[c.dstLen]) != LC(0), "wrote past dstLen");
        EXPECT_NO_MISMATCH(m);
    }
}

const std::vector<Cross> kCross = {
    {1, 1, 0, 1},        {5, 9, -20, 10},    {5, 9, 9, 6},        {5, 9, -4, 13},    {40, 30, -60, 150},
    {500, 500, -499, 383}, {500, 500, -499, 384}, {500, 500, -100, 600}, {3000, 700, -2999, 3699},
    {700, 3000, -50, 2000}, {2000, 2100, 100, 900}, {300, 5000, 10, 4000}, {1000, 1000, 2000, 10}};

TEST(CrossCorr, FloatTypes) {
    check_crosscorr<Vdx32f>(kCross);
    check_crosscorr<Vdx64f>(kCross);
    check_crosscorr<Vdx32fc>(kCross);
    check_crosscorr<Vdx64fc>(kCross);
}

// A signal with itself from lag 0 is its autocorrelation (the same factor
// is conjugated), and the switch to the FFT sits at a measure of 384.
TEST(CrossCorr, ConjugateAndSwitch) {
    auto x = random_signal<Vdx32fc>(100, 20);
    std::vector<Vdx32fc> a(50), c(50);
    ASSERT_EQ(vdxsAutoCorr_32fc(x.data(), 100, a.data(), 50), vdxStsNoErr);
    ASSERT_EQ(vdxsCrossCorr_32fc(x.data(), 100, x.data(), 100, c.data(), 50, 0), vdxStsNoErr);
    for (int k = 0; k < 50; ++k) EXPECT_TRUE(a[k].re == c[k].re && a[k].im == c[k].im) << k;
    struct Row { int dstLen; bool direct; };
    for (Row r : {Row{383, true}, Row{384, false}}) {
        auto x1 = random_signal<Vdx32f>(500, 30), x2 = random_signal<Vdx32f>(500, 30);
        std::vector<Vdx32f> d(r.dstLen);
        ASSERT_EQ(vdxsCrossCorr_32f(x1.data(), 500, x2.data(), 500, d.data(), r.dstLen, -499), vdxStsNoErr);
        bool whole = true;
        for (Vdx32f v : d) whole = whole && v == std::nearbyint(v);
        EXPECT_EQ(whole, r.direct) << r.dstLen;
    }
}

// Each lag gets the same bits wherever it falls: in a vector group, in the
// scalar remainder, or at the partial-overlap edge (windows one lag apart
// shift every lag's place).
template <class T>
void check_lag_placement() {
    const auto x1 = random_signal<T>(90), x2 = random_signal<T>(120);
    std::vector<T> d0(150), d1(151);
    ASSERT_EQ(crosscorr(x1.data(), 90, x2.data(), 120, d0.data(), 150, -20), vdxStsNoErr);
    ASSERT_EQ(crosscorr(x1.data(), 90, x2.data(), 120, d1.data(), 151, -21), vdxStsNoErr);
    for (int j = 0; j < 150; ++j) EXPECT_EQ(0, std::memcmp(&d0[j], &d1[j + 1], sizeof(T))) << j;
}

TEST(CrossCorr, SameBitsWhereverALagFalls) {
    check_lag_placement<Vdx32f>();
    check_lag_placement<Vdx64f>();
    check_lag_placement<Vdx32fc>();
    check_lag_placement<Vdx64fc>();
}

TEST(CrossCorr, Fixed16AndExact64) {
    for (Cross c : std::vector<Cross>{{20, 30, -25, 60}, {600, 600, -599, 1199}, {100, 4000, 50, 3000}, {9, 9, 20, 5}}) {
        std::vector<Vdx16s> x1(c.len1), x2(c.len2);
        for (auto& v : x1) v = static_cast<Vdx16s>(std::uniform_int_distribution<int>(-32768, 32767)(rng));
        for (auto& v : x2) v = static_cast<Vdx16s>(std::uniform_int_distribution<int>(-32768, 32767)(rng));
        x1[0] = x2[0] = -32768;
        std::vector<Vdx64s> d64(c.dstLen);
        ASSERT_EQ(vdxsCrossCorr_16s64s(x1.data(), c.len1, x2.data(), c.len2, d64.data(), c.dstLen, c.low), vdxStsNoErr);
        for (int sf : {20, 26}) {
            std::vector<Vdx16s> d(c.dstLen);
            ASSERT_EQ(vdxsCrossCorr_16s_Sfs(x1.data(), c.len1, x2.data(), c.len2, d.data(), c.dstLen, c.low, sf),
                      vdxStsNoErr);
            Mismatches m;
            for (int j = 0; j < c.dstLen; ++j) {
                std::int64_t r = 0;
                for (long n = 0; n < c.len1; ++n) {
                    const long t = n + c.low + j;
                    if (t >= 0 && t < c.len2) r += std::int64_t{x1[n]} * x2[t];
                }
                m.expect(d64[j] == r, "64s", c.len1, c.len2, "j", j, "got", d64[j], "want", r);
                // Float sums of 16-bit products: within one step after scaling.
                m.expect(std::abs(d[j] - scaled(r, sf)) <= 1, "16s sf", sf, "j", j, "got", d[j]);
            }
            EXPECT_NO_MISMATCH(m);
        }
    }
    const Vdx16s a[2] = {3, 1}, b[1] = {1};
    Vdx16s d[2];
    ASSERT_EQ(vdxsCrossCorr_16s_Sfs(a, 2, b, 1, d, 2, -1, 1), vdxStsNoErr);  // lags -1, 0: 1/2 -> 0, 3/2 -> 2
    EXPECT_EQ(d[0], 0);
    EXPECT_EQ(d[1], 2);
}

TEST(Corr, StatusesInOrder) {
    Vdx32f v[4] = {};
    Vdx16s w[4] = {};
    Vdx64s q[4] = {};
    EXPECT_EQ(vdxsAutoCorr_32f(nullptr, 0, v, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsAutoCorr_NormB_32f(v, 0, v, 1), vdxStsSizeErr);
    EXPECT_EQ(vdxsAutoCorr_NormA_16s_Sfs(w, 1, w, 0, 0), vdxStsSizeErr);
    EXPECT_EQ(vdxsCrossCorr_32f(v, 1, v, 1, nullptr, 0, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsCrossCorr_32f(v, 1, v, 0, v, 1, 0), vdxStsSizeErr);
    EXPECT_EQ(vdxsCrossCorr_16s64s(w, 1, nullptr, 1, q, 1, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsCrossCorr_16s_Sfs(w, 1, w, 1, w, 0, 0, 0), vdxStsSizeErr);
    // A window far outside the overlap: zeros and no error.
    v[0] = v[1] = 5;
    EXPECT_EQ(vdxsCrossCorr_32f(v, 2, v, 2, v, 2, 2147483600), vdxStsNoErr);
    EXPECT_EQ(v[0], 0.0f);
    EXPECT_EQ(v[1], 0.0f);
}

}  // namespace
