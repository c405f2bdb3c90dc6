# The advanced settings dialog, offscreen, with a private settings store.
# Included from tests/CMakeLists.txt; its sources lie beside this file.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
orbweave_test(test-dialogs-advanced
  SOURCES
    ${PROJECT_SOURCE_DIR}/tests/platform/forms/qt_application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/advanced_dialog_test.cpp
  DEPS orbweave_dialogs_editors Qt6::Test)
