# Data folders ("Languages", "Examples") sit beside the executables in the build tree as they do
# when installed, so the program finds them the same way in both.
# turtlescope_copy_beside_executables(TARGET FOLDER FILE...) makes TARGET (built by default)
# copy each FILE into FOLDER beside the executables whenever the file changes.
function(turtlescope_copy_beside_executables target folder)
    set(destination ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
    set(copies)
    foreach(source ${ARGN})
        get_filename_component(name ${source} NAME)
        add_custom_command(OUTPUT ${destination}/${name}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${destination}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${destination}/${name}
            DEPENDS ${source}
            VERBATIM)
        list(APPEND copies ${destination}/${name})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()
