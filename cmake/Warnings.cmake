# One warning set for every target of ours; third-party code gets none of it.
add_library(clicker_warnings INTERFACE)
target_compile_options(clicker_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wformat=2 -Wcast-align -Wnull-dereference -Wduplicated-cond -Wlogical-op
  -Wmissing-declarations -Wundef)
if(CLICKER_WERROR)
  target_compile_options(clicker_warnings INTERFACE -Werror)
endif()
