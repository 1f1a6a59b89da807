# The page formulas against the same annuities in quadruple precision.
add_executable(finance_test finance_test.cpp)
target_link_libraries(finance_test PRIVATE finance numtext quadmath)
add_test(NAME native.finance COMMAND finance_test)
set_tests_properties(native.finance PROPERTIES TIMEOUT 120)
