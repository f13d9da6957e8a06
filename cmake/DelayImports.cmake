# Our programs run with administrator rights or from folders that others can write to, and
# Windows resolves the DLLs a program imports at start-up (and those they import in turn) before
# WinMain runs, looking in the executable's own folder first. So each program imports only
# kernel32 and the C runtime at start-up; every other system DLL is loaded at its first call,
# after WinMain has limited the library search to System32 (support/library_search.h). Programs
# link import libraries of the short kind that lld makes delay-load tables for (--delayload), made
# by llvm-dlltool from the names in the ordinary ones; the tests link the ordinary ones.
# lld's thunks save and restore the integer and the first four XMM argument registers around the
# helper's first call; the thunks of dlltool's delay-load libraries, which the build used with
# GNU ld, saved only the integer ones, and a function taking floating-point arguments got garbage
# at its first call. Keep such functions out of delay-loaded DLLs all the same (reach them through
# COM, as the Imaging Component is): before adding a DLL or calling a new function of one, look
# at its parameters.

set(TVL_DELAY_IMPORT_DIR ${CMAKE_BINARY_DIR}/delay)

# Makes the delay-load import library of each system DLL named, once for the whole build, and the
# target delay_import_libraries that makes them all. Called once, before the programs' folders.
function(tvl_add_delay_import_libraries)
    find_program(TVL_LLVM_DLLTOOL NAMES llvm-dlltool llvm-dlltool-14 REQUIRED)
    set(outputs)
    foreach(library IN LISTS ARGN)
        find_library(TVL_IMPORT_${library} NAMES ${library} REQUIRED)
        set(output ${TVL_DELAY_IMPORT_DIR}/lib${library}_delay.a)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${TVL_DELAY_IMPORT_DIR}
            COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-delay-import.py
                ${CMAKE_NM} ${TVL_LLVM_DLLTOOL} ${TVL_IMPORT_${library}} ${library}.dll ${output}
            DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-delay-import.py
            COMMENT "Delay-load import library for ${library}.dll")
        list(APPEND outputs ${output})
    endforeach()
    add_custom_target(delay_import_libraries DEPENDS ${outputs})
    set_property(GLOBAL PROPERTY TVL_DELAY_IMPORT_LIBRARIES ${ARGN})
endfunction()

# The delay-load import libraries of the system DLLs named, in result, each followed by the
# linker option that makes its DLL delay-loaded (target_link_libraries takes both; the comma is
# $<COMMA>, so that the list may stand in a generator expression).
function(tvl_delay_import_libraries result)
    get_property(made GLOBAL PROPERTY TVL_DELAY_IMPORT_LIBRARIES)
    set(files)
    foreach(library IN LISTS ARGN)
        if(NOT library IN_LIST made)
            message(FATAL_ERROR "No delay-load import library for ${library}: add it to "
                                "tvl_add_delay_import_libraries in CMakeLists.txt")
        endif()
        list(APPEND files ${TVL_DELAY_IMPORT_DIR}/lib${library}_delay.a
            -Wl$<COMMA>--delayload=${library}.dll)
    endforeach()
    set(${result} ${files} PARENT_SCOPE)
endfunction()

# After program is linked: its delay-load tables are writable and it imports nothing but kernel32
# and the C runtime at start-up. A program that ships stripped is stripped after the check
# (STRIP). strip stamps the PE header with SOURCE_DATE_EPOCH or else the time
# of day; zero is what the linker writes for a release (--no-insert-timestamp).
function(tvl_check_delay_imports program)
    add_dependencies(${program} delay_import_libraries)
    set(strip)
    if(ARGV1 STREQUAL "STRIP")
        set(strip COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
            ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${program}>)
    endif()
    add_custom_command(TARGET ${program} POST_BUILD
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check-delay-imports.py
            $<TARGET_FILE:${program}>
        ${strip}
        VERBATIM)
endfunction()

# Links program, which starts from its own WinMain, against the delay-load import libraries of
# the system DLLs named, and checks it once linked.
function(tvl_delay_load program)
    cmake_parse_arguments(PARSE_ARGV 1 arg "STRIP" "" "LIBRARIES")
    tvl_delay_import_libraries(files ${arg_LIBRARIES})
    target_link_libraries(${program} PRIVATE ${files})
    if(arg_STRIP)
        tvl_check_delay_imports(${program} STRIP)
    else()
        tvl_check_delay_imports(${program})
    endif()
endfunction()
