# What `cmake --install` puts where under the prefix, and the Debian package
# that scripts/package makes of the same files:
#
#   lib/tarnwick/     Veldrin, the four component libraries and the port layer,
#                     side by side: the program loads its components from its
#                     own folder, and RPATH $ORIGIN finds the port layer there
#   bin/tarnwick      the launcher on the PATH; it finds lib/tarnwick from its
#                     own place, so the prefix can be moved
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/<N>x<N>/apps/<id>.png    icon 1, drawn at each size
#   share/man/man1/tarnwick.1
#
# The desktop files are kept in app/resources/desktop/.
set(TARNWICK_APP_ID org.tarnwick.Tarnwick)
set(desktop_files ${PROJECT_SOURCE_DIR}/app/resources/desktop)

install(TARGETS Veldrin RUNTIME DESTINATION lib/tarnwick)
install(TARGETS tarnwick_port ZUtilitiesCOM ZDrawSp ZDrawTools ZISqllite LIBRARY DESTINATION lib/tarnwick)
install(PROGRAMS ${desktop_files}/tarnwick.sh DESTINATION bin RENAME tarnwick)
install(FILES ${desktop_files}/${TARNWICK_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop_files}/${TARNWICK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop_files}/tarnwick.1 DESTINATION share/man/man1)

# The icon theme's sizes, drawn from icon 1 at build time.
set(icon_folder ${CMAKE_BINARY_DIR}/icons)
file(MAKE_DIRECTORY ${icon_folder})
set(icon_pictures)
foreach(size 16 32 48 64 128 256)
  set(picture ${icon_folder}/${TARNWICK_APP_ID}-${size}.png)
  add_custom_command(OUTPUT ${picture}
                     COMMAND program_icon_png ${size} ${picture}
                     DEPENDS program_icon_png
                     COMMENT "Drawing the program's icon at ${size}x${size}" VERBATIM)
  list(APPEND icon_pictures ${picture})
  install(FILES ${picture} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TARNWICK_APP_ID}.png)
endforeach()
add_custom_target(program_icons ALL DEPENDS ${icon_pictures})

# The package: tarnwick_1.00_<arch>.deb, installed under /usr. Its library
# dependencies come from dpkg-shlibdeps; the fonts are asked for by name
# (Liberation Sans stands in for the face the drawing code asks for).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION 1.00)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drafting program on numbered pages of ruled paper")
set(CPACK_PACKAGE_DESCRIPTION "Tarnwick replaces pads of ruled paper: lines, rectangles, ellipses, polygons
and one-line texts on numbered pages of ruled US Letter sheets, printed at
their true size. Every figure is stored the moment it is finished, in the
SQLite file Veldrin.dat of the folder the program was started in.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tarnwick developers <tarnwick@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
include(CPack)
