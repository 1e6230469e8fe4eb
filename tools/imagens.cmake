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

# The painters place the buttons from the game's own list of places.
file(GLOB TREVALIA_IMAGENS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.py)
list(APPEND TREVALIA_IMAGENS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/../plataforma/lugares.hpp)
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

# The icon, painted beside the pictures but outside imagens/, which holds only
# what the game reads: PNGs for Unix desktops, a .ico for the Windows program,
# and the window's own icon as C++, which the game builds in.
set(TREVALIA_ICONES_DIR ${CMAKE_BINARY_DIR}/icones)
set(TREVALIA_ICONE_TAMANHOS 16 24 32 48 64 128 256)
set(TREVALIA_ICONES "")
foreach(n ${TREVALIA_ICONE_TAMANHOS})
    list(APPEND TREVALIA_ICONES ${TREVALIA_ICONES_DIR}/trevalia-${n}.png)
endforeach()
set(TREVALIA_ICONE_ICO ${TREVALIA_ICONES_DIR}/trevalia.ico)
set(TREVALIA_ICONE_JANELA ${TREVALIA_ICONES_DIR}/icone_janela.inc)
add_custom_command(
    OUTPUT ${TREVALIA_ICONES} ${TREVALIA_ICONE_ICO} ${TREVALIA_ICONE_JANELA}
    COMMAND ${CMAKE_COMMAND} -E env PYTHONDONTWRITEBYTECODE=1 TREVALIA_FONTES=${TREVALIA_FONTES}
            ${TREVALIA_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/icone.py ${TREVALIA_ICONES_DIR}
    DEPENDS ${TREVALIA_IMAGENS_SOURCES} ${TREVALIA_IMAGENS_FONTS}
    COMMENT "Painting the icon"
    VERBATIM)
target_sources(trevalia_core PRIVATE ${TREVALIA_ICONE_JANELA})
target_include_directories(trevalia_core PRIVATE ${TREVALIA_ICONES_DIR})
