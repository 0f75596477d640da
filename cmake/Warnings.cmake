# Project-wide compile flags: strict warnings, optional -Werror and sanitizers.
add_library(tarlix_flags INTERFACE)
target_compile_options(tarlix_flags INTERFACE -Wall -Wextra -Wpedantic)
if(TARLIX_WERROR)
  target_compile_options(tarlix_flags INTERFACE -Werror)
endif()
# GCC 12's optimiser reports false -Wrestrict and -Wstringop-overflow (GCC bugs 105329, 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tarlix_flags INTERFACE -Wno-restrict -Wno-stringop-overflow)
endif()
if(TARLIX_SANITIZE)
  target_compile_options(tarlix_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
  target_link_options(tarlix_flags INTERFACE -fsanitize=address,undefined)
endif()

