# The calculator engine: key sequences, display bounds, random keys against a model.
add_executable(keypad_test
  keypad_test.cpp keypad_model.cpp keypad_display.cpp)
target_link_libraries(keypad_test PRIVATE keypad numtext)
add_test(NAME native.keypad COMMAND keypad_test)
