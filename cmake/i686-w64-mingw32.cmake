# 32-bit Windows on x86: the program's own target.
set(TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
