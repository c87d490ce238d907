# What `make install` puts under the prefix and `make deb` packs: the program
# and cvltool, the fonts and pictures, the sample catalogue, a desktop entry
# with the catalogues' file type, AppStream metainfo, icons in the hicolor
# theme, manual pages, the licence and the changelog. The program finds its files relative to its
# own executable (bin/../share/corvala), so the prefix is chosen at install time.
include(GNUInstallDirs)

set(CORVALA_SHARE ${CMAKE_INSTALL_DATADIR}/corvala)

install(TARGETS corvala cvltool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The fonts' README tells how they are made, which a user of the program does not need.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Fonts ${CMAKE_SOURCE_DIR}/data/Pictures DESTINATION ${CORVALA_SHARE}
        PATTERN README.md EXCLUDE)

# The sample catalogue is built from its CSV by our own cvltool, under the
# name the first start's settings open it by.
set(sample_cvl ${CMAKE_BINARY_DIR}/samples/Hmloviny.cvl)
add_custom_command(
  OUTPUT ${sample_cvl}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/samples
  COMMAND ${CMAKE_COMMAND} -E rm -f ${sample_cvl}
  COMMAND $<TARGET_FILE:cvltool> import ${CMAKE_SOURCE_DIR}/data/samples/hmloviny.csv ${sample_cvl}
          --path "samples\\Hmloviny.cvl" --name Hmloviny --author Corvala
          --description "Vzorový katalóg známych hmlovín všetkých siedmich typov"
  DEPENDS cvltool ${CMAKE_SOURCE_DIR}/data/samples/hmloviny.csv
  VERBATIM)
add_custom_target(sample_catalogue ALL DEPENDS ${sample_cvl})
install(FILES ${sample_cvl} DESTINATION ${CORVALA_SHARE}/samples)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/samples/ DESTINATION ${CORVALA_SHARE}/samples FILES_MATCHING PATTERN "*.bmp")

# The NGC/IC nebulae (data/catalogues, from OpenNGC) lie beside the sample
# catalogue, whose pictures they share; the first start copies both.
set(ngc_cvl ${CMAKE_BINARY_DIR}/samples/NGC-IC.cvl)
add_custom_command(
  OUTPUT ${ngc_cvl}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/samples
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ngc_cvl}
  COMMAND $<TARGET_FILE:cvltool> import ${CMAKE_SOURCE_DIR}/data/catalogues/ngc-ic.csv ${ngc_cvl}
          --path "samples\\NGC-IC.cvl" --name "NGC/IC" --author "OpenNGC (Mattia Verga), CC-BY-SA-4.0"
          --description "Hmloviny katalógov NGC a IC z databázy OpenNGC"
  DEPENDS cvltool ${CMAKE_SOURCE_DIR}/data/catalogues/ngc-ic.csv
  VERBATIM)
add_custom_target(ngc_catalogue ALL DEPENDS ${ngc_cvl})
install(FILES ${ngc_cvl} DESTINATION ${CORVALA_SHARE}/samples)

set(CORVALA_HOMEPAGE "https://corvala.org" CACHE STRING "The program's home page (AppStream metainfo)")
set(CORVALA_SCREENSHOTS "${CORVALA_HOMEPAGE}/screenshots" CACHE STRING
    "Where the pictures of docs/screenshots are published (AppStream metainfo)")
# Who answers for the package: the packager's DEBFULLNAME and DEBEMAIL, else
# the author of the source tree's git configuration.
if(NOT CORVALA_MAINTAINER)
  set(maintainer "Corvala developers <corvala@corvala.org>")
  if(DEFINED ENV{DEBEMAIL})
    set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
  else()
    find_program(CORVALA_GIT git)
    if(CORVALA_GIT)
      execute_process(COMMAND ${CORVALA_GIT} config user.name WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                      OUTPUT_VARIABLE git_name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      execute_process(COMMAND ${CORVALA_GIT} config user.email WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                      OUTPUT_VARIABLE git_email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(git_name AND git_email)
        set(maintainer "${git_name} <${git_email}>")
      endif()
    endif()
  endif()
  string(STRIP "${maintainer}" maintainer)
  set(CORVALA_MAINTAINER "${maintainer}" CACHE STRING "The package's maintainer, \"Name <address>\"")
endif()

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/corvala.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/corvala.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
configure_file(${CMAKE_SOURCE_DIR}/data/desktop/org.corvala.Corvala.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/desktop/org.corvala.Corvala.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop/org.corvala.Corvala.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons drawn at each size by artgen (make art), and the same artwork as shapes.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${size}x${size}/corvala.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/corvala.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/application-x-corvala-catalogue.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# Manual pages and the changelog are installed compressed, without a time
# stamp in the gzip header, so that a rebuild gives the same bytes.
set(CORVALA_DEBIAN_DATE "Wed, 09 Dec 2026 12:00:00 +0000")
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog @ONLY)
set(compressed)
foreach(page man1/corvala.1 man1/cvltool.1 sk/man1/corvala.1 changelog)
  if(page STREQUAL changelog)
    set(from ${CMAKE_BINARY_DIR}/doc/changelog)
    set(to ${CMAKE_BINARY_DIR}/doc/changelog.gz)
  else()
    string(REPLACE "man1/" "" source ${page})
    set(from ${CMAKE_SOURCE_DIR}/data/man/${source})
    set(to ${CMAKE_BINARY_DIR}/man/${page}.gz)
  endif()
  get_filename_component(dir ${to} DIRECTORY)
  add_custom_command(
    OUTPUT ${to}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${from} ${to}
    DEPENDS ${from}
    VERBATIM)
  list(APPEND compressed ${to})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
# Everything the install rules take from the build, and nothing more: make deb
# builds this, and packing does not build the tests and benchmarks first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
add_custom_target(installed_files DEPENDS corvala cvltool sample_catalogue ngc_catalogue compressed_docs)
install(FILES ${CMAKE_BINARY_DIR}/man/man1/corvala.1.gz ${CMAKE_BINARY_DIR}/man/man1/cvltool.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man/sk/man1/corvala.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/sk/man1)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvala)

# The Debian package: stripped, without a debug package (the build tree keeps
# the symbols), its dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvala)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of nebulae and an observatory sky map")
# The summary above is the synopsis line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Corvala keeps catalogues of nebulae in its own .cvl files: name, NGC number,
position, distance, magnitude, type, picture and description. Its observatory
shows where every catalogued nebula stands on a round sky map for a chosen
date, time and place, and its encyclopedia explains the kinds of nebulae.
A sample catalogue of well-known nebulae comes with it; cvltool checks,
exports and imports catalogues. The interface is Slovak.")
set(CPACK_PACKAGE_CONTACT "${CORVALA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVALA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CORVALA_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
