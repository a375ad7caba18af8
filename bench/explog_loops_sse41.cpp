#define EXPLOG_LOOPS_NAME sse41
#include "explog_loops.inc"
