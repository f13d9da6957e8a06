# The warnings every target of ours builds with, on both compilers.
function(tvl_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wformat=2 -pedantic)
    endif()
endfunction()
