// vdxsGetLibVersion: the one export without a dispatch slot.
#include "abi/api.h"
#include "vdxcore.h"

namespace {

constexpr char kVersionText[] = "7.0 build 205.105";
constexpr char kBuildDate[] = "Apr  7 2012";

constexpr VdxLibVersion make_record(const char* lib_name) {
    return VdxLibVersion{7, 0, 205, 1104, {'y', '8', 0, 0}, lib_name, kVersionText, kBuildDate};
}

// The "+" record is the one reported when the processor offers the wide
// kernel variant (feature 0x80 of the core library).
const VdxLibVersion s_libVer = make_record("libvdxsy8-7.0.dylib");
const VdxLibVersion s_libVer_t = make_record("libvdxsy8-7.0.dylib+");

}  // namespace

extern "C" __attribute__((visibility("default"))) const VdxLibVersion* vdxsGetLibVersion() noexcept {
    // Asked on every call: nothing is cached.
    return ownGetFeature(0x80) != 0 ? &s_libVer_t : &s_libVer;
}
