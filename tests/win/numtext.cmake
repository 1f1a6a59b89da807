# Number text with the system's character classification, under Wine.
ledgerly_win_test(numtext_win numtext_win.cpp)
