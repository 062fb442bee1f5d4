# kestrova_add_test(NAME SOURCES src... [LIBS lib...])
#
# One Qt Test executable registered with CTest. Every test runs headless, on loopback only, and
# with its own data root (the test main creates a temporary KESTROVA_APPDIR itself).
function(kestrova_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test kestrova_testsupport ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KESTROVA_NET=loopback;KESTROVA_NONINTERACTIVE=1;KESTROVA_BIN_DIR=${KESTROVA_BIN_DIR};ASAN_OPTIONS=detect_leaks=0")
endfunction()
