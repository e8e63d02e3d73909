# Installation, manual pages and the Debian package.
include(GNUInstallDirs)

install(TARGETS etp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET etp-gui)
  install(TARGETS etp-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Where etp looks for the program that draws its charts: lib/etp beside bin, as in the
  # build folder (src/app/CMakeLists.txt).
  install(TARGETS etp-chart RUNTIME DESTINATION lib/etp)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/etp-gui.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/etp.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The guide Help > help shows, with its pictures.
  install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/screenshots DESTINATION ${CMAKE_INSTALL_DOCDIR})
  foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/icons/etp-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME etp.png)
  endforeach()
endif()

# Manual pages from the programs' own --help and --version, with the sections in
# docs/man/*.h2m, so that they never drift from the options.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(ETP_MAN_DIR ${CMAKE_BINARY_DIR}/man)
  set(ETP_MAN_PAGES)
  foreach(program etp etp-gui)
    if(TARGET ${program})
      set(page ${ETP_MAN_DIR}/${program}.1)
      add_custom_command(
        OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ETP_MAN_DIR}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --section=1
                --include=${PROJECT_SOURCE_DIR}/docs/man/${program}.h2m
                --output=${page} $<TARGET_FILE:${program}>
        DEPENDS ${program} ${PROJECT_SOURCE_DIR}/docs/man/${program}.h2m
        COMMENT "Manual page ${program}(1)")
      list(APPEND ETP_MAN_PAGES ${page})
      install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endforeach()
  add_custom_target(manpages ALL DEPENDS ${ETP_MAN_PAGES})
endif()

set(CPACK_PACKAGE_NAME etp)
set(CPACK_PACKAGE_VENDOR "etp developers")
set(CPACK_PACKAGE_CONTACT "etp developers <etp@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reference evapotranspiration and model weather files")
set(CPACK_PACKAGE_DESCRIPTION
    "Loads a station's daily weather series, computes daily reference evapotranspiration by up to\n twelve methods, writes the weather files of crop and soil models and schedules irrigation.\n Desktop program etp-gui and batch tool etp.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libgsf is opened at run time with the first workbook, so no program names it among its
# libraries: the package names the Debian package of its soname (libgsf-1.so.114 -> libgsf-1-114).
string(REGEX REPLACE "^libgsf-1\\.so\\.([0-9]+)$" "libgsf-1-\\1" ETP_GSF_PACKAGE ${ETP_GSF_SONAME})
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${ETP_GSF_PACKAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

if(ETP_BUILD_TESTS AND TARGET etp-gui AND HELP2MAN)
  add_test(NAME packaging.deb
           COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check_package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging.deb PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 RUN_SERIAL ON)
endif()

if(ETP_BUILD_TESTS)
  add_test(NAME docs.guide-commands
           COMMAND ${PROJECT_SOURCE_DIR}/tests/docs/run_guide_commands.sh ${PROJECT_SOURCE_DIR}/docs/guide.md
                   ${PROJECT_SOURCE_DIR}/samples/station.txt $<TARGET_FILE_DIR:etp>)
endif()
