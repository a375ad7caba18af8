// Windows, FIR design, convolution and correlation, one thread unless the
// run says otherwise (third Conv argument: thread count, 0 the default).
// Peers: plain loops compiled with -mavx2 (corr_loops_avx2.cpp), and, where
// FFTW is found at configure time, FFTW convolution (overlap-add) and
// correlation, with their plans made once outside the timing (FFTW_MEASURE)
// and with the plans made inside every call (FFTW_ESTIMATE), which is what
// a one-call interface costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "corr_loops.h"
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

int arg(const benchmark::State& state, int i) { return static_cast<int>(state.range(i)); }

// ---------------------------------------------------------------- windows

constexpr float kKaiserAlpha = 0.01f;  // |alpha| (N-1)/2 = 20.5 at 4096: the exponential branch

void BM_WinHann_vdxs(benchmark::State& state) {
    const int n = arg(state, 0);
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { vdxsWinHann_32f(src.data(), dst.data(), n); });
}
void BM_WinHann_loop(benchmark::State& state) {
    const int n = arg(state, 0);
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { corr_loops::hann(src.data(), dst.data(), n); });
}
void BM_WinKaiser_vdxs(benchmark::State& state) {
    const int n = arg(state, 0);
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { vdxsWinKaiser_32f(src.data(), dst.data(), n, kKaiserAlpha); });
}
void BM_WinKaiser_loop(benchmark::State& state) {
    const int n = arg(state, 0);
    auto src = source(n, 1);
    std::vector<float> dst(n);
    timed(state, [&] { corr_loops::kaiser(src.data(), dst.data(), n, kKaiserAlpha); });
}
BENCHMARK(BM_WinHann_vdxs)->Arg(4096);
BENCHMARK(BM_WinHann_loop)->Arg(4096);
BENCHMARK(BM_WinKaiser_vdxs)->Arg(4096);
BENCHMARK(BM_WinKaiser_loop)->Arg(4096);

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
    const int n = arg(state, 0);
    std::vector<double> taps(n);
    timed(state, [&] { vdxsFIRGenLowpass_64f(0.2, taps.data(), n, vdxWinHamming, 1); });
}
void BM_FIRGenLowpass_loop(benchmark::State& state) {
    const int n = arg(state, 0);
    std::vector<double> taps(n);
    timed(state, [&] { loop_lowpass(0.2, taps.data(), n); });
}
BENCHMARK(BM_FIRGenLowpass_vdxs)->Arg(255);
BENCHMARK(BM_FIRGenLowpass_loop)->Arg(255);

// ---------------------------------------------------------------- convolution

// 1000 and 100000 samples by 128 and 4096.
#define VDX_CONV_SIZES ->Args({1000, 128})->Args({1000, 4096})->Args({100000, 128})->Args({100000, 4096})

void BM_Conv_vdxs(benchmark::State& state) {
    const int la = arg(state, 0), lb = arg(state, 1);
    const Threads threads(arg(state, 2));
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    timed(state, [&] { vdxsConv_32f(a.data(), la, b.data(), lb, d.data()); });
}
BENCHMARK(BM_Conv_vdxs)->Args({1000, 128, 1})->Args({1000, 4096, 1})->Args({100000, 128, 1})
    ->Args({100000, 4096, 1})->Args({100000, 128, 2})->Args({100000, 4096, 2});

void BM_Conv_loop(benchmark::State& state) {
    const int la = arg(state, 0), lb = arg(state, 1);
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    timed(state, [&] { corr_loops::conv(a.data(), la, b.data(), lb, d.data()); });
}
BENCHMARK(BM_Conv_loop) VDX_CONV_SIZES;

// ---------------------------------------------------------------- correlation

// Both signals of 4096 samples, lags 0 .. 1023 (the FFT path).
constexpr int kCorrLen = 4096, kCorrLags = 1024;

void BM_AutoCorr_vdxs(benchmark::State& state) {
    auto a = source(kCorrLen, 4);
    std::vector<float> d(kCorrLags);
    timed(state, [&] { vdxsAutoCorr_32f(a.data(), kCorrLen, d.data(), kCorrLags); });
}
void BM_AutoCorr_loop(benchmark::State& state) {
    auto a = source(kCorrLen, 4);
    std::vector<float> d(kCorrLags);
    timed(state, [&] { corr_loops::crosscorr(a.data(), kCorrLen, a.data(), kCorrLen, d.data(), kCorrLags); });
}
void BM_CrossCorr_vdxs(benchmark::State& state) {
    auto a = source(kCorrLen, 4), b = source(kCorrLen, 5);
    std::vector<float> d(kCorrLags);
    timed(state, [&] { vdxsCrossCorr_32f(a.data(), kCorrLen, b.data(), kCorrLen, d.data(), kCorrLags, 0); });
}
void BM_CrossCorr_loop(benchmark::State& state) {
    auto a = source(kCorrLen, 4), b = source(kCorrLen, 5);
    std::vector<float> d(kCorrLags);
    timed(state, [&] { corr_loops::crosscorr(a.data(), kCorrLen, b.data(), kCorrLen, d.data(), kCorrLags); });
}
BENCHMARK(BM_AutoCorr_vdxs);
BENCHMARK(BM_AutoCorr_loop);
BENCHMARK(BM_CrossCorr_vdxs);
BENCHMARK(BM_CrossCorr_loop);

#ifdef VDXS_BENCH_HAVE_FFTW
int power_of_two_at_least(long n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// Real transforms of one length n, made with `flags`: forward from `real`
// to `spectrum` or to `kept`, and back from `spectrum` to `real`.
class FftwPair {
public:
    FftwPair(int n, unsigned flags) : n(n) {
        real = fftwf_alloc_real(n), spectrum = fftwf_alloc_complex(n / 2 + 1), kept = fftwf_alloc_complex(n / 2 + 1);
        forward = fftwf_plan_dft_r2c_1d(n, real, spectrum, flags);
        forward_kept = fftwf_plan_dft_r2c_1d(n, real, kept, flags);
        inverse = fftwf_plan_dft_c2r_1d(n, spectrum, real, flags);
    }
    ~FftwPair() {
        fftwf_destroy_plan(forward), fftwf_destroy_plan(forward_kept), fftwf_destroy_plan(inverse);
        fftwf_free(real), fftwf_free(spectrum), fftwf_free(kept);
    }
    // real = x (count samples) zero-padded, transformed into `spectrum`, or
    // into `kept` when keep is set.
    void transform(const float* x, int count, bool keep = false) {
        std::copy(x, x + count, real), std::fill(real + count, real + n, 0.0f);
        fftwf_execute(keep ? forward_kept : forward);
    }

    const int n;
    float* real;
    fftwf_complex *spectrum, *kept;
    fftwf_plan forward, forward_kept, inverse;
};

std::complex<float>* as_complex(fftwf_complex* x) { return reinterpret_cast<std::complex<float>*>(x); }

// Overlap-add block length: the next power of two at or above 8 lb, or
// above the whole result.
int overlap_add_length(int la, int lb) { return power_of_two_at_least(std::min<long>(long(la) + lb - 1, 8L * lb)); }

// Overlap-add: b's spectrum once, then blocks of a of n - lb + 1 samples.
void fftw_conv(FftwPair& f, const float* a, int la, const float* b, int lb, float* d) {
    const long total = long(la) + lb - 1;
    const int n = f.n, step = n - lb + 1;
    f.transform(b, lb, true);
    const std::complex<float>* h = as_complex(f.kept);
    const float scale = 1.0f / n;
    std::fill(d, d + total, 0.0f);
    for (int start = 0; start < la; start += step) {
        f.transform(a + start, std::min(step, la - start));
        for (int k = 0; k <= n / 2; ++k) as_complex(f.spectrum)[k] *= h[k] * scale;
        fftwf_execute(f.inverse);
        const int count = static_cast<int>(std::min<long>(n, total - start));
        for (int i = 0; i < count; ++i) d[start + i] += f.real[i];
    }
}

// Lags 0 .. lags-1 of a against b (b == a: the autocorrelation), through
// one transform pair of the next power of two at or above la + lags - 1.
void fftw_corr(FftwPair& f, const float* a, int la, const float* b, int lb, float* d, int lags) {
    const int n = f.n;
    const float scale = 1.0f / n;
    if (b == a) {
        f.transform(a, la);
        for (int k = 0; k <= n / 2; ++k) as_complex(f.spectrum)[k] = std::norm(as_complex(f.spectrum)[k]) * scale;
    } else {
        f.transform(a, la, true);
        f.transform(b, lb);
        const std::complex<float>* x = as_complex(f.kept);
        for (int k = 0; k <= n / 2; ++k) as_complex(f.spectrum)[k] *= std::conj(x[k]) * scale;
    }
    fftwf_execute(f.inverse);
    std::copy(f.real, f.real + lags, d);
}

// Plans made once (FFTW_MEASURE) outside the timing, or (FFTW_ESTIMATE) in
// every call, with the wisdom of earlier rows forgotten.
void BM_Conv_fftw(benchmark::State& state) {
    const int la = arg(state, 0), lb = arg(state, 1);
    const bool once = arg(state, 2) != 0;
    auto a = source(la, 2), b = source(lb, 3);
    std::vector<float> d(la + lb - 1);
    const int n = overlap_add_length(la, lb);
    if (once) {
        FftwPair f(n, FFTW_MEASURE);
        timed(state, [&] { fftw_conv(f, a.data(), la, b.data(), lb, d.data()); });
    } else {
        fftwf_forget_wisdom();
        timed(state, [&] {
            FftwPair f(n, FFTW_ESTIMATE);
            fftw_conv(f, a.data(), la, b.data(), lb, d.data());
        });
    }
}
BENCHMARK(BM_Conv_fftw)->ArgNames({"la", "lb", "once"})->Args({1000, 128, 1})->Args({1000, 4096, 1})
    ->Args({100000, 128, 1})->Args({100000, 4096, 1})->Args({1000, 128, 0})->Args({1000, 4096, 0})
    ->Args({100000, 128, 0})->Args({100000, 4096, 0});

// Third argument: the transform length, 0 for the next power of two (5120
// = 5 x 2^10, the shortest that holds the lags apart, suits FFTW too).
void BM_Corr_fftw(benchmark::State& state) {
    const bool autocorr = arg(state, 0) != 0, once = arg(state, 1) != 0;
    auto a = source(kCorrLen, 4), b = autocorr ? a : source(kCorrLen, 5);
    std::vector<float> d(kCorrLags);
    const int n = arg(state, 2) != 0 ? arg(state, 2) : power_of_two_at_least(kCorrLen + kCorrLags - 1);
    const float* second = autocorr ? a.data() : b.data();
    if (once) {
        FftwPair f(n, FFTW_MEASURE);
        timed(state, [&] { fftw_corr(f, a.data(), kCorrLen, second, kCorrLen, d.data(), kCorrLags); });
    } else {
        fftwf_forget_wisdom();
        timed(state, [&] {
            FftwPair f(n, FFTW_ESTIMATE);
            fftw_corr(f, a.data(), kCorrLen, second, kCorrLen, d.data(), kCorrLags);
        });
    }
}
BENCHMARK(BM_Corr_fftw)->ArgNames({"auto", "once", "n"})->Args({1, 1, 0})->Args({0, 1, 0})->Args({1, 0, 0})
    ->Args({0, 0, 0})->Args({1, 1, 5120})->Args({0, 1, 5120});
#endif

}  // namespace
