# cmake -DSOURCE=... -DDESTINATION=... -P CopyIfMissing.cmake
# Copies SOURCE to DESTINATION unless DESTINATION exists: files the program
# has written belong to the user and are never replaced by a build.
if(EXISTS "${SOURCE}" AND NOT EXISTS "${DESTINATION}")
  configure_file("${SOURCE}" "${DESTINATION}" COPYONLY)
endif()
