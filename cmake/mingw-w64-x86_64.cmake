# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which C++ threads and the standard mutexes need).
#
# TREVALIA_WINDOWS_LIBS names the folder where the Windows builds of FreeType,
# SFML and GoogleTest are installed (scripts/windows/build-libraries); the
# Windows programs are run through scripts/windows/wine-run.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TREVALIA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TREVALIA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TREVALIA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TREVALIA_MINGW}-windres)

# The toolchain file is read again for every try_compile: pass the folder on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TREVALIA_WINDOWS_LIBS)

# Headers, libraries and CMake packages only from MinGW and our own builds,
# never from the Linux system; programs (python3, the generator) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TREVALIA_MINGW} ${TREVALIA_WINDOWS_LIBS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR
                           ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run ABSOLUTE)
endif()
