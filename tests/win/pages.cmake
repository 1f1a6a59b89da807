# The loan terms and the calculation pages, driven through the real windows.
ledgerly_win_test(pages_terms_test pages_terms.cpp)
ledgerly_win_test(pages_test pages_test.cpp)
