# GoogleTest for both builds: Debian's prebuilt library natively, its sources for mingw-w64.
if(WIN32)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Its own build names the targets GTest::gtest and GTest::gtest_main as well.
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# tavimo_add_test(NAME sources... LIBS libs...): one GoogleTest program, registered with CTest.
# Native programs list their cases one by one; Windows programs run whole under Wine, since
# listing the cases at build time would start Wine during the build.
function(tavimo_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
