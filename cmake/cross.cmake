# Shared by the toolchain files: a cross build with Debian's compiler for
# TRIPLET (g++-mingw-w64-* or g++-TRIPLET), whose libraries and headers
# are under /usr/TRIPLET. The file that includes this one sets TRIPLET,
# CMAKE_SYSTEM_NAME and CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_CXX_COMPILER ${TRIPLET}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
