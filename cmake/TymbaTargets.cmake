# Helpers shared by the folders' CMakeLists.

# GCC 12 reports false -Wrestrict errors inside libstdc++'s string assignment
# (GCC bug 105329), so that one warning is left out.
set(TYMBA_STRICT_FLAGS -Wall -Wextra -Wpedantic -Werror -Wno-restrict)
set(TYMBA_WARNING_FLAGS -Wall -Wextra -Wpedantic)
set(TYMBA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                          -fno-sanitize-recover=all)

# A library of plain C++ (no Qt) built twice: NAME for the program and
# NAME_san with the address and undefined-behaviour sanitizers for its tests.
#   tymba_plain_library(NAME SOURCES ... [DEPENDS lib ...])
function(tymba_plain_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  foreach(variant IN ITEMS "" "_san")
    set(target ${name}${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${TYMBA_STRICT_FLAGS})
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${target} PUBLIC ${dep}${variant})
    endforeach()
    if(variant STREQUAL "_san")
      target_compile_options(${target} PUBLIC ${TYMBA_SANITIZER_FLAGS} -O1 -g)
      target_link_options(${target} PUBLIC ${TYMBA_SANITIZER_FLAGS})
    endif()
  endforeach()
endfunction()

# A GoogleTest program for a plain library, with its sanitized twin.
#   tymba_gtest(NAME LIBRARY lib SOURCES ...)
function(tymba_gtest name)
  cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES" ${ARGN})
  foreach(variant IN ITEMS "" "_san")
    set(target ${name}${variant})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARY}${variant} GTest::gtest GTest::gmock
                                            GTest::gtest_main)
    target_compile_options(${target} PRIVATE ${TYMBA_WARNING_FLAGS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TYMBA_TEST_BIN_DIR})
  endforeach()
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-tmp)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}."
                       PROPERTIES ENVIRONMENT "TMPDIR=${CMAKE_BINARY_DIR}/test-tmp")
  add_test(NAME ${name}_sanitized COMMAND ${name}_san)
  set_tests_properties(${name}_sanitized PROPERTIES
    ENVIRONMENT "TMPDIR=${CMAKE_BINARY_DIR}/test-tmp;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# A QtTest program for the windows, run offscreen with its own settings and
# program folder under the build tree.
#   tymba_qtest(NAME SOURCES ...)
function(tymba_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ui uitestsupport Qt6::Test)
  target_compile_options(${name} PRIVATE ${TYMBA_WARNING_FLAGS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TYMBA_TEST_BIN_DIR}
                                           AUTOMOC ON)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home}/config ${home}/runtime ${CMAKE_BINARY_DIR}/test-tmp)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=120000;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/runtime;TMPDIR=${CMAKE_BINARY_DIR}/test-tmp;LANG=cs_CZ.UTF-8")
endfunction()
