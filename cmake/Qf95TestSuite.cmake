# qf95_test_suite(<target> TEST_DIRS <folders under tests/...> [RECURSE]
#                 [ONLY <file names...> | EXCLUDE <file names...>]
#                 LIBS <libraries...> [DEFINITIONS <definitions...>] [DEPENDS <targets...>]
#                 [PREFIX <test name prefix>] [DOSBOX_FIXTURES <gtest pattern>] [GUI <ctest name>])
# Every test program of the project is declared through this: one GoogleTest program from the
# .cpp files of tests/<folder> (and its sub-folders with RECURSE; ONLY takes just the files
# named, EXCLUDE leaves files out),
# linked with the fakes of the platform layer, with the build's own files known to it
# (QF95_SIG_PATH, QF95_SOURCE_DIR, QF95_ARG_PASS_PATH, QF95_STANDIN_COM,
# QF95_SCREENSHOT_DIR) and its tests registered with ctest:
#   - by default each case on its own (gtest_discover_tests);
#   - DOSBOX_FIXTURES: the cases matching the pattern carry the label dosbox;
#   - GUI: the whole program is one ctest entry of that name, run under Xvfb, label gui.
function(qf95_test_suite target)
  cmake_parse_arguments(ARG "RECURSE" "TEST_DIR;PREFIX;DOSBOX_FIXTURES;GUI"
                        "TEST_DIRS;ONLY;EXCLUDE;LIBS;DEFINITIONS;DEPENDS" ${ARGN})
  set(dirs ${ARG_TEST_DIRS} ${ARG_TEST_DIR})
  set(sources)
  foreach(dir IN LISTS dirs)
    if(ARG_RECURSE)
      file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
    else()
      file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
    endif()
    list(APPEND sources ${found})
  endforeach()
  foreach(name IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${name}$")
  endforeach()
  if(ARG_ONLY)
    set(kept)
    foreach(name IN LISTS ARG_ONLY)
      set(one ${sources})
      list(FILTER one INCLUDE REGEX "/${name}$")
      list(APPEND kept ${one})
    endforeach()
    set(sources ${kept})
  endif()

  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} qf95_platform_fake GTest::gtest)
  if(NOT ARG_GUI)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${target} PRIVATE
    QF95_SIG_PATH="${CMAKE_BINARY_DIR}/Quillfen.Sig"
    QF95_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QF95_ARG_PASS_PATH="${CMAKE_BINARY_DIR}/arg_pass.com"
    QF95_STANDIN_COM="${CMAKE_BINARY_DIR}/standin.com"
    QF95_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots"
    ${ARG_DEFINITIONS})
  foreach(dependency IN LISTS ARG_DEPENDS)
    if(TARGET ${dependency})
      add_dependencies(${target} ${dependency})
    endif()
  endforeach()

  if(ARG_GUI)
    # A real window needs an X server: one ctest entry running the whole program under Xvfb.
    set(shots ${CMAKE_BINARY_DIR}/screenshots/${ARG_GUI})
    add_test(NAME ${ARG_GUI}
             COMMAND sh -c "mkdir -p '${shots}' && QF95_SCREENSHOT_DIR='${shots}' exec xvfb-run -a -s '-screen 0 1280x1024x24' '$<TARGET_FILE:${target}>'")
    set_tests_properties(${ARG_GUI} PROPERTIES LABELS gui RESOURCE_LOCK xvfb_run
                                               SKIP_RETURN_CODE 77 TIMEOUT 180)
  elseif(ARG_DOSBOX_FIXTURES)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${ARG_PREFIX}"
                         TEST_FILTER "-${ARG_DOSBOX_FIXTURES}")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${ARG_PREFIX}"
                         TEST_FILTER "${ARG_DOSBOX_FIXTURES}"
                         PROPERTIES LABELS dosbox TIMEOUT 120)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 TEST_PREFIX "${ARG_PREFIX}")
  endif()
endfunction()
