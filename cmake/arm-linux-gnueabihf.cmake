# 32-bit ARM Linux, hard-float, run under qemu-user. Plain char is unsigned,
# and a float becomes a 64-bit integer through a runtime helper that
# saturates out of range instead of giving -2^63.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(conversions_triplet arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L /usr/arm-linux-gnueabihf)
