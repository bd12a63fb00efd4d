# The tests need GoogleTest with GoogleMock; without them the program still builds.
find_package(GTest QUIET)
if(GTest_FOUND AND TARGET GTest::gmock)
    set(ZITKLOK_HAVE_GTEST TRUE)
else()
    set(ZITKLOK_HAVE_GTEST FALSE)
    message(STATUS "Tests left out: GoogleTest or GoogleMock not found (libgtest-dev, libgmock-dev)")
    return()
endif()
include(GoogleTest)

# zk_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One test executable per subsystem; GUI tests run on the offscreen platform.
function(zk_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_GUI)
        set(main_lib zk_test_qtmain)
    else()
        set(main_lib GTest::gtest_main)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} zk_test_support GTest::gtest GTest::gmock
                                          ${main_lib})
    set(env "LANG=C.UTF-8" "TZ=UTC")
    if(ARG_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen" "ASAN_OPTIONS=detect_leaks=0")
    endif()
    # gtest_discover_tests passes a list property on as separate words (only the first
    # variable would arrive): the variables are set by running each case through env.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "env;${env}")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
