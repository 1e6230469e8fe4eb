# Lays out the player's folder and zips it (cmake -P, from the trevalia_zip
# target in windows.cmake). Arguments: PROGRAMA, STRIP, IMAGENS, RAIZ,
# LICENCA_FONTE, LICENCAS, PASTA, ZIP, PYTHON.

file(REMOVE_RECURSE ${PASTA})
file(REMOVE ${ZIP})
file(MAKE_DIRECTORY ${PASTA}/imagens ${PASTA}/licenses)

# The debug information stays in the build; the player gets the bare program.
execute_process(COMMAND ${STRIP} -o ${PASTA}/trevalia.exe ${PROGRAMA} COMMAND_ERROR_IS_FATAL ANY)

# Only the pictures and the font: the build's stamp files start with a dot.
file(GLOB imagens LIST_DIRECTORIES false ${IMAGENS}/*)
list(FILTER imagens EXCLUDE REGEX "/[.][^/]*$")
file(COPY ${imagens} DESTINATION ${PASTA}/imagens)

# Text files with Windows line ends, so that any editor shows their lines.
function(texto_windows origem destino)
    file(READ ${origem} texto)
    string(REPLACE "\r\n" "\n" texto "${texto}")
    string(REPLACE "\n" "\r\n" texto "${texto}")
    file(WRITE ${destino} "${texto}")
endfunction()

# The players' README; the repository's README is for those who build the game.
texto_windows(${RAIZ}/packaging/README-windows.txt ${PASTA}/README.txt)
texto_windows(${RAIZ}/LICENSE ${PASTA}/LICENSE.txt)
texto_windows(${LICENCA_FONTE} ${PASTA}/licenses/DejaVu-fonts.txt)
file(GLOB licencas ${LICENCAS}/*.txt)
foreach(licenca ${licencas})
    get_filename_component(nome ${licenca} NAME)
    texto_windows(${licenca} ${PASTA}/licenses/${nome})
endforeach()

# Sorted, with fixed dates and modes: the same commit gives the same zip.
execute_process(COMMAND ${PYTHON} ${RAIZ}/packaging/zip_fixo.py ${ZIP} ${PASTA}
                COMMAND_ERROR_IS_FATAL ANY)
