# Flattens one picture source into a self-contained SVG for rsvg-convert, which will not follow
# references from one file into another. Usage:
#   cmake -DIN=<source.svg> -DOUT=<flat.svg> -P flatten.cmake
#
# A source pulls in a layer with a processing instruction, optionally with parameters:
#   <?include ../people/keiko-hair.svg?>
#   <?include ../bodies/bust.svg ribbon=#3a78d0?>
# The layer's own <svg> element is kept as a nested viewport, so it keeps its size and viewBox.
# Inside a layer, @name@ is replaced by a parameter; <?param name=value?> gives its default.
# Ids are renamed per inclusion, so a layer may be used twice with different parameters.

cmake_minimum_required(VERSION 3.25)
set(include_count 0)

function(expand_layer path params depth result)
    if(depth GREATER 8)
        message(FATAL_ERROR "flatten: includes nested too deeply at ${path}")
    endif()
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "flatten: missing layer ${path}")
    endif()
    file(READ "${path}" text)
    string(REGEX REPLACE "<\\?xml[^?]*\\?>" "" text "${text}")
    get_filename_component(dir "${path}" DIRECTORY)

    # Defaults first, then the caller's values on top.
    string(REGEX MATCHALL "<\\?param [^?]*\\?>" defaults "${text}")
    string(REGEX REPLACE "<\\?param [^?]*\\?>" "" text "${text}")
    set(assignments "")
    foreach(d IN LISTS defaults)
        string(REGEX REPLACE "^<\\?param ([^?]*)\\?>$" "\\1" d "${d}")
        string(REGEX MATCHALL "[A-Za-z_]+=[^ ]+" pairs "${d}")
        list(APPEND assignments ${pairs})
    endforeach()
    string(REGEX MATCHALL "[A-Za-z_]+=[^ ]+" given "${params}")
    list(APPEND assignments ${given})
    foreach(a IN LISTS assignments)
        string(REGEX REPLACE "^([A-Za-z_]+)=.*$" "\\1" name "${a}")
        string(REGEX REPLACE "^[A-Za-z_]+=(.*)$" "\\1" value "${a}")
        set(${name} "${value}")
    endforeach()
    string(CONFIGURE "${text}" text @ONLY)

    while(TRUE)
        string(REGEX MATCH "<\\?include ([^ ?]+)( [^?]*)?\\?>" directive "${text}")
        if(directive STREQUAL "")
            break()
        endif()
        set(child "${CMAKE_MATCH_1}")
        set(child_params "${CMAKE_MATCH_2}")
        math(EXPR deeper "${depth} + 1")
        expand_layer("${dir}/${child}" "${child_params}" ${deeper} inner)
        math(EXPR n "${include_count} + 1")
        set(include_count ${n})
        set(include_count ${n} PARENT_SCOPE)
        string(REGEX REPLACE "id=\"([^\"]+)\"" "id=\"\\1-i${n}\"" inner "${inner}")
        string(REGEX REPLACE "url\\(#([^)]+)\\)" "url(#\\1-i${n})" inner "${inner}")
        string(REGEX REPLACE "href=\"#([^\"]+)\"" "href=\"#\\1-i${n}\"" inner "${inner}")
        string(FIND "${text}" "${directive}" at)
        string(LENGTH "${directive}" len)
        string(SUBSTRING "${text}" 0 ${at} before)
        math(EXPR after_at "${at} + ${len}")
        string(SUBSTRING "${text}" ${after_at} -1 after)
        set(text "${before}${inner}${after}")
    endwhile()
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

if(NOT DEFINED IN OR NOT DEFINED OUT)
    message(FATAL_ERROR "usage: cmake -DIN=<source.svg> -DOUT=<flat.svg> -P flatten.cmake")
endif()
expand_layer("${IN}" "" 0 flat)
file(WRITE "${OUT}" "${flat}")
