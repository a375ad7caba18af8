// Built with -O3 -mavx2 (bench/CMakeLists.txt).
#include "misc_loops.h"

namespace {

inline void exchange(float& a, float& b) {
    const float lo = a < b ? a : b, hi = a < b ? b : a;
    a = lo;
    b = hi;
}

}  // namespace

void median5_network_avx2(const float* x, float* y, int len) {
    for (int i = 2; i < len - 2; ++i) {
        float p0 = x[i - 2], p1 = x[i - 1], p2 = x[i], p3 = x[i + 1], p4 = x[i + 2];
        exchange(p0, p1), exchange(p3, p4), exchange(p0, p3), exchange(p1, p4);
        exchange(p1, p2), exchange(p2, p3), exchange(p1, p2);
        y[i] = p2;
    }
}

void median9_network_avx2(const float* x, float* y, int len) {
    for (int i = 4; i < len - 4; ++i) {
        float p[9];
        for (int k = 0; k < 9; ++k) p[k] = x[i - 4 + k];
        exchange(p[1], p[2]), exchange(p[4], p[5]), exchange(p[7], p[8]);
        exchange(p[0], p[1]), exchange(p[3], p[4]), exchange(p[6], p[7]);
        exchange(p[1], p[2]), exchange(p[4], p[5]), exchange(p[7], p[8]);
        exchange(p[0], p[3]), exchange(p[5], p[8]), exchange(p[4], p[7]);
        exchange(p[3], p[6]), exchange(p[1], p[4]), exchange(p[2], p[5]);
        exchange(p[4], p[7]), exchange(p[4], p[2]), exchange(p[6], p[4]);
        exchange(p[4], p[2]);
        y[i] = p[4];
    }
}

void dense8_fir_avx2(const float* x, const float* h, float* y, int len) {
    for (int n = 0; n < len; ++n) {
        float sum = 0;
        for (int k = 0; k < 8; ++k) sum += h[k] * x[n - k];
        y[n] = sum;
    }
}
