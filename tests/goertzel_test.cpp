// Goertzel values against the direct sum in long double, the Two forms
// against the single ones, real against complex input, and the 16-bit
// scaling rules where the value is an exact integer (rFreq = 0).
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "exact_rules.h"
#include "fir_elements.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

using fir_test::LC;

// sum over n of x[n] e^(i w (len - n))
template <class Get>
LC direct(int len, long double r, Get x) {
    LC sum = 0;
    for (int n = 0; n < len; ++n) {
        const long double a = 2 * 3.141592653589793238462643383279L * r * (len - n);
        sum += x(n) * LC(std::cos(a), std::sin(a));
    }
    return sum;
}

std::vector<Vdx64fc> signal(int len) { return fir_test::random_vec<Vdx64fc>(len, len, 1); }

const int kLens[] = {1, 2, 3, 16, 1000};
const double kFreqs[] = {0.0, 0.001, 0.125, 0.25, 0.3, 0.5, 0.777, 0.999};

TEST(Goertzel, MatchesTheDirectSumForEveryFloatForm) {
    for (int len : kLens)
        for (double r : kFreqs) {
            SCOPED_TRACE(testing::Message() << "len " << len << " rFreq " << r);
            const auto x = signal(len);
            std::vector<Vdx32fc> xf(len);
            std::vector<Vdx64f> xr(len);
            std::vector<Vdx32f> xrf(len);
            for (int n = 0; n < len; ++n) {
                xf[n] = {float(x[n].re), float(x[n].im)};
                xr[n] = x[n].re;
                xrf[n] = float(x[n].re);
            }
            // In double, the recurrence's error grows with len^2 near the ends
            // of the band; the float forms round a double result once.
            auto near = [&](LC want, double re, double im, bool single) {
                const double tol = single ? 1e-6 * (std::abs(want) + 1) : 1e-15 * (double(len) * len + 100);
                EXPECT_NEAR(re, double(want.real()), tol);
                EXPECT_NEAR(im, double(want.imag()), tol);
            };
            Vdx64fc v64;
            ASSERT_EQ(vdxsGoertz_64fc(x.data(), len, &v64, r), vdxStsNoErr);
            near(direct(len, r, [&](int n) { return LC(x[n].re, x[n].im); }), v64.re, v64.im, false);
            ASSERT_EQ(vdxsGoertz_64f(xr.data(), len, &v64, r), vdxStsNoErr);
            near(direct(len, r, [&](int n) { return LC(x[n].re, 0); }), v64.re, v64.im, false);
            const float rf = float(r);
            Vdx32fc v32;
            ASSERT_EQ(vdxsGoertz_32fc(xf.data(), len, &v32, rf), vdxStsNoErr);
            near(direct(len, rf, [&](int n) { return LC(xf[n].re, xf[n].im); }), v32.re, v32.im, true);
            ASSERT_EQ(vdxsGoertz_32f(xrf.data(), len, &v32, rf), vdxStsNoErr);
            near(direct(len, rf, [&](int n) { return LC(xrf[n], 0); }), v32.re, v32.im, true);
        }
}

// The Two forms run the same recurrences: each value equals its single form
// bit for bit, in the order of the frequencies.
TEST(Goertzel, TwoFormsGiveTheSingleValuesInOrder) {
    const int len = 777;
    const auto x = signal(len);
    std::vector<Vdx32fc> xf(len);
    std::vector<Vdx16sc> xs(len);
    for (int n = 0; n < len; ++n) {
        xf[n] = {float(x[n].re), float(x[n].im)};
        xs[n] = {Vdx16s(x[n].re * 3000), Vdx16s(x[n].im * 3000)};
    }
    const Vdx64f f64[2] = {0.3, 0.0625};
    const Vdx32f f32[2] = {0.3f, 0.0625f};
    const Vdx16s q15[2] = {9830, 2048};
    Vdx64fc two64[2], one64;
    ASSERT_EQ(vdxsGoertzTwo_64fc(x.data(), len, two64, f64), vdxStsNoErr);
    Vdx32fc two32[2], one32;
    ASSERT_EQ(vdxsGoertzTwo_32fc(xf.data(), len, two32, f32), vdxStsNoErr);
    Vdx16sc two16[2], twoq[2], one16, oneq;
    ASSERT_EQ(vdxsGoertzTwo_16sc_Sfs(xs.data(), len, two16, f32, 3), vdxStsNoErr);
    ASSERT_EQ(vdxsGoertzTwoQ15_16sc_Sfs(xs.data(), len, twoq, q15, 3), vdxStsNoErr);
    for (int j = 0; j < 2; ++j) {
        SCOPED_TRACE(j);
        vdxsGoertz_64fc(x.data(), len, &one64, f64[j]);
        vdxsGoertz_32fc(xf.data(), len, &one32, f32[j]);
        vdxsGoertz_16sc_Sfs(xs.data(), len, &one16, f32[j], 3);
        vdxsGoertzQ15_16sc_Sfs(xs.data(), len, &oneq, q15[j], 3);
        EXPECT_TRUE(same_bits(one64, two64[j]) && same_bits(one32, two32[j]));
        EXPECT_TRUE(same_bits(one16, two16[j]) && same_bits(oneq, twoq[j]));
    }
    // Q15 8192 is 0.25 exactly.
    vdxsGoertzQ15_16sc_Sfs(xs.data(), len, &oneq, 8192, 0);
    vdxsGoertz_16sc_Sfs(xs.data(), len, &one16, 0.25f, 0);
    EXPECT_TRUE(same_bits(oneq, one16));
}

// At rFreq = 0 the value is the plain sum, exact in double: the 16-bit
// forms scale it by 2^-sf, round half to even and saturate.
TEST(Goertzel, SixteenBitValuesRoundHalfToEvenAndSaturate) {
    struct Case {
        std::vector<Vdx16s> x;
        int sf;
    } cases[] = {{{1, 2}, 1},  {{2, 3}, 1},   {{-1, -2}, 1},      {{-2, -3}, 1},        {{7, 0, 0}, 2},
                 {{5, 1}, 2},  {{3, 3, 3}, -2}, {{32767, 1}, 0}, {{-32768, -1}, 0}, {{20000, 20000}, 1},
                 {{1000}, -6}, {{12}, 40}};
    for (const Case& c : cases) {
        long double sum = 0;
        for (Vdx16s v : c.x) sum += v;
        const Vdx16s want = exact::rounded<Vdx16s>(std::ldexp(sum, -c.sf));
        SCOPED_TRACE(testing::Message() << "sf " << c.sf << " want " << want);
        const int len = int(c.x.size());
        std::vector<Vdx16sc> xc(len), xci(len);
        for (int n = 0; n < len; ++n) xc[n] = {c.x[n], 0}, xci[n] = {0, c.x[n]};
        Vdx16sc v;
        ASSERT_EQ(vdxsGoertz_16s_Sfs(c.x.data(), len, &v, 0.0f, c.sf), vdxStsNoErr);
        EXPECT_TRUE(v.re == want && v.im == 0);
        ASSERT_EQ(vdxsGoertz_16sc_Sfs(xci.data(), len, &v, 0.0f, c.sf), vdxStsNoErr);
        EXPECT_TRUE(v.re == 0 && v.im == want);
        ASSERT_EQ(vdxsGoertzQ15_16sc_Sfs(xc.data(), len, &v, 0, c.sf), vdxStsNoErr);
        EXPECT_EQ(v.re, want);
    }
}

// The length before each frequency (pointers, and nothing written on error:
// contract fuzzer).
TEST(Goertzel, StatusesInOrder) {
    const Vdx32fc x[4] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}};
    const Vdx16sc xs[4] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}};
    Vdx32fc v[2];
    Vdx16sc vs[2];
    EXPECT_EQ(vdxsGoertz_32fc(x, 0, v, 2.0f), vdxStsSizeErr);
    for (float bad : {-1e-30f, 1.0f, 1.5f, NAN, -INFINITY}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(vdxsGoertz_32fc(x, 4, v, bad), vdxStsRelFreqErr);
        const Vdx64f xd[2] = {1, 2};
        Vdx64fc vd;
        EXPECT_EQ(vdxsGoertz_64f(xd, 2, &vd, double(bad)), vdxStsRelFreqErr);
        EXPECT_EQ(vdxsGoertz_16s_Sfs(&xs[0].re, 4, vs, bad, 0), vdxStsRelFreqErr);
        const Vdx32f second_bad[2] = {0.25f, bad}, first_bad[2] = {bad, 0.25f};
        EXPECT_EQ(vdxsGoertzTwo_32fc(x, 4, v, second_bad), vdxStsRelFreqErr);
        EXPECT_EQ(vdxsGoertzTwo_16sc_Sfs(xs, 4, vs, first_bad, 0), vdxStsRelFreqErr);
    }
    EXPECT_EQ(vdxsGoertzQ15_16sc_Sfs(xs, 4, vs, -1, 0), vdxStsRelFreqErr);
    const Vdx16s q15_bad[2] = {100, -32768};
    EXPECT_EQ(vdxsGoertzTwoQ15_16sc_Sfs(xs, 4, vs, q15_bad, 0), vdxStsRelFreqErr);
    // -0 is accepted as 0 (0.999 and len 1: the sweep above).
    EXPECT_EQ(vdxsGoertz_32fc(x, 4, v, -0.0f), vdxStsNoErr);
    EXPECT_EQ(v[0].re, 10.0f);
}

}  // namespace
