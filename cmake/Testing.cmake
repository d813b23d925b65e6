# GoogleTest for every preset, and one way to declare a test executable.
# Windows tests run under Wine through scripts/lib/wine-exec, which gives each
# run its own prefix, the zh_CN locale (code page 936) and the CJK fonts.
set(CLICKER_RESULTS_DIR ${CMAKE_BINARY_DIR}/results)
file(MAKE_DIRECTORY ${CLICKER_RESULTS_DIR})

if(CLICKER_WINDOWS)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/lib/wine-exec ${CLICKER_WINE_ARCH})
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  foreach(lib gtest gtest_main gmock)
    if(NOT TARGET GTest::${lib})
      add_library(GTest::${lib} ALIAS ${lib})
    endif()
  endforeach()
  set(CLICKER_RESULTS_PREFIX "Z:")
else()
  find_package(GTest REQUIRED)
  set(CLICKER_RESULTS_PREFIX "")
endif()

# clicker_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [RESOURCE_LOCK ...] [TIMEOUT s])
# Each test executable writes its GoogleTest XML to results/<name>.xml, which
# scripts/test counts case by case.
function(clicker_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS;RESOURCE_LOCK" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock clicker_warnings)
  add_test(NAME ${name}
    COMMAND ${name} --gtest_output=xml:${CLICKER_RESULTS_PREFIX}${CLICKER_RESULTS_DIR}/${name}.xml)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
  if(T_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_RESOURCE_LOCK}")
  endif()
endfunction()

# clicker_add_test_at_scales(<name> SOURCES ... [LIBS ...] [TIMEOUT s])
# A Windows test run once per display scale a Windows laptop offers (96, 120,
# 144 and 192 DPI), each in a Wine prefix of its own (CLICKER_DPI picks it in
# scripts/lib/wine-exec), as <name>_dpi<N> on the test run's display.
function(clicker_add_test_at_scales name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main clicker_warnings)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  foreach(dpi IN ITEMS 96 120 144 192)
    add_test(NAME ${name}_dpi${dpi}
      COMMAND ${name}
              --gtest_output=xml:${CLICKER_RESULTS_PREFIX}${CLICKER_RESULTS_DIR}/${name}_dpi${dpi}.xml)
    set_tests_properties(${name}_dpi${dpi} PROPERTIES
      ENVIRONMENT CLICKER_DPI=${dpi} RESOURCE_LOCK display TIMEOUT ${T_TIMEOUT})
  endforeach()
endfunction()
