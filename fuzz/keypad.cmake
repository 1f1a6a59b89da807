# Key sequences against the calculator engine. The engine and number text
# are compiled into the target so the fuzzer sees their branches.
add_executable(keypad_fuzz
  keypad_fuzz.cpp
  ${CMAKE_SOURCE_DIR}/tests/native/keypad_display.cpp
  ${CMAKE_SOURCE_DIR}/keypad/engine.cpp
  ${CMAKE_SOURCE_DIR}/numtext/parse.cpp
  ${CMAKE_SOURCE_DIR}/numtext/format.cpp
  ${CMAKE_SOURCE_DIR}/numtext/charclass_native.cpp)
add_test(NAME fuzz.keypad
  COMMAND keypad_fuzz -max_total_time=15 -seed=1 -max_len=512)
