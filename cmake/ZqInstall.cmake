# Installs the program for one user, for example
#   cmake --install build --prefix ~/.local
# The program folder (the program beside its data) goes to
# <prefix>/lib/zq-typing-tutor/ and stays writable by the user: the program
# writes zq.ini and zqc.ini there. A link in <prefix>/bin starts it; the
# desktop entry and the icon go where desktops look for them.
set(ZQ_INSTALL_FOLDER lib/zq-typing-tutor)

# Everything the build assembled, except the files that belong to the user
# and the developer tools.
install(DIRECTORY ${ZQ_PROGRAM_DIR}/ DESTINATION ${ZQ_INSTALL_FOLDER} USE_SOURCE_PERMISSIONS
  PATTERN zq.ini EXCLUDE
  PATTERN zqc.ini EXCLUDE
  PATTERN zqgame.ini EXCLUDE
  PATTERN zq-drill EXCLUDE)

# The starter profile file only when the user has none yet; the desktop
# entry with the installed program's path; the link in bin.
install(CODE "
  set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZQ_INSTALL_FOLDER}\")
  execute_process(COMMAND \"${CMAKE_COMMAND}\" -DSOURCE=${PROJECT_SOURCE_DIR}/data/zqc.ini
                  -DDESTINATION=\${folder}/zqc.ini -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake)
  set(ZQ_DESKTOP_EXEC \"\\\"\${CMAKE_INSTALL_PREFIX}/${ZQ_INSTALL_FOLDER}/zq-typing-tutor\\\"\")
  configure_file(${PROJECT_SOURCE_DIR}/data/desktop/zq-typing-tutor.desktop.in
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/zq-typing-tutor.desktop\" @ONLY)
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${ZQ_INSTALL_FOLDER}/zq-typing-tutor
       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/zq-typing-tutor\" SYMBOLIC)
  message(STATUS \"Installed ZQ Typing Tutor in \${folder}\")
")

install(FILES ${PROJECT_SOURCE_DIR}/data/icons/zq-typing-tutor.svg
  DESTINATION share/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 48 96 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/zq-typing-tutor-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zq-typing-tutor.png)
endforeach()
