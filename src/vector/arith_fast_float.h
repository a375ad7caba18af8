// Fast paths of the arithmetic family for floating-point and complex members: specialisations
// of the Fast* templates of arith_fast.h.
#pragma once

#include "vector/arith_fast.h"
