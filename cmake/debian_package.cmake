# The Debian package: `cpack -G DEB` (or the `package` target) in a release
# build makes morvane_<version>_<arch>.deb from the install rules. The version
# is the project's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_CONTACT "Morvane developers <dev@morvane.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "convert a point between polar and rectangular coordinates")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane is a small desktop calculator that converts a point between polar
coordinates (radius and angle in degrees) and rectangular coordinates (x, y).
It shows the converted values, a polar and a rectangular diagram of the point
with a live read-out under the pointer, and a worked solution of each
conversion that can be selected and copied.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://morvane.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# The libraries come from the binary (Qt, libmpfr6 and the rest); what Qt
# loads only at run time is named by hand: the X11 and Wayland platform
# plugins and the font the program asks for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-liberation")

set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
