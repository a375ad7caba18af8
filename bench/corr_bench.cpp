// Windows, FIR design, convolution and cross-correlation, one thread unless
// the run says otherwise (second argument: thread count, 0 the default).
// Peers: plain loops compiled here at the library's baseline flags, and,
// where FFTW is found at configure time, an FFTW convolution and
// correlation (r2c of both inputs zero-padded to the next power of two, the
// product, c2r; FFTW_MEASURE plans made outside the timing).
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

#ifdef VDXS_BENCH_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

std::vector<float> source(int len, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<float> v(len);
    for (auto& e : v) e = std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng);
    return v;
}

class Threads {
public:
    explicit Threads(int n) { vdxcoreSetNumThreads(n); }
    ~Threads() { vdxcoreSetNumThreads(0); }
};

template <class F>
void timed(benchmark::State& state, F&& f) {
    for (auto _ : state) {
        f();
        benchmark::ClobberMemory();
    }
}

// ---------------------------------------------------------------- window

__attribute__((noinline)) void loop_hann(const float* s, float* d, int n) {
    const double theta = 2 * M_PI / (n - 1);
    for (int i = 0; i < n; ++i) d[i] = s[i] * static_cast<float>(0.5 - 0.5 * std::cos(i * theta));
}

void BM_WinHann_vdxs(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { vdxsWinHann_32f(src.data(), dst.data(), n); });
}
void BM_WinHann_loop(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { loop_hann(src.data(), dst.data(), n); });
}
BENCHMARK(BM_WinHann_vdxs)->Arg(4096);
BENCHMARK(BM_WinHann_loop)->Arg(4096);

// ---------------------------------------------------------------- FIR design

__attribute__((noinline)) void loop_lowpass(double f, double* taps, int n) {
    const double c = (n - 1) / 2.0;
    for (int k = 0; k < n; ++k) {
        const double t = k - c;
        const double ideal = t == 0 ? 2 * f : std::sin(2 * M_PI * f * t) / (M_PI * t);
        taps[k] = ideal * (0.54 - 0.46 * std::cos(2 * M_PI * k / (n - 1)));
    }
    double sum = 0;
    for (int k = 0; k < n; ++k) sum += taps[k];
    for (int k = 0; k < n; ++k) taps[k] /= sum;
}

void BM_FIRGenLowpass_vdxs(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> taps(n);
    timed(state, [&] { vdxsFIRGenLowpass_64f(0.2, taps.data(), n, vdxWinHamming, 1); });
}
void BM_FIRGenLowpass_loop(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> taps(n);
    timed(state, [&] { loop_lowpass(0.2, taps.data(), n); });
}
BENCHMARK(BM_FIRGenLowpass_vdxs)->Arg(255);
BENCHMARK(BM_FIRGenLowpass_loop)->Arg(255);

// ---------------------------------------------------------------- convolution

// (La, Lb) pairs: direct, one FFT, blocks, blocks on a long input.
#define VDX_CONV_SIZES ->Args({4096, 32})->Args({2048, 1024})->Args({65536, 256})->Args({262144, 1024})

__attribute__((noinline)) void loop_conv(const float* a, int la, const float* b, int lb, float* d) {
    for (int n = 0; n < la + lb - 1; ++n) {
        float s = 0;
        const int lo = n - la + 1 > 0 ? n - la + 1 : 0, hi = n < lb - 1 ? n : lb - 1;
        for (int k = lo; k <= hi; ++k) s += b[k] * a[n - k];
        d[n] = s;
    }
}

void BM_Conv_vdxs(benchmark::State& state) {
    const int la = static_cast<int>(state.range(0)), lb = static_cast<int>(state.range(1));
    const Threads threads(state.range(2));
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    timed(state, [&] { vdxsConv_32f(a.data(), la, b.data(), lb, d.data()); });
}
BENCHMARK(BM_Conv_vdxs)->Args({4096, 32, 1})->Args({2048, 1024, 1})->Args({65536, 256, 1})->Args({262144, 1024, 1})
    ->Args({65536, 256, 2})->Args({262144, 1024, 2});

void BM_Conv_loop(benchmark::State& state) {
    const int la = static_cast<int>(state.range(0)), lb = static_cast<int>(state.range(1));
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    timed(state, [&] { loop_conv(a.data(), la, b.data(), lb, d.data()); });
}
BENCHMARK(BM_Conv_loop)->Args({4096, 32});

#ifdef VDXS_BENCH_HAVE_FFTW
// Linear correlation or convolution of a and b through one FFTW transform
// pair of the next power of two at or above la + lb - 1.
class FftwLinear {
public:
    FftwLinear(int la, int lb) : n_(1) {
        while (n_ < la + lb - 1) n_ *= 2;
        x_ = fftwf_alloc_real(n_), y_ = fftwf_alloc_real(n_);
        X_ = fftwf_alloc_complex(n_ / 2 + 1), Y_ = fftwf_alloc_complex(n_ / 2 + 1);
        fx_ = fftwf_plan_dft_r2c_1d(n_, x_, X_, FFTW_MEASURE);
        fy_ = fftwf_plan_dft_r2c_1d(n_, y_, Y_, FFTW_MEASURE);
        inv_ = fftwf_plan_dft_c2r_1d(n_, X_, x_, FFTW_MEASURE);
    }
    ~FftwLinear() {
        fftwf_destroy_plan(fx_), fftwf_destroy_plan(fy_), fftwf_destroy_plan(inv_);
        fftwf_free(x_), fftwf_free(y_), fftwf_free(X_), fftwf_free(Y_);
    }
    // conj = false: convolution; true: correlation (conj of a's spectrum).
    void run(const float* a, int la, const float* b, int lb, float* d, int count, bool conj) {
        std::fill(x_ + la, x_ + n_, 0.0f), std::copy(a, a + la, x_);
        std::fill(y_ + lb, y_ + n_, 0.0f), std::copy(b, b + lb, y_);
        fftwf_execute(fx_), fftwf_execute(fy_);
        const float scale = 1.0f / n_;
        for (int k = 0; k <= n_ / 2; ++k) {
            const std::complex<float> p(X_[k][0], conj ? -X_[k][1] : X_[k][1]), q(Y_[k][0], Y_[k][1]);
            const std::complex<float> r = p * q * scale;
            X_[k][0] = r.real(), X_[k][1] = r.imag();
        }
        fftwf_execute(inv_);
        std::copy(x_, x_ + count, d);
    }

private:
    int n_;
    float *x_, *y_;
    fftwf_complex *X_, *Y_;
    fftwf_plan fx_, fy_, inv_;
};

void BM_Conv_fftw(benchmark::State& state) {
    const int la = static_cast<int>(state.range(0)), lb = static_cast<int>(state.range(1));
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    FftwLinear fftw(la, lb);
    timed(state, [&] { fftw.run(a.data(), la, b.data(), lb, d.data(), la + lb - 1, false); });
}
BENCHMARK(BM_Conv_fftw) VDX_CONV_SIZES;
#endif

// ---------------------------------------------------------------- cross-correlation

// Both signals of length n, lags 0 .. n-1 (the FFT path).
void BM_CrossCorr_vdxs(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Threads threads(state.range(1));
    auto a = source(n, 4), b = source(n, 5);
    std::vector<float> d(n);
    timed(state, [&] { vdxsCrossCorr_32f(a.data(), n, b.data(), n, d.data(), n, 0); });
}
BENCHMARK(BM_CrossCorr_vdxs)->Args({4096, 1})->Args({65536, 1});

__attribute__((noinline)) void loop_xcorr(const float* a, const float* b, int n, float* d) {
    for (int t = 0; t < n; ++t) {
        float s = 0;
        for (int i = 0; i + t < n; ++i) s += a[i] * b[i + t];
        d[t] = s;
    }
}
void BM_CrossCorr_loop(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto a = source(n, 4), b = source(n, 5);
    std::vector<float> d(n);
    timed(state, [&] { loop_xcorr(a.data(), b.data(), n, d.data()); });
}
BENCHMARK(BM_CrossCorr_loop)->Arg(4096);

#ifdef VDXS_BENCH_HAVE_FFTW
void BM_CrossCorr_fftw(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto a = source(n, 4), b = source(n, 5);
    std::vector<float> d(n);
    FftwLinear fftw(n, n);
    timed(state, [&] { fftw.run(a.data(), n, b.data(), n, d.data(), n, true); });
}
BENCHMARK(BM_CrossCorr_fftw)->Arg(4096)->Arg(65536);
#endif

}  // namespace
