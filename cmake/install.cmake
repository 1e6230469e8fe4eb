# Installing Trevalia on a Unix desktop: `make install` under any prefix, and
# the Debian package that `make package` builds with CPack.
#
# One build serves both layouts. The files they share form the component
# "comum"; the launcher and the game's data go to "local" (the usual layout:
# bin/, share/trevalia/) or to "debian" (Debian's layout for games: games/,
# share/games/trevalia/). A plain install takes "comum" and "local"; the
# package takes "comum" and "debian". The launcher finds the game and its data
# relative to itself, so either tree works wherever it is unpacked.

if(WIN32)
    return()
endif()

include(GNUInstallDirs)

# The reverse-DNS name of the desktop entry, the icon and the metainfo.
set(TREVALIA_ID io.github.trevalia.trevalia)
set(TREVALIA_PACOTE_DIR ${CMAKE_BINARY_DIR}/pacote)
set(TREVALIA_FONTE_SISTEMA /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
set(TREVALIA_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/trevalia)
set(TREVALIA_JOGO_DIR ${CMAKE_INSTALL_LIBEXECDIR}/trevalia)
# Where each layout keeps the game's data (the folder that holds imagens/).
set(TREVALIA_DADOS_LOCAL ${CMAKE_INSTALL_DATADIR}/trevalia)
set(TREVALIA_DADOS_DEBIAN share/games/trevalia)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The release date comes from the newest changelog entry, which must be the
# entry for this version: one place to write a release down.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog TREVALIA_CHANGELOG)
list(GET TREVALIA_CHANGELOG 0 _topo)
if(NOT _topo MATCHES "^trevalia \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: its newest entry must be for ${PROJECT_VERSION}")
endif()
list(FILTER TREVALIA_CHANGELOG INCLUDE REGEX "^ -- ")
list(GET TREVALIA_CHANGELOG 0 _assinatura)
if(NOT _assinatura MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog: no date in \"${_assinatura}\"")
endif()
set(_meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _meses ${CMAKE_MATCH_2} _mes)
math(EXPR _mes "${_mes} + 1")
if(_mes LESS 10)
    set(_mes 0${_mes})
endif()
set(TREVALIA_DATA_VERSAO ${CMAKE_MATCH_3}-${_mes}-${CMAKE_MATCH_1})

# The launcher of each layout, with the way from its folder to the game's.
function(trevalia_lancador layout bindir dadosdir)
    file(RELATIVE_PATH TREVALIA_PARA_DADOS /p/${bindir} /p/${dadosdir})
    file(RELATIVE_PATH TREVALIA_PARA_JOGO /p/${bindir} /p/${TREVALIA_JOGO_DIR}/trevalia)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/trevalia.sh.in
                   ${TREVALIA_PACOTE_DIR}/${layout}/trevalia @ONLY)
endfunction()
trevalia_lancador(local ${CMAKE_INSTALL_BINDIR} ${TREVALIA_DADOS_LOCAL})
trevalia_lancador(debian games ${TREVALIA_DADOS_DEBIAN})

configure_file(packaging/trevalia.desktop.in ${TREVALIA_PACOTE_DIR}/${TREVALIA_ID}.desktop @ONLY)
configure_file(packaging/trevalia.metainfo.xml.in
               ${TREVALIA_PACOTE_DIR}/${TREVALIA_ID}.metainfo.xml @ONLY)
configure_file(packaging/trevalia.6.in ${TREVALIA_PACOTE_DIR}/trevalia.6 @ONLY)

# The manual page and the changelog, compressed as Debian wants them (-n: no
# name or time stamp inside, so the same sources give the same bytes).
set(TREVALIA_COMPRIMIDOS "")
foreach(origem ${TREVALIA_PACOTE_DIR}/trevalia.6 ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog)
    get_filename_component(nome ${origem} NAME)
    set(copia ${TREVALIA_PACOTE_DIR}/gz/${nome})
    add_custom_command(OUTPUT ${copia}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${origem} ${copia}
                       COMMAND gzip -9nf ${copia}
                       DEPENDS ${origem}
                       VERBATIM)
    list(APPEND TREVALIA_COMPRIMIDOS ${copia}.gz)
endforeach()

# The icon is painted with the pictures (tools/imagens.cmake).
add_custom_target(trevalia_pacote ALL DEPENDS ${TREVALIA_ICONES} ${TREVALIA_COMPRIMIDOS})

# In the package the font is a link to Debian's own copy, which the package
# depends on, rather than a second copy of it.
file(RELATIVE_PATH _para_fonte /usr/${TREVALIA_DADOS_DEBIAN}/imagens ${TREVALIA_FONTE_SISTEMA})
file(CREATE_LINK ${_para_fonte} ${TREVALIA_PACOTE_DIR}/debian/star.ttf SYMBOLIC)

# -- what both layouts share ---------------------------------------------------

install(TARGETS trevalia RUNTIME DESTINATION ${TREVALIA_JOGO_DIR} COMPONENT comum)
# Debian's hardening for an installed binary: a fully read-only table of
# library addresses.
target_link_options(trevalia PRIVATE -Wl,-z,relro,-z,now)
install(FILES ${TREVALIA_PACOTE_DIR}/${TREVALIA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT comum)
install(FILES ${TREVALIA_PACOTE_DIR}/${TREVALIA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT comum)
foreach(n ${TREVALIA_ICONE_TAMANHOS})
    install(FILES ${TREVALIA_ICONES_DIR}/trevalia-${n}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps
            RENAME ${TREVALIA_ID}.png COMPONENT comum)
endforeach()
install(FILES ${TREVALIA_PACOTE_DIR}/gz/trevalia.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT comum)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/copyright ${TREVALIA_PACOTE_DIR}/gz/changelog.gz
        DESTINATION ${TREVALIA_DOCDIR} COMPONENT comum)

# -- the usual layout ------------------------------------------------------------

install(PROGRAMS ${TREVALIA_PACOTE_DIR}/local/trevalia
        DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT local)
# The trailing slash copies the folder's contents; the dot files are the
# painter's build stamps.
install(DIRECTORY ${CMAKE_BINARY_DIR}/imagens/ DESTINATION ${TREVALIA_DADOS_LOCAL}/imagens
        COMPONENT local PATTERN ".*" EXCLUDE)

# -- Debian's layout for games ---------------------------------------------------

install(PROGRAMS ${TREVALIA_PACOTE_DIR}/debian/trevalia
        DESTINATION games COMPONENT debian EXCLUDE_FROM_ALL)
install(DIRECTORY ${CMAKE_BINARY_DIR}/imagens/ DESTINATION ${TREVALIA_DADOS_DEBIAN}/imagens
        COMPONENT debian EXCLUDE_FROM_ALL PATTERN ".*" EXCLUDE PATTERN "star.ttf" EXCLUDE)
install(FILES ${TREVALIA_PACOTE_DIR}/debian/star.ttf DESTINATION ${TREVALIA_DADOS_DEBIAN}/imagens
        COMPONENT debian EXCLUDE_FROM_ALL)

# -- the Debian package ----------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trevalia)
set(CPACK_PACKAGE_VENDOR "The Trevalia developers")
set(CPACK_PACKAGE_CONTACT "The Trevalia developers <trevalia@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card game: play all 99 cards onto four piles")
# Debian shows the description as it is written: lines under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Trevalia is a single-player solitaire card game played with the mouse."
       "A deal uses 99 cards valued 1 to 99, shuffled. You hold a hand of up to"
       "eight cards and play them onto four piles:"
       " - two ascending piles take a higher card, or one exactly 10 lower;"
       " - two descending piles take a lower card, or one exactly 10 higher;"
       " - an empty pile takes any card."
       ""
       "You win by playing every card, and lose when no card of your hand fits"
       "any pile. The last card played can be taken back once, and an"
       "illustrated guide explains the rules in nine short pages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL comum debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME trevalia)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the SFML libraries the game links to this list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
