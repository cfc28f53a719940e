# The Release build carries the hardening Debian builds every package with
# (dpkg-buildflags with DEB_BUILD_MAINT_OPTIONS=hardening=+all): fortified C
# library calls, a strong stack protector, format checks, a position
# independent executable, and relocations made read-only at start (relro,
# bind-now). Written out here, so the build needs no dpkg-dev; the sanitizer
# build (Debug, clang) keeps its own flags.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
    # _FORTIFY_SOURCE replaces nothing without optimisation; Release has -O3.
    add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong
        -Wformat -Werror=format-security)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
