# Shorter builds: the game's own libraries and program compile as a few large units (unity build)
# and the windows' code reads Qt Widgets' headers once, precompiled.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Applied to every target under src/ once they are all made, so a file or a target added there
# takes part without a line here. A unity unit joins several .cpp files: two names in their
# anonymous namespaces must not meet (give a file's own helpers names of their own). The tests
# keep one unit per file, as a test's file has helpers alike by nature. The release build, whose
# program is compiled whole (code_libraries.cmake), takes its units from there and no
# precompiled header.

option(VELORIA_UNITY_BUILD "Compile the game's files in a few large units" ON)
set(VELORIA_UNITY_BATCH_SIZE 8 CACHE STRING "Files in one unity unit")
option(VELORIA_PRECOMPILED_HEADERS "Read Qt Widgets' headers precompiled" ON)

# The headers nearly every window reads; more would make the precompiled header slower to load
# than what it saves.
set(veloria_widgets_headers
    <QAccessible> <QAction> <QApplication> <QCoreApplication> <QFont> <QGroupBox>
    <QGuiApplication> <QLabel> <QLineEdit> <QObject> <QPainter> <QPushButton> <QScrollBar>
    <QString> <QStringList> <QStyle> <QWidget>)

function(veloria_collect_targets dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub IN LISTS subdirs)
        veloria_collect_targets(${sub} more)
        list(APPEND targets ${more})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Whether <target> is built against Qt Widgets: it links Qt6::Widgets, or a library of ours that
# does, directly or through others.
function(veloria_uses_widgets target out)
    set(${out} FALSE PARENT_SCOPE)
    get_target_property(imported ${target} IMPORTED)
    if(imported)
        return()
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
    else()
        get_target_property(links ${target} LINK_LIBRARIES)
    endif()
    if(NOT links)
        return()
    endif()
    if("Qt6::Widgets" IN_LIST links)
        set(${out} TRUE PARENT_SCOPE)
        return()
    endif()
    foreach(link IN LISTS links)
        if(TARGET ${link})
            veloria_uses_widgets(${link} found)
            if(found)
                set(${out} TRUE PARENT_SCOPE)
                return()
            endif()
        endif()
    endforeach()
endfunction()

# Speeds up every target under <dir>: all built against Qt Widgets share one precompiled header
# (made once by a target of its own, so that none waits for another); with UNITY their files are
# also joined into unity units.
function(veloria_speed_up_build dir)
    cmake_parse_arguments(PARSE_ARGV 1 arg "UNITY" "" "")
    veloria_collect_targets(${dir} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
            continue()
        endif()
        # Qt's code generators (moc) need the sources alone, not the libraries a target links:
        # without this each window library's moc waits for the one below it to be built, and the
        # libraries compile one after the other.
        set_target_properties(${target} PROPERTIES AUTOGEN_ORIGIN_DEPENDS OFF)
        if(arg_UNITY)
            set_target_properties(${target} PROPERTIES
                UNITY_BUILD ${VELORIA_UNITY_BUILD}
                UNITY_BUILD_BATCH_SIZE ${VELORIA_UNITY_BATCH_SIZE})
        endif()
        # Qt's targets make every user position-independent (-fPIC), programs and libraries alike,
        # so one header serves them all.
        veloria_uses_widgets(${target} widgets)
        # The whole program has too few units for a precompiled header to pay for itself.
        if(VELORIA_PRECOMPILED_HEADERS AND widgets AND NOT VELORIA_WHOLE_PROGRAM
           AND NOT target STREQUAL "veloria_widgets_pch")
            if(NOT TARGET veloria_widgets_pch)
                set(source ${CMAKE_BINARY_DIR}/widgets_pch.cpp)
                file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled header's own unit.\n")
                find_package(Qt6 REQUIRED COMPONENTS Widgets)
                add_library(veloria_widgets_pch OBJECT ${source})
                target_link_libraries(veloria_widgets_pch PRIVATE Qt6::Widgets)
                target_precompile_headers(veloria_widgets_pch PRIVATE ${veloria_widgets_headers})
            endif()
            target_precompile_headers(${target} REUSE_FROM veloria_widgets_pch)
        endif()
    endforeach()
endfunction()
