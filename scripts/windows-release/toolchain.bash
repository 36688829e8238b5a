# Sourced by build-qt and build: the Debian packages whose versions decide the bytes of the Windows
# release (Qt for Windows included), and toolchain_versions, which lists them with their versions.
# The list keys the cache of Qt for Windows and goes into the release's BUILDINFO, so that a
# rebuild on another machine, or months later, can tell why its bytes differ.
# shellcheck disable=SC2034 # read by the scripts that source this file
toolchain_packages=(
    # the compiler, its Windows headers and runtime, and the linker
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    binutils-mingw-w64-x86-64
    # the build tools, and the host's moc and rcc that Qt and the program are made with
    cmake ninja-build qt6-base-dev-tools
    # Qt's French texts, built into the program; the icon's tools; the notice's Python
    qt6-translations-l10n librsvg2-bin icoutils python3
    # the installer, the zip, the MSI, the signatures, the source tarball
    nsis zip wixl msitools osslsigncode tar gzip
)

toolchain_versions() {
    dpkg-query -W -f='${Package} ${Version}\n' "${toolchain_packages[@]}" | LC_ALL=C sort
}
