# Test support: GoogleTest from source, the Wine session for cross builds and
# quillon_add_gtest().
#
#   quillon_add_gtest(<name>
#       SOURCES <file>...
#       [LIBS <target>...]
#       [LABELS <label>...]
#       [DATA_DIR <dir>]     defines QUILLON_TEST_DATA_DIR, the directory as a
#                            string with a trailing "/", usable by the program
#                            (a Z: path under Wine); relative to the calling
#                            CMakeLists.txt
#       [TIMEOUT <seconds>]  default 120
#       [SERIAL]             runs alone, e.g. for tests that need the display
#                            or the input focus to themselves
#       [NO_MAIN])           the test brings its own main()
#
# builds one GoogleTest executable (with gmock) and registers it as one ctest
# test. In the cross build ctest runs it under Wine through
# cmake/wine-test.sh, inside the wine fixture that starts and stops the
# persistent wineserver and the virtual display.

set(QUILLON_GOOGLETEST_DIR "/usr/src/googletest" CACHE PATH
    "GoogleTest source tree (the one with googletest/ and googlemock/)")

# Builds GoogleTest with the current compiler and flags. Call before the
# project's own warning flags are set: they are not meant for its code.
function(quillon_setup_googletest)
    if(NOT EXISTS "${QUILLON_GOOGLETEST_DIR}/CMakeLists.txt")
        message(FATAL_ERROR "GoogleTest sources not found in ${QUILLON_GOOGLETEST_DIR}; "
            "install them (Debian: googletest) or set QUILLON_GOOGLETEST_DIR")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    add_subdirectory("${QUILLON_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
endfunction()

# Whether tests run under Wine: a Windows build made on a Unix host.
if(WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
    set(QUILLON_TESTS_UNDER_WINE ON)
else()
    set(QUILLON_TESTS_UNDER_WINE OFF)
endif()

set(QUILLON_WINE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/wine-test.sh")

# The ctest fixture around every test run under Wine: the first test creates
# the prefix if needed and starts the wineserver (and Xvfb when there is no
# DISPLAY), the last one stops them. ctest runs both even for a subset of
# tests (-R, -L).
function(quillon_add_wine_fixture)
    if(NOT QUILLON_TESTS_UNDER_WINE)
        return()
    endif()
    add_test(NAME wine_session_start COMMAND "${QUILLON_WINE_SCRIPT}" start "${CMAKE_BINARY_DIR}")
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    add_test(NAME wine_session_stop COMMAND "${QUILLON_WINE_SCRIPT}" stop "${CMAKE_BINARY_DIR}")
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endfunction()

function(quillon_add_gtest name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "SERIAL;NO_MAIN" "DATA_DIR;TIMEOUT" "SOURCES;LIBS;LABELS")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "quillon_add_gtest(${name}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT arg_SOURCES)
        message(FATAL_ERROR "quillon_add_gtest(${name}): no SOURCES")
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 120)
    endif()

    add_executable(${name} ${arg_SOURCES})
    if(arg_NO_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gmock ${arg_LIBS})
    else()
        target_link_libraries(${name} PRIVATE GTest::gmock_main ${arg_LIBS})
    endif()

    if(DEFINED arg_DATA_DIR)
        get_filename_component(data_dir "${arg_DATA_DIR}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        if(QUILLON_TESTS_UNDER_WINE)
            # Wine's drive Z: is the Unix root.
            set(data_dir "Z:${data_dir}")
        endif()
        target_compile_definitions(${name} PRIVATE "QUILLON_TEST_DATA_DIR=\"${data_dir}/\"")
    endif()

    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
    if(arg_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${arg_LABELS}")
    endif()
    if(arg_SERIAL)
        set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
    endif()
    if(QUILLON_TESTS_UNDER_WINE)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
    if(QUILLON_SANITIZE)
        # Stop at the first finding, with a stack trace.
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:check_initialization_order=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    endif()
endfunction()
