# The whole window at each display setting: 96, 120 and 144 DPI, each with
# Wine's bitmap fonts (as on Windows) and without them (a default prefix,
# where a wider font stands in for "MS Sans Serif"). One program, run by
# settings.sh in each setting's own prefix.
add_executable(settings_test settings_test.cpp ${CMAKE_SOURCE_DIR}/res/ledgerly.rc)
target_link_libraries(settings_test PRIVATE ledgerly_ui)
foreach(dpi 96 120 144)
  foreach(fonts wine default)
    ledgerly_win_add_test(settings.${dpi}dpi_${fonts}_fonts
                          sh ${CMAKE_CURRENT_SOURCE_DIR}/settings.sh ${dpi} ${fonts}
                          $<TARGET_FILE:settings_test>)
  endforeach()
endforeach()
