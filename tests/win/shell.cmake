ledgerly_win_test(window_test window_test.cpp)
ledgerly_win_test(startup_test startup_test.cpp)

add_executable(launch_test launch_test.cpp)
ledgerly_win_add_test(launch_test launch_test $<TARGET_FILE:ledgerly>)
