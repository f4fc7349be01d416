# The Debian package: `cpack -G DEB` in a Release build (scripts/package) gives
# quarrow_<version>_<arch>.deb. Library dependencies come from dpkg-shlibdeps; the GStreamer
# plugins that play the wave files are named here, since no library links to them.

# install_gzipped(<file> <destination>): installs the file compressed the way Debian wants it.
function(install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    set(out ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(OUTPUT ${out}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
                       COMMAND gzip -9nc ${source} > ${out}
                       DEPENDS ${source})
    add_custom_target(gzipped_${name} ALL DEPENDS ${out})
    install(FILES ${out} DESTINATION ${destination})
endfunction()

install(FILES ${PROJECT_SOURCE_DIR}/desktop/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quarrow)
install_gzipped(${PROJECT_SOURCE_DIR}/desktop/changelog ${CMAKE_INSTALL_DATADIR}/doc/quarrow)
install_gzipped(${PROJECT_SOURCE_DIR}/desktop/quarrow.6 ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarrow)
set(CPACK_PACKAGE_VENDOR "Tarnwick Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-search puzzle game")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarrow hides the ten to twenty words of a theme in a grid of letters;\n\
find each word by clicking its first and its last letter. Four levels,\n\
a timed Time Challenge with a table of fastest times, reveals, statistics,\n\
printing and an editor for themes of your own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarnwick Software <support@tarnwick.example>")
# Section "games" would ask for the executable in /usr/games; it is in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarnwick.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-pulseaudio | gstreamer1.0-alsa")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
