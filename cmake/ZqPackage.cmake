# How the program is installed and packaged.
#
# Without ZQ_SYSTEM_INSTALL an install is a per-user program folder (see
# ZqInstall.cmake). With it (./package), the layout of a system package:
#   <prefix>/bin/zq-typing-tutor, zq-course, zq-template
#   <prefix>/share/zq-typing-tutor/        courses, media, help, translations,
#                                          icons and the starter files
#   <prefix>/lib/<multiarch>/zq-typing-tutor/   the modules
# with the desktop entry, the icons, the AppStream metainfo, the manual page
# and the copyright where desktops and Debian look for them; users' files
# then live in each person's data folder (see src/base/ProgramPaths.h).
# `cpack -G DEB` in such a build makes the Debian package.

# Where the project lives. Its addresses are those of its public repository;
# the screenshots of the metainfo point at the manual's pictures there.
set(ZQ_REPOSITORY_URL "https://github.com/zq-typing-tutor/zq-typing-tutor"
    CACHE STRING "The address of the project's public repository")
set(ZQ_REPOSITORY_FILES_URL "${ZQ_REPOSITORY_URL}/raw/main"
    CACHE STRING "The address under which the repository's files are served")
set(ZQ_PACKAGE_MAINTAINER "ZQ Typing Tutor developers <maintainers@zq-typing-tutor.invalid>"
    CACHE STRING "The maintainer of the Debian package: name <address>")
# The AppStream id, reverse-DNS of the repository's address; it never changes.
set(ZQ_APPSTREAM_ID io.github.zq_typing_tutor.zq_typing_tutor)
set(ZQ_RELEASE_DATE 2026-12-10)
set(ZQ_RELEASE_DATE_RFC2822 "Thu, 10 Dec 2026 12:00:00 +0000")

# The desktop entry and the metainfo of the package, made in every build so
# that the tests validate them.
set(ZQ_PACKAGE_FILES_DIR ${CMAKE_BINARY_DIR}/package-files)
set(ZQ_DESKTOP_EXEC zq-typing-tutor)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/zq-typing-tutor.desktop.in
               ${ZQ_PACKAGE_FILES_DIR}/zq-typing-tutor.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/zq-typing-tutor.metainfo.xml.in
               ${ZQ_PACKAGE_FILES_DIR}/${ZQ_APPSTREAM_ID}.metainfo.xml @ONLY)
# The copyright and the manual page too. The copyright's stanzas of the
# courses made from dictionaries come from tools/dev/make-courses.sh
# (courses-copyright), with the courses.
set(zq_courses_copyright ${PROJECT_SOURCE_DIR}/data/package/courses-copyright)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${zq_courses_copyright})
file(READ ${zq_courses_copyright} ZQ_COURSES_COPYRIGHT)
string(STRIP "${ZQ_COURSES_COPYRIGHT}" ZQ_COURSES_COPYRIGHT)
configure_file(${PROJECT_SOURCE_DIR}/data/package/copyright.in ${ZQ_PACKAGE_FILES_DIR}/copyright @ONLY)
foreach(command IN ITEMS zq-typing-tutor zq-course zq-template)
  configure_file(${PROJECT_SOURCE_DIR}/data/package/${command}.1.in ${ZQ_PACKAGE_FILES_DIR}/${command}.1 @ONLY)
endforeach()

if(NOT ZQ_SYSTEM_INSTALL)
  include(${CMAKE_CURRENT_LIST_DIR}/ZqInstall.cmake)
  return()
endif()

# The program, and the course maker and template tool teachers use beside it.
install(TARGETS zq-typing-tutor zq-course zq-template RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Private modules: Debian wants them in a folder of their own under lib,
# not executable (CMake installs modules without the execute bit here).
install(TARGETS zq-sound-effects zq-speech zq-progress-charts LIBRARY DESTINATION ${ZQ_MODULES_INSTALL_DIR})
# The data the build assembled (file by file: whatever else the program
# folder holds, such as courses a learner made with the program run from the
# build, belongs to that learner), and the starter files a person's data
# folder begins with.
get_property(zq_program_data_files GLOBAL PROPERTY ZQ_PROGRAM_DATA_FILES)
foreach(file IN LISTS zq_program_data_files)
  file(RELATIVE_PATH relative ${ZQ_PROGRAM_DIR} ${file})
  get_filename_component(folder ${relative} DIRECTORY)
  install(FILES ${file} DESTINATION ${ZQ_DATA_INSTALL_DIR}/${folder})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/zqc.ini ${PROJECT_SOURCE_DIR}/data/zqgame.ini
        DESTINATION ${ZQ_DATA_INSTALL_DIR})

install(FILES ${ZQ_PACKAGE_FILES_DIR}/zq-typing-tutor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZQ_PACKAGE_FILES_DIR}/${ZQ_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/zq-typing-tutor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 48 96 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/zq-typing-tutor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zq-typing-tutor.png)
endforeach()

# The manual page and the changelog, compressed as Debian wants them (gzip
# -9n: no name, no time stamp), and the copyright (made above).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zq-typing-tutor)
configure_file(${PROJECT_SOURCE_DIR}/data/package/changelog.in ${ZQ_PACKAGE_FILES_DIR}/changelog @ONLY)
set(compressed)
foreach(pair IN ITEMS "${ZQ_PACKAGE_FILES_DIR}/zq-typing-tutor.1|zq-typing-tutor.1.gz"
                      "${ZQ_PACKAGE_FILES_DIR}/zq-course.1|zq-course.1.gz"
                      "${ZQ_PACKAGE_FILES_DIR}/zq-template.1|zq-template.1.gz"
                      "${ZQ_PACKAGE_FILES_DIR}/changelog|changelog.gz")
  string(REPLACE "|" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 output)
  add_custom_command(OUTPUT ${ZQ_PACKAGE_FILES_DIR}/${output}
    COMMAND gzip -9nc ${source} > ${ZQ_PACKAGE_FILES_DIR}/${output}
    DEPENDS ${source})
  list(APPEND compressed ${ZQ_PACKAGE_FILES_DIR}/${output})
endforeach()
add_custom_target(zq_package_documents ALL DEPENDS ${compressed})
install(FILES ${ZQ_PACKAGE_FILES_DIR}/zq-typing-tutor.1.gz ${ZQ_PACKAGE_FILES_DIR}/zq-course.1.gz
              ${ZQ_PACKAGE_FILES_DIR}/zq-template.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZQ_PACKAGE_FILES_DIR}/changelog.gz ${ZQ_PACKAGE_FILES_DIR}/copyright DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/data/package/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zq-typing-tutor)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zq-typing-tutor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${ZQ_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/deb)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "touch-typing tutor with courses, drills and a game")
set(CPACK_PACKAGE_DESCRIPTION "ZQ Typing Tutor teaches touch typing. Each learner logs on with a
profile of their own and works through a course line by line, types
random sentences, repeats letters or words of their choosing, takes on
whole paragraphs, or follows an adaptive drill that brings in new keys as
the learner masters the old. A typing game shoots down falling words. An
on-screen keyboard lights the next key and two small hands point at the
finger that presses it; a progress window shows the days of practice and
the slowest keys. Twenty-one courses are included, for English (QWERTY,
Dvorak and Colemak) and seventeen other languages, and the program makes
a course for any keyboard layout of the computer from the words of an
installed dictionary.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZQ_REPOSITORY_URL})
# The libraries the program and its modules link come from dpkg-shlibdeps.
# libzip is opened by its soname when a template is first read (Debian names
# the package after the soname: libzip.so.4 is in libzip4), and the keyboard
# layouts are read from xkb-data.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REGEX REPLACE "^lib(.+)\\.so\\.([0-9]+)$" "lib\\1\\2" zq_libzip_package ${ZQ_LIBZIP_SONAME})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${zq_libzip_package}, xkb-data")
# Qt's own dialog texts in the learner's language, the Wayland platform, the
# font the starter profile names, the font Easy reading offers (OpenDyslexic),
# and a voice for learners who listen (the
# speech module speaks through Qt's speech-dispatcher plug-in; without it the
# program says once that it cannot speak).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, qt6-wayland, fonts-dejavu-core, fonts-opendyslexic, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
