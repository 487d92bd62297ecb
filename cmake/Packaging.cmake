# The Debian package (`make package`, or `cpack -G DEB` in the build folder): the installed tree
# under /usr, plus the manual pages and the AppStream metainfo made here.
include(GNUInstallDirs)

# Bump together with the version in project().
set(TURTLESCOPE_RELEASE_DATE 2026-12-07)

# The compiled-in resources carry a version too, and the shipped language files are used only
# when theirs agrees with it in major and minor: both must follow the project's.
function(turtlescope_check_resource_version file wanted)
    file(READ ${file} json)
    string(JSON count LENGTH "${json}" resources)
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        string(JSON type GET "${json}" resources ${index} type)
        if(type STREQUAL "vers")
            string(JSON major GET "${json}" resources ${index} vers major)
            string(JSON minor GET "${json}" resources ${index} vers minor)
            string(JSON bugfix GET "${json}" resources ${index} vers bugfix)
            set(found "${major}.${minor}.${bugfix}")
            if(wanted MATCHES "^[0-9]+\\.[0-9]+$")
                set(found "${major}.${minor}")
            endif()
            if(NOT found VERSION_EQUAL wanted)
                message(FATAL_ERROR "${file} has version ${found}; the project's is ${wanted}")
            endif()
        endif()
    endforeach()
endfunction()
turtlescope_check_resource_version(${PROJECT_SOURCE_DIR}/resources/Turtlescope.json ${PROJECT_VERSION})
file(GLOB shipped_language_files ${PROJECT_SOURCE_DIR}/resources/Languages/*.json)
foreach(file ${shipped_language_files})
    turtlescope_check_resource_version(${file}
        "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endforeach()

# Manual pages, compressed as Debian keeps them.
set(man_pages)
foreach(page turtlescope.1 turtlescope-render.1)
    configure_file(${PROJECT_SOURCE_DIR}/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.gz
        COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/man/${page}
        DEPENDS ${CMAKE_BINARY_DIR}/man/${page}
        VERBATIM)
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(turtlescope_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(TURTLESCOPE_APPSTREAM_ID io.github.turtlescope.Turtlescope)
configure_file(${PROJECT_SOURCE_DIR}/packaging/${TURTLESCOPE_APPSTREAM_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/packaging/${TURTLESCOPE_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TURTLESCOPE_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_CONTACT "Turtlescope maintainers <maintainers@turtlescope.invalid>")

# Debian keeps a changelog beside every package's documentation.
execute_process(COMMAND date -u -R -d "${TURTLESCOPE_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE TURTLESCOPE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog
    @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/packaging/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(turtlescope_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/turtlescope)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME turtlescope)
set(CPACK_PACKAGE_VENDOR "Turtlescope")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "painting program with a turtle-graphics language")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Turtlescope is a painting program for children, teachers and hobbyists:\n"
    "brushes, eight colours, colour cycling, flood fill and kaleidoscope\n"
    "symmetry, and a built-in turtle-graphics language whose turtle draws into\n"
    "the same picture. Keywords come from language files (German and French\n"
    "ship). Pictures are saved as PICT; PNG, JPEG, GIF and TIFF open as\n"
    "pictures. turtlescope-render runs programs without a window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library names: the plugins Qt loads at run time (the xcb and offscreen window systems,
# JPEG and GIF come with libqt6gui6, which the binaries name; TIFF, WebP and others with the
# image-format plugins) and the fonts the turtle writes with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, fonts-dejavu-core")
# Qt's own dialog texts (file dialogs, standard buttons) in German and French; ours are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

# The sanitizer and fuzz builds are for the code, not for shipping.
if(BUILD_TESTING AND NOT TURTLESCOPE_SANITIZE AND NOT TURTLESCOPE_FUZZ)
    add_test(NAME package_installs_and_renders
        COMMAND ${PROJECT_SOURCE_DIR}/packaging/test-package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(package_installs_and_renders PROPERTIES TIMEOUT 300)
endif()
