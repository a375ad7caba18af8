// FIR design by the window method: the ideal impulse response of a lowpass,
// highpass, bandpass or bandstop filter, truncated to L = tapsLen taps around
// its centre, multiplied by a window and optionally normalised to unit gain.
//
// With H = L/2 (rounded down), the taps left of the centre are computed:
// tap H-1-n lies at distance m = n+1 (odd L; the centre tap is index H) or
// m = n + 1/2 (even L) from the centre.  Ideal responses at distance m, in
// double:
//   lowpass   sin(2 pi f m) / (pi m), centre 2f;
//   highpass  odd L: -sin(2 pi f m) / (pi m), centre 1 - 2f;
//             even L: cos(2 pi f m) / (pi m) with an antisymmetric right
//             half (a symmetric even-length filter is 0 at half the
//             sampling rate);
//   bandpass  (sin(2 pi fh m) - sin(2 pi fl m)) / (pi m), centre 2 (fh - fl);
//   bandstop  (sin(pi m) - sin(2 pi fh m) + sin(2 pi fl m)) / (pi m), centre
//             1 - 2 (fh - fl): the all-pass response minus the band (for even
//             L the filter is symmetric and therefore 0 at half the sampling
//             rate).
// The right half is zeroed, the window of the whole length applied (the
// window family's 64f in-place forms), so that only the left half and the
// centre carry it; then the optional normalisation divides by the gain at a
// frequency of the pass band (lowpass and bandstop 0, highpass 1/2, bandpass
// (fl + fh)/2), and the left half is mirrored (negated for the even
// highpass).  Taps are computed directly, without scratch memory.
#include <cmath>

#include "abi/api.h"

namespace {

constexpr double kPi = 3.14159265358979323846264338327950288;

enum class Band { lowpass, highpass, bandpass, bandstop };

struct Design {
    Band band;
    double lo, hi;  // edge frequencies; lowpass and highpass use lo
};

double distance(int n, bool odd) { return odd ? n + 1.0 : n + 0.5; }

double ideal(const Design& d, double m, bool odd) {
    const double pm = kPi * m;
    switch (d.band) {
        case Band::lowpass: return std::sin(2 * kPi * d.lo * m) / pm;
        case Band::highpass: return odd ? -std::sin(2 * kPi * d.lo * m) / pm : std::cos(2 * kPi * d.lo * m) / pm;
        case Band::bandpass: return (std::sin(2 * kPi * d.hi * m) - std::sin(2 * kPi * d.lo * m)) / pm;
        case Band::bandstop:
            return ((odd ? 0.0 : std::sin(pm)) - std::sin(2 * kPi * d.hi * m) + std::sin(2 * kPi * d.lo * m)) / pm;
    }
    return 0;
}

double centre(const Design& d) {
    switch (d.band) {
        case Band::lowpass: return 2 * d.lo;
        case Band::highpass: return 1 - 2 * d.lo;
        case Band::bandpass: return 2 * (d.hi - d.lo);
        case Band::bandstop: return 1 - 2 * (d.hi - d.lo);
    }
    return 0;
}

bool antisymmetric(const Design& d, bool odd) { return d.band == Band::highpass && !odd; }

double gain_frequency(const Design& d) {
    switch (d.band) {
        case Band::lowpass: case Band::bandstop: return 0.0;
        case Band::highpass: return 0.5;
        case Band::bandpass: return (d.lo + d.hi) / 2;
    }
    return 0;
}

// |response| at frequency f of the filter the left half and centre define:
// the symmetric taps pair into 2 h cos(2 pi f m), antisymmetric ones into
// 2 h sin(2 pi f m).
double gain(const Design& d, const Vdx64f* taps, int len) {
    const bool odd = len % 2 != 0;
    const int half = len / 2;
    const double f = gain_frequency(d);
    double sum = odd ? taps[half] : 0.0;
    for (int n = 0; n < half; ++n) {
        const double m = distance(n, odd);
        const double phase = antisymmetric(d, odd) ? std::sin(2 * kPi * f * m) : std::cos(2 * kPi * f * m);
        sum += 2 * taps[half - 1 - n] * phase;
    }
    return std::fabs(sum);
}

void apply_window(Vdx64f* taps, int len, int winType) {
    switch (winType) {
        case vdxWinBartlett: y8_vdxsWinBartlett_64f_I(taps, len); break;
        case vdxWinBlackmanOpt: y8_vdxsWinBlackmanOpt_64f_I(taps, len); break;
        case vdxWinHamming: y8_vdxsWinHamming_64f_I(taps, len); break;
        case vdxWinHann: y8_vdxsWinHann_64f_I(taps, len); break;
        default: break;  // the truncated ideal response
    }
}

bool inside_band(double f) { return f > 0.0 && f < 0.5; }

VdxStatus design(const Design& d, Vdx64f* taps, int len, int winType, int doNormal) {
    if (taps == nullptr) return vdxStsNullPtrErr;
    if (len < 5 || !inside_band(d.lo)) return vdxStsSizeErr;
    if ((d.band == Band::bandpass || d.band == Band::bandstop) && !(inside_band(d.hi) && d.lo < d.hi))
        return vdxStsSizeErr;
    const bool odd = len % 2 != 0;
    const int half = len / 2;
    for (int n = 0; n < half; ++n) taps[half - 1 - n] = ideal(d, distance(n, odd), odd);
    if (odd) taps[half] = centre(d);
    for (int i = (len + 1) / 2; i < len; ++i) taps[i] = 0.0;
    apply_window(taps, len, winType);
    if (doNormal != 0) {
        const double inv = 1.0 / gain(d, taps, len);
        for (int i = 0; i < (len + 1) / 2; ++i) taps[i] *= inv;
    }
    const double sign = antisymmetric(d, odd) ? -1.0 : 1.0;
    for (int n = 0; n < half; ++n) taps[len - 1 - n] = sign * taps[n];
    return vdxStsNoErr;
}

}  // namespace

extern "C" VdxStatus y8_vdxsFIRGenLowpass_64f(Vdx64f rFreq, Vdx64f* pTaps, int tapsLen, int winType,
                                            int doNormal) noexcept {
    return design({Band::lowpass, rFreq, 0}, pTaps, tapsLen, winType, doNormal);
}
extern "C" VdxStatus y8_vdxsFIRGenHighpass_64f(Vdx64f rFreq, Vdx64f* pTaps, int tapsLen, int winType,
                                             int doNormal) noexcept {
    return design({Band::highpass, rFreq, 0}, pTaps, tapsLen, winType, doNormal);
}
extern "C" VdxStatus y8_vdxsFIRGenBandpass_64f(Vdx64f rLowFreq, Vdx64f rHighFreq, Vdx64f* pTaps, int tapsLen,
                                             int winType, int doNormal) noexcept {
    return design({Band::bandpass, rLowFreq, rHighFreq}, pTaps, tapsLen, winType, doNormal);
}
extern "C" VdxStatus y8_vdxsFIRGenBandstop_64f(Vdx64f rLowFreq, Vdx64f rHighFreq, Vdx64f* pTaps, int tapsLen,
                                             int winType, int doNormal) noexcept {
    return design({Band::bandstop, rLowFreq, rHighFreq}, pTaps, tapsLen, winType, doNormal);
}
