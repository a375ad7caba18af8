// Convolution, black box.  Conv over its methods (direct, one FFT, blocks,
// blocks on threads) on both sides of every threshold, inputs in both
// orders, whole-number inputs against exact sums: direct sums are exact, a
// transform leaves fractions, and the thread count changes no bit.  The
// 16-bit form rounded half to even and saturated; the fixed cyclic and
// biased forms; statuses in their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "exact_rules.h"
#include "fft_common.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

std::mt19937 rng(11);

template <class T>
std::vector<T> random_whole(int n, int amp) {
    std::vector<T> v(n);
    for (auto& x : v) x = static_cast<T>(std::uniform_int_distribution<int>(-amp, amp)(rng));
    return v;
}

template <class T>
std::vector<std::int64_t> exact_conv(const std::vector<T>& a, const std::vector<T>& b) {
    std::vector<std::int64_t> r(a.size() + b.size() - 1, 0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) r[i + j] += static_cast<std::int64_t>(a[i]) * static_cast<std::int64_t>(b[j]);
    return r;
}

VdxStatus conv(const Vdx32f* a, int la, const Vdx32f* b, int lb, Vdx32f* d) { return vdxsConv_32f(a, la, b, lb, d); }
VdxStatus conv(const Vdx64f* a, int la, const Vdx64f* b, int lb, Vdx64f* d) { return vdxsConv_64f(a, la, b, lb, d); }

// Each side of L = 512, Lb = 64, La = 3 Lb and La = 4096 (threads above).
struct Sizes { int la, lb; bool direct; };
const Sizes kSizes[] = {{1, 1, true},    {7, 3, true},     {256, 256, true},  {256, 257, false},  {448, 63, true},
                        {449, 64, false}, {5000, 63, true}, {899, 300, false}, {900, 300, false}, {4096, 100, false},
                        {4097, 100, false}, {20000, 700, false}, {9000, 64, false}};

template <class T>
void check_conv_matrix() {
    for (Sizes s : kSizes) {
        const auto a = random_whole<T>(s.la, 60), b = random_whole<T>(s.lb, 60);
        const auto want = exact_conv(a, b);
        long double na = 0, nb = 0;
        for (T x : a) na += x * x;
        for (T x : b) nb += x * x;
        const long double tol = s.direct ? 0 : 64 * std::numeric_limits<T>::epsilon() * std::sqrt(na * nb);
        std::vector<T> first;
        for (int run = 0; run < 6; ++run) {  // both orders, on 1, 2 and 3 threads
            const bool swap = run % 2;
            ThreadScope scope(1 + run / 2);
            std::vector<T> d(want.size() + 1, T(-7));
            ASSERT_EQ(swap ? conv(b.data(), s.lb, a.data(), s.la, d.data()) : conv(a.data(), s.la, b.data(), s.lb, d.data()),
                      vdxStsNoErr);
            Mismatches m;
            bool whole = true;
            for (size_t n = 0; n < want.size(); ++n) {
                m.expect(std::fabs(d[n] - want[n]) <= tol, s.la, "x", s.lb, "n", n, "got", d[n]);
                whole = whole && d[n] == want[n];
            }
            m.expect(whole == s.direct, "method", s.la, "x", s.lb);
            m.expect(d.back() == T(-7), "wrote past the end", s.la, "x", s.lb);
            if (run == 0) first = d;
            m.expect(std::memcmp(first.data(), d.data(), d.size() * sizeof(T)) == 0, "order or threads", s.la, s.lb, run);
            EXPECT_NO_MISMATCH(m);
        }
    }
}

TEST(Conv, FloatMatrix) { check_conv_matrix<Vdx32f>(); }
TEST(Conv, DoubleMatrix) { check_conv_matrix<Vdx64f>(); }

// Exact when direct; {3, 1} * {1} halves 3 and 1 (ties to even); full-range
// samples saturate.
TEST(Conv, Fixed16Matrix) {
    for (Sizes s : {Sizes{2, 1, true}, Sizes{2, 2, true}, Sizes{40, 9, true}, Sizes{300, 60, true}, Sizes{700, 300, false},
                    Sizes{6000, 200, false}}) {
        const int amp = s.direct ? 40 : 3000;
        auto a = random_whole<Vdx16s>(s.la, amp), b = random_whole<Vdx16s>(s.lb, amp);
        if (s.la == 2 && s.lb == 1) a = {3, 1}, b = {1};
        if (s.la == 2 && s.lb == 2) a = b = {32767, -32768};
        const auto want = exact_conv(a, b);
        for (int sf : {0, 1, 2, 5, -3}) {
            std::vector<Vdx16s> d(want.size());
            ASSERT_EQ(vdxsConv_16s_Sfs(a.data(), s.la, b.data(), s.lb, d.data(), sf), vdxStsNoErr);
            const double slack = s.direct ? 0 : 1 + std::ldexp(1e-6 * s.lb * amp * amp, -sf);
            Mismatches m;
            for (size_t n = 0; n < want.size(); ++n)
                m.expect(std::abs(d[n] - exact::scaled<Vdx16s>(want[n], sf)) <= slack, s.la, "x", s.lb, "sf", sf, "n", n);
            EXPECT_NO_MISMATCH(m);
        }
    }
}

// y[n] = sum over k of x[k] h[(n-k) mod N], exact on whole numbers.
TEST(Conv, Cyclic) {
    Vdx32f x[8], h[8], y[8], xr[4];
    Vdx16s xs[8], hs[8], ys[8];
    Vdx32fc hc[4], yc[4];
    for (int i = 0; i < 8; ++i) x[i] = i - 3.0f, h[i] = 2 * i + 1.0f, xs[i] = Vdx16s(i * 3000 - 10000), hs[i] = Vdx16s(5 - i);
    for (int i = 0; i < 4; ++i) xr[i] = 1.5f - i, hc[i] = {i * 0.5f, 3.0f - i};
    ASSERT_EQ(vdxsConvCyclic8x8_32f(x, h, y), vdxStsNoErr);
    ASSERT_EQ(vdxsConvCyclic4x4_32f32fc(xr, hc, yc), vdxStsNoErr);
    for (int n = 0; n < 8; ++n) {
        float r = 0, re = 0, im = 0;
        for (int k = 0; k < 8; ++k) r += x[k] * h[(n - k + 8) % 8];
        for (int k = 0; k < 4 && n < 4; ++k) re += xr[k] * hc[(n - k + 4) % 4].re, im += xr[k] * hc[(n - k + 4) % 4].im;
        EXPECT_EQ(y[n], r) << n;
        EXPECT_TRUE(n >= 4 || (yc[n].re == re && yc[n].im == im)) << n;
    }
    for (int sf : {0, 1, 3, -9}) {
        ASSERT_EQ(vdxsConvCyclic8x8_16s_Sfs(xs, hs, ys, sf), vdxStsNoErr);
        for (int n = 0; n < 8; ++n) {
            std::int64_t r = 0;
            for (int k = 0; k < 8; ++k) r += std::int64_t{xs[k]} * hs[(n - k + 8) % 8];
            EXPECT_EQ(ys[n], exact::scaled<Vdx16s>(r, sf)) << n << " sf " << sf;
        }
    }
    // In place, over either input.
    Vdx32f in_x[8], in_h[8];
    std::copy(x, x + 8, in_x), std::copy(h, h + 8, in_h);
    ASSERT_EQ(vdxsConvCyclic8x8_32f(in_x, h, in_x), vdxStsNoErr);
    ASSERT_EQ(vdxsConvCyclic8x8_32f(x, in_h, in_h), vdxStsNoErr);
    EXPECT_TRUE(std::equal(y, y + 8, in_x) && std::equal(y, y + 8, in_h));
}

// dst[j] = sum of c[i] s[j + bias - 4 - i]: the codec size (bias 4, src2
// preceded by three samples) and the general rule; statuses in their order.
TEST(Conv, BiasedAndStatuses) {
    const auto c = random_whole<Vdx32f>(4, 9), s = random_whole<Vdx32f>(48, 9);
    const Vdx32f* s0 = s.data() + 3;
    for (auto [dstLen, bias] : {std::pair{41, 4}, std::pair{20, 10}}) {
        std::vector<Vdx32f> d(dstLen + 1, 0.5f);
        ASSERT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, d.data(), dstLen, bias), vdxStsNoErr);
        for (int j = 0; j < dstLen; ++j) {
            Vdx32f r = 0;
            for (int i = 0; i < 4; ++i) r += c[i] * s0[j + bias - 4 - i];
            EXPECT_EQ(d[j], r) << j << " bias " << bias;
        }
        EXPECT_EQ(d[dstLen], 0.5f);
    }
    Vdx32f g[46];
    // Pointers before lengths (pointers or lengths alone: contract fuzzer).
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, nullptr, 0, g, 0, 4), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConv_32f(nullptr, 0, g, 1, g), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 0, s0, 45, g, 20, 4), vdxStsSizeErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, g, 20, 3), vdxStsSizeErr);
    EXPECT_EQ(vdxsConvBiased_32f(c.data(), 4, s0, 45, g, 46, 4), vdxStsSizeErr);
}

}  // namespace
