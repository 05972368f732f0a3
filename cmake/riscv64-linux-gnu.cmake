# 64-bit RISC-V Linux, run under qemu-user. Its float-to-integer conversion
# saturates out of range, and gives 2^63 - 1 for NaN.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(conversions_triplet riscv64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-riscv64 -L /usr/riscv64-linux-gnu)
