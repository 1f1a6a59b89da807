ledgerly_win_test(monkey_test monkey_test.cpp)
