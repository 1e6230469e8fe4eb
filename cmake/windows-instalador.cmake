# Builds the Windows setup program with NSIS (cmake -P, from the
# trevalia_instalador target in windows.cmake) from the player's folder that
# windows-zip.cmake lays out. Arguments: MAKENSIS, NSI, PASTA, ICONE, VERSAO,
# AUTORES, LISTA (the uninstaller's list, written here; the setup's own list
# beside it), SAIDA.

# The uninstaller removes what the setup put in place file by file, and a
# folder only once it is empty: a player who installed into a folder that held
# other things keeps them.
file(GLOB_RECURSE arquivos RELATIVE ${PASTA} ${PASTA}/*)
file(GLOB_RECURSE pastas LIST_DIRECTORIES true RELATIVE ${PASTA} ${PASTA}/*)
list(REMOVE_ITEM pastas ${arquivos})
# A folder sorts before what it holds: reversed, what it holds goes first.
list(SORT pastas)
list(REVERSE pastas)
set(lista "")
foreach(arquivo ${arquivos})
    string(REPLACE "/" "\\" arquivo "${arquivo}")
    string(APPEND lista "Delete \"$INSTDIR\\${arquivo}\"\n")
endforeach()
foreach(pasta ${pastas})
    string(REPLACE "/" "\\" pasta "${pasta}")
    string(APPEND lista "RMDir \"$INSTDIR\\${pasta}\"\n")
endforeach()
file(WRITE ${LISTA} "${lista}")

# The setup takes the files in sorted order, not in the order the folder lists
# them (File /r), which may differ from one build folder to another.
set(lista "")
set(atual "")
foreach(arquivo ${arquivos})
    get_filename_component(dentro "$INSTDIR/${arquivo}" DIRECTORY)
    string(REPLACE "/" "\\" dentro "${dentro}")
    if(NOT dentro STREQUAL atual)
        string(APPEND lista "SetOutPath \"${dentro}\"\n")
        set(atual "${dentro}")
    endif()
    string(APPEND lista "File \"${PASTA}/${arquivo}\"\n")
endforeach()
get_filename_component(pasta_listas ${LISTA} DIRECTORY)
file(WRITE ${pasta_listas}/instalar.nsh "${lista}SetOutPath \"$INSTDIR\"\n")

file(REMOVE ${SAIDA})
# -WX: a warning of NSIS fails the build, as the compiler's do in CI.
execute_process(COMMAND ${MAKENSIS} -V2 -WX -DVERSAO=${VERSAO} -DPASTA=${PASTA} -DICONE=${ICONE}
                        -DAUTORES=${AUTORES} -DLISTA=${LISTA} -DINSTALAR=${pasta_listas}/instalar.nsh
                        -DSAIDA=${SAIDA} ${NSI}
                COMMAND_ERROR_IS_FATAL ANY)
