# Number text against snprintf, std::to_chars and strtod.
add_executable(bench_numtext bench_numtext.cpp)
target_link_libraries(bench_numtext PRIVATE numtext benchmark::benchmark)
