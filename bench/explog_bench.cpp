// Exponential and logarithm family against the C library on the same
// buffers: vdxsExp_32f / expf, vdxsLn_32f / logf, vdxsExp_64f / exp and
// vdxsLn_64f / log, each C function in a scalar loop (this file: math-errno
// keeps GCC from vectorising the calls) and in the same loop vectorised by
// GCC into libmvec calls at the baseline flags and with -mavx2
// (explog_loops_*.cpp).  Sizes 256, 4096 and 65536 elements; throughput in
// elements per second.  Inputs: e^x for x uniform in [-80, 80] (every result
// normal), ln x for x = e^u, u uniform in [-40, 40].
//
//   bench/explog_bench --benchmark_min_time=0.2
//   VDXCORE_HIDE_FEATURES=0x1E0 bench/explog_bench   (the SSE4.1 variant)
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "explog_loops.h"
#include "vdxs.h"

namespace {

template <class T>
struct Data {
    Data(int n, bool for_log) : x(n), y(n) {
        std::mt19937 rng(1);
        std::uniform_real_distribution<double> u(-80.0, 80.0);
        for (auto& v : x) v = static_cast<T>(for_log ? std::exp(u(rng) / 2) : u(rng));
    }
    std::vector<T> x, y;
};

template <class T, class Run>
void run(benchmark::State& state, bool for_log, Run body) {
    Data<T> d(static_cast<int>(state.range(0)), for_log);
    const int n = static_cast<int>(d.x.size());
    for (auto _ : state) {
        body(d.x.data(), d.y.data(), n);
        benchmark::DoNotOptimize(d.y.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * n);
}

// The C library, one call per element.
void scalar_expf(const float* x, float* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = std::exp(x[i]);
}
void scalar_logf(const float* x, float* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = std::log(x[i]);
}
void scalar_exp(const double* x, double* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = std::exp(x[i]);
}
void scalar_log(const double* x, double* y, int n) {
    for (int i = 0; i < n; ++i) y[i] = std::log(x[i]);
}

// ---- float

void BM_vdxsExp_32f(benchmark::State& s) { run<float>(s, false, vdxsExp_32f); }
void BM_expf_scalar(benchmark::State& s) { run<float>(s, false, scalar_expf); }
void BM_expf_libmvec_sse41(benchmark::State& s) { run<float>(s, false, explog_loops::sse41.expf_loop); }
void BM_expf_libmvec_avx2(benchmark::State& s) { run<float>(s, false, explog_loops::avx2.expf_loop); }

void BM_vdxsLn_32f(benchmark::State& s) { run<float>(s, true, vdxsLn_32f); }
void BM_logf_scalar(benchmark::State& s) { run<float>(s, true, scalar_logf); }
void BM_logf_libmvec_sse41(benchmark::State& s) { run<float>(s, true, explog_loops::sse41.logf_loop); }
void BM_logf_libmvec_avx2(benchmark::State& s) { run<float>(s, true, explog_loops::avx2.logf_loop); }

// ---- double

void BM_vdxsExp_64f(benchmark::State& s) { run<double>(s, false, vdxsExp_64f); }
void BM_exp_scalar(benchmark::State& s) { run<double>(s, false, scalar_exp); }
void BM_exp_libmvec_sse41(benchmark::State& s) { run<double>(s, false, explog_loops::sse41.exp_loop); }
void BM_exp_libmvec_avx2(benchmark::State& s) { run<double>(s, false, explog_loops::avx2.exp_loop); }

void BM_vdxsLn_64f(benchmark::State& s) { run<double>(s, true, vdxsLn_64f); }
void BM_log_scalar(benchmark::State& s) { run<double>(s, true, scalar_log); }
void BM_log_libmvec_sse41(benchmark::State& s) { run<double>(s, true, explog_loops::sse41.log_loop); }
void BM_log_libmvec_avx2(benchmark::State& s) { run<double>(s, true, explog_loops::avx2.log_loop); }

// ---- other members, on their own

void BM_vdxsSumLn_32f(benchmark::State& s) {
    run<float>(s, true, [](const float* x, float* y, int n) { vdxsSumLn_32f(x, n, y); });
}
void BM_vdxsExp_32s_Sfs(benchmark::State& s) {
    Data<Vdx32s> d(static_cast<int>(s.range(0)), false);
    for (auto& v : d.x) v /= 2;
    const int n = static_cast<int>(d.x.size());
    for (auto _ : s) {
        vdxsExp_32s_Sfs(d.x.data(), d.y.data(), n, 3);
        benchmark::ClobberMemory();
    }
    s.SetItemsProcessed(static_cast<std::int64_t>(s.iterations()) * n);
}

#define SIZES ->Arg(256)->Arg(4096)->Arg(65536)
BENCHMARK(BM_vdxsExp_32f) SIZES;
BENCHMARK(BM_expf_scalar) SIZES;
BENCHMARK(BM_expf_libmvec_sse41) SIZES;
BENCHMARK(BM_expf_libmvec_avx2) SIZES;
BENCHMARK(BM_vdxsLn_32f) SIZES;
BENCHMARK(BM_logf_scalar) SIZES;
BENCHMARK(BM_logf_libmvec_sse41) SIZES;
BENCHMARK(BM_logf_libmvec_avx2) SIZES;
BENCHMARK(BM_vdxsExp_64f) SIZES;
BENCHMARK(BM_exp_scalar) SIZES;
BENCHMARK(BM_exp_libmvec_sse41) SIZES;
BENCHMARK(BM_exp_libmvec_avx2) SIZES;
BENCHMARK(BM_vdxsLn_64f) SIZES;
BENCHMARK(BM_log_scalar) SIZES;
BENCHMARK(BM_log_libmvec_sse41) SIZES;
BENCHMARK(BM_log_libmvec_avx2) SIZES;
BENCHMARK(BM_vdxsSumLn_32f)->Arg(4096);
BENCHMARK(BM_vdxsExp_32s_Sfs)->Arg(4096);

}  // namespace
