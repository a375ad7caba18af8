// The plain loops compiled with -mavx2 (see bench/CMakeLists.txt).
#define ARITH_LOOPS_NS arith_loops_avx2
#include "arith_loops.inc"
