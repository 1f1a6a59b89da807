# The built program driven from outside with real mouse clicks.
add_executable(probe ${CMAKE_CURRENT_LIST_DIR}/probe.cpp)
if(LEDGERLY_WINE_RUNS)
  add_test(NAME win.${CMAKE_SYSTEM_PROCESSOR}.e2e
           COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/e2e.sh $<TARGET_FILE:ledgerly> $<TARGET_FILE:probe>)
  set_tests_properties(win.${CMAKE_SYSTEM_PROCESSOR}.e2e PROPERTIES TIMEOUT 180
                       RESOURCE_LOCK wine_display)
endif()
