# vexilo-3.0-win64.zip: the program, the files it expects beside it, the
# second skin, a read-me.
#   cmake --build build/windows --target package
install(TARGETS vexilo RUNTIME DESTINATION .)
get_property(heron_packed GLOBAL PROPERTY VEXILO_HERON_PACKED)
if(heron_packed)
  # Named in Setup.ini ([Skin] File=heron.skn) it replaces the built-in skin.
  install(FILES ${VEXILO_HERON_PACKAGE} DESTINATION .)
endif()
if(TARGET vex_program_files)
  install(FILES ${PROJECT_BINARY_DIR}/Folder.ico DESTINATION .)
  install(DIRECTORY "${PROJECT_BINARY_DIR}/精选图标" DESTINATION .)
  # Composite icons are saved here; the folder ships empty.
  install(DIRECTORY DESTINATION MyIcons)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/app/res/ReadMe.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Vexilo)
set(CPACK_PACKAGE_VENDOR Vexilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME vexilo-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
