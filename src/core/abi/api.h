// The implementation side of the export list: every y8_<name> is declared
// here with exactly the public prototype of <name> (taken from vdxs.h with
// decltype), so a definition that drifts from the header does not compile,
// and library code can call any implementation directly.
#pragma once

#include "vdxs.h"

#define VDX_HIDDEN __attribute__((visibility("hidden")))

#define VDX_DISPATCH(name) extern "C" VDX_HIDDEN decltype(::name) y8_##name;
#define VDX_IN_PLACE(name)
#include "abi/exports.def"
#undef VDX_DISPATCH
#undef VDX_IN_PLACE
