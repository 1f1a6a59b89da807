ledgerly_win_test(boxes_test boxes_test.cpp)
