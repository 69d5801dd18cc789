# The same source for 64-bit Windows: the engine tests on the 64-bit C runtime,
# and the programs that drive the release's window.
set(NUMORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
