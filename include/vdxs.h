/*
 * vdxs: one-dimensional signal-processing primitives (libvdxsy8-7.0).
 *
 * Every function works on caller-supplied vectors and returns a VdxStatus:
 * negative is an error and nothing has been written; zero is success;
 * positive is a warning and the whole result has been written.  The version
 * query, the allocators and vdxsFree are the only exceptions.
 *
 * This header compiles as C99 and as C++.
 */
#ifndef VDXS_H
#define VDXS_H

#include <stdint.h>
#include <string.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__cplusplus) && __cplusplus >= 201103L
#define VDX_NOEXCEPT noexcept
#else
#define VDX_NOEXCEPT
#endif

/* ------------------------------------------------------------------------ */
/* Element types                                                             */
/* ------------------------------------------------------------------------ */

typedef uint8_t Vdx8u;
typedef int8_t Vdx8s;
typedef uint16_t Vdx16u;
typedef int16_t Vdx16s;
typedef uint32_t Vdx32u;
typedef int32_t Vdx32s;
typedef uint64_t Vdx64u;
typedef int64_t Vdx64s;
typedef float Vdx32f;
typedef double Vdx64f;

/* IEEE 754 half precision, held as its 16-bit pattern. */
typedef struct { Vdx16u bits; } Vdx16f;
/* 24-bit integers stored in three consecutive bytes, least significant first. */
typedef struct { Vdx8u b[3]; } Vdx24u;
typedef struct { Vdx8u b[3]; } Vdx24s;

/* Complex numbers: real part first, no padding. */
typedef struct { Vdx8s re; Vdx8s im; } Vdx8sc;
typedef struct { Vdx16s re; Vdx16s im; } Vdx16sc;
typedef struct { Vdx32s re; Vdx32s im; } Vdx32sc;
typedef struct { Vdx64s re; Vdx64s im; } Vdx64sc;
typedef struct { Vdx32f re; Vdx32f im; } Vdx32fc;
typedef struct { Vdx64f re; Vdx64f im; } Vdx64fc;

/* ------------------------------------------------------------------------ */
/* Status values                                                             */
/* ------------------------------------------------------------------------ */

typedef int32_t VdxStatus;

enum {
    vdxStsNoErr = 0,
    /* warnings: the result has been written */
    vdxStsSqrtNegArg = 3,
    vdxStsInvZeroArg = 4,
    vdxStsEvenMedianMaskSize = 5,
    vdxStsDivByZero = 6,
    vdxStsLnZeroArg = 7,
    vdxStsLnNegArg = 8,
    vdxStsNonFiniteArg = 9,
    vdxStsBitWidthClamped = 27,
    /* errors: nothing has been written */
    vdxStsBadArgErr = -5,
    vdxStsSizeErr = -6,
    vdxStsRangeErr = -7,
    vdxStsNullPtrErr = -8,
    vdxStsMemAllocErr = -9,
    vdxStsDivByZeroErr = -10,
    vdxStsCauchyParamErr = -11,
    vdxStsIIRTapScaleErr = -13,
    vdxStsFFTOrderErr = -15,
    vdxStsFFTFlagErr = -16,
    vdxStsContextMatchErr = -17,
    vdxStsThreshLevelOrderErr = -18,
    vdxStsThreshNegLevelErr = -19,
    vdxStsDlyLineIndexErr = -24,
    vdxStsIIROrderErr = -25,
    vdxStsFIRLenErr = -26,
    vdxStsRelFreqErr = -27,
    vdxStsFIRMRPhaseErr = -28,
    vdxStsFIRMRFactorErr = -29,
    vdxStsSamplePhaseErr = -30,
    vdxStsSampleFactorErr = -31,
    vdxStsShiftErr = -32,
    vdxStsMaskSizeErr = -33,
    vdxStsWtOffsetErr = -35,
    vdxStsJaehneMagnErr = -38,
    vdxStsKaiserAlphaErr = -39,
    vdxStsTrnglAsymErr = -40,
    vdxStsTrnglPhaseErr = -41,
    vdxStsTrnglFreqErr = -42,
    vdxStsTrnglMagnErr = -43,
    vdxStsTonePhaseErr = -44,
    vdxStsToneFreqErr = -45,
    vdxStsToneMagnErr = -46,
    vdxStsChannelErr = -53,
    vdxStsSparseTapPosErr = -194,
    vdxStsIIRGenOrderErr = -206,
    vdxStsIIRGenFreqErr = -208,
    vdxStsIIRGenRippleErr = -209,
    vdxStsRoundModeErr = -213
};

/* ------------------------------------------------------------------------ */
/* Enumerations and flags                                                    */
/* ------------------------------------------------------------------------ */

typedef enum {
    vdxAlgHintNone = 0,
    vdxAlgHintFast = 1,
    vdxAlgHintAccurate = 2
} VdxHintAlgorithm;

typedef enum {
    vdxRndZero = 0,      /* toward zero */
    vdxRndNear = 1,      /* to nearest, ties to even */
    vdxRndFinancial = 2  /* to nearest, ties away from zero */
} VdxRoundMode;

typedef enum {
    vdxCmpLess = 0,
    vdxCmpLessEq = 1,
    vdxCmpEq = 2,
    vdxCmpGreaterEq = 3,
    vdxCmpGreater = 4
} VdxCmpOp;

typedef enum {
    vdxZCProduct = 0,
    vdxZCSignBit = 1,
    vdxZCSignDiff = 2
} VdxZCType;

typedef enum {
    vdxWinBartlett = 0,
    vdxWinBlackmanOpt = 1,
    vdxWinHamming = 2,
    vdxWinHann = 3
} VdxWinType;

/* FFT normalisation: exactly one of these values. */
#define VDX_FFT_DIV_FWD_BY_N 1
#define VDX_FFT_DIV_INV_BY_N 2
#define VDX_FFT_DIV_BY_SQRTN 4
#define VDX_FFT_NODIV_BY_ANY 8

/* ------------------------------------------------------------------------ */
/* Special floating-point values, with their exact bit patterns              */
/* ------------------------------------------------------------------------ */

static inline Vdx32f vdxBitsTo32f_(Vdx32u bits) { Vdx32f v; memcpy(&v, &bits, sizeof v); return v; }
static inline Vdx64f vdxBitsTo64f_(Vdx64u bits) { Vdx64f v; memcpy(&v, &bits, sizeof v); return v; }

#define vdxConstantOfNAN_32f (vdxBitsTo32f_(0xFFC00000u))
#define vdxConstantOfINF_32f (vdxBitsTo32f_(0x7F800000u))
#define vdxConstantOfINF_NEG_32f (vdxBitsTo32f_(0xFF800000u))
#define vdxConstantOfNAN_64f (vdxBitsTo64f_(0xFFF8000000000000ull))
#define vdxConstantOfINF_64f (vdxBitsTo64f_(0x7FF0000000000000ull))
#define vdxConstantOfINF_NEG_64f (vdxBitsTo64f_(0xFFF0000000000000ull))

/* ------------------------------------------------------------------------ */
/* Version record                                                            */
/* ------------------------------------------------------------------------ */

typedef struct {
    int32_t major;
    int32_t minor;
    int32_t buildMajor;
    int32_t buildNumber;
    char cpuCode[4];
    const char* libName;
    const char* versionText;
    const char* buildDate;
} VdxLibVersion;

/* ------------------------------------------------------------------------ */
/* Opaque transform and filter state objects                                 */
/* ------------------------------------------------------------------------ */

typedef struct VdxsFFTSpec_C_32fc VdxsFFTSpec_C_32fc;
typedef struct VdxsFFTSpec_C_32f VdxsFFTSpec_C_32f;
typedef struct VdxsFFTSpec_R_32f VdxsFFTSpec_R_32f;
typedef struct VdxsFFTSpec_C_64fc VdxsFFTSpec_C_64fc;
typedef struct VdxsFFTSpec_C_64f VdxsFFTSpec_C_64f;
typedef struct VdxsFFTSpec_R_64f VdxsFFTSpec_R_64f;
typedef struct VdxsFFTSpec_C_16sc VdxsFFTSpec_C_16sc;
typedef struct VdxsFFTSpec_C_16s VdxsFFTSpec_C_16s;
typedef struct VdxsFFTSpec_R_16s VdxsFFTSpec_R_16s;
typedef struct VdxsFFTSpec_C_32sc VdxsFFTSpec_C_32sc;
typedef struct VdxsFFTSpec_C_32s VdxsFFTSpec_C_32s;
typedef struct VdxsFFTSpec_R_32s VdxsFFTSpec_R_32s;
typedef struct VdxsFFTSpec_R_16s32s VdxsFFTSpec_R_16s32s;

typedef struct VdxsDFTSpec_C_32fc VdxsDFTSpec_C_32fc;
typedef struct VdxsDFTSpec_C_32f VdxsDFTSpec_C_32f;
typedef struct VdxsDFTSpec_R_32f VdxsDFTSpec_R_32f;
typedef struct VdxsDFTSpec_C_64fc VdxsDFTSpec_C_64fc;
typedef struct VdxsDFTSpec_C_64f VdxsDFTSpec_C_64f;
typedef struct VdxsDFTSpec_R_64f VdxsDFTSpec_R_64f;
typedef struct VdxsDFTSpec_C_16sc VdxsDFTSpec_C_16sc;
typedef struct VdxsDFTSpec_C_16s VdxsDFTSpec_C_16s;
typedef struct VdxsDFTSpec_R_16s VdxsDFTSpec_R_16s;
typedef struct VdxsDFTOutOrdSpec_C_32fc VdxsDFTOutOrdSpec_C_32fc;
typedef struct VdxsDFTOutOrdSpec_C_64fc VdxsDFTOutOrdSpec_C_64fc;

typedef struct VdxsDCTFwdSpec_16s VdxsDCTFwdSpec_16s;
typedef struct VdxsDCTFwdSpec_32f VdxsDCTFwdSpec_32f;
typedef struct VdxsDCTFwdSpec_64f VdxsDCTFwdSpec_64f;
typedef struct VdxsDCTInvSpec_16s VdxsDCTInvSpec_16s;
typedef struct VdxsDCTInvSpec_32f VdxsDCTInvSpec_32f;
typedef struct VdxsDCTInvSpec_64f VdxsDCTInvSpec_64f;

typedef struct VdxsHilbertSpec_32f32fc VdxsHilbertSpec_32f32fc;
typedef struct VdxsHilbertSpec_16s32fc VdxsHilbertSpec_16s32fc;
typedef struct VdxsHilbertSpec_16s16sc VdxsHilbertSpec_16s16sc;

typedef struct VdxsFIRState_32f VdxsFIRState_32f;
typedef struct VdxsFIRState_32fc VdxsFIRState_32fc;
typedef struct VdxsFIRState_64f VdxsFIRState_64f;
typedef struct VdxsFIRState_64fc VdxsFIRState_64fc;
typedef struct VdxsFIRState32f_16s VdxsFIRState32f_16s;
typedef struct VdxsFIRState32fc_16sc VdxsFIRState32fc_16sc;
typedef struct VdxsFIRState64f_32f VdxsFIRState64f_32f;
typedef struct VdxsFIRState64fc_32fc VdxsFIRState64fc_32fc;
typedef struct VdxsFIRState64f_32s VdxsFIRState64f_32s;
typedef struct VdxsFIRState64fc_32sc VdxsFIRState64fc_32sc;
typedef struct VdxsFIRState64f_16s VdxsFIRState64f_16s;
typedef struct VdxsFIRState64fc_16sc VdxsFIRState64fc_16sc;
typedef struct VdxsFIRState32s_16s VdxsFIRState32s_16s;
typedef struct VdxsFIRState32sc_16sc VdxsFIRState32sc_16sc;
typedef struct VdxsFIRState_16s VdxsFIRState_16s;
typedef struct VdxsFIRState_32s VdxsFIRState_32s;
typedef struct VdxsFIRSparseState_32f VdxsFIRSparseState_32f;

typedef struct VdxsIIRState_32f VdxsIIRState_32f;
typedef struct VdxsIIRState_32fc VdxsIIRState_32fc;
typedef struct VdxsIIRState_64f VdxsIIRState_64f;
typedef struct VdxsIIRState_64fc VdxsIIRState_64fc;
typedef struct VdxsIIRState64f_32f VdxsIIRState64f_32f;
typedef struct VdxsIIRState64fc_32fc VdxsIIRState64fc_32fc;
typedef struct VdxsIIRState32f_16s VdxsIIRState32f_16s;
typedef struct VdxsIIRState32fc_16sc VdxsIIRState32fc_16sc;
typedef struct VdxsIIRState32s_16s VdxsIIRState32s_16s;
typedef struct VdxsIIRState32sc_16sc VdxsIIRState32sc_16sc;
typedef struct VdxsIIRState64f_16s VdxsIIRState64f_16s;
typedef struct VdxsIIRState64fc_16sc VdxsIIRState64fc_16sc;
typedef struct VdxsIIRState64f_32s VdxsIIRState64f_32s;
typedef struct VdxsIIRState64fc_32sc VdxsIIRState64fc_32sc;
typedef struct VdxsIIRSparseState_32f VdxsIIRSparseState_32f;

/* ------------------------------------------------------------------------ */
/* Frame                                                                     */
/* ------------------------------------------------------------------------ */

/* The library's version record; constant, never to be modified or freed. */
const VdxLibVersion* vdxsGetLibVersion(void) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Memory: blocks of len elements (null when len < 1, when len times the     */
/* element size exceeds 2147483647 bytes, or when no memory is left),        */
/* released with vdxsFree.                                                   */
/* ------------------------------------------------------------------------ */

Vdx8u* vdxsMalloc_8u(int len) VDX_NOEXCEPT;
Vdx8s* vdxsMalloc_8s(int len) VDX_NOEXCEPT;
Vdx16u* vdxsMalloc_16u(int len) VDX_NOEXCEPT;
Vdx16s* vdxsMalloc_16s(int len) VDX_NOEXCEPT;
Vdx8sc* vdxsMalloc_8sc(int len) VDX_NOEXCEPT;
Vdx32u* vdxsMalloc_32u(int len) VDX_NOEXCEPT;
Vdx32s* vdxsMalloc_32s(int len) VDX_NOEXCEPT;
Vdx32f* vdxsMalloc_32f(int len) VDX_NOEXCEPT;
Vdx16sc* vdxsMalloc_16sc(int len) VDX_NOEXCEPT;
Vdx64s* vdxsMalloc_64s(int len) VDX_NOEXCEPT;
Vdx64f* vdxsMalloc_64f(int len) VDX_NOEXCEPT;
Vdx32sc* vdxsMalloc_32sc(int len) VDX_NOEXCEPT;
Vdx32fc* vdxsMalloc_32fc(int len) VDX_NOEXCEPT;
Vdx64sc* vdxsMalloc_64sc(int len) VDX_NOEXCEPT;
Vdx64fc* vdxsMalloc_64fc(int len) VDX_NOEXCEPT;
void vdxsFree(void* ptr) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Initialization: copy, move (overlap allowed), set, zero, flip, bits       */
/* ------------------------------------------------------------------------ */

VdxStatus vdxsCopy_8u(const Vdx8u* pSrc, Vdx8u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_32sc(const Vdx32sc* pSrc, Vdx32sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_64s(const Vdx64s* pSrc, Vdx64s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_64sc(const Vdx64sc* pSrc, Vdx64sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsCopy_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsMove_8u(const Vdx8u* pSrc, Vdx8u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_32sc(const Vdx32sc* pSrc, Vdx32sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_64s(const Vdx64s* pSrc, Vdx64s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_64sc(const Vdx64sc* pSrc, Vdx64sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMove_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsSet_8u(Vdx8u val, Vdx8u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_16s(Vdx16s val, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_16sc(Vdx16sc val, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_32s(Vdx32s val, Vdx32s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_32sc(Vdx32sc val, Vdx32sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_32f(Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_32fc(Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_64s(Vdx64s val, Vdx64s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_64sc(Vdx64sc val, Vdx64sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_64f(Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSet_64fc(Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsZero_8u(Vdx8u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_16s(Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_16sc(Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_32s(Vdx32s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_32sc(Vdx32sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_32f(Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_32fc(Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_64s(Vdx64s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_64sc(Vdx64sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_64f(Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsZero_64fc(Vdx64fc* pDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsFlip_8u(const Vdx8u* pSrc, Vdx8u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_8u_I(Vdx8u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_16u(const Vdx16u* pSrc, Vdx16u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_16u_I(Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsFlip_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

/* Copies len bits; offsets count from the most significant bit of the first
 * byte, only their low three bits are used, and a negative offset is
 * vdxStsSizeErr.  Destination bits outside the copied range keep their values. */
VdxStatus vdxsCopy_1u(const Vdx8u* pSrc, int srcBitOffset, Vdx8u* pDst, int dstBitOffset, int len) VDX_NOEXCEPT;

/* Appends the low pSrcBitWidths[i] bits of each pSrc[i], most significant
 * first, to the bit string starting at bit dstBitOffset of pDst; writes the
 * total bit count to *pDstBitLen.  Widths outside 0..32 are clamped and the
 * call returns vdxStsBitWidthClamped. */
VdxStatus vdxsPackBits_32u8u(const Vdx32u* pSrc, const int* pSrcBitWidths, int len, Vdx8u* pDst,
                             int dstBitOffset, int* pDstBitLen) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Arithmetic: Add, Sub, Mul, Div of two vectors, of a vector and a          */
/* constant (C: element OP constant; CRev: constant OP element), in place    */
/* (I: the second operand is overwritten) and scaled (Sfs: integer results   */
/* times 2^-scaleFactor, rounded half to even, saturated).  Sub computes     */
/* second source minus first, Div second source over first.  A zero divisor  */
/* gives vdxStsDivByZero with the whole vector written: floats get +inf,     */
/* -inf or NaN by the dividend's sign, integers the destination's bound on   */
/* the dividend's side (0 for a zero dividend).  DivC_64f, DivC_32fc,        */
/* DivC_64fc, DivC_16s_Sfs, DivC_16sc_Sfs, DivC_8u_Sfs and DivC_16u_Sfs/ISfs */
/* reject a zero constant with vdxStsDivByZeroErr.                           */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsAdd_16s(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16s32f(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16s32s_I(const Vdx16s* pSrc, Vdx32s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16s_I(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16sc_ISfs(const Vdx16sc* pSrc, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16sc_Sfs(const Vdx16sc* pSrc1, const Vdx16sc* pSrc2, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16u(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16u_ISfs(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_16u_Sfs(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32fc(const Vdx32fc* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32fc_I(const Vdx32fc* pSrc, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32s_ISfs(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32sc_ISfs(const Vdx32sc* pSrc, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32sc_Sfs(const Vdx32sc* pSrc1, const Vdx32sc* pSrc2, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_32u(const Vdx32u* pSrc1, const Vdx32u* pSrc2, Vdx32u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_64fc(const Vdx64fc* pSrc1, const Vdx64fc* pSrc2, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_64fc_I(const Vdx64fc* pSrc, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_64s_Sfs(const Vdx64s* pSrc1, const Vdx64s* pSrc2, Vdx64s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_8u16u(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx16u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAdd_8u_ISfs(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAdd_8u_Sfs(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsAddC_16s_I(Vdx16s val, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16s_ISfs(Vdx16s val, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16s_Sfs(const Vdx16s* pSrc, Vdx16s val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16sc_ISfs(Vdx16sc val, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc val, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16u_ISfs(Vdx16u val, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_16u_Sfs(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32fc(const Vdx32fc* pSrc, Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32fc_I(Vdx32fc val, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32s_ISfs(Vdx32s val, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32s_Sfs(const Vdx32s* pSrc, Vdx32s val, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32sc_ISfs(Vdx32sc val, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc val, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64f(const Vdx64f* pSrc, Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64f_I(Vdx64f val, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64fc(const Vdx64fc* pSrc, Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64fc_I(Vdx64fc val, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64s_Sfs(const Vdx64s* pSrc, Vdx64s val, Vdx64s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_64u_Sfs(const Vdx64u* pSrc, Vdx64u val, Vdx64u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_8u_ISfs(Vdx8u val, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddC_8u_Sfs(const Vdx8u* pSrc, Vdx8u val, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsAddProduct_16s32s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_32fc(const Vdx32fc* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsAddProduct_64fc(const Vdx64fc* pSrc1, const Vdx64fc* pSrc2, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsAddProductC_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsSub_16s(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_16s32f(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_16s_I(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_16sc_ISfs(const Vdx16sc* pSrc, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_16sc_Sfs(const Vdx16sc* pSrc1, const Vdx16sc* pSrc2, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_16u_ISfs(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_16u_Sfs(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_32fc(const Vdx32fc* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_32fc_I(const Vdx32fc* pSrc, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_32s_ISfs(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_32sc_ISfs(const Vdx32sc* pSrc, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_32sc_Sfs(const Vdx32sc* pSrc1, const Vdx32sc* pSrc2, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_64fc(const Vdx64fc* pSrc1, const Vdx64fc* pSrc2, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_64fc_I(const Vdx64fc* pSrc, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSub_8u_ISfs(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSub_8u_Sfs(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsSubC_16s_I(Vdx16s val, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16s_ISfs(Vdx16s val, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16s_Sfs(const Vdx16s* pSrc, Vdx16s val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16sc_ISfs(Vdx16sc val, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc val, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16u_ISfs(Vdx16u val, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_16u_Sfs(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32fc(const Vdx32fc* pSrc, Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32fc_I(Vdx32fc val, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32s_ISfs(Vdx32s val, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32s_Sfs(const Vdx32s* pSrc, Vdx32s val, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32sc_ISfs(Vdx32sc val, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc val, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_64f(const Vdx64f* pSrc, Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_64f_I(Vdx64f val, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_64fc(const Vdx64fc* pSrc, Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_64fc_I(Vdx64fc val, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubC_8u_ISfs(Vdx8u val, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubC_8u_Sfs(const Vdx8u* pSrc, Vdx8u val, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsSubCRev_16s_ISfs(Vdx16s val, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_16s_Sfs(const Vdx16s* pSrc, Vdx16s val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_16sc_ISfs(Vdx16sc val, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc val, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_16u_ISfs(Vdx16u val, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_16u_Sfs(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32fc(const Vdx32fc* pSrc, Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32fc_I(Vdx32fc val, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32s_ISfs(Vdx32s val, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32s_Sfs(const Vdx32s* pSrc, Vdx32s val, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32sc_ISfs(Vdx32sc val, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc val, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_64f(const Vdx64f* pSrc, Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_64f_I(Vdx64f val, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_64fc(const Vdx64fc* pSrc, Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_64fc_I(Vdx64fc val, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_8u_ISfs(Vdx8u val, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSubCRev_8u_Sfs(const Vdx8u* pSrc, Vdx8u val, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsMul_16s(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_16s32f(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_16s32s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16s_I(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16sc_ISfs(const Vdx16sc* pSrc, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16sc_Sfs(const Vdx16sc* pSrc1, const Vdx16sc* pSrc2, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16u16s_Sfs(const Vdx16u* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16u_ISfs(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_16u_Sfs(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32f32fc(const Vdx32f* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32f32fc_I(const Vdx32f* pSrc, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32fc(const Vdx32fc* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32fc_I(const Vdx32fc* pSrc, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_32s32sc_ISfs(const Vdx32s* pSrc, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32s32sc_Sfs(const Vdx32s* pSrc1, const Vdx32sc* pSrc2, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32s_ISfs(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32sc_ISfs(const Vdx32sc* pSrc, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_32sc_Sfs(const Vdx32sc* pSrc1, const Vdx32sc* pSrc2, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_64fc(const Vdx64fc* pSrc1, const Vdx64fc* pSrc2, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_64fc_I(const Vdx64fc* pSrc, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_8u16u(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx16u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMul_8u_ISfs(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_8u_Sfs(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMul_Low_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsMulC_16s_I(Vdx16s val, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16s_ISfs(Vdx16s val, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16s_Sfs(const Vdx16s* pSrc, Vdx16s val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16sc_ISfs(Vdx16sc val, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc val, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16u_ISfs(Vdx16u val, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_16u_Sfs(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32f16s_Sfs(const Vdx32f* pSrc, Vdx32f val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32fc(const Vdx32fc* pSrc, Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32fc_I(Vdx32fc val, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32s_ISfs(Vdx32s val, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32s_Sfs(const Vdx32s* pSrc, Vdx32s val, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32sc_ISfs(Vdx32sc val, Vdx32sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc val, Vdx32sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64f(const Vdx64f* pSrc, Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64f64s_ISfs(Vdx64f val, Vdx64s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64f_I(Vdx64f val, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64fc(const Vdx64fc* pSrc, Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64fc_I(Vdx64fc val, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulC_64s_ISfs(Vdx64s val, Vdx64s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_8u_ISfs(Vdx8u val, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_8u_Sfs(const Vdx8u* pSrc, Vdx8u val, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulC_Low_32f16s(const Vdx32f* pSrc, Vdx32f val, Vdx16s* pDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsDiv_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_16sc_ISfs(const Vdx16sc* pSrc, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_16sc_Sfs(const Vdx16sc* pSrc1, const Vdx16sc* pSrc2, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_16u_ISfs(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_16u_Sfs(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32fc(const Vdx32fc* pSrc1, const Vdx32fc* pSrc2, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32fc_I(const Vdx32fc* pSrc, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32s16s_Sfs(const Vdx16s* pSrc1, const Vdx32s* pSrc2, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32s_ISfs(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_32s_Sfs(const Vdx32s* pSrc1, const Vdx32s* pSrc2, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_64fc(const Vdx64fc* pSrc1, const Vdx64fc* pSrc2, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_64fc_I(const Vdx64fc* pSrc, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDiv_8u_ISfs(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_8u_Sfs(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_16u_ISfs(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_16u_Sfs(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_8u_ISfs(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDiv_Round_8u_Sfs(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, int len, VdxRoundMode rndMode, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsDivC_16s_ISfs(Vdx16s val, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_16s_Sfs(const Vdx16s* pSrc, Vdx16s val, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_16sc_ISfs(Vdx16sc val, Vdx16sc* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc val, Vdx16sc* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_16u_ISfs(Vdx16u val, Vdx16u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_16u_Sfs(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_32fc(const Vdx32fc* pSrc, Vdx32fc val, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_32fc_I(Vdx32fc val, Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_64f(const Vdx64f* pSrc, Vdx64f val, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_64f_I(Vdx64f val, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_64fc(const Vdx64fc* pSrc, Vdx64fc val, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_64fc_I(Vdx64fc val, Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivC_64s_ISfs(Vdx64s val, Vdx64s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_8u_ISfs(Vdx8u val, Vdx8u* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsDivC_8u_Sfs(const Vdx8u* pSrc, Vdx8u val, Vdx8u* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsDivCRev_16u(const Vdx16u* pSrc, Vdx16u val, Vdx16u* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivCRev_16u_I(Vdx16u val, Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivCRev_32f(const Vdx32f* pSrc, Vdx32f val, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsDivCRev_32f_I(Vdx32f val, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Exponential and logarithm                                                */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Exp, Ln of 32f and 64f (and 32f64f, 64f32f, computed in double): within   */
/* 1 ulp of the exact value.  Exp: overflow gives +inf, underflow 0, NaN is  */
/* copied.  Ln judges the bit pattern: +0 gives -inf and the warning         */
/* vdxStsLnZeroArg; any element with the sign bit set (-0 and negative NaNs  */
/* included) gives vdxConstantOfNAN and vdxStsLnNegArg; other NaNs are       */
/* copied; +inf gives +inf.  The warning returned is that of the first       */
/* offending element in index order; every result is written first.         */
/*                                                                           */
/* Integer forms scale by 2^-scaleFactor.  Exp: round(e^x 2^-sf), halves up, */
/* saturated to the type's maximum.  Ln, 10Log10: x <= 0 gives the type's    */
/* minimum and the warning; for sf >= 0, r = round(ln x) (10Log10: 10 log10 x */
/* to the nearest integer up to x = 14, to the nearest even integer from 15  */
/* to 1412537544, 92 up to 1778279410, 93 above), then r >> sf; for sf < 0,  */
/* the value times 2^-sf rounded to nearest and saturated.                   */
/*                                                                           */
/* SumLn: the sum of ln pSrc[i] into *pSum, in blocks of 512 elements added  */
/* to a double total.  A block with a negative element (sign bit set) gives  */
/* NaN and vdxStsLnNegArg, else one with a zero gives +inf and               */
/* vdxStsLnZeroArg, and the call stops; a NaN element makes the sum NaN.     */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsExp_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsExp_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsExp_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsExp_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsExp_32f64f(const Vdx32f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsExp_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsExp_16s_ISfs(Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsExp_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsExp_32s_ISfs(Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsExp_64s_Sfs(const Vdx64s* pSrc, Vdx64s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsExp_64s_ISfs(Vdx64s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsLn_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsLn_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsLn_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsLn_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsLn_64f32f(const Vdx64f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsLn_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsLn_16s_ISfs(Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsLn_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsLn_32s_ISfs(Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsLn_32s16s_Sfs(const Vdx32s* pSrc, Vdx16s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxs10Log10_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxs10Log10_32s_ISfs(Vdx32s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsSumLn_32f(const Vdx32f* pSrc, int len, Vdx32f* pSum) VDX_NOEXCEPT;
VdxStatus vdxsSumLn_64f(const Vdx64f* pSrc, int len, Vdx64f* pSum) VDX_NOEXCEPT;
VdxStatus vdxsSumLn_32f64f(const Vdx32f* pSrc, int len, Vdx64f* pSum) VDX_NOEXCEPT;
VdxStatus vdxsSumLn_16s32f(const Vdx16s* pSrc, int len, Vdx32f* pSum) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Reductions: sums, means, standard deviations, extrema and their          */
/* positions, bit order of the largest magnitude, counts in a range, zero   */
/* crossings, sliding-window sums, element-wise minimum and maximum.        */
/*                                                                          */
/* Float sums (Sum, Mean, StdDev; complex forms per part) run a fixed order,*/
/* so the result never depends on alignment or the processor: hint          */
/* vdxAlgHintFast sums in float into 16 partial sums (element i into        */
/* partial i mod 16, per whole block of 16), any other hint in double into 8*/
/* (i mod 8).  The partials are folded as a halving tree (p[j] += p[j+h] for*/
/* h = 8 or 4, then h/2, ... 1), the leftover elements are added one by one,*/
/* and a double sum is rounded to float once.  64f and 64fc: 8 double       */
/* partials.  Means divide the sum by len in double and round once.         */
/* StdDev: sqrt(max(0, n Q - S^2) / (n (n - 1))) with S the sum and Q the   */
/* sum of squares, both accumulated as the sum is (squares in float for the */
/* fast hint); the formula itself runs in double.  MeanStdDev_32f always    */
/* accumulates in double.                                                   */
/*                                                                          */
/* Integer forms: 16s sums and sums of squares are exact; n Q - S^2 is      */
/* formed exactly and then divided and rooted in double.  Results are       */
/* scaled by 2^-scaleFactor, rounded half to even and saturated (StdDev_16s */
/* at most 32767).  Sum_32s sums in 64 bits.  Mean_32s_Sfs divides exactly  */
/* with ties to even; for scaleFactor < 0 a shift of 32 or more saturates   */
/* every non-zero quotient, otherwise a sum that fits 32 bits is shifted    */
/* before the division and a larger one after it.                           */
/*                                                                          */
/* Extrema report the first index of the extremum.  Floats: NaN elements    */
/* are skipped (a vector of NaNs only gives its first element, index 0);    */
/* -0 and +0 are equal and the value returned is the first of them.         */
/* MinIndx/MaxIndx take a null index pointer.  MinAbs/MaxAbs: 16s counts    */
/* |-32768| as 32767; 32s forms |x| in 32-bit two's complement, so          */
/* |-2^31| is -2^31 and compares as such.                                   */
/* MinEvery/MaxEvery: dst = src1 < src2 ? src1 : src2 (Max: >), in place    */
/* with src1 = pSrc and src2 = pSrcDst; so on equal values (-0 and +0) the  */
/* second operand is kept.  A NaN operand is skipped: the other one is      */
/* taken, NaN only when both are.                                           */
/*                                                                          */
/* MaxOrder: integers: bits of (OR of all |x|), 0 for all zeros.  Floats:   */
/* exponent field of the largest finite magnitude minus 126 (32f) or 1022   */
/* (64f); zeros and subnormals have field 0, so an all-zero vector gives    */
/* -126 (-1022).  Infinities and NaNs are left out of the order and make    */
/* the call return the warning vdxStsNonFiniteArg.                          */
/*                                                                          */
/* CountInRange: lowerBound < x < upperBound.  ZeroCrossing over pairs      */
/* (x[n-1], x[n]), as a float count: vdxZCProduct pairs of strictly         */
/* opposite signs (a zero never counts; the sign test is exact, so no       */
/* product underflows); vdxZCSignBit pairs with one element below 0 and     */
/* the other not (-0 and NaN count as non-negative); vdxZCSignDiff the sum  */
/* of |sgn x[n] - sgn x[n-1]| halved, rounding down (sgn NaN = 0).          */
/* SumWindow: dst[i] = x[i] + ... + x[i+m-1] for i < len (pSrc holds        */
/* len + m - 1 elements): the first window by 8 float partials, then each   */
/* next one as the previous plus float(x[i+m] - x[i]).                      */
/*                                                                          */
/* Checks: pointers (vdxStsNullPtrErr), then len below 1 (below 2 for       */
/* StdDev and MeanStdDev; 0 for the unsigned-length MinEvery/MaxEvery;      */
/* ZeroCrossing any len <= 0) with vdxStsSizeErr; MaxOrder checks len       */
/* first.  ZeroCrossing: a type outside 0..2 is vdxStsRangeErr.  SumWindow: */
/* maskSize below 1 is vdxStsMaskSizeErr, then a len below 1 returns        */
/* success with nothing written.  No state, no threads.                     */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsCountInRange_32s(const Vdx32s* pSrc, int len, int* pCounts, Vdx32s lowerBound, Vdx32s upperBound) VDX_NOEXCEPT;
VdxStatus vdxsMaxAbsIndx_16s(const Vdx16s* pSrc, int len, Vdx16s* pMaxAbs, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxAbsIndx_32s(const Vdx32s* pSrc, int len, Vdx32s* pMaxAbs, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxAbs_16s(const Vdx16s* pSrc, int len, Vdx16s* pMaxAbs) VDX_NOEXCEPT;
VdxStatus vdxsMaxAbs_32s(const Vdx32s* pSrc, int len, Vdx32s* pMaxAbs) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_16s_I(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_16u(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_16u_I(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_32s_I(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_8u(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMaxEvery_8u_I(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMaxIndx_16s(const Vdx16s* pSrc, int len, Vdx16s* pMax, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxIndx_32f(const Vdx32f* pSrc, int len, Vdx32f* pMax, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxIndx_32s(const Vdx32s* pSrc, int len, Vdx32s* pMax, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxIndx_64f(const Vdx64f* pSrc, int len, Vdx64f* pMax, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMaxOrder_16s(const Vdx16s* pSrc, int len, int* pOrder) VDX_NOEXCEPT;
VdxStatus vdxsMaxOrder_32f(const Vdx32f* pSrc, int len, int* pOrder) VDX_NOEXCEPT;
VdxStatus vdxsMaxOrder_32s(const Vdx32s* pSrc, int len, int* pOrder) VDX_NOEXCEPT;
VdxStatus vdxsMaxOrder_64f(const Vdx64f* pSrc, int len, int* pOrder) VDX_NOEXCEPT;
VdxStatus vdxsMax_16s(const Vdx16s* pSrc, int len, Vdx16s* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMax_32f(const Vdx32f* pSrc, int len, Vdx32f* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMax_32s(const Vdx32s* pSrc, int len, Vdx32s* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMax_64f(const Vdx64f* pSrc, int len, Vdx64f* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMeanStdDev_16s32s_Sfs(const Vdx16s* pSrc, int len, Vdx32s* pMean, Vdx32s* pStdDev, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMeanStdDev_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pMean, Vdx16s* pStdDev, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMeanStdDev_32f(const Vdx32f* pSrc, int len, Vdx32f* pMean, Vdx32f* pStdDev) VDX_NOEXCEPT;
VdxStatus vdxsMeanStdDev_64f(const Vdx64f* pSrc, int len, Vdx64f* pMean, Vdx64f* pStdDev) VDX_NOEXCEPT;
VdxStatus vdxsMean_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pMean, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMean_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pMean, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMean_32f(const Vdx32f* pSrc, int len, Vdx32f* pMean, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsMean_32fc(const Vdx32fc* pSrc, int len, Vdx32fc* pMean, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsMean_32s_Sfs(const Vdx32s* pSrc, int len, Vdx32s* pMean, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMean_64f(const Vdx64f* pSrc, int len, Vdx64f* pMean) VDX_NOEXCEPT;
VdxStatus vdxsMean_64fc(const Vdx64fc* pSrc, int len, Vdx64fc* pMean) VDX_NOEXCEPT;
VdxStatus vdxsMinAbsIndx_16s(const Vdx16s* pSrc, int len, Vdx16s* pMinAbs, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinAbsIndx_32s(const Vdx32s* pSrc, int len, Vdx32s* pMinAbs, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinAbs_16s(const Vdx16s* pSrc, int len, Vdx16s* pMinAbs) VDX_NOEXCEPT;
VdxStatus vdxsMinAbs_32s(const Vdx32s* pSrc, int len, Vdx32s* pMinAbs) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_16s_I(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_16u(const Vdx16u* pSrc1, const Vdx16u* pSrc2, Vdx16u* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_16u_I(const Vdx16u* pSrc, Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_32s_I(const Vdx32s* pSrc, Vdx32s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_8u(const Vdx8u* pSrc1, const Vdx8u* pSrc2, Vdx8u* pDst, Vdx32u len) VDX_NOEXCEPT;
VdxStatus vdxsMinEvery_8u_I(const Vdx8u* pSrc, Vdx8u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMinIndx_16s(const Vdx16s* pSrc, int len, Vdx16s* pMin, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinIndx_32f(const Vdx32f* pSrc, int len, Vdx32f* pMin, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinIndx_32s(const Vdx32s* pSrc, int len, Vdx32s* pMin, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinIndx_64f(const Vdx64f* pSrc, int len, Vdx64f* pMin, int* pIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_16s(const Vdx16s* pSrc, int len, Vdx16s* pMin, int* pMinIndx, Vdx16s* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_16u(const Vdx16u* pSrc, int len, Vdx16u* pMin, int* pMinIndx, Vdx16u* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_32f(const Vdx32f* pSrc, int len, Vdx32f* pMin, int* pMinIndx, Vdx32f* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_32s(const Vdx32s* pSrc, int len, Vdx32s* pMin, int* pMinIndx, Vdx32s* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_32u(const Vdx32u* pSrc, int len, Vdx32u* pMin, int* pMinIndx, Vdx32u* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_64f(const Vdx64f* pSrc, int len, Vdx64f* pMin, int* pMinIndx, Vdx64f* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMaxIndx_8u(const Vdx8u* pSrc, int len, Vdx8u* pMin, int* pMinIndx, Vdx8u* pMax, int* pMaxIndx) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_16s(const Vdx16s* pSrc, int len, Vdx16s* pMin, Vdx16s* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_16u(const Vdx16u* pSrc, int len, Vdx16u* pMin, Vdx16u* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_32f(const Vdx32f* pSrc, int len, Vdx32f* pMin, Vdx32f* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_32s(const Vdx32s* pSrc, int len, Vdx32s* pMin, Vdx32s* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_32u(const Vdx32u* pSrc, int len, Vdx32u* pMin, Vdx32u* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_64f(const Vdx64f* pSrc, int len, Vdx64f* pMin, Vdx64f* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMinMax_8u(const Vdx8u* pSrc, int len, Vdx8u* pMin, Vdx8u* pMax) VDX_NOEXCEPT;
VdxStatus vdxsMin_16s(const Vdx16s* pSrc, int len, Vdx16s* pMin) VDX_NOEXCEPT;
VdxStatus vdxsMin_32f(const Vdx32f* pSrc, int len, Vdx32f* pMin) VDX_NOEXCEPT;
VdxStatus vdxsMin_32s(const Vdx32s* pSrc, int len, Vdx32s* pMin) VDX_NOEXCEPT;
VdxStatus vdxsMin_64f(const Vdx64f* pSrc, int len, Vdx64f* pMin) VDX_NOEXCEPT;
VdxStatus vdxsStdDev_16s32s_Sfs(const Vdx16s* pSrc, int len, Vdx32s* pStdDev, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsStdDev_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pStdDev, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsStdDev_32f(const Vdx32f* pSrc, int len, Vdx32f* pStdDev, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsStdDev_64f(const Vdx64f* pSrc, int len, Vdx64f* pStdDev) VDX_NOEXCEPT;
VdxStatus vdxsSumWindow_16s32f(const Vdx16s* pSrc, Vdx32f* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsSumWindow_8u32f(const Vdx8u* pSrc, Vdx32f* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsSum_16s32s_Sfs(const Vdx16s* pSrc, int len, Vdx32s* pSum, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSum_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16s* pSum, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSum_16sc32sc_Sfs(const Vdx16sc* pSrc, int len, Vdx32sc* pSum, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSum_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pSum, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSum_32f(const Vdx32f* pSrc, int len, Vdx32f* pSum, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsSum_32fc(const Vdx32fc* pSrc, int len, Vdx32fc* pSum, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsSum_32s_Sfs(const Vdx32s* pSrc, int len, Vdx32s* pSum, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsSum_64f(const Vdx64f* pSrc, int len, Vdx64f* pSum) VDX_NOEXCEPT;
VdxStatus vdxsSum_64fc(const Vdx64fc* pSrc, int len, Vdx64fc* pSum) VDX_NOEXCEPT;
VdxStatus vdxsZeroCrossing_16s32f(const Vdx16s* pSrc, int len, Vdx32f* pValZCR, VdxZCType zcType) VDX_NOEXCEPT;
VdxStatus vdxsZeroCrossing_32f(const Vdx32f* pSrc, int len, Vdx32f* pValZCR, VdxZCType zcType) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Thresholds                                                               */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Every comparison is strict: an element equal to the level is kept.  A NaN */
/* element or level fails every test, so NaN elements are kept.              */
/*                                                                           */
/* Real elements: LT = max(x, level), GT = min(x, level); Threshold is LT    */
/* for relOp vdxCmpLess and GT for vdxCmpGreater.  LTVal: x < level gives    */
/* value; GTVal: x > level gives value; LTValGTVal: x < levelLT gives        */
/* valueLT, x > levelGT gives valueGT.  LTAbs: |x| < level gives level with  */
/* the sign of x (floats: the sign bit, so +0 gives +level and -0 gives      */
/* -level; integers: 0 gives +level).  GTAbs: x clamped to [-level, level].  */
/*                                                                           */
/* Complex elements compare re^2 + im^2 with level^2, computed exactly for   */
/* 16sc and in double (32fc) or long double (64fc), where nothing overflows  */
/* or underflows.  LT replaces the elements with |z| < level, GT those with  */
/* |z| > level, by z * level / |z|: the phase kept and the magnitude level,  */
/* formed in the same wider type and then rounded to the part type (16sc:    */
/* half to even, saturated).  A zero element under LT becomes (level, 0); an */
/* element with an infinite part takes the direction of its infinite parts.  */
/* A level of 0: LT copies, GT writes all zeros.  LTVal and GTVal write      */
/* value where the same tests hold.                                          */
/*                                                                           */
/* LTInv: 1 / x where |x| >= level.  Below the level the magnitude is raised */
/* to level first: reals give 1 / (level with the sign bit of x), complex    */
/* elements conj(z) / (|z| level), and a complex zero (1 / level, 0).  So    */
/* only a zero element with a zero (or NaN) level cannot be inverted: reals  */
/* give an infinity of its sign, complex elements (+inf, 0), and the call    */
/* returns vdxStsInvZeroArg, or vdxStsDivByZero when the vector was shared   */
/* between threads (from 8192 elements, up to 4 threads; the values never    */
/* depend on the thread count).  Complex reciprocals are formed in double    */
/* (32fc) or long double (64fc), so they neither overflow nor underflow on   */
/* the way.                                                                  */
/*                                                                           */
/* Checks, in this order: the pointers (vdxStsNullPtrErr), len below 1       */
/* (vdxStsSizeErr), relOp neither vdxCmpLess nor vdxCmpGreater               */
/* (vdxStsBadArgErr), a negative level where it bounds a magnitude: complex  */
/* Threshold, LT, GT, LTVal, GTVal, and LTAbs, GTAbs, LTInv                  */
/* (vdxStsThreshNegLevelErr), levelLT > levelGT                              */
/* (vdxStsThreshLevelOrderErr).  Real LT, GT, LTVal, GTVal take any level.   */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsThreshold_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx16s level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_16sc_I(Vdx16sc* pSrcDst, int len, Vdx16s level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level, VdxCmpOp relOp) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level, VdxCmpOp relOp) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_LT_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_16sc_I(Vdx16sc* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32s_I(Vdx32s* pSrcDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LT_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_GT_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_16sc_I(Vdx16sc* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32s_I(Vdx32s* pSrcDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GT_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_LTVal_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level, Vdx16s value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level, Vdx16s value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx16s level, Vdx16sc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_16sc_I(Vdx16sc* pSrcDst, int len, Vdx16s level, Vdx16sc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level, Vdx32f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level, Vdx32f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level, Vdx32fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level, Vdx32fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level, Vdx64f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level, Vdx64f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level, Vdx64fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTVal_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level, Vdx64fc value) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_GTVal_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level, Vdx16s value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level, Vdx16s value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx16s level, Vdx16sc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_16sc_I(Vdx16sc* pSrcDst, int len, Vdx16s level, Vdx16sc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level, Vdx32f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level, Vdx32f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level, Vdx32fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level, Vdx32fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level, Vdx64f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level, Vdx64f value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level, Vdx64fc value) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTVal_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level, Vdx64fc value) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_LTValGTVal_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s levelLT, Vdx16s valueLT,
                                         Vdx16s levelGT, Vdx16s valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_16s_I(Vdx16s* pSrcDst, int len, Vdx16s levelLT, Vdx16s valueLT, Vdx16s levelGT,
                                           Vdx16s valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, Vdx32s levelLT, Vdx32s valueLT,
                                         Vdx32s levelGT, Vdx32s valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_32s_I(Vdx32s* pSrcDst, int len, Vdx32s levelLT, Vdx32s valueLT, Vdx32s levelGT,
                                           Vdx32s valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f levelLT, Vdx32f valueLT,
                                         Vdx32f levelGT, Vdx32f valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_32f_I(Vdx32f* pSrcDst, int len, Vdx32f levelLT, Vdx32f valueLT, Vdx32f levelGT,
                                           Vdx32f valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f levelLT, Vdx64f valueLT,
                                         Vdx64f levelGT, Vdx64f valueGT) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTValGTVal_64f_I(Vdx64f* pSrcDst, int len, Vdx64f levelLT, Vdx64f valueLT, Vdx64f levelGT,
                                           Vdx64f valueGT) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_LTAbs_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_32s_I(Vdx32s* pSrcDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTAbs_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_GTAbs_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_16s_I(Vdx16s* pSrcDst, int len, Vdx16s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_32s_I(Vdx32s* pSrcDst, int len, Vdx32s level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_GTAbs_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;

VdxStatus vdxsThreshold_LTInv_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_32f_I(Vdx32f* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_64f_I(Vdx64f* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx64f level) VDX_NOEXCEPT;
VdxStatus vdxsThreshold_LTInv_64fc_I(Vdx64fc* pSrcDst, int len, Vdx64f level) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Sorting, in place, ascending or descending.                               */
/*                                                                           */
/* Sort, SortIndex: in place, without extra memory; not stable.  SortIndex   */
/* sorts the values and writes pDstIndx[i] = the original position of the    */
/* value now at i.  Floats: every NaN counts as larger than +inf and all     */
/* NaNs as equal, so ascending puts the NaNs last and descending first; -0   */
/* and +0 are equal.                                                         */
/*                                                                           */
/* SortRadix: stable, by unsigned keys that order like the values            */
/* (unsigned: the value; signed: sign bit flipped; floats: all bits inverted */
/* when the sign bit is set, otherwise the sign bit flipped).  So -0 comes   */
/* before +0, and NaNs go by their sign bit: those with it set (such as      */
/* vdxConstantOfNAN_32f) before -inf, the others after +inf.  Descending     */
/* sorts inverted keys: the values come out in exactly the reverse order and */
/* equal keys keep their order.  pBuffer is a required work buffer of len    */
/* elements of the vector's type, any alignment; its content afterwards is   */
/* unspecified (8u does not touch it).  32u, 32s, 32f and 64f from 8192      */
/* elements may be shared between threads; the result never depends on the   */
/* thread count.                                                             */
/*                                                                           */
/* SortRadixIndex: pSrc is only read; pDstIndx receives the positions of     */
/* the source elements in sorted order, by the same keys, stable in both     */
/* directions (equal keys list their positions in increasing order).  The    */
/* call takes scratch memory from vdxsMalloc_8u (up to 16 bytes per element) */
/* and releases it; vdxStsMemAllocErr when it cannot be had.                 */
/*                                                                           */
/* Checks: the pointers (vdxStsNullPtrErr), then len below 1                 */
/* (vdxStsSizeErr); nothing else fails.                                      */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsSortAscend_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortAscend_16u_I(Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortAscend_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortAscend_32s_I(Vdx32s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortAscend_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortAscend_8u_I(Vdx8u* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortDescend_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortDescend_16u_I(Vdx16u* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortDescend_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortDescend_32s_I(Vdx32s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortDescend_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortDescend_8u_I(Vdx8u* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortIndexAscend_16s_I(Vdx16s* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexAscend_16u_I(Vdx16u* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexAscend_32f_I(Vdx32f* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexAscend_32s_I(Vdx32s* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexAscend_64f_I(Vdx64f* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexAscend_8u_I(Vdx8u* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortIndexDescend_16s_I(Vdx16s* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexDescend_16u_I(Vdx16u* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexDescend_32f_I(Vdx32f* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexDescend_32s_I(Vdx32s* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexDescend_64f_I(Vdx64f* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortIndexDescend_8u_I(Vdx8u* pSrcDst, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortRadixAscend_16s_I(Vdx16s* pSrcDst, Vdx16s* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_16u_I(Vdx16u* pSrcDst, Vdx16u* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_32f_I(Vdx32f* pSrcDst, Vdx32f* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_32s_I(Vdx32s* pSrcDst, Vdx32s* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_32u_I(Vdx32u* pSrcDst, Vdx32u* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_64f_I(Vdx64f* pSrcDst, Vdx64f* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixAscend_8u_I(Vdx8u* pSrcDst, Vdx8u* pBuffer, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortRadixDescend_16s_I(Vdx16s* pSrcDst, Vdx16s* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_16u_I(Vdx16u* pSrcDst, Vdx16u* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_32f_I(Vdx32f* pSrcDst, Vdx32f* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_32s_I(Vdx32s* pSrcDst, Vdx32s* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_32u_I(Vdx32u* pSrcDst, Vdx32u* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_64f_I(Vdx64f* pSrcDst, Vdx64f* pBuffer, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixDescend_8u_I(Vdx8u* pSrcDst, Vdx8u* pBuffer, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortRadixIndexAscend_16s(const Vdx16s* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexAscend_16u(const Vdx16u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexAscend_32f(const Vdx32f* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexAscend_32s(const Vdx32s* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexAscend_32u(const Vdx32u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexAscend_8u(const Vdx8u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;

VdxStatus vdxsSortRadixIndexDescend_16s(const Vdx16s* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexDescend_16u(const Vdx16u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexDescend_32f(const Vdx32f* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexDescend_32s(const Vdx32s* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexDescend_32u(const Vdx32u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;
VdxStatus vdxsSortRadixIndexDescend_8u(const Vdx8u* pSrc, Vdx32s* pDstIndx, int len) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Power-of-two FFT                                                         */
/*                                                                           */
/* Complex transforms of length N = 2^order, C_32fc and C_64fc interleaved,  */
/* C_32f and C_64f on separate real and imaginary arrays.  Forward:          */
/* X[k] = sum x[n] e^(-2 pi i nk/N); inverse: e^(+2 pi i nk/N); then a factor */
/* when the object's flag covers that direction (VDX_FFT_DIV_FWD_BY_N,       */
/* _DIV_INV_BY_N: 1/N; _DIV_BY_SQRTN: 1/sqrt(N) both ways, in single         */
/* precision one Newton step from the reciprocal-square-root estimate;       */
/* _NODIV_BY_ANY: none).  Orders 0..28 (32-bit) and 0..27 (64-bit).          */
/*                                                                           */
/* Objects: GetSize checks order in 0..30, the three pointers, the flag,     */
/* then the family's maximum order, and reports the object size, the Init    */
/* buffer size (0 when Init needs none) and the work-buffer size of one call */
/* (0 when a call needs none); each includes 32 bytes of slack for the       */
/* rounding up below.  The separate-array families report exactly what      */
/* their interleaved twins do.  Init places the object at pSpec rounded up   */
/* to 32 and writes its identifier last; any failure leaves the identifier   */
/* 0.  InitAlloc allocates the object and the Init buffer and frees both on  */
/* failure; Free clears the identifier and releases only objects made by     */
/* InitAlloc.  The hint is stored and not otherwise used.                    */
/*                                                                           */
/* Transforms check the object pointer, its identifier                       */
/* (vdxStsContextMatchErr for an object of another family or a freed one),   */
/* the data pointers, then take the caller's work buffer (rounded up to 32)  */
/* or, when pBuffer is null and the call needs one, allocate it              */
/* (vdxStsMemAllocErr) and free it before returning.  In place (pSrc ==      */
/* pDst, or the _I forms) and out of place give the same results, as do all  */
/* alignments and thread counts.  An FFT object is only read: calls may      */
/* share it from any threads, each with its own buffer.  Orders 16 and 17   */
/* (32-bit) and 15 and 16 (64-bit) share their work with a second thread    */
/* when the object was built while two were available on a machine of at    */
/* most two processors (shorter orders take about what waking it costs).    */
/* The separate-array transforms of orders 18 and up (32-bit) and 17 and up  */
/* (64-bit) also allocate one block of N complex elements per call; at the   */
/* largest order (28 or 27) that block exceeds the allocator's limit and the */
/* call returns vdxStsMemAllocErr.                                           */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFFTGetSize_C_32fc(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_32fc(VdxsFFTSpec_C_32fc** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_32fc(VdxsFFTSpec_C_32fc** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_32fc(VdxsFFTSpec_C_32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_32fc(const VdxsFFTSpec_C_32fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsFFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32fc_I(Vdx32fc* pSrcDst, const VdxsFFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsFFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32fc_I(Vdx32fc* pSrcDst, const VdxsFFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_32f(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_32f(VdxsFFTSpec_C_32f** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_32f(VdxsFFTSpec_C_32f** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_32f(VdxsFFTSpec_C_32f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_32f(const VdxsFFTSpec_C_32f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32f(const Vdx32f* pSrcRe, const Vdx32f* pSrcIm, Vdx32f* pDstRe, Vdx32f* pDstIm, const VdxsFFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32f_I(Vdx32f* pSrcDstRe, Vdx32f* pSrcDstIm, const VdxsFFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32f(const Vdx32f* pSrcRe, const Vdx32f* pSrcIm, Vdx32f* pDstRe, Vdx32f* pDstIm, const VdxsFFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32f_I(Vdx32f* pSrcDstRe, Vdx32f* pSrcDstIm, const VdxsFFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_64fc(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_64fc(VdxsFFTSpec_C_64fc** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_64fc(VdxsFFTSpec_C_64fc** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_64fc(VdxsFFTSpec_C_64fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_64fc(const VdxsFFTSpec_C_64fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsFFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_64fc_I(Vdx64fc* pSrcDst, const VdxsFFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsFFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_64fc_I(Vdx64fc* pSrcDst, const VdxsFFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_64f(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_64f(VdxsFFTSpec_C_64f** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_64f(VdxsFFTSpec_C_64f** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_64f(VdxsFFTSpec_C_64f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_64f(const VdxsFFTSpec_C_64f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_64f(const Vdx64f* pSrcRe, const Vdx64f* pSrcIm, Vdx64f* pDstRe, Vdx64f* pDstIm, const VdxsFFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_64f_I(Vdx64f* pSrcDstRe, Vdx64f* pSrcDstIm, const VdxsFFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_64f(const Vdx64f* pSrcRe, const Vdx64f* pSrcIm, Vdx64f* pDstRe, Vdx64f* pDstIm, const VdxsFFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_64f_I(Vdx64f* pSrcDstRe, Vdx64f* pSrcDstIm, const VdxsFFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Power-of-two FFT: real transforms                                        */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Real transforms (R_32f: orders 0..29, R_64f: 0..28), N = 2^order.         */
/* Forward X[k] = sum x[n] e^(-2 pi i nk/N), stored as X[0..N/2] in the      */
/* Pack, Perm or CCS layout (see Packed-spectrum arithmetic below; CCS takes */
/* N+2 reals); the inverse takes such a spectrum back to N reals and ignores */
/* the imaginary slots 1 and N+1 of CCS.  Flags: VDX_FFT_DIV_FWD_BY_N (the   */
/* forward result times 1/N), VDX_FFT_DIV_INV_BY_N, VDX_FFT_DIV_BY_SQRTN     */
/* (both directions times 1/sqrt(N)), VDX_FFT_NODIV_BY_ANY (an inverse of a  */
/* forward gives N times the signal).  pSrc may equal pDst; _I forms work   */
/* in place.                                                                 */
/*                                                                           */
/* GetSize: order outside 0..30 (vdxStsFFTOrderErr), the three pointers      */
/* (vdxStsNullPtrErr), the flag (vdxStsFFTFlagErr), order above the family's */
/* maximum (vdxStsFFTOrderErr).  Sizes carry 32 bytes of alignment slack.    */
/* The init buffer may be released after Init.                               */
/* Init: null ppFFTSpec or pSpec, bad order or flag (the identifier is then  */
/* cleared), a needed pSpecBuffer null.  Free clears the identifier and      */
/* releases only InitAlloc specs.  Transforms: pFFTSpec null, a spec of      */
/* another family (vdxStsContextMatchErr), data pointers null, and a null    */
/* pBuffer whose block cannot be allocated (vdxStsMemAllocErr). An object is */
/* only read by transforms: concurrent calls each need their own pBuffer.    */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFFTFree_R_32f(VdxsFFTSpec_R_32f* pFFTSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_R_64f(VdxsFFTSpec_R_64f* pFFTSpec) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetBufSize_R_32f(const VdxsFFTSpec_R_32f* pFFTSpec, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_R_64f(const VdxsFFTSpec_R_64f* pFFTSpec, int* pBufferSize) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_R_32f(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize,
                               int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetSize_R_64f(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize,
                               int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;

VdxStatus vdxsFFTInitAlloc_R_32f(VdxsFFTSpec_R_32f** ppFFTSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_R_64f(VdxsFFTSpec_R_64f** ppFFTSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;

VdxStatus vdxsFFTInit_R_32f(VdxsFFTSpec_R_32f** ppFFTSpec, int order, int flag, VdxHintAlgorithm hint,
                            Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_R_64f(VdxsFFTSpec_R_64f** ppFFTSpec, int order, int flag, VdxHintAlgorithm hint,
                            Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTFwd_RToCCS_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTFwd_RToPack_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTFwd_RToPerm_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTInv_CCSToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTInv_PackToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTInv_PermToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_32f_I(Vdx32f* pSrcDst, const VdxsFFTSpec_R_32f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_64f_I(Vdx64f* pSrcDst, const VdxsFFTSpec_R_64f* pFFTSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Power-of-two FFT: integer transforms                                     */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* C_16sc, C_16s (separate arrays), R_16s, C_32sc, C_32s, R_32s and          */
/* R_16s32s (Vdx16s signal, Vdx32s CCS spectrum), with the flags, layouts    */
/* and orders of their float twins (C_32fc, C_32f, R_32f, C_64fc, C_64f,     */
/* R_64f, R_32f).  Each result is the twin's transform of the input,         */
/* normalised by the flag, times 2^-scaleFactor, rounded to nearest with     */
/* ties to even and saturated to the destination type; any scaleFactor is    */
/* valid (large ones give 0, large negative ones saturate by sign).          */
/*                                                                           */
/* 16-bit families: order 0 copies the element with the scale factor         */
/* applied.  Orders 1..3 with hint vdxAlgHintNone or vdxAlgHintFast are      */
/* computed in fixed point and need no work buffer; their results lie within */
/* 1 of the exactly rounded value.  Every other case converts the signal to  */
/* float, transforms it as the float twin does and converts back.  32-bit    */
/* families go through double, R_16s32s through float (the CCS input of the  */
/* inverse rounded to float).                                                */
/*                                                                           */
/* GetSize, Init, InitAlloc, Free, GetBufSize check as the float families    */
/* do; sizes of the 16-bit families depend on the hint, and objects or work */
/* buffers beyond 2^31 - 1 bytes (the top orders) is vdxStsMemAllocErr from */
/* GetSize, Init and InitAlloc.  Transforms: pSpec null, a spec of           */
/* another family (vdxStsContextMatchErr), data pointers null, a null        */
/* pBuffer whose block cannot be allocated (vdxStsMemAllocErr).  pSrc may    */
/* equal pDst; _ISfs forms work in place (CCS: N+2 elements).  An object is  */
/* only read: concurrent calls each need their own pBuffer.                  */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFFTGetSize_C_16sc(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_16sc(VdxsFFTSpec_C_16sc** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_16sc(VdxsFFTSpec_C_16sc** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_16sc(VdxsFFTSpec_C_16sc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_16sc(const VdxsFFTSpec_C_16sc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsFFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_16sc_ISfs(Vdx16sc* pSrcDst, const VdxsFFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsFFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_16sc_ISfs(Vdx16sc* pSrcDst, const VdxsFFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_16s(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_16s(VdxsFFTSpec_C_16s** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_16s(VdxsFFTSpec_C_16s** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_16s(VdxsFFTSpec_C_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_16s(const VdxsFFTSpec_C_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe, Vdx16s* pDstIm, const VdxsFFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_16s_ISfs(Vdx16s* pSrcDstRe, Vdx16s* pSrcDstIm, const VdxsFFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe, Vdx16s* pDstIm, const VdxsFFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_16s_ISfs(Vdx16s* pSrcDstRe, Vdx16s* pSrcDstIm, const VdxsFFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_32sc(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_32sc(VdxsFFTSpec_C_32sc** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_32sc(VdxsFFTSpec_C_32sc** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_32sc(VdxsFFTSpec_C_32sc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_32sc(const VdxsFFTSpec_C_32sc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, const VdxsFFTSpec_C_32sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32sc_ISfs(Vdx32sc* pSrcDst, const VdxsFFTSpec_C_32sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, const VdxsFFTSpec_C_32sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32sc_ISfs(Vdx32sc* pSrcDst, const VdxsFFTSpec_C_32sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_C_32s(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_C_32s(VdxsFFTSpec_C_32s** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_C_32s(VdxsFFTSpec_C_32s** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_C_32s(VdxsFFTSpec_C_32s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_C_32s(const VdxsFFTSpec_C_32s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32s_Sfs(const Vdx32s* pSrcRe, const Vdx32s* pSrcIm, Vdx32s* pDstRe, Vdx32s* pDstIm, const VdxsFFTSpec_C_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_CToC_32s_ISfs(Vdx32s* pSrcDstRe, Vdx32s* pSrcDstIm, const VdxsFFTSpec_C_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32s_Sfs(const Vdx32s* pSrcRe, const Vdx32s* pSrcIm, Vdx32s* pDstRe, Vdx32s* pDstIm, const VdxsFFTSpec_C_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CToC_32s_ISfs(Vdx32s* pSrcDstRe, Vdx32s* pSrcDstIm, const VdxsFFTSpec_C_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_R_16s(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_R_16s(VdxsFFTSpec_R_16s** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_R_16s(VdxsFFTSpec_R_16s** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_R_16s(VdxsFFTSpec_R_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_R_16s(const VdxsFFTSpec_R_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_16s_ISfs(Vdx16s* pSrcDst, const VdxsFFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_R_32s(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_R_32s(VdxsFFTSpec_R_32s** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_R_32s(VdxsFFTSpec_R_32s** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_R_32s(VdxsFFTSpec_R_32s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_R_32s(const VdxsFFTSpec_R_32s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPack_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToPerm_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PackToR_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_PermToR_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_32s_ISfs(Vdx32s* pSrcDst, const VdxsFFTSpec_R_32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsFFTGetSize_R_16s32s(int order, int flag, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTInit_R_16s32s(VdxsFFTSpec_R_16s32s** ppSpec, int order, int flag, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInitAlloc_R_16s32s(VdxsFFTSpec_R_16s32s** ppSpec, int order, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsFFTFree_R_16s32s(VdxsFFTSpec_R_16s32s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsFFTGetBufSize_R_16s32s(const VdxsFFTSpec_R_16s32s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsFFTFwd_RToCCS_16s32s_Sfs(const Vdx16s* pSrc, Vdx32s* pDst, const VdxsFFTSpec_R_16s32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFFTInv_CCSToR_32s16s_Sfs(const Vdx32s* pSrc, Vdx16s* pDst, const VdxsFFTSpec_R_16s32s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Goertzel                                                                  */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* One spectral value of pSrc[0..len-1] at a relative frequency rFreq (the   */
/* frequency over the sampling rate, 0 <= rFreq < 1): with w = 2 pi rFreq,   */
/* the value sum over n of x[n] e^(i w (len - n)), which is DFT bin k when   */
/* rFreq = k / len.  Computed by the Goertzel recurrence                      */
/* S[n] = x[n] + 2 cos(w) S[n-1] - S[n-2] (per component for complex input)  */
/* and e^(iw) S[len-1] - S[len-2].  Every form runs the recurrence in double */
/* precision and rounds once: to float for the 32f forms; for the 16-bit     */
/* forms times 2^-scaleFactor, rounded half to even and saturated.  The Two  */
/* forms give pVal[j] for rFreq[j], j = 0, 1 (two-element arrays), in one   */
/* pass over the input.                                                      */
/* Q15 forms take rFreqQ15 / 32768 as the relative frequency.               */
/*                                                                           */
/* Checks: the pointers (vdxStsNullPtrErr), len below 1 (vdxStsSizeErr), a  */
/* relative frequency below 0, not below 1 or NaN (vdxStsRelFreqErr).        */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsGoertz_32fc(const Vdx32fc* pSrc, int len, Vdx32fc* pVal, Vdx32f rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertz_64fc(const Vdx64fc* pSrc, int len, Vdx64fc* pVal, Vdx64f rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertz_32f(const Vdx32f* pSrc, int len, Vdx32fc* pVal, Vdx32f rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertz_64f(const Vdx64f* pSrc, int len, Vdx64fc* pVal, Vdx64f rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertz_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, Vdx32f rFreq, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsGoertz_16s_Sfs(const Vdx16s* pSrc, int len, Vdx16sc* pVal, Vdx32f rFreq, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsGoertzQ15_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, Vdx16s rFreqQ15,
                                 int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwo_32fc(const Vdx32fc* pSrc, int len, Vdx32fc* pVal, const Vdx32f* rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwo_64fc(const Vdx64fc* pSrc, int len, Vdx64fc* pVal, const Vdx64f* rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwo_32f(const Vdx32f* pSrc, int len, Vdx32fc* pVal, const Vdx32f* rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwo_64f(const Vdx64f* pSrc, int len, Vdx64fc* pVal, const Vdx64f* rFreq) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwo_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, const Vdx32f* rFreq,
                                 int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsGoertzTwoQ15_16sc_Sfs(const Vdx16sc* pSrc, int len, Vdx16sc* pVal, const Vdx16s* rFreqQ15,
                                    int scaleFactor) VDX_NOEXCEPT;


/* ------------------------------------------------------------------------ */
/* DFT of any length                                                         */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* X[k] = sum over n of x[n] e^(-+2 pi i n k / length), the sign by          */
/* direction, then times the object's factor for the direction its flag     */
/* names (the VDX_FFT_* flags: 1/length or 1/sqrt(length)).  Specs are made */
/* only by InitAlloc (length >= 1, flag 1, 2, 4 or 8, hint stored) and      */
/* chose their method then, by length (the limits are for the 32-bit        */
/* families, the 64-bit ones in brackets):                                   */
/*  - 3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15: straight-line kernels;          */
/*  - powers of two: the FFT of that order, its work buffer the DFT's;      */
/*  - below 2^27 [2^26]: mixed radix.  Factors 4 while they divide, then one */
/*    2, then odd trial divisors up to 50 [90] while the cofactor is at least */
/*    their square; the cofactor left becomes the last factor when it is at  */
/*    most 50 [90] (150 for multiples of 4).  A 3 found right after the 2    */
/*    (no 4 present) makes one radix-6 factor.  Self-sorting passes, so the  */
/*    spectrum comes out in natural order;                                   */
/*  - otherwise lengths up to 50 [90]: the direct sum over a table of all    */
/*    length x length twiddles;                                              */
/*  - otherwise below 2^26 [2^25]: a chirp convolution through a DFT of     */
/*    length L, the first of 128, 144, 160, 192, 200, 256, ... 6400, 8192    */
/*    (products of 2, 3 and 5) not below 2 length - 1, or the power of two  */
/*    above 8192; longer lengths are vdxStsSizeErr.                          */
/* Real families: Pack, Perm and CCS as the real FFT's; for odd length there */
/* is no R[length/2] (Pack and Perm both hold R[0], R[1], I[1], ...; CCS     */
/* holds length + 1 reals).  Even lengths above 32 run a complex DFT of     */
/* half the length and recombine; other lengths run the complex DFT of the  */
/* whole length.  Inverses read only the stored half (not the imaginary     */
/* parts of X[0] and X[length/2]).  16-bit families work in float through   */
/* an inner 32f spec and round the result times 2^-scaleFactor half to     */
/* even, saturated.  OutOrd specs: the out-of-order spectrum of this        */
/* library's mixed-radix passes is the natural order (the passes sort        */
/* themselves), so OutOrd transforms equal the ordered ones.                */
/* Checks: InitAlloc: ppSpec, length (vdxStsSizeErr), flag                   */
/* (vdxStsFFTFlagErr), allocation (vdxStsMemAllocErr, everything built is   */
/* released).  Transforms: spec null, its identifier                        */
/* (vdxStsContextMatchErr), data pointers, buffer allocation.  pSrc may be   */
/* pDst; a null pBuffer allocates one of the GetBufSize size per call.      */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsDFTInitAlloc_C_32fc(VdxsDFTSpec_C_32fc** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_32fc(VdxsDFTSpec_C_32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_32fc(const VdxsDFTSpec_C_32fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsDFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsDFTSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_C_32f(VdxsDFTSpec_C_32f** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_32f(VdxsDFTSpec_C_32f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_32f(const VdxsDFTSpec_C_32f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_32f(const Vdx32f* pSrcRe, const Vdx32f* pSrcIm, Vdx32f* pDstRe, Vdx32f* pDstIm, const VdxsDFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_32f(const Vdx32f* pSrcRe, const Vdx32f* pSrcIm, Vdx32f* pDstRe, Vdx32f* pDstIm, const VdxsDFTSpec_C_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_R_32f(VdxsDFTSpec_R_32f** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_R_32f(VdxsDFTSpec_R_32f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_R_32f(const VdxsDFTSpec_R_32f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPack_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPerm_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToCCS_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PackToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PermToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CCSToR_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDFTSpec_R_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_C_64fc(VdxsDFTSpec_C_64fc** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_64fc(VdxsDFTSpec_C_64fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_64fc(const VdxsDFTSpec_C_64fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsDFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsDFTSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_C_64f(VdxsDFTSpec_C_64f** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_64f(VdxsDFTSpec_C_64f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_64f(const VdxsDFTSpec_C_64f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_64f(const Vdx64f* pSrcRe, const Vdx64f* pSrcIm, Vdx64f* pDstRe, Vdx64f* pDstIm, const VdxsDFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_64f(const Vdx64f* pSrcRe, const Vdx64f* pSrcIm, Vdx64f* pDstRe, Vdx64f* pDstIm, const VdxsDFTSpec_C_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_R_64f(VdxsDFTSpec_R_64f** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_R_64f(VdxsDFTSpec_R_64f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_R_64f(const VdxsDFTSpec_R_64f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPack_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPerm_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToCCS_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PackToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PermToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CCSToR_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDFTSpec_R_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_C_16sc(VdxsDFTSpec_C_16sc** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_16sc(VdxsDFTSpec_C_16sc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_16sc(const VdxsDFTSpec_C_16sc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsDFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, const VdxsDFTSpec_C_16sc* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_C_16s(VdxsDFTSpec_C_16s** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_C_16s(VdxsDFTSpec_C_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_C_16s(const VdxsDFTSpec_C_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe, Vdx16s* pDstIm, const VdxsDFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CToC_16s_Sfs(const Vdx16s* pSrcRe, const Vdx16s* pSrcIm, Vdx16s* pDstRe, Vdx16s* pDstIm, const VdxsDFTSpec_C_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTInitAlloc_R_16s(VdxsDFTSpec_R_16s** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTFree_R_16s(VdxsDFTSpec_R_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTGetBufSize_R_16s(const VdxsDFTSpec_R_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPack_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToPerm_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTFwd_RToCCS_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PackToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_PermToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTInv_CCSToR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDFTSpec_R_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTOutOrdInitAlloc_C_32fc(VdxsDFTOutOrdSpec_C_32fc** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdFree_C_32fc(VdxsDFTOutOrdSpec_C_32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdGetBufSize_C_32fc(const VdxsDFTOutOrdSpec_C_32fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdFwd_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsDFTOutOrdSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdInv_CToC_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, const VdxsDFTOutOrdSpec_C_32fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDFTOutOrdInitAlloc_C_64fc(VdxsDFTOutOrdSpec_C_64fc** ppSpec, int length, int flag, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdFree_C_64fc(VdxsDFTOutOrdSpec_C_64fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdGetBufSize_C_64fc(const VdxsDFTOutOrdSpec_C_64fc* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdFwd_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsDFTOutOrdSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDFTOutOrdInv_CToC_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, const VdxsDFTOutOrdSpec_C_64fc* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Hilbert transform                                                         */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* The analytic signal of a real input of length N: real part the input,    */
/* imaginary part its Hilbert transform.  The real DFT's spectrum X[0..N/2]  */
/* is kept at bin 0 (and at bin N/2 for even N), doubled at bins 1 ..        */
/* (N-1)/2, zeroed above, and transformed back by the complex DFT of length */
/* N divided by N.  N = 1 gives (x[0], 0); N = 2 gives (x[0], 0), (x[1], 0). */
/* The 16-bit input is converted exactly; the 16s16sc form rounds the result */
/* times 2^-scaleFactor half to even, saturated.  The object holds the two  */
/* DFT objects; each call takes its work memory from the library allocator  */
/* (vdxStsMemAllocErr when short), so an object may serve concurrent calls. */
/* Checks: InitAlloc: ppSpec, length (vdxStsSizeErr), then the DFT specs'    */
/* statuses.  Transform: pointers (the object first), identifier.           */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsHilbertInitAlloc_32f32fc(VdxsHilbertSpec_32f32fc** ppSpec, int length, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsHilbertFree_32f32fc(VdxsHilbertSpec_32f32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsHilbert_32f32fc(const Vdx32f* pSrc, Vdx32fc* pDst, const VdxsHilbertSpec_32f32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsHilbertInitAlloc_16s32fc(VdxsHilbertSpec_16s32fc** ppSpec, int length, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsHilbertFree_16s32fc(VdxsHilbertSpec_16s32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsHilbert_16s32fc(const Vdx16s* pSrc, Vdx32fc* pDst, const VdxsHilbertSpec_16s32fc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsHilbertInitAlloc_16s16sc(VdxsHilbertSpec_16s16sc** ppSpec, int length, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsHilbertFree_16s16sc(VdxsHilbertSpec_16s16sc* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsHilbert_16s16sc_Sfs(const Vdx16s* pSrc, Vdx16sc* pDst, const VdxsHilbertSpec_16s16sc* pSpec, int scaleFactor) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* DCT                                                                       */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Orthonormal DCT-II forward and DCT-III inverse (its exact inverse):       */
/* y[0] = 1/sqrt(N) sum x[n]; y[k] = sqrt(2/N) sum x[n] cos(pi (2n+1) k/2N). */
/* The object pattern of the FFT (GetSize, Init in caller memory,           */
/* InitAlloc, Free, GetBufSize).  Method by length (32f; 64f in brackets):  */
/*  - 1, 2, 4, 8: straight-line kernels, no tables, no work buffer;          */
/*  - other powers of two up to 2^27 [2^26]: a real FFT of length N on the  */
/*    even-odd reordered input and a table of post-twiddles;               */
/*  - other lengths below 36 [46]: the direct sum over an N x N cosine table */
/*    (work buffer N elements);                                              */
/*  - other lengths: the same reordering through a chirp-convolution DFT    */
/*    of length N; GetSize and InitAlloc accept up to 2^25 - 1, Init up to  */
/*    2^26 - 1 [2^25 - 1 for all].                                           */
/* 16-bit forms run the 32f transform and round the result times            */
/* 2^-scaleFactor half to even, saturated.                                  */
/* Checks: the length first (vdxStsSizeErr, also above the method's limit), */
/* then the pointers, then the identifier (vdxStsContextMatchErr).           */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsDCTFwdGetSize_32f(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInit_32f(VdxsDCTFwdSpec_32f** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInitAlloc_32f(VdxsDCTFwdSpec_32f** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdFree_32f(VdxsDCTFwdSpec_32f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdGetBufSize_32f(const VdxsDCTFwdSpec_32f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDCTFwdSpec_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_32f_I(Vdx32f* pSrcDst, const VdxsDCTFwdSpec_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDCTInvGetSize_32f(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInit_32f(VdxsDCTInvSpec_32f** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInitAlloc_32f(VdxsDCTInvSpec_32f** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvFree_32f(VdxsDCTInvSpec_32f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvGetBufSize_32f(const VdxsDCTInvSpec_32f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_32f(const Vdx32f* pSrc, Vdx32f* pDst, const VdxsDCTInvSpec_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_32f_I(Vdx32f* pSrcDst, const VdxsDCTInvSpec_32f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDCTFwdGetSize_64f(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInit_64f(VdxsDCTFwdSpec_64f** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInitAlloc_64f(VdxsDCTFwdSpec_64f** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdFree_64f(VdxsDCTFwdSpec_64f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdGetBufSize_64f(const VdxsDCTFwdSpec_64f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDCTFwdSpec_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_64f_I(Vdx64f* pSrcDst, const VdxsDCTFwdSpec_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDCTInvGetSize_64f(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInit_64f(VdxsDCTInvSpec_64f** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInitAlloc_64f(VdxsDCTInvSpec_64f** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvFree_64f(VdxsDCTInvSpec_64f* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvGetBufSize_64f(const VdxsDCTInvSpec_64f* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_64f(const Vdx64f* pSrc, Vdx64f* pDst, const VdxsDCTInvSpec_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_64f_I(Vdx64f* pSrcDst, const VdxsDCTInvSpec_64f* pSpec, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDCTFwdGetSize_16s(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInit_16s(VdxsDCTFwdSpec_16s** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdInitAlloc_16s(VdxsDCTFwdSpec_16s** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdFree_16s(VdxsDCTFwdSpec_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwdGetBufSize_16s(const VdxsDCTFwdSpec_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDCTFwdSpec_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTFwd_16s_ISfs(Vdx16s* pSrcDst, const VdxsDCTFwdSpec_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;

VdxStatus vdxsDCTInvGetSize_16s(int len, VdxHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInit_16s(VdxsDCTInvSpec_16s** ppSpec, int len, VdxHintAlgorithm hint, Vdx8u* pSpec, Vdx8u* pSpecBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvInitAlloc_16s(VdxsDCTInvSpec_16s** ppSpec, int len, VdxHintAlgorithm hint) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvFree_16s(VdxsDCTInvSpec_16s* pSpec) VDX_NOEXCEPT;
VdxStatus vdxsDCTInvGetBufSize_16s(const VdxsDCTInvSpec_16s* pSpec, int* pSize) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, const VdxsDCTInvSpec_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsDCTInv_16s_ISfs(Vdx16s* pSrcDst, const VdxsDCTInvSpec_16s* pSpec, int scaleFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;


/* ------------------------------------------------------------------------ */
/* Packed-spectrum arithmetic                                                */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Spectra of real signals of length len = N in the layouts of the real FFT  */
/* (R[k], I[k]: parts of X[k]; h = N/2 rounded down):                        */
/*   Pack  R[0], R[1], I[1], ..., R[h-1], I[h-1], R[h]                       */
/*         (odd N: R[0], R[1], I[1], ..., R[h], I[h])                        */
/*   Perm  R[0], R[h], R[1], I[1], ..., R[h-1], I[h-1]  (odd N: as Pack)     */
/*   CCS   R[0], 0, R[1], I[1], ..., R[h], I[h]  (h+1 complex terms)         */
/*                                                                           */
/* MulPack, MulPerm: element-wise product of two spectra; the real terms     */
/* (R[0], and R[h] for even N) as reals, every pair as complex numbers,      */
/* (ar br - ai bi, ar bi + ai br), each product rounded before the sum (the  */
/* same bits on every processor).  In place: pSrcDst = pSrc * pSrcDst.       */
/* MulPackConj_I: pSrcDst = pSrc * conj(pSrcDst), pairs (ar br + ai bi,      */
/* ai br - ar bi).  16s: each part exact, then times 2^-scaleFactor, rounded */
/* half to even and saturated.                                               */
/*                                                                           */
/* ConjPack, ConjPerm, ConjCcs: the full conjugate-symmetric spectrum of     */
/* dstLen complex terms: dst[0] = (R[0], 0), dst[k] = (R[k], I[k]), for even */
/* dstLen dst[h] = (R[h], 0), dst[dstLen-k] = conj(dst[k]); the zero parts   */
/* of a CCS source are not read.  In place, the packed data (Pack, Perm:     */
/* dstLen reals; CCS: dstLen/2+1 complex terms) lies at the start of the     */
/* complex array.  16sc: a conjugated -32768 saturates to 32767.             */
/*                                                                           */
/* Checks: the pointers (vdxStsNullPtrErr), then len or dstLen below 1       */
/* (vdxStsSizeErr); nothing else fails.                                      */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsConjCcs_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjCcs_16sc_I(Vdx16sc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjCcs_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjCcs_32fc_I(Vdx32fc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjCcs_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjCcs_64fc_I(Vdx64fc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_16sc(const Vdx16s* pSrc, Vdx16sc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_16sc_I(Vdx16sc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_32fc(const Vdx32f* pSrc, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_32fc_I(Vdx32fc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_64fc(const Vdx64f* pSrc, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPack_64fc_I(Vdx64fc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_16sc(const Vdx16s* pSrc, Vdx16sc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_16sc_I(Vdx16sc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_32fc(const Vdx32f* pSrc, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_32fc_I(Vdx32fc* pSrcDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_64fc(const Vdx64f* pSrc, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsConjPerm_64fc_I(Vdx64fc* pSrcDst, int dstLen) VDX_NOEXCEPT;

VdxStatus vdxsMulPackConj_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPackConj_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len,
                              int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPack_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_16s_ISfs(const Vdx16s* pSrc, Vdx16s* pSrcDst, int len, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_16s_Sfs(const Vdx16s* pSrc1, const Vdx16s* pSrc2, Vdx16s* pDst, int len,
                              int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_32f(const Vdx32f* pSrc1, const Vdx32f* pSrc2, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_32f_I(const Vdx32f* pSrc, Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_64f(const Vdx64f* pSrc1, const Vdx64f* pSrc2, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsMulPerm_64f_I(const Vdx64f* pSrc, Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Window functions                                                          */
/* ------------------------------------------------------------------------ */
/* dst[n] = src[n] * w(n), n = 0 .. len-1, for a symmetric window w of the   */
/* vector's own length N (complex forms: both parts by the same w(n)); the   */
/* _I forms work in place.  With theta = 2 pi / (N-1):                       */
/*   Bartlett     w(n) = 2n/(N-1) on the first half, mirrored;               */
/*   Hann         0.5 - 0.5 cos(n theta);                                    */
/*   Hamming      0.54 - 0.46 cos(n theta);                                  */
/*   Blackman     (alpha+1)/2 - 0.5 cos(n theta) - (alpha/2) cos(2n theta);  */
/*                BlackmanStd uses alpha = -0.16, BlackmanOpt                */
/*                alpha = -(0.5 / cos(pi/(N-1)))^2 (rounded to float);       */
/*   Kaiser       I0(|alpha| sqrt(n (N-1-n))) / I0(|alpha| (N-1)/2), I0 by   */
/*                the Abramowitz-Stegun polynomials.                         */
/* The Q15 forms take alpha as alphaQ15 * 2^-15.  Weights are formed in      */
/* double and rounded to the element precision (float for 16s and 32f) and   */
/* applied at both ends at once, so results are exactly symmetric; for odd N */
/* the middle element is copied.  Cosines come from a recurrence reseeded    */
/* every 16 values: weights are within a few ulps of the formulas.  16-bit  */
/* forms multiply in float and round half to even with saturation            */
/* (BlackmanQ15_16s_ISfs multiplies by 2^-scaleFactor first).                */
/*                                                                           */
/* Checks, in this order: BlackmanOpt first N below 4 (vdxStsSizeErr), then  */
/* the pointers (vdxStsNullPtrErr); the others the pointers, then N below 3  */
/* (below 1 for Kaiser; vdxStsSizeErr); Kaiser then |alpha| (N-1)/2 above 38 */
/* for 32f and 32fc, above 308 for the other types, or alpha NaN             */
/* (vdxStsKaiserAlphaErr).                                                   */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsWinBartlett_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_16sc_I(Vdx16sc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBartlett_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsWinBlackmanOpt_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_16sc_I(Vdx16sc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanOpt_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsWinBlackmanStd_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_16sc_I(Vdx16sc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanStd_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsWinBlackman_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_16s_I(Vdx16s* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_16sc_I(Vdx16sc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_32f_I(Vdx32f* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_64f_I(Vdx64f* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackman_64fc_I(Vdx64fc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;

VdxStatus vdxsWinHamming_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_16sc_I(Vdx16sc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHamming_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsWinHann_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_16s_I(Vdx16s* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_16sc_I(Vdx16sc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_32f_I(Vdx32f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_32fc_I(Vdx32fc* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_64f_I(Vdx64f* pSrcDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len) VDX_NOEXCEPT;
VdxStatus vdxsWinHann_64fc_I(Vdx64fc* pSrcDst, int len) VDX_NOEXCEPT;

VdxStatus vdxsWinKaiser_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_16s_I(Vdx16s* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_16sc_I(Vdx16sc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_32f_I(Vdx32f* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_32fc_I(Vdx32fc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_64f_I(Vdx64f* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, Vdx32f alpha) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiser_64fc_I(Vdx64fc* pSrcDst, int len, Vdx32f alpha) VDX_NOEXCEPT;

VdxStatus vdxsWinBlackmanQ15_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanQ15_16s_I(Vdx16s* pSrcDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanQ15_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanQ15_16sc_I(Vdx16sc* pSrcDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinBlackmanQ15_16s_ISfs(Vdx16s* pSrcDst, int len, int alphaQ15, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiserQ15_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiserQ15_16s_I(Vdx16s* pSrcDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiserQ15_16sc(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, int alphaQ15) VDX_NOEXCEPT;
VdxStatus vdxsWinKaiserQ15_16sc_I(Vdx16sc* pSrcDst, int len, int alphaQ15) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* FIR design                                                                */
/* ------------------------------------------------------------------------ */
/* Linear-phase taps by the window method, L = tapsLen doubles: the ideal    */
/* response truncated around the centre (tap (L-1)/2), times the window      */
/* winType of length L (vdxWinBartlett, vdxWinBlackmanOpt, vdxWinHamming,    */
/* vdxWinHann as the window functions above; winType is a plain int, and    */
/* any other value means no window).                                         */
/* Frequencies are fractions of the sampling rate.  With m the distance of a */
/* tap from the centre (whole for odd L, half-whole for even L):             */
/*   Lowpass   sin(2 pi f m)/(pi m), centre 2f; symmetric;                   */
/*   Highpass  odd L: -sin(2 pi f m)/(pi m), centre 1-2f, symmetric; even L: */
/*             cos(2 pi f m)/(pi m) left of the centre, antisymmetric;       */
/*   Bandpass  (sin(2 pi fh m) - sin(2 pi fl m))/(pi m), centre 2(fh-fl);    */
/*   Bandstop  (sin(pi m) - sin(2 pi fh m) + sin(2 pi fl m))/(pi m), centre  */
/*             1-2(fh-fl); symmetric, so an even L has a zero at one half.   */
/* doNormal non-zero scales the taps to unit gain at 0 (lowpass, bandstop),  */
/* at 1/2 (highpass) or at the band centre (fl+fh)/2 (bandpass).             */
/*                                                                           */
/* Checks, in this order: pTaps null (vdxStsNullPtrErr); tapsLen below 5, a  */
/* frequency not strictly between 0 and 0.5, or rLowFreq >= rHighFreq        */
/* (vdxStsSizeErr).                                                          */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFIRGenBandpass_64f(Vdx64f rLowFreq, Vdx64f rHighFreq, Vdx64f* pTaps, int tapsLen,
                                 int winType, int doNormal) VDX_NOEXCEPT;
VdxStatus vdxsFIRGenBandstop_64f(Vdx64f rLowFreq, Vdx64f rHighFreq, Vdx64f* pTaps, int tapsLen,
                                 int winType, int doNormal) VDX_NOEXCEPT;
VdxStatus vdxsFIRGenHighpass_64f(Vdx64f rFreq, Vdx64f* pTaps, int tapsLen, int winType,
                                 int doNormal) VDX_NOEXCEPT;
VdxStatus vdxsFIRGenLowpass_64f(Vdx64f rFreq, Vdx64f* pTaps, int tapsLen, int winType,
                                int doNormal) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* FIR filters                                                               */
/* ------------------------------------------------------------------------ */
/* y(n) = sum over k = 0..L-1 of h(k) x(n-k), L = tapsLen taps, the history  */
/* kept in a state between calls, so that a signal filtered in pieces gives  */
/* the outputs of one call (within the rounding of the method each piece     */
/* takes).  Rows (taps / data): 32f, 32fc, 64f, 64fc; 32f_16s, 32fc_16sc;    */
/* 64f_32f, 64fc_32fc; 64f_32s, 64fc_32sc; 64f_16s, 64fc_16sc; integer taps  */
/* 32s_16s, 32sc_16sc, _16s (16s taps) and _32s (32s data).                  */
/*                                                                           */
/* A state computes in the floating-point type of its taps (32f, 32fc, 64f,  */
/* 64fc; integer-tap states in double, where 16-bit products and their sums  */
/* are exact): data of another type is converted on the way in, and Sfs      */
/* outputs are multiplied by 2^-scaleFactor, rounded half to even and        */
/* saturated; 64f-state outputs to 32f data are rounded to nearest.          */
/*                                                                           */
/* Sizes and memory: GetStateSize counts per-thread overlap-save areas for   */
/* the core library's thread count, but never fewer than the processors     */
/* configured, and at most 8 (the most a block call uses for overlap-save): */
/* a change of the process's affinity between the query and Init never      */
/* makes a state outgrow its buffer; only a thread count pinned above the    */
/* processors between them does.  Init places the state at the buffer's     */
/* next 32-byte boundary; InitAlloc does both in library memory.  Free releases what InitAlloc allocated; on a state    */
/* built by Init it returns success and touches nothing.                     */
/*                                                                           */
/* Delay lines at the interface hold L samples, newest first (element 0 is   */
/* x(-1)); a null line means zeros.  GetDlyLine after a block of n >= L      */
/* samples returns its last L inputs, newest first.                          */
/*                                                                           */
/* Methods: direct sums in registers, or overlap-save through real (complex  */
/* for complex states) FFTs of length 2^(k+1), 2^k the smallest power of two */
/* above L (k >= 2), built for L >= 64 (32f, 64f), 16 (32fc), 32 (64fc) and  */
/* used for blocks above 511 (real) or 255 (complex) samples.  Blocks above  */
/* 1600 (real) or 800 (complex) samples run on several threads; results do   */
/* not depend on the thread count.  In-place calls, and states whose data    */
/* type differs from the computation type, filter through the state's delay  */
/* buffer in pieces of 16 L samples (at least 256, at most about 4096, in    */
/* whole overlap-save blocks), each piece choosing its method and threads by */
/* its own length.                                                           */
/*                                                                           */
/* Integer taps: the taps are shifted right one bit at a time, and the taps  */
/* factor raised by one, until no magnitude exceeds 32766; the real tap is   */
/* tap(k) * 2^tapsFactor, and GetTaps returns the shifted taps and raised    */
/* factor.  _32s states (32s taps and data) keep the taps as given.  The     */
/* 32s_16s32f and 32sc_16sc32fc forms take real taps for an integer-tap      */
/* state: each is rounded to an integer times 2^f, f chosen so that the      */
/* largest magnitude lands between 16383 and 32766; their GetTaps returns    */
/* the real values.  An integer GetTaps of a state built from real taps      */
/* rounds h(k) * 2^-tapsFactor half to even and saturates.                   */
/*                                                                           */
/* Block calls also take the row's stream state (32f and 16s: Stream*Init);  */
/* with it a call keeps no history: output n is the sum over pSrc[n ..       */
/* n+L-1] (tap h(L-1) on pSrc[n]), so the caller passes numIters + L - 1     */
/* samples.  The delay-line calls and FIROne refuse stream states.  No       */
/* multi-rate state can be built yet: every call refuses one as a foreign    */
/* object.                                                                   */
/*                                                                           */
/* Checks, in this order: pointers (vdxStsNullPtrErr), tapsLen below 1       */
/* (vdxStsFIRLenErr), numIters below 1 (vdxStsSizeErr), the state's          */
/* identifier (vdxStsContextMatchErr, also for a state of another row or     */
/* family).  Nothing is written on error.  A size beyond the 32-bit byte     */
/* counts is vdxStsMemAllocErr.                                              */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFIRGetStateSize_32f(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_32f(const Vdx32f* pTaps, VdxsFIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_32f(const VdxsFIRState_32f* pState, Vdx32f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_32f(VdxsFIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_32f(VdxsFIRState_32f* pState, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_32f(const VdxsFIRState_32f* pState, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_32f(Vdx32f src, Vdx32f* pDstVal, VdxsFIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, VdxsFIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32f_I(Vdx32f* pSrcDst, int numIters, VdxsFIRState_32f* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize_32fc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_32fc(VdxsFIRState_32fc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_32fc(VdxsFIRState_32fc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_32fc(const Vdx32fc* pTaps, VdxsFIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_32fc(const VdxsFIRState_32fc* pState, Vdx32fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_32fc(VdxsFIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_32fc(VdxsFIRState_32fc* pState, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_32fc(const VdxsFIRState_32fc* pState, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_32fc(Vdx32fc src, Vdx32fc* pDstVal, VdxsFIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, VdxsFIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32fc_I(Vdx32fc* pSrcDst, int numIters, VdxsFIRState_32fc* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize_64f(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_64f(VdxsFIRState_64f** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_64f(VdxsFIRState_64f** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_64f(const Vdx64f* pTaps, VdxsFIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_64f(const VdxsFIRState_64f* pState, Vdx64f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_64f(VdxsFIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_64f(VdxsFIRState_64f* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_64f(const VdxsFIRState_64f* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_64f(Vdx64f src, Vdx64f* pDstVal, VdxsFIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_64f(const Vdx64f* pSrc, Vdx64f* pDst, int numIters, VdxsFIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_64f_I(Vdx64f* pSrcDst, int numIters, VdxsFIRState_64f* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize_64fc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_64fc(VdxsFIRState_64fc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_64fc(VdxsFIRState_64fc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_64fc(const Vdx64fc* pTaps, VdxsFIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_64fc(const VdxsFIRState_64fc* pState, Vdx64fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_64fc(VdxsFIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_64fc(VdxsFIRState_64fc* pState, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_64fc(const VdxsFIRState_64fc* pState, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_64fc(Vdx64fc src, Vdx64fc* pDstVal, VdxsFIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int numIters, VdxsFIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR_64fc_I(Vdx64fc* pSrcDst, int numIters, VdxsFIRState_64fc* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64f_32f(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64f_32f(VdxsFIRState64f_32f** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64f_32f(VdxsFIRState64f_32f** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64f_32f(const Vdx64f* pTaps, VdxsFIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64f_32f(const VdxsFIRState64f_32f* pState, Vdx64f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64f_32f(VdxsFIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64f_32f(VdxsFIRState64f_32f* pState, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64f_32f(const VdxsFIRState64f_32f* pState, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_32f(Vdx32f src, Vdx32f* pDstVal, VdxsFIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, VdxsFIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_32f_I(Vdx32f* pSrcDst, int numIters, VdxsFIRState64f_32f* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64fc_32fc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64fc_32fc(VdxsFIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64fc_32fc(VdxsFIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64fc_32fc(const Vdx64fc* pTaps, VdxsFIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64fc_32fc(const VdxsFIRState64fc_32fc* pState, Vdx64fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64fc_32fc(VdxsFIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64fc_32fc(VdxsFIRState64fc_32fc* pState, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64fc_32fc(const VdxsFIRState64fc_32fc* pState, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_32fc(Vdx32fc src, Vdx32fc* pDstVal, VdxsFIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, VdxsFIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_32fc_I(Vdx32fc* pSrcDst, int numIters, VdxsFIRState64fc_32fc* pState) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize32f_16s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit32f_16s(VdxsFIRState32f_16s** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32f_16s(VdxsFIRState32f_16s** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32f_16s(const Vdx32f* pTaps, VdxsFIRState32f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32f_16s(const VdxsFIRState32f_16s* pState, Vdx32f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree32f_16s(VdxsFIRState32f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine32f_16s(VdxsFIRState32f_16s* pState, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine32f_16s(const VdxsFIRState32f_16s* pState, Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32f_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsFIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32f_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, VdxsFIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32f_16s_ISfs(Vdx16s* pSrcDst, int numIters, VdxsFIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize32fc_16sc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit32fc_16sc(VdxsFIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32fc_16sc(VdxsFIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32fc_16sc(const Vdx32fc* pTaps, VdxsFIRState32fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32fc_16sc(const VdxsFIRState32fc_16sc* pState, Vdx32fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree32fc_16sc(VdxsFIRState32fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine32fc_16sc(VdxsFIRState32fc_16sc* pState, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine32fc_16sc(const VdxsFIRState32fc_16sc* pState, Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32fc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsFIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32fc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, VdxsFIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32fc_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, VdxsFIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64f_32s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64f_32s(VdxsFIRState64f_32s** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx32s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64f_32s(VdxsFIRState64f_32s** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64f_32s(const Vdx64f* pTaps, VdxsFIRState64f_32s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64f_32s(const VdxsFIRState64f_32s* pState, Vdx64f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64f_32s(VdxsFIRState64f_32s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64f_32s(VdxsFIRState64f_32s* pState, const Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64f_32s(const VdxsFIRState64f_32s* pState, Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_32s_Sfs(Vdx32s src, Vdx32s* pDstVal, VdxsFIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int numIters, VdxsFIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_32s_ISfs(Vdx32s* pSrcDst, int numIters, VdxsFIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64fc_32sc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64fc_32sc(VdxsFIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx32sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64fc_32sc(VdxsFIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx32sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64fc_32sc(const Vdx64fc* pTaps, VdxsFIRState64fc_32sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64fc_32sc(const VdxsFIRState64fc_32sc* pState, Vdx64fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64fc_32sc(VdxsFIRState64fc_32sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64fc_32sc(VdxsFIRState64fc_32sc* pState, const Vdx32sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64fc_32sc(const VdxsFIRState64fc_32sc* pState, Vdx32sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_32sc_Sfs(Vdx32sc src, Vdx32sc* pDstVal, VdxsFIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, int numIters, VdxsFIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_32sc_ISfs(Vdx32sc* pSrcDst, int numIters, VdxsFIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64f_16s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64f_16s(VdxsFIRState64f_16s** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64f_16s(VdxsFIRState64f_16s** ppState, const Vdx64f* pTaps, int tapsLen, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64f_16s(const Vdx64f* pTaps, VdxsFIRState64f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64f_16s(const VdxsFIRState64f_16s* pState, Vdx64f* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64f_16s(VdxsFIRState64f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64f_16s(VdxsFIRState64f_16s* pState, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64f_16s(const VdxsFIRState64f_16s* pState, Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsFIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, VdxsFIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_16s_ISfs(Vdx16s* pSrcDst, int numIters, VdxsFIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize64fc_16sc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit64fc_16sc(VdxsFIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc64fc_16sc(VdxsFIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps64fc_16sc(const Vdx64fc* pTaps, VdxsFIRState64fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps64fc_16sc(const VdxsFIRState64fc_16sc* pState, Vdx64fc* pTaps) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree64fc_16sc(VdxsFIRState64fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine64fc_16sc(VdxsFIRState64fc_16sc* pState, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine64fc_16sc(const VdxsFIRState64fc_16sc* pState, Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsFIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, VdxsFIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, VdxsFIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize32s_16s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit32s_16s(VdxsFIRState32s_16s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32s_16s(VdxsFIRState32s_16s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32s_16s(const Vdx32s* pTaps, VdxsFIRState32s_16s* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32s_16s(const VdxsFIRState32s_16s* pState, Vdx32s* pTaps, int* pTapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree32s_16s(VdxsFIRState32s_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine32s_16s(VdxsFIRState32s_16s* pState, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine32s_16s(const VdxsFIRState32s_16s* pState, Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32s_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsFIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32s_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, VdxsFIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32s_16s_ISfs(Vdx16s* pSrcDst, int numIters, VdxsFIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize32sc_16sc(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit32sc_16sc(VdxsFIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32sc_16sc(VdxsFIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32sc_16sc(const Vdx32sc* pTaps, VdxsFIRState32sc_16sc* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32sc_16sc(const VdxsFIRState32sc_16sc* pState, Vdx32sc* pTaps, int* pTapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree32sc_16sc(VdxsFIRState32sc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine32sc_16sc(VdxsFIRState32sc_16sc* pState, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine32sc_16sc(const VdxsFIRState32sc_16sc* pState, Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32sc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsFIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32sc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, VdxsFIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32sc_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, VdxsFIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize_16s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_16s(const Vdx16s* pTaps, VdxsFIRState_16s* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_16s(const VdxsFIRState_16s* pState, Vdx16s* pTaps, int* pTapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_16s(VdxsFIRState_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_16s(VdxsFIRState_16s* pState, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_16s(const VdxsFIRState_16s* pState, Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsFIRState_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, VdxsFIRState_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR_16s_ISfs(Vdx16s* pSrcDst, int numIters, VdxsFIRState_16s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRGetStateSize_32s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRInit_32s(VdxsFIRState_32s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, const Vdx32s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc_32s(VdxsFIRState_32s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, const Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps_32s(const Vdx32s* pTaps, VdxsFIRState_32s* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps_32s(const VdxsFIRState_32s* pState, Vdx32s* pTaps, int* pTapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRFree_32s(VdxsFIRState_32s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetDlyLine_32s(VdxsFIRState_32s* pState, const Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetDlyLine_32s(const VdxsFIRState_32s* pState, Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_32s_Sfs(Vdx32s src, Vdx32s* pDstVal, VdxsFIRState_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int numIters, VdxsFIRState_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR_32s_ISfs(Vdx32s* pSrcDst, int numIters, VdxsFIRState_32s* pState, int scaleFactor) VDX_NOEXCEPT;

VdxStatus vdxsFIRInit32s_16s32f(VdxsFIRState32s_16s** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32s_16s32f(VdxsFIRState32s_16s** ppState, const Vdx32f* pTaps, int tapsLen, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32s_16s32f(const Vdx32f* pTaps, VdxsFIRState32s_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32s_16s32f(const VdxsFIRState32s_16s* pState, Vdx32f* pTaps) VDX_NOEXCEPT;

VdxStatus vdxsFIRInit32sc_16sc32fc(VdxsFIRState32sc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRInitAlloc32sc_16sc32fc(VdxsFIRState32sc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRSetTaps32sc_16sc32fc(const Vdx32fc* pTaps, VdxsFIRState32sc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsFIRGetTaps32sc_16sc32fc(const VdxsFIRState32sc_16sc* pState, Vdx32fc* pTaps) VDX_NOEXCEPT;

VdxStatus vdxsFIRStreamGetStateSize_32f(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRStreamInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRStreamInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen) VDX_NOEXCEPT;
VdxStatus vdxsFIRStreamGetStateSize_16s(int tapsLen, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRStreamInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRStreamInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor) VDX_NOEXCEPT;

/* Stateless members: the caller holds the taps (forward order) and a delay  */
/* line of 2 L samples with an index in 0..L-1: the L newest samples, newest */
/* first, at pDlyLine[index ..], each also at L places further on.  Start    */
/* with zeros and index 0 (or a line of the state's interface order written  */
/* twice).  A block call rewrites the line at index 0.  An index outside     */
/* 0..L-1 is vdxStsDlyLineIndexErr (after the length checks).  They run on   */
/* the calling thread, by the direct broadcast kernels; the block forms take */
/* scratch memory for about 4L + 2048 samples from the library allocator     */
/* (vdxStsMemAllocErr when it is short, nothing written).                    */
VdxStatus vdxsFIROne_Direct_32f(Vdx32f src, Vdx32f* pDstVal, const Vdx32f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_32f_I(Vdx32f* pSrcDstVal, const Vdx32f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, const Vdx32f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_32f_I(Vdx32f* pSrcDst, int numIters, const Vdx32f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_32fc(Vdx32fc src, Vdx32fc* pDstVal, const Vdx32fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_32fc_I(Vdx32fc* pSrcDstVal, const Vdx32fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, const Vdx32fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_32fc_I(Vdx32fc* pSrcDst, int numIters, const Vdx32fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_64f(Vdx64f src, Vdx64f* pDstVal, const Vdx64f* pTaps, int tapsLen, Vdx64f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_64f_I(Vdx64f* pSrcDstVal, const Vdx64f* pTaps, int tapsLen, Vdx64f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_64f(const Vdx64f* pSrc, Vdx64f* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx64f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_64f_I(Vdx64f* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx64f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_64fc(Vdx64fc src, Vdx64fc* pDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx64fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne_Direct_64fc_I(Vdx64fc* pSrcDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx64fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx64fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR_Direct_64fc_I(Vdx64fc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx64fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_32f(Vdx32f src, Vdx32f* pDstVal, const Vdx64f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_32f_I(Vdx32f* pSrcDstVal, const Vdx64f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_32f_I(Vdx32f* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx32f* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_32fc(Vdx32fc src, Vdx32fc* pDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_32fc_I(Vdx32fc* pSrcDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_32fc_I(Vdx32fc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx32fc* pDlyLine, int* pDlyLineIndex) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32f_Direct_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, const Vdx32f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32f_Direct_16s_ISfs(Vdx16s* pSrcDstVal, const Vdx32f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32f_Direct_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, const Vdx32f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32f_Direct_16s_ISfs(Vdx16s* pSrcDst, int numIters, const Vdx32f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32fc_Direct_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, const Vdx32fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne32fc_Direct_16sc_ISfs(Vdx16sc* pSrcDstVal, const Vdx32fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32fc_Direct_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, const Vdx32fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR32fc_Direct_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, const Vdx32fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_32s_Sfs(Vdx32s src, Vdx32s* pDstVal, const Vdx64f* pTaps, int tapsLen, Vdx32s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_32s_ISfs(Vdx32s* pSrcDstVal, const Vdx64f* pTaps, int tapsLen, Vdx32s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx32s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_32s_ISfs(Vdx32s* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx32s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_32sc_Sfs(Vdx32sc src, Vdx32sc* pDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_32sc_ISfs(Vdx32sc* pSrcDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_32sc_ISfs(Vdx32sc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, const Vdx64f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64f_Direct_16s_ISfs(Vdx16s* pSrcDstVal, const Vdx64f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64f_Direct_16s_ISfs(Vdx16s* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, Vdx16s* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIROne64fc_Direct_16sc_ISfs(Vdx16sc* pSrcDstVal, const Vdx64fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIR64fc_Direct_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, Vdx16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Multi-rate FIR filters                                                   */
/*                                                                          */
/* Up-sampling by upFactor U (input k at position k U + upPhase, zeros      */
/* between), the FIR taps, down-sampling by downFactor D (positions         */
/* n D + downPhase kept), in one pass over the outputs that are kept.  A    */
/* block call (vdxsFIR_32f and the other single-rate block calls, which     */
/* take these states) reads numIters D inputs and writes numIters U         */
/* outputs.  Free, SetTaps, GetTaps, SetDlyLine and GetDlyLine are the      */
/* single-rate ones.  U = D = 1 builds a single-rate state (and its size).  */
/* The delay line holds ceil(L / U) inputs, newest first.  Checks: null     */
/* pointers, tapsLen < 1 (vdxStsFIRLenErr), a factor below 1                */
/* (vdxStsFIRMRFactorErr), a phase outside 0..factor-1                      */
/* (vdxStsFIRMRPhaseErr), U D + L beyond 2^31 - 1 or a state beyond 2 GB    */
/* (vdxStsMemAllocErr), in that order.                                      */
/* Kinds, by r = L / (L + 3 D) in single precision: direct polyphase (U = 1 */
/* and r > 0.5, or U > 1 and r > 0.3), decimating (U = 1, r <= 0.5) and     */
/* indexed polyphase (U > 1, r <= 0.3); they differ by rounding only.      */
/* Integer-tap forms take tapsFactor after tapsLen and                      */
/* keep taps as the single-rate integer-tap states do.  Integer outputs are */
/* scaled by 2^-scaleFactor, rounded half to even and saturated.  A block   */
/* call splits its outputs over the library's threads when one chunk of     */
/* about 4096 samples needs 65536 multiply-adds or more; the results do     */
/* not depend on the thread count.  In place with U > D the call copies     */
/* its inputs to scratch memory first.                                      */
VdxStatus vdxsFIRMRGetStateSize_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_32fc(VdxsFIRState_32fc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_32fc(VdxsFIRState_32fc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize_64f(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_64f(VdxsFIRState_64f** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_64f(VdxsFIRState_64f** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize_64fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_64fc(VdxsFIRState_64fc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_64fc(VdxsFIRState_64fc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64f_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64f_32f(VdxsFIRState64f_32f** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64f_32f(VdxsFIRState64f_32f** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64fc_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64fc_32fc(VdxsFIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64fc_32fc(VdxsFIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize32f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit32f_16s(VdxsFIRState32f_16s** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc32f_16s(VdxsFIRState32f_16s** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize32fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit32fc_16sc(VdxsFIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc32fc_16sc(VdxsFIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64f_32s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64f_32s(VdxsFIRState64f_32s** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64f_32s(VdxsFIRState64f_32s** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64fc_32sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64fc_32sc(VdxsFIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64fc_32sc(VdxsFIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64f_16s(VdxsFIRState64f_16s** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64f_16s(VdxsFIRState64f_16s** ppState, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize64fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit64fc_16sc(VdxsFIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc64fc_16sc(VdxsFIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize32sc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit32sc_16sc(VdxsFIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc32sc_16sc(VdxsFIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit32sc_16sc32fc(VdxsFIRState32sc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc32sc_16sc32fc(VdxsFIRState32sc_16sc** ppState, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16sc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx16s* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRGetStateSize_32s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInit_32s(VdxsFIRState_32s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32s* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRInitAlloc_32s(VdxsFIRState_32s** ppState, const Vdx32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vdx32s* pDlyLine) VDX_NOEXCEPT;

/* Stream states keep no history: pSrc starts with the H inputs before      */
/* the first new one, H = max(0, floor((L - 1 + upPhase - downPhase) / U))  */
/* (L - 1 when U = D = 1, as the single-rate stream state), oldest first.   */
VdxStatus vdxsFIRMRStreamGetStateSize_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRStreamInit_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRStreamInitAlloc_32f(VdxsFIRState_32f** ppState, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRStreamGetStateSize_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRStreamInit_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRMRStreamInitAlloc_16s(VdxsFIRState_16s** ppState, const Vdx16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase) VDX_NOEXCEPT;

/* Stateless members: the caller holds the taps and a delay line of         */
/* ceil(L / U) inputs, newest first, which the call rewrites.  Checks:      */
/* pointers, numIters < 1 (vdxStsSizeErr), then as Init.  They build a      */
/* state in scratch memory from the library allocator for each call.        */
VdxStatus vdxsFIRMR_Direct_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_32f_I(Vdx32f* pSrcDst, int numIters, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_32fc_I(Vdx32fc* pSrcDst, int numIters, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_64f(const Vdx64f* pSrc, Vdx64f* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_64f_I(Vdx64f* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR_Direct_64fc_I(Vdx64fc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_32f(const Vdx32f* pSrc, Vdx32f* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_32f_I(Vdx32f* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_32fc_I(Vdx32fc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32f_Direct_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32f_Direct_16s_ISfs(Vdx16s* pSrcDst, int numIters, const Vdx32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32fc_Direct_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32fc_Direct_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, const Vdx32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_32s_ISfs(Vdx32s* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_32sc_ISfs(Vdx32sc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx32sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64f_Direct_16s_ISfs(Vdx16s* pSrcDst, int numIters, const Vdx64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR64fc_Direct_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, const Vdx64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32s_Direct_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int numIters, const Vdx32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32s_Direct_16s_ISfs(Vdx16s* pSrcDst, int numIters, const Vdx32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16s* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32sc_Direct_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int numIters, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsFIRMR32sc_Direct_16sc_ISfs(Vdx16sc* pSrcDst, int numIters, const Vdx32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vdx16sc* pDlyLine, int scaleFactor) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Convolution                                                               */
/* ------------------------------------------------------------------------ */
/* Conv: pDst[n] = sum over k of pSrc1[k] pSrc2[n-k], n = 0 .. src1Len +     */
/* src2Len - 2.  With A the longer input and B the shorter, L the output     */
/* length: direct sums when L < 512 or B is shorter than 64; otherwise one   */
/* real FFT of both inputs when A is shorter than 3 B, or else blocks        */
/* (overlap-save) against B's spectrum, shared among threads when A is       */
/* longer than 4096; every block writes its own outputs only, so results do  */
/* not depend on the thread count.  Direct and FFT results agree within      */
/* rounding.  16s: computed in float, then times 2^-scaleFactor, rounded     */
/* half to even and saturated.  Checks: the pointers (vdxStsNullPtrErr),     */
/* either length below 1 (vdxStsSizeErr); temporary memory or FFT specs that */
/* cannot be had give vdxStsMemAllocErr or the transform's status, before    */
/* anything is written.                                                      */
/*                                                                           */
/* ConvCyclic8x8, ConvCyclic4x4: y[n] = sum over k of x[k] h[(n-k) mod N]    */
/* (4x4: a real x and a complex h); 16s exact, then scaled as above; y may   */
/* be x or h.  Building blocks for inner loops, they check nothing (every    */
/* pointer must address its 4 or 8 elements) and return vdxStsNoErr.        */
/*                                                                           */
/* ConvBiased: pDst[j] = sum over i of pSrc1[i] pSrc2[j + bias - src1Len - i]*/
/* for j = 0 .. dstLen-1: with bias = src1Len the plain sum over             */
/* pSrc2[j - i], which reads up to src1Len - 1 elements before pSrc2.  Every */
/* index read lies in [-(src1Len-1), src2Len): bias below src1Len or         */
/* dstLen + bias - src1Len above src2Len is vdxStsSizeErr, as is any length  */
/* below 1 (after the pointers, vdxStsNullPtrErr).                           */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsConvBiased_32f(const Vdx32f* pSrc1, int src1Len, const Vdx32f* pSrc2, int src2Len, Vdx32f* pDst,
                             int dstLen, int bias) VDX_NOEXCEPT;
VdxStatus vdxsConvCyclic4x4_32f32fc(const Vdx32f* x, const Vdx32fc* h, Vdx32fc* y) VDX_NOEXCEPT;
VdxStatus vdxsConvCyclic8x8_16s_Sfs(const Vdx16s* x, const Vdx16s* h, Vdx16s* y, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsConvCyclic8x8_32f(const Vdx32f* x, const Vdx32f* h, Vdx32f* y) VDX_NOEXCEPT;
VdxStatus vdxsConv_16s_Sfs(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len, Vdx16s* pDst,
                           int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsConv_32f(const Vdx32f* pSrc1, int src1Len, const Vdx32f* pSrc2, int src2Len,
                       Vdx32f* pDst) VDX_NOEXCEPT;
VdxStatus vdxsConv_64f(const Vdx64f* pSrc1, int src1Len, const Vdx64f* pSrc2, int src2Len,
                       Vdx64f* pDst) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Auto- and cross-correlation                                               */
/* ------------------------------------------------------------------------ */
/* AutoCorr: pDst[k] = sum over n of pSrc[n+k] conj(pSrc[n]), k = 0 ..       */
/* dstLen-1; lags from srcLen on are 0.  NormA divides by srcLen, NormB lag  */
/* k by srcLen - k.  Direct sums below min(srcLen, dstLen) = 856 (real       */
/* types), 152 (32fc), 368 (64fc), one FFT from there on.                    */
/* CrossCorr: pDst[j] = sum over n of conj(pSrc1[n]) pSrc2[n + lowLag + j],  */
/* j = 0 .. dstLen-1 (the first signal is conjugated, so a signal with       */
/* itself from lag 0 gives its AutoCorr); lags below -(src1Len-1) or above   */
/* src2Len-1 are 0.  With n the lags that have terms, one FFT when           */
/* trunc(min length * n / max length), in float, exceeds 383 (32f, 16s), 255 */
/* (32fc) or 511 (64f, 64fc), direct sums otherwise; the FFT covers both     */
/* signals trimmed to the samples the window reaches.  When their lag range  */
/* just exceeds a power of two, the transform is halved: the lags that then  */
/* share a point pair the two partial-overlap ends of the range, and of each */
/* such pair the window needs, the lag with fewer terms is summed directly   */
/* and the other is the point's value less it (at most 24 direct terms per   */
/* transform point).  A window much narrower than the signals runs by blocks */
/* of the first signal at a smaller transform, the blocks' spectral products */
/* summed before one inverse, when that costs clearly less.  Direct and FFT  */
/* results agree within rounding.                                            */
/* 16s_Sfs: computed in float on the converted inputs (NormA, NormB          */
/* included), then times 2^-scaleFactor, rounded half to even and saturated. */
/* CrossCorr_16s64s: exact 64-bit sums, no scaling.                          */
/*                                                                           */
/* Checks: the pointers (vdxStsNullPtrErr), any length below 1               */
/* (vdxStsSizeErr); temporary memory or FFT specs that cannot be had give    */
/* vdxStsMemAllocErr or the transform's status, before anything is written.  */
/*                                                                           */
/* Correlation builds the FFT specs of transforms that stay on the calling  */
/* thread (up to 2^16 points for real 32f, 2^15 for real 64f and 32fc, 2^14 */
/* for 64fc) once per process, at the first call that needs one, and shares */
/* them among all later calls and threads (read-only; under 1 MiB per spec  */
/* type, released when the library is unloaded); larger specs are built by  */
/* each call.  Convolution builds and releases its specs within each call.  */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsAutoCorr_16s_Sfs(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst, int dstLen,
                              int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormA_16s_Sfs(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst, int dstLen,
                                    int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormA_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormA_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormA_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormA_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormB_16s_Sfs(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst, int dstLen,
                                    int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormB_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormB_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormB_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsAutoCorr_NormB_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst, int dstLen) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_16s64s(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len, Vdx64s* pDst,
                                int dstLen, int lowLag) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_16s_Sfs(const Vdx16s* pSrc1, int src1Len, const Vdx16s* pSrc2, int src2Len, Vdx16s* pDst,
                                 int dstLen, int lowLag, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_32f(const Vdx32f* pSrc1, int src1Len, const Vdx32f* pSrc2, int src2Len, Vdx32f* pDst,
                             int dstLen, int lowLag) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_32fc(const Vdx32fc* pSrc1, int src1Len, const Vdx32fc* pSrc2, int src2Len, Vdx32fc* pDst,
                              int dstLen, int lowLag) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_64f(const Vdx64f* pSrc1, int src1Len, const Vdx64f* pSrc2, int src2Len, Vdx64f* pDst,
                             int dstLen, int lowLag) VDX_NOEXCEPT;
VdxStatus vdxsCrossCorr_64fc(const Vdx64fc* pSrc1, int src1Len, const Vdx64fc* pSrc2, int src2Len, Vdx64fc* pDst,
                              int dstLen, int lowLag) VDX_NOEXCEPT;


/* ------------------------------------------------------------------------ */
/* IIR filters                                                               */
/* ------------------------------------------------------------------------ */
/*                                                                           */
/* Three forms keep their history in a state, so that a signal may be        */
/* filtered in pieces:                                                       */
/*  - arbitrary order N (no infix): pTaps holds 2 (N + 1) values, b0 .. bN   */
/*    then a0 .. aN, for y(n) a0 = sum b(k) x(n-k) - sum_{k>=1} a(k) y(n-k); */
/*    computed in transposed direct form II, one sample as y = b0' x + d(0), */
/*    then d(k) = (b'(k+1) x - a'(k+1) y) + d(k+1) for k = 0 .. N-1, with b' */
/*    = b / a0, a' = a / a0 and d(N) = 0;                                    */
/*  - BiQuad_: numBq second-order sections of six taps (b0 b1 b2 a0 a1 a2)   */
/*    in processing order; per section y = b0' x + d0, d0 = (b1' x - a1' y)  */
/*    + d1, d1 = b2' x - a2' y;                                              */
/*  - BiQuad_DF1_ (32f, and 64f taps for 32s data): the same sections in     */
/*    direct form I, y = (((b1' x(n-1) + b2' x(n-2)) - a1' y(n-1)) - a2'     */
/*    y(n-2)) + b0' x(n), added in exactly this order, each section over the */
/*    whole block in turn; taps are used as given when a0 is exactly 1.      */
/* Those recurrences define the results.  Blocks longer than 4 N (4 numBq)   */
/* samples are computed in chunks of at most 1024 samples by a look-ahead    */
/* method that forms four outputs per step (all sections of a cascade in the */
/* same pass); it changes only the rounding.  A real divisor a0 divides each */
/* tap, so a0 = 2 gives exactly the taps halved by the caller.               */
/*                                                                           */
/* Rows, by taps / data: the computation runs in the tap type.  Integer data */
/* is converted exactly and outputs are scaled by 2^-scaleFactor, rounded    */
/* half to even and saturated; 32f data with 64f taps is rounded to 32f.     */
/* The 32s and 32sc tap rows take integer taps t meaning t * 2^-tapsFactor   */
/* (the 16s32f members take 32f taps) and compute in 32f (32fc).  Delay      */
/* lines are of the computation type: d(0 .. N-1) for the AR form, (d0, d1)  */
/* per biquad section, (x(n-2), x(n-1), y(n-2), y(n-1)) per direct-form-I    */
/* section, in section order; a null pDlyLine means zeros.  The delay line   */
/* read after any call continues the signal without a seam in a fresh state  */
/* (SetDlyLine or Init).                                                     */
/*                                                                           */
/* States follow the object pattern (see "Memory, objects and threads"):     */
/* GetStateSize, Init in caller memory (pBuffer), InitAlloc, and Free, which */
/* releases only what InitAlloc allocated and leaves a state in caller       */
/* memory untouched.  A state holds its own work and conversion buffers, so  */
/* calls take none.  Free, SetTaps, Get/SetDlyLine and the block calls take  */
/* every form of their row (vdxsIIRGet/SetDlyLine64f_DF1_32s only the        */
/* direct-form-I state); One takes the AR and BiQuad forms.  SetTaps         */
/* normalises the new taps, rebuilds every table and keeps the delay line.   */
/*                                                                           */
/* Several channels (vdxsIIR_32f_P, _IP, vdxsIIR64f_32s_PSfs): channel c     */
/* filters ppSrc[c] into ppDst[c] with its own state ppState[c], exactly as  */
/* the single-channel call would, one channel after another; channels must   */
/* not share a state.  One status for all: nothing is filtered unless every  */
/* channel's arguments pass.                                                 */
/*                                                                           */
/* Checks, in this order: the pointers (vdxStsNullPtrErr; pDlyLine may be    */
/* null except in GetDlyLine), order or numBq below 1 (vdxStsIIROrderErr), a */
/* state too large for 32-bit sizes (vdxStsMemAllocErr), len below 1         */
/* (vdxStsSizeErr), a state of another row or form (vdxStsContextMatchErr),  */
/* a0 = 0 in the AR taps or in any section, or b0 = 0 in a BiQuad (not a     */
/* direct-form-I) section (vdxStsDivByZeroErr; Init builds no state, and    */
/* SetTaps has stored the sections before the failing one, each with its     */
/* tables, keeping the rest).  Channel calls check the three                 */
/* arrays, then nChannels below 1 (vdxStsChannelErr), then each channel's    */
/* pointers, len, and each channel's state.                                  */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsIIRGetStateSize_32f(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_BiQuad_32f(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_BiQuad_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_BiQuad_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_BiQuad_DF1_32f(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_BiQuad_DF1_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_BiQuad_DF1_32f(VdxsIIRState_32f** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree_32f(VdxsIIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps_32f(const Vdx32f* pTaps, VdxsIIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine_32f(const VdxsIIRState_32f* pState, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine_32f(VdxsIIRState_32f* pState, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne_32f(Vdx32f src, Vdx32f* pDstVal, VdxsIIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, VdxsIIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32f_I(Vdx32f* pSrcDst, int len, VdxsIIRState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32f_P(const Vdx32f* const* ppSrc, Vdx32f* const* ppDst, int len, int nChannels, VdxsIIRState_32f* const* ppState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32f_IP(Vdx32f* const* ppSrcDst, int len, int nChannels, VdxsIIRState_32f* const* ppState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_32fc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_32fc(VdxsIIRState_32fc** ppState, const Vdx32fc* pTaps, int order, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_32fc(VdxsIIRState_32fc** ppState, const Vdx32fc* pTaps, int order, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_BiQuad_32fc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_BiQuad_32fc(VdxsIIRState_32fc** ppState, const Vdx32fc* pTaps, int numBq, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_BiQuad_32fc(VdxsIIRState_32fc** ppState, const Vdx32fc* pTaps, int numBq, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree_32fc(VdxsIIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps_32fc(const Vdx32fc* pTaps, VdxsIIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine_32fc(const VdxsIIRState_32fc* pState, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine_32fc(VdxsIIRState_32fc* pState, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne_32fc(Vdx32fc src, Vdx32fc* pDstVal, VdxsIIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, VdxsIIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_32fc_I(Vdx32fc* pSrcDst, int len, VdxsIIRState_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_64f(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_64f(VdxsIIRState_64f** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_64f(VdxsIIRState_64f** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_BiQuad_64f(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_BiQuad_64f(VdxsIIRState_64f** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_BiQuad_64f(VdxsIIRState_64f** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree_64f(VdxsIIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps_64f(const Vdx64f* pTaps, VdxsIIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine_64f(const VdxsIIRState_64f* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine_64f(VdxsIIRState_64f* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne_64f(Vdx64f src, Vdx64f* pDstVal, VdxsIIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, VdxsIIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_64f_I(Vdx64f* pSrcDst, int len, VdxsIIRState_64f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_64fc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_64fc(VdxsIIRState_64fc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_64fc(VdxsIIRState_64fc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize_BiQuad_64fc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit_BiQuad_64fc(VdxsIIRState_64fc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc_BiQuad_64fc(VdxsIIRState_64fc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree_64fc(VdxsIIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps_64fc(const Vdx64fc* pTaps, VdxsIIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine_64fc(const VdxsIIRState_64fc* pState, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine_64fc(VdxsIIRState_64fc* pState, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne_64fc(Vdx64fc src, Vdx64fc* pDstVal, VdxsIIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_64fc(const Vdx64fc* pSrc, Vdx64fc* pDst, int len, VdxsIIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR_64fc_I(Vdx64fc* pSrcDst, int len, VdxsIIRState_64fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_32f(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_32f(VdxsIIRState64f_32f** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_32f(VdxsIIRState64f_32f** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_BiQuad_32f(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_BiQuad_32f(VdxsIIRState64f_32f** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_BiQuad_32f(VdxsIIRState64f_32f** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64f_32f(VdxsIIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64f_32f(const Vdx64f* pTaps, VdxsIIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64f_32f(const VdxsIIRState64f_32f* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64f_32f(VdxsIIRState64f_32f* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64f_32f(Vdx32f src, Vdx32f* pDstVal, VdxsIIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, VdxsIIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_32f_I(Vdx32f* pSrcDst, int len, VdxsIIRState64f_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_32fc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_32fc(VdxsIIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_32fc(VdxsIIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_BiQuad_32fc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_BiQuad_32fc(VdxsIIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_BiQuad_32fc(VdxsIIRState64fc_32fc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64fc_32fc(VdxsIIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64fc_32fc(const Vdx64fc* pTaps, VdxsIIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64fc_32fc(const VdxsIIRState64fc_32fc* pState, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64fc_32fc(VdxsIIRState64fc_32fc* pState, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64fc_32fc(Vdx32fc src, Vdx32fc* pDstVal, VdxsIIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_32fc(const Vdx32fc* pSrc, Vdx32fc* pDst, int len, VdxsIIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_32fc_I(Vdx32fc* pSrcDst, int len, VdxsIIRState64fc_32fc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32f_16s(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32f_16s(VdxsIIRState32f_16s** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32f_16s(VdxsIIRState32f_16s** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32f_BiQuad_16s(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32f_BiQuad_16s(VdxsIIRState32f_16s** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32f_BiQuad_16s(VdxsIIRState32f_16s** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree32f_16s(VdxsIIRState32f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps32f_16s(const Vdx32f* pTaps, VdxsIIRState32f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine32f_16s(const VdxsIIRState32f_16s* pState, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine32f_16s(VdxsIIRState32f_16s* pState, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne32f_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsIIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32f_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int len, VdxsIIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32f_16s_ISfs(Vdx16s* pSrcDst, int len, VdxsIIRState32f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32fc_16sc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32fc_16sc(VdxsIIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int order, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32fc_16sc(VdxsIIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int order, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32fc_BiQuad_16sc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32fc_BiQuad_16sc(VdxsIIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int numBq, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32fc_BiQuad_16sc(VdxsIIRState32fc_16sc** ppState, const Vdx32fc* pTaps, int numBq, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree32fc_16sc(VdxsIIRState32fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps32fc_16sc(const Vdx32fc* pTaps, VdxsIIRState32fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine32fc_16sc(const VdxsIIRState32fc_16sc* pState, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine32fc_16sc(VdxsIIRState32fc_16sc* pState, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne32fc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsIIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32fc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, VdxsIIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32fc_16sc_ISfs(Vdx16sc* pSrcDst, int len, VdxsIIRState32fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32s_16s(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32s_16s(VdxsIIRState32s_16s** ppState, const Vdx32s* pTaps, int order, int tapsFactor, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32s_16s(VdxsIIRState32s_16s** ppState, const Vdx32s* pTaps, int order, int tapsFactor, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32s_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32s_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int order, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32s_BiQuad_16s(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32s_BiQuad_16s(VdxsIIRState32s_16s** ppState, const Vdx32s* pTaps, int numBq, int tapsFactor, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32s_BiQuad_16s(VdxsIIRState32s_16s** ppState, const Vdx32s* pTaps, int numBq, int tapsFactor, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32s_BiQuad_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32s_BiQuad_16s32f(VdxsIIRState32s_16s** ppState, const Vdx32f* pTaps, int numBq, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree32s_16s(VdxsIIRState32s_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps32s_16s(const Vdx32s* pTaps, VdxsIIRState32s_16s* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps32s_16s32f(const Vdx32f* pTaps, VdxsIIRState32s_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine32s_16s(const VdxsIIRState32s_16s* pState, Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine32s_16s(VdxsIIRState32s_16s* pState, const Vdx32f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne32s_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsIIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32s_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int len, VdxsIIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32s_16s_ISfs(Vdx16s* pSrcDst, int len, VdxsIIRState32s_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize32sc_BiQuad_16sc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit32sc_BiQuad_16sc(VdxsIIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int numBq, int tapsFactor, const Vdx32fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc32sc_BiQuad_16sc(VdxsIIRState32sc_16sc** ppState, const Vdx32sc* pTaps, int numBq, int tapsFactor, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree32sc_16sc(VdxsIIRState32sc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps32sc_16sc(const Vdx32sc* pTaps, VdxsIIRState32sc_16sc* pState, int tapsFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine32sc_16sc(const VdxsIIRState32sc_16sc* pState, Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine32sc_16sc(VdxsIIRState32sc_16sc* pState, const Vdx32fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne32sc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsIIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32sc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, VdxsIIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR32sc_16sc_ISfs(Vdx16sc* pSrcDst, int len, VdxsIIRState32sc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_16s(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_16s(VdxsIIRState64f_16s** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_16s(VdxsIIRState64f_16s** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_BiQuad_16s(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_BiQuad_16s(VdxsIIRState64f_16s** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_BiQuad_16s(VdxsIIRState64f_16s** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64f_16s(VdxsIIRState64f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64f_16s(const Vdx64f* pTaps, VdxsIIRState64f_16s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64f_16s(const VdxsIIRState64f_16s* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64f_16s(VdxsIIRState64f_16s* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64f_16s_Sfs(Vdx16s src, Vdx16s* pDstVal, VdxsIIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_16s_Sfs(const Vdx16s* pSrc, Vdx16s* pDst, int len, VdxsIIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_16s_ISfs(Vdx16s* pSrcDst, int len, VdxsIIRState64f_16s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_16sc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_16sc(VdxsIIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_16sc(VdxsIIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_BiQuad_16sc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_BiQuad_16sc(VdxsIIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_BiQuad_16sc(VdxsIIRState64fc_16sc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64fc_16sc(VdxsIIRState64fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64fc_16sc(const Vdx64fc* pTaps, VdxsIIRState64fc_16sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64fc_16sc(const VdxsIIRState64fc_16sc* pState, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64fc_16sc(VdxsIIRState64fc_16sc* pState, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64fc_16sc_Sfs(Vdx16sc src, Vdx16sc* pDstVal, VdxsIIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_16sc_Sfs(const Vdx16sc* pSrc, Vdx16sc* pDst, int len, VdxsIIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_16sc_ISfs(Vdx16sc* pSrcDst, int len, VdxsIIRState64fc_16sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_32s(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_32s(VdxsIIRState64f_32s** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_32s(VdxsIIRState64f_32s** ppState, const Vdx64f* pTaps, int order, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64f_BiQuad_DF1_32s(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64f_BiQuad_DF1_32s(VdxsIIRState64f_32s** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64f_BiQuad_DF1_32s(VdxsIIRState64f_32s** ppState, const Vdx64f* pTaps, int numBq, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64f_32s(VdxsIIRState64f_32s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64f_32s(const Vdx64f* pTaps, VdxsIIRState64f_32s* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64f_32s(const VdxsIIRState64f_32s* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64f_32s(VdxsIIRState64f_32s* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64f_DF1_32s(const VdxsIIRState64f_32s* pState, Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64f_DF1_32s(VdxsIIRState64f_32s* pState, const Vdx64f* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64f_32s_Sfs(Vdx32s src, Vdx32s* pDstVal, VdxsIIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_32s_Sfs(const Vdx32s* pSrc, Vdx32s* pDst, int len, VdxsIIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_32s_ISfs(Vdx32s* pSrcDst, int len, VdxsIIRState64f_32s* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64f_32s_PSfs(const Vdx32s* const* ppSrc, Vdx32s* const* ppDst, int len, int nChannels, VdxsIIRState64f_32s* const* ppState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_32sc(int order, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_32sc(VdxsIIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_32sc(VdxsIIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int order, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetStateSize64fc_BiQuad_32sc(int numBq, int* pBufferSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRInit64fc_BiQuad_32sc(VdxsIIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRInitAlloc64fc_BiQuad_32sc(VdxsIIRState64fc_32sc** ppState, const Vdx64fc* pTaps, int numBq, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRFree64fc_32sc(VdxsIIRState64fc_32sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetTaps64fc_32sc(const Vdx64fc* pTaps, VdxsIIRState64fc_32sc* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRGetDlyLine64fc_32sc(const VdxsIIRState64fc_32sc* pState, Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIRSetDlyLine64fc_32sc(VdxsIIRState64fc_32sc* pState, const Vdx64fc* pDlyLine) VDX_NOEXCEPT;
VdxStatus vdxsIIROne64fc_32sc_Sfs(Vdx32sc src, Vdx32sc* pDstVal, VdxsIIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_32sc_Sfs(const Vdx32sc* pSrc, Vdx32sc* pDst, int len, VdxsIIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;
VdxStatus vdxsIIR64fc_32sc_ISfs(Vdx32sc* pSrcDst, int len, VdxsIIRState64fc_32sc* pState, int scaleFactor) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Median filter                                                             */
/* ------------------------------------------------------------------------ */
/* FilterMedian: y(i) = median of the input samples x(i-r) .. x(i+r), with   */
/* r = min(h, i, len-1-i) and h = maskSize/2: the window shrinks evenly at   */
/* both ends, so the first and last samples keep their values and a mask of */
/* 3 (or a length of 3) is the three-point median min(max(a, b),             */
/* max(min(a, b), c)).  Every output is taken from input values, never from */
/* outputs already written, in place as well.  An even maskSize is reduced  */
/* by one and the call returns vdxStsEvenMedianMaskSize after filtering;     */
/* maskSize 1 or len <= 2 leave the data as they are (out of place: copied).*/
/* Masks 3, 5, 7 and 9 run min/max selection networks across as many        */
/* outputs as a vector holds; larger masks keep the window sorted and        */
/* update it by one removal and one insertion per sample, in a scratch array*/
/* of about len + min(maskSize, len) elements from the core allocator;      */
/* from 32768 samples on, blocks of outputs with a window each are shared   */
/* among the library's threads (the thread count changes no output).        */
/* Windows holding a NaN give one of the window's values (which one is not  */
/* specified); -0 and +0 count as equal.                                     */
/* Checks: pointers (vdxStsNullPtrErr), len or maskSize below 1              */
/* (vdxStsSizeErr), scratch memory (vdxStsMemAllocErr), before any write.    */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFilterMedian_16s(const Vdx16s* pSrc, Vdx16s* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_16s_I(Vdx16s* pSrcDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_32f_I(Vdx32f* pSrcDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_32s(const Vdx32s* pSrc, Vdx32s* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_32s_I(Vdx32s* pSrcDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_64f(const Vdx64f* pSrc, Vdx64f* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_64f_I(Vdx64f* pSrcDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_8u(const Vdx8u* pSrc, Vdx8u* pDst, int len, int maskSize) VDX_NOEXCEPT;
VdxStatus vdxsFilterMedian_8u_I(Vdx8u* pSrcDst, int len, int maskSize) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Resampling by insertion and decimation, pre-emphasis                      */
/* ------------------------------------------------------------------------ */
/* SampleDown: with p = *pPhase, writes pSrc[p], pSrc[p + factor], ... for   */
/* every index below srcLen, sets *pDstLen to their count and *pPhase to the*/
/* first index not taken minus srcLen, so that the next call continues the  */
/* same stream (factor 1 copies).  SampleUp: *pDstLen = srcLen * factor,     */
/* pDst[p + k factor] = pSrc[k] and every other output 0; *pPhase is left    */
/* as it is.  Checks, in this order: pointers (vdxStsNullPtrErr), srcLen     */
/* below 1 (vdxStsSizeErr), factor below 1 (vdxStsSampleFactorErr), *pPhase  */
/* below 0 or not below factor (vdxStsSamplePhaseErr); SampleUp then         */
/* srcLen * factor above 2^31 - 1 (vdxStsSizeErr).                          */
/*                                                                           */
/* Preemphasize, in place: y(n) = x(n) - val x(n-1), x(-1) = 0, each output  */
/* from the input that stood before it.  32f: the product is rounded to      */
/* float, then subtracted (no fused form).  16s: the exact value of          */
/* x(n) - val x(n-1) rounded half to even and saturated; a NaN result is 0.  */
/* Checks: pSrcDst (vdxStsNullPtrErr), len below 1 (vdxStsSizeErr).          */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsPreemphasize_16s(Vdx16s* pSrcDst, int len, Vdx32f val) VDX_NOEXCEPT;
VdxStatus vdxsPreemphasize_32f(Vdx32f* pSrcDst, int len, Vdx32f val) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_16s(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst, int* pDstLen, int factor,
                             int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_16sc(const Vdx16sc* pSrc, int srcLen, Vdx16sc* pDst, int* pDstLen, int factor,
                              int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int* pDstLen, int factor,
                             int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst, int* pDstLen, int factor,
                              int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int* pDstLen, int factor,
                             int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleDown_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst, int* pDstLen, int factor,
                              int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_16s(const Vdx16s* pSrc, int srcLen, Vdx16s* pDst, int* pDstLen, int factor,
                           int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_16sc(const Vdx16sc* pSrc, int srcLen, Vdx16sc* pDst, int* pDstLen, int factor,
                            int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_32f(const Vdx32f* pSrc, int srcLen, Vdx32f* pDst, int* pDstLen, int factor,
                           int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_32fc(const Vdx32fc* pSrc, int srcLen, Vdx32fc* pDst, int* pDstLen, int factor,
                            int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_64f(const Vdx64f* pSrc, int srcLen, Vdx64f* pDst, int* pDstLen, int factor,
                           int* pPhase) VDX_NOEXCEPT;
VdxStatus vdxsSampleUp_64fc(const Vdx64fc* pSrc, int srcLen, Vdx64fc* pDst, int* pDstLen, int factor,
                            int* pPhase) VDX_NOEXCEPT;

/* ------------------------------------------------------------------------ */
/* Sparse FIR and IIR filters                                                */
/* ------------------------------------------------------------------------ */
/* FIRSparse: y(n) = sum over k of pNZTaps[k] x(n - pNZTapPos[k]); positions*/
/* start at 0 or more and strictly increase; P, the order, is the last one.  */
/* The delay line at Init holds the P inputs before the first call, newest  */
/* first (null: zeros).  Each output is the sum of its terms taken from the */
/* last tap to the first, starting from +0, with products rounded to float  */
/* before each addition, so a long signal gives the same outputs in one call*/
/* or in pieces.  A call no longer than P works on the history with its     */
/* inputs copied behind it; a longer one forms its first P outputs so and   */
/* the rest straight from pSrc.  pDst may be pSrc.                           */
/*                                                                           */
/* IIRSparse: y(n) = sum over numerator taps of b x(n - posB) + sum over     */
/* denominator taps of a y(n - posA), the denominator taps added with the   */
/* sign given (none is negated or normalised); pNZTaps and pNZTapPos hold    */
/* the nzTapsLen1 numerator entries, then the nzTapsLen2 denominator ones,   */
/* whose first position is at least 1.  Delay line: P1 inputs, then P2       */
/* outputs, each newest first (null: zeros).  The numerator sum is formed   */
/* as above, then the denominator terms added from the last tap to the      */
/* first; a call runs in blocks of max(1024, P1, P2) samples.  pDst may be  */
/* pSrc.                                                                     */
/*                                                                           */
/* The size queries take the order (the last position, at least that of the */
/* taps Init will be given); states are placed at the next 32-byte boundary */
/* of pBuffer; no Free is needed.  Checks: pointers (vdxStsNullPtrErr; the   */
/* delay line may be null); FIR nzTapsLen or order below 1                   */
/* (vdxStsFIRLenErr); IIR size query nzTapsLen1 below 1 or nzTapsLen2 below  */
/* 0, IIR Init either count below 1 (vdxStsIIROrderErr); a negative order,   */
/* a negative first position, positions not strictly increasing within a    */
/* list, a first denominator position of 0 (vdxStsSparseTapPosErr); a state */
/* above 2^31 - 1 bytes (vdxStsSizeErr; Init tests the tap counts alone     */
/* before it reads a position).  Filtering: pSrc, pDst, pState               */
/* (vdxStsNullPtrErr), len below 1 (vdxStsSizeErr), a state not made by the */
/* matching Init (vdxStsContextMatchErr).                                    */
/* ------------------------------------------------------------------------ */
VdxStatus vdxsFIRSparseGetStateSize_32f(int nzTapsLen, int order, int* pStateSize) VDX_NOEXCEPT;
VdxStatus vdxsFIRSparseInit_32f(VdxsFIRSparseState_32f** ppState, const Vdx32f* pNZTaps, const int* pNZTapPos,
                                int nzTapsLen, const Vdx32f* pDlyLine, Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsFIRSparse_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, VdxsFIRSparseState_32f* pState) VDX_NOEXCEPT;
VdxStatus vdxsIIRSparseGetStateSize_32f(int nzTapsLen1, int nzTapsLen2, int order1, int order2,
                                        int* pStateSize) VDX_NOEXCEPT;
VdxStatus vdxsIIRSparseInit_32f(VdxsIIRSparseState_32f** ppState, const Vdx32f* pNZTaps, const int* pNZTapPos,
                                int nzTapsLen1, int nzTapsLen2, const Vdx32f* pDlyLine,
                                Vdx8u* pBuffer) VDX_NOEXCEPT;
VdxStatus vdxsIIRSparse_32f(const Vdx32f* pSrc, Vdx32f* pDst, int len, VdxsIIRSparseState_32f* pState) VDX_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* VDXS_H */
