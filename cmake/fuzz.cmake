# libFuzzer harnesses (clang): every platform-free function that reads outside input has one in
# tests/fuzz/<name>_fuzz.cpp, with seeds in tests/fuzz/corpus/<name>/. scripts/fuzz runs them.
find_package(PNG REQUIRED)
find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(ZBAR REQUIRED IMPORTED_TARGET zbar)

set(FUZZ_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(ormick_core_fuzz STATIC ${CORE_SOURCES} ${CMAKE_SOURCE_DIR}/tests/fuzz/support/fuzz_support.cpp)
target_include_directories(ormick_core_fuzz PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests/fuzz)
target_compile_options(ormick_core_fuzz PUBLIC ${FUZZ_SANITIZE} -fsanitize=fuzzer-no-link PRIVATE ${WARNINGS})
target_link_libraries(ormick_core_fuzz PUBLIC PNG::PNG PkgConfig::ZBAR Threads::Threads)

file(GLOB FUZZ_HARNESSES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(harness ${FUZZ_HARNESSES})
  get_filename_component(name ${harness} NAME_WE)
  add_executable(${name} ${harness})
  target_compile_options(${name} PRIVATE ${WARNINGS})
  target_link_libraries(${name} PRIVATE ormick_core_fuzz)
  target_link_options(${name} PRIVATE ${FUZZ_SANITIZE} -fsanitize=fuzzer)
endforeach()

# The GIF writer's harness reads its output back with the tests' strict decoder.
target_sources(gif_writer_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests/shared/gif/gif_decoder.cpp)
target_include_directories(gif_writer_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/tests/shared/gif)
