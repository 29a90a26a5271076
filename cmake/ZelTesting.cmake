include(GoogleTest)

# One test program per folder under tests/: every source file in it (on Windows, less those
# named after WINDOWS_SKIP, which need the POSIX test worlds). WINDOWS_SERIAL: on Windows its
# tests share the machine's own drive C: and run one at a time.
function(zel_test_module name)
    cmake_parse_arguments(ARG "WINDOWS_SERIAL" "" "DEPENDS;WINDOWS_SKIP" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(WIN32)
        foreach(skipped ${ARG_WINDOWS_SKIP})
            list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${skipped})
        endforeach()
    endif()
    add_executable(test_${name} ${sources})
    target_link_libraries(test_${name} PRIVATE zel_common_cfg zel_testsupport ${ARG_DEPENDS})
    if(CMAKE_CROSSCOMPILING)
        # Listed and run through Wine in the prefix scripts/test makes, never at build time;
        # each with a timeout, as a Wine that waits on something must not hold the run.
        set(serial FALSE)
        if(ARG_WINDOWS_SERIAL)
            set(serial TRUE)
        endif()
        gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
            PROPERTIES TIMEOUT 120 SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]" RUN_SERIAL ${serial})
    else()
        gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
