# The rules viewer, the help operations, the about box and the links: a library of their own that
# the windows library and its tests link.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg)

add_library(veloria_help STATIC
    ${CMAKE_CURRENT_LIST_DIR}/help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_viewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form2.cpp
    ${CMAKE_CURRENT_LIST_DIR}/module1.cpp
)
set_target_properties(veloria_help PROPERTIES AUTOMOC ON)
target_include_directories(veloria_help PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(veloria_help PUBLIC Qt6::Widgets Qt6::Svg
    $<TARGET_NAME_IF_EXISTS:veloria_storage>)

# The rules travel beside the program, in the build tree as when installed.
configure_file(${PROJECT_SOURCE_DIR}/data/throne.hlp ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/throne.hlp
    COPYONLY)
