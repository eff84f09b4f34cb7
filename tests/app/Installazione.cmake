# The README's start command configures a fresh folder and builds the program's target there;
# its install line then installs from that folder. Building it again here would compile the whole
# program a second time, so this configures a fresh folder with the configure steps of
# scripts/avvia.sh as they stand and checks, from the commands its build steps would run
# (ninja -t commands), that every file the install takes from the build folder is made by them.
# The files are then installed from this build, of the same build type, into an empty prefix,
# and what a desktop needs is checked: the program, a menu entry that starts it, the icon the
# entry names in every usual size, the AppStream description and the manual page. The menu entry
# and the AppStream file go through their validators when these are installed.
#   cmake -DSORGENTE=<source dir> -DCOSTRUZIONE=<fresh build dir> -DINSTALLA_DA=<this build dir>
#         -DPREFISSO=<empty folder> -P Installazione.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${COSTRUZIONE}" "${PREFISSO}")
file(STRINGS "${SORGENTE}/scripts/avvia.sh" passi REGEX "^cmake ")
set(obiettivi)
foreach(passo IN LISTS passi)
    separate_arguments(argomenti UNIX_COMMAND "${passo}")
    list(POP_FRONT argomenti)
    if("--build" IN_LIST argomenti)
        list(FIND argomenti "--target" i)
        if(i EQUAL -1)
            message(FATAL_ERROR "a build step of scripts/avvia.sh names no target: ${passo}")
        endif()
        math(EXPR i "${i} + 1")
        list(GET argomenti ${i} obiettivo)
        list(APPEND obiettivi "${obiettivo}")
        continue()
    endif()
    list(TRANSFORM argomenti REPLACE "^build$" "${COSTRUZIONE}")
    list(TRANSFORM argomenti REPLACE "^\\.$" "${SORGENTE}")
    message(STATUS "cmake ${argomenti}")
    execute_process(COMMAND "${CMAKE_COMMAND}" ${argomenti} WORKING_DIRECTORY "${SORGENTE}"
                    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
    if(NOT esito EQUAL 0)
        message(FATAL_ERROR "${passo} failed (${esito}):\n${uscita}")
    endif()
endforeach()
if(NOT obiettivi OR NOT EXISTS "${COSTRUZIONE}/build.ninja")
    message(FATAL_ERROR "scripts/avvia.sh neither configures a Ninja build nor builds a target")
endif()

file(STRINGS "${COSTRUZIONE}/CMakeCache.txt" ninja REGEX "^CMAKE_MAKE_PROGRAM:")
string(REGEX REPLACE "^[^=]*=" "" ninja "${ninja}")
execute_process(COMMAND "${ninja}" -C "${COSTRUZIONE}" -t commands ${obiettivi}
                RESULT_VARIABLE esito OUTPUT_VARIABLE comandi ERROR_VARIABLE errori)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "ninja -t commands ${obiettivi} failed (${esito}):\n${errori}")
endif()
string(REPLACE "\n" " " comandi " ${comandi} ")
function(come_modello testo variabile)
    string(REGEX REPLACE "([][+.*?^$()|\\])" "\\\\\\1" modello "${testo}")
    set(${variabile} "${modello}" PARENT_SCOPE)
endfunction()
come_modello("${COSTRUZIONE}" cartella)
file(GLOB_RECURSE script_installazione "${COSTRUZIONE}/cmake_install.cmake")
set(fatti 0)
foreach(script IN LISTS script_installazione)
    file(READ "${script}" testo)
    string(REGEX MATCHALL "\"${cartella}/[^\"]+\"" percorsi "${testo}")
    foreach(percorso IN LISTS percorsi)
        string(REGEX REPLACE "^\"${cartella}/(.*)\"$" "\\1" relativo "${percorso}")
        # The scripts also include one another and write their manifest there: only what they
        # install counts.
        if(relativo MATCHES "cmake_install\\.cmake$|\\$\\{")
            continue()
        endif()
        come_modello("${relativo}" modello)
        if(NOT comandi MATCHES "[ =/]${modello}[ ;]")
            message(FATAL_ERROR "the install takes ${relativo}, which '${obiettivi}' does not build")
        endif()
        math(EXPR fatti "${fatti} + 1")
    endforeach()
endforeach()
if(fatti EQUAL 0)
    message(FATAL_ERROR "no installed file comes from the build folder: the check saw nothing")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${INSTALLA_DA}" --prefix "${PREFISSO}"
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
message(STATUS "${fatti} built files made by the start command's targets; installed and checked under ${PREFISSO}")
