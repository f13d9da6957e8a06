# The linker's word on the one-way layering of the folders (README, Layout): each folder's
# library links only the libraries of the folders below it, and tvl_check_layer(library) links
# the whole of it, with nothing but those and the system's libraries, into a DLL of its own. A
# DLL may leave no symbol undefined, so a call into a folder above or beside fails the build
# there, naming the symbol, whatever order the final programs' link lines have (lld, unlike GNU
# ld, finds a symbol in any library of the line).
set(TVL_LAYER_CHECK_SOURCE ${CMAKE_BINARY_DIR}/layer_check.cpp)
file(WRITE ${TVL_LAYER_CHECK_SOURCE} "// Nothing of its own: the DLL is its library, whole.\n")

function(tvl_check_layer library)
    if(NOT MINGW)
        return()
    endif()
    set(check ${library}_layer_check)
    add_library(${check} SHARED ${TVL_LAYER_CHECK_SOURCE})
    target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>" comctl32
        uuid)
    target_link_options(${check} PRIVATE -Wl,--no-gc-sections -Wl,--exclude-all-symbols)
    set_target_properties(${check} PROPERTIES PREFIX "" OUTPUT_NAME layer-check-${library})
endfunction()
