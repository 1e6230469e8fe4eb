# Paints every picture the game reads, and copies its font, into imagens/ of
# the build directory, beside the game. The pictures are painted again only
# when the painting code (or the font it draws with) changes.
#
# /usr/bin/python3 by its full path: it is the interpreter that has Debian's
# Pillow, and another python3 earlier on the PATH may not. Elsewhere (Windows)
# name a Python with Pillow, and the folder that holds the DejaVu fonts.

set(TREVALIA_PYTHON /usr/bin/python3 CACHE FILEPATH "Python 3 with Pillow, for the pictures")
set(TREVALIA_FONTES /usr/share/fonts/truetype/dejavu CACHE PATH
    "Folder of DejaVuSans.ttf and DejaVuSans-Bold.ttf")
set(TREVALIA_IMAGENS_DIR ${CMAKE_BINARY_DIR}/imagens)
set(TREVALIA_IMAGENS_STAMP ${TREVALIA_IMAGENS_DIR}/.gerado)

file(GLOB TREVALIA_IMAGENS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.py)
set(TREVALIA_IMAGENS_FONTS ${TREVALIA_FONTES}/DejaVuSans.ttf ${TREVALIA_FONTES}/DejaVuSans-Bold.ttf)

add_custom_command(
    OUTPUT ${TREVALIA_IMAGENS_STAMP}
    COMMAND ${CMAKE_COMMAND} -E env PYTHONDONTWRITEBYTECODE=1 TREVALIA_FONTES=${TREVALIA_FONTES}
            ${TREVALIA_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/gerar_imagens.py ${TREVALIA_IMAGENS_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${TREVALIA_IMAGENS_STAMP}
    DEPENDS ${TREVALIA_IMAGENS_SOURCES} ${TREVALIA_IMAGENS_FONTS}
    COMMENT "Painting the cards, buttons and screens into imagens/"
    VERBATIM)

add_custom_target(trevalia_imagens ALL DEPENDS ${TREVALIA_IMAGENS_STAMP})
add_dependencies(trevalia trevalia_imagens)
