# Every library is built with libFuzzer's coverage and the address and
# undefined-behaviour sanitizers, so that the fuzz targets are steered by the
# branches of our own reading code and stop at the first fault in it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZITKLOK_FUZZ needs clang's libFuzzer: configure with CC=clang CXX=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -g)
add_link_options(-fsanitize=address,undefined)
