# Helpers shared by every folder's CMakeLists: warnings, libraries, programs, tests and program-folder files.

# -Wrestrict: GCC 12 reports false overlaps inside std::string at -O3.
set(OMBRIX_WARNINGS -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Wno-unused-parameter
  -Wno-restrict)
if(OMBRIX_WERROR)
  list(APPEND OMBRIX_WARNINGS -Werror)
endif()

# ombrix_library(name SOURCES ... LIBS ...): a static library of the project's own code.
function(ombrix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# ombrix_program(name SOURCES ... LIBS ...): an executable placed in the program folder.
function(ombrix_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OMBRIX_PROGRAM_DIR})
  add_dependencies(program_folder ${name})
endfunction()

# ombrix_tool(name SOURCES ... LIBS ...): a build-time tool, kept out of the program folder in its
# own build folder (build/tools/<folder>/<name>).
function(ombrix_tool name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# ombrix_program_files(target DEST subfolder FILES ...): copies source files into the program folder.
# DEST "." is the program folder itself.
function(ombrix_program_files target)
  cmake_parse_arguments(ARG "" "DEST" "FILES" ${ARGN})
  set(outputs)
  foreach(file IN LISTS ARG_FILES)
    get_filename_component(name ${file} NAME)
    get_filename_component(source ${file} ABSOLUTE)
    set(out ${OMBRIX_PROGRAM_DIR}/${ARG_DEST}/${name})
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${OMBRIX_PROGRAM_DIR}/${ARG_DEST}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${out}
      DEPENDS ${source} VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
  add_dependencies(program_folder ${target})
endfunction()

# ombrix_test(name SOURCES ... LIBS ...): a GoogleTest executable; each test case is one ctest entry.
# Tests see the program folder through OMBRIX_PROGRAM_DIR and run Qt offscreen.
function(ombrix_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${OMBRIX_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    OMBRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    OMBRIX_BUILD_DIR="${CMAKE_BINARY_DIR}"
    OMBRIX_PROGRAM_DIR="${OMBRIX_PROGRAM_DIR}")
  add_dependencies(${name} program_folder)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OMBRIX_PROGRAM_DIR=${OMBRIX_PROGRAM_DIR};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
               TIMEOUT 300)
endfunction()

# ombrix_fuzz_target(name SOURCES ... LIBS ... CORPUS dir): a fuzz target, a file defining
# LLVMFuzzerTestOneInput. In the test build it is linked with a small replay main and one ctest
# (fuzz.<name>) runs every file of the corpus through it under the sanitizers; in the fuzz build
# (OMBRIX_FUZZ, clang) it becomes the libFuzzer program fuzz_<name> that tests/fuzz/run.sh runs.
function(ombrix_fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  get_filename_component(corpus ${ARG_CORPUS} ABSOLUTE)
  set(program fuzz_${name})
  if(OMBRIX_FUZZ)
    add_executable(${program} ${ARG_SOURCES})
    target_link_options(${program} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(fuzz_targets ${program})
  else()
    add_executable(${program} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_compile_options(${program} PRIVATE ${OMBRIX_WARNINGS})
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME fuzz.${name} COMMAND ${program} ${corpus})
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 300
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OMBRIX_PROGRAM_DIR=${OMBRIX_PROGRAM_DIR};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
  endif()
  target_include_directories(${program} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${program} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${program} PRIVATE OMBRIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    OMBRIX_PROGRAM_DIR="${OMBRIX_PROGRAM_DIR}")
endfunction()

# Rules for generated tables (ombrix_table) live beside the table tool.
include(${CMAKE_CURRENT_LIST_DIR}/Tables.cmake OPTIONAL)
