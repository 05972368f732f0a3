# 32-bit PowerPC Linux, run under qemu-user: big-endian with 32-bit words, so
# the byte swaps run on the 32-bit word paths.
set(CMAKE_SYSTEM_PROCESSOR powerpc)
set(conversions_triplet powerpc-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-ppc -L /usr/powerpc-linux-gnu)
