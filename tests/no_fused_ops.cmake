# The arithmetic kernels compute each element with separately rounded IEEE
# operations; the compiler may not fuse a multiply and an add in them (the
# AVX2 variant is built with FMA available).  Fails on any fused
# multiply-add instruction in the arithmetic variant objects.
# PATTERN picks other objects with the same rule (the packed-spectrum
# products, whose pairs are rounded product by product).
if(NOT DEFINED PATTERN)
  set(PATTERN "variants/vector_arith_.*\\.cpp\\.o$")
endif()
string(REPLACE "|" ";" objects "${OBJECTS}")
set(checked 0)
foreach(obj ${objects})
  if(NOT obj MATCHES "${PATTERN}")
    continue()
  endif()
  math(EXPR checked "${checked} + 1")
  execute_process(COMMAND objdump -d --no-show-raw-insn ${obj} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed on ${obj}")
  endif()
  if(listing MATCHES "[ \t](vfn?m(add|sub)[a-z0-9]*)")
    message(FATAL_ERROR "${obj} contains a fused multiply-add (${CMAKE_MATCH_1})")
  endif()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "no variant objects match ${PATTERN}")
endif()
message(STATUS "${checked} variant objects matching ${PATTERN} hold no fused multiply-add")
