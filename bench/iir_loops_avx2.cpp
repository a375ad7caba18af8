// The plain loops compiled with -mavx2 (see bench/CMakeLists.txt).
#include "iir_loops.h"

namespace iir_loops_avx2 {
namespace {

template <class T>
void biquads_t(const T* taps, T* dly, int sections, const T* x, T* y, int n) {
    for (int i = 0; i < n; ++i) {
        T v = x[i];
        for (int q = 0; q < sections; ++q) {
            const T* t = taps + 5 * q;
            T* d = dly + 2 * q;
            const T out = t[0] * v + d[0];
            d[0] = t[1] * v - t[3] * out + d[1];
            d[1] = t[2] * v - t[4] * out;
            v = out;
        }
        y[i] = v;
    }
}

struct Cf {
    float re, im;
};
inline Cf operator*(Cf a, Cf b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline Cf operator+(Cf a, Cf b) { return {a.re + b.re, a.im + b.im}; }
inline Cf operator-(Cf a, Cf b) { return {a.re - b.re, a.im - b.im}; }

template <class T>
void ar_t(const T* b, const T* a, T* d, int order, const T* x, T* y, int n) {
    for (int i = 0; i < n; ++i) {
        const T v = x[i];
        const T out = b[0] * v + d[0];
        for (int k = 0; k < order; ++k) d[k] = b[k + 1] * v - a[k] * out + d[k + 1];
        y[i] = out;
    }
}

}  // namespace

void biquads(const float* t, float* d, int s, const float* x, float* y, int n) { biquads_t(t, d, s, x, y, n); }
void biquads(const double* t, double* d, int s, const double* x, double* y, int n) { biquads_t(t, d, s, x, y, n); }
void biquads_complex(const float* t, float* d, int s, const float* x, float* y, int n) {
    biquads_t(reinterpret_cast<const Cf*>(t), reinterpret_cast<Cf*>(d), s, reinterpret_cast<const Cf*>(x),
              reinterpret_cast<Cf*>(y), n);
}
void ar(const float* b, const float* a, float* d, int o, const float* x, float* y, int n) { ar_t(b, a, d, o, x, y, n); }
void ar(const double* b, const double* a, double* d, int o, const double* x, double* y, int n) { ar_t(b, a, d, o, x, y, n); }

}  // namespace iir_loops_avx2
