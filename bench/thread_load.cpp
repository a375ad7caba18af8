// Every parallel path of the library on one and on two threads, on an idle
// machine and with a background load on every core:
//   busy     one spinning process per core;
//   library  one process per core calling the threaded division in a loop
//            on two threads (the last of them at nice 10), as when several
//            programs of a shared server use the library at once.
// Prints a Markdown table of median times per call (µs) and the ratio of
// two threads to one under each load.  Usage: thread_load [seconds per cell]
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vdxcore.h"
#include "vdxs.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Path {
    std::string name;
    // Builds what a call needs and returns the call.
    std::function<std::function<void()>()> prepare;
    // Objects take their thread count when built (FFT specs): one per count.
    bool per_thread = false;
};

std::vector<float> ramp(int n, float base) {
    std::vector<float> v(n);
    for (int i = 0; i < n; ++i) v[i] = base + static_cast<float>((i * 7919u) % 1000u) * 0.001f;
    return v;
}

template <class T>
T value(int k) {
    return static_cast<T>(k);
}
template <>
Vdx64fc value<Vdx64fc>(int k) {
    return Vdx64fc{double(k), 0.5};
}

template <class T>
struct Buffers {
    std::vector<T> a, b, d;
    explicit Buffers(int n) : a(n), b(n), d(n) {
        for (int i = 0; i < n; ++i) a[i] = value<T>(1 + i % 97), b[i] = value<T>(1 + i % 89);
    }
};

std::vector<Path> paths() {
    std::vector<Path> p;
    for (int n : {65536, 4 << 20})
        p.push_back({"Div_32f " + std::to_string(n), [n] {
                         auto buf = std::make_shared<Buffers<float>>(n);
                         return std::function<void()>(
                             [buf, n] { vdxsDiv_32f(buf->a.data(), buf->b.data(), buf->d.data(), n); });
                     }});
    p.push_back({"Div_64fc 65536", [] {
                     auto buf = std::make_shared<Buffers<Vdx64fc>>(65536);
                     return std::function<void()>(
                         [buf] { vdxsDiv_64fc(buf->a.data(), buf->b.data(), buf->d.data(), 65536); });
                 }});
    p.push_back({"Div_16s_Sfs 65536", [] {
                     auto buf = std::make_shared<Buffers<Vdx16s>>(65536);
                     return std::function<void()>(
                         [buf] { vdxsDiv_16s_Sfs(buf->a.data(), buf->b.data(), buf->d.data(), 65536, -4); });
                 }});
    p.push_back({"Threshold_LTInv_32f 65536", [] {
                     auto buf = std::make_shared<Buffers<float>>(65536);
                     return std::function<void()>(
                         [buf] { vdxsThreshold_LTInv_32f(buf->a.data(), buf->d.data(), 65536, 0.5f); });
                 }});
    p.push_back({"SortRadixAscend_32f_I 1M", [] {
                     constexpr int n = 1 << 20;
                     auto src = std::make_shared<std::vector<float>>(ramp(n, -0.5f));
                     auto work = std::make_shared<std::vector<float>>(n);
                     auto buffer = std::make_shared<std::vector<float>>(n);
                     return std::function<void()>([=] {
                         std::copy(src->begin(), src->end(), work->begin());
                         vdxsSortRadixAscend_32f_I(work->data(), buffer->data(), n);
                     });
                 }});
    p.push_back({"Conv_32f 65536 x 256", [] {
                     auto a = std::make_shared<std::vector<float>>(ramp(65536, -0.5f));
                     auto b = std::make_shared<std::vector<float>>(ramp(256, 0.25f));
                     auto d = std::make_shared<std::vector<float>>(65536 + 256 - 1);
                     return std::function<void()>(
                         [=] { vdxsConv_32f(a->data(), 65536, b->data(), 256, d->data()); });
                 }});
    for (int order : {15, 17})
        p.push_back({"FFTFwd_CToC_32fc order " + std::to_string(order), [order] {
                         VdxsFFTSpec_C_32fc* spec = nullptr;
                         vdxsFFTInitAlloc_C_32fc(&spec, order, VDX_FFT_NODIV_BY_ANY, vdxAlgHintNone);
                         std::shared_ptr<VdxsFFTSpec_C_32fc> owned(spec, vdxsFFTFree_C_32fc);
                         int bytes = 0;
                         vdxsFFTGetBufSize_C_32fc(spec, &bytes);
                         auto work = std::make_shared<std::vector<Vdx8u>>(bytes + 64);
                         auto data = std::make_shared<std::vector<Vdx32fc>>(std::size_t{1} << order);
                         auto out = std::make_shared<std::vector<Vdx32fc>>(std::size_t{1} << order);
                         for (std::size_t i = 0; i < data->size(); ++i) (*data)[i] = {float(i % 13), float(i % 7)};
                         return std::function<void()>([=] {
                             vdxsFFTFwd_CToC_32fc(data->data(), out->data(), owned.get(), work->data());
                         });
                     },
                     true});
    return p;
}

// Median time per call in µs, the two thread counts measured in alternating
// rounds (each count first in every other round) on the same buffers, so
// that a change of load or a placement in memory affects both alike.
std::pair<double, double> measure(const Path& path, double seconds) {
    std::function<void()> call[2];
    for (int t = 0; t < 2; ++t) {
        vdxcoreSetNumThreads(t + 1);
        call[t] = t == 0 || path.per_thread ? path.prepare() : call[0];
    }
    std::vector<double> times[2];
    const auto stop = Clock::now() + std::chrono::duration<double>(seconds);
    for (int round = 0; Clock::now() < stop || times[0].size() < 20; ++round) {
        for (int i = 0; i < 2; ++i) {
            const int t = (i + round) % 2;
            vdxcoreSetNumThreads(t + 1);
            for (int k = 0; k < 5; ++k) {
                const auto t0 = Clock::now();
                call[t]();
                times[t].push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
            }
        }
    }
    vdxcoreSetNumThreads(0);
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    return {median(times[0]), median(times[1])};
}

// Background load: one child per core, killed when the load ends.
class Load {
public:
    enum Kind { none, busy, library };
    explicit Load(Kind kind) {
        const long cores = sysconf(_SC_NPROCESSORS_ONLN);
        for (long c = 0; kind != none && c < cores; ++c) {
            const pid_t pid = fork();
            if (pid == 0) {
                prctl(PR_SET_PDEATHSIG, SIGKILL);
                if (kind == busy) {
                    for (;;) __asm__ volatile("" ::: "memory");
                }
                if (c == cores - 1) setpriority(PRIO_PROCESS, 0, 10);
                vdxcoreSetNumThreads(2);
                Buffers<float> buf(65536);
                for (;;) vdxsDiv_32f(buf.a.data(), buf.b.data(), buf.d.data(), 65536);
            }
            children_.push_back(pid);
        }
        usleep(200000);
    }
    ~Load() {
        for (pid_t pid : children_) kill(pid, SIGKILL);
        for (pid_t pid : children_) waitpid(pid, nullptr, 0);
    }

private:
    std::vector<pid_t> children_;
};

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.4;
    const auto all = paths();
    const char* names[] = {"idle", "busy", "library"};
    std::vector<std::pair<double, double>> results[3];
    for (int kind = 0; kind < 3; ++kind) {
        const Load load(static_cast<Load::Kind>(kind));
        for (const Path& p : all) results[kind].push_back(measure(p, seconds));
    }
    std::printf("| path | ");
    for (const char* n : names) std::printf("%s 1T | %s 2T | 2T/1T | ", n, n);
    std::printf("\n|---|");
    for (int k = 0; k < 3; ++k) std::printf("---:|---:|---:|");
    std::printf("\n");
    int worst = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::printf("| %s | ", all[i].name.c_str());
        for (int k = 0; k < 3; ++k) {
            const auto [one, two] = results[k][i];
            std::printf("%.1f | %.1f | %.2f | ", one, two, two / one);
            if (k > 0 && two > 1.5 * one) ++worst;
        }
        std::printf("\n");
    }
    std::printf("\nloaded cells with two threads above 1.5x one thread: %d\n", worst);
    return 0;
}
