# Included by CMake after its rules for the GNU compilers on Windows (the toolchain file names it
# as CMAKE_USER_MAKE_RULES_OVERRIDE): the same link commands, with clang driving lld in place of
# the compiler driving GNU ld.
foreach(lang IN ITEMS C CXX)
    if(NOT TVL_${lang}_LINK_DRIVER)
        continue()
    endif()
    list(JOIN TVL_LINK_DRIVER_OPTIONS " " options)
    foreach(rule IN ITEMS LINK_EXECUTABLE CREATE_SHARED_LIBRARY CREATE_SHARED_MODULE)
        string(REPLACE "<CMAKE_${lang}_COMPILER>" "${TVL_${lang}_LINK_DRIVER} ${options}"
            CMAKE_${lang}_${rule} "${CMAKE_${lang}_${rule}}")
    endforeach()
endforeach()
# CMake asked GNU ld whether it knows --push-state; lld's MinGW driver does not.
set(CMAKE_LINK_LIBRARY_USING_WHOLE_ARCHIVE "LINKER:--whole-archive" "<LINK_ITEM>"
    "LINKER:--no-whole-archive")
