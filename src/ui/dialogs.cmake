# The save and load windows, the table of the best kings and the end of a reign: a library of
# their own that the main window and the window tests link.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(veloria_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form3.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form4.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form7.cpp
    ${CMAKE_CURRENT_LIST_DIR}/end_of_reign_flow.cpp
)
target_include_directories(veloria_dialogs PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(veloria_dialogs PUBLIC Qt6::Widgets veloria_rules veloria_storage)
