# The kernel variants as data: reads src/core/runtime/variants.def (VARIANTS_FILE)
# and platform/vdxcore/vdxcore.h (FEATURES_FILE) into
#   VDX_VARIANTS                 the names, floor first;
#   VDX_VARIANT_FLAGS_<name>     compiler flags;
#   VDX_VARIANT_FEATURES_<name>  core-library feature names (SSE41, BMI2, ...);
#   VDX_VARIANT_SOURCES_<name>   "*" or family/stem names;
#   VDX_FEATURE_BIT_<feature>    each feature's bit.
# Included by kernels.cmake and by the tests' object scan (script mode).

# One X(name, "flags", features, "sources", __VA_ARGS__) per variant.
set(VDX_VARIANT_LINE_REGEX "X\\(([a-z0-9_]+), \"([^\"]*)\", ([^\"]*), \"([^\"]*)\", __VA_ARGS__\\)")
file(READ ${VARIANTS_FILE} variants_text)
string(REGEX MATCHALL "${VDX_VARIANT_LINE_REGEX}" variant_lines "${variants_text}")
set(VDX_VARIANTS)
foreach(line ${variant_lines})
  string(REGEX MATCH "${VDX_VARIANT_LINE_REGEX}" _ "${line}")
  set(name ${CMAKE_MATCH_1})
  set(features_text "${CMAKE_MATCH_3}")
  list(APPEND VDX_VARIANTS ${name})
  separate_arguments(VDX_VARIANT_FLAGS_${name} UNIX_COMMAND "${CMAKE_MATCH_2}")
  string(REPLACE " " ";" VDX_VARIANT_SOURCES_${name} "${CMAKE_MATCH_4}")
  # Feature names without their VDXCORE_FEATURE_ prefix.
  string(REGEX MATCHALL "VDXCORE_FEATURE_[A-Z0-9_]+" features "${features_text}")
  list(TRANSFORM features REPLACE "^VDXCORE_FEATURE_" "")
  set(VDX_VARIANT_FEATURES_${name} ${features})
endforeach()
if(NOT VDX_VARIANTS)
  message(FATAL_ERROR "no variants found in ${VARIANTS_FILE}")
endif()

# The numeric value of each core-library feature bit, from vdxcore.h.
file(STRINGS ${FEATURES_FILE} feature_lines
  REGEX "^#define VDXCORE_FEATURE_[A-Z0-9_]+ 0x[0-9A-Fa-f]+u$")
foreach(line ${feature_lines})
  string(REGEX MATCH "VDXCORE_FEATURE_([A-Z0-9_]+) (0x[0-9A-Fa-f]+)u" _ "${line}")
  math(EXPR VDX_FEATURE_BIT_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" OUTPUT_FORMAT HEXADECIMAL)
endforeach()

