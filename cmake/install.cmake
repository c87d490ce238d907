# What `make install` puts under the prefix and `make deb` packs: the program,
# its fonts and pictures, the sample catalogue, a desktop entry, an icon in the
# hicolor theme and a manual page. The program finds its files relative to its
# own executable (bin/../share/corvala), so the prefix is chosen at install time.
include(GNUInstallDirs)

set(CORVALA_SHARE ${CMAKE_INSTALL_DATADIR}/corvala)

install(TARGETS corvala RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Fonts ${CMAKE_SOURCE_DIR}/data/Pictures DESTINATION ${CORVALA_SHARE})

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

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/corvala.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/corvala.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The window icon, 16 pixels, enlarged by whole factors for the menus; its
# pixels stay sharp.
find_program(CORVALA_CONVERT convert)
if(CORVALA_CONVERT)
  set(icons)
  foreach(factor 1 2 3 4)
    math(EXPR size "16 * ${factor}")
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/corvala.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${CORVALA_CONVERT} ${CMAKE_SOURCE_DIR}/data/Pictures/Icon.bmp -filter point -resize ${size}x${size}
              -strip PNG32:${png}
      DEPENDS ${CMAKE_SOURCE_DIR}/data/Pictures/Icon.bmp
      VERBATIM)
    list(APPEND icons ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(icons ALL DEPENDS ${icons})
else()
  message(WARNING "ImageMagick's convert is missing: no menu icon is installed (scripts/install-deps.sh installs it)")
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvala)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of nebulae and an observatory sky map")
set(CPACK_PACKAGE_DESCRIPTION "Corvala keeps catalogues of nebulae in its own .cvl files and shows\
 where every catalogued nebula stands on a round sky map for a chosen date, time and place.\
 Its interface is Slovak.")
set(CPACK_PACKAGE_CONTACT "Corvala developers <corvala@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
