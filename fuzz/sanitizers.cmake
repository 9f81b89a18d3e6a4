# With TRIMBOL_FUZZ=ON the whole tree is built by clang with AddressSanitizer
# and UndefinedBehaviorSanitizer (every report is fatal) and with libFuzzer's
# coverage hooks, so the tests and the fuzz targets run on the same code.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TRIMBOL_FUZZ needs clang: configure with `cmake --preset fuzz`")
endif()
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                    -fsanitize=fuzzer-no-link -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

# Every program carries the sanitizers' settings and the leak suppressions
# for third-party libraries, so ctest and the fuzz targets need no variables.
file(READ "${CMAKE_CURRENT_LIST_DIR}/lsan.supp" TRIMBOL_LSAN_SUPPRESSIONS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/lsan.supp")
configure_file("${CMAKE_CURRENT_LIST_DIR}/sanitizer_defaults.cpp.in"
               "${CMAKE_BINARY_DIR}/sanitizer_defaults.cpp" @ONLY)
add_library(sanitizer_defaults OBJECT "${CMAKE_BINARY_DIR}/sanitizer_defaults.cpp")
link_libraries("$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:sanitizer_defaults>")
