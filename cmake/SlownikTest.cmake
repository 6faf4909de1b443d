# slownik_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One executable per test file group; each gtest case becomes one CTest test.
# GUI tests get a QApplication on the offscreen platform from the shared test main.
function(slownik_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/platform/testing")
  if(T_GUI)
    target_link_libraries(${name} PRIVATE slownik_test_gui_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    SLOWNIK_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    SLOWNIK_APP_DIR="${SLOWNIK_APP_DIR}"
    SLOWNIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0" TIMEOUT 300)
endfunction()

# slownik_add_realwindow_test(<name> <script.py>)
# A Python test that drives the built programs on a private Xvfb display
# (platform/testing/xsession.py). Screenshots go to <build>/realwindow-artifacts.
# They take the display resource one at a time, so mouse drags are not starved.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
function(slownik_add_realwindow_test name script)
  add_test(NAME ${name} COMMAND Python3::Interpreter "${script}" -v)
  set_tests_properties(${name} PROPERTIES
    LABELS realwindow
    TIMEOUT 600
    RESOURCE_LOCK xdisplay
    ENVIRONMENT "SLOWNIK_APP_DIR=${SLOWNIK_APP_DIR};SLOWNIK_ARTIFACTS=${CMAKE_BINARY_DIR}/realwindow-artifacts;SLOWNIK_BUILD_DIR=${CMAKE_BINARY_DIR};PYTHONDONTWRITEBYTECODE=1")
endfunction()
