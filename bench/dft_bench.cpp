// Any-length DFT and DCT, forward, out of place, one thread: this library
// against FFTW (FFTW_MEASURE plans, one thread, the same aligned buffers).
// Complex 32fc at N = 1000, 1155, 1021 (prime), 4095, 48000, 10^6; real 32f
// (CCS) at 1000 and 48000; the orthonormal DCT-II at 1000 and 4096 against
// FFTW's REDFT10 followed by the orthonormal scaling.
//   build/bench/dft_bench
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

#if defined(VDXS_BENCH_HAVE_FFTW)
#include <fftw3.h>
#endif

namespace {

template <class T>
T* aligned(long count) {
    return reinterpret_cast<T*>(vdxsMalloc_8u(static_cast<int>(count * sizeof(T))));
}

void fill(float* p, long count) {
    std::mt19937 gen(1);
    std::uniform_real_distribution<float> dist(-1, 1);
    for (long i = 0; i < count; ++i) p[i] = dist(gen);
}

void BM_ours_32fc(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vdxcoreSetNumThreads(1);
    VdxsDFTSpec_C_32fc* spec = nullptr;
    vdxsDFTInitAlloc_C_32fc(&spec, n, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
    int w = 0;
    vdxsDFTGetBufSize_C_32fc(spec, &w);
    auto* src = aligned<Vdx32fc>(n);
    auto* dst = aligned<Vdx32fc>(n);
    auto* buf = aligned<Vdx8u>(w + 1);
    fill(&src->re, 2L * n);
    for (auto _ : state) {
        vdxsDFTFwd_CToC_32fc(src, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    vdxsFree(buf), vdxsFree(dst), vdxsFree(src);
    vdxsDFTFree_C_32fc(spec);
    vdxcoreSetNumThreads(0);
}

void BM_ours_32f_real(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vdxcoreSetNumThreads(1);
    VdxsDFTSpec_R_32f* spec = nullptr;
    vdxsDFTInitAlloc_R_32f(&spec, n, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
    int w = 0;
    vdxsDFTGetBufSize_R_32f(spec, &w);
    auto* src = aligned<Vdx32f>(n);
    auto* dst = aligned<Vdx32f>(n + 2);
    auto* buf = aligned<Vdx8u>(w + 1);
    fill(src, n);
    for (auto _ : state) {
        vdxsDFTFwd_RToCCS_32f(src, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    vdxsFree(buf), vdxsFree(dst), vdxsFree(src);
    vdxsDFTFree_R_32f(spec);
    vdxcoreSetNumThreads(0);
}

void BM_ours_dct2_32f(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    vdxcoreSetNumThreads(1);
    VdxsDCTFwdSpec_32f* spec = nullptr;
    vdxsDCTFwdInitAlloc_32f(&spec, n, vdxAlgHintNone);
    int w = 0;
    vdxsDCTFwdGetBufSize_32f(spec, &w);
    auto* src = aligned<Vdx32f>(n);
    auto* dst = aligned<Vdx32f>(n);
    auto* buf = aligned<Vdx8u>(w + 1);
    fill(src, n);
    for (auto _ : state) {
        vdxsDCTFwd_32f(src, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    vdxsFree(buf), vdxsFree(dst), vdxsFree(src);
    vdxsDCTFwdFree_32f(spec);
    vdxcoreSetNumThreads(0);
}

#if defined(VDXS_BENCH_HAVE_FFTW)
void BM_fftw_32fc(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* src = aligned<fftwf_complex>(n);
    auto* dst = aligned<fftwf_complex>(n);
    fftwf_plan p = fftwf_plan_dft_1d(n, src, dst, FFTW_FORWARD, FFTW_MEASURE);
    fill(&src[0][0], 2L * n);
    for (auto _ : state) {
        fftwf_execute(p);
        benchmark::DoNotOptimize(dst);
    }
    fftwf_destroy_plan(p);
    vdxsFree(reinterpret_cast<Vdx8u*>(dst)), vdxsFree(reinterpret_cast<Vdx8u*>(src));
}

void BM_fftw_32f_real(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* src = aligned<float>(n);
    auto* dst = aligned<fftwf_complex>(n / 2 + 1);
    fftwf_plan p = fftwf_plan_dft_r2c_1d(n, src, dst, FFTW_MEASURE);
    fill(src, n);
    for (auto _ : state) {
        fftwf_execute(p);
        benchmark::DoNotOptimize(dst);
    }
    fftwf_destroy_plan(p);
    vdxsFree(reinterpret_cast<Vdx8u*>(dst)), vdxsFree(reinterpret_cast<Vdx8u*>(src));
}

// REDFT10 gives 2 sum x cos(...): times 1/(2 sqrt(N)) at 0 and 1/sqrt(2N)
// elsewhere is the orthonormal DCT-II.
void BM_fftw_dct2_32f(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* src = aligned<float>(n);
    auto* dst = aligned<float>(n);
    fftwf_plan p = fftwf_plan_r2r_1d(n, src, dst, FFTW_REDFT10, FFTW_MEASURE);
    fill(src, n);
    const float s0 = 0.5f / std::sqrt(float(n)), s = 1.0f / std::sqrt(2.0f * n);
    for (auto _ : state) {
        fftwf_execute(p);
        dst[0] *= s0;
        for (int k = 1; k < n; ++k) dst[k] *= s;
        benchmark::DoNotOptimize(dst);
    }
    fftwf_destroy_plan(p);
    vdxsFree(reinterpret_cast<Vdx8u*>(dst)), vdxsFree(reinterpret_cast<Vdx8u*>(src));
}
#endif

void complex_lengths(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 1155, 1021, 4095, 48000, 1000000}) b->Arg(n);
}
void real_lengths(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 48000}) b->Arg(n);
}
void dct_lengths(benchmark::internal::Benchmark* b) {
    for (int n : {1000, 4096}) b->Arg(n);
}

}  // namespace

BENCHMARK(BM_ours_32fc)->Apply(complex_lengths);
BENCHMARK(BM_ours_32f_real)->Apply(real_lengths);
BENCHMARK(BM_ours_dct2_32f)->Apply(dct_lengths);
#if defined(VDXS_BENCH_HAVE_FFTW)
BENCHMARK(BM_fftw_32fc)->Apply(complex_lengths);
BENCHMARK(BM_fftw_32f_real)->Apply(real_lengths);
BENCHMARK(BM_fftw_dct2_32f)->Apply(dct_lengths);
#endif
