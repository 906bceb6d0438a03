# Project-wide compiler settings and small helpers shared by every folder.

# The program's texts are written in UTF-8 and reach Win32 as GBK (code page 936).
# GCC is told GB18030: the same bytes as GBK for every GBK character, and it can
# still encode the few characters the standard headers use that GBK lacks (µ).
if(CMAKE_CXX_COMPILER_ID STREQUAL "MSVC")
  add_compile_options(/source-charset:utf-8 /execution-charset:.936 /W4 /permissive-)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS NOMINMAX WIN32_LEAN_AND_MEAN)
else()
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GB18030 -Wall -Wextra -Wshadow)
  if(WIN32)
    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)
    # vexilo.exe must run on a bare Windows: no MinGW runtime DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
endif()

option(VEXILO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VEXILO_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Tools that run at build time (skin packer, icon and image generators).  In a
# cross build they come from the native tree, given as VEXILO_HOST_TOOLS_DIR;
# otherwise they are targets of this tree.
set(VEXILO_HOST_TOOLS_DIR "" CACHE PATH "Folder holding the native build's host tools (cross builds)")
function(vexilo_host_tool out name)
  if(CMAKE_CROSSCOMPILING)
    if(NOT VEXILO_HOST_TOOLS_DIR)
      message(FATAL_ERROR "Cross build needs -DVEXILO_HOST_TOOLS_DIR=<native build>/tools-bin (scripts/build passes it)")
    endif()
    set(${out} ${VEXILO_HOST_TOOLS_DIR}/${name} PARENT_SCOPE)
  else()
    set(${out} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()

# Host tools land in one folder so a cross build can find them.
function(vexilo_tool_output target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tools-bin)
endfunction()
