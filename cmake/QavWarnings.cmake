# Warning and sanitizer flags shared by every target of the tree.
add_library(qav_build_flags INTERFACE)
target_compile_options(qav_build_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local)
if(QAV_WERROR)
  target_compile_options(qav_build_flags INTERFACE -Werror)
endif()
if(QAV_SANITIZE)
  target_compile_options(qav_build_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(qav_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# qav_library(NAME SOURCES...) : one static library per source folder.
function(qav_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC qav_build_flags)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
