# moc run on a window's header alone writes the same code as moc run with every include path.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The release build runs moc so (cmake/code_libraries.cmake): this compares each header's moc
# code from the libraries' build (CMake's AUTOMOC, given every include path) with moc's on the
# header alone. The #include lines may differ: AUTOMOC's moc also names a header a base class's
# moc asks for.
# Usage: cmake -DMOC=<moc> -DSOURCE=<source dir> -DWORK=<folder>
#              (-DBUILD=<build dir> | -DINCLUDE=<include dir>) -P moc_alone.cmake
# With INCLUDE instead of a build, the code to compare with is moc's given that include path.

cmake_minimum_required(VERSION 3.25)

file(MAKE_DIRECTORY ${WORK}/alone ${WORK}/included)
file(GLOB_RECURSE headers ${SOURCE}/src/*.h)
set(references "")
foreach(header IN LISTS headers)
    file(STRINGS ${header} marks REGEX "Q_OBJECT|Q_GADGET|Q_NAMESPACE" LIMIT_COUNT 1)
    if(NOT marks)
        continue()
    endif()
    cmake_path(GET header STEM stem)
    if(DEFINED INCLUDE)
        set(reference ${WORK}/included/moc_${stem}.cpp)
        execute_process(COMMAND ${MOC} -I${INCLUDE} ${header} -o ${reference})
    else()
        file(GLOB_RECURSE reference ${BUILD}/src/ui/*_autogen/moc_${stem}.cpp)
    endif()
    if(NOT EXISTS "${reference}")
        message(FATAL_ERROR "no moc code for ${header} to compare with")
    endif()
    list(APPEND references ${reference})
    list(APPEND marked ${header})
endforeach()
list(LENGTH references count)
if(count EQUAL 0)
    message(FATAL_ERROR "no header with Q_OBJECT in ${SOURCE}/src")
endif()

foreach(reference header IN ZIP_LISTS references marked)
    cmake_path(GET reference FILENAME name)
    execute_process(COMMAND ${MOC} ${header} -o ${WORK}/alone/${name} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "moc failed on ${header} alone")
    endif()
    file(STRINGS ${reference} expected)
    file(STRINGS ${WORK}/alone/${name} written)
    list(FILTER expected EXCLUDE REGEX "^#include ")
    list(FILTER written EXCLUDE REGEX "^#include ")
    if(NOT expected STREQUAL written)
        message(FATAL_ERROR "moc alone differs: for ${header} it writes other code than with "
            "the include paths; a macro the header needs comes from another header")
    endif()
endforeach()
message(STATUS "${count} headers: the same moc code alone")
