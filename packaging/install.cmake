# `make install` and `make package`: the programs in bin/, their definition
# files in share/tarnloft/ (the editor looks for them in ../share/tarnloft
# beside its bin/ folder, so these two places are fixed), the desktop entry,
# the icon, the AppStream metainfo and the README.
set(TARNLOFT_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

if(TARGET tarnloft)
  install(TARGETS tarnloft RUNTIME DESTINATION bin)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/tarnloft.desktop DESTINATION share/applications)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/tarnloft.svg DESTINATION share/icons/hicolor/scalable/apps)
  install(FILES ${TARNLOFT_PACKAGING_DIR}/org.tarnloft.tarnloft.metainfo.xml DESTINATION share/metainfo)
endif()
# Command-line tools, once they are part of the tree.
if(TARGET tarnloft-defs)
  install(TARGETS tarnloft-defs RUNTIME DESTINATION bin)
endif()
if(TARGET tarnloft-pictures)
  install(TARGETS tarnloft-pictures RUNTIME DESTINATION bin)
endif()
file(GLOB TARNLOFT_DEFINITION_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.dat)
install(FILES ${TARNLOFT_DEFINITION_FILES} DESTINATION share/tarnloft)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/tarnloft)

# The installed tree, listed file by file, against what it must hold.
if(TARGET tarnloft AND NOT TARNLOFT_FUZZ)
  set(TARNLOFT_EXTRA_INSTALLED "")
  if(TARGET tarnloft-defs)
    list(APPEND TARNLOFT_EXTRA_INSTALLED usr/bin/tarnloft-defs)
  endif()
  if(TARGET tarnloft-pictures)
    list(APPEND TARNLOFT_EXTRA_INSTALLED usr/bin/tarnloft-pictures)
  endif()
  add_test(NAME install_tree
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check-install-tree.sh ${PROJECT_BINARY_DIR}
      ${PROJECT_SOURCE_DIR}/tests/install/expected-tree.txt ${TARNLOFT_EXTRA_INSTALLED})
endif()

# The Debian package: the same tree under /usr, with the shared libraries'
# packages found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnloft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnloft developers")
set(CPACK_PACKAGE_CONTACT "Tarnloft developers <tarnloft@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for one cartridge image")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnloft shows the levels of a .smc cartridge image as coloured boxes on a zoomable tile grid, edits their objects, sprites, screen exits and headers with the mouse, and saves each level back into the image in place.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows ask for fonts by name and fall back to these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
