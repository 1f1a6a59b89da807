# The x87 precision setting, proven on the x87 unit itself: number parsing
# built for the x87 (as the i686 program is) against a reference built for SSE2.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
  add_library(numtext_x87 STATIC ${CMAKE_SOURCE_DIR}/numtext/parse.cpp
                                 ${CMAKE_SOURCE_DIR}/numtext/charclass_native.cpp)
  target_compile_options(numtext_x87 PRIVATE -mfpmath=387)
  add_executable(x87_test x87_test.cpp x87_reference.cpp)
  set_source_files_properties(x87_test.cpp PROPERTIES COMPILE_OPTIONS -mfpmath=387)
  target_link_libraries(x87_test PRIVATE numtext_x87)
  add_test(NAME native.x87_precision COMMAND x87_test)
endif()
