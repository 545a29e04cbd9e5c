# `cpack` in the build folder makes a .deb of everything installed: library, headers, CMake and
# pkg-config packages, the demo, the gallery, the Qt Designer plug-in and the themes.
set(CPACK_GENERATOR DEB)
# The Qt 6 build installs the same files under its own package name; each declares a conflict with the
# other, so apt replaces one with the other instead of mixing a Qt 5 kit with Qt 6 plug-ins or headers.
if(TAVIX_QT_MAJOR STREQUAL "6")
    set(CPACK_PACKAGE_NAME tavixqtlib-qt6)
    set(CPACK_DEBIAN_PACKAGE_CONFLICTS tavixqtlib)
else()
    set(CPACK_PACKAGE_NAME tavixqtlib)
    set(CPACK_DEBIAN_PACKAGE_CONFLICTS tavixqtlib-qt6)
endif()
set(CPACK_PACKAGE_VENDOR "TavixQtLib")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Themed Qt widget kit with a control registry, JSON pages and a demo")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TavixQtLib maintainers <tavixqtlib@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Library dependencies come from the binaries; the headers need the development packages too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TAVIX_QT_MAJOR STREQUAL "6")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-base-dev, qt6-svg-dev, libjsoncpp-dev")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qtbase5-dev, libqt5svg5-dev, libjsoncpp-dev")
endif()
include(CPack)
