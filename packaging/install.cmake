# `make install` and `make package`: the programs in bin/ with their manual
# pages, their definition files in share/tarnloft/ (the editor looks for them
# in ../share/tarnloft beside its bin/ folder, so these two places are fixed),
# the desktop entry, the icon, the AppStream metainfo, and in
# share/doc/tarnloft/ the README, the copyright and the changelog.
set(TARNLOFT_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# Installs the program `target` (when it is built) with its manual page,
# made by help2man from the program's own --help and --version, so the two
# never disagree; `summary` is the page's one-line description. Also tells
# the install tree test about both files.
function(tarnloft_install_program target summary)
  if(NOT TARGET ${target})
    return()
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION bin)
  set_property(GLOBAL APPEND PROPERTY TARNLOFT_INSTALLED usr/bin/${target})
  if(TARNLOFT_SANITIZE OR TARNLOFT_FUZZ)
    return()  # instrumented builds are never installed
  endif()
  set(page ${PROJECT_BINARY_DIR}/man/${target}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND help2man --no-info --section 1 --name ${summary} --output ${page} $<TARGET_FILE:${target}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${target}
    VERBATIM)
  add_custom_target(${target}_manual ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION share/man/man1)
  set_property(GLOBAL APPEND PROPERTY TARNLOFT_INSTALLED usr/share/man/man1/${target}.1.gz)
endfunction()

# Every installed program, one line each.
tarnloft_install_program(tarnloft "level editor for one cartridge image")
tarnloft_install_program(tarnloft-defs "check or infer the definition files of a cartridge image")
tarnloft_install_program(tarnloft-pictures "write a picture of every level of a cartridge image")

if(TARGET tarnloft)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/tarnloft.desktop DESTINATION share/applications)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/tarnloft.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/org.tarnloft.tarnloft.metainfo.xml DESTINATION share/metainfo)
endif()
file(GLOB TARNLOFT_DEFINITION_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.dat)
install(FILES ${TARNLOFT_DEFINITION_FILES} DESTINATION share/tarnloft)

# The changelog, compressed as Debian keeps it.
set(TARNLOFT_CHANGELOG ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${TARNLOFT_CHANGELOG}
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/changelog > ${TARNLOFT_CHANGELOG}
  DEPENDS ${PROJECT_SOURCE_DIR}/changelog)
add_custom_target(tarnloft_changelog ALL DEPENDS ${TARNLOFT_CHANGELOG})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${TARNLOFT_PACKAGING_DIR}/copyright ${TARNLOFT_CHANGELOG}
  DESTINATION share/doc/tarnloft)

# The installed tree, listed file by file, against what it must hold.
if(TARGET tarnloft AND NOT TARNLOFT_FUZZ)
  get_property(TARNLOFT_EXTRA_INSTALLED GLOBAL PROPERTY TARNLOFT_INSTALLED)
  add_test(NAME install_tree
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check-install-tree.sh ${PROJECT_BINARY_DIR}
      ${PROJECT_SOURCE_DIR}/tests/install/expected-tree.txt ${TARNLOFT_EXTRA_INSTALLED})
endif()

# The Debian package: the same tree under /usr, with the shared libraries'
# packages found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnloft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarnloft developers")
set(CPACK_PACKAGE_CONTACT "The Tarnloft developers <tarnloft@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for one cartridge image")
# Lines of at most 80 characters, as Debian's checks want them.
set(CPACK_PACKAGE_DESCRIPTION "Tarnloft shows the levels of a .smc cartridge image as coloured boxes on a
zoomable tile grid, edits their objects, sprites, screen exits and headers
with the mouse, and saves each level back into the image in place.
tarnloft-defs checks the editor's definition files against an image and
infers the record lengths of its objects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for fonts by name and fall back to these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
