# Installation and the Debian package.
#
# Veldra writes its downloads next to its executable, so the executable lives in
# a program directory of its own (lib/veldra) together with the files it reads
# from there; bin/veldra is a relative link to it. Relative, so that the same
# tree works under any prefix, under DESTDIR and inside the package.
include(GNUInstallDirs)

# cmake --install and cpack package what was built; they never start a build
# of their own (build first: cmake --build build && cd build && cpack -G DEB).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(VELDRA_APP_ID io.github.veldra.Veldra)
set(VELDRA_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/veldra)

# Qt and everything else come from the system's library path.
set_target_properties(veldra PROPERTIES INSTALL_RPATH "")

install(TARGETS veldra RUNTIME DESTINATION ${VELDRA_PROGRAM_DIR})

if(EXISTS ${CMAKE_SOURCE_DIR}/resources/hand.cur)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/hand.cur DESTINATION ${VELDRA_PROGRAM_DIR})
else()
  install(FILES ${CMAKE_BINARY_DIR}/bin/hand.cur DESTINATION ${VELDRA_PROGRAM_DIR} OPTIONAL)
endif()

# The link target, relative to the bin folder unless a folder was given as an
# absolute path; the bin folder follows the install-time prefix.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${VELDRA_PROGRAM_DIR}")
  set(_veldra_link_target "${CMAKE_INSTALL_FULL_LIBDIR}/veldra/veldra")
else()
  file(RELATIVE_PATH _veldra_link_target "/root/${CMAKE_INSTALL_BINDIR}" "/root/${VELDRA_PROGRAM_DIR}/veldra")
endif()
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(_veldra_bin_dir "${CMAKE_INSTALL_BINDIR}")
else()
  set(_veldra_bin_dir "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}")
endif()
install(CODE "
  set(_dir \"\$ENV{DESTDIR}${_veldra_bin_dir}\")
  file(MAKE_DIRECTORY \"\${_dir}\")
  message(STATUS \"Installing: \${_dir}/veldra -> ${_veldra_link_target}\")
  file(CREATE_LINK \"${_veldra_link_target}\" \"\${_dir}/veldra\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_dir}/veldra\")
")

install(FILES ${CMAKE_SOURCE_DIR}/data/${VELDRA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/${VELDRA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(_size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/hicolor/${_size}x${_size}/apps/${VELDRA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/hicolor/scalable/apps/${VELDRA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veldra RENAME copyright)

# The manual page and the package's changelog are installed compressed, as
# Debian wants them: gzip -9n leaves out the name and time stamp, so the same
# source gives the same bytes. They are made with the program (./run builds
# only that), because cpack and cmake --install never build.
find_program(VELDRA_GZIP gzip REQUIRED)
set(_veldra_docs_dir ${CMAKE_BINARY_DIR}/docs)
set(_veldra_docs)
foreach(_doc "docs/veldra.1;veldra.1" "data/changelog.Debian;changelog.Debian")
  list(GET _doc 0 _source)
  list(GET _doc 1 _name)
  add_custom_command(
    OUTPUT ${_veldra_docs_dir}/${_name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${_source} ${_veldra_docs_dir}/${_name}
    COMMAND ${VELDRA_GZIP} -9nf ${_veldra_docs_dir}/${_name}
    DEPENDS ${CMAKE_SOURCE_DIR}/${_source}
    COMMENT "Compressing ${_source}"
    VERBATIM)
  list(APPEND _veldra_docs ${_veldra_docs_dir}/${_name}.gz)
endforeach()
add_custom_target(veldra_docs ALL DEPENDS ${_veldra_docs})
add_dependencies(veldra veldra_docs)
install(FILES ${_veldra_docs_dir}/veldra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_veldra_docs_dir}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veldra)

# A stripped program also loses the compiler's version notes, as Debian's own
# packages do.
if(CMAKE_OBJCOPY)
  if(IS_ABSOLUTE "${VELDRA_PROGRAM_DIR}")
    set(_veldra_program "${VELDRA_PROGRAM_DIR}/veldra")
  else()
    set(_veldra_program "\${CMAKE_INSTALL_PREFIX}/${VELDRA_PROGRAM_DIR}/veldra")
  endif()
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}${_veldra_program}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
  ")
endif()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veldra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's own revision: the upstream version plus "-1", as the top entry
# of data/changelog.Debian says (the packaging checks compare the two).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_VENDOR "The Veldra contributors")
set(CPACK_PACKAGE_CONTACT "Veldra contributors <veldra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop client for a shared library of FAQ answers")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary line comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Veldra fetches the index and the community news of a FAQ library that one\n"
  "web server publishes, searches the index by subject and shows the answers\n"
  "with clickable web and mail links. It can work through an HTTP proxy.")
# dpkg-shlibdeps names the libraries the program was linked with. For curl it
# can only judge by the functions used, which are ancient; the options the
# program relies on (protocol lists as text) are not, so curl is asked for at
# least the version it was built against. https verifies servers against the
# system's certificate authorities.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
find_package(CURL 7.85 REQUIRED)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= ${CURL_VERSION_STRING}), ca-certificates")
# Web and mail links open through xdg-open; without it they do nothing. The
# program's own texts are built in; the buttons of Qt's standard dialogs come
# translated from Qt's catalogues.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
include(CPack)
