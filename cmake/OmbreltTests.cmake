include(GoogleTest)

# A GoogleTest program whose tests ctest lists and runs one by one.
# DESKTOP: its tests use the real pointer, keyboard or screen, so ctest runs
# them one at a time (they share one lock) even when it runs others in parallel.
function(ombrelt_gtest target)
    cmake_parse_arguments(ARG "DESKTOP" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    set(props TIMEOUT 300)
    if(ARG_DESKTOP)
        list(APPEND props RESOURCE_LOCK desktop)
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ${props})
endfunction()
