# The Windows build's extras: the program's icon in its .exe, where the
# window, the taskbar, the shortcuts and the .cvl file type take it from.
# It is the window icon, enlarged by whole factors so its pixels stay sharp.
find_program(CORVALA_CONVERT convert)
if(CORVALA_CONVERT AND TARGET corvala)
  set(ico ${CMAKE_BINARY_DIR}/corvala.ico)
  set(sizes)
  foreach(factor 1 2 3 4)
    math(EXPR size "16 * ${factor}")
    list(APPEND sizes ( ${CMAKE_SOURCE_DIR}/data/Pictures/Icon.bmp -filter point -resize ${size}x${size} ))
  endforeach()
  add_custom_command(OUTPUT ${ico} COMMAND ${CORVALA_CONVERT} ${sizes} ${ico}
                     DEPENDS ${CMAKE_SOURCE_DIR}/data/Pictures/Icon.bmp VERBATIM)
  # Compiled by hand: the project's warning options are no resource compiler's.
  set(rc ${CMAKE_BINARY_DIR}/corvala.rc)
  set(res ${CMAKE_BINARY_DIR}/corvala_icon.o)
  file(WRITE ${rc} "1 ICON \"${ico}\"\n")
  add_custom_command(OUTPUT ${res} COMMAND x86_64-w64-mingw32-windres -i ${rc} -O coff -o ${res}
                     DEPENDS ${rc} ${ico} VERBATIM)
  add_custom_target(corvala_icon DEPENDS ${res})
  set_source_files_properties(${res} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(corvala PRIVATE ${res})
  add_dependencies(corvala corvala_icon)
else()
  message(WARNING "ImageMagick's convert is missing: corvala.exe gets no icon (scripts/install-windows-deps.sh installs it)")
endif()
