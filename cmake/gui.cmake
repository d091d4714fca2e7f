# The window program: the only target that finds Qt.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

file(GLOB_RECURSE GUI_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/app/*.cpp
  ${PROJECT_SOURCE_DIR}/src/res/*.cpp
  ${PROJECT_SOURCE_DIR}/src/*_dialog.cpp)
list(FILTER GUI_SOURCES EXCLUDE REGEX "/app/main\\.cpp$")
file(GLOB_RECURSE GUI_HEADERS CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/app/*.h
  ${PROJECT_SOURCE_DIR}/src/*_dialog.h)
file(GLOB GUI_RESOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/res/*.qrc)

add_library(tessaroll_gui STATIC ${GUI_SOURCES} ${GUI_HEADERS} ${GUI_RESOURCES})
set_target_properties(tessaroll_gui PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(tessaroll_gui PUBLIC tessaroll_core Qt6::Widgets)

add_executable(tessaroll ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(tessaroll PRIVATE tessaroll_gui)
set_target_properties(tessaroll PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
