// Kernel variants per instruction set.
//
// Hot kernels are written once against the vector layer (simd.h) and compiled
// once per variant; each compiled copy lives in its own namespace
// (vdx::sse41, vdx::avx2) and exports a table of kernel pointers.  The glue
// reaches its family's table through Variant<...>, whose choice is made at
// the first call, from ownGetFeature, and never changes afterwards.
#pragma once

#include <atomic>

namespace vdx {

enum class Isa { sse41, avx2 };

// The variant this process runs: AVX2+FMA when the core library reports it
// (feature 0x80), SSE4.1 otherwise.  Decided once.
Isa active_isa() noexcept;

template <class Table>
const Table& pick_variant(const Table& sse41, const Table& avx2) noexcept {
    return active_isa() == Isa::avx2 ? avx2 : sse41;
}

// One family's kernel tables.  call(f) runs f(table) and returns its result.
// After the first call the chosen table sits in a constant-initialised
// pointer (no guard variable), so a call is one load and, in the glue, a tail
// call into the kernel with the arguments still in their registers; the
// first call picks out of line.  Threads racing through the first call all
// store the same pointer.
template <class Table, const Table* Sse41, const Table* Avx2>
class Variant {
public:
    template <class Call>
    static auto call(Call f) noexcept {
        if (const Table* t = chosen_.load(std::memory_order_relaxed)) [[likely]] return f(*t);
        return first_call(f);
    }

    static const Table& table() noexcept {
        if (const Table* t = chosen_.load(std::memory_order_relaxed)) [[likely]] return *t;
        return pick();
    }

private:
    [[gnu::cold, gnu::noinline]] static const Table& pick() noexcept {
        const Table* t = &pick_variant(*Sse41, *Avx2);
        chosen_.store(t, std::memory_order_relaxed);
        return *t;
    }
    template <class Call>
    [[gnu::cold, gnu::noinline]] static auto first_call(Call f) noexcept {
        return f(pick());
    }

    static inline std::atomic<const Table*> chosen_{nullptr};
};

}  // namespace vdx
