# Shared part of the MinGW-w64 cross toolchains; GRINSMITH_MINGW_TRIPLE names the target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${GRINSMITH_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${GRINSMITH_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${GRINSMITH_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${GRINSMITH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL beyond the system's: the compiler's runtime goes into every executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine, through the same launcher as the program.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
