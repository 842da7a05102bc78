# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix threads, for
# std::thread), linked statically so the .exe files need only the system's
# own KERNEL32.dll and msvcrt.dll. Tests run through wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VALVENET_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VALVENET_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VALVENET_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VALVENET_MINGW_TRIPLET}-windres)

# Libraries and headers from the cross root only; host programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VALVENET_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

find_program(VALVENET_WINE NAMES wine wine64)
if(VALVENET_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VALVENET_WINE})
endif()
