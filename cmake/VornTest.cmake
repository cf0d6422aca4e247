# vorn_add_test(NAME [SHARDS n] SOURCES ... LIBS ...)
# One test executable per area. Under the win32 build it runs under Wine
# through tools/wine-test.sh, in a prefix and on a display of its own (copied
# from the template that the shared fixture makes once), so that ctest can run
# the programs side by side. SHARDS splits a long program's test cases over n
# runs (GoogleTest's sharding), each a ctest test NAME-i of its own.
#
# Test code is compiled without optimisation (most of a test file's compile
# time was GoogleTest's macros being optimised), and every test program
# shares one precompiled header of the heavy headers: GoogleTest, the
# standard library and, for Windows, windows.h.
if(NOT VORN_FUZZ)
    set(headers <gtest/gtest.h> <functional> <map> <memory> <sstream> <string> <vector>)
    if(NOT VORN_NATIVE)
        list(APPEND headers <winsock2.h> <windows.h> <commctrl.h>)
    endif()
    add_library(vorn_test_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/PchAnchor.cpp)
    target_compile_options(vorn_test_pch PRIVATE -O0)
    target_link_libraries(vorn_test_pch PRIVATE GTest::gtest)
    target_precompile_headers(vorn_test_pch PRIVATE ${headers})
endif()

function(vorn_add_test name)
    cmake_parse_arguments(T "" "SHARDS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -O0)
    target_precompile_headers(${name} REUSE_FROM vorn_test_pch)
    if(VORN_NATIVE)
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
        add_test(NAME ${name} COMMAND ${name})
        return()
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/ChildJob.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/support/HangWatch.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/support/ThreadStarts.cpp
                                   ${PROJECT_SOURCE_DIR}/tests/support/WinTestMain.cpp)
    set(run ${PROJECT_SOURCE_DIR}/tools/wine-test.sh $<TARGET_FILE:${name}>)
    set(env "VORN_WINE_DIR=${CMAKE_BINARY_DIR}/wine")
    if(NOT T_SHARDS)
        add_test(NAME ${name} COMMAND ${run})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine ENVIRONMENT "${env}")
        return()
    endif()
    math(EXPR last "${T_SHARDS} - 1")
    foreach(i RANGE ${last})
        math(EXPR n "${i} + 1")
        add_test(NAME ${name}-${n} COMMAND ${run})
        set_tests_properties(${name}-${n} PROPERTIES FIXTURES_REQUIRED wine
            ENVIRONMENT "${env};GTEST_TOTAL_SHARDS=${T_SHARDS};GTEST_SHARD_INDEX=${i}")
    endforeach()
endfunction()

if(NOT VORN_NATIVE)
    add_test(NAME wine_start COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh start ${CMAKE_BINARY_DIR}/wine)
    add_test(NAME wine_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh stop ${CMAKE_BINARY_DIR}/wine)
    set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
    add_test(NAME wine_env_stop COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/wine-env-stop-test.sh ${CMAKE_BINARY_DIR}/wine)
    set_tests_properties(wine_env_stop PROPERTIES FIXTURES_REQUIRED wine)
    add_test(NAME wine_cpu_locks COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/cpu-lock-test.sh)
    add_test(NAME setup_retries COMMAND ${PROJECT_SOURCE_DIR}/tests/tools/setup-test.sh)
endif()
