# Shared settings for the project's targets.

# Core libraries build with strict warnings: a bit field that does not fit shows up as a
# conversion warning.
function(brindlecast_core_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wconversion)
endfunction()

# A GoogleTest executable registered with CTest.
#   brindlecast_add_gtest(NAME SOURCES src... LIBS lib... [LABELS label...])
function(brindlecast_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
                             BRINDLECAST_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${ARG_LABELS}")
endfunction()
