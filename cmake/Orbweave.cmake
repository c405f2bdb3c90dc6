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
# One GoogleTest executable, registered as one CTest case: a sanitized Qt
# program takes longer to start than most of its cases take to run, so the
# program runs whole; its brief output still names every failing case. Every
# test program links tests/support/test_defaults.cpp: headless Qt and the
# sanitizer options. SKIPPABLE <label> <filter>: the cases the GoogleTest
# filter names skip where the machine lacks what they need (a tmpfs mount, a
# font, a built library); they run as the CTest case "<name>-<label>", shown as
# skipped when one of them skipped, and the main case runs the others.
function(orbweave_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;SKIPPABLE" ${ARGN})
  find_package(GTest REQUIRED)
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/test_defaults.cpp)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/tests/support/test_defaults.cpp PROPERTIES
    COMPILE_DEFINITIONS ORBWEAVE_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(NOT ARG_SKIPPABLE)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    return()
  endif()
  list(GET ARG_SKIPPABLE 0 label)
  list(GET ARG_SKIPPABLE 1 filter)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 --gtest_filter=-${filter})
  add_test(NAME ${name}-${label} COMMAND ${name} --gtest_brief=1 --gtest_filter=${filter})
  set_tests_properties(${name}-${label} PROPERTIES SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()

# orbweave_dialog_e2e(<group> <script> CASES ... [TOOLS ...])
# One test "e2e-<group>-<case>" per case: bash <script> <case> orbweave
# settings-tool [tools...] <shots folder>, on a private Xvfb screen (the lock
# keeps the cases of every group apart), skipped with status 77.
function(orbweave_dialog_e2e group script)
  cmake_parse_arguments(ARG "" "" "CASES;TOOLS" ${ARGN})
  set(tool_files)
  foreach(tool IN LISTS ARG_TOOLS)
    list(APPEND tool_files $<TARGET_FILE:${tool}>)
  endforeach()
  foreach(case IN LISTS ARG_CASES)
    add_test(NAME e2e-${group}-${case}
      COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script} ${case} $<TARGET_FILE:orbweave>
              $<TARGET_FILE:settings-tool> ${tool_files} ${CMAKE_CURRENT_BINARY_DIR}/shots)
    set_tests_properties(e2e-${group}-${case} PROPERTIES
      SKIP_RETURN_CODE 77
      TIMEOUT 300
      RESOURCE_LOCK e2e-xvfb
      ENVIRONMENT "${ORBWEAVE_TEST_ENV}")
  endforeach()
endfunction()
