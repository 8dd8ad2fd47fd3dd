# The program's translation catalogues, compiled into the program folder
# (zq_catalogues): data/CMakeLists.txt includes this, and so does a build of
# the toolkit-free libraries alone, whose tests read the catalogues too.
#
# Catalogues: data/locale/<domain>/<lang>/*.po, one file per part of the
# program, are joined into locale/<lang>/LC_MESSAGES/<domain>.mo. A new
# language is added to the list below.
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGCAT msgcat REQUIRED)
set(ZQ_CATALOGUE_DOMAINS default zqlib)
set(ZQ_TRANSLATED_LANGUAGES fr de)
set(mo_files)
foreach(domain IN LISTS ZQ_CATALOGUE_DOMAINS)
  foreach(lang IN LISTS ZQ_TRANSLATED_LANGUAGES)
    file(GLOB po_parts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/locale/${domain}/${lang}/*.po)
    set(joined ${PROJECT_BINARY_DIR}/catalogues/${domain}-${lang}.po)
    set(mo ${ZQ_PROGRAM_DIR}/locale/${lang}/LC_MESSAGES/${domain}.mo)
    add_custom_command(OUTPUT ${mo}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ZQ_PROGRAM_DIR}/locale/${lang}/LC_MESSAGES
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/catalogues
      COMMAND ${MSGCAT} --use-first --to-code=UTF-8 -o ${joined} ${po_parts}
      COMMAND ${MSGFMT} --check-format -o ${mo} ${joined}
      DEPENDS ${po_parts}
      COMMENT "Compiling ${domain} catalogue for ${lang}")
    list(APPEND mo_files ${mo})
  endforeach()
endforeach()
add_custom_target(zq_catalogues ALL DEPENDS ${mo_files})
set_property(GLOBAL APPEND PROPERTY ZQ_PROGRAM_DATA_FILES ${mo_files})

# zq_test_catalogues(TARGET target LOCALE_DIR dir CATALOGUES <po>:<lang>:<domain>...):
# small catalogues of a test program's own, compiled into
# <dir>/<lang>/LC_MESSAGES/<domain>.mo before the program is built, which
# finds them in ZQ_TEST_LOCALE_DIR. Nothing is done without the target (a
# build that leaves those tests out).
function(zq_test_catalogues)
  cmake_parse_arguments(ARG "" "TARGET;LOCALE_DIR" "CATALOGUES" ${ARGN})
  if(NOT TARGET ${ARG_TARGET})
    return()
  endif()
  set(mo_files)
  foreach(catalogue IN LISTS ARG_CATALOGUES)
    string(REPLACE ":" ";" parts ${catalogue})
    list(GET parts 0 po)
    list(GET parts 1 lang)
    list(GET parts 2 domain)
    set(mo ${ARG_LOCALE_DIR}/${lang}/LC_MESSAGES/${domain}.mo)
    add_custom_command(OUTPUT ${mo}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_LOCALE_DIR}/${lang}/LC_MESSAGES
      COMMAND ${MSGFMT} --check-format -o ${mo} ${po}
      DEPENDS ${po})
    list(APPEND mo_files ${mo})
  endforeach()
  add_custom_target(${ARG_TARGET}_catalogues DEPENDS ${mo_files})
  add_dependencies(${ARG_TARGET} ${ARG_TARGET}_catalogues)
  target_compile_definitions(${ARG_TARGET} PRIVATE ZQ_TEST_LOCALE_DIR="${ARG_LOCALE_DIR}")
endfunction()
