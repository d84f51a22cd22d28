# MPFR and the GMP it is built on, found by their header and libraries rather
# than through pkg-config, so that the same search finds Debian's libmpfr-dev
# and, in a cross-build, the copies under CMAKE_FIND_ROOT_PATH.
# Defines MPFR::MPFR, which brings GMP with it.
find_path(MPFR_INCLUDE_DIR NAMES mpfr.h)
find_path(GMP_INCLUDE_DIR NAMES gmp.h)
find_library(MPFR_LIBRARY NAMES mpfr)
find_library(GMP_LIBRARY NAMES gmp)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MPFR
    REQUIRED_VARS MPFR_LIBRARY MPFR_INCLUDE_DIR GMP_LIBRARY GMP_INCLUDE_DIR
    REASON_FAILURE_MESSAGE
        "The correctly rounded cosine, sine and arctangent need MPFR: install Debian's package libmpfr-dev.")
mark_as_advanced(MPFR_INCLUDE_DIR GMP_INCLUDE_DIR MPFR_LIBRARY GMP_LIBRARY)

if(MPFR_FOUND AND NOT TARGET MPFR::MPFR)
    add_library(MPFR::GMP UNKNOWN IMPORTED)
    set_target_properties(MPFR::GMP PROPERTIES
        IMPORTED_LOCATION "${GMP_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${GMP_INCLUDE_DIR}")
    add_library(MPFR::MPFR UNKNOWN IMPORTED)
    set_target_properties(MPFR::MPFR PROPERTIES
        IMPORTED_LOCATION "${MPFR_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${MPFR_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES MPFR::GMP)
endif()
