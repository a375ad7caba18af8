// The shared FFT specs of convolution and correlation (fft_plan.h): one slot
// per spec type and order, filled at the first request and read-only after.
// Two threads that both find a slot empty both build; the first to publish
// wins and the other releases its own copy, so no lock is ever taken.  The
// specs are released when the library is unloaded (or the process exits).
#include <atomic>

#include "corr/fft_plan.h"

namespace vdx::corr {
namespace {

template <class Spec>
struct SpecPart;
template <> struct SpecPart<VdxsFFTSpec_R_32f> { using type = Vdx32f; };
template <> struct SpecPart<VdxsFFTSpec_C_32fc> { using type = Vdx32f; };
template <> struct SpecPart<VdxsFFTSpec_R_64f> { using type = Vdx64f; };
template <> struct SpecPart<VdxsFFTSpec_C_64fc> { using type = Vdx64f; };

template <class Spec>
struct SpecSlots {
    std::atomic<Spec*> slot[kSharedOrders + 1];
};

template <class Spec>
constinit SpecSlots<Spec> slots{};

template <class Spec>
void release_all() noexcept {
    for (auto& s : slots<Spec>.slot) {
        Spec* spec = s.exchange(nullptr, std::memory_order_acquire);
        if (spec != nullptr) FftRow<typename SpecPart<Spec>::type>::release(spec);
    }
}

__attribute__((destructor)) void release_shared_specs() noexcept {
    release_all<VdxsFFTSpec_R_32f>();
    release_all<VdxsFFTSpec_R_64f>();
    release_all<VdxsFFTSpec_C_32fc>();
    release_all<VdxsFFTSpec_C_64fc>();
}

}  // namespace

template <class Spec>
const Spec* shared_spec(int order, VdxStatus* status) noexcept {
    using P = typename SpecPart<Spec>::type;
    std::atomic<Spec*>& s = slots<Spec>.slot[order];
    Spec* spec = s.load(std::memory_order_acquire);
    *status = vdxStsNoErr;
    if (spec != nullptr) return spec;
    *status = FftRow<P>::init(&spec, order);
    if (*status != vdxStsNoErr) return nullptr;
    Spec* expected = nullptr;
    if (s.compare_exchange_strong(expected, spec, std::memory_order_acq_rel, std::memory_order_acquire)) return spec;
    FftRow<P>::release(spec);
    return expected;
}

template const VdxsFFTSpec_R_32f* shared_spec(int, VdxStatus*) noexcept;
template const VdxsFFTSpec_R_64f* shared_spec(int, VdxStatus*) noexcept;
template const VdxsFFTSpec_C_32fc* shared_spec(int, VdxStatus*) noexcept;
template const VdxsFFTSpec_C_64fc* shared_spec(int, VdxStatus*) noexcept;

}  // namespace vdx::corr
