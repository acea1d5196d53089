# em++ must see only its own system headers: Debian's /usr/include is made
# for this machine's compiler. fast_float is header-only and the same for
# both, so the web build sees that one folder through a link of its own.
set(korvane_fast_float_include ${CMAKE_BINARY_DIR}/fast_float_include)
file(MAKE_DIRECTORY ${korvane_fast_float_include})
if(NOT EXISTS /usr/include/fast_float/fast_float.h)
    message(FATAL_ERROR "fast_float is missing: apt-get install libfast-float-dev")
endif()
file(CREATE_LINK /usr/include/fast_float ${korvane_fast_float_include}/fast_float SYMBOLIC)
add_library(FastFloat::fast_float INTERFACE IMPORTED)
target_include_directories(FastFloat::fast_float INTERFACE ${korvane_fast_float_include})
