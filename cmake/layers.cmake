# Every library of the program sees only its own folder and, through the
# libraries it links, the folders below it. Its include root is a folder of
# the build tree holding one link to its own source folder, so an include of
# a higher layer ("vc/..." from rastrix/) finds no file and breaks the build.
function(corvala_layer target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  set(target_folder ${CMAKE_SOURCE_DIR}/${folder})
  if(IS_SYMLINK ${root}/${folder})
    file(READ_SYMLINK ${root}/${folder} linked)
  else()
    set(linked "")
  endif()
  if(NOT linked STREQUAL target_folder)
    file(MAKE_DIRECTORY ${root})
    file(REMOVE ${root}/${folder})
    file(CREATE_LINK ${target_folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# A test that a layer cannot include a header of a layer above it: the probe
# includes the header with the layer's own include path and must fail to find it
# (GCC and clang word that differently).
function(corvala_layer_probe target header)
  string(MAKE_C_IDENTIFIER "${target}_${header}" name)
  set(probe ${CMAKE_BINARY_DIR}/layer_probes/${name}.cpp)
  file(WRITE ${probe} "#include \"${header}\"\n")
  add_test(NAME layers.${name}
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only
                   "-I$<JOIN:$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>,;-I>" ${probe}
           COMMAND_EXPAND_LISTS)
  set_tests_properties(layers.${name} PROPERTIES LABELS quick
                       PASS_REGULAR_EXPRESSION "${header}: No such file;'${header}' file not found")
endfunction()
