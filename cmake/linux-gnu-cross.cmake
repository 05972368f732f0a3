# What the Linux cross toolchain files share: Debian's cross compilers
# <triplet>-g++-12 and their sysroot /usr/<triplet>. The including file sets
# CMAKE_SYSTEM_PROCESSOR and conversions_triplet first.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${conversions_triplet}-gcc-12)
set(CMAKE_CXX_COMPILER ${conversions_triplet}-g++-12)
set(CMAKE_FIND_ROOT_PATH /usr/${conversions_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
