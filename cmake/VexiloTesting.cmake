# GoogleTest for both trees, built from the sources Debian ships
# (/usr/src/googletest) or, elsewhere, found as an installed package.
set(VEXILO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(EXISTS ${VEXILO_GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${VEXILO_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# vexilo_add_test(NAME SOURCES ... [LIBS ...] [NO_MAIN])
# Native tests register each case with CTest.  Windows tests run as one CTest
# test per executable: every Wine start costs a second or more.
function(vexilo_add_test name)
  cmake_parse_arguments(T "NO_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_NO_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock ${T_LIBS})
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${T_LIBS})
  endif()
  if(WIN32 AND TARGET vex_testsupport)
    target_link_libraries(${name} PRIVATE vex_testsupport)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# vexilo_add_bench(NAME)
# Registers a benchmark (a program that prints figures and fails only when it
# cannot run) with CTest in the "bench" configuration only: the default test
# run leaves it out, and it runs by name with
#   ctest --test-dir build/windows -C bench -R NAME   (scripts/ctest-wine likewise)
# or all of them with -C bench -L bench.
function(vexilo_add_bench name)
  add_test(NAME ${name} COMMAND ${name} CONFIGURATIONS bench)
  set_tests_properties(${name} PROPERTIES LABELS bench)
endfunction()
