// Shared by the FFT tests: the long-double reference transform, the flags'
// factors, the slots of the packed real layouts, and a thread count.
#pragma once

#include <sched.h>

#include <cmath>
#include <complex>
#include <utility>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

using CL = std::complex<long double>;
const int kFlags[] = {VDX_FFT_DIV_FWD_BY_N, VDX_FFT_DIV_INV_BY_N, VDX_FFT_DIV_BY_SQRTN, VDX_FFT_NODIV_BY_ANY};
enum Layout { kPack, kPerm, kCcs };

// The DFT of x (a power of two long) in long double, radix 2 with every
// twiddle computed directly; the inverse unscaled.
inline std::vector<CL> dft(const std::vector<CL>& x, bool inverse) {
    const size_t n = x.size();
    const long double sign = inverse ? 1 : -1, pi = 3.141592653589793238462643383279502884L;
    std::vector<CL> X(n), w(n / 2);
    for (size_t i = 0, r = 0; i < n; ++i) {
        X[r] = x[i];
        for (size_t bit = n >> 1; bit > 0 && ((r ^= bit) & bit) == 0; bit >>= 1) {
        }
    }
    for (size_t j = 0; j < n / 2; ++j) w[j] = CL(cosl(2 * pi * j / n), sign * sinl(2 * pi * j / n));
    for (size_t len = 2; len <= n; len *= 2)
        for (size_t b = 0; b < n; b += len)
            for (size_t k = 0; k < len / 2; ++k) {
                const CL t = X[b + k + len / 2] * w[n / len * k];
                X[b + k + len / 2] = X[b + k] - t;
                X[b + k] += t;
            }
    return X;
}

// The factor a flag applies in one direction to a transform of n points.
inline long double factor(int flag, bool inverse, long double n) {
    if (flag == VDX_FFT_DIV_BY_SQRTN) return 1 / sqrtl(n);
    return flag == (inverse ? VDX_FFT_DIV_INV_BY_N : VDX_FFT_DIV_FWD_BY_N) ? 1 / n : 1;
}

// Slot of R[k] and of I[k] (-1: not stored) in a layout of N reals.
inline std::pair<int, int> slots(int l, int k, int n) {
    if (k == 0) return {0, l == kCcs ? 1 : -1};
    if (2 * k == n) return {l == kPack ? n - 1 : l == kPerm ? 1 : n, l == kCcs ? n + 1 : -1};
    const int re = l == kPack ? 2 * k - 1 : 2 * k;
    return {re, re + 1};
}

// A thread count for the FFT calls made while it is in scope.  The library
// runs its two-level orders on two threads only where the process may use at
// most two processors, so the scope also narrows the calling thread to two of
// its processors (objects take their thread count at Init: build them inside).
class ThreadScope {
public:
    explicit ThreadScope(int threads) {
        sched_getaffinity(0, sizeof saved_, &saved_);
        cpu_set_t two;
        CPU_ZERO(&two);
        for (int cpu = 0, kept = 0; cpu < CPU_SETSIZE && kept < 2; ++cpu)
            if (CPU_ISSET(cpu, &saved_)) CPU_SET(cpu, &two), ++kept;
        sched_setaffinity(0, sizeof two, &two);
        vdxcoreSetNumThreads(threads);
    }
    ~ThreadScope() {
        vdxcoreSetNumThreads(0);
        sched_setaffinity(0, sizeof saved_, &saved_);
    }
    ThreadScope(const ThreadScope&) = delete;
    ThreadScope& operator=(const ThreadScope&) = delete;

private:
    cpu_set_t saved_;
};
