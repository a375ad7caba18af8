// Goertzel: single spectral values at one or two relative frequencies.
//
// For each frequency r: w = 2*pi*r in double, c = cos(w), s = sin(w) from one
// sincos; with S[-1] = S[-2] = 0,
//     S[n] = x[n] + 2c*S[n-1] - S[n-2]      (evaluated in that order)
// per component, and the value is e^(iw)*S[len-1] - S[len-2]:
//     (c*S1.re - S2.re - s*S1.im,  c*S1.im - S2.im + s*S1.re).
// Every form runs the recurrence in double, whatever its element type, and
// rounds once at the end: to float for the 32f forms; times 2^-scaleFactor,
// rounded half to even and saturated for the 16-bit forms.  The Two forms
// run both recurrences in the same pass over the input.
#include <cmath>
#include <type_traits>

#include "abi/api.h"
#include "numeric/fixed.h"
#include "numeric/types.h"
#include "runtime/checks.h"

namespace {

template <class T>
double real_part(T x) noexcept {
    if constexpr (vdx::is_complex<T>) {
        return static_cast<double>(x.re);
    } else {
        return static_cast<double>(x);
    }
}

template <class T>
double imag_part(T x) noexcept {
    if constexpr (vdx::is_complex<T>) {
        return static_cast<double>(x.im);
    } else {
        return 0.0;
    }
}

struct Tone {
    double c, s;
};

Tone tone_of(double rfreq) noexcept {
    Tone t;
    sincos(2.0 * 3.14159265358979323846 * rfreq, &t.s, &t.c);
    return t;
}

// A relative frequency in [0, 1); NaN is not.
template <class F>
bool frequency_accepted(F r) noexcept {
    return r >= F(0) && r < F(1);
}

struct Value {
    double re, im;
};

// The recurrence for F tones over len elements.
template <int F, class T>
void goertzel(const T* x, int len, const Tone* tone, Value* out) noexcept {
    constexpr bool kComplex = vdx::is_complex<T>;
    double k[F], s1re[F] = {}, s1im[F] = {}, s2re[F] = {}, s2im[F] = {};
    for (int f = 0; f < F; ++f) k[f] = 2.0 * tone[f].c;
    for (int n = 0; n < len; ++n) {
        const double xr = real_part(x[n]);
        const double xi = imag_part(x[n]);
        for (int f = 0; f < F; ++f) {
            const double re = xr + k[f] * s1re[f] - s2re[f];
            s2re[f] = s1re[f];
            s1re[f] = re;
            if constexpr (kComplex) {
                const double im = xi + k[f] * s1im[f] - s2im[f];
                s2im[f] = s1im[f];
                s1im[f] = im;
            }
        }
    }
    for (int f = 0; f < F; ++f) {
        const double c = tone[f].c, s = tone[f].s;
        out[f].re = c * s1re[f] - s2re[f] - s * s1im[f];
        out[f].im = c * s1im[f] - s2im[f] + s * s1re[f];
    }
}

template <class D>
D store(Value v, int sf) noexcept {
    using P = vdx::PartOf<D>;
    if constexpr (vdx::is_floating<P>) {
        (void)sf;
        return D{static_cast<P>(v.re), static_cast<P>(v.im)};
    } else {
        return D{vdx::convert_sfs<P>(v.re, sf, vdxRndNear), vdx::convert_sfs<P>(v.im, sf, vdxRndNear)};
    }
}

// Relative frequencies of the interface: the element precision, float for
// the 16-bit forms, or Q15 (r * 2^-15; negative ones refused).
template <class F>
double relative(F r) noexcept {
    if constexpr (std::is_same_v<F, Vdx16s>) {
        return static_cast<double>(r) * (1.0 / 32768.0);
    } else {
        return static_cast<double>(r);
    }
}

template <int N, class T, class D, class F>
VdxStatus goertz(const T* src, int len, D* val, const F* freq, int sf) noexcept {
    VDX_RETURN_IF_ERROR(vdx::check_vectors(len, src, val, freq));
    Tone tone[N];
    for (int f = 0; f < N; ++f) {
        if (!frequency_accepted(relative(freq[f]))) return vdxStsRelFreqErr;
        tone[f] = tone_of(relative(freq[f]));
    }
    Value out[N];
    goertzel<N>(src, len, tone, out);
    for (int f = 0; f < N; ++f) val[f] = store<D>(out[f], sf);
    return vdxStsNoErr;
}

}  // namespace

// ---- rows: (name, input, value, frequency)

#define VDX_GOERTZ(name, T, D, F)                                                                   \
    extern "C" VdxStatus y8_vdxsGoertz##name(const T* pSrc, int len, D* pVal, F rFreq) noexcept {   \
        return goertz<1>(pSrc, len, pVal, &rFreq, 0);                                              \
    }                                                                                              \
    extern "C" VdxStatus y8_vdxsGoertzTwo##name(const T* pSrc, int len, D pVal[2], const F rFreq[2]) noexcept { \
        return goertz<2>(pSrc, len, pVal, rFreq, 0);                                               \
    }
VDX_GOERTZ(_32fc, Vdx32fc, Vdx32fc, Vdx32f)
VDX_GOERTZ(_64fc, Vdx64fc, Vdx64fc, Vdx64f)
VDX_GOERTZ(_32f, Vdx32f, Vdx32fc, Vdx32f)
VDX_GOERTZ(_64f, Vdx64f, Vdx64fc, Vdx64f)
#undef VDX_GOERTZ

extern "C" VdxStatus y8_vdxsGoertz_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, Vdx32f rFreq,
                                           int scaleFactor) noexcept {
    return goertz<1>(pSrc, len, pVal, &rFreq, scaleFactor);
}
extern "C" VdxStatus y8_vdxsGoertz_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16sc* pVal, Vdx32f rFreq,
                                          int scaleFactor) noexcept {
    return goertz<1>(pSrc, len, pVal, &rFreq, scaleFactor);
}
extern "C" VdxStatus y8_vdxsGoertzQ15_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, Vdx16s rFreqQ15,
                                              int scaleFactor) noexcept {
    return goertz<1>(pSrc, len, pVal, &rFreqQ15, scaleFactor);
}
extern "C" VdxStatus y8_vdxsGoertzTwo_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, const Vdx32f* rFreq,
                                              int scaleFactor) noexcept {
    return goertz<2>(pSrc, len, pVal, rFreq, scaleFactor);
}
extern "C" VdxStatus y8_vdxsGoertzTwoQ15_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal,
                                                 const Vdx16s* rFreqQ15, int scaleFactor) noexcept {
    return goertz<2>(pSrc, len, pVal, rFreqQ15, scaleFactor);
}
