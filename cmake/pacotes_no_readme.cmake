# Run by the test readme.pacotes (cmake -DFONTE=<source folder> -P): the
# README's list of packages must name every package that scripts/install-deps
# installs to build, play and test the game, so that the two cannot drift apart
# and someone installing by hand misses none. Its optional groups (windows,
# reproducible) are described, not listed, where the README speaks of them.
file(READ ${FONTE}/scripts/install-deps deps)
file(READ ${FONTE}/README.md readme)
# The lines that start `PACKAGES="...`, unindented: the groups' own lines are
# indented inside their case.
string(REGEX MATCHALL "\nPACKAGES=\"[^\"]*\"" listas "${deps}")
string(REGEX REPLACE "\nPACKAGES=|\"|\\$PACKAGES|\\\\|;" " " listas "${listas}")
separate_arguments(pacotes UNIX_COMMAND "${listas}")
if(NOT pacotes)
    message(FATAL_ERROR "no PACKAGES=\"...\" lines found in scripts/install-deps")
endif()
foreach(pacote ${pacotes})
    if(NOT readme MATCHES "[ \n]${pacote}[,. \n]")
        list(APPEND faltam ${pacote})
    endif()
endforeach()
if(faltam)
    message(FATAL_ERROR "README.md does not name what scripts/install-deps installs: ${faltam}")
endif()
