# hosting_bare_pe(<target> ARCH i686|x86_64 OUTPUT <file name> SOURCES ...
#                 [DEF <file>] [ENTRY <stdcall function>] [LIBS ...] [FLAGS ...] [EXE])
# Builds a Windows image for ARCH with that machine's mingw compiler, whatever
# the preset: without the C runtime (nothing of its start-up, no TLS, no static
# constructors), so it also works when mapped from memory with instance 0.
# The image lands in ${CMAKE_CURRENT_BINARY_DIR}/<ARCH>/<file name>; the target
# <target> builds it and its TARGET_FILE-like path is in the property BARE_PE_FILE.
function(hosting_bare_pe target)
  cmake_parse_arguments(B "EXE" "ARCH;OUTPUT;DEF;ENTRY" "SOURCES;LIBS;FLAGS" ${ARGN})
  set(compiler ${B_ARCH}-w64-mingw32-g++-posix)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${B_ARCH})
  set(out ${dir}/${B_OUTPUT})
  set(flags -O2 -std=c++17 -ffreestanding -fno-exceptions -fno-rtti
      -fno-asynchronous-unwind-tables -fno-stack-protector -fno-threadsafe-statics
      -Wall -Wextra -Wshadow -Wcast-align -Wmissing-declarations
      -nostdlib -nostartfiles -s)
  if(CLICKER_WERROR)
    list(APPEND flags -Werror)
  endif()
  if(NOT B_EXE)
    list(APPEND flags -shared)
  endif()
  if(B_ENTRY)
    if(B_ARCH STREQUAL "i686")
      # stdcall entry points carry their argument bytes in the symbol name.
      if(B_EXE)
        list(APPEND flags -Wl,--entry=_${B_ENTRY}@0)
      else()
        list(APPEND flags -Wl,--entry=_${B_ENTRY}@12)
      endif()
    else()
      list(APPEND flags -Wl,--entry=${B_ENTRY})
    endif()
  endif()
  set(sources)
  foreach(src IN LISTS B_SOURCES)
    list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
  set(depends ${sources})
  if(B_DEF)
    list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${B_DEF})
    list(APPEND depends ${CMAKE_CURRENT_SOURCE_DIR}/${B_DEF})
    if(NOT B_EXE)
      list(APPEND flags -Wl,--out-implib,${dir}/lib${B_OUTPUT}.a)
    endif()
  endif()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${compiler} ${flags} ${B_FLAGS} -o ${out} ${sources} ${B_LIBS} -lgcc
    DEPENDS ${depends}
    COMMENT "Building ${B_ARCH}/${B_OUTPUT}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${out})
  set_target_properties(${target} PROPERTIES BARE_PE_FILE ${out} BARE_PE_DIR ${dir})
endfunction()

# The machine of the Windows preset being built (empty on the host).
if(CLICKER_WINDOWS)
  set(HOSTING_OWN_ARCH ${CMAKE_SYSTEM_PROCESSOR})
else()
  set(HOSTING_OWN_ARCH "")
endif()
