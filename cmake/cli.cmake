# The batch command links only the core.
file(GLOB CLI_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/cli/*.cpp)
list(FILTER CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(tessaroll_cli_lib STATIC ${CLI_SOURCES})
target_link_libraries(tessaroll_cli_lib PUBLIC tessaroll_core)

add_executable(tessaroll-cli ${PROJECT_SOURCE_DIR}/src/cli/main.cpp)
target_link_libraries(tessaroll-cli PRIVATE tessaroll_cli_lib)
set_target_properties(tessaroll-cli PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
