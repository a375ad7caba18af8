/*
 * libvdxcore-7.0: the core services that libvdxsy8-7.0 leans on.
 *
 * Five services are used by the signal library: vdxMalloc, vdxFree,
 * vdxAlignPtr, ownGetFeature and ownGetNumThreads.  The two vdxcoreSet*
 * calls below exist for applications and tests that need to pin the answers.
 *
 * Memory
 *   vdxMalloc returns blocks aligned to 64 bytes (a cache line, and enough for
 *   any vector width the signal library uses), or null when the byte count is
 *   below 1 or the system has no memory.  vdxFree(NULL) does nothing.
 *
 * Processor features (ownGetFeature)
 *   The answer is the AND of the mask argument with the detected features,
 *   minus any features hidden by vdxcoreSetFeatureMask or by the environment
 *   variable VDXCORE_HIDE_FEATURES (a number, e.g. "0x80", read once at the
 *   first query).  Bits:
 *     0x01 SSE2   0x02 SSE3   0x04 SSSE3   0x08 SSE4.1   0x10 SSE4.2
 *     0x20 AVX (with OS support for the YMM state)
 *     0x80 AVX2 together with FMA3 (with OS support for the YMM state):
 *          the signal library's wide kernel variant needs exactly this.
 *     0x100 AVX-512F (with OS support for the ZMM state)
 *     0x200 BMI1   0x400 BMI2   0x800 LZCNT   0x1000 POPCNT
 *     0x2000 F16C (with OS support for the YMM state)   0x4000 MOVBE
 *     0x8000 AVX-512BW   0x10000 AVX-512DQ   0x20000 AVX-512VL
 *          (each with OS support for the ZMM state)
 *   The signal library's kernel variants each need a set of these bits
 *   (src/core/runtime/variants.def); hiding one bit of a set rules its variant out.
 *
 * Thread count (ownGetNumThreads)
 *   By default the number of processors this process may run on
 *   (sched_getaffinity).  The environment variable VDXCORE_NUM_THREADS
 *   (read once, at the first query) or a call to vdxcoreSetNumThreads
 *   overrides it; a call with n < 1 returns to the default.
 *
 * Every function may be called from any thread at any time.
 */
#ifndef VDXCORE_H
#define VDXCORE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VDXCORE_FEATURE_SSE2 0x01u
#define VDXCORE_FEATURE_SSE3 0x02u
#define VDXCORE_FEATURE_SSSE3 0x04u
#define VDXCORE_FEATURE_SSE41 0x08u
#define VDXCORE_FEATURE_SSE42 0x10u
#define VDXCORE_FEATURE_AVX 0x20u
#define VDXCORE_FEATURE_AVX2_FMA 0x80u
#define VDXCORE_FEATURE_AVX512F 0x100u
#define VDXCORE_FEATURE_BMI1 0x200u
#define VDXCORE_FEATURE_BMI2 0x400u
#define VDXCORE_FEATURE_LZCNT 0x800u
#define VDXCORE_FEATURE_POPCNT 0x1000u
#define VDXCORE_FEATURE_F16C 0x2000u
#define VDXCORE_FEATURE_MOVBE 0x4000u
#define VDXCORE_FEATURE_AVX512BW 0x8000u
#define VDXCORE_FEATURE_AVX512DQ 0x10000u
#define VDXCORE_FEATURE_AVX512VL 0x20000u

void* vdxMalloc(int length);
void vdxFree(void* ptr);
void* vdxAlignPtr(void* ptr, int alignBytes);
uint64_t ownGetFeature(uint64_t featureMask);
int ownGetNumThreads(void);

/* Hide the given feature bits from every later ownGetFeature answer
 * (0 shows everything that was detected again). */
void vdxcoreSetFeatureMask(uint64_t hiddenFeatures);
/* Pin the thread count; n < 1 returns to the default. */
void vdxcoreSetNumThreads(int n);

#ifdef __cplusplus
}
#endif

#endif
