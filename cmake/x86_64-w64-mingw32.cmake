# 64-bit Windows on x86-64: the same program, tested under 64-bit Wine.
set(TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
