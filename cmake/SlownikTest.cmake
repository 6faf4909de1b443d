# slownik_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One executable per test file group; each gtest case becomes one CTest test.
# GUI tests get a QApplication on the offscreen platform from the shared test main.
function(slownik_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
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
