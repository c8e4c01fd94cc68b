# Installation and the Debian package.
#
# The program and every file it loads lie together in lib/mouse-quality-test/,
# exactly as in build/bin/, because the station finds Lng/, res/, Driver/ and
# Tool/ beside its own executable. Around that: launchers in bin/ (symbolic
# links; the station resolves its own folder through the link), the desktop
# entry and icon, and the udev rule that lets the operator read the mice.
#   cmake --install build --prefix /opt/mqt
#   (cd build && cpack)            -> build/mouse-quality-test_<version>_<arch>.deb

set(MQT_LAUNCHER_DIR ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${MQT_LAUNCHER_DIR})
foreach(program mouse-quality-test mouse-quality-analyze)
  file(CREATE_LINK ../${MQT_INSTALL_DIR}/${program} ${MQT_LAUNCHER_DIR}/${program} SYMBOLIC)
  install(FILES ${MQT_LAUNCHER_DIR}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

set(MQT_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/assets/desktop)
install(FILES ${MQT_DESKTOP_DIR}/mouse-quality-test.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MQT_DESKTOP_DIR}/mouse-quality-test.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# udev reads rules from /usr/lib/udev/rules.d as well as /etc/udev/rules.d.
install(FILES ${CMAKE_SOURCE_DIR}/assets/udev/70-mouse-quality-test.rules
        DESTINATION lib/udev/rules.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mouse-quality-test)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Mouse quality test station developers")
set(CPACK_PACKAGE_CONTACT "Mouse quality test station developers <maintainers@mouse-quality.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test station for optical mice")
set(CPACK_PACKAGE_DESCRIPTION
    "Records every raw movement report of a mouse with its timestamp, draws X and Y as\n"
    "waveforms and rates how evenly the sensor tracked: a score, a grade and advice.\n"
    "A simulated mouse is built in, so a whole test runs with no mouse attached.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://mouse-quality.example.com")
# dpkg-shlibdeps adds the versions of what the executables link. Named here:
# libevdev, libudev and xcb, which the linker may drop while no code of the
# program calls them yet, the X11 platform plugin, loaded without being
# linked, and the fonts the forms ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libevdev2, libudev1, libxcb1, libxcb-xinput0, qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei")
include(CPack)
