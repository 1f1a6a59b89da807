# What both Windows toolchain files share: Debian's mingw-w64 for the triple
# they name (win32 thread model), and Wine to run the test programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LEDGERLY_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${LEDGERLY_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${LEDGERLY_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LEDGERLY_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CTest runs the test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
