// FIR design, black box: every design over odd and even lengths, every window
// and both normalisations against the closed-form ideal responses times the
// windows in long double (normalised by the response at the design's
// frequency); exact (anti)symmetry, and the statuses in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "mismatches.h"
#include "vdxs.h"

namespace {

using LD = long double;
const LD kPi = 3.14159265358979323846264338327950288L;
enum class Band { low, high, pass, stop };
struct Design { Band band; double lo, hi; };

VdxStatus generate(const Design& d, Vdx64f* taps, int len, int win, int normal) {
    const auto w = static_cast<VdxWinType>(win);
    return d.band == Band::low    ? vdxsFIRGenLowpass_64f(d.lo, taps, len, w, normal)
           : d.band == Band::high ? vdxsFIRGenHighpass_64f(d.lo, taps, len, w, normal)
           : d.band == Band::pass ? vdxsFIRGenBandpass_64f(d.lo, d.hi, taps, len, w, normal)
                                  : vdxsFIRGenBandstop_64f(d.lo, d.hi, taps, len, w, normal);
}

LD window(int win, int n, int len) {
    const LD x = 2 * kPi * n / (len - 1), r = 0.5L / std::cos(kPi / (len - 1)), a = static_cast<float>(-(r * r));
    return win == vdxWinBartlett      ? 1 - std::fabs(2.0L * n / (len - 1) - 1)
           : win == vdxWinBlackmanOpt ? (a + 1) / 2 - 0.5L * std::cos(x) - a / 2 * std::cos(2 * x)
           : win == vdxWinHamming     ? 0.54L - 0.46L * std::cos(x)
           : win == vdxWinHann        ? 0.5L - 0.5L * std::cos(x) : 1;
}

// The ideal response at signed offset t = k - (L-1)/2 from the centre.
LD ideal(const Design& d, LD t, bool odd) {
    auto sinc = [&](LD f) { return t == 0 ? 2 * f : std::sin(2 * kPi * f * t) / (kPi * t); };
    switch (d.band) {
        case Band::low: return sinc(d.lo);
        case Band::high: return odd ? sinc(0.5L) - sinc(d.lo) : -std::cos(2 * kPi * d.lo * t) / (kPi * t);
        case Band::pass: return sinc(d.hi) - sinc(d.lo);
        case Band::stop: return sinc(0.5L) - sinc(d.hi) + sinc(d.lo);
    }
    return 0;
}

template <class T>
LD response(const std::vector<T>& h, LD f) {
    std::complex<LD> s = 0;
    for (size_t k = 0; k < h.size(); ++k) s += static_cast<LD>(h[k]) * std::polar(1.0L, -2 * kPi * f * k);
    return std::abs(s);
}

LD gain_frequency(const Design& d) { return d.band == Band::high ? 0.5L : d.band == Band::pass ? (d.lo + d.hi) / 2 : 0; }

TEST(FirGen, EveryDesignAgainstClosedForms) {
    for (Design d : {Design{Band::low, 0.2, 0}, Design{Band::high, 0.3, 0}, Design{Band::pass, 0.1, 0.3},
                     Design{Band::stop, 0.15, 0.35}, Design{Band::low, 0.49, 0}, Design{Band::high, 0.01, 0}}) {
        for (int len : {5, 6, 7, 32, 33, 101, 256}) {
            for (int win : {0, 1, 2, 3, 7}) {
                for (int normal : {0, 1}) {
                    std::vector<Vdx64f> taps(len, 99.0);
                    ASSERT_EQ(generate(d, taps.data(), len, win, normal), vdxStsNoErr);
                    std::vector<LD> want(len);
                    for (int k = 0; k < len; ++k) want[k] = ideal(d, k - (len - 1) / 2.0L, len % 2) * window(win, k, len);
                    const LD gain = normal ? response(want, gain_frequency(d)) : 1;
                    const bool anti = d.band == Band::high && len % 2 == 0;
                    Mismatches m;
                    for (int k = 0; k < len; ++k) {
                        m.expect(std::fabs(taps[k] - want[k] / gain) <= 1e-13L, int(d.band), "len", len, "win", win,
                                 "normal", normal, "k", k, "got", taps[k]);
                        m.expect(taps[k] == (anti ? -taps[len - 1 - k] : taps[len - 1 - k]), "mirror", len, "k", k);
                    }
                    EXPECT_NO_MISMATCH(m);
                }
            }
        }
    }
}

TEST(FirGen, StatusesInOrder) {
    Vdx64f t[8];
    EXPECT_EQ(vdxsFIRGenLowpass_64f(0.0, nullptr, 2, vdxWinHann, 0), vdxStsNullPtrErr);
    EXPECT_EQ(vdxsFIRGenLowpass_64f(0.2, t, 4, vdxWinHann, 0), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRGenLowpass_64f(0.2, t, 5, vdxWinHann, 0), vdxStsNoErr);
    for (double f : {0.0, 0.5, -0.1, 0.7, static_cast<double>(NAN)})
        EXPECT_EQ(vdxsFIRGenHighpass_64f(f, t, 8, vdxWinHann, 1), vdxStsSizeErr) << f;
    EXPECT_EQ(vdxsFIRGenBandpass_64f(0.3, 0.3, t, 8, vdxWinHann, 1), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRGenBandstop_64f(0.3, 0.2, t, 8, vdxWinHann, 1), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRGenBandstop_64f(0.1, 0.5, t, 8, vdxWinHann, 1), vdxStsSizeErr);
    EXPECT_EQ(vdxsFIRGenBandpass_64f(0.1, 0.2, nullptr, 3, vdxWinHann, 1), vdxStsNullPtrErr);
}

}  // namespace
