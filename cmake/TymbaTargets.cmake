# Helpers shared by the folders' CMakeLists.

# GCC 12 reports false -Wrestrict errors inside libstdc++'s string assignment
# (GCC bug 105329), so that one warning is left out.
set(TYMBA_STRICT_FLAGS -Wall -Wextra -Wpedantic -Werror -Wno-restrict)
set(TYMBA_WARNING_FLAGS -Wall -Wextra -Wpedantic)
set(TYMBA_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer
                          -fno-sanitize-recover=all)
# The Debug build of the windows for the window tests' twins, within this
# configure: no optimisation, and Qt's own checks on (Qt defines QT_NO_DEBUG
# in every build type but Debug, the release flags NDEBUG), among them the
# assertion that the object of a slot is still of its class.
set(TYMBA_DEBUG_FLAGS -O0 -g -UQT_NO_DEBUG -UNDEBUG ${TYMBA_SANITIZER_FLAGS})
# No test may take longer than this many seconds (every add_test sets it, and
# tools/test.sh makes it the default): a loop that never ends fails the run
# instead of hanging it.
set(TYMBA_TEST_TIMEOUT 120)

# A library of plain C++ (no Qt) built twice: NAME for the program and
# NAME_san with the address and undefined-behaviour sanitizers for its tests.
# DEPENDS names the project's own libraries (each variant links its own
# variant), LIBRARIES outside ones that both variants link as they are.
#   tymba_plain_library(NAME SOURCES ... [DEPENDS lib ...] [LIBRARIES lib ...])
function(tymba_plain_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LIBRARIES" ${ARGN})
  foreach(variant IN ITEMS "" "_san")
    set(target ${name}${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${TYMBA_STRICT_FLAGS})
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${target} PUBLIC ${dep}${variant})
    endforeach()
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
    if(variant STREQUAL "_san")
      # Only the sanitizers pass on to what links it: the Debug builds of the
      # windows keep their own optimisation level.
      target_compile_options(${target} PRIVATE -O1 -g)
      target_compile_options(${target} PUBLIC ${TYMBA_SANITIZER_FLAGS})
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
  target_compile_options(${name}_san PRIVATE -O1 -g)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-tmp)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${name}."
                       PROPERTIES ENVIRONMENT "TMPDIR=${CMAKE_BINARY_DIR}/test-tmp"
                                  TIMEOUT ${TYMBA_TEST_TIMEOUT})
  add_test(NAME ${name}_sanitized COMMAND ${name}_san)
  set_tests_properties(${name}_sanitized PROPERTIES TIMEOUT ${TYMBA_TEST_TIMEOUT}
    ENVIRONMENT "TMPDIR=${CMAKE_BINARY_DIR}/test-tmp;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# A Qt library built twice: NAME for the program and NAME_dbg, the Debug build
# with the sanitizers, on the sanitized builds of the plain libraries.
#   tymba_qt_library(NAME SOURCES ... DEPENDS tymba-lib ... QT qt-lib ...)
function(tymba_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;QT" ${ARGN})
  foreach(variant IN ITEMS "" "_dbg")
    set(target ${name}${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${TYMBA_WARNING_FLAGS})
    target_link_libraries(${target} PUBLIC ${ARG_QT})
    foreach(dep IN LISTS ARG_DEPENDS)
      if(variant STREQUAL "")
        target_link_libraries(${target} PUBLIC ${dep})
      elseif(TARGET ${dep}_dbg)
        target_link_libraries(${target} PUBLIC ${dep}_dbg)
      else()
        target_link_libraries(${target} PUBLIC ${dep}_san)
      endif()
    endforeach()
  endforeach()
  target_compile_options(${name}_dbg PRIVATE ${TYMBA_DEBUG_FLAGS})
  target_link_options(${name}_dbg PUBLIC ${TYMBA_SANITIZER_FLAGS})
endfunction()

# A QtTest program for the windows, run offscreen with its own settings and
# program folder under the build tree, and its twin NAME_dbg on the Debug
# build of the windows.
#   tymba_qtest(NAME SOURCES ...)
function(tymba_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  foreach(variant IN ITEMS "" "_dbg")
    set(target ${name}${variant})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ui${variant} uitestsupport${variant} Qt6::Test)
    target_compile_options(${target} PRIVATE ${TYMBA_WARNING_FLAGS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TYMBA_TEST_BIN_DIR}
                                               AUTOMOC ON)
    set(home ${CMAKE_BINARY_DIR}/test-home/${target})
    file(MAKE_DIRECTORY ${home}/config ${home}/runtime ${CMAKE_BINARY_DIR}/test-tmp)
    file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES TIMEOUT ${TYMBA_TEST_TIMEOUT} ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;QTEST_FUNCTION_TIMEOUT=60000;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/runtime;TMPDIR=${CMAKE_BINARY_DIR}/test-tmp;LANG=cs_CZ.UTF-8")
  endforeach()
  target_compile_options(${name}_dbg PRIVATE ${TYMBA_DEBUG_FLAGS})
  set_property(TEST ${name}_dbg APPEND PROPERTY ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1" "UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
