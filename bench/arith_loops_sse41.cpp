// The plain loops at the project's baseline flags.
#define ARITH_LOOPS_NS arith_loops_sse41
#include "arith_loops.inc"
