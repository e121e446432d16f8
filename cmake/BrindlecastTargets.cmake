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

# A fuzz target: a file defining LLVMFuzzerTestOneInput.
#   brindlecast_add_fuzzer(NAME SOURCES src... LIBS lib...)
# Always builds NAME_replay, which CTest runs over the saved inputs in
# tests/fuzz/corpus/NAME and tests/fuzz/regressions/NAME; with BRINDLECAST_FUZZ it also
# builds the libFuzzer executable NAME_fuzzer.
function(brindlecast_add_fuzzer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(inputs ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name}
             ${PROJECT_SOURCE_DIR}/tests/fuzz/regressions/${name})
  add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
  add_test(NAME fuzz_replay.${name} COMMAND ${name}_replay ${inputs})
  set_tests_properties(fuzz_replay.${name} PROPERTIES LABELS fuzz-replay)
  if(BRINDLECAST_FUZZ)
    add_executable(${name}_fuzzer ${ARG_SOURCES})
    target_compile_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name}_fuzzer PRIVATE ${ARG_LIBS})
  endif()
endfunction()
