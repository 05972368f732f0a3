# 64-bit IBM Z Linux, run under qemu-user: big-endian with 64-bit words, so
# the byte swaps run on the 64-bit word paths.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(conversions_triplet s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x -L /usr/s390x-linux-gnu)
