# orbweave_library(<name> SOURCES ... [DEPS ...])
# A subsystem library: its public headers live in the folder itself and are
# included by path from the source root ("core/convert.h").
function(orbweave_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# orbweave_test(<name> SOURCES ... [DEPS ...])
# One GoogleTest executable; each TEST becomes a CTest case. Every test program
# links tests/support/test_defaults.cpp: headless Qt and the sanitizer options.
function(orbweave_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/test_defaults.cpp)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/tests/support/test_defaults.cpp PROPERTIES
    COMPILE_DEFINITIONS ORBWEAVE_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()
