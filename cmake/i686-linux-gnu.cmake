# 32-bit x86 Linux. Linked statically, so the binaries run directly here.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(conversions_triplet i686-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-gnu-cross.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
