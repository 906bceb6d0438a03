# The built-in skin "sedge".  Its images are drawn by skingen and packed by
# vexskin at build time (both host tools); nothing generated is committed.
#   <tree>/sedge/                  the 32 images and sedge.ini
#   <tree>/sedge.skn               the package
#   <tree>/sedge.stream            the package with its 32-bit length in front,
#                                  as a form stores SkinStream
#   preview sheet                  <native>/sedge_preview.png; in the Windows
#                                  tree tests/test-output/sedge_preview.png
set(VEXILO_SEDGE_INI ${PROJECT_SOURCE_DIR}/skin/sedge/sedge.ini)
set(VEXILO_SEDGE_PACKAGE ${PROJECT_BINARY_DIR}/sedge.skn)
set(VEXILO_SEDGE_STREAM ${PROJECT_BINARY_DIR}/sedge.stream)
# Resource name of the stored skin in an executable (type RCDATA).
set(VEXILO_SKIN_RESOURCE SKINSTREAM)

# Defines the target sedge_package, which makes the files above.  Called once,
# from tools/skingen.
function(vexilo_define_sedge_package)
  vexilo_host_tool(SKINGEN skingen)
  set(dir ${PROJECT_BINARY_DIR}/sedge)
  set(order ${PROJECT_BINARY_DIR}/sedge_order.txt)
  if(CMAKE_CROSSCOMPILING)
    set(preview ${PROJECT_BINARY_DIR}/tests/test-output/sedge_preview.png)
  else()
    set(preview ${PROJECT_BINARY_DIR}/sedge_preview.png)
  endif()
  get_filename_component(preview_dir ${preview} DIRECTORY)
  set(outputs ${order} ${preview})
  add_custom_command(OUTPUT ${order} ${preview}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${preview_dir}
    COMMAND ${SKINGEN} --out ${dir} --ini ${VEXILO_SEDGE_INI} --preview ${preview} --order-file ${order}
    DEPENDS ${SKINGEN} ${VEXILO_SEDGE_INI}
    COMMENT "Drawing the sedge skin")
  if(EXISTS ${PROJECT_SOURCE_DIR}/tools/vexskin/CMakeLists.txt)
    vexilo_host_tool(VEXSKIN vexskin)
    add_custom_command(OUTPUT ${VEXILO_SEDGE_PACKAGE} ${VEXILO_SEDGE_STREAM}
      COMMAND ${VEXSKIN} pack ${dir} ${VEXILO_SEDGE_PACKAGE} --order ${order}
      # A skin the program would stumble over fails the build here.
      COMMAND ${VEXSKIN} check ${VEXILO_SEDGE_PACKAGE}
      COMMAND ${SKINGEN} --stream ${VEXILO_SEDGE_PACKAGE} ${VEXILO_SEDGE_STREAM}
      DEPENDS ${order} ${VEXSKIN} ${SKINGEN}
      COMMENT "Packing the sedge skin")
    list(APPEND outputs ${VEXILO_SEDGE_PACKAGE} ${VEXILO_SEDGE_STREAM})
    set_property(GLOBAL PROPERTY VEXILO_SEDGE_PACKED ON)
  endif()
  add_custom_target(sedge_package ALL DEPENDS ${outputs})
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
