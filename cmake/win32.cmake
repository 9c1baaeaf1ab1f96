# The product: Tikolvo.exe, i686, static, loads on Windows XP.
enable_language(RC)
# MinGW's own printf family: exact decimal conversions whatever msvcrt.dll does.
set(WIN_DEFS UNICODE _UNICODE WINVER=0x0501 _WIN32_WINNT=0x0501 NOMINMAX WIN32_LEAN_AND_MEAN __USE_MINGW_ANSI_STDIO=1)
target_compile_definitions(tikolvo_core PUBLIC ${WIN_DEFS})
# Each function and datum in a section of its own, so the linker can drop
# whatever the exe never reaches.
# -Os for the product: it mostly waits on the user, and every byte of the
# exe is read into memory at start. What runs at every tick (the drawing
# engine) keeps -O3; what decodes pictures and sounds keeps -O2.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
string(REPLACE "-O3" "-Os" CMAKE_C_FLAGS_RELEASE "${CMAKE_C_FLAGS_RELEASE}")
file(GLOB RENDER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/render/*.cpp)
# The engine does not read errno: without it, sqrt and llrint are single x87
# instructions instead of library calls.
set_source_files_properties(${RENDER_SOURCES} PROPERTIES COMPILE_OPTIONS "-O3;-fno-math-errno")
file(GLOB DECODER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/audio/*.cpp ${CMAKE_SOURCE_DIR}/src/skin/bmp_*.cpp
  ${CMAKE_SOURCE_DIR}/src/skin/jpeg_decode.cpp ${CMAKE_SOURCE_DIR}/src/skin/inflate.cpp)
set_source_files_properties(${DECODER_SOURCES} PROPERTIES COMPILE_OPTIONS -O2)
set(SECTION_PER_FUNCTION -ffunction-sections -fdata-sections)
target_compile_options(tikolvo_core PRIVATE ${SECTION_PER_FUNCTION})
add_compile_options(${SECTION_PER_FUNCTION})

# Every res/*.rc goes into the exe; all but Tikolvo.rc (icon, version, the
# built-in skin) also into the Win32-side tests, so windows built from dialog
# templates can be tested there. Templates are named by strings, and control
# ids are #defines in headers under src/ that the .rc and the C++ both read.
file(GLOB RC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/*.rc)
set(RC_TEMPLATE_SOURCES ${RC_SOURCES})
list(FILTER RC_TEMPLATE_SOURCES EXCLUDE REGEX "/Tikolvo\\.rc$")
add_executable(Tikolvo WIN32 ${WIN_SOURCES} ${RC_SOURCES})
target_include_directories(Tikolvo PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/generated)
# Unreached sections collected, symbols stripped: what is built is what ships.
# Sections laid out on whole pages in the file too, so that the loader can
# map the image straight from the file and keep in memory only the pages the
# program touches, instead of reading all of it into private memory.
target_link_options(Tikolvo PRIVATE -static -static-libgcc -static-libstdc++ -municode -Wl,--gc-sections -s
  -Wl,--file-alignment,0x1000 -Wl,-Map=${CMAKE_BINARY_DIR}/Tikolvo.map)
target_link_libraries(Tikolvo PRIVATE tikolvo_core shell32 gdi32 user32 advapi32 msimg32)
tikolvo_warnings(Tikolvo)
set_target_properties(Tikolvo PROPERTIES OUTPUT_NAME Tikolvo)

# Win32-side tests (doctest; GoogleTest does not build with this compiler) and
# the probe that end-to-end tests use to look at the program's windows.
set(WIN_LIB_SOURCES ${WIN_SOURCES})
list(FILTER WIN_LIB_SOURCES EXCLUDE REGEX "/app/win/win_main\\.cpp$")
file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp)
if(WIN_TEST_SOURCES)
  add_executable(win_tests ${WIN_TEST_SOURCES} ${WIN_LIB_SOURCES} ${RC_TEMPLATE_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/win/doctest_main.cpp)
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res ${CMAKE_SOURCE_DIR}/tests
    ${CMAKE_BINARY_DIR}/generated)
  # Debian's doctest lives under /usr/include, which the cross compiler does not search.
  target_include_directories(win_tests SYSTEM PRIVATE /usr/include/doctest)
  target_link_options(win_tests PRIVATE -static -static-libgcc -static-libstdc++ -municode)
  target_link_libraries(win_tests PRIVATE tikolvo_core comctl32 shell32 ole32 uuid gdi32 user32 advapi32 msimg32)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/probe.cpp)
  add_executable(probe ${CMAKE_SOURCE_DIR}/tests/e2e/probe.cpp)
  target_link_options(probe PRIVATE -static -static-libgcc -static-libstdc++ -municode)
  target_link_libraries(probe PRIVATE user32 gdi32)
endif()
# Scripted stand-ins for the dial-up and IP helper libraries: the end-to-end
# tests put them beside the exe to drive the real connection monitor.
foreach(standin rasapi32 iphlpapi)
  add_library(standin_${standin} MODULE ${CMAKE_SOURCE_DIR}/tests/e2e/standins/${standin}.c)
  set_target_properties(standin_${standin} PROPERTIES PREFIX "" OUTPUT_NAME ${standin}
                        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
  target_link_options(standin_${standin} PRIVATE -static -static-libgcc -Wl,--kill-at)
endforeach()

# Generated resources: the program icon (drawn by a script) and the skins
# (drawn by the host tool make_skins). Nothing binary is edited by hand.
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${GENERATED_DIR})
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${GENERATED_DIR}/Tikolvo.ico
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${GENERATED_DIR}/Tikolvo.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py)

# Cross-compiling, the skin tools come from the native build (make.sh passes
# its folder); building on Windows itself, they are built right here.
set(TIKOLVO_HOST_TOOLS "" CACHE PATH "Folder of the native build with make_skins and tks_pack")
if(CMAKE_CROSSCOMPILING)
  if(NOT TIKOLVO_HOST_TOOLS)
    message(FATAL_ERROR "Set TIKOLVO_HOST_TOOLS to the native build folder (make.sh build does)")
  endif()
  set(MAKE_SKINS ${TIKOLVO_HOST_TOOLS}/make_skins)
  set(SKIN_TOOLS ${MAKE_SKINS} ${TIKOLVO_HOST_TOOLS}/tks_pack)
else()
  add_executable(make_skins ${CMAKE_SOURCE_DIR}/tools/make_skins.cpp)
  add_executable(tks_pack ${CMAKE_SOURCE_DIR}/tools/tks_pack.cpp)
  target_link_libraries(make_skins PRIVATE tikolvo_core)
  target_link_libraries(tks_pack PRIVATE tikolvo_core)
  set(MAKE_SKINS $<TARGET_FILE:make_skins>)
  set(SKIN_TOOLS make_skins tks_pack)
endif()
file(GLOB_RECURSE SKIN_ASSETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/skins/*)
set(SKINS_DIR ${GENERATED_DIR}/skins)
set(SHIPPED_SKINS default.tks layered.tks colourmap.tks)
list(TRANSFORM SHIPPED_SKINS PREPEND ${SKINS_DIR}/ OUTPUT_VARIABLE SKIN_FILES)
add_custom_command(OUTPUT ${SKIN_FILES}
  COMMAND ${MAKE_SKINS} --assets ${CMAKE_SOURCE_DIR}/assets ${SKINS_DIR}
  DEPENDS ${SKIN_TOOLS} ${SKIN_ASSETS})
add_custom_command(OUTPUT ${GENERATED_DIR}/default_skin.ress
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/zlib_resource.py ${SKINS_DIR}/default.tks ${GENERATED_DIR}/default_skin.ress
  DEPENDS ${SKINS_DIR}/default.tks ${CMAKE_SOURCE_DIR}/tools/zlib_resource.py)
# What make.sh dist ships beside the exe.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/skins/default.tks
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist/skins
  COMMAND ${CMAKE_COMMAND} -E copy ${SKIN_FILES} ${CMAKE_BINARY_DIR}/dist/skins/
  DEPENDS ${SKIN_FILES})

# The built-in sounds: rendered from their descriptions by make_sounds and
# packed into plug\music.res, the bank the program plays its short sounds from.
if(CMAKE_CROSSCOMPILING)
  set(MAKE_SOUNDS ${TIKOLVO_HOST_TOOLS}/make_sounds)
  set(BANK_PACK ${TIKOLVO_HOST_TOOLS}/sound_bank_pack)
  set(SOUND_TOOLS ${MAKE_SOUNDS} ${BANK_PACK})
else()
  add_executable(make_sounds ${CMAKE_SOURCE_DIR}/tools/make_sounds.cpp)
  add_executable(sound_bank_pack ${CMAKE_SOURCE_DIR}/tools/sound_bank_pack.cpp)
  target_link_libraries(make_sounds PRIVATE tikolvo_core)
  target_link_libraries(sound_bank_pack PRIVATE tikolvo_core)
  set(MAKE_SOUNDS $<TARGET_FILE:make_sounds>)
  set(BANK_PACK $<TARGET_FILE:sound_bank_pack>)
  set(SOUND_TOOLS make_sounds sound_bank_pack)
endif()
file(GLOB SOUND_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/sounds/*.txt)
set(SOUND_MEMBERS)
foreach(source ${SOUND_SOURCES})
  get_filename_component(stem ${source} NAME_WE)
  string(REGEX MATCH "^[0-9]+" number ${stem})
  list(APPEND SOUND_MEMBERS ${number}=${GENERATED_DIR}/sounds/${stem}.wav)
endforeach()
set(MUSIC_RES ${CMAKE_BINARY_DIR}/dist/plug/music.res)
add_custom_command(OUTPUT ${MUSIC_RES}
  COMMAND ${MAKE_SOUNDS} ${CMAKE_SOURCE_DIR}/assets/sounds ${GENERATED_DIR}/sounds
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist/plug
  COMMAND ${BANK_PACK} ${MUSIC_RES} ${SOUND_MEMBERS}
  DEPENDS ${SOUND_TOOLS} ${SOUND_SOURCES})

add_custom_target(generated_resources DEPENDS ${GENERATED_DIR}/Tikolvo.ico ${GENERATED_DIR}/default_skin.ress
  ${CMAKE_BINARY_DIR}/dist/skins/default.tks ${MUSIC_RES})
add_dependencies(Tikolvo generated_resources)
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/Tikolvo.rc PROPERTIES
  OBJECT_DEPENDS "${GENERATED_DIR}/Tikolvo.ico;${GENERATED_DIR}/default_skin.ress")
target_include_directories(Tikolvo PRIVATE ${GENERATED_DIR})

# zlib from Debian's MinGW package; libjpeg-turbo built by make.sh setup.
set(TIKOLVO_JPEG_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-turbo-mingw" CACHE PATH "libjpeg-turbo for MinGW")
find_library(MINGW_ZLIB NAMES libz.a z REQUIRED)
find_library(MINGW_JPEG NAMES libjpeg.a PATHS ${TIKOLVO_JPEG_PREFIX}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
target_include_directories(tikolvo_core PUBLIC ${TIKOLVO_JPEG_PREFIX}/include)
target_link_libraries(tikolvo_core PUBLIC ${MINGW_JPEG} ${MINGW_ZLIB})

# Sound decoding: stb_vorbis (one header from Debian's libstb-dev) and
# libmpg123, built for MinGW by make.sh setup.
set(TIKOLVO_MPG123_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/mpg123-mingw" CACHE PATH "libmpg123 for MinGW")
find_library(MINGW_MPG123 NAMES libmpg123.a PATHS ${TIKOLVO_MPG123_PREFIX}/lib NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
target_include_directories(tikolvo_core SYSTEM PUBLIC /usr/include/stb ${TIKOLVO_MPG123_PREFIX}/include)
target_compile_definitions(tikolvo_core PUBLIC TIKOLVO_WITH_MPG123)
target_link_libraries(tikolvo_core PUBLIC ${MINGW_MPG123} shlwapi)

# ---- The program's pictures -------------------------------------------------
# Icon strips, button glyphs, the about page's logo and banner: drawn by the
# host tool make_pictures from assets/pictures/pictures.txt and the Tango icon
# theme (Debian's tango-icon-theme, public domain), each BMP then packed into
# one zlib stream, the "RESS" form res/pictures.rc declares. The banner's text
# is set in Liberation Sans (Debian's fonts-liberation).
set(TIKOLVO_ICON_THEME "/usr/share/icons/Tango" CACHE PATH "Tango icon theme the program's pictures come from")
set(TIKOLVO_BANNER_FONT "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf" CACHE FILEPATH
    "TrueType font of the about page's banner")
if(CMAKE_CROSSCOMPILING)
  set(MAKE_PICTURES ${TIKOLVO_HOST_TOOLS}/make_pictures)
  set(PICTURE_TOOL ${MAKE_PICTURES})
else()
  add_executable(make_pictures ${CMAKE_SOURCE_DIR}/tools/make_pictures.cpp)
  target_link_libraries(make_pictures PRIVATE tikolvo_core)
  set(MAKE_PICTURES $<TARGET_FILE:make_pictures>)
  set(PICTURE_TOOL make_pictures)
endif()
set(PICTURES_DIR ${GENERATED_DIR}/pictures)
set(PICTURE_NAMES BITMAP_ILSYSTEM BITMAP_ILSYSTEM_MASK BITMAP_ILSYSTEM_32 BITMAP_ILSYSTEM_32_MASK
  BITMAP_IL_M BITMAP_IL_M_MASK BITMAP_LISTPIC BITMAP_LISTPIC_MASK
  BITMAP_BB_UP BITMAP_BB_DOWN BITMAP_BB_SAVE BITMAP_FIND BITMAP_LOGO LOGO_BACK_IMAGE)
list(TRANSFORM PICTURE_NAMES PREPEND ${PICTURES_DIR}/ OUTPUT_VARIABLE PICTURE_STEMS)
list(TRANSFORM PICTURE_STEMS APPEND .bmp OUTPUT_VARIABLE PICTURE_BMPS)
list(TRANSFORM PICTURE_STEMS APPEND .ress OUTPUT_VARIABLE PICTURE_RESS)
add_custom_command(OUTPUT ${PICTURE_BMPS}
  COMMAND ${MAKE_PICTURES} --table ${CMAKE_SOURCE_DIR}/assets/pictures/pictures.txt
    --icons ${TIKOLVO_ICON_THEME} --font ${TIKOLVO_BANNER_FONT} ${PICTURES_DIR}
  DEPENDS ${PICTURE_TOOL} ${CMAKE_SOURCE_DIR}/assets/pictures/pictures.txt)
foreach(stem ${PICTURE_STEMS})
  add_custom_command(OUTPUT ${stem}.ress
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/zlib_resource.py ${stem}.bmp ${stem}.ress
    DEPENDS ${stem}.bmp ${CMAKE_SOURCE_DIR}/tools/zlib_resource.py)
endforeach()
add_custom_target(generated_pictures DEPENDS ${PICTURE_RESS})
add_dependencies(Tikolvo generated_pictures)
if(TARGET win_tests)
  add_dependencies(win_tests generated_pictures)
endif()
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/pictures.rc PROPERTIES OBJECT_DEPENDS "${PICTURE_RESS}")

# Timing runs of the exe's own code under Wine (Google Benchmark does not
# build for this target); make.sh bench runs them beside the native ones.
file(GLOB WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/win/*_timing.cpp)
foreach(source ${WIN_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++ -municode)
  target_link_libraries(${name} PRIVATE tikolvo_core)
endforeach()

# The floor the footprint benchmark compares the clock with: a window, a
# timer and GDI text, nothing of ours linked in.
add_executable(floor_clock WIN32 ${CMAKE_SOURCE_DIR}/bench/win/floor_clock.cpp)
target_link_options(floor_clock PRIVATE -static -static-libgcc -static-libstdc++ -municode -s)
target_compile_definitions(floor_clock PRIVATE ${WIN_DEFS})
target_link_libraries(floor_clock PRIVATE user32 gdi32)
