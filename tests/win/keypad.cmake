ledgerly_win_test(keypad_test keypad_test.cpp)
