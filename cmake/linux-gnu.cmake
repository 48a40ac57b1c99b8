# Shared by the Linux toolchain files: cross build with Debian's
# g++-TRIPLET compilers for LINUX_TRIPLET; qemu-user runs the result with
# -L /usr/LINUX_TRIPLET.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${LINUX_TRIPLET}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${LINUX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
