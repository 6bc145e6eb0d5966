# Windows build with mingw-w64: the program, the Win32 unit tests (run under Wine by ctest)
# and the end-to-end helper.
set(DEPS_PREFIX ${CMAKE_SOURCE_DIR}/build/deps CACHE PATH "mingw dependencies built by scripts/setup")
set(PNG_STATIC ${DEPS_PREFIX}/libpng/lib/libpng16.a)
if(NOT EXISTS ${PNG_STATIC})
  message(FATAL_ERROR "libpng for mingw is missing (${PNG_STATIC}): run scripts/setup")
endif()
find_library(ZLIB_STATIC NAMES libz.a z REQUIRED)
set(ZBAR_STATIC ${DEPS_PREFIX}/zbar/lib/libzbar.a)
if(NOT EXISTS ${ZBAR_STATIC})
  message(FATAL_ERROR "zbar for mingw is missing (${ZBAR_STATIC}): run scripts/setup")
endif()

# mingw has no iconv: zbar and the QR text decoding use ours (src/qr/iconv_win.cpp), which is
# among the program's objects and so always linked.
add_library(zbar_mingw STATIC IMPORTED)
set_target_properties(zbar_mingw PROPERTIES IMPORTED_LOCATION ${ZBAR_STATIC})
target_include_directories(zbar_mingw SYSTEM INTERFACE ${DEPS_PREFIX}/zbar/include ${CMAKE_SOURCE_DIR}/src/qr/iconv)

set(WIN_DEFS UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00 NOMINMAX WIN32_LEAN_AND_MEAN)
# No mfplat or mfreadwrite: Media Foundation is loaded when an MP4 recording starts, so the
# program starts where it is missing (mfuuid holds only GUIDs).
set(SYSTEM_LIBS d3d11 dxgi dwmapi gdiplus msimg32 shcore shlwapi imm32 comdlg32 comctl32 ole32
    oleaut32 uuid winspool windowscodecs mfuuid runtimeobject psapi)

# Every object goes into each program, not an archive the linker picks from: a stub and the real
# file that replaces it, both defining the same function, are a link error ("multiple
# definition") instead of the stub winning silently. Replacing a stub means deleting its file.
add_library(ormick_win OBJECT ${CORE_SOURCES} ${WIN_SOURCES})
target_include_directories(ormick_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${DEPS_PREFIX}/libpng/include)
target_compile_definitions(ormick_win PUBLIC ${WIN_DEFS})
target_compile_options(ormick_win PRIVATE ${WARNINGS})
target_link_libraries(ormick_win PUBLIC ${PNG_STATIC} ${ZLIB_STATIC} zbar_mingw ${SYSTEM_LIBS})
target_link_options(ormick_win PUBLIC -static -static-libgcc -static-libstdc++)

# Program icon drawn by our own script, then the resource script.
set(ICON_FILE ${CMAKE_BINARY_DIR}/ormick-oxel.ico)
add_custom_command(OUTPUT ${ICON_FILE}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/resources/make_icon.py ${ICON_FILE}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/make_icon.py VERBATIM)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/ormick-oxel.rc PROPERTIES
  OBJECT_DEPENDS "${ICON_FILE};${CMAKE_SOURCE_DIR}/resources/ormick-oxel.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR} -I${CMAKE_SOURCE_DIR}/resources")
enable_language(RC)

add_executable(ormick-oxel WIN32 ${CMAKE_SOURCE_DIR}/src/main/main_win.cpp ${OCR_ENGINE_CHOICE}
  ${CMAKE_SOURCE_DIR}/resources/ormick-oxel.rc)
target_compile_options(ormick-oxel PRIVATE ${WARNINGS})
target_link_libraries(ormick-oxel PRIVATE ormick_win)
target_link_options(ormick-oxel PRIVATE -municode)
# The exe to ship carries no debug information (50 MB of it): that goes to ormick-oxel.exe.debug
# beside it, which gdb and winedbg find through the exe's debug link. The symbol table stays
# (1.2 MB): without it winedbg ignores the link. The test exes keep everything.
if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "no objcopy for ${MINGW_TRIPLE} found: it splits the debug information off the exe")
endif()
add_custom_command(TARGET ormick-oxel POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:ormick-oxel> $<TARGET_FILE:ormick-oxel>.debug
  COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:ormick-oxel>.debug
    $<TARGET_FILE:ormick-oxel>
  BYPRODUCTS ${CMAKE_CURRENT_BINARY_DIR}/ormick-oxel.exe.debug
  VERBATIM)

# googletest from Debian's sources, cross-built; win_tests has its own main (a watchdog).
set(GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest_mingw STATIC ${GTEST_SRC}/src/gtest-all.cc)
target_include_directories(gtest_mingw PUBLIC ${GTEST_SRC}/include PRIVATE ${GTEST_SRC})
target_compile_definitions(gtest_mingw PUBLIC GTEST_HAS_PTHREAD=1)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-exec)
file(GLOB WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp ${CMAKE_SOURCE_DIR}/tests/shared/*/*.cpp)
add_executable(win_tests ${WIN_TESTS} ${OCR_ENGINE_CHOICE} ${CMAKE_SOURCE_DIR}/tests/fakeocr/scripted_ocr_platform.cpp
  ${CMAKE_SOURCE_DIR}/resources/ormick-oxel.rc)
target_compile_options(win_tests PRIVATE ${WARNINGS})
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/shared/qr ${CMAKE_SOURCE_DIR}/tests/shared/gif
  ${CMAKE_SOURCE_DIR}/tests/fakeocr)
target_link_libraries(win_tests PRIVATE ormick_win gtest_mingw)
add_test(NAME win_tests COMMAND win_tests)
set_tests_properties(win_tests PROPERTIES TIMEOUT 600 RESOURCE_LOCK wine_prefix_locale)

# The language choice under a non-English Windows UI language, which Wine takes from LC_ALL
# (the Unix locale need not be installed). Such a run rewrites the prefix's regional formats,
# so it does not overlap the main run in the same prefix.
foreach(run "de_DE.UTF-8=de" "zh_SG.UTF-8=zh-CN")
  string(REPLACE "=" ";" run ${run})
  list(GET run 0 locale)
  list(GET run 1 code)
  add_test(NAME win_tests_ui_language_${code} COMMAND win_tests --gtest_filter=UiStrings.*)
  set_tests_properties(win_tests_ui_language_${code} PROPERTIES TIMEOUT 120 RESOURCE_LOCK wine_prefix_locale
    ENVIRONMENT "LC_ALL=${locale};ORMICK_TEST_UI_LANG_CODE=${code}"
    ENVIRONMENT_MODIFICATION "ORMICK_OXEL_LANG=unset:")
endforeach()

# The whole program with the scripted OCR stand-in (ORMICK_OXEL_FAKE_OCR names its script) in
# place of the Windows OCR engine: test-only, never shipped.
add_executable(ormick-oxel-fakeocr WIN32 ${CMAKE_SOURCE_DIR}/tests/fakeocr/fakeocr_main_win.cpp
  ${CMAKE_SOURCE_DIR}/tests/fakeocr/scripted_ocr_platform.cpp ${CMAKE_SOURCE_DIR}/resources/ormick-oxel.rc)
target_include_directories(ormick-oxel-fakeocr PRIVATE ${CMAKE_SOURCE_DIR}/tests/fakeocr)
target_compile_options(ormick-oxel-fakeocr PRIVATE ${WARNINGS})
target_link_libraries(ormick-oxel-fakeocr PRIVATE ormick_win)
target_link_options(ormick-oxel-fakeocr PRIVATE -municode)

# End to end: a helper exe that runs beside the program in the same Wine desktop, and one
# ctest entry per case script.
file(GLOB HELPER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/helper/*.cpp)
if(HELPER_SOURCES)
  # The settings template comes from the program's own source, for byte-exact comparison.
  add_executable(oxel-helper ${HELPER_SOURCES} ${CMAKE_SOURCE_DIR}/src/settings/settings_template.cpp)
  target_compile_definitions(oxel-helper PRIVATE ${WIN_DEFS})
  target_include_directories(oxel-helper PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(oxel-helper PRIVATE ${WARNINGS})
  target_link_libraries(oxel-helper PRIVATE psapi user32 gdi32 shell32)
  target_link_options(oxel-helper PRIVATE -static -municode)
endif()
# The window that scrolling-capture cases scroll; test-only, never linked into the program.
add_executable(scroll-target ${CMAKE_SOURCE_DIR}/tests/e2e/scroll_target/scroll_target.cpp)
target_compile_definitions(scroll-target PRIVATE ${WIN_DEFS})
target_compile_options(scroll-target PRIVATE ${WARNINGS})
target_link_libraries(scroll-target PRIVATE user32 gdi32)
target_link_options(scroll-target PRIVATE -static -municode)
file(GLOB E2E_CASES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/cases/*.sh)
foreach(case ${E2E_CASES})
  get_filename_component(name ${case} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/run-case ${case})
  set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 300 LABELS e2e
    ENVIRONMENT "ORMICK_BUILD_DIR=${CMAKE_BINARY_DIR}")
endforeach()

# The program starts where Media Foundation is missing only if it does not import it.
add_test(NAME exe_imports COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/exe_imports_test.sh $<TARGET_FILE:ormick-oxel>)

# scripts/run as a user meets it, with this build's exe.
add_test(NAME scripts_run COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/run_test.sh)
set_tests_properties(scripts_run PROPERTIES TIMEOUT 300 LABELS e2e ENVIRONMENT "ORMICK_BUILD_DIR=${CMAKE_BINARY_DIR}")
