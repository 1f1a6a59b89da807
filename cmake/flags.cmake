# Compiler and linker flags, in one place.

# Warnings are errors on every target.
add_compile_options(-Wall -Wextra -Werror -Wshadow -Wundef)

# Arithmetic is IEEE double: no contraction into fused multiply-adds,
# no fast-math. The i686 start-up switches the x87 unit to 53 bits.
add_compile_options(-ffp-contract=off)

# The program itself: no exceptions, no RTTI, so no C++ runtime is linked.
set(LEDGERLY_PROGRAM_FLAGS -fno-exceptions -fno-rtti)

if(WIN32)
  # The smallest code (the exe must stay within 80 KiB): a function called
  # once stays a function of its own (the compiler's copy into its caller
  # comes out larger here), and no compiler name written into every object.
  add_compile_options(-Oz -fno-inline-functions-called-once -fno-ident -ffunction-sections
                      -fno-asynchronous-unwind-tables)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # Windows 95 era processors: no cmov, no SSE.
    add_compile_options(-march=i486 -mtune=generic)
    # The program's calls push their arguments rather than store them into
    # room kept below the frame: smaller code. Stack probes need the stored
    # form; no frame of the program needs one, and the last flag fails any
    # that would come near the 4 KiB a stack grows by. Test programs keep
    # the usual form.
    list(APPEND LEDGERLY_PROGRAM_FLAGS -mno-accumulate-outgoing-args -mno-stack-arg-probe
         -Wframe-larger-than=4000)
  endif()
  # Static: no libgcc or libstdc++ DLL. No timestamp: builds are repeatable.
  add_link_options(-static -static-libgcc -Wl,--gc-sections
                   -Wl,--no-insert-timestamp)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # Windows 95 loads only images that ask for subsystem and OS version 4.0.
    add_link_options(-Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
                     -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
  endif()
  set(LEDGERLY_EXE_LINK_FLAGS -mwindows)
  # Programs without the C runtime: an entry point of their own, no start-up
  # files or default libraries; the system DLLs they call and libgcc (64-bit
  # division and conversion helpers, stack probes) are named instead.
  set(LEDGERLY_NOCRT_LINK_FLAGS -nostdlib -Wl,--entry,LedgerlyStart)
  set(LEDGERLY_NOCRT_LIBRARIES comctl32 comdlg32 user32 gdi32 kernel32 gcc)
elseif(NOT LEDGERLY_FUZZ AND NOT LEDGERLY_BENCH AND LEDGERLY_SANITIZE)
  add_compile_options(-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
