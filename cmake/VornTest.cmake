# vorn_add_test(NAME SOURCES ... LIBS ...)
# One test executable per area. Under the win32 build it runs through Wine
# (the toolchain's emulator, tools/wine-run.sh) after the shared fixture has
# prepared the prefix, the wineserver and the display.
function(vorn_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    add_test(NAME ${name} COMMAND ${name})
    if(VORN_NATIVE)
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest)
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/ChildJob.cpp
                                       ${PROJECT_SOURCE_DIR}/tests/support/WinTestMain.cpp)
        set_tests_properties(${name} PROPERTIES
            FIXTURES_REQUIRED wine
            ENVIRONMENT "VORN_WINE_DIR=${CMAKE_BINARY_DIR}/wine")
    endif()
endfunction()

if(NOT VORN_NATIVE)
    add_test(NAME wine_start COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh start ${CMAKE_BINARY_DIR}/wine)
    add_test(NAME wine_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh stop ${CMAKE_BINARY_DIR}/wine)
    set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()
