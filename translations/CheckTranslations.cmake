# Runs lupdate over the sources into copies of the .ts files and fails when a text is left
# unfinished (new, or its translation still open) or vanished (the .ts holds a text the sources
# lost). The shipped .ts files are never touched.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(OUTPUT "${WORK}/ResourceStrings.cpp")
include(${CMAKE_CURRENT_LIST_DIR}/ResourceStrings.cmake)

set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${WORK}/${name}")
    list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(
    COMMAND ${LUPDATE} -silent -locations none -extensions cpp,h,ui ${SOURCE_FOLDERS} ${OUTPUT}
        -ts ${copies}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${errors}")
endif()

set(problems "")
foreach(copy IN LISTS copies)
    file(READ "${copy}" ts)
    # Semicolons and brackets would cut CMake lists apart.
    string(REPLACE ";" "&#59;" ts "${ts}")
    string(REPLACE "[" "&#91;" ts "${ts}")
    string(REPLACE "]" "&#93;" ts "${ts}")
    # The source, an optional disambiguation, then the translation: open, gone, or empty.
    set(comment "(<comment>[^<]*</comment>[^<]*)?")
    string(REGEX MATCHALL
        "<source>[^<]*</source>[^<]*${comment}<translation( type=\"[a-z]+\")?>(</translation>)?"
        entries "${ts}")
    get_filename_component(name "${copy}" NAME)
    foreach(entry IN LISTS entries)
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${entry}")
        set(source "${CMAKE_MATCH_1}")
        if(entry MATCHES "type=\"([a-z]+)\"")
            string(APPEND problems "  ${name}: ${CMAKE_MATCH_1}: ${source}\n")
        elseif(entry MATCHES "></translation>$")
            string(APPEND problems "  ${name}: empty: ${source}\n")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "Texts without a finished translation (fill them in after "
        "`cmake --build build --target update_translations`):\n${problems}")
endif()
message(STATUS "Every interface text is translated in: ${TS_FILES}")
