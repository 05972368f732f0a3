# 32-bit x86 Linux, linked statically and run under qemu-user: a 64-bit
# kernel may have its 32-bit support switched off, as CI machines do.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(conversions_triplet i686-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
