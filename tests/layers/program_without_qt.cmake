# Builds a program and fails if it does not run, or if it is built with or needs Qt (Ninja builds).
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
#   cmake -DBUILD_DIR=<build tree> -DTARGET=<target> -DPROGRAM=<its file> -P program_without_qt.cmake
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
    RESULT_VARIABLE built OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT built EQUAL 0)
    message(FATAL_ERROR "${TARGET} does not build:\n${output}")
endif()
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE ran)
if(NOT ran EQUAL 0)
    message(FATAL_ERROR "${TARGET} does not run (${ran})")
endif()
# The link: what the build gives the linker (every library linked, directly or through another).
find_program(NINJA ninja REQUIRED)
execute_process(COMMAND ${NINJA} -C ${BUILD_DIR} -t commands ${TARGET} OUTPUT_VARIABLE commands)
if(commands MATCHES "[Qq]t6")
    string(REGEX MATCH "[^ ]*[Qq]t6[^ ]*" qt "${commands}")
    message(FATAL_ERROR "${TARGET} is built with Qt: ${qt}")
endif()
# The program: the shared libraries it asks for when it starts.
find_program(READELF readelf REQUIRED)
execute_process(COMMAND ${READELF} --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic
    RESULT_VARIABLE read)
if(NOT read EQUAL 0)
    message(FATAL_ERROR "readelf cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]*\\]" needed "${dynamic}")
foreach(library IN LISTS needed)
    if(library MATCHES "libQt")
        message(FATAL_ERROR "${TARGET} needs Qt: ${library}")
    endif()
endforeach()
list(LENGTH needed count)
message(STATUS "${TARGET} needs ${count} libraries, none of them Qt's")
