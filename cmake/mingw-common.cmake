# Shared by the two MinGW-w64 toolchain files; NUMORA_MINGW_ARCH is set first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${NUMORA_MINGW_ARCH})
set(NUMORA_TRIPLET ${NUMORA_MINGW_ARCH}-w64-mingw32)
# The posix thread model where GoogleTest is built: it needs std::mutex, absent
# from the win32 model. The release takes the win32 model: no winpthread in it.
if(NOT NUMORA_MINGW_THREADS)
  set(NUMORA_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${NUMORA_TRIPLET}-gcc-${NUMORA_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${NUMORA_TRIPLET}-g++-${NUMORA_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${NUMORA_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${NUMORA_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows 10 headers: per-monitor DPI awareness v2 and GetDpiForWindow.
add_compile_definitions(UNICODE _UNICODE WINVER=0x0A00 _WIN32_WINNT=0x0A00)
