# Installs the build into an empty prefix, as the README's install line does, and checks what
# a desktop needs: the program, a menu entry that starts it, and the icon the entry names.
#   cmake -DBUILD=<build dir> -DPREFISSO=<empty folder to use> -P Installazione.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${PREFISSO}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFISSO}"
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${esito}):\n${uscita}")
endif()

set(programma "${PREFISSO}/bin/tandorino")
set(voce "${PREFISSO}/share/applications/tandorino.desktop")
set(icona "${PREFISSO}/share/icons/hicolor/32x32/apps/tandorino.png")
foreach(f IN ITEMS "${programma}" "${voce}" "${icona}")
    if(NOT EXISTS "${f}")
        message(FATAL_ERROR "not installed: ${f}\ninstall said:\n${uscita}")
    endif()
endforeach()

# The speaking module, in the program's own library folder, where the installed program looks.
file(GLOB_RECURSE moduli "${PREFISSO}/lib*/libtandorino_voce.so")
if(NOT moduli MATCHES "/tandorino/libtandorino_voce.so$")
    message(FATAL_ERROR "the speaking module is not installed in a tandorino library folder: '${moduli}'")
endif()

file(READ "${icona}" inizio LIMIT 24 HEX)
# PNG signature, then an IHDR of 32 x 32 pixels.
if(NOT inizio MATCHES "^89504e470d0a1a0a0000000d494844520000002000000020$")
    message(FATAL_ERROR "the icon is not a 32x32 PNG: ${inizio}")
endif()

file(STRINGS "${voce}" righe)
foreach(attesa IN ITEMS "Type=Application" "Exec=tandorino" "Icon=tandorino"
                        "[Desktop Action voce]" "Exec=tandorino --voce")
    if(NOT attesa IN_LIST righe)
        message(FATAL_ERROR "the desktop entry lacks '${attesa}'")
    endif()
endforeach()

# The installed program is the one that was built, and it runs (without a display it says so
# and exits with 1, which is enough to show it loads).
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM "${programma}"
                RESULT_VARIABLE esito ERROR_VARIABLE errori TIMEOUT 60)
if(NOT esito EQUAL 1 OR NOT errori MATCHES "^tandorino: [^\n]*display")
    message(FATAL_ERROR "the installed program did not start as expected: ${esito} '${errori}'")
endif()
file(REMOVE_RECURSE "${PREFISSO}")
message(STATUS "installed and checked under ${PREFISSO}")
