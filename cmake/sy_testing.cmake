# GoogleTest for both builds and the two ways a test binary is registered.
#
# Natively every test case is its own CTest test (fast, precise reports).
# Under Wine each binary is one CTest test: starting Wine costs far more than
# a test case, so a binary runs all its cases in one process.

set(SY_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
if(WIN32 AND EXISTS ${SY_GTEST_SOURCE_DIR}/CMakeLists.txt)
  # Debian ships the GoogleTest sources; build them with the cross compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  # gtest's sources must keep their ASCII literals as they are.
  add_subdirectory(${SY_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# sy_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [LOCKS <resources...>]
#             [NO_MAIN] [TIMEOUT <seconds>])
#   One GoogleTest binary. LOCKS names shared resources (for example the
#   product's registry key) so that CTest never runs two users of one at once.
function(sy_add_test)
  cmake_parse_arguments(T "NO_MAIN" "NAME;TIMEOUT" "SOURCES;LIBS;LOCKS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_NO_MAIN)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  if(WIN32)
    # Console subsystem so that GoogleTest's output reaches CTest through Wine.
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no)
    if(T_LOCKS)
      set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
    if(T_TIMEOUT)
      set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
    endif()
  else()
    gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
