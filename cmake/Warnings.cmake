# Project-wide compile flags: strict warnings, optional -Werror and sanitizers.
add_library(tarlix_flags INTERFACE)
target_compile_options(tarlix_flags INTERFACE -Wall -Wextra -Wpedantic)
if(TARLIX_WERROR)
  target_compile_options(tarlix_flags INTERFACE -Werror)
endif()
if(TARLIX_SANITIZE)
  target_compile_options(tarlix_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
  target_link_options(tarlix_flags INTERFACE -fsanitize=address,undefined)
endif()

