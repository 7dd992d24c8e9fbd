# One interface target carries the project's warning flags; every target links it.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>
  $<$<CXX_COMPILER_ID:MSVC>:/W4>)
# GCC 12 reports false -Wrestrict overlaps inside std::string concatenation
# at -O2 and above (GCC bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(velmora_warnings INTERFACE -Wno-restrict)
endif()
if(VELMORA_WERROR)
  target_compile_options(velmora_warnings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Werror>
    $<$<CXX_COMPILER_ID:MSVC>:/WX>)
endif()
