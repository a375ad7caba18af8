// The rows of the single-rate and multi-rate FIR tests: taps T, data D, work
// precision W, every call of the row made uniform.  Integer taps take factor
// 0 at Init and 1 at SetTaps (twice their value); the float rows ignore the
// scale factor.
#pragma once

#include "fir_elements.h"

namespace fir_test {

// A multi-rate filter: L taps, up factor and phase, down factor and phase.
struct Shape {
    int L, up, up_phase, down, down_phase;
};

#define FIR_SINGLE_RATE(X, S, T, D, F)                                                                         \
    static VdxStatus init(void** st, const T* h, int L, const D* d) {                                          \
        return vdxsFIRInitAlloc##X(reinterpret_cast<S**>(st), h, L F(0), d);                                   \
    }                                                                                                          \
    static VdxStatus free(void* st) { return vdxsFIRFree##X(static_cast<S*>(st)); }                            \
    static VdxStatus set_dly(void* st, const D* d) { return vdxsFIRSetDlyLine##X(static_cast<S*>(st), d); }    \
    static VdxStatus get_dly(void* st, D* d) { return vdxsFIRGetDlyLine##X(static_cast<S*>(st), d); }          \
    static VdxStatus set_taps(void* st, const T* h) { return vdxsFIRSetTaps##X(h, static_cast<S*>(st) F(1)); } \
    static VdxStatus size(int L, int* n) { return vdxsFIRGetStateSize##X(L, n); }
#define FIR_MULTI_RATE(X, S, T, D, F)                                                                          \
    static VdxStatus mr_init(void** st, const T* h, const Shape& g, const D* d) {                              \
        return vdxsFIRMRInitAlloc##X(reinterpret_cast<S**>(st), h, g.L F(0), g.up, g.up_phase, g.down, g.down_phase, d); \
    }
#define FIR_NO_MULTI_RATE(X, S, T, D, F)
#define FIR_FLOAT_CALLS(X, S, D)                                                                               \
    static VdxStatus fir(const D* s, D* d, int n, void* st, int) { return vdxsFIR##X(s, d, n, static_cast<S*>(st)); } \
    static VdxStatus fir_i(D* s, int n, void* st, int) { return vdxsFIR##X##_I(s, n, static_cast<S*>(st)); } \
    static VdxStatus one(D s, D* d, void* st, int) { return vdxsFIROne##X(s, d, static_cast<S*>(st)); }
#define FIR_SFS_CALLS(X, S, D)                                                                                 \
    static VdxStatus fir(const D* s, D* d, int n, void* st, int sf) {                                          \
        return vdxsFIR##X##_Sfs(s, d, n, static_cast<S*>(st), sf);                                             \
    }                                                                                                          \
    static VdxStatus fir_i(D* s, int n, void* st, int sf) { return vdxsFIR##X##_ISfs(s, n, static_cast<S*>(st), sf); } \
    static VdxStatus one(D s, D* d, void* st, int sf) { return vdxsFIROne##X##_Sfs(s, d, static_cast<S*>(st), sf); }
#define FIR_ROW(Name, X, S, T, D, W_, CALLS, F, MR)                                                             \
    struct Name {                                                                                              \
        using Tap = T;                                                                                         \
        using Data = D;                                                                                        \
        using W = W_;                                                                                          \
        FIR_SINGLE_RATE(X, S, T, D, F)                                                                         \
        MR(X, S, T, D, F)                                                                                      \
        CALLS(X, S, D)                                                                                         \
    };
#define FIR_TAPS_FACTOR(f) , f
#define FIR_NO_TAPS_FACTOR(f)
#define FIR_FLOAT_ROW(Name, X, S, T, D, W) FIR_ROW(Name, X, S, T, D, W, FIR_FLOAT_CALLS, FIR_NO_TAPS_FACTOR, FIR_MULTI_RATE)
#define FIR_SFS_ROW(Name, X, S, T, D, W) FIR_ROW(Name, X, S, T, D, W, FIR_SFS_CALLS, FIR_NO_TAPS_FACTOR, FIR_MULTI_RATE)
#define FIR_INT_ROW(Name, X, S, T, D, MR) FIR_ROW(Name, X, S, T, D, double, FIR_SFS_CALLS, FIR_TAPS_FACTOR, MR)
FIR_FLOAT_ROW(Row32f, _32f, VdxsFIRState_32f, Vdx32f, Vdx32f, float)
FIR_FLOAT_ROW(Row32fc, _32fc, VdxsFIRState_32fc, Vdx32fc, Vdx32fc, float)
FIR_FLOAT_ROW(Row64f, _64f, VdxsFIRState_64f, Vdx64f, Vdx64f, double)
FIR_FLOAT_ROW(Row64fc, _64fc, VdxsFIRState_64fc, Vdx64fc, Vdx64fc, double)
FIR_FLOAT_ROW(Row64f_32f, 64f_32f, VdxsFIRState64f_32f, Vdx64f, Vdx32f, float)
FIR_FLOAT_ROW(Row64fc_32fc, 64fc_32fc, VdxsFIRState64fc_32fc, Vdx64fc, Vdx32fc, float)
FIR_SFS_ROW(Row32f_16s, 32f_16s, VdxsFIRState32f_16s, Vdx32f, Vdx16s, float)
FIR_SFS_ROW(Row32fc_16sc, 32fc_16sc, VdxsFIRState32fc_16sc, Vdx32fc, Vdx16sc, float)
FIR_SFS_ROW(Row64f_32s, 64f_32s, VdxsFIRState64f_32s, Vdx64f, Vdx32s, double)
FIR_SFS_ROW(Row64fc_32sc, 64fc_32sc, VdxsFIRState64fc_32sc, Vdx64fc, Vdx32sc, double)
FIR_SFS_ROW(Row64f_16s, 64f_16s, VdxsFIRState64f_16s, Vdx64f, Vdx16s, double)
FIR_SFS_ROW(Row64fc_16sc, 64fc_16sc, VdxsFIRState64fc_16sc, Vdx64fc, Vdx16sc, double)
FIR_INT_ROW(Row32s_16s, 32s_16s, VdxsFIRState32s_16s, Vdx32s, Vdx16s, FIR_NO_MULTI_RATE)
FIR_INT_ROW(Row32sc_16sc, 32sc_16sc, VdxsFIRState32sc_16sc, Vdx32sc, Vdx16sc, FIR_MULTI_RATE)
FIR_INT_ROW(Row16s, _16s, VdxsFIRState_16s, Vdx16s, Vdx16s, FIR_MULTI_RATE)
FIR_INT_ROW(Row32s, _32s, VdxsFIRState_32s, Vdx32s, Vdx32s, FIR_MULTI_RATE)

// Amplitudes of random taps and data, and a scale factor for L taps, per row
// (float taps on 16-bit data saturate now and then).
template <class R>
struct Scales {
    static constexpr bool kIntData = kIsInt<typename R::Data>;
    static constexpr bool kIntTaps = kIsInt<typename R::Tap>;
    static long double taps() { return kIntTaps ? 2000 : 1; }
    static long double data() { return kIntData ? 3000 : 1; }
    static int sf(int L) { return kIntTaps ? 11 + (L > 64) : (kIntData ? (L > 64 ? 2 : 0) : 0); }
};

}  // namespace fir_test
