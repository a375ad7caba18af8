// The plain FIR loops compiled with -mavx2 (see bench/CMakeLists.txt).
#include "fir_loops.h"

namespace fir_loops_avx2 {

template <class T>
static void fir(const T* x, const T* h, T* y, int n, int L) {
    for (int i = 0; i < n; ++i) {
        T acc = 0;
        for (int k = 0; k < L; ++k) acc += h[k] * x[i + L - 1 - k];
        y[i] = acc;
    }
}

void fir_32f(const float* x, const float* h, float* y, int n, int L) { fir(x, h, y, n, L); }
void fir_64f(const double* x, const double* h, double* y, int n, int L) { fir(x, h, y, n, L); }
void decim_32f(const float* x, const float* h, float* y, int nOut, int L, int D) {
    for (int n = 0; n < nOut; ++n) {
        float acc = 0;
        for (int k = 0; k < L; ++k) acc += h[k] * x[n * D + L - 1 - k];
        y[n] = acc;
    }
}
void interp_32f(const float* x, const float* h, float* y, int n, int L, int U) {
    const int H = (L + U - 1) / U - 1;
    for (int i = 0; i < n; ++i) {
        for (int p = 0; p < U; ++p) {
            float acc = 0;
            for (int j = 0; p + j * U < L; ++j) acc += h[p + j * U] * x[i + H - j];
            y[i * U + p] = acc;
        }
    }
}
void resample_32f(const float* x, const float* h, float* y, int nOut, int L, int U, int D) {
    const int H = (L - 1 + U - 1) / U;
    for (int m = 0; m < nOut; ++m) {
        const int t = m * D, p = t % U, i0 = H + t / U;
        float acc = 0;
        for (int j = 0; p + j * U < L; ++j) acc += h[p + j * U] * x[i0 - j];
        y[m] = acc;
    }
}
void fir_32fc(const std::complex<float>* x, const std::complex<float>* h, std::complex<float>* y, int n, int L) {
    // Written out, as GCC's complex product carries NaN checks.
    for (int i = 0; i < n; ++i) {
        float re = 0, im = 0;
        for (int k = 0; k < L; ++k) {
            const std::complex<float> a = h[k], b = x[i + L - 1 - k];
            re += a.real() * b.real() - a.imag() * b.imag();
            im += a.real() * b.imag() + a.imag() * b.real();
        }
        y[i] = {re, im};
    }
}

}  // namespace fir_loops_avx2
