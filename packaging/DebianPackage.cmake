# The Debian package, made by CPack from the install rules:
# cmake --build build --target package

# Debian wants a copyright file and a compressed changelog beside the docs.
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/changelog ${generated}/changelog
  COMMAND gzip -9nf ${generated}/changelog
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/changelog VERBATIM)
add_custom_target(q716-debian-files ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME q716)
set(CPACK_PACKAGE_VENDOR "q716 project")
set(CPACK_PACKAGE_CONTACT "q716 maintainers <maintainers@q716.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for the Q716 family of handheld radios")
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but loaded as Qt plugins: the toolbar's and the logo's SVG
# images need the SVG icon engine.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The Chinese captions need a CJK font; Qt's own buttons and dialogs take
# their Chinese texts from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk, fonts-droid-fallback, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
