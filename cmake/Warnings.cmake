# Applied to every target of ours through parlon_set_warnings().
function(parlon_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(PARLON_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
