# The core: everything but the Qt widgets. Files named *_dialog.cpp, and everything under
# src/app and src/res, belong to the window program.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FFMPEG REQUIRED IMPORTED_TARGET libavformat libavcodec libavutil)
pkg_check_modules(BLKID IMPORTED_TARGET blkid)
find_package(Threads REQUIRED)

file(GLOB_RECURSE CORE_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/probe/*.cpp
  ${PROJECT_SOURCE_DIR}/src/scan/*.cpp
  ${PROJECT_SOURCE_DIR}/src/list/*.cpp
  ${PROJECT_SOURCE_DIR}/src/settings/*.cpp
  ${PROJECT_SOURCE_DIR}/src/edit/*.cpp
  ${PROJECT_SOURCE_DIR}/src/platform/*.cpp)
list(FILTER CORE_SOURCES EXCLUDE REGEX "_dialog\\.cpp$")

add_library(tessaroll_core STATIC ${CORE_SOURCES})
target_include_directories(tessaroll_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_compile_definitions(tessaroll_core PUBLIC TESSAROLL_VERSION="${PROJECT_VERSION}")
target_compile_definitions(tessaroll_core PRIVATE TESSAROLL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# FFmpeg's headers only: the libraries are loaded when first needed (platform/av_library.h).
target_include_directories(tessaroll_core PUBLIC ${FFMPEG_INCLUDE_DIRS})
target_link_libraries(tessaroll_core PUBLIC Threads::Threads ${CMAKE_DL_LIBS})
if(BLKID_FOUND)
  target_link_libraries(tessaroll_core PUBLIC PkgConfig::BLKID)
  target_compile_definitions(tessaroll_core PUBLIC TESSAROLL_HAVE_BLKID=1)
endif()
