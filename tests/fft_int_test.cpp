// Integer FFT families against a long-double DFT of the integer input times
// the flag's factor and 2^-sf, rounded half to even and saturated: every
// result within 1 of it, on the float paths and the fixed-point core alike;
// saturation, huge scale factors and impulses under power-of-two factors
// exact; every way of calling agrees bit for bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>

#include "exact_rules.h"
#include "fft_common.h"
#include "mismatches.h"

namespace {

using V = std::vector<long long>;

// One family behind a common face: values travel as long long, complex data
// interleaved (re, im).
using Run = VdxStatus (*)(const void* spec, bool inv, int layout, bool inPlace, const V& src, V& dst, int sf, Vdx8u* buf);
struct Fam {
    const char* name;
    bool real;
    int fwd_in_bits, fwd_out_bits;
    std::function<VdxStatus(void**, int, int, int)> init_alloc;
    std::function<VdxStatus(void*)> free;
    std::function<VdxStatus(const void*, int*)> buf_size;
    Run run;
};

template <class T>
std::vector<T> typed(const V& v) { return std::vector<T>(v.begin(), v.end()); }

#define SPEC_FNS(S)                                                                                         \
    [](void** p, int o, int f, int h) {                                                                     \
        return vdxsFFTInitAlloc_##S(reinterpret_cast<VdxsFFTSpec_##S**>(p), o, f, VdxHintAlgorithm(h));     \
    },                                                                                                      \
        [](void* p) { return vdxsFFTFree_##S(static_cast<VdxsFFTSpec_##S*>(p)); },                          \
        [](const void* p, int* s) { return vdxsFFTGetBufSize_##S(static_cast<const VdxsFFTSpec_##S*>(p), s); }
#define RUN_ARGS const void *sp, bool inv, [[maybe_unused]] int l, [[maybe_unused]] bool ip, const V &src, V &dst, int sf, Vdx8u *buf

template <class T, class C, class Spec, auto Fwd, auto Inv, auto FwdI, auto InvI>
VdxStatus interleaved(RUN_ARGS) {
    auto s = typed<T>(src), d = typed<T>(ip ? src : dst);
    auto* spec = static_cast<const Spec*>(sp);
    const VdxStatus st = ip ? (inv ? InvI : FwdI)(reinterpret_cast<C*>(d.data()), spec, sf, buf)
                            : (inv ? Inv : Fwd)(reinterpret_cast<C*>(s.data()), reinterpret_cast<C*>(d.data()), spec, sf, buf);
    dst.assign(d.begin(), d.end());
    return st;
}

template <class T, class Spec, auto Fwd, auto Inv, auto FwdI, auto InvI>
VdxStatus split(RUN_ARGS) {
    const size_t n = src.size() / 2;
    std::vector<T> sr(n), si(n), dr(n), di(n);
    for (size_t k = 0; k < n; ++k) sr[k] = T(src[2 * k]), si[k] = T(src[2 * k + 1]);
    auto* spec = static_cast<const Spec*>(sp);
    if (ip) dr = sr, di = si;
    const VdxStatus st = ip ? (inv ? InvI : FwdI)(dr.data(), di.data(), spec, sf, buf)
                            : (inv ? Inv : Fwd)(sr.data(), si.data(), dr.data(), di.data(), spec, sf, buf);
    for (size_t k = 0; k < n; ++k) dst[2 * k] = dr[k], dst[2 * k + 1] = di[k];
    return st;
}

#define INTERLEAVED(S, T, C, E)                                                                                   \
    Fam{#S, false, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S),                                           \
        interleaved<T, C, VdxsFFTSpec_##S, vdxsFFTFwd_CToC_##E##_Sfs, vdxsFFTInv_CToC_##E##_Sfs,                  \
                    vdxsFFTFwd_CToC_##E##_ISfs, vdxsFFTInv_CToC_##E##_ISfs>}
#define SPLIT(S, T, E)                                                                                            \
    Fam{#S, false, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S),                                           \
        split<T, VdxsFFTSpec_##S, vdxsFFTFwd_CToC_##E##_Sfs, vdxsFFTInv_CToC_##E##_Sfs, vdxsFFTFwd_CToC_##E##_ISfs, \
              vdxsFFTInv_CToC_##E##_ISfs>}
#define REAL(S, T, E)                                                                                                      \
    Fam{#S, true, 8 * int(sizeof(T)), 8 * int(sizeof(T)), SPEC_FNS(S), [](RUN_ARGS) {                                      \
            using Fn = VdxStatus (*)(const T*, T*, const VdxsFFTSpec_##S*, int, Vdx8u*);                                   \
            using FnI = VdxStatus (*)(T*, const VdxsFFTSpec_##S*, int, Vdx8u*);                                            \
            static const Fn fwd[] = {vdxsFFTFwd_RToPack_##E##_Sfs, vdxsFFTFwd_RToPerm_##E##_Sfs, vdxsFFTFwd_RToCCS_##E##_Sfs}; \
            static const Fn bwd[] = {vdxsFFTInv_PackToR_##E##_Sfs, vdxsFFTInv_PermToR_##E##_Sfs, vdxsFFTInv_CCSToR_##E##_Sfs}; \
            static const FnI fwdI[] = {vdxsFFTFwd_RToPack_##E##_ISfs, vdxsFFTFwd_RToPerm_##E##_ISfs,                        \
                                       vdxsFFTFwd_RToCCS_##E##_ISfs};                                                      \
            static const FnI bwdI[] = {vdxsFFTInv_PackToR_##E##_ISfs, vdxsFFTInv_PermToR_##E##_ISfs,                        \
                                       vdxsFFTInv_CCSToR_##E##_ISfs};                                                      \
            auto* spec = static_cast<const VdxsFFTSpec_##S*>(sp);                                                          \
            auto s = typed<T>(src), d = typed<T>(dst);                                                                     \
            if (ip) d.resize(std::max(s.size(), d.size())), std::copy(s.begin(), s.end(), d.begin());                      \
            const VdxStatus st = ip ? (inv ? bwdI : fwdI)[l](d.data(), spec, sf, buf)                                      \
                                    : (inv ? bwd : fwd)[l](s.data(), d.data(), spec, sf, buf);                             \
            for (size_t k = 0; k < dst.size(); ++k) dst[k] = d[k];                                                         \
            return st;                                                                                                     \
        }}

const std::vector<Fam>& families() {
    static const std::vector<Fam> f = {
        INTERLEAVED(C_16sc, Vdx16s, Vdx16sc, 16sc),
        SPLIT(C_16s, Vdx16s, 16s),
        REAL(R_16s, Vdx16s, 16s),
        INTERLEAVED(C_32sc, Vdx32s, Vdx32sc, 32sc),
        SPLIT(C_32s, Vdx32s, 32s),
        REAL(R_32s, Vdx32s, 32s),
        Fam{"R_16s32s", true, 16, 32, SPEC_FNS(R_16s32s), [](RUN_ARGS) {
                auto* spec = static_cast<const VdxsFFTSpec_R_16s32s*>(sp);
                auto s16 = typed<Vdx16s>(src), d16 = typed<Vdx16s>(dst);
                auto s32 = typed<Vdx32s>(src), d32 = typed<Vdx32s>(dst);
                const VdxStatus st = inv ? vdxsFFTInv_CCSToR_32s16s_Sfs(s32.data(), d16.data(), spec, sf, buf)
                                         : vdxsFFTFwd_RToCCS_16s32s_Sfs(s16.data(), d32.data(), spec, sf, buf);
                inv ? dst.assign(d16.begin(), d16.end()) : dst.assign(d32.begin(), d32.end());
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

long long round_sat(long double v, int bits) {
    return bits == 16 ? exact::rounded<Vdx16s>(v) : exact::rounded<Vdx32s>(v);
}

// The exact transform of one call's input (a real inverse reads the
// conjugate-symmetric spectrum, I[0] and I[N/2] unread).
std::vector<CL> reference(const Fam& f, bool inv, int l, int order, const V& src) {
    const int n = 1 << order;
    std::vector<CL> x(n);
    for (int k = 0; k < n && !(f.real && inv); ++k) x[k] = f.real ? CL(src[k], 0) : CL(src[2 * k], src[2 * k + 1]);
    for (int k = 0; f.real && inv && k <= n / 2; ++k) {
        const auto s = slots(l, k, n);
        x[k] = CL(src[s.first], k == 0 || 2 * k == n ? 0 : src[s.second]);
        if (k > 0) x[n - k] = std::conj(x[k]);
    }
    return dft(x, inv);
}

// The exact transform scaled, rounded and saturated, in the output layout
// (X[0] and X[N/2] of a real signal are real: their CCS slots hold 0).
V expected(const Fam& f, bool inv, int l, int order, int flag, int sf, const std::vector<CL>& X) {
    const int n = 1 << order;
    const long double scale = factor(flag, inv, 1 << order) * std::ldexp(1.0L, sf < -100 ? 100 : sf > 100 ? -100 : -sf);
    auto out = [&, bits = inv ? f.fwd_in_bits : f.fwd_out_bits](long double v) { return round_sat(v * scale, bits); };
    V y;
    for (int k = 0; k < n && !(f.real && !inv); ++k) {
        y.push_back(out(X[k].real()));
        if (!f.real) y.push_back(out(X[k].imag()));
    }
    if (!f.real || inv) return y;
    y.assign(l == kCcs ? (n == 1 ? 2 : n + 2) : n, 0);
    for (int k = 0; k <= n / 2; ++k) {
        const auto s = slots(l, k, n);
        y[s.first] = out(X[k].real());
        if (s.second >= 0) y[s.second] = k == 0 || 2 * k == n ? 0 : out(X[k].imag());
    }
    return y;
}

std::mt19937_64 rng{0x1F7};

V random_values(size_t count, int bits) {
    std::uniform_int_distribution<long long> d(-(1LL << (bits - 1)), (1LL << (bits - 1)) - 1);
    V v(count);
    for (auto& x : v) x = d(rng);
    return v;
}

// The scale factor that brings a direction's result back to the input's
// scale (what the flag leaves unscaled).
int natural_sf(int flag, bool inv, int order) {
    return flag == VDX_FFT_DIV_BY_SQRTN ? (order + 1) / 2 : factor(flag, inv, 1 << order) == 1.0L ? order : 0;
}

// Every family x order 0..6 and 10 x direction x layout x flag x hint (the
// 16-bit core at orders 1..3 unless hint accurate) x scale factors near the
// natural one and far beyond, in place or not, with and without a buffer.
// An impulse's flat transform rounds exactly, half to even, under a
// power-of-two factor (SQRTN: only the core's shifts).
TEST(FftInt, MatchesExactDftEverywhere) {
    for (const Fam& f : families()) {
        Mismatches m;
        for (int order : {0, 1, 2, 3, 4, 5, 6, 10})
            for (int flag : kFlags)
                for (int hint : {vdxAlgHintNone, vdxAlgHintFast, vdxAlgHintAccurate}) {
                    if ((order >= 4 && hint != vdxAlgHintNone) || (order == 10 && flag != VDX_FFT_DIV_BY_SQRTN)) continue;
                    const int n = 1 << order;
                    Spec spec(f, order, flag, hint);
                    std::vector<Vdx8u> buf(spec.buf_size + 32);
                    for (bool inv : {false, true})
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
                                const V want = expected(f, inv, l, order, flag, sf, X);
                                V got(out_len, 7), again(out_len, 7), flat(out_len, 7);
                                bool ok = f.run(spec.spec, inv, l, false, src, got, sf, nullptr) == vdxStsNoErr &&
                                          f.run(spec.spec, inv, l, ip, src, again, sf, buf.data() + 1) == vdxStsNoErr &&
                                          f.run(spec.spec, inv, l, false, imp, flat, sf, nullptr) == vdxStsNoErr;
                                again.resize(out_len);
                                ok = ok && (!exact || flat == expected(f, inv, l, order, flag, sf, Y)) && got == again;
                                for (size_t k = 0; ok && k < out_len; ++k) ok = std::llabs(got[k] - want[k]) <= 1;
                                m.expect(ok, f.name, "order", order, "flag", flag, "hint", hint, "inverse", inv, "layout", l, "sf", sf);
                            }
                        }
                }
        EXPECT_NO_MISMATCH(m);
    }
}

// Large orders: C_16sc equals C_32fc rounded half to even and saturated, bit
// for bit, in the two-level and blocked regimes, 1..3 threads, in place or not.
TEST(FftInt, LargeOrdersEqualTheFloatTransform) {
    const Fam& c16 = families()[0];
    for (int order : {13, 18}) {
        const int n = 1 << order, sf = order / 2;
        for (int threads : {1, 2, 3}) {
            ThreadScope scope(threads);
            const V v16 = random_values(2 * n, 16);
            Spec s16(c16, order, VDX_FFT_DIV_BY_SQRTN, vdxAlgHintNone);
            VdxsFFTSpec_C_32fc* s32 = nullptr;
            ASSERT_EQ(vdxsFFTInitAlloc_C_32fc(&s32, order, VDX_FFT_DIV_BY_SQRTN, vdxAlgHintNone), vdxStsNoErr);
            std::vector<float> xf(v16.begin(), v16.end()), yf(2 * n);
            ASSERT_EQ(vdxsFFTInv_CToC_32fc(reinterpret_cast<Vdx32fc*>(xf.data()), reinterpret_cast<Vdx32fc*>(yf.data()),
                                           s32, nullptr), vdxStsNoErr);
            V y(2 * n), z(2 * n);
            ASSERT_EQ(c16.run(s16.spec, true, kPack, false, v16, y, -sf, nullptr), vdxStsNoErr);
            ASSERT_EQ(c16.run(s16.spec, true, kPack, true, v16, z, -sf, nullptr), vdxStsNoErr);
            Mismatches m;
            for (int k = 0; k < 2 * n; ++k) {
                const long long want = round_sat(std::ldexp(static_cast<long double>(yf[k]), sf), 16);
                m.expect(y[k] == want && z[k] == want, "order", order, "at", k, "got", y[k], "want", want);
            }
            EXPECT_NO_MISMATCH(m) << threads << " threads";
            vdxsFFTFree_C_32fc(s32);
        }
    }
}

}  // namespace
