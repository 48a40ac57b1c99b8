# 64-bit Linux on IBM Z: big-endian.
set(LINUX_TRIPLET s390x-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu.cmake)
