ledgerly_win_test(boxes_test boxes_test.cpp)
ledgerly_win_test(menu_test menu_test.cpp)
ledgerly_win_add_test(menu_f1 menu_test f1)
