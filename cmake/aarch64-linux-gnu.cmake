# 64-bit Linux on Arm: little-endian, and char is unsigned there.
set(LINUX_TRIPLET aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
