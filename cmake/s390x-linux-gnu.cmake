# 64-bit IBM Z Linux, run under qemu-user: the one big-endian target, so the
# byte-order code paths run too.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(conversions_triplet s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x -L /usr/s390x-linux-gnu)
