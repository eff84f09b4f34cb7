# Runs the program with no display at all: it must say so on one line and fail.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM "${PROGRAMMA}"
                RESULT_VARIABLE esito ERROR_VARIABLE errori OUTPUT_VARIABLE uscita TIMEOUT 60)
if(esito EQUAL 0)
    message(FATAL_ERROR "exited with 0 without a display")
endif()
if(NOT errori MATCHES "^tandorino: [^\n]*display[^\n]*\n$")
    message(FATAL_ERROR "expected one line about the missing display, got: '${errori}${uscita}'")
endif()
