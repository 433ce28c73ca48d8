# Installation of the program with its desktop entry, icon, metainfo, manual page
# and package documents, and the Debian package.
include(GNUInstallDirs)

# Installing and packaging take what is built and build nothing themselves, so
# that making the package needs only the program and its icon, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The icon sizes the hicolor theme looks in, drawn at build time from the
# program's own artwork so that the icon always matches the main window.
set(VARO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(icon_folder ${CMAKE_BINARY_DIR}/icons)
set(icon_files)
foreach(size IN LISTS VARO_ICON_SIZES)
  list(APPEND icon_files ${icon_folder}/${size}x${size}/apps/varo91.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:varo91_icons> ${icon_folder} ${VARO_ICON_SIZES}
  DEPENDS varo91_icons
  COMMENT "Drawing the program's icon"
  VERBATIM)
add_custom_target(varo91_icon_files ALL DEPENDS ${icon_files})

# The manual page and the package's changelog are installed compressed as
# Debian wants them: gzip at its best compression, without name or time stamp,
# so that the same text always gives the same file.
find_program(VARO_GZIP gzip REQUIRED)
set(doc_folder ${CMAKE_BINARY_DIR}/doc)
set(doc_files)
foreach(name varo91.1 changelog.Debian)
  add_custom_command(OUTPUT ${doc_folder}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${name} ${doc_folder}/${name}
    COMMAND ${VARO_GZIP} -9nf ${doc_folder}/${name}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${name}
    VERBATIM)
  list(APPEND doc_files ${doc_folder}/${name}.gz)
endforeach()
add_custom_target(varo91_doc_files ALL DEPENDS ${doc_files})

# The application's id in the menu and in software centres.
set(VARO_APP_ID org.example.varo91)
install(TARGETS varo91 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VARO_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VARO_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS VARO_ICON_SIZES)
  install(FILES ${icon_folder}/${size}x${size}/apps/varo91.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${doc_folder}/varo91.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${doc_folder}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME varo91)

set(VARO_PACKAGE_MAINTAINER "VARO 91 maintainers <varo91@example.org>"
  CACHE STRING "The Debian package's maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varo91)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VARO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Thai personal income tax calculator (form VARO 91)")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop calculation service for the Thai personal income tax return of"
  "salaried people (form VARO 91, ภ.ง.ด. 91), for the taxpayer and the spouse."
  "Every field is checked as it is left, and the lines of the return are"
  "computed as they are filled in, exact to the satang.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varo91.example.org/)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps finds the libraries the program links (Qt widgets, print
# support, the C++ runtime); the forms' Thai fonts come from the TLWG collection.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-thai-tlwg)
include(CPack)

# Packaging a sanitizer build makes no sense: its program needs the sanitizer
# runtimes and is not what anyone installs.
if(NOT VARO_SANITIZE)
  add_test(NAME package_test
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/package_test.sh
            ${CMAKE_BINARY_DIR} ${VARO_APP_ID} ${VARO_ICON_SIZES})
  set_tests_properties(package_test PROPERTIES TIMEOUT 300)
endif()
