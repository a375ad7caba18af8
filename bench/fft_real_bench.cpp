// Real forward FFT, 32-bit float, to the CCS layout (N/2+1 complex terms),
// against FFTW's r2c plans (FFTW_MEASURE, planned once outside the timing)
// and KissFFT's real transform, for N = 2^4 .. 2^22, out of place; and the
// inverse from CCS against FFTW's c2r plans (which may overwrite their
// input, so FFTW gets a fresh copy of the spectrum inside the timing; ours
// leaves its source intact).  Double precision both ways up to 2^12.
//
// Arguments: log2 N, then the thread count: 0 is each library's default
// (ours: the core library's count; FFTW: its threaded planner with the
// processor count), 1 forces one thread.  KissFFT has no threads.
// Counter "mflops": 2.5 N log2 N / wall time, the usual FFT yardstick.
#include <benchmark/benchmark.h>
#include <fftw3.h>
#if defined(VDXS_BENCH_HAVE_KISSFFT)
#include <kissfft/kiss_fftr.h>
#endif
#include <thread>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace {

std::vector<float> signal(int n) {
    std::mt19937 rng(n);
    std::uniform_real_distribution<float> d(-1, 1);
    std::vector<float> x(n);
    for (auto& v : x) v = d(rng);
    return x;
}

void finish(benchmark::State& state, int order) {
    const double n = std::ldexp(1.0, order);
    state.counters["mflops"] = benchmark::Counter(2.5 * n * order * 1e-6 * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

// Our real objects by precision.
template <class T>
struct Real;
template <>
struct Real<Vdx32f> {
    using Spec = VdxsFFTSpec_R_32f;
    static constexpr auto InitAlloc = vdxsFFTInitAlloc_R_32f;
    static constexpr auto GetBufSize = vdxsFFTGetBufSize_R_32f;
    static constexpr auto Free = vdxsFFTFree_R_32f;
    static constexpr auto Fwd = vdxsFFTFwd_RToCCS_32f;
    static constexpr auto Inv = vdxsFFTInv_CCSToR_32f;
    static constexpr auto Malloc = vdxsMalloc_32f;
};
template <>
struct Real<Vdx64f> {
    using Spec = VdxsFFTSpec_R_64f;
    static constexpr auto InitAlloc = vdxsFFTInitAlloc_R_64f;
    static constexpr auto GetBufSize = vdxsFFTGetBufSize_R_64f;
    static constexpr auto Free = vdxsFFTFree_R_64f;
    static constexpr auto Fwd = vdxsFFTFwd_RToCCS_64f;
    static constexpr auto Inv = vdxsFFTInv_CCSToR_64f;
    static constexpr auto Malloc = vdxsMalloc_64f;
};

// Ours, forward to CCS or (Inverse) back from the CCS spectrum of the same
// signal; our inverse leaves its source intact, so it needs no fresh copy.
template <class T, bool Inverse>
void BM_vdxs(benchmark::State& state) {
    using R = Real<T>;
    const int order = static_cast<int>(state.range(0));
    vdxcoreSetNumThreads(static_cast<int>(state.range(1)));
    const int n = 1 << order;
    typename R::Spec* spec = nullptr;
    if (R::InitAlloc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone) != vdxStsNoErr) {
        state.SkipWithError("init");
        return;
    }
    int bufSize = 0;
    R::GetBufSize(spec, &bufSize);
    Vdx8u* buf = vdxsMalloc_8u(bufSize > 0 ? bufSize : 1);
    T* x = R::Malloc(n + 2);
    T* y = R::Malloc(n + 2);
    const auto s = signal(n);
    for (int i = 0; i < n; ++i) x[i] = s[i];
    R::Fwd(x, y, spec, buf);
    for (auto _ : state) {
        if (Inverse) R::Inv(y, x, spec, buf);
        else R::Fwd(x, y, spec, buf);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    }
    finish(state, order);
    vdxsFree(y);
    vdxsFree(x);
    vdxsFree(buf);
    R::Free(spec);
    vdxcoreSetNumThreads(0);
}

void BM_fftw(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    const int n = 1 << order;
    fftwf_plan_with_nthreads(state.range(1) == 1 ? 1 : static_cast<int>(std::thread::hardware_concurrency()));
    float* x = fftwf_alloc_real(n);
    fftwf_complex* y = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan plan = fftwf_plan_dft_r2c_1d(n, x, y, FFTW_MEASURE);
    const auto s = signal(n);
    for (int i = 0; i < n; ++i) x[i] = s[i];
    for (auto _ : state) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    }
    finish(state, order);
    fftwf_destroy_plan(plan);
    fftwf_free(y);
    fftwf_free(x);
}

void BM_fftw_inv(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    const int n = 1 << order;
    fftwf_plan_with_nthreads(state.range(1) == 1 ? 1 : static_cast<int>(std::thread::hardware_concurrency()));
    float* y = fftwf_alloc_real(n);
    fftwf_complex* spectrum = fftwf_alloc_complex(n / 2 + 1);
    fftwf_complex* x = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan plan = fftwf_plan_dft_c2r_1d(n, x, y, FFTW_MEASURE);
    fftwf_plan forward = fftwf_plan_dft_r2c_1d(n, y, spectrum, FFTW_ESTIMATE);
    const auto s = signal(n);
    for (int i = 0; i < n; ++i) y[i] = s[i];
    fftwf_execute(forward);
    for (auto _ : state) {
        std::memcpy(x, spectrum, sizeof(fftwf_complex) * (n / 2 + 1));
        fftwf_execute(plan);
        benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    }
    finish(state, order);
    fftwf_destroy_plan(forward);
    fftwf_destroy_plan(plan);
    fftwf_free(x);
    fftwf_free(spectrum);
    fftwf_free(y);
}

// FFTW's c2r plans overwrite their input, so its inverse copies the spectrum
// in before each call (ours leaves its source intact and needs no copy).
void BM_fftw_64f(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    const bool inverse = state.range(1) != 0;
    const int n = 1 << order;
    double* x = fftw_alloc_real(n);
    fftw_complex* y = fftw_alloc_complex(n / 2 + 1);
    fftw_complex* spectrum = fftw_alloc_complex(n / 2 + 1);
    fftw_plan plan = inverse ? fftw_plan_dft_c2r_1d(n, y, x, FFTW_MEASURE) : fftw_plan_dft_r2c_1d(n, x, y, FFTW_MEASURE);
    const auto s = signal(n);
    for (int i = 0; i < n; ++i) x[i] = s[i];
    fftw_plan forward = fftw_plan_dft_r2c_1d(n, x, spectrum, FFTW_ESTIMATE);
    fftw_execute(forward);
    for (auto _ : state) {
        if (inverse) std::memcpy(y, spectrum, sizeof(fftw_complex) * (n / 2 + 1));
        fftw_execute(plan);
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::ClobberMemory();
    }
    finish(state, order);
    fftw_destroy_plan(forward);
    fftw_destroy_plan(plan);
    fftw_free(spectrum);
    fftw_free(y);
    fftw_free(x);
}

#if defined(VDXS_BENCH_HAVE_KISSFFT)
void BM_kissfft(benchmark::State& state) {
    const int order = static_cast<int>(state.range(0));
    const int n = 1 << order;
    kiss_fftr_cfg cfg = kiss_fftr_alloc(n, 0, nullptr, nullptr);
    const auto x = signal(n);
    std::vector<kiss_fft_cpx> y(n / 2 + 1);
    for (auto _ : state) {
        kiss_fftr(cfg, x.data(), y.data());
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    finish(state, order);
    kiss_fftr_free(cfg);
}
#endif

void sizes(benchmark::internal::Benchmark* b, bool threads) {
    for (int order = 4; order <= 22; ++order) {
        b->Args({order, 1});
        if (threads) b->Args({order, 0});
    }
}

const bool kThreadsReady = fftwf_init_threads() != 0;

BENCHMARK_TEMPLATE(BM_vdxs, Vdx32f, false)->Apply([](auto* b) { sizes(b, true); })->UseRealTime();
BENCHMARK(BM_fftw)->Apply([](auto* b) { sizes(b, kThreadsReady); })->UseRealTime();
BENCHMARK_TEMPLATE(BM_vdxs, Vdx32f, true)->Apply([](auto* b) { sizes(b, false); })->UseRealTime();
BENCHMARK(BM_fftw_inv)->Apply([](auto* b) { sizes(b, false); })->UseRealTime();
BENCHMARK_TEMPLATE(BM_vdxs, Vdx64f, false)->ArgsProduct({benchmark::CreateDenseRange(4, 12, 1), {1}})->UseRealTime();
BENCHMARK_TEMPLATE(BM_vdxs, Vdx64f, true)->ArgsProduct({benchmark::CreateDenseRange(4, 12, 1), {1}})->UseRealTime();
BENCHMARK(BM_fftw_64f)->ArgsProduct({benchmark::CreateDenseRange(4, 12, 1), {0, 1}})->UseRealTime();
#if defined(VDXS_BENCH_HAVE_KISSFFT)
BENCHMARK(BM_kissfft)->Apply([](auto* b) { sizes(b, false); })->UseRealTime();
#endif

}  // namespace
