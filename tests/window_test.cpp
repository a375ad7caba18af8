// Window functions, black box: every window of every type, out of place and
// in place, over lengths on both sides of the generator's chunks, against the
// closed forms in long double (Kaiser against the true Bessel function, to
// the polynomial's accuracy), 16-bit forms within rounding and saturated;
// exact symmetry, the scaled form's rounding, the statuses in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

enum class Kind { bartlett, hann, hamming, blackman, kaiser };
const long double kPi = 3.14159265358979323846264338327950288L;

// alpha: Blackman, Kaiser; NaN: BlackmanOpt's alpha from the length.
long double weight(Kind kind, long double alpha, int n, int len) {
    const long double x = 2 * kPi * n / (len - 1);
    switch (kind) {
        case Kind::bartlett: return 1 - std::fabs(2.0L * n / (len - 1) - 1);
        case Kind::hann: return 0.5L - 0.5L * std::cos(x);
        case Kind::hamming: return 0.54L - 0.46L * std::cos(x);
        case Kind::blackman: {
            const long double r = 0.5L / std::cos(kPi / (len - 1));
            const long double a = std::isnan(alpha) ? static_cast<float>(-(r * r)) : alpha;
            return (a + 1) / 2 - 0.5L * std::cos(x) - a / 2 * std::cos(2 * x);
        }
        case Kind::kaiser:
            return len == 1 ? 1 : std::cyl_bessel_il(0, std::fabs(alpha) * std::sqrt(n * (len - 1.0L - n))) /
                                      std::cyl_bessel_il(0, std::fabs(alpha) * (len - 1) / 2.0L);
    }
    return 0;
}

template <class P>
struct WinCase {
    const char* name;
    Kind kind;
    long double alpha;
    int parts;  // 2 for complex elements
    VdxStatus (*out)(const P*, P*, int);
    VdxStatus (*in)(P*, int);
};

// Complex forms take the part type's pointers here: a window scales both parts.
#define VDX_WIN(name, code, E, kind, alpha, ...)                                                                   \
    WinCase<P>{#name "_" #code, kind, alpha, int(sizeof(E) / sizeof(P)),                                               \
               [](const P* s, P* d, int n) { return vdxsWin##name##_##code((const E*)s, (E*)d, n __VA_ARGS__); }, \
               [](P* d, int n) { return vdxsWin##name##_##code##_I((E*)d, n __VA_ARGS__); }}
#define VDX_WIN_TYPE(code, E)                                                                                   \
    VDX_WIN(Bartlett, code, E, Kind::bartlett, 0), VDX_WIN(Hann, code, E, Kind::hann, 0),                      \
        VDX_WIN(Hamming, code, E, Kind::hamming, 0), VDX_WIN(BlackmanStd, code, E, Kind::blackman, -0.16f),    \
        VDX_WIN(BlackmanOpt, code, E, Kind::blackman, NAN), VDX_WIN(Blackman, code, E, Kind::blackman, 0.3f, , 0.3f), \
        VDX_WIN(Kaiser, code, E, Kind::kaiser, -0.05f, , -0.05f)
#define VDX_WIN_Q15(code, E)                                                                                   \
    VDX_WIN(BlackmanQ15, code, E, Kind::blackman, -5243 / 32768.0L, , -5243),                                  \
        VDX_WIN(KaiserQ15, code, E, Kind::kaiser, 3277 / 32768.0L, , 3277)

template <class P>
std::vector<WinCase<P>> cases();
template <> std::vector<WinCase<Vdx32f>> cases() { using P = Vdx32f; return {VDX_WIN_TYPE(32f, Vdx32f), VDX_WIN_TYPE(32fc, Vdx32fc)}; }
template <> std::vector<WinCase<Vdx64f>> cases() { using P = Vdx64f; return {VDX_WIN_TYPE(64f, Vdx64f), VDX_WIN_TYPE(64fc, Vdx64fc)}; }
template <> std::vector<WinCase<Vdx16s>> cases() {
    using P = Vdx16s;
    return {VDX_WIN_TYPE(16s, Vdx16s), VDX_WIN_TYPE(16sc, Vdx16sc), VDX_WIN_Q15(16s, Vdx16s), VDX_WIN_Q15(16sc, Vdx16sc)};
}

// A few ulps of the weight and the product, plus the cosine recurrence's
// drift and the Bessel polynomial's error; 16-bit results round to integers.
template <class P>
void check_all_windows() {
    std::mt19937 rng(7);
    for (const auto& c : cases<P>()) {
        Mismatches m;
        for (int len : {4, 5, 7, 8, 33, 255, 256, 511, 512, 513, 1200, 1501}) {
            const int n_parts = c.parts * len;
            std::vector<P> src(n_parts), out(n_parts + 2 * c.parts, P(77)), in;
            for (auto& x : src) x = sizeof(P) == 2 ? P(std::uniform_int_distribution<int>(-32768, 32767)(rng)) : P(std::uniform_real_distribution<double>(-4, 4)(rng));
            in = src;
            ASSERT_EQ(c.out(src.data(), out.data() + c.parts, len), vdxStsNoErr) << c.name;
            ASSERT_EQ(c.in(in.data(), len), vdxStsNoErr) << c.name;
            m.expect(out[0] == P(77) && out[n_parts + c.parts] == P(77), c.name, "wrote outside, len", len);
            for (int i = 0; i < n_parts; ++i) {
                const long double w = weight(c.kind, c.alpha, i / c.parts, len);
                const long double want = std::fmin(std::fmax(src[i] * w, -32768.0L), 32767.0L);
                const long double eps = std::numeric_limits<P>::epsilon(), rel = c.kind == Kind::kaiser ? 5e-7L : 0;
                const long double tol = sizeof(P) == 2 ? 0.51L : std::fabs(src[i]) * (std::fabs(w) * (4 * eps + rel) + 1.5e-14L);
                m.expect(std::fabs(out[c.parts + i] - want) <= tol, c.name, "len", len, "i", i, "got", out[c.parts + i]);
                m.expect(same_bits(out[c.parts + i], in[i]), c.name, "in place differs, len", len, "i", i);
            }
        }
        EXPECT_NO_MISMATCH(m) << c.name;
    }
}

TEST(Window, EveryWindowEveryType) {
    check_all_windows<Vdx32f>();
    check_all_windows<Vdx64f>();
    check_all_windows<Vdx16s>();
}

// Kaiser at the largest accepted |alpha| (N-1)/2 of each precision (38 for
// the float forms, 308 for the others), where the exponential branch and
// the peak's e^x are at their largest: weights within the polynomial's
// relative error of the Bessel ratio.
TEST(Window, KaiserAtAlphaLimits) {
    struct Row { int len; float alpha; bool single; };
    for (Row r : {Row{77, 1.0f, true}, Row{39, -2.0f, true}, Row{309, 2.0f, false}, Row{1001, 0.616f, false}}) {
        std::vector<Vdx32f> f(r.len, 1.0f);
        std::vector<Vdx64f> d(r.len, 1.0);
        ASSERT_EQ(r.single ? vdxsWinKaiser_32f_I(f.data(), r.len, r.alpha) : vdxsWinKaiser_64f_I(d.data(), r.len, r.alpha),
                  vdxStsNoErr) << r.len;
        Mismatches m;
        for (int n = 0; n < r.len; ++n) {
            const long double want = weight(Kind::kaiser, r.alpha, n, r.len), got = r.single ? f[n] : d[n];
            m.expect(std::fabs(got - want) <= want * 5e-7L + 1e-300L, r.len, "n", n, "got", got, "want", want);
        }
        EXPECT_NO_MISMATCH(m);
    }
}

// Mirrored weights have the same bits; Hann keeps exact zeros at both ends
// and an odd length's middle element unchanged.
TEST(Window, ExactSymmetryAndMiddle) {
    for (int len : {5, 6, 257, 1001, 1002}) {
        std::vector<Vdx64f> v(len, 0.7);
        std::vector<Vdx32f> h(len, 3.0f);
        ASSERT_EQ(vdxsWinBlackmanStd_64f_I(v.data(), len), vdxStsNoErr);
        ASSERT_EQ(vdxsWinHann_32f_I(h.data(), len), vdxStsNoErr);
        for (int n = 0; n < len; ++n) EXPECT_TRUE(same_bits(v[n], v[len - 1 - n])) << len << " " << n;
        EXPECT_TRUE(h[0] == 0 && h[len - 1] == 0 && (len % 2 == 0 || h[len / 2] == 3.0f)) << len;
    }
}

// Scaled by 2^-sf, rounded half to even and saturated, the middle element of
// an odd length (weight 1) included; the ends (weight 0) stay 0.
TEST(Window, BlackmanQ15ScaledRounding) {
    struct Row { Vdx16s x; int sf; Vdx16s want; };
    for (Row r : {Row{3, 1, 2}, Row{1, 1, 0}, Row{5, 1, 2}, Row{-3, 1, -2}, Row{7, 2, 2}, Row{6, 2, 2},
                  Row{20000, -1, 32767}, Row{-20000, -1, -32768}, Row{-32768, 0, -32768}, Row{1, 20, 0}}) {
        Vdx16s v[3] = {1000, r.x, -1000};
        ASSERT_EQ(vdxsWinBlackmanQ15_16s_ISfs(v, 3, -5243, r.sf), vdxStsNoErr);
        EXPECT_TRUE(v[0] == 0 && v[1] == r.want && v[2] == 0) << r.x << " sf " << r.sf << " got " << v[1];
    }
}

TEST(Window, StatusesInOrder) {
    Vdx32f v[8] = {}, one = 2.5f, out = 0;
    Vdx64f g[400] = {};
    const Vdx16s s[300] = {-1234};
    Vdx16s d[300];
    struct Row { VdxStatus got, want; int line; };
    for (Row r : {Row{vdxsWinHann_32f(nullptr, v, 2), vdxStsNullPtrErr, __LINE__},
                  Row{vdxsWinHann_32f_I(v, 2), vdxStsSizeErr, __LINE__},
                  Row{vdxsWinBlackman_32f_I(v, 2, 0.1f), vdxStsSizeErr, __LINE__},
                  Row{vdxsWinBlackmanQ15_16s_ISfs(nullptr, 2, 0, 0), vdxStsNullPtrErr, __LINE__},
                  Row{vdxsWinBlackmanOpt_32f(nullptr, v, 3), vdxStsSizeErr, __LINE__},  // length first
                  Row{vdxsWinBlackmanOpt_32f(nullptr, v, 4), vdxStsNullPtrErr, __LINE__},
                  Row{vdxsWinKaiser_32f(nullptr, v, 0, 100.0f), vdxStsNullPtrErr, __LINE__},
                  Row{vdxsWinKaiser_32f_I(v, 0, 100.0f), vdxStsSizeErr, __LINE__},
                  Row{vdxsWinKaiser_32f_I(v, 1, 1e9f), vdxStsNoErr, __LINE__},  // (N-1)/2 = 0
                  // |alpha| (N-1)/2 at most 38 for the float forms, 308 for the rest.
                  Row{vdxsWinKaiser_32f_I(reinterpret_cast<Vdx32f*>(g), 77, -1.0f), vdxStsNoErr, __LINE__},
                  Row{vdxsWinKaiser_32fc_I(reinterpret_cast<Vdx32fc*>(g), 78, 1.0f), vdxStsKaiserAlphaErr, __LINE__},
                  Row{vdxsWinKaiser_64f_I(g, 308, 2.0f), vdxStsNoErr, __LINE__},
                  Row{vdxsWinKaiser_64f_I(g, 310, 2.0f), vdxStsKaiserAlphaErr, __LINE__},
                  Row{vdxsWinKaiser_64f_I(g, 5, NAN), vdxStsKaiserAlphaErr, __LINE__},
                  Row{vdxsWinKaiserQ15_16s_I(d, 78, 32768), vdxStsNoErr, __LINE__},
                  Row{vdxsWinKaiser_32f(&one, &out, 1, 9.0f), vdxStsNoErr, __LINE__},
                  Row{vdxsWinKaiser_16s(s, d, 300, 0.0f), vdxStsNoErr, __LINE__}})
        EXPECT_EQ(r.got, r.want) << "line " << r.line;
    EXPECT_EQ(out, 2.5f);  // one element: weight 1
    EXPECT_EQ(d[0], -1234);  // alpha 0: every weight 1
    EXPECT_EQ(d[299], 0);
}

}  // namespace
