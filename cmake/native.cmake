# Native (Linux) build: the platform-free library and its tests under ASan and UBSan.
find_package(PkgConfig REQUIRED)
find_package(GTest REQUIRED)
find_package(PNG REQUIRED)
find_package(benchmark QUIET)
find_package(Threads REQUIRED)
# Debian's zbar (the Windows build links one built from its source by scripts/setup).
pkg_check_modules(ZBAR REQUIRED IMPORTED_TARGET zbar)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(ormick_core STATIC ${CORE_SOURCES})
target_include_directories(ormick_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(ormick_core PUBLIC ${SANITIZE} PRIVATE ${WARNINGS})
target_link_options(ormick_core PUBLIC ${SANITIZE})
target_link_libraries(ormick_core PUBLIC PNG::PNG PkgConfig::ZBAR Threads::Threads)

# tests/shared/: fixtures and cases that the Win32 tests run too. The scripted OCR stand-in is
# portable test code: native tests drive recognition through it.
file(GLOB CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*.cpp ${CMAKE_SOURCE_DIR}/tests/core/support/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/shared/*/*.cpp ${CMAKE_SOURCE_DIR}/tests/fakeocr/*.cpp)
list(FILTER CORE_TESTS EXCLUDE REGEX "_win\\.cpp$")
add_executable(core_tests ${CORE_TESTS})
target_compile_options(core_tests PRIVATE ${WARNINGS})
target_link_libraries(core_tests PRIVATE ormick_core GTest::gtest GTest::gtest_main)
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/core ${CMAKE_SOURCE_DIR}/tests/shared/qr
  ${CMAKE_SOURCE_DIR}/tests/shared/gif ${CMAKE_SOURCE_DIR}/tests/fakeocr)
add_test(NAME core_tests COMMAND core_tests)
set_tests_properties(core_tests PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")

add_test(NAME app_messages COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/app_messages_test.sh
  ${CMAKE_SOURCE_DIR}/src/win/messages.h)
# No folder of src/ includes one above it (the order is in the script and docs/architecture.md).
add_test(NAME check_layers COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check-layers ${CMAKE_SOURCE_DIR}/src)

# Setup's deb-src step against a sandboxed apt of its own (this machine's apt stays untouched).
add_test(NAME setup_debian_source COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/debian_source_test.sh)

# Benchmarks are built without sanitizers so their figures mean something; run them by hand.
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  add_library(ormick_core_fast STATIC ${CORE_SOURCES})
  target_include_directories(ormick_core_fast PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(ormick_core_fast PRIVATE -O2 ${WARNINGS})
  target_link_libraries(ormick_core_fast PUBLIC PNG::PNG PkgConfig::ZBAR Threads::Threads)
  add_executable(core_bench ${BENCH_SOURCES} ${CMAKE_SOURCE_DIR}/tests/core/support/debug_log_capture.cpp
    ${CMAKE_SOURCE_DIR}/tests/core/support/ui_strings_native.cpp
    ${CMAKE_SOURCE_DIR}/tests/shared/qr/qr_fixtures_data.cpp ${CMAKE_SOURCE_DIR}/tests/shared/qr/qr_render.cpp)
  target_compile_options(core_bench PRIVATE -O2)
  target_link_libraries(core_bench PRIVATE ormick_core_fast benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(core_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/core ${CMAKE_SOURCE_DIR}/tests/shared/qr
    ${CMAKE_SOURCE_DIR}/tests/shared/gif)
endif()
