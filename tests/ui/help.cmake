# Window tests of the rules viewer, the help operations, the about box and the links.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

foreach(name test_help test_form2)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    # The windows library brings the real platform and the pictures.
    target_link_libraries(${name} PRIVATE veloria_help veloria_ui Qt6::Test)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
