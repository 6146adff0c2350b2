# The Debian package: `cpack -G DEB` in a Release build makes
# <app id>_<version>_<architecture>.deb, installed under /usr.

set(LUMATIX_PACKAGE_MAINTAINER "Lumatix <support@lumatix.com>" CACHE STRING
  "Maintainer of the Debian package (name <address>)")
set(LUMATIX_HOMEPAGE "https://www.lumatix.com")

# Debian wants the licence and a changelog beside every package's documentation. The package
# is native (its version has no Debian revision), so the changelog is changelog.gz; it is dated
# like the build (SOURCE_DATE_EPOCH for a reproducible one).
set(lumatix_package_doc ${CMAKE_INSTALL_DATADIR}/doc/${LUMATIX_APP_ID})
set(lumatix_changelog ${CMAKE_BINARY_DIR}/debian/changelog)
string(TIMESTAMP LUMATIX_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in
  ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${lumatix_changelog} @ONLY)
add_custom_command(OUTPUT ${lumatix_changelog}.gz
  COMMAND gzip -9nkf ${lumatix_changelog}
  DEPENDS ${lumatix_changelog}
  COMMENT "Debian changelog"
  VERBATIM)
add_custom_target(lumatix_package_docs ALL DEPENDS ${lumatix_changelog}.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${lumatix_changelog}.gz
  DESTINATION ${lumatix_package_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${LUMATIX_APP_ID})
set(CPACK_PACKAGE_VERSION ${LUMATIX_BUILD_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumatix")
set(CPACK_PACKAGE_CONTACT ${LUMATIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop companion of the Lumatix U speakerphone")
# Lines of at most 80 characters once dpkg indents them.
set(CPACK_PACKAGE_DESCRIPTION
  "A tray application that gets the Lumatix U speakerphone connected and\n"
  "switches the default sound devices between Meeting mode (the speakerphone\n"
  "for output and input) and Music mode (the speakerphone for output, another\n"
  "microphone for input). It guides through Bluetooth pairing, checks for\n"
  "updates, and switches modes from the command line too. Works with\n"
  "PulseAudio and PipeWire, on X11 and Wayland.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMATIX_HOMEPAGE})
# dpkg-shlibdeps works out the library packages from the programs themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: Qt loads its display plugins at run time, and the
# speakerphone is reached through a PulseAudio server (PipeWire's or PulseAudio itself).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "pipewire-pulse | pulseaudio, qt6-wayland, gsettings-desktop-schemas, fonts-droid-fallback")
# Folders and files owned by root with the usual modes in the control archive too.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
