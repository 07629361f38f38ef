# `cpack -G DEB` in a release build directory gives pennivel_<version>_<arch>.deb.
# Its Depends come from the binaries (dpkg-shlibdeps, from dpkg-dev) plus what
# they load at run time without linking to it.
set(CPACK_PACKAGE_NAME pennivel)
set(CPACK_PACKAGE_VENDOR "Pennivel")
set(CPACK_PACKAGE_CONTACT "Pennivel developers <pennivel@pennivel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tip recorder with a companion screen saver")
set(CPACK_PACKAGE_DESCRIPTION
    "Pennivel keeps short sayings (Tips), each with a date and a category, and
shows them one at a time, in order or at random. Tips can be searched,
edited, reported on, exported and printed. The screen saver Pennivel.scr
shows them full-screen in changing colours and works with XScreenSaver,
xsecurelock and the MATE and Xfce screen savers. pennivel-tool checks,
fills, searches and exports the Tips file from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The programs are stripped in the package; the build directory keeps them with their
# symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://pennivel.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The display's fonts ("Times New Roman", "Courier New") map to the metric-compatible
# Liberation fonts through fontconfig. The toolbar's SVG icons are drawn by a Qt
# plugin that no binary links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6")
# Both programs run natively on Wayland compositors with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver | xsecurelock | mate-screensaver")
include(CPack)
