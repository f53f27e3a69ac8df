# The game's libraries, each a layer or a folder of windows, or all of them built as one program.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every build but the release builds each layer and each folder of windows as a library of its
# own, whose include root lets it see only the layers below it: an include against the layers'
# direction fails there, in every developer's build and in CI. The release build (the README's
# command that a player runs) has no use for that check and compiles all of the game's code as
# one program in a few large units instead, which on a small machine takes half the time: each
# unit reads Qt's headers once, and nothing waits for a precompiled header. The libraries are then
# names only, with their include roots and links, so the CMake files say the same in both builds.

option(VELORIA_WHOLE_PROGRAM
    "Compile the game as one program in a few large units, without its layers' libraries (the game alone)"
    OFF)
set(VELORIA_WHOLE_PROGRAM_QT_UNITS 2 CACHE STRING
    "Units the whole program's windows and files are split into")
if(VELORIA_WHOLE_PROGRAM AND (VELORIA_BUILD_TESTS OR VELORIA_BUILD_BENCH OR VELORIA_FUZZ))
    message(FATAL_ERROR "VELORIA_WHOLE_PROGRAM builds the game alone: the tests, benchmarks and "
        "fuzzers need the layers' libraries (set VELORIA_BUILD_TESTS, VELORIA_BUILD_BENCH and "
        "VELORIA_FUZZ to OFF)")
endif()

# veloria_code_library(<name> [QT] ROOT <include root> SOURCES <file>... [LINKS <target>...])
# A layer's library. QT: its code reads Qt's headers (the windows' folders and the storage), and
# the windows' classes are run through moc.
function(veloria_code_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "ROOT" "SOURCES;LINKS")
    list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    if(VELORIA_WHOLE_PROGRAM)
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${arg_ROOT})
        target_link_libraries(${name} INTERFACE ${arg_LINKS})
        if(arg_QT)
            set_property(GLOBAL APPEND PROPERTY veloria_whole_program_qt_sources ${arg_SOURCES})
        else()
            set_property(GLOBAL APPEND PROPERTY veloria_whole_program_rule_sources ${arg_SOURCES})
        endif()
    else()
        add_library(${name} STATIC ${arg_SOURCES})
        target_include_directories(${name} PUBLIC ${arg_ROOT})
        target_link_libraries(${name} PUBLIC ${arg_LINKS})
        if(arg_QT)
            set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
        endif()
    endif()
endfunction()

# veloria_code_sources(<library> FILES <file>... [DEPENDS <target>...]): files made in the build
# that a library's code also needs (a resource), and the targets that make them.
function(veloria_code_sources name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FILES;DEPENDS")
    if(VELORIA_WHOLE_PROGRAM)
        set_property(GLOBAL APPEND PROPERTY veloria_whole_program_made_sources ${arg_FILES})
        set_property(GLOBAL APPEND PROPERTY veloria_whole_program_dependencies ${arg_DEPENDS})
    else()
        target_sources(${name} PRIVATE ${arg_FILES})
        if(arg_DEPENDS)
            add_dependencies(${name} ${arg_DEPENDS})
        endif()
    endif()
endfunction()

# veloria_whole_program(<program>): with VELORIA_WHOLE_PROGRAM, every library's code joins the
# program: the rules in one unit (standard C++), the code that reads Qt's headers in
# VELORIA_WHOLE_PROGRAM_QT_UNITS units of neighbouring files, with each file's moc code beside
# it. Otherwise nothing.
function(veloria_whole_program program)
    if(NOT VELORIA_WHOLE_PROGRAM)
        return()
    endif()
    get_property(rules GLOBAL PROPERTY veloria_whole_program_rule_sources)
    get_property(qt GLOBAL PROPERTY veloria_whole_program_qt_sources)
    get_property(made GLOBAL PROPERTY veloria_whole_program_made_sources)
    get_property(dependencies GLOBAL PROPERTY veloria_whole_program_dependencies)
    get_target_property(program_sources ${program} SOURCES)
    list(TRANSFORM program_sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    list(APPEND qt ${program_sources})

    # moc is given the header alone: without the include paths it does not read all of Qt's
    # headers first, and what it writes is the same. The header's configure dependency makes a
    # Q_OBJECT added later reach the build.
    set(units "")
    foreach(source IN LISTS qt)
        if(NOT source MATCHES "\\.cpp$")
            continue()
        endif()
        list(APPEND units ${source})
        cmake_path(REPLACE_EXTENSION source LAST_ONLY .h OUTPUT_VARIABLE header)
        if(NOT EXISTS ${header})
            continue()
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
        file(STRINGS ${header} marks REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE" LIMIT_COUNT 1)
        if(marks)
            cmake_path(GET header STEM stem)
            set(moc ${CMAKE_CURRENT_BINARY_DIR}/moc/moc_${stem}.cpp)
            add_custom_command(OUTPUT ${moc}
                COMMAND Qt6::moc ${header} -o ${moc}
                DEPENDS ${header} Qt6::moc
                VERBATIM)
            list(APPEND units ${moc})
        endif()
    endforeach()

    # Neighbouring files share their headers, so a unit is a run of the list. The runs are cut
    # where the bytes of source read so far pass a unit's share; a file's moc code goes with it and
    # counts as nothing. (Shared out by bytes, the units take the same time within a tenth, by
    # measurement; by count of files the second took a third longer than the first.)
    set(sizes "")
    set(total 0)
    foreach(source IN LISTS units)
        set(size 0)
        if(NOT source MATCHES "/moc/moc_[^/]*\\.cpp$")
            file(SIZE ${source} size)
        endif()
        list(APPEND sizes ${size})
        math(EXPR total "${total} + ${size}")
    endforeach()
    set(read 0)
    foreach(source size IN ZIP_LISTS units sizes)
        math(EXPR group "${read} * ${VELORIA_WHOLE_PROGRAM_QT_UNITS} / (${total} + 1)")
        set_source_files_properties(${source} TARGET_DIRECTORY ${program} PROPERTIES
            UNITY_GROUP qt_${group})
        math(EXPR read "${read} + ${size}")
    endforeach()
    set_source_files_properties(${rules} TARGET_DIRECTORY ${program} PROPERTIES UNITY_GROUP rules)

    set(joining ${rules} ${qt} ${units} ${made})
    list(REMOVE_DUPLICATES joining)
    list(REMOVE_ITEM joining ${program_sources})
    target_sources(${program} PRIVATE ${joining})
    if(dependencies)
        add_dependencies(${program} ${dependencies})
    endif()
    set_target_properties(${program} PROPERTIES
        AUTORCC ON UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
    # The units' assembly goes straight to the assembler, and gold (binutils') links the program
    # in a fifth of the time of the default linker, with the same hardening.
    target_compile_options(${program} PRIVATE -pipe)
    find_program(VELORIA_GOLD_LINKER ld.gold)
    if(VELORIA_GOLD_LINKER)
        target_link_options(${program} PRIVATE -fuse-ld=gold)
    endif()
endfunction()
