# Window tests of the save and load windows, the table of the best kings and the end of a reign.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

foreach(name test_dialogs test_form7)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_link_libraries(${name} PRIVATE veloria_dialogs Qt6::Test)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
