# zendral_warnings: the warning set for the project's own code.
add_library(zendral_warnings INTERFACE)
target_compile_options(zendral_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                                                  -Wnon-virtual-dtor)
