# Installation and the Debian package. Linux hosts look for VST 3 bundles in
# lib/vst3 and for VST 2 binaries in lib/lxvst; the VST 2 entry lives in the
# bundle's own binary, so lib/lxvst only holds a link to it. The bundle is
# installed as a whole, with whatever resources the build placed in it.

# The link points into the bundle relative to lib/lxvst, so that it holds
# wherever the tree lands (a prefix, a DESTDIR, dpkg -x).
get_target_property(binary_folder VELTFREE_VST LIBRARY_OUTPUT_DIRECTORY)
file(RELATIVE_PATH binary_folder_in_vst3 ${VELTRANE_BUNDLE_DIR}/.. ${binary_folder})
set(lxvst_link_target ../vst3/${binary_folder_in_vst3}/$<TARGET_FILE_NAME:VELTFREE_VST>)

install(DIRECTORY ${VELTRANE_BUNDLE_DIR} DESTINATION lib/vst3 USE_SOURCE_PERMISSIONS)
install(CODE "
  set(lxvst \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/lxvst\")
  file(MAKE_DIRECTORY \"\${lxvst}\")
  message(STATUS \"Installing: \${lxvst}/$<TARGET_FILE_NAME:VELTFREE_VST>\")
  file(CREATE_LINK \"${lxvst_link_target}\" \"\${lxvst}/$<TARGET_FILE_NAME:VELTFREE_VST>\" SYMBOLIC)
")
# CLAP hosts look in lib/clap for *.clap files: the same binary, linked.
install(CODE "
  set(clap \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/clap\")
  file(MAKE_DIRECTORY \"\${clap}\")
  message(STATUS \"Installing: \${clap}/VeltraneFree.clap\")
  file(CREATE_LINK \"${lxvst_link_target}\" \"\${clap}/VeltraneFree.clap\" SYMBOLIC)
")
install(TARGETS veltrane RUNTIME DESTINATION bin)
# Debian keeps each package's licence as share/doc/PACKAGE/copyright.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION share/doc/veltranefree RENAME copyright)

# Installing and packaging take the build as it stands: `make install`,
# `make deb` and the test run build first, and a package built from CTest must
# not start rebuilding the tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltranefree)
set(CPACK_PACKAGE_VENDOR "Tallow Ridge")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stereo filtered-delay audio plug-in (VST 3 and VST 2)")
set(CPACK_PACKAGE_DESCRIPTION
    "VeltraneFree runs each channel through a resonant low-pass filter into a two-second delay line with feedback and mixes the echoes with the dry signal. It ships as a VST 3 bundle whose binary also carries a VST 2 entry, with veltrane, a command-line tool that renders audio files through it.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallow Ridge")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The libraries the binaries link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
