// Convolution, black box.  Conv over the three methods (direct, one FFT,
// overlap-save blocks, threaded blocks) and both sides of every threshold,
// inputs in both orders, against long-double direct sums; the thread count
// changes no bit.  Integer inputs show which method ran (direct sums of
// small integers are exact, transforms are not).  The 16-bit form against
// exact integer sums, rounded half to even and saturated; the fixed cyclic
// and biased forms; statuses in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "fft_common.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

std::mt19937 rng(11);

template <class T>
std::vector<T> random_vector(int n, double lo = -1, double hi = 1) {
    std::vector<T> v(n);
    for (auto& x : v) x = static_cast<T>(std::uniform_real_distribution<double>(lo, hi)(rng));
    return v;
}

template <class T>
std::vector<long double> exact_conv(const std::vector<T>& a, const std::vector<T>& b) {
    std::vector<long double> r(a.size() + b.size() - 1, 0.0L);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += static_cast<long double>(a[i]) * b[j];
    return r;
}

VdxStatus conv(const Vdx32f* a, int la, const Vdx32f* b, int lb, Vdx32f* d) { return vdxsConv_32f(a, la, b, lb, d); }
VdxStatus conv(const Vdx64f* a, int la, const Vdx64f* b, int lb, Vdx64f* d) { return vdxsConv_64f(a, la, b, lb, d); }

struct Sizes {
    int la, lb;
};

// Each side of every threshold: L = 512, Lb = 64, La = 3 Lb, La = 4096.
const Sizes kSizes[] = {{1, 1},     {7, 3},     {256, 256},  {256, 257},  {448, 63},   {449, 64},
                        {5000, 63}, {700, 300},  {899, 300},  {900, 300},
                        {4096, 100}, {4097, 100}, {20000, 700}, {9000, 64}, {3000, 1000}};

template <class T>
void check_conv_matrix() {
    const long double eps = std::numeric_limits<T>::epsilon();
    for (Sizes s : kSizes) {
        for (bool swap : {false, true}) {
            const auto a = random_vector<T>(s.la), b = random_vector<T>(s.lb);
            const auto want = exact_conv(a, b);
            long double na = 0, nb = 0;
            for (T x : a) na += static_cast<long double>(x) * x;
            for (T x : b) nb += static_cast<long double>(x) * x;
            const long double tol = 64 * eps * std::sqrt(na * nb) + 1e-30L;
            std::vector<std::vector<T>> runs;
            for (int threads : {1, 2, 3}) {
                ThreadScope scope(threads);
                std::vector<T> d(want.size() + 1, T(-7));
                const VdxStatus st = swap ? conv(b.data(), s.lb, a.data(), s.la, d.data())
                                          : conv(a.data(), s.la, b.data(), s.lb, d.data());
                ASSERT_EQ(st, vdxStsNoErr);
                EXPECT_EQ(d.back(), T(-7)) << "wrote past the end " << s.la << "x" << s.lb;
                Mismatches m;
                for (size_t n = 0; n < want.size(); ++n)
                    m.expect(std::fabs(d[n] - want[n]) <= tol, s.la, "x", s.lb, "n", n, "got", d[n], "want",
                             double(want[n]));
                EXPECT_NO_MISMATCH(m);
                runs.push_back(d);
            }
            for (size_t r = 1; r < runs.size(); ++r)
                EXPECT_EQ(0, std::memcmp(runs[0].data(), runs[r].data(), runs[0].size() * sizeof(T)))
                    << "thread counts disagree " << s.la << "x" << s.lb;
        }
    }
}

TEST(Conv, FloatMatrix) { check_conv_matrix<Vdx32f>(); }
TEST(Conv, DoubleMatrix) { check_conv_matrix<Vdx64f>(); }

// Small integers: the direct sums are exact, a transform leaves fractions.
TEST(Conv, MethodSwitchesAtItsThresholds) {
    struct Row { int la, lb; bool direct; };
    for (Row r : {Row{256, 256, true}, Row{256, 257, false}, Row{2000, 63, true}, Row{2000, 64, false},
                  Row{1000, 300, false}}) {
        std::vector<Vdx32f> a(r.la), b(r.lb), d(r.la + r.lb - 1);
        for (auto& x : a) x = static_cast<Vdx32f>(std::uniform_int_distribution<int>(-60, 60)(rng));
        for (auto& x : b) x = static_cast<Vdx32f>(std::uniform_int_distribution<int>(-60, 60)(rng));
        ASSERT_EQ(vdxsConv_32f(a.data(), r.la, b.data(), r.lb, d.data()), vdxStsNoErr);
        bool all_whole = true;
        for (Vdx32f x : d) all_whole = all_whole && x == std::nearbyint(x);
        EXPECT_EQ(all_whole, r.direct) << r.la << "x" << r.lb;
    }
}

// r * 2^-sf rounded half to even, saturated to 16 bits.
Vdx16s scaled(std::int64_t r, int sf) {
    long double v = std::ldexp(static_cast<long double>(r), -sf);
    v = std::nearbyint(v);  // default rounding: ties to even
    return static_cast<Vdx16s>(std::fmin(std::fmax(v, -32768.0L), 32767.0L));
}

TEST(Conv, Fixed16Matrix) {
    for (Sizes s : {Sizes{1, 1}, Sizes{40, 9}, Sizes{300, 60}, Sizes{700, 300}, Sizes{6000, 200}}) {
        for (int sf : {0, 1, 2, 5, -3}) {
            std::vector<Vdx16s> a(s.la), b(s.lb), d(s.la + s.lb - 1);
            // Direct sums stay exact in float up to 2^24.
            const int amp = s.la + s.lb - 1 < 512 || s.lb < 64 ? 40 : 3000;
            for (auto& x : a) x = static_cast<Vdx16s>(std::uniform_int_distribution<int>(-amp, amp)(rng));
            for (auto& x : b) x = static_cast<Vdx16s>(std::uniform_int_distribution<int>(-amp, amp)(rng));
            ASSERT_EQ(vdxsConv_16s_Sfs(a.data(), s.la, b.data(), s.lb, d.data(), sf), vdxStsNoErr);
            const bool exact = amp == 40;
            Mismatches m;
            for (int n = 0; n < s.la + s.lb - 1; ++n) {
                std::int64_t r = 0;
                for (int k = 0; k < s.la; ++k)
                    if (n - k >= 0 && n - k < s.lb) r += std::int64_t{a[k]} * b[n - k];
                const int want = scaled(r, sf);
                m.expect(exact ? d[n] == want : std::abs(d[n] - want) <= 1 + std::ldexp(1e-6 * s.lb * amp * amp, -sf),
                         s.la, "x", s.lb, "sf", sf, "n", n, "got", d[n], "want", want);
            }
            EXPECT_NO_MISMATCH(m);
        }
    }
    const Vdx16s x[2] = {3, 1}, h[1] = {1};
    Vdx16s y[2];
    ASSERT_EQ(vdxsConv_16s_Sfs(x, 2, h, 1, y, 1), vdxStsNoErr);  // 1.5 -> 2, 0.5 -> 0
    EXPECT_EQ(y[0], 2);
    EXPECT_EQ(y[1], 0);
    const Vdx16s big[2] = {32767, -32768};
    ASSERT_EQ(vdxsConv_16s_Sfs(big, 2, big, 2, y, 0), vdxStsNoErr);
    EXPECT_EQ(y[0], 32767);
    EXPECT_EQ(y[1], -32768);
}

TEST(Conv, Cyclic) {
    Vdx32f x[8], h[8], y[8];
    Vdx16s xs[8], hs[8], ys[8];
    for (int i = 0; i < 8; ++i) {
        x[i] = static_cast<Vdx32f>(i - 3), h[i] = static_cast<Vdx32f>(2 * i + 1);
        xs[i] = static_cast<Vdx16s>(i * 3 - 10), hs[i] = static_cast<Vdx16s>(5 - i);
    }
    ASSERT_EQ(vdxsConvCyclic8x8_32f(x, h, y), vdxStsNoErr);
    for (int sf : {0, 1, 3, -9}) {
        ASSERT_EQ(vdxsConvCyclic8x8_16s_Sfs(xs, hs, ys, sf), vdxStsNoErr);
        for (int n = 0; n < 8; ++n) {
            std::int64_t r = 0;
            for (int k = 0; k < 8; ++k) r += std::int64_t{xs[k]} * hs[(n - k + 8) % 8];
            EXPECT_EQ(ys[n], scaled(r, sf)) << n << " sf " << sf;
        }
    }
    for (int n = 0; n < 8; ++n) {
        long double r = 0;
        for (int k = 0; k < 8; ++k) r += static_cast<long double>(x[k]) * h[(n - k + 8) % 8];
        EXPECT_EQ(y[n], static_cast<Vdx32f>(r));
    }
    const Vdx32f xr[4] = {1, -2, 0.5f, 3};
    const Vdx32fc hc[4] = {{1, 2}, {-1, 0.5f}, {0, -3}, {2, 2}};
    Vdx32fc yc[4];
    ASSERT_EQ(vdxsConvCyclic4x4_32f32fc(xr, hc, yc), vdxStsNoErr);
    for (int n = 0; n < 4; ++n) {
        long double re = 0, im = 0;
        for (int k = 0; k < 4; ++k) re += xr[k] * hc[(n - k + 4) % 4].re, im += xr[k] * hc[(n - k + 4) % 4].im;
        EXPECT_EQ(yc[n].re, static_cast<Vdx32f>(re));
        EXPECT_EQ(yc[n].im, static_cast<Vdx32f>(im));
    }
    EXPECT_EQ(vdxsConvCyclic8x8_32f(x, nullptr, y), vdxStsNullPtrErr);
}

TEST(Conv, Biased) {
    // The codec size: pDst[j] = sum of c[i] s[j - i], s preceded by three samples.
    std::vector<Vdx32f> c = random_vector<Vdx32f>(4), s = random_vector<Vdx32f>(48), d(42, 9.0f);
    const Vdx32f* s0 = s.data() + 3;
    ASSERT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, d.data(), 41, 4), vdxStsNoErr);
    for (int j = 0; j < 41; ++j) {
        long double r = 0;
        for (int i = 0; i < 4; ++i) r += static_cast<long double>(c[i]) * s0[j - i];
        EXPECT_NEAR(d[j], static_cast<double>(r), 1e-6) << j;
    }
    EXPECT_EQ(d[41], 9.0f);
    // The general rule, offset by the bias.
    std::vector<Vdx32f> g(20);
    ASSERT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, g.data(), 20, 10), vdxStsNoErr);
    for (int j = 0; j < 20; ++j) {
        long double r = 0;
        for (int i = 0; i < 4; ++i) r += static_cast<long double>(c[i]) * s0[j + 6 - i];
        EXPECT_NEAR(g[j], static_cast<double>(r), 1e-6) << j;
    }
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, g.data(), 20, 3), vdxStsSizeErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, g.data(), 46, 4), vdxStsSizeErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, nullptr, 0, g.data(), 0, 4), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 0, s0, 45, g.data(), 20, 4), vdxStsSizeErr);
}

TEST(Conv, StatusesInOrder) {
    Vdx32f v[4] = {};
    Vdx16s w[4] = {};
    EXPECT_EQ(vdxsConv_32f(nullptr, 0, v, 1, v), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConv_32f(v, 1, v, 1, nullptr), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConv_32f(v, 0, v, 1, v), vdxStsSizeErr);
    EXPECT_EQ(vdxsConv_64f(reinterpret_cast<Vdx64f*>(v), 1, reinterpret_cast<Vdx64f*>(v), -1,
                           reinterpret_cast<Vdx64f*>(v)), vdxStsSizeErr);
    EXPECT_EQ(vdxsConv_16s_Sfs(w, 1, nullptr, 1, w, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConv_16s_Sfs(w, 1, w, 0, w, 0), vdxStsSizeErr);
}

}  // namespace
