# The README's start command builds the program's target alone and its install line installs
# right after it: this runs the build steps of scripts/avvia.sh as they stand, in a fresh folder,
# then installs into an empty prefix and checks what a desktop needs: the program, a menu entry
# that starts it, the icon the entry names in every usual size, the AppStream description and the
# manual page. The menu entry and the AppStream file go through their validators when these are
# installed.
#   cmake -DSORGENTE=<source dir> -DCOSTRUZIONE=<fresh build dir> -DPREFISSO=<empty folder>
#         -P Installazione.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${COSTRUZIONE}" "${PREFISSO}")
file(STRINGS "${SORGENTE}/scripts/avvia.sh" passi REGEX "^cmake ")
if(NOT passi)
    message(FATAL_ERROR "no build steps found in scripts/avvia.sh")
endif()
foreach(passo IN LISTS passi)
    separate_arguments(argomenti UNIX_COMMAND "${passo}")
    list(POP_FRONT argomenti)
    list(TRANSFORM argomenti REPLACE "^build$" "${COSTRUZIONE}")
    list(TRANSFORM argomenti REPLACE "^\\.$" "${SORGENTE}")
    message(STATUS "cmake ${argomenti}")
    execute_process(COMMAND "${CMAKE_COMMAND}" ${argomenti} WORKING_DIRECTORY "${SORGENTE}"
                    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
    if(NOT esito EQUAL 0)
        message(FATAL_ERROR "${passo} failed (${esito}):\n${uscita}")
    endif()
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${COSTRUZIONE}" --prefix "${PREFISSO}"
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${esito}):\n${uscita}")
endif()

set(programma "${PREFISSO}/bin/tandorino")
set(voce "${PREFISSO}/share/applications/tandorino.desktop")
set(metainfo "${PREFISSO}/share/metainfo/io.github.tandorino.Tandorino.metainfo.xml")
set(icone "${PREFISSO}/share/icons/hicolor")
foreach(f IN ITEMS "${programma}" "${voce}" "${metainfo}" "${icone}/scalable/apps/tandorino.svg"
                   "${PREFISSO}/share/man/man1/tandorino.1.gz")
    if(NOT EXISTS "${f}")
        message(FATAL_ERROR "not installed: ${f}\ninstall said:\n${uscita}")
    endif()
endforeach()

foreach(lato IN ITEMS 16 22 24 32 48 64 128 256)
    set(icona "${icone}/${lato}x${lato}/apps/tandorino.png")
    if(NOT EXISTS "${icona}")
        message(FATAL_ERROR "not installed: ${icona}")
    endif()
    file(READ "${icona}" inizio LIMIT 24 HEX)
    # PNG signature, then an IHDR of lato x lato pixels.
    math(EXPR esa "${lato}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${esa}" 2 -1 esa)
    string(LENGTH "${esa}" cifre)
    math(EXPR zeri "8 - ${cifre}")
    string(REPEAT "0" ${zeri} riempimento)
    set(misura "${riempimento}${esa}")
    if(NOT inizio MATCHES "^89504e470d0a1a0a0000000d49484452${misura}${misura}$")
        message(FATAL_ERROR "the ${lato}x${lato} icon is not a PNG of that size: ${inizio}")
    endif()
endforeach()

find_program(valida_desktop desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(valida_desktop)
    execute_process(COMMAND "${valida_desktop}" "${voce}" RESULT_VARIABLE esito
                    OUTPUT_VARIABLE detto ERROR_VARIABLE detto)
    if(NOT esito EQUAL 0 OR NOT detto STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate:\n${detto}")
    endif()
else()
    message(WARNING "desktop-file-validate is not installed: the menu entry was not validated")
endif()
if(appstreamcli)
    # The whole tree, so that the menu entry the AppStream file launches is checked to be there.
    execute_process(COMMAND "${appstreamcli}" validate-tree --no-net --pedantic "${PREFISSO}"
                    RESULT_VARIABLE esito OUTPUT_VARIABLE detto ERROR_VARIABLE detto)
    # Pedantic remarks are shown but pass; errors, warnings and infos fail.
    if(NOT esito EQUAL 0 OR detto MATCHES "(^|\n) *[EWI]: ")
        message(FATAL_ERROR "appstreamcli validate:\n${detto}")
    endif()
else()
    message(WARNING "appstreamcli is not installed: the AppStream file was not validated")
endif()

# The speaking module, in the program's own library folder, where the installed program looks.
file(GLOB_RECURSE moduli "${PREFISSO}/lib*/libtandorino_voce.so")
if(NOT moduli MATCHES "/tandorino/moduli/libtandorino_voce.so$")
    message(FATAL_ERROR "the speaking module is not installed in a tandorino library folder: '${moduli}'")
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
file(REMOVE_RECURSE "${PREFISSO}" "${COSTRUZIONE}")
message(STATUS "built as scripts/avvia.sh does, installed and checked under ${PREFISSO}")
