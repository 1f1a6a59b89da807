# Number text: edge cases of parsing and formatting, and the exactness oracle.
add_executable(numtext_test numtext_test.cpp)
target_link_libraries(numtext_test PRIVATE numtext)
add_test(NAME native.numtext COMMAND numtext_test)

add_executable(numtext_oracle numtext_oracle.cpp)
target_link_libraries(numtext_oracle PRIVATE numtext)
add_test(NAME native.numtext_oracle COMMAND numtext_oracle)
set_tests_properties(native.numtext_oracle PROPERTIES TIMEOUT 120)
