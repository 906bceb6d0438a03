# The skins.  Their images are drawn by skingen and packed by vexskin at
# build time (both host tools); nothing generated is committed.  For a skin
# NAME described by skin/NAME/NAME.ini:
#   <tree>/NAME/                   its images and NAME.ini
#   <tree>/NAME.skn                the package (beside vexilo.exe)
#   preview sheet                  <native>/NAME_preview.png; in the Windows
#                                  tree tests/test-output/NAME_preview.png
# "sedge" is built into the program; it also gets
#   <tree>/sedge.stream            the package with its 32-bit length in front,
#                                  as a form stores SkinStream
# "heron" ships beside the program, for Setup.ini's [Skin] File.
set(VEXILO_SEDGE_INI ${PROJECT_SOURCE_DIR}/skin/sedge/sedge.ini)
set(VEXILO_SEDGE_PACKAGE ${PROJECT_BINARY_DIR}/sedge.skn)
set(VEXILO_SEDGE_STREAM ${PROJECT_BINARY_DIR}/sedge.stream)
set(VEXILO_HERON_INI ${PROJECT_SOURCE_DIR}/skin/heron/heron.ini)
set(VEXILO_HERON_PACKAGE ${PROJECT_BINARY_DIR}/heron.skn)
# Resource name of the stored skin in an executable (type RCDATA).
set(VEXILO_SKIN_RESOURCE SKINSTREAM)

# vexilo_define_skin_package(NAME [STREAM]) defines the target NAME_package,
# which makes the files above (STREAM: the .stream too).  Called from
# tools/skingen, once per skin.
function(vexilo_define_skin_package name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "STREAM" "" "")
  vexilo_host_tool(SKINGEN skingen)
  set(ini ${PROJECT_SOURCE_DIR}/skin/${name}/${name}.ini)
  set(dir ${PROJECT_BINARY_DIR}/${name})
  set(order ${PROJECT_BINARY_DIR}/${name}_order.txt)
  set(package ${PROJECT_BINARY_DIR}/${name}.skn)
  set(stream ${PROJECT_BINARY_DIR}/${name}.stream)
  if(CMAKE_CROSSCOMPILING)
    set(preview ${PROJECT_BINARY_DIR}/tests/test-output/${name}_preview.png)
  else()
    set(preview ${PROJECT_BINARY_DIR}/${name}_preview.png)
  endif()
  get_filename_component(preview_dir ${preview} DIRECTORY)
  set(outputs ${order} ${preview})
  add_custom_command(OUTPUT ${order} ${preview}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${preview_dir}
    COMMAND ${SKINGEN} --skin ${name} --out ${dir} --ini ${ini} --preview ${preview} --order-file ${order}
    DEPENDS ${SKINGEN} ${ini}
    COMMENT "Drawing the ${name} skin")
  if(EXISTS ${PROJECT_SOURCE_DIR}/tools/vexskin/CMakeLists.txt)
    vexilo_host_tool(VEXSKIN vexskin)
    set(packed ${package})
    set(stream_command)
    if(arg_STREAM)
      list(APPEND packed ${stream})
      set(stream_command COMMAND ${SKINGEN} --stream ${package} ${stream})
    endif()
    add_custom_command(OUTPUT ${packed}
      COMMAND ${VEXSKIN} pack ${dir} ${package} --order ${order}
      # A skin the program would stumble over fails the build here.
      COMMAND ${VEXSKIN} check ${package}
      ${stream_command}
      DEPENDS ${order} ${VEXSKIN} ${SKINGEN}
      COMMENT "Packing the ${name} skin")
    list(APPEND outputs ${packed})
    string(TOUPPER ${name} upper)
    set_property(GLOBAL PROPERTY VEXILO_${upper}_PACKED ON)
  endif()
  add_custom_target(${name}_package ALL DEPENDS ${outputs})
endfunction()

# vexilo_embed_skin(target): stores the packed sedge skin in the executable as
# the RCDATA resource SKINSTREAM (32-bit length, then the package).
function(vexilo_embed_skin target)
  get_property(packed GLOBAL PROPERTY VEXILO_SEDGE_PACKED)
  if(NOT packed)
    message(STATUS "vexilo_embed_skin(${target}): no skin packer (tools/vexskin) yet; ${target} gets no skin")
    return()
  endif()
  set(rc ${PROJECT_BINARY_DIR}/sedge_skin.rc)
  if(NOT EXISTS ${rc})
    file(WRITE ${rc} "${VEXILO_SKIN_RESOURCE} RCDATA \"${VEXILO_SEDGE_STREAM}\"\n")
  endif()
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VEXILO_SEDGE_STREAM})
  add_dependencies(${target} sedge_package)
endfunction()

# vexilo_link_skin_engine(target): links the skin engine (skinned windows and,
# once built, the control skinners) into an executable.  The engine attaches
# to windows from outside: nothing in the program calls it, its objects
# register themselves with the skin data when they are linked in, so they
# are linked whole.
function(vexilo_link_skin_engine target)
  foreach(lib IN ITEMS vex_skin_windows vex_skin_controls)
    if(TARGET ${lib})
      target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
    endif()
  endforeach()
endfunction()
