# Runs the program with no display at all, and with a local display no server answers:
# each time it must say so on one line and fail.
foreach(display "" ":87")
    if(display STREQUAL "")
        set(ambiente --unset=DISPLAY)
    else()
        set(ambiente DISPLAY=${display})
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${ambiente} --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM "${PROGRAMMA}"
                    RESULT_VARIABLE esito ERROR_VARIABLE errori OUTPUT_VARIABLE uscita TIMEOUT 60)
    if(esito EQUAL 0)
        message(FATAL_ERROR "DISPLAY='${display}': exited with 0 without a display")
    endif()
    if(NOT errori MATCHES "^tandorino: [^\n]*display[^\n]*\n$")
        message(FATAL_ERROR "DISPLAY='${display}': expected one line about the display, got: '${errori}${uscita}'")
    endif()
endforeach()
