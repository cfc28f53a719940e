# The languages of a data folder: its folders named by a language code ("de",
# "pt_BR": two or three lower-case letters, then perhaps "_" and a region of
# two capitals or three digits), sorted. Another folder is no language.
function(orv_language_codes data_folder out_var)
    if(CMAKE_SCRIPT_MODE_FILE)
        file(GLOB entries LIST_DIRECTORIES true ${data_folder}/*)
    else()
        file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${data_folder}/*)
    endif()
    set(codes)
    foreach(entry ${entries})
        get_filename_component(code ${entry} NAME)
        if(IS_DIRECTORY ${entry} AND code MATCHES "^[a-z][a-z][a-z]?(_[A-Z][A-Z]|_[0-9][0-9][0-9])?$")
            list(APPEND codes ${code})
        endif()
    endforeach()
    list(SORT codes)
    set(${out_var} ${codes} PARENT_SCOPE)
endfunction()
