# What `cmake --install` puts where under the prefix, and the Debian package
# that scripts/package makes of the same files:
#
#   lib/tarnwick/     Veldrin, the four component libraries and the port layer,
#                     side by side: the program loads its components from its
#                     own folder, and RPATH $ORIGIN finds the port layer there
#   bin/tarnwick      the launcher on the PATH; it finds lib/tarnwick from its
#                     own place, so the prefix can be moved
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml
#   share/mime/packages/<id>.xml                 the type of Veldrin.dat
#   share/icons/hicolor/<N>x<N>/apps/<id>.png    icon 1, drawn at each size
#   share/man/man1/tarnwick.1.gz
#   share/doc/tarnwick/copyright, changelog.gz   the licence and the history
#
# The desktop files are kept in app/resources/desktop/, the licence and the
# history in cmake/debian/ (COPYING at the top names the licence too).
set(TARNWICK_APP_ID org.tarnwick.Tarnwick)
set(desktop_files ${PROJECT_SOURCE_DIR}/app/resources/desktop)
set(debian_files ${PROJECT_SOURCE_DIR}/cmake/debian)

install(TARGETS Veldrin RUNTIME DESTINATION lib/tarnwick)
install(TARGETS tarnwick_port ZUtilitiesCOM ZDrawSp ZDrawTools ZISqllite LIBRARY DESTINATION lib/tarnwick)
# A stripped install (the package's) also drops the compiler's .comment and
# .note sections, as Debian's own package tools strip.
install(CODE "set(strip_program \"${CMAKE_STRIP}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB shipped "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/tarnwick/*")
    foreach(binary IN LISTS shipped)
      execute_process(COMMAND "${strip_program}" --remove-section=.comment --remove-section=.note "${binary}"
                      RESULT_VARIABLE stripped)
      if(NOT stripped EQUAL 0)
        message(FATAL_ERROR "strip failed on ${binary}")
      endif()
    endforeach()
  endif()
]])
install(PROGRAMS ${desktop_files}/tarnwick.sh DESTINATION bin RENAME tarnwick)
install(FILES ${desktop_files}/${TARNWICK_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop_files}/${TARNWICK_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop_files}/${TARNWICK_APP_ID}.mime.xml DESTINATION share/mime/packages
        RENAME ${TARNWICK_APP_ID}.xml)
install(FILES ${debian_files}/copyright DESTINATION share/doc/tarnwick)

# The man page and the changelog are shipped compressed, as man and the
# package tools expect; gzip -n keeps the files the same from build to build.
set(compressed_folder ${CMAKE_BINARY_DIR}/compressed)
function(tarnwick_gzip source name)
  set(output ${compressed_folder}/${name}.gz)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed_folder}
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${compressed_folder}/${name}
                     COMMAND gzip -9nf ${compressed_folder}/${name}
                     DEPENDS ${source}
                     COMMENT "Compressing ${name}" VERBATIM)
  set(compressed_files ${compressed_files} ${output} PARENT_SCOPE)
endfunction()
set(compressed_files)
tarnwick_gzip(${desktop_files}/tarnwick.1 tarnwick.1)
tarnwick_gzip(${debian_files}/changelog changelog)
add_custom_target(compressed_files ALL DEPENDS ${compressed_files})
install(FILES ${compressed_folder}/tarnwick.1.gz DESTINATION share/man/man1)
install(FILES ${compressed_folder}/changelog.gz DESTINATION share/doc/tarnwick)

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

# The package: tarnwick_<version>_<arch>.deb, installed under /usr. Its
# library dependencies come from dpkg-shlibdeps on the built program and
# libraries (cmake/PackageDepends.cmake, when cpack runs); CPack's own run
# of it is off, since with it CPack also adds ldconfig calls to maintainer
# scripts, which libraries private to lib/tarnwick must not have. Asked for
# by name: the fonts (Liberation Sans stands in for the face the drawing
# code asks for) and Qt's Wayland plugin, so the program runs natively in a
# Wayland session.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${TARNWICK_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drafting program on numbered pages of ruled paper")
set(CPACK_PACKAGE_DESCRIPTION "Tarnwick replaces pads of ruled paper: lines, rectangles, ellipses, polygons
and one-line texts on numbered pages of ruled US Letter sheets, printed at
their true size. Every figure is stored the moment it is finished, in the
SQLite file Veldrin.dat of the folder it works in: from the desktop menu,
Tarnwick in the documents folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tarnwick developers <tarnwick@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-wayland")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageDepends.cmake)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/PackageDepends.cmake
     INPUT ${PROJECT_SOURCE_DIR}/cmake/PackageDepends.cmake.in)
include(CPack)
