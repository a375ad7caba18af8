/* The core services stand-in: aligned memory, processor features, thread count. */
#define _GNU_SOURCE
#include "vdxcore.h"

#include <cpuid.h>
#include <pthread.h>
#include <sched.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <unistd.h>

#define VDXCORE_API __attribute__((visibility("default")))

enum { kBlockAlignment = 64 };

VDXCORE_API void* vdxMalloc(int length) {
    if (length < 1) return NULL;
    void* block = NULL;
    if (posix_memalign(&block, kBlockAlignment, (size_t)length) != 0) return NULL;
    return block;
}

VDXCORE_API void vdxFree(void* ptr) { free(ptr); }

VDXCORE_API void* vdxAlignPtr(void* ptr, int alignBytes) {
    uintptr_t a = (uintptr_t)(alignBytes > 0 ? alignBytes : 1);
    uintptr_t p = (uintptr_t)ptr;
    return (void*)((p + a - 1) / a * a);
}

/* ---- processor features ---- */

static uint64_t xgetbv0(void) {
    uint32_t lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return ((uint64_t)hi << 32) | lo;
}

static uint64_t detect_features(void) {
    unsigned a, b, c, d;
    uint64_t f = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return 0;
    if (d & bit_SSE2) f |= VDXCORE_FEATURE_SSE2;
    if (c & bit_SSE3) f |= VDXCORE_FEATURE_SSE3;
    if (c & bit_SSSE3) f |= VDXCORE_FEATURE_SSSE3;
    if (c & bit_SSE4_1) f |= VDXCORE_FEATURE_SSE41;
    if (c & bit_SSE4_2) f |= VDXCORE_FEATURE_SSE42;
    int has_fma = (c & bit_FMA) != 0;
    int os_ymm = 0, os_zmm = 0;
    if ((c & bit_OSXSAVE) && (c & bit_AVX)) {
        uint64_t xcr0 = xgetbv0();
        os_ymm = (xcr0 & 0x6) == 0x6;
        os_zmm = (xcr0 & 0xE6) == 0xE6;
    }
    if (os_ymm) f |= VDXCORE_FEATURE_AVX;
    if (c & bit_POPCNT) f |= VDXCORE_FEATURE_POPCNT;
    if (c & bit_MOVBE) f |= VDXCORE_FEATURE_MOVBE;
    if (os_ymm && (c & bit_F16C)) f |= VDXCORE_FEATURE_F16C;
    if (__get_cpuid_count(7, 0, &a, &b, &c, &d)) {
        if (os_ymm && has_fma && (b & bit_AVX2)) f |= VDXCORE_FEATURE_AVX2_FMA;
        if (b & bit_BMI) f |= VDXCORE_FEATURE_BMI1;
        if (b & bit_BMI2) f |= VDXCORE_FEATURE_BMI2;
        if (os_zmm && (b & bit_AVX512F)) f |= VDXCORE_FEATURE_AVX512F;
        if (os_zmm && (b & bit_AVX512BW)) f |= VDXCORE_FEATURE_AVX512BW;
        if (os_zmm && (b & bit_AVX512DQ)) f |= VDXCORE_FEATURE_AVX512DQ;
        if (os_zmm && (b & bit_AVX512VL)) f |= VDXCORE_FEATURE_AVX512VL;
    }
    /* LZCNT is ABM in the extended leaf. */
    if (__get_cpuid(0x80000001u, &a, &b, &c, &d) && (c & bit_LZCNT)) f |= VDXCORE_FEATURE_LZCNT;
    return f;
}

static uint64_t s_detected;
static _Atomic uint64_t s_hidden;
static _Atomic int s_pinned_threads;
static pthread_once_t s_once = PTHREAD_ONCE_INIT;

static long env_number(const char* name, long fallback) {
    const char* text = getenv(name);
    if (!text || !*text) return fallback;
    char* end = NULL;
    long v = strtol(text, &end, 0);
    return (end && *end == '\0') ? v : fallback;
}

static void read_settings_once(void) {
    s_detected = detect_features();
    atomic_store(&s_hidden, (uint64_t)env_number("VDXCORE_HIDE_FEATURES", 0));
    long n = env_number("VDXCORE_NUM_THREADS", 0);
    atomic_store(&s_pinned_threads, n > 0 && n < 4096 ? (int)n : 0);
}

VDXCORE_API uint64_t ownGetFeature(uint64_t featureMask) {
    pthread_once(&s_once, read_settings_once);
    return featureMask & s_detected & ~atomic_load(&s_hidden);
}

VDXCORE_API void vdxcoreSetFeatureMask(uint64_t hiddenFeatures) {
    pthread_once(&s_once, read_settings_once);
    atomic_store(&s_hidden, hiddenFeatures);
}

static int processors_available(void) {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        int n = CPU_COUNT(&set);
        if (n > 0) return n;
    }
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? (int)n : 1;
}

VDXCORE_API int ownGetNumThreads(void) {
    pthread_once(&s_once, read_settings_once);
    int pinned = atomic_load(&s_pinned_threads);
    return pinned > 0 ? pinned : processors_available();
}

VDXCORE_API void vdxcoreSetNumThreads(int n) {
    pthread_once(&s_once, read_settings_once);
    atomic_store(&s_pinned_threads, n > 0 ? n : 0);
}
