# The installed layout, relative to the prefix:
#   bin/kazeban, bin/kazeban-think, …      the programs (kazeban_program below)
#   lib/kazeban/libkazeban_sound.so.*      the sound library, private to the game and
#                                          found through the programs' RPATH
#   share/kazeban/sounds/                  the five sounds
#   share/applications, share/metainfo, share/mime/packages, share/icons/hicolor,
#   share/man                              the desktop's files (packaging/)
# Nothing is written outside the prefix, so `cmake --install` into a staging directory
# (DESTDIR) gives a tree that runs from wherever it is put.
include(GNUInstallDirs)

set(KAZEBAN_APP_ID org.example.Kazeban)
set(KAZEBAN_INSTALL_PRIVATE_LIBDIR lib/kazeban)
set(KAZEBAN_INSTALL_SOUNDDIR ${CMAKE_INSTALL_DATADIR}/kazeban/sounds)

# The private library and the sounds as seen from an installed program, so that the
# tree can move as a whole.
file(RELATIVE_PATH KAZEBAN_BIN_TO_PRIVATE_LIBDIR ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KAZEBAN_INSTALL_PRIVATE_LIBDIR})
file(RELATIVE_PATH KAZEBAN_BIN_TO_SOUNDDIR ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${KAZEBAN_INSTALL_SOUNDDIR})

# The version, for --version and the about box: link kazeban_version.
add_library(kazeban_version INTERFACE)
target_compile_definitions(kazeban_version INTERFACE KAZEBAN_VERSION="${PROJECT_VERSION}")

# Manual pages, compressed as Debian wants them, built with everything else.
add_custom_target(kazeban_manual_pages ALL)

# An installed program: built into bin/ of the build tree, installed into bin/ with its
# manual page (packaging/<name>.1 or packaging/<name>.6, when there is one), told its
# version (KAZEBAN_VERSION). One line for a new tool, after its add_executable:
#   kazeban_program(kazeban-convert)
function(kazeban_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_link_libraries(${target} PRIVATE kazeban_version)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(section 1 6)
    set(page ${PROJECT_SOURCE_DIR}/packaging/${target}.${section})
    if(EXISTS ${page})
      set(packed ${CMAKE_BINARY_DIR}/packaging/man/${target}.${section}.gz)
      add_custom_command(OUTPUT ${packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/man
        COMMAND gzip -9 -n -c ${page} > ${packed}
        DEPENDS ${page}
        COMMENT "Compressing the manual page ${target}(${section})")
      add_custom_target(${target}_manual_page DEPENDS ${packed})
      add_dependencies(kazeban_manual_pages ${target}_manual_page)
      install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    endif()
  endforeach()
endfunction()
