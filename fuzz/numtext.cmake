# Number text: ParseNumber on any bytes in every mode, FormatNumber on any
# 64-bit pattern. The sources are compiled into each target so the fuzzer
# sees their branches. A long run: scripts/fuzz-long.sh (make fuzz-long).
set(NUMTEXT_FUZZ_SOURCES
  ${CMAKE_SOURCE_DIR}/numtext/parse.cpp
  ${CMAKE_SOURCE_DIR}/numtext/format.cpp
  ${CMAKE_SOURCE_DIR}/numtext/charclass_native.cpp)

add_executable(numtext_parse_fuzz numtext_parse_fuzz.cpp ${NUMTEXT_FUZZ_SOURCES})
add_test(NAME fuzz.numtext_parse
  COMMAND numtext_parse_fuzz -max_total_time=10 -seed=1 -max_len=4096)

add_executable(numtext_format_fuzz numtext_format_fuzz.cpp ${NUMTEXT_FUZZ_SOURCES})
add_test(NAME fuzz.numtext_format
  COMMAND numtext_format_fuzz -max_total_time=10 -seed=1 -max_len=16)
