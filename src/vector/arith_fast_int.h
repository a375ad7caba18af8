// Fast paths of the arithmetic family for integer members: specialisations
// of the Fast* templates of arith_fast.h.
#pragma once

#include "vector/arith_fast.h"
