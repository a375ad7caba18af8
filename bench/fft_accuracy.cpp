// Accuracy of the complex forward FFT against a long-double DFT, beside
// FFTW's on the same inputs: relative RMS error and the largest error
// relative to the RMS of the exact spectrum, orders 1..22, 32fc and 64fc.
//   build-fft/bench/fft_accuracy [max order]
#include <fftw3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "vdxs.h"

namespace {

using LD = long double;

void reference(const std::vector<LD>& x, std::vector<LD>& X) {
    const size_t n = x.size() / 2;
    int bits = 0;
    while ((size_t(1) << bits) < n) ++bits;
    X.assign(2 * n, 0);
    for (size_t i = 0; i < n; ++i) {
        size_t r = 0;
        for (int b = 0; b < bits; ++b) r |= ((i >> b) & 1) << (bits - 1 - b);
        X[2 * r] = x[2 * i];
        X[2 * r + 1] = x[2 * i + 1];
    }
    const LD pi = 3.141592653589793238462643383279502884L;
    std::vector<LD> wr(n / 2 + 1), wi(n / 2 + 1);
    for (size_t j = 0; j < n / 2; ++j) {
        wr[j] = cosl(2 * pi * j / n);
        wi[j] = -sinl(2 * pi * j / n);
    }
    for (size_t len = 2; len <= n; len *= 2)
        for (size_t b = 0; b < n; b += len)
            for (size_t k = 0; k < len / 2; ++k) {
                const size_t t = n / len * k, i = 2 * (b + k), j = i + len;
                const LD re = X[j] * wr[t] - X[j + 1] * wi[t], im = X[j] * wi[t] + X[j + 1] * wr[t];
                X[j] = X[i] - re;
                X[j + 1] = X[i + 1] - im;
                X[i] += re;
                X[i + 1] += im;
            }
}

struct Error {
    double rms, max;
};

template <class T>
Error error_of(const T* y, const std::vector<LD>& ref) {
    LD num = 0, den = 0, worst = 0;
    for (size_t k = 0; k < ref.size(); k += 2) {
        const LD dr = y[k] - ref[k], di = y[k + 1] - ref[k + 1];
        const LD e = dr * dr + di * di;
        num += e;
        den += ref[k] * ref[k] + ref[k + 1] * ref[k + 1];
        if (e > worst) worst = e;
    }
    const LD n = LD(ref.size() / 2);
    return {double(sqrtl(num / den)), double(sqrtl(worst / (den / n)))};
}

template <class T>
void run(int order, bool& ok) {
    const long n = 1L << order;
    std::mt19937 gen(order);
    std::uniform_real_distribution<double> dist(-1, 1);
    std::vector<T> x(2 * n), y(2 * n);
    for (auto& v : x) v = T(dist(gen));
    std::vector<LD> xl(x.begin(), x.end()), ref;
    reference(xl, ref);
    Error ours, theirs;
    if constexpr (sizeof(T) == 4) {
        VdxsFFTSpec_C_32fc* spec = nullptr;
        vdxsFFTInitAlloc_C_32fc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
        vdxsFFTFwd_CToC_32fc(reinterpret_cast<Vdx32fc*>(x.data()), reinterpret_cast<Vdx32fc*>(y.data()), spec, nullptr);
        vdxsFFTFree_C_32fc(spec);
        ours = error_of(y.data(), ref);
        auto* in = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * n));
        auto* out = static_cast<fftwf_complex*>(fftwf_malloc(sizeof(fftwf_complex) * n));
        fftwf_plan p = fftwf_plan_dft_1d(int(n), in, out, FFTW_FORWARD, FFTW_ESTIMATE);
        for (long i = 0; i < n; ++i) {
            in[i][0] = x[2 * i];
            in[i][1] = x[2 * i + 1];
        }
        fftwf_execute(p);
        theirs = error_of(&out[0][0], ref);
        fftwf_destroy_plan(p);
        fftwf_free(in);
        fftwf_free(out);
    } else {
        VdxsFFTSpec_C_64fc* spec = nullptr;
        vdxsFFTInitAlloc_C_64fc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
        vdxsFFTFwd_CToC_64fc(reinterpret_cast<Vdx64fc*>(x.data()), reinterpret_cast<Vdx64fc*>(y.data()), spec, nullptr);
        vdxsFFTFree_C_64fc(spec);
        ours = error_of(y.data(), ref);
        auto* in = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
        auto* out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
        fftw_plan p = fftw_plan_dft_1d(int(n), in, out, FFTW_FORWARD, FFTW_ESTIMATE);
        for (long i = 0; i < n; ++i) {
            in[i][0] = x[2 * i];
            in[i][1] = x[2 * i + 1];
        }
        fftw_execute(p);
        theirs = error_of(&out[0][0], ref);
        fftw_destroy_plan(p);
        fftw_free(in);
        fftw_free(out);
    }
    const bool good = ours.rms <= 1.5 * theirs.rms;
    ok = ok && good;
    std::printf("%-5s %2d  %10.3e %10.3e   %10.3e %10.3e   %5.2f %s\n", sizeof(T) == 4 ? "32fc" : "64fc", order,
                ours.rms, ours.max, theirs.rms, theirs.max, theirs.rms > 0 ? ours.rms / theirs.rms : 1.0, good ? "" : "  worse than 1.5x");
}

}  // namespace

int main(int argc, char** argv) {
    const int maxOrder = argc > 1 ? std::atoi(argv[1]) : 22;
    bool ok = true;
    std::printf("type order   ours rms   ours max    fftw rms   fftw max   ratio\n");
    for (int order = 1; order <= maxOrder; ++order) run<float>(order, ok);
    for (int order = 1; order <= maxOrder; ++order) run<double>(order, ok);
    return ok ? 0 : 1;
}
