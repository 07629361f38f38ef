# One static library per source folder: every .cpp/.h of the folder belongs to it,
# so adding a file never means editing a list. SUBFOLDERS takes in the files of its
# subfolders too, for a folder grouped by concern (dialogs/search/, dialogs/tip/, ...).
function(pennivel_folder_library name)
  cmake_parse_arguments(ARG "SUBFOLDERS" "" "LIBS" ${ARGN})
  set(glob GLOB)
  if(ARG_SUBFOLDERS)
    set(glob GLOB_RECURSE)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# One test program per test folder; ctest sees every GoogleTest case on its own.
# GUI tests get a main() that creates a QApplication on the offscreen platform.
function(pennivel_test_folder name)
  cmake_parse_arguments(ARG "GUI;SUBFOLDERS" "" "LIBS" ${ARGN})
  set(glob GLOB)
  if(ARG_SUBFOLDERS)
    set(glob GLOB_RECURSE)
  endif()
  file(${glob} sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} pennivel_test_support GTest::gmock)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE pennivel_test_gui_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # Every test runs under `env` with the isolated environment: a list-valued ENVIRONMENT
  # property does not survive test discovery (it would be split into bogus property
  # names and leave the tests on the real HOME), while the executor list does.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${PENNIVEL_TEST_ENVIRONMENT}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300)
endfunction()

# The programs a user runs sit at the top of the build directory (build/release/Pennivel),
# where the README and the scripts look for them.
function(pennivel_deliverable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
