# Windows builds: the game as one GUI program (Windows makes no console window
# for it) that needs no DLL beyond Windows' own, and, when cross-compiled on
# Debian, the zip a player unpacks and runs.
#
# Included before SFML is looked for: static SFML must be asked for first.

# Cross builds link everything statically; a native build chooses with
# -DSFML_STATIC_LIBRARIES=TRUE or FALSE to match the SFML it has installed.
if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT DEFINED SFML_STATIC_LIBRARIES)
    set(SFML_STATIC_LIBRARIES TRUE)
endif()

# The program's icon and the details of its Properties come from a resource
# script (packaging/trevalia.rc.in).
if(WIN32)
    enable_language(RC)
    # Who made the game, as its licence names them.
    file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE TREVALIA_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
    string(REGEX REPLACE "^Copyright \\([cC]\\) [-0-9, ]+ " "" TREVALIA_AUTORES
           "${TREVALIA_COPYRIGHT}")
endif()

# -static, not only -static-libgcc/-static-libstdc++: those still leave the
# program needing libwinpthread-1.dll. No link time in the program's header
# (GNU ld writes SOURCE_DATE_EPOCH there when it is set): the same commit gives
# the same bytes.
if(MINGW)
    add_link_options(-static -Wl,--no-insert-timestamp)
endif()

# The game's own program: a GUI program, whose entry point SFML's main library
# turns into main() for the compilers that want WinMain, with its icon
# (TREVALIA_ICONE_ICO, painted with the pictures) and version details.
function(trevalia_programa_windows target)
    if(NOT WIN32)
        return()
    endif()
    if(TARGET SFML::Graphics)
        find_package(SFML 3 COMPONENTS Main REQUIRED)
        target_link_libraries(${target} PRIVATE SFML::Main)
    else()
        find_package(SFML 2.5 COMPONENTS main REQUIRED)
        target_link_libraries(${target} PRIVATE sfml-main)
    endif()
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    set(recursos ${CMAKE_BINARY_DIR}/trevalia.rc)
    set(TREVALIA_MANIFESTO ${CMAKE_BINARY_DIR}/trevalia.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/trevalia.manifest.in ${TREVALIA_MANIFESTO} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/trevalia.rc.in ${recursos} @ONLY)
    # The icon and the manifest are no #include that CMake would see: either
    # changed must compile the script again.
    set_source_files_properties(${recursos} PROPERTIES OBJECT_DEPENDS
                                "${TREVALIA_ICONE_ICO};${TREVALIA_MANIFESTO}")
    target_sources(${target} PRIVATE ${recursos} ${TREVALIA_ICONE_ICO})
    trevalia_bibliotecas_atrasadas(${target})
endfunction()

# opengl32 and winmm are not among Windows' known DLLs: imported as usual, they
# are loaded before main, from the program's own folder first. Delay-loaded,
# they load at their first call, after main has limited the search to System32
# (plataforma/bibliotecas_seguras). SFML links them as -lopengl32 and -lwinmm:
# MinGW's delay-import libraries of those names, in a folder searched first,
# take the place of the usual ones (their helper loads with LoadLibraryA, which
# keeps to System32 then). GNU ld cannot mark the program to load its own
# imports from System32 alone.
function(trevalia_bibliotecas_atrasadas target)
    if(MSVC)
        target_link_options(${target} PRIVATE /DELAYLOAD:opengl32.dll /DELAYLOAD:winmm.dll)
        target_link_libraries(${target} PRIVATE delayimp)
        return()
    endif()
    set(pasta ${CMAKE_CURRENT_BINARY_DIR}/bibliotecas_atrasadas)
    file(MAKE_DIRECTORY ${pasta})
    foreach(dll opengl32 winmm)
        find_library(TREVALIA_IMPORTACAO_${dll} ${dll})
        # The names the usual import library exports, one per line after EXPORTS.
        add_custom_command(OUTPUT ${pasta}/lib${dll}.a
            COMMAND sh -c "{ echo EXPORTS; \"$0\" --defined-only \"$1\" | sed -n 's/.* I __imp_//p'; } >\"$2\""
                    ${CMAKE_NM} ${TREVALIA_IMPORTACAO_${dll}} ${pasta}/${dll}.def
            # Names relative to the folder: dlltool builds its symbols' names
            # from them, and the program would vary with the build folder.
            COMMAND ${CMAKE_DLLTOOL} -d ${dll}.def -D ${dll}.dll -y lib${dll}.a -t ${dll}
            WORKING_DIRECTORY ${pasta}
            DEPENDS ${TREVALIA_IMPORTACAO_${dll}}
            VERBATIM)
        list(APPEND bibliotecas ${pasta}/lib${dll}.a)
    endforeach()
    add_custom_target(${target}_atrasadas DEPENDS ${bibliotecas})
    add_dependencies(${target} ${target}_atrasadas)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${bibliotecas})
    # Named relative to the folder the program is linked in: GNU ld orders the
    # import tables by their libraries' file names, which must not vary with
    # the build folder (/tmp sorts before /usr, /work after).
    target_link_options(${target} BEFORE PRIVATE -Lbibliotecas_atrasadas)
endfunction()

# What players get from a cross build: the zip, one folder with trevalia.exe,
# imagens/, README.txt and the licences; and the setup program, which installs
# that same folder.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(TREVALIA_ZIP_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where the Windows zip is made")
    # Cached for scripts/windows/test, which unpacks it, and the tests.
    set(TREVALIA_ZIP ${TREVALIA_ZIP_DIR}/Trevalia-${PROJECT_VERSION}-windows-x64.zip
        CACHE INTERNAL "The Windows zip")
    set(TREVALIA_SETUP ${TREVALIA_ZIP_DIR}/Trevalia-${PROJECT_VERSION}-windows-x64-setup.exe
        CACHE INTERNAL "The Windows setup program")
    find_program(TREVALIA_MAKENSIS makensis)
    if(NOT TREVALIA_MAKENSIS)
        message(FATAL_ERROR "makensis, which builds the setup program, is missing (Debian: nsis)")
    endif()
endif()

function(trevalia_pacote_windows target)
    if(NOT TREVALIA_ZIP)
        return()
    endif()
    set(pasta ${CMAKE_BINARY_DIR}/zip/Trevalia-${PROJECT_VERSION})
    add_custom_target(trevalia_zip
        COMMAND ${CMAKE_COMMAND}
                -DPROGRAMA=$<TARGET_FILE:${target}>
                -DSTRIP=${CMAKE_STRIP}
                -DIMAGENS=${CMAKE_BINARY_DIR}/imagens
                -DRAIZ=${PROJECT_SOURCE_DIR}
                -DLICENCA_FONTE=/usr/share/doc/fonts-dejavu-core/copyright
                -DLICENCAS=${TREVALIA_WINDOWS_LIBS}/licenses
                -DPASTA=${pasta}
                -DZIP=${TREVALIA_ZIP}
                -DPYTHON=${TREVALIA_PYTHON}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/windows-zip.cmake
        DEPENDS ${target} trevalia_imagens
        COMMENT "Packing ${TREVALIA_ZIP}"
        VERBATIM)
    add_custom_target(trevalia_instalador
        COMMAND ${CMAKE_COMMAND}
                -DMAKENSIS=${TREVALIA_MAKENSIS}
                -DNSI=${PROJECT_SOURCE_DIR}/packaging/trevalia.nsi
                -DPASTA=${pasta}
                -DICONE=${TREVALIA_ICONE_ICO}
                -DVERSAO=${PROJECT_VERSION}
                -DAUTORES=${TREVALIA_AUTORES}
                -DLISTA=${CMAKE_BINARY_DIR}/instalador/desinstalar.nsh
                -DSAIDA=${TREVALIA_SETUP}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/windows-instalador.cmake
        COMMENT "Building ${TREVALIA_SETUP}"
        VERBATIM)
    add_dependencies(trevalia_instalador trevalia_zip)
endfunction()

# A cross build's end-to-end games play the exe unpacked from the zip (into
# e2e-zip/ of the build folder, by scripts/windows/test), started through Wine.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(TREVALIA_E2E_PASTA ${CMAKE_BINARY_DIR}/e2e-zip/Trevalia-${PROJECT_VERSION})
    set(TREVALIA_E2E_JOGO ${TREVALIA_E2E_PASTA}/trevalia.exe)
    set(TREVALIA_E2E_IMAGENS ${TREVALIA_E2E_PASTA}/imagens)
    # Windows' rand() deals another game than glibc's for the same second, and
    # the first second with a winning deal (which the won game needs) is this.
    set(TREVALIA_E2E_WINDOWS_ENV TREVALIA_E2E_LAUNCHER=${CMAKE_CROSSCOMPILING_EMULATOR}
        "TREVALIA_E2E_FROZEN=2026-01-01 00:00:02")
endif()
