// Integer FFT families (C_16sc, C_16s, R_16s, C_32sc, C_32s, R_32s,
// R_16s32s), black box, once per kernel variant (CTest runs the program
// twice).
//
// Oracle: a long-double DFT of the integer input (angles reduced exactly as
// n k mod N), times the flag's factor and 2^-sf, rounded half to even and
// saturated to the destination type.  Every result must lie within 1 of that
// value: the float paths at these orders and the fixed-point core alike.  A
// wrong twiddle, shift, slot or rounding rule is off by far more; saturation,
// huge scale factors and impulses under power-of-two factors are exact.  In
// place, out of place, null and caller buffers must agree bit for bit.
// Objects themselves: fft_object_test.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "fft_threads.h"
#include "mismatches.h"
#include "vdxs.h"

namespace {

using V = std::vector<long long>;
using CL = std::complex<long double>;
const int kFlags[] = {VDX_FFT_DIV_FWD_BY_N, VDX_FFT_DIV_INV_BY_N, VDX_FFT_DIV_BY_SQRTN, VDX_FFT_NODIV_BY_ANY};
enum Layout { kPack, kPerm, kCcs };

// One family behind a common face: values travel as long long, complex data
// interleaved (re, im); `null_arg` 1 or 2 passes a null source or destination
// (the second array of the split forms).
struct Fam {
    const char* name;
    bool real;
    int fwd_in_bits, fwd_out_bits;
    std::function<VdxStatus(void**, int, int, int)> init_alloc;
    std::function<VdxStatus(void*)> free;
    std::function<VdxStatus(const void*, int*)> buf_size;
    std::function<VdxStatus(const void*, bool, int, bool, const V&, V&, int, Vdx8u*, int)> run;
};

template <class T>
std::vector<T> typed(const V& v) {
    return std::vector<T>(v.begin(), v.end());
}

#define SPEC_FNS(S)                                                                                                    \
        [](void** p, int o, int f, int h) {                                                                            \
            return vdxsFFTInitAlloc_##S(reinterpret_cast<VdxsFFTSpec_##S**>(p), o, f, VdxHintAlgorithm(h));            \
        },                                                                                                             \
        [](void* p) { return vdxsFFTFree_##S(static_cast<VdxsFFTSpec_##S*>(p)); },                                     \
        [](const void* p, int* s) { return vdxsFFTGetBufSize_##S(static_cast<const VdxsFFTSpec_##S*>(p), s); }

#define INTERLEAVED(S, T, C, E)                                                                                  \
    Fam{#S, false, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S),                                          \
        [](const void* sp, bool inv, int, bool ip, const V& src, V& dst, int sf, Vdx8u* buf, int nul) {                \
            auto s = typed<T>(src), d = typed<T>(dst);                                                                 \
            if (ip) d = s;                                                                                             \
            auto* spec = static_cast<const VdxsFFTSpec_##S*>(sp);                                                      \
            C* ps = nul == 1 ? nullptr : reinterpret_cast<C*>(ip ? d.data() : s.data());                               \
            C* pd = nul == 2 ? nullptr : reinterpret_cast<C*>(d.data());                                               \
            VdxStatus st = ip && nul == 0                                                                              \
                               ? (inv ? vdxsFFTInv_CToC_##E##_ISfs : vdxsFFTFwd_CToC_##E##_ISfs)(pd, spec, sf, buf)    \
                               : (inv ? vdxsFFTInv_CToC_##E##_Sfs : vdxsFFTFwd_CToC_##E##_Sfs)(ps, pd, spec, sf, buf); \
            dst.assign(d.begin(), d.end());                                                                            \
            return st;                                                                                                 \
        }}

#define SPLIT(S, T, E)                                                                                           \
    Fam{#S, false, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S),                                          \
        [](const void* sp, bool inv, int, bool ip, const V& src, V& dst, int sf, Vdx8u* buf, int nul) {                \
            const size_t n = src.size() / 2;                                                                           \
            std::vector<T> sr(n), si(n), dr(n), di(n);                                                                 \
            for (size_t k = 0; k < n; ++k) sr[k] = T(src[2 * k]), si[k] = T(src[2 * k + 1]), dr[k] = T(dst[2 * k]), di[k] = T(dst[2 * k + 1]); \
            auto* spec = static_cast<const VdxsFFTSpec_##S*>(sp);                                                      \
            VdxStatus st;                                                                                              \
            if (ip && nul == 0) {                                                                                      \
                dr = sr, di = si;                                                                                      \
                st = (inv ? vdxsFFTInv_CToC_##E##_ISfs : vdxsFFTFwd_CToC_##E##_ISfs)(dr.data(), di.data(), spec, sf, buf); \
            } else {                                                                                                   \
                st = (inv ? vdxsFFTInv_CToC_##E##_Sfs : vdxsFFTFwd_CToC_##E##_Sfs)(                                    \
                    sr.data(), nul == 1 ? nullptr : si.data(), dr.data(), nul == 2 ? nullptr : di.data(), spec, sf, buf); \
            }                                                                                                          \
            for (size_t k = 0; k < n; ++k) dst[2 * k] = dr[k], dst[2 * k + 1] = di[k];                                 \
            return st;                                                                                                 \
        }}

#define REAL(S, T, E)                                                                                            \
    Fam{#S, true, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S),                                           \
        [](const void* sp, bool inv, int l, bool ip, const V& src, V& dst, int sf, Vdx8u* buf, int nul) {              \
            using Fn = VdxStatus (*)(const T*, T*, const VdxsFFTSpec_##S*, int, Vdx8u*);                               \
            using FnI = VdxStatus (*)(T*, const VdxsFFTSpec_##S*, int, Vdx8u*);                                        \
            static const Fn fwd[] = {vdxsFFTFwd_RToPack_##E##_Sfs, vdxsFFTFwd_RToPerm_##E##_Sfs, vdxsFFTFwd_RToCCS_##E##_Sfs}; \
            static const Fn bwd[] = {vdxsFFTInv_PackToR_##E##_Sfs, vdxsFFTInv_PermToR_##E##_Sfs, vdxsFFTInv_CCSToR_##E##_Sfs}; \
            static const FnI fwdI[] = {vdxsFFTFwd_RToPack_##E##_ISfs, vdxsFFTFwd_RToPerm_##E##_ISfs, vdxsFFTFwd_RToCCS_##E##_ISfs}; \
            static const FnI bwdI[] = {vdxsFFTInv_PackToR_##E##_ISfs, vdxsFFTInv_PermToR_##E##_ISfs, vdxsFFTInv_CCSToR_##E##_ISfs}; \
            auto* spec = static_cast<const VdxsFFTSpec_##S*>(sp);                                                      \
            auto s = typed<T>(src), d = typed<T>(dst);                                                                 \
            if (ip) d.resize(std::max(s.size(), d.size())), std::copy(s.begin(), s.end(), d.begin());                  \
            const VdxStatus st = ip && nul == 0 ? (inv ? bwdI : fwdI)[l](d.data(), spec, sf, buf)                      \
                                                : (inv ? bwd : fwd)[l](nul == 1 ? nullptr : s.data(),                  \
                                                                       nul == 2 ? nullptr : d.data(), spec, sf, buf);  \
            for (size_t k = 0; k < dst.size(); ++k) dst[k] = d[k];                                                     \
            return st;                                                                                                 \
        }}

const std::vector<Fam>& families() {
    static const std::vector<Fam> f = {
        INTERLEAVED(C_16sc, Vdx16s, Vdx16sc, 16sc),
        SPLIT(C_16s, Vdx16s, 16s),
        REAL(R_16s, Vdx16s, 16s),
        INTERLEAVED(C_32sc, Vdx32s, Vdx32sc, 32sc),
        SPLIT(C_32s, Vdx32s, 32s),
        REAL(R_32s, Vdx32s, 32s),
        Fam{"R_16s32s", true, 16, 32, SPEC_FNS(R_16s32s),
            [](const void* sp, bool inv, int, bool, const V& src, V& dst, int sf, Vdx8u* buf, int nul) {
                auto* spec = static_cast<const VdxsFFTSpec_R_16s32s*>(sp);
                auto s16 = typed<Vdx16s>(src), d16 = typed<Vdx16s>(dst);
                auto s32 = typed<Vdx32s>(src), d32 = typed<Vdx32s>(dst);
                const VdxStatus st =
                    inv ? vdxsFFTInv_CCSToR_32s16s_Sfs(nul == 1 ? nullptr : s32.data(), nul == 2 ? nullptr : d16.data(), spec, sf, buf)
                        : vdxsFFTFwd_RToCCS_16s32s_Sfs(nul == 1 ? nullptr : s16.data(), nul == 2 ? nullptr : d32.data(), spec, sf, buf);
                if (inv) dst.assign(d16.begin(), d16.end());
                else dst.assign(d32.begin(), d32.end());
                return st;
            }},
    };
    return f;
}

// An InitAlloc object, released at the end of the scope.
struct Spec {
    const Fam& f;
    void* spec = nullptr;
    int buf_size = 0;
    Spec(const Fam& fam, int order, int flag, int hint) : f(fam) {
        EXPECT_EQ(f.init_alloc(&spec, order, flag, hint), vdxStsNoErr) << f.name << " order " << order;
        f.buf_size(spec, &buf_size);
    }
    ~Spec() { f.free(spec); }
};

long long bound_of(int bits, bool hi) { return hi ? (1LL << (bits - 1)) - 1 : -(1LL << (bits - 1)); }

long long round_sat(long double v, int bits) {
    const long double r = nearbyintl(v);  // ties to even in the default mode
    if (r > bound_of(bits, true)) return bound_of(bits, true);
    if (r < bound_of(bits, false)) return bound_of(bits, false);
    return static_cast<long long>(r);
}

// Exact DFT of N complex values (interleaved), sign -1 forward, +1 inverse.
std::vector<CL> dft(const std::vector<CL>& x, int sign) {
    const long long n = static_cast<long long>(x.size());
    std::vector<CL> w(n), out(n);
    for (long long j = 0; j < n; ++j) {
        const long double t = sign * 2.0L * 3.14159265358979323846264338327950288L * j / n;
        w[j] = CL(cosl(t), sinl(t));
    }
    for (long long k = 0; k < n; ++k) {
        CL acc = 0;
        for (long long j = 0; j < n; ++j) acc += x[j] * w[(j * k) % n];
        out[k] = acc;
    }
    return out;
}

long double factor(int flag, bool inv, int order) {
    const long double n = std::ldexp(1.0L, order);
    if (flag == VDX_FFT_DIV_BY_SQRTN) return 1.0L / sqrtl(n);
    if ((flag == VDX_FFT_DIV_FWD_BY_N && !inv) || (flag == VDX_FFT_DIV_INV_BY_N && inv)) return 1.0L / n;
    return 1.0L;
}

// Slot of R[k] and of I[k] (-1: not stored) in a layout of N reals.
std::pair<int, int> slots(int l, int k, int n) {
    if (k == 0) return {0, l == kCcs ? 1 : -1};
    if (2 * k == n) return {l == kPack ? n - 1 : l == kPerm ? 1 : n, l == kCcs ? n + 1 : -1};
    const int re = l == kPack ? 2 * k - 1 : 2 * k;
    return {re, re + 1};
}

// The exact transform of one call's input.
std::vector<CL> reference(const Fam& f, bool inv, int l, int order, const V& src) {
    const int n = 1 << order;
    std::vector<CL> x(n);
    if (!f.real) {
        for (int k = 0; k < n; ++k) x[k] = CL(src[2 * k], src[2 * k + 1]);
    } else if (!inv) {
        for (int k = 0; k < n; ++k) x[k] = CL(src[k], 0);
    } else {  // the conjugate-symmetric spectrum; I[0] and I[N/2] unread
        for (int k = 0; k <= n / 2; ++k) {
            const auto s = slots(l, k, n);
            const bool realOnly = k == 0 || 2 * k == n;
            x[k] = CL(src[s.first], realOnly ? 0 : src[s.second]);
            if (k > 0) x[n - k] = std::conj(x[k]);
        }
    }
    return dft(x, inv ? 1 : -1);
}

// The expected output: the exact transform scaled, rounded and saturated.
V expected(const Fam& f, bool inv, int l, int order, int flag, int sf, const std::vector<CL>& X) {
    const int n = 1 << order;
    const long double scale = factor(flag, inv, order) * std::ldexp(1.0L, sf < -100 ? 100 : sf > 100 ? -100 : -sf);
    const int out_bits = inv ? f.fwd_in_bits : f.fwd_out_bits;
    V out;
    if (!f.real) {
        for (int k = 0; k < n; ++k) {
            out.push_back(round_sat(X[k].real() * scale, out_bits));
            out.push_back(round_sat(X[k].imag() * scale, out_bits));
        }
    } else if (inv) {
        for (int k = 0; k < n; ++k) out.push_back(round_sat(X[k].real() * scale, out_bits));
    } else {
        out.assign(l == kCcs ? (n == 1 ? 2 : n + 2) : n, 0);
        for (int k = 0; k <= n / 2; ++k) {
            const auto s = slots(l, k, n);
            out[s.first] = round_sat(X[k].real() * scale, out_bits);
            // X[0] and X[N/2] of a real signal are real: their CCS slots hold 0
            if (s.second >= 0) out[s.second] = k == 0 || 2 * k == n ? 0 : round_sat(X[k].imag() * scale, out_bits);
        }
    }
    return out;
}

std::mt19937_64 rng{0x1F7};

V random_values(size_t count, int bits) {
    std::uniform_int_distribution<long long> d(bound_of(bits, false), bound_of(bits, true));
    V v(count);
    for (auto& x : v) x = d(rng);
    return v;
}

// The scale factor that brings a direction's result back to the input's
// scale (what the flag leaves unscaled).
int natural_sf(int flag, bool inv, int order) {
    if (flag == VDX_FFT_DIV_BY_SQRTN) return (order + 1) / 2;
    return factor(flag, inv, order) == 1.0L ? order : 0;
}

// Every family x order 0..6 and 10 x direction x layout x flag x hint (the
// fixed-point core for the 16-bit families at orders 1..3 with hint none or
// fast, the float path otherwise) x scale factors around the natural one and
// far beyond (exact saturation and zeroing), in place and out of place, with
// and without a caller buffer.  An impulse of 16-bit size has an exact flat
// transform: under a power-of-two factor every path must round it exactly,
// half to even (SQRTN: only the core's shifts; the float factor is an
// estimate).
TEST(FftInt, MatchesExactDftEverywhere) {
    for (const Fam& f : families()) {
        Mismatches m, paths;
        for (int order : {0, 1, 2, 3, 4, 5, 6, 10}) {
            const int n = 1 << order;
            for (int flag : kFlags) {
                for (int hint : {vdxAlgHintNone, vdxAlgHintFast, vdxAlgHintAccurate}) {
                    if ((order >= 4 && hint != vdxAlgHintNone) || (order == 10 && flag != VDX_FFT_DIV_BY_SQRTN)) continue;
                    Spec spec(f, order, flag, hint);
                    std::vector<Vdx8u> buf(spec.buf_size + 32);
                    for (bool inv : {false, true}) {
                        for (int l : {kPack, kPerm, kCcs}) {
                            if ((!f.real && l != kPack) || (f.real && f.fwd_in_bits != f.fwd_out_bits && l != kCcs)) continue;
                            const int in_bits = inv ? f.fwd_out_bits : f.fwd_in_bits;
                            const size_t ccs = n == 1 ? 2 : n + 2;  // N = 1: R[0], 0
                            const size_t in_len = f.real ? (inv && l == kCcs ? ccs : n) : 2 * n;
                            const size_t out_len = f.real ? (!inv && l == kCcs ? ccs : n) : 2 * n;
                            const V src = random_values(in_len, in_bits);
                            V imp(in_len, 0);
                            imp[0] = src[0] / (1LL << (in_bits - 16));
                            const std::vector<CL> X = reference(f, inv, l, order, src), Y = reference(f, inv, l, order, imp);
                            const bool ip = !f.real || f.fwd_in_bits == f.fwd_out_bits;
                            const bool core = f.fwd_out_bits == 16 && order >= 1 && order <= 3 && hint != vdxAlgHintAccurate;
                            const bool exact = flag != VDX_FFT_DIV_BY_SQRTN || (core && order % 2 == 0);
                            const int base = natural_sf(flag, inv, order);
                            for (int sf : {base - 1, base, base + 2, -40, 70, INT_MIN, INT_MAX}) {
                                auto where = [&](std::ostream& os) -> std::ostream& {
                                    return os << f.name << " order " << order << " flag " << flag << " hint " << hint
                                              << (inv ? " inv" : " fwd") << " layout " << l << " sf " << sf;
                                };
                                const V want = expected(f, inv, l, order, flag, sf, X);
                                V got(out_len, 7), again(out_len, 7), flat(out_len, 7);
                                EXPECT_EQ(f.run(spec.spec, inv, l, false, src, got, sf, nullptr, 0), vdxStsNoErr);
                                EXPECT_EQ(f.run(spec.spec, inv, l, ip, src, again, sf, buf.data() + 1, 0), vdxStsNoErr);
                                EXPECT_EQ(f.run(spec.spec, inv, l, false, imp, flat, sf, nullptr, 0), vdxStsNoErr);
                                again.resize(out_len);
                                if (exact && flat != expected(f, inv, l, order, flag, sf, Y))
                                    m.note([&](std::ostream& os) { where(os) << ": impulse " << imp[0] << " not exact"; });
                                for (size_t k = 0; k < out_len; ++k) {
                                    if (std::llabs(got[k] - want[k]) > 1)
                                        m.note([&](std::ostream& os) { where(os) << " [" << k << "] " << got[k] << " want " << want[k]; });
                                    if (got[k] != again[k])
                                        paths.note([&](std::ostream& os) { where(os) << ": in place or caller buffer differs at " << k; });
                                }
                            }
                        }
                    }
                }
            }
        }
        EXPECT_NO_MISMATCH(m);
        EXPECT_NO_MISMATCH(paths);
    }
}

// Beyond the orders a DFT can check: C_16sc equals C_32fc on the converted
// input, then rounded half to even and saturated, bit for bit, in the
// two-level (threaded) and blocked regimes, for 1, 2 and 3 threads, in place
// and out of place.
TEST(FftInt, LargeOrdersEqualTheFloatTransform) {
    for (int order : {13, 18}) {
        const int n = 1 << order, sf = order / 2;
        for (int threads : {1, 2, 3}) {
            ThreadScope scope(threads);
            const V v16 = random_values(2 * n, 16);
            VdxsFFTSpec_C_16sc* s16 = nullptr;
            VdxsFFTSpec_C_32fc* sf32 = nullptr;
            ASSERT_EQ(vdxsFFTInitAlloc_C_16sc(&s16, order, VDX_FFT_DIV_BY_SQRTN, vdxAlgHintNone), vdxStsNoErr);
            ASSERT_EQ(vdxsFFTInitAlloc_C_32fc(&sf32, order, VDX_FFT_DIV_BY_SQRTN, vdxAlgHintNone), vdxStsNoErr);
            std::vector<Vdx16sc> x(n), y(n);
            std::vector<Vdx32fc> xf(n), yf(n);
            for (int k = 0; k < n; ++k) {
                x[k] = {Vdx16s(v16[2 * k]), Vdx16s(v16[2 * k + 1])};
                xf[k] = {float(v16[2 * k]), float(v16[2 * k + 1])};
            }
            ASSERT_EQ(vdxsFFTInv_CToC_32fc(xf.data(), yf.data(), sf32, nullptr), vdxStsNoErr);
            ASSERT_EQ(vdxsFFTInv_CToC_16sc_Sfs(x.data(), y.data(), s16, -sf, nullptr), vdxStsNoErr);
            ASSERT_EQ(vdxsFFTInv_CToC_16sc_ISfs(x.data(), s16, -sf, nullptr), vdxStsNoErr);
            Mismatches m;
            for (int k = 0; k < n; ++k) {
                const long long re = round_sat(std::ldexp(static_cast<long double>(yf[k].re), sf), 16);
                const long long im = round_sat(std::ldexp(static_cast<long double>(yf[k].im), sf), 16);
                if (y[k].re != re || y[k].im != im || x[k].re != re || x[k].im != im)
                    m.note([&](std::ostream& os) { os << "order " << order << " [" << k << "] " << y[k].re << " want " << re; });
            }
            EXPECT_NO_MISMATCH(m) << threads << " threads";
            vdxsFFTFree_C_16sc(s16);
            vdxsFFTFree_C_32fc(sf32);
        }
    }
}

// A null source or destination (either array of the split forms) in either
// direction is refused before anything is written.
TEST(FftInt, NullDataPointersWriteNothing) {
    for (const Fam& f : families()) {
        for (int hint : {vdxAlgHintNone, vdxAlgHintAccurate}) {
            Spec s(f, 2, VDX_FFT_NODIV_BY_ANY, hint);
            const V src = random_values(f.real ? 6 : 8, 16), sentinel(f.real ? 6 : 8, 99);
            for (bool inv : {false, true})
                for (int nul = 1; nul <= 2; ++nul) {
                    V dst = sentinel;
                    EXPECT_EQ(f.run(s.spec, inv, kCcs, false, src, dst, 0, nullptr, nul), vdxStsNullPtrErr)
                        << f.name << " hint " << hint << (inv ? " inverse" : " forward") << " null " << nul;
                    EXPECT_EQ(dst, sentinel) << f.name;
                }
        }
    }
}

}  // namespace
