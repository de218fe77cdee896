# What an installation holds beyond the program and its data tree (manual
# pages, bash completion, desktop entry, AppStream metadata, the Debian
# documentation files) and the Debian package made from it with CPack:
#   cpack -G DEB --config <build>/CPackConfig.cmake    (scripts/package)

if(ZUK_FUZZ)
  return()
endif()

# The project has no home on the web yet: the AppStream id, the home page and
# the maintainer's address are placeholders under example.org until it has.
set(ZUK_APPSTREAM_ID "org.example.zuk")
set(ZUK_HOMEPAGE "https://zuk.example.org/" CACHE STRING "Home page named in the AppStream metadata")
set(ZUK_MAINTAINER "Zuk developers <zuk@example.org>" CACHE STRING "Maintainer of the Debian package")
# The day of the release PROJECT_VERSION names; they change together.
set(ZUK_RELEASE_DATE "2026-12-10")
set(ZUK_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 00:00:00 +0000")

# --- zuk-text's manual pages and completion, from its function table --------

add_executable(zuk-clidoc ${CMAKE_SOURCE_DIR}/tools/clidoc/main.cpp
               ${CMAKE_SOURCE_DIR}/tools/clidoc/clidoc.cpp)
target_include_directories(zuk-clidoc PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zuk-clidoc PRIVATE zukcli)

set(ZUK_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(ZUK_MAN_PAGES "")
foreach(page IN ITEMS zuk zuk-text)
  foreach(lang IN ITEMS en ru)
    if(lang STREQUAL "en")
      set(template ${CMAKE_SOURCE_DIR}/docs/man/${page}.1.in)
    else()
      set(template ${CMAKE_SOURCE_DIR}/docs/man/${page}.${lang}.1.in)
    endif()
    set(out ${ZUK_MAN_DIR}/${lang}/${page}.1)
    add_custom_command(
      OUTPUT ${out} ${out}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ZUK_MAN_DIR}/${lang}
      COMMAND zuk-clidoc manual ${lang} ${template} ${out}
      COMMAND ${CMAKE_COMMAND} -DIN=${out} -DOUT=${out}.gz -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
      DEPENDS zuk-clidoc ${template} ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
      COMMENT "Making the manual page ${lang}/${page}.1" VERBATIM)
    list(APPEND ZUK_MAN_PAGES ${out}.gz)
  endforeach()
endforeach()

set(ZUK_COMPLETION ${CMAKE_BINARY_DIR}/completion/zuk-text)
add_custom_command(
  OUTPUT ${ZUK_COMPLETION}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/completion
  COMMAND zuk-clidoc completion ${ZUK_COMPLETION}
  DEPENDS zuk-clidoc
  COMMENT "Making the bash completion of zuk-text" VERBATIM)
add_custom_target(zuk-manuals ALL DEPENDS ${ZUK_MAN_PAGES} ${ZUK_COMPLETION})

install(FILES ${ZUK_MAN_DIR}/en/zuk-text.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZUK_MAN_DIR}/ru/zuk-text.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES ${ZUK_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# --- the desktop --------------------------------------------------------------

if(ZUK_BUILD_GUI)
  install(FILES ${ZUK_MAN_DIR}/en/zuk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${ZUK_MAN_DIR}/ru/zuk.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
  # The desktop entry, the metadata and the running program share one id, so
  # software centres and Wayland shells match the window to its entry.
  install(FILES ${CMAKE_SOURCE_DIR}/data/zuk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${ZUK_APPSTREAM_ID}.desktop)
  configure_file(${CMAKE_SOURCE_DIR}/data/zuk.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/metainfo/${ZUK_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/metainfo/${ZUK_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  target_compile_definitions(zuk PRIVATE ZUK_DESKTOP_ID="${ZUK_APPSTREAM_ID}")
endif()

# --- the Debian package -----------------------------------------------------

# A package built from this tree is a native one: its changelog is
# changelog.gz, and lintian reads the overrides from the package itself.
set(ZUK_DEBIAN_DIR ${CMAKE_BINARY_DIR}/debian)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${ZUK_DEBIAN_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9n -c ${ZUK_DEBIAN_DIR}/changelog
                OUTPUT_FILE ${ZUK_DEBIAN_DIR}/changelog.gz RESULT_VARIABLE gzip_result)
if(NOT gzip_result EQUAL 0)
  message(FATAL_ERROR "gzip could not compress the Debian changelog")
endif()
install(FILES ${ZUK_DEBIAN_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zuk)
# The built examples sit in the data tree; their sources are where a
# plug-in author looks for examples.
file(GLOB ZUK_PLUGIN_EXAMPLES ${CMAKE_SOURCE_DIR}/plugins/*.c)
install(FILES ${ZUK_PLUGIN_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zuk/examples/plugins)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zuk)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZUK_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Dependencies come from the libraries the binaries link (dpkg-shlibdeps).
# What the program loads by itself is only recommended: Qt's MNG and SVG
# image plug-ins (MNG pictures, the window icon), Qt's own Russian texts in
# its standard dialogs; HTML Tidy is what HTML → Tidy runs. Debian 12 keeps
# the SVG plug-in in libqt6svg6, later releases in qt6-svg-plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-image-formats-plugins, qt6-svg-plugins | libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "tidy")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text and HTML editor for Russian text in every Cyrillic code page")
# CPack puts the summary before it as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zuk is a desktop editor for people who write plain text and HTML by hand
and meet Russian text in Windows-1251, CP866, KOI8-R, Mac Cyrillic,
ISO-8859-5, UTF-8 and UTF-16. It keeps every document's bytes exactly as
they are while showing them in the document's code page, and offers
code-page conversion and detection, text functions, HTML tools, syntax
highlighting, snippets, macros, plug-ins, word statistics, calculators, a
file manager, find in files and a hex editor. The interface is Russian; an
English interface language ships with it.

The package also holds zuk-text, which runs the editor's text functions in
shell pipelines, and the header for writing plug-ins.")
# Binaries without their debugging symbols, directories as dpkg expects them.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
