# The Debian package: `cpack -G DEB` in the build tree makes
# tymba_<version>_<architecture>.deb of what `cmake --install` installs, with
# the prefix /usr. The libraries the programs link are found by
# dpkg-shlibdeps; what they load at run time is listed here.
set(TYMBA_MAINTAINER "Tymba developers <maintainers@users.noreply.c-seed-5d359302.example>"
    CACHE STRING "The Maintainer field of the Debian package")

# The changelog's newest entry must be the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^tymba \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with version ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tymba)
set(CPACK_PACKAGE_VENDOR "Tymba developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TYMBA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts of the typing boxes, the sound and dictation back end, Qt's own
# texts in Czech, and the X11 platform plugin without which no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n, qt6-qpa-plugins")
# A proportional font for menus and dialogs; a minimal system without one
# shows them in the typing font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch typing tutor and typing tests for the Czech keyboard")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tymba teaches touch typing on the Czech keyboard and tests typing speed and
accuracy. You copy a Czech text while the program keeps time, and the result
is scored the Czech way: gross keystrokes, errors, net keystrokes, net
keystrokes per minute and the error percentage. The grading tool
tymba-vyhodnoceni scores texts typed elsewhere by the same rules.

Tymba učí psát všemi deseti na české klávesnici a testuje rychlost a přesnost
psaní. Uživatel opisuje český text, program mezitím měří čas a výsledek
hodnotí po česku: hrubé úhozy, chyby, čisté úhozy, čisté úhozy za minutu
a procento chyb. Nástroj tymba-vyhodnoceni vyhodnotí podle stejných pravidel
texty napsané jinde.")
include(CPack)
