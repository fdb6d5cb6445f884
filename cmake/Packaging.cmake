# Installation and the Debian package. Linux hosts look for VST 3 bundles in
# lib/vst3 and for VST 2 binaries in lib/lxvst; the VST 2 entry lives in the
# bundle's own binary, so lib/lxvst only holds a link to it. The bundle is
# installed as a whole, with whatever resources the build placed in it.

# The link points into the bundle relative to lib/lxvst, so that it holds
# wherever the tree lands (a prefix, a DESTDIR, dpkg -x).
get_target_property(binary_folder VELTFREE_VST LIBRARY_OUTPUT_DIRECTORY)
file(RELATIVE_PATH binary_folder_in_vst3 ${VELTRANE_BUNDLE_DIR}/.. ${binary_folder})
set(lxvst_link_target ../vst3/${binary_folder_in_vst3}/$<TARGET_FILE_NAME:VELTFREE_VST>)

# The package's binaries are stripped as dh_strip strips them (PATH relative
# to the prefix, called after its install rule), so that neither symbols nor
# notes reach it; CPACK_STRIP_FILES turns this on for the package only. The
# build tree keeps its symbols, and `make install PREFIX=...` copies as built.
function(veltrane_strip_in_package path)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note --strip-unneeded
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${path}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"cannot strip ${path}\")
      endif()
    endif()
  ")
endfunction()

install(DIRECTORY ${VELTRANE_BUNDLE_DIR} DESTINATION lib/vst3 USE_SOURCE_PERMISSIONS)
veltrane_strip_in_package(lib/vst3/${binary_folder_in_vst3}/$<TARGET_FILE_NAME:VELTFREE_VST>)
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
# LV2 hosts look in lib/lv2 for bundles: the build's Turtle, and the same binary, linked.
install(DIRECTORY ${VELTRANE_LV2_DIR} DESTINATION lib/lv2 FILES_MATCHING PATTERN "*.ttl")
install(CODE "
  set(lv2 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/lv2/VeltraneFree.lv2\")
  message(STATUS \"Installing: \${lv2}/$<TARGET_FILE_NAME:VELTFREE_VST>\")
  file(CREATE_LINK \"../${lxvst_link_target}\" \"\${lv2}/$<TARGET_FILE_NAME:VELTFREE_VST>\" SYMBOLIC)
")
install(TARGETS veltrane RUNTIME DESTINATION bin)
veltrane_strip_in_package(bin/$<TARGET_FILE_NAME:veltrane>)
# The factory presets (tools/factory-presets), in the vendor and product
# folder where VST 3 hosts look for presets.
install(DIRECTORY ${VELTRANE_PRESET_DIR}/ DESTINATION "share/vst3/presets/Tallow Ridge/VeltraneFree"
  FILES_MATCHING PATTERN "*.vstpreset")

# veltrane(1), written from veltrane's own help texts at build time.
find_program(HELP2MAN help2man REQUIRED)
set(man_folder ${PROJECT_BINARY_DIR}/man)
add_custom_command(OUTPUT ${man_folder}/veltrane.1.gz
  COMMAND ${CMAKE_COMMAND} -DVELTRANE=$<TARGET_FILE:veltrane> -DHELP2MAN=${HELP2MAN}
    -DSECTIONS=${PROJECT_SOURCE_DIR}/packaging/veltrane.h2m -DWORK=${man_folder}
    -DOUTPUT=${man_folder}/veltrane.1.gz -P ${PROJECT_SOURCE_DIR}/cmake/WriteManPage.cmake
  DEPENDS veltrane ${PROJECT_SOURCE_DIR}/cmake/WriteManPage.cmake ${PROJECT_SOURCE_DIR}/packaging/veltrane.h2m
  COMMENT "Writing the manual page veltrane(1) from veltrane's help texts"
  VERBATIM)
add_custom_target(manual_page ALL DEPENDS ${man_folder}/veltrane.1.gz)
install(FILES ${man_folder}/veltrane.1.gz DESTINATION share/man/man1)

# Debian keeps each package's licence terms as share/doc/PACKAGE/copyright, in
# the machine-readable format, and its history as changelog.gz; the changelog's
# latest entry must be this version.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^veltranefree \\(${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${latest_entry}', not with this version")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog
  OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
  DESTINATION share/doc/veltranefree)

# Installing and packaging take the build as it stands: `make install`,
# `make deb` and the test run build first, and a package built from CTest must
# not start rebuilding the tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltranefree)
set(CPACK_PACKAGE_VENDOR "Tallow Ridge")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stereo filtered-delay audio plug-in (VST 3, VST 2, CLAP, LV2)")
# Debian shows the long description as written: lines within 80 columns, a
# lone "." between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
VeltraneFree runs each channel through a resonant low-pass filter into a
two-second delay line with feedback and mixes the echoes with the dry signal.
One delay knob sets both channels; a ratio divides it, an offset lengthens the
right channel, and a switch chooses a short comb range or the full delay range.
.
It ships as a VST 3 bundle whose binary also carries a VST 2, a CLAP and an LV2
entry, with an LV2 bundle, eleven factory presets as VST 3 preset files (and
as LV2 presets), and with veltrane, a
command-line tool that renders audio files through the plug-in and shows its
editor.]])
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tallow Ridge <packages@tallowridge.example>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tallowridge.example/veltranefree)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The libraries the binaries link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
