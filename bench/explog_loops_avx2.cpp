#define EXPLOG_LOOPS_NAME avx2
#include "explog_loops.inc"
