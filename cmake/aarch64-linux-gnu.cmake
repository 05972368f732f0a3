# 64-bit ARM Linux, run under qemu-user. Plain char is unsigned here.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(conversions_triplet aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/aarch64-linux-gnu)
