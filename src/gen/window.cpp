// Window functions: dst[n] = src[n] * w(n) for a symmetric window w of the
// vector's length N (complex elements: both parts by the same w(n)).
//
// The weights of the first half are generated in chunks, in double and then
// rounded to the element precision (float for 32f and 16s, double for 64f),
// and every chunk is applied at both ends in the same step, so the result is
// exactly symmetric; for odd N the middle element is copied unchanged (its
// weight is exactly 1 in every formula).
//
//   Bartlett  w(n) = 2n/(N-1), each value from its own index (a ramp stepped
//             by additions in float drifts by a hundred ulps within 256
//             steps);
//   Hann, Hamming, Blackman
//             w(n) = a0 - a1 cos(n theta) - a2 cos(2n theta), theta =
//             2 pi/(N-1): Hann (0.5, 0.5, 0), Hamming (0.54, 0.46, 0),
//             Blackman ((alpha+1)/2, 0.5, alpha/2).  The cosines come from
//             16 interleaved Chebyshev recurrences c(k+1) = 2 cos(step) c(k)
//             - c(k-1) in double, which the compiler keeps in vectors,
//             reseeded every 4 steps for double weights and every 16 for
//             float ones (their rounding error grows with the steps taken:
//             this keeps it within a few ulps of the weight); cos(2n theta)
//             is 2 cos(n theta)^2 - 1;
//   Kaiser    w(n) = I0(|alpha| sqrt(n (N-1-n))) / I0(|alpha| (N-1)/2), I0 by
//             the Abramowitz-Stegun polynomials, in double, in vectors
//             (window_kernels.h) with the library's exponential.
//
// The products go through the arithmetic family's Mul; the 16-bit forms
// convert each chunk to float, multiply, and convert back rounding half to
// even with saturation (BlackmanQ15_16s_ISfs scales by 2^-sf first, the
// middle element of an odd length included).
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>

#include "abi/api.h"
#include "gen/window_kernels.h"
#include "numeric/convert.h"
#include "numeric/fixed.h"
#include "numeric/types.h"
#include "runtime/checks.h"
#include "runtime/isa.h"

namespace {

using WindowVariant = vdx::Variant<vdx::WindowKernels, &vdx::window_kernels_variants>;

constexpr int kChunk = 256;  // first-half weights per step
constexpr int kLanes = 16;   // independent cosine recurrences
// Weights per run of the cosine recurrence, from one pair of direct seeds:
// kRun / kLanes steps per lane.  Its error grows with the steps taken (up
// to steps^2 / 2 ulps of double); 4 steps keep the double weights within a
// few ulps, 16 leave the float weights' rounding untouched.
template <class W>
constexpr int kRunOf = sizeof(W) == 8 ? 4 * kLanes : 16 * kLanes;
constexpr double kTwoPi = 6.283185307179586476925286766559;

enum class Shape { bartlett, cosine, kaiser };

// What defines one window: its shape and coefficients.
struct WindowDef {
    Shape shape;
    double a0 = 0, a1 = 0, a2 = 0;  // cosine windows
    double alpha = 0;               // Kaiser, |alpha|
};

WindowDef hann() { return {Shape::cosine, 0.5, 0.5, 0.0}; }
WindowDef hamming() { return {Shape::cosine, 0.54, 0.46, 0.0}; }
WindowDef bartlett() { return {Shape::bartlett}; }
// alpha arrives as a float, so alpha + 1 and alpha / 2 are exact in double
// and w(0) = a0 - 0.5 - alpha/2 is exactly 0.
WindowDef blackman(float alpha) { return {Shape::cosine, (double(alpha) + 1.0) / 2.0, 0.5, double(alpha) / 2.0}; }
WindowDef kaiser(float alpha) { return {Shape::kaiser, 0, 0, 0, std::fabs(double(alpha))}; }

float blackman_opt_alpha(int len) {
    const double r = 0.5 / std::cos(kTwoPi / 2.0 / (len - 1));
    return static_cast<float>(-(r * r));
}

float from_q15(int alphaQ15) { return static_cast<float>(alphaQ15) * (1.0f / 32768.0f); }

double bessel_i0(double x) {
    if (x < 3.75) {
        const double t = x / 3.75, t2 = t * t;
        return 1.0 + t2 * (3.5156229 + t2 * (3.0899424 + t2 * (1.2067492 +
               t2 * (0.2659732 + t2 * (0.0360768 + t2 * 0.0045813)))));
    }
    const double u = 3.75 / x;
    const double p = 0.39894228 + u * (0.01328592 + u * (0.00225319 + u * (-0.00157565 + u * (0.00916281 +
                     u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377)))))));
    return std::exp(x) / std::sqrt(x) * p;
}

// cos(l theta) and sin(l theta) for l = 0 .. kLanes, computed directly once
// per call: the seeds of every run are rotations of them.
struct LaneAngles {
    double cos[kLanes + 1], sin[kLanes + 1];
    explicit LaneAngles(double theta) {
        for (int l = 0; l <= kLanes; ++l) cos[l] = std::cos(l * theta), sin[l] = std::sin(l * theta);
    }
};

// Weights w(begin) .. w(begin+count-1) of the first half, in precision W.
template <class W>
class WeightSource {
public:
    static constexpr int kRun = kRunOf<W>;

    WeightSource(const WindowDef& def, int len) : def_(def), len_(len) {
        if (def.shape == Shape::cosine) theta_ = kTwoPi / (len - 1), angles_.emplace(theta_);
        if (def.shape == Shape::kaiser) inv_peak_ = 1.0 / bessel_i0(def.alpha * (len - 1) / 2.0);
    }

    void fill(int begin, int count, W* w) {
        switch (def_.shape) {
            case Shape::bartlett:
                for (int i = 0; i < count; ++i) w[i] = static_cast<W>(2.0 * (begin + i) / (len_ - 1));
                break;
            case Shape::cosine:
                for (int run = 0; run < count; run += kRun) fill_cosine(begin + run, w + run);
                break;
            case Shape::kaiser: fill_kaiser(begin, count, w); break;
        }
    }

private:
    // Weights of kRun indices from b on (the chunk arrays have room for the
    // whole run past the half).  Lane l runs the recurrence over b + l,
    // b + l + kLanes, ..., with step kLanes theta, seeded with
    // cos((b + l) theta) and cos((b + l - kLanes) theta) by rotating the lane
    // angles by b theta (cos(b theta), sin(b theta) directly); cos(2 n theta)
    // is 2 cos(n theta)^2 - 1.  The lanes are independent, so the compiler
    // keeps them in vectors.
    void fill_cosine(int b, W* w) const {
        const LaneAngles& a = *angles_;
        const double cb = std::cos(b * theta_), sb = std::sin(b * theta_), twice_step = 2.0 * a.cos[kLanes];
        double c[kLanes], prev[kLanes];
        for (int l = 0; l < kLanes; ++l) {
            c[l] = cb * a.cos[l] - sb * a.sin[l];
            prev[l] = cb * a.cos[kLanes - l] + sb * a.sin[kLanes - l];
        }
        const double a0 = def_.a0, a1 = def_.a1, a2 = def_.a2;
        for (int k = 0; k < kRun; k += kLanes) {
            for (int l = 0; l < kLanes; ++l) {
                w[k + l] = static_cast<W>(a0 - a1 * c[l] - a2 * (2.0 * c[l] * c[l] - 1.0));
                const double next = twice_step * c[l] - prev[l];
                prev[l] = c[l], c[l] = next;
            }
        }
    }

    // I0(|alpha| sqrt(n (N-1-n))) / I0(|alpha| (N-1)/2) by the variant's
    // vector kernels and the library's exponential, over count rounded up
    // to whole vectors of any variant (the chunk holds them), so that no
    // lane reads a value not computed.
    void fill_kaiser(int begin, int count, W* w) const {
        double x[kChunk], e[kChunk];
        const int whole = (count + 7) / 8 * 8;
        const vdx::WindowKernels& k = WindowVariant::table();
        k.kaiser_arguments(def_.alpha, len_ - 1, begin, whole, x);
        y8_vdxsExp_64f(x, e, whole);
        k.kaiser_weights(x, e, inv_peak_, whole, x);
        for (int i = 0; i < count; ++i) w[i] = static_cast<W>(x[i]);
    }

    WindowDef def_;
    int len_;
    double theta_ = 0, inv_peak_ = 1;
    std::optional<LaneAngles> angles_;
};

template <class E>
using WeightOf = std::conditional_t<std::is_same_v<vdx::PartOf<E>, Vdx64f>, Vdx64f, Vdx32f>;

// d[i] = s[i] * w[i] over `parts` parts, in the weight precision.
inline void multiply(const Vdx32f* s, const Vdx32f* w, Vdx32f* d, int parts) { y8_vdxsMul_32f(s, w, d, parts); }
inline void multiply(const Vdx64f* s, const Vdx64f* w, Vdx64f* d, int parts) { y8_vdxsMul_64f(s, w, d, parts); }
inline void multiply(const Vdx16s* s, const Vdx32f* w, Vdx16s* d, int parts, int sf) {
    Vdx32f wide[2 * kChunk];
    vdx::convert_16s32f(s, wide, parts);
    y8_vdxsMul_32f(wide, w, wide, parts);
    vdx::convert_32f16s_sfs(wide, d, parts, sf);
}

template <class P, class W>
inline void multiply_parts(const P* s, const W* w, P* d, int parts, int sf) {
    if constexpr (std::is_same_v<P, Vdx16s>) {
        multiply(s, w, d, parts, sf);
    } else {
        multiply(s, w, d, parts);
    }
}

// The middle element of an odd length (weight exactly 1): copied, or for a
// scaled 16-bit form scaled like every other element.
template <class E>
inline void copy_middle(const E& s, E& d, int sf) {
    if constexpr (std::is_same_v<E, Vdx16s>) {
        d = vdx::scale_round_sat<Vdx16s>(s, sf);
    } else {
        d = s;
    }
}

// The window applied to len elements (checks done); src may be dst.
template <class E>
void apply_window(const E* src, E* dst, int len, const WindowDef& def, int sf) {
    using P = vdx::PartOf<E>;
    using W = WeightOf<E>;
    constexpr int kParts = vdx::is_complex<E> ? 2 : 1;
    const P* s = reinterpret_cast<const P*>(src);
    P* d = reinterpret_cast<P*>(dst);
    const int half = len / 2;
    WeightSource<W> source(def, len);
    W w[kChunk], front[kParts * kChunk], back[kParts * kChunk];
    for (int begin = 0; begin < half; begin += kChunk) {
        const int count = half - begin < kChunk ? half - begin : kChunk;
        source.fill(begin, count, w);
        // front: w(begin) .. in order; back: the mirrored elements
        // len-begin-count .. len-1-begin take w in reverse.
        for (int i = 0; i < count; ++i) {
            for (int p = 0; p < kParts; ++p) {
                front[kParts * i + p] = w[i];
                back[kParts * (count - 1 - i) + p] = w[i];
            }
        }
        const long tail = static_cast<long>(len - begin - count) * kParts;
        multiply_parts(s + static_cast<long>(begin) * kParts, front, d + static_cast<long>(begin) * kParts,
                       count * kParts, sf);
        multiply_parts(s + tail, back, d + tail, count * kParts, sf);
    }
    if (len % 2 != 0) copy_middle(src[half], dst[half], sf);
}

// ---------------------------------------------------------------- checks

// Bartlett, Hann, Hamming, Blackman (also Std and Q15): N >= 3.
template <class E>
VdxStatus cosine_family(const E* src, E* dst, int len, const WindowDef& def, int sf = 0) {
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    if (len < 3) return vdxStsSizeErr;
    apply_window(src, dst, len, def, sf);
    return vdxStsNoErr;
}

// BlackmanOpt: N >= 4, tested before the pointers.
template <class E>
VdxStatus blackman_opt(const E* src, E* dst, int len) {
    if (len < 4) return vdxStsSizeErr;
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    apply_window(src, dst, len, blackman(blackman_opt_alpha(len)), 0);
    return vdxStsNoErr;
}

// Kaiser: N >= 1, then |alpha| (N-1)/2 at most 38 for the float forms and
// 308 for every other (a NaN alpha is refused as well).
template <class E>
VdxStatus kaiser_family(const E* src, E* dst, int len, float alpha) {
    if (vdx::any_null(src, dst)) return vdxStsNullPtrErr;
    if (len < 1) return vdxStsSizeErr;
    constexpr double kLimit = std::is_same_v<vdx::PartOf<E>, Vdx32f> ? 38.0 : 308.0;
    if (!(std::fabs(double(alpha)) * (len - 1) / 2.0 <= kLimit)) return vdxStsKaiserAlphaErr;
    apply_window(src, dst, len, kaiser(alpha), 0);
    return vdxStsNoErr;
}

}  // namespace

// ---- rows: one per element type (code, type), each window out of place and in place

#define VDX_WIN_PLAIN(name, code, E, make)                                                         \
    extern "C" VdxStatus y8_vdxsWin##name##_##code(const E* pSrc, E* pDst, int len) noexcept {     \
        return cosine_family(pSrc, pDst, len, make);                                               \
    }                                                                                              \
    extern "C" VdxStatus y8_vdxsWin##name##_##code##_I(E* pSrcDst, int len) noexcept {             \
        return cosine_family<E>(pSrcDst, pSrcDst, len, make);                                      \
    }

#define VDX_WIN_ROW(code, E)                                                                                   \
    VDX_WIN_PLAIN(Bartlett, code, E, bartlett())                                                               \
    VDX_WIN_PLAIN(Hann, code, E, hann())                                                                       \
    VDX_WIN_PLAIN(Hamming, code, E, hamming())                                                                 \
    VDX_WIN_PLAIN(BlackmanStd, code, E, blackman(-0.16f))                                                      \
    extern "C" VdxStatus y8_vdxsWinBlackman_##code(const E* pSrc, E* pDst, int len, Vdx32f alpha) noexcept {   \
        return cosine_family(pSrc, pDst, len, blackman(alpha));                                                \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsWinBlackman_##code##_I(E* pSrcDst, int len, Vdx32f alpha) noexcept {           \
        return cosine_family<E>(pSrcDst, pSrcDst, len, blackman(alpha));                                       \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsWinBlackmanOpt_##code(const E* pSrc, E* pDst, int len) noexcept {              \
        return blackman_opt(pSrc, pDst, len);                                                                  \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsWinBlackmanOpt_##code##_I(E* pSrcDst, int len) noexcept {                      \
        return blackman_opt<E>(pSrcDst, pSrcDst, len);                                                         \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsWinKaiser_##code(const E* pSrc, E* pDst, int len, Vdx32f alpha) noexcept {     \
        return kaiser_family(pSrc, pDst, len, alpha);                                                          \
    }                                                                                                          \
    extern "C" VdxStatus y8_vdxsWinKaiser_##code##_I(E* pSrcDst, int len, Vdx32f alpha) noexcept {             \
        return kaiser_family<E>(pSrcDst, pSrcDst, len, alpha);                                                 \
    }

#define VDX_WIN_Q15_ROW(code, E)                                                                                \
    extern "C" VdxStatus y8_vdxsWinBlackmanQ15_##code(const E* pSrc, E* pDst, int len, int alphaQ15) noexcept { \
        return cosine_family(pSrc, pDst, len, blackman(from_q15(alphaQ15)));                                    \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsWinBlackmanQ15_##code##_I(E* pSrcDst, int len, int alphaQ15) noexcept {         \
        return cosine_family<E>(pSrcDst, pSrcDst, len, blackman(from_q15(alphaQ15)));                           \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsWinKaiserQ15_##code(const E* pSrc, E* pDst, int len, int alphaQ15) noexcept {   \
        return kaiser_family(pSrc, pDst, len, from_q15(alphaQ15));                                              \
    }                                                                                                           \
    extern "C" VdxStatus y8_vdxsWinKaiserQ15_##code##_I(E* pSrcDst, int len, int alphaQ15) noexcept {           \
        return kaiser_family<E>(pSrcDst, pSrcDst, len, from_q15(alphaQ15));                                     \
    }

VDX_WIN_ROW(16s, Vdx16s)
VDX_WIN_ROW(16sc, Vdx16sc)
VDX_WIN_ROW(32f, Vdx32f)
VDX_WIN_ROW(32fc, Vdx32fc)
VDX_WIN_ROW(64f, Vdx64f)
VDX_WIN_ROW(64fc, Vdx64fc)
VDX_WIN_Q15_ROW(16s, Vdx16s)
VDX_WIN_Q15_ROW(16sc, Vdx16sc)

extern "C" VdxStatus y8_vdxsWinBlackmanQ15_16s_ISfs(Vdx16s* pSrcDst, int len, int alphaQ15, int scaleFactor) noexcept {
    return cosine_family<Vdx16s>(pSrcDst, pSrcDst, len, blackman(from_q15(alphaQ15)), scaleFactor);
}

#undef VDX_WIN_Q15_ROW
#undef VDX_WIN_ROW
#undef VDX_WIN_PLAIN
