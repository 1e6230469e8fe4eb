# Removes what the last install from a build put in place: the files listed in
# its install_manifest.txt, then the folders of Trevalia's own that are left
# empty. Shared folders (bin/, the icon theme, ...) stay. The list leaves out
# the DESTDIR, so give the same one as to the install.
#
#   DESTDIR=... cmake -DMANIFESTO=build/install_manifest.txt -P cmake/desinstalar.cmake

if(NOT EXISTS "${MANIFESTO}")
    message(FATAL_ERROR "${MANIFESTO} not found: nothing was installed from this build")
endif()

file(STRINGS "${MANIFESTO}" arquivos)
set(pastas "")
foreach(arquivo IN LISTS arquivos)
    set(arquivo "$ENV{DESTDIR}${arquivo}")
    if(EXISTS "${arquivo}" OR IS_SYMLINK "${arquivo}")
        message(STATUS "Removing ${arquivo}")
        file(REMOVE "${arquivo}")
    endif()
    get_filename_component(pasta "${arquivo}" DIRECTORY)
    list(APPEND pastas "${pasta}")
endforeach()
list(REMOVE_DUPLICATES pastas)

foreach(pasta IN LISTS pastas)
    while(pasta MATCHES "/trevalia(/imagens)?$" AND IS_DIRECTORY "${pasta}")
        file(GLOB resto "${pasta}/*" "${pasta}/.*")
        if(resto)
            break()
        endif()
        message(STATUS "Removing ${pasta}")
        file(REMOVE_RECURSE "${pasta}")
        get_filename_component(pasta "${pasta}" DIRECTORY)
    endwhile()
endforeach()
