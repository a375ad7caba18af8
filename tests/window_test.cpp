// Window functions, black box.  Every window of every type, out of place and
// in place, over lengths on both sides of the generator's chunks, against the
// closed forms in long double (Kaiser against the true Bessel function, within
// the polynomial approximation's accuracy); 16-bit forms within rounding of
// the exact product.  Then exact symmetry, the middle element, the scaled
// form's rounding and saturation, and the statuses in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

enum class Kind { bartlett, hann, hamming, blackman, kaiser };

struct Shape {
    Kind kind;
    float alpha;  // Blackman, Kaiser; NaN: BlackmanOpt's alpha from N
};

long double blackman_opt_alpha(int n) {
    const long double r = 0.5L / std::cos(3.14159265358979323846264338327950288L / (n - 1));
    return static_cast<float>(-(r * r));
}

long double weight(Shape s, int n, int len) {
    const long double pi = 3.14159265358979323846264338327950288L, x = 2 * pi * n / (len - 1);
    switch (s.kind) {
        case Kind::bartlett: return 2.0L * n <= len - 1 ? 2.0L * n / (len - 1) : 2.0L - 2.0L * n / (len - 1);
        case Kind::hann: return 0.5L - 0.5L * std::cos(x);
        case Kind::hamming: return 0.54L - 0.46L * std::cos(x);
        case Kind::blackman: {
            const long double a = std::isnan(s.alpha) ? blackman_opt_alpha(len) : s.alpha;
            return (a + 1) / 2 - 0.5L * std::cos(x) - a / 2 * std::cos(2 * x);
        }
        case Kind::kaiser: {
            const long double a = std::fabs(s.alpha);
            if (len == 1) return 1;
            return std::cyl_bessel_il(0, a * std::sqrt(static_cast<long double>(n) * (len - 1 - n))) /
                   std::cyl_bessel_il(0, a * (len - 1) / 2.0L);
        }
    }
    return 0;
}

template <class E>
struct Parts;
template <> struct Parts<Vdx16s> { using P = Vdx16s; static constexpr int n = 1; };
template <> struct Parts<Vdx16sc> { using P = Vdx16s; static constexpr int n = 2; };
template <> struct Parts<Vdx32f> { using P = Vdx32f; static constexpr int n = 1; };
template <> struct Parts<Vdx32fc> { using P = Vdx32f; static constexpr int n = 2; };
template <> struct Parts<Vdx64f> { using P = Vdx64f; static constexpr int n = 1; };
template <> struct Parts<Vdx64fc> { using P = Vdx64f; static constexpr int n = 2; };

template <class E>
struct WinCase {
    const char* name;
    Shape shape;
    VdxStatus (*out)(const E*, E*, int);
    VdxStatus (*in)(E*, int);
};

#define VDX_PLAIN(name, code, E, kind, alpha) \
    WinCase<E>{#name, {kind, alpha}, vdxsWin##name##_##code, vdxsWin##name##_##code##_I}
#define VDX_ALPHA(name, code, E, kind, alpha, arg)                                          \
    WinCase<E>{#name, {kind, alpha}, [](const E* s, E* d, int n) { return vdxsWin##name##_##code(s, d, n, arg); }, \
               [](E* d, int n) { return vdxsWin##name##_##code##_I(d, n, arg); }}
#define VDX_CASES(code, E)                                                                  \
    std::vector<WinCase<E>> {                                                               \
        VDX_PLAIN(Bartlett, code, E, Kind::bartlett, 0), VDX_PLAIN(Hann, code, E, Kind::hann, 0), \
            VDX_PLAIN(Hamming, code, E, Kind::hamming, 0),                                     \
            VDX_PLAIN(BlackmanStd, code, E, Kind::blackman, -0.16f),                                \
            WinCase<E>{"BlackmanOpt", {Kind::blackman, NAN}, vdxsWinBlackmanOpt_##code,     \
                       vdxsWinBlackmanOpt_##code##_I},                                      \
            VDX_ALPHA(Blackman, code, E, Kind::blackman, 0.3f, 0.3f),                       \
            VDX_ALPHA(Kaiser, code, E, Kind::kaiser, -0.05f, -0.05f)                          \
    }

template <class E>
std::vector<WinCase<E>> cases();
template <> std::vector<WinCase<Vdx32f>> cases() { return VDX_CASES(32f, Vdx32f); }
template <> std::vector<WinCase<Vdx32fc>> cases() { return VDX_CASES(32fc, Vdx32fc); }
template <> std::vector<WinCase<Vdx64f>> cases() { return VDX_CASES(64f, Vdx64f); }
template <> std::vector<WinCase<Vdx64fc>> cases() { return VDX_CASES(64fc, Vdx64fc); }
template <> std::vector<WinCase<Vdx16s>> cases() {
    auto v = VDX_CASES(16s, Vdx16s);
    v.push_back(VDX_ALPHA(BlackmanQ15, 16s, Vdx16s, Kind::blackman, -5243 / 32768.0f, -5243));
    v.push_back(VDX_ALPHA(KaiserQ15, 16s, Vdx16s, Kind::kaiser, 3277 / 32768.0f, 3277));
    return v;
}
template <> std::vector<WinCase<Vdx16sc>> cases() {
    auto v = VDX_CASES(16sc, Vdx16sc);
    v.push_back(VDX_ALPHA(BlackmanQ15, 16sc, Vdx16sc, Kind::blackman, -5243 / 32768.0f, -5243));
    v.push_back(VDX_ALPHA(KaiserQ15, 16sc, Vdx16sc, Kind::kaiser, 3277 / 32768.0f, 3277));
    return v;
}

// Allowed distance from the exact product x * w: rounding of the weight and of
// the product (a few ulps, plus the cosine recurrence's absolute drift), the
// Bessel approximation for Kaiser; 16-bit results round to an integer.
template <class P>
long double tolerance(long double x, long double w, Kind kind) {
    const long double rel = kind == Kind::kaiser ? 5e-7L : 0;
    if constexpr (sizeof(P) == 2) {
        return 0.5L + 0.01L;
    } else {
        const long double eps = std::numeric_limits<P>::epsilon();
        return std::fabs(x) * (std::fabs(w) * (4 * eps + rel) + 64 * std::numeric_limits<double>::epsilon()) + 1e-30L;
    }
}

template <class E>
void check_all_windows() {
    using P = typename Parts<E>::P;
    constexpr int K = Parts<E>::n;
    std::mt19937 rng(7);
    for (const auto& c : cases<E>()) {
        Mismatches m;
        for (int len : {4, 5, 7, 8, 33, 255, 256, 511, 512, 513, 1200}) {
            std::vector<P> src(K * len), out(K * (len + 2)), in;
            for (auto& x : src) {
                if constexpr (sizeof(P) == 2) x = static_cast<P>(std::uniform_int_distribution<int>(-32768, 32767)(rng));
                else x = std::uniform_real_distribution<P>(-4, 4)(rng);
            }
            in = src;
            for (auto& x : out) x = P(77);
            ASSERT_EQ(c.out(reinterpret_cast<const E*>(src.data()), reinterpret_cast<E*>(out.data() + K), len), vdxStsNoErr) << c.name;
            ASSERT_EQ(c.in(reinterpret_cast<E*>(in.data()), len), vdxStsNoErr) << c.name;
            m.expect(out[0] == P(77) && out[K * (len + 1)] == P(77), c.name, "wrote outside, len", len);
            for (int i = 0; i < K * len; ++i) {
                const int n = i / K;
                const long double w = weight(c.shape, n, len);
                long double want = src[i] * w;
                if (sizeof(P) == 2) want = std::fmin(std::fmax(want, -32768.0L), 32767.0L);
                const P got = out[K + i];
                m.expect(std::fabs(got - want) <= tolerance<P>(src[i], w, c.shape.kind), c.name, "len", len, "n", n,
                         "got", got, "want", static_cast<double>(want));
                m.expect(same_bits(got, in[i]), c.name, "in place differs, len", len, "n", n);
            }
        }
        EXPECT_NO_MISMATCH(m) << c.name;
    }
}

TEST(Window, EveryWindowEveryType) {
    check_all_windows<Vdx32f>();
    check_all_windows<Vdx32fc>();
    check_all_windows<Vdx64f>();
    check_all_windows<Vdx64fc>();
    check_all_windows<Vdx16s>();
    check_all_windows<Vdx16sc>();
}

// Equal inputs give bit-identical mirrored outputs, and an odd length keeps
// its middle element (and Hann its exact zeros at both ends).
TEST(Window, ExactSymmetryAndMiddle) {
    for (int len : {5, 6, 257, 1001, 1002}) {
        std::vector<Vdx64f> v(len, 0.7);
        ASSERT_EQ(vdxsWinBlackmanStd_64f_I(v.data(), len), vdxStsNoErr);
        for (int n = 0; n < len; ++n) EXPECT_TRUE(same_bits(v[n], v[len - 1 - n])) << len << " " << n;
        std::vector<Vdx32f> h(len, 3.0f);
        ASSERT_EQ(vdxsWinHann_32f_I(h.data(), len), vdxStsNoErr);
        EXPECT_EQ(h[0], 0.0f);
        EXPECT_EQ(h[len - 1], 0.0f);
        if (len % 2) EXPECT_EQ(h[len / 2], 3.0f);
    }
}

TEST(Window, LengthThree) {
    const Vdx32f src[3] = {5, 6, 7};
    Vdx32f d[3];
    for (auto fn : {vdxsWinBartlett_32f, vdxsWinHann_32f, vdxsWinBlackmanStd_32f}) {
        ASSERT_EQ(fn(src, d, 3), vdxStsNoErr);
        EXPECT_EQ(d[0], 0.0f);
        EXPECT_EQ(d[1], 6.0f);
        EXPECT_EQ(d[2], 0.0f);
    }
    ASSERT_EQ(vdxsWinHamming_32f(src, d, 3), vdxStsNoErr);
    EXPECT_FLOAT_EQ(d[0], 0.08f * 5);
    EXPECT_FLOAT_EQ(d[2], 0.08f * 7);
}

TEST(Window, KaiserEdges) {
    Vdx32f one = 2.5f, out = 0;
    EXPECT_EQ(vdxsWinKaiser_32f(&one, &out, 1, 9.0f), vdxStsNoErr);
    EXPECT_EQ(out, 2.5f);
    std::vector<Vdx16s> s(300, -1234), d(300);
    EXPECT_EQ(vdxsWinKaiser_16s(s.data(), d.data(), 300, 0.0f), vdxStsNoErr);
    EXPECT_EQ(d, s);
    // The limit on |alpha| (N-1)/2: 38 for the float forms, 308 for the rest.
    std::vector<Vdx32f> f(400, 1.0f);
    std::vector<Vdx64f> g(400, 1.0);
    EXPECT_EQ(vdxsWinKaiser_32f_I(f.data(), 77, -1.0f), vdxStsNoErr);
    EXPECT_EQ(vdxsWinKaiser_32f_I(f.data(), 78, 1.0f), vdxStsKaiserAlphaErr);
    EXPECT_EQ(vdxsWinKaiser_32fc_I(reinterpret_cast<Vdx32fc*>(f.data()), 78, 1.0f), vdxStsKaiserAlphaErr);
    EXPECT_EQ(vdxsWinKaiser_64f_I(g.data(), 78, 1.0f), vdxStsNoErr);
    EXPECT_EQ(vdxsWinKaiser_64f_I(g.data(), 308, 2.0f), vdxStsNoErr);
    EXPECT_EQ(vdxsWinKaiser_64f_I(g.data(), 310, 2.0f), vdxStsKaiserAlphaErr);
    EXPECT_EQ(vdxsWinKaiserQ15_16s_I(d.data(), 78, 32768), vdxStsNoErr);
    EXPECT_EQ(vdxsWinKaiser_64f_I(g.data(), 5, NAN), vdxStsKaiserAlphaErr);
}

// The scaled form rounds half to even and saturates, the middle element of
// an odd length (weight 1) included; its ends (weight 0) stay 0.
TEST(Window, BlackmanQ15ScaledRounding) {
    struct Row { Vdx16s x; int sf; Vdx16s want; };
    for (Row r : {Row{3, 1, 2}, Row{1, 1, 0}, Row{5, 1, 2}, Row{-3, 1, -2}, Row{7, 2, 2}, Row{6, 2, 2},
                  Row{20000, -1, 32767}, Row{-20000, -1, -32768}, Row{-32768, 0, -32768}, Row{1, 20, 0}}) {
        Vdx16s v[3] = {1000, r.x, -1000};
        ASSERT_EQ(vdxsWinBlackmanQ15_16s_ISfs(v, 3, -5243, r.sf), vdxStsNoErr);
        EXPECT_EQ(v[1], r.want) << r.x << " sf " << r.sf;
        EXPECT_EQ(v[0], 0);
        EXPECT_EQ(v[2], 0);
    }
}

TEST(Window, StatusesInOrder) {
    Vdx32f v[8] = {};
    EXPECT_EQ(vdxsWinHann_32f(nullptr, v, 2), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsWinHann_32f(v, nullptr, 8), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsWinHann_32f_I(v, 2), vdxStsSizeErr);
    EXPECT_EQ(vdxsWinBartlett_64f_I(nullptr, 3), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsWinBlackman_32f_I(v, 2, 0.1f), vdxStsSizeErr);
    EXPECT_EQ(vdxsWinBlackmanQ15_16s_ISfs(nullptr, 2, 0, 0), vdxStsNullPtrErr);
    // BlackmanOpt tests its length first.
    EXPECT_EQ(vdxsWinBlackmanOpt_32f(nullptr, v, 3), vdxStsSizeErr);
    EXPECT_EQ(vdxsWinBlackmanOpt_32f(nullptr, v, 4), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsWinBlackmanOpt_32f_I(v, 4), vdxStsNoErr);
    EXPECT_EQ(vdxsWinKaiser_32f(nullptr, v, 0, 100.0f), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsWinKaiser_32f_I(v, 0, 100.0f), vdxStsSizeErr);
    EXPECT_EQ(vdxsWinKaiser_32f_I(v, 1, 1e9f), vdxStsNoErr);  // (N-1)/2 = 0
}

}  // namespace
