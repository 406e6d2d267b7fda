# The Windows program folder, its zip and its setup (cross build with Qt).
#   windows-stage (part of the build)  the folder, checked against the imports
#   kestrin-configurator-windows-zip   kestrin-configurator-windows.zip
#   kestrin-configurator-setup         kestrin-configurator-setup.exe (makensis)
if(NOT TARGET kestrin-configurator OR NOT TARGET kestrin-cfg)
  return()
endif()

get_filename_component(kestrin_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(runtime_dirs)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(found_dir "${found}" DIRECTORY)
  list(APPEND runtime_dirs ${found_dir})
endforeach()
list(REMOVE_DUPLICATES runtime_dirs)
# Qt's own Russian texts: the same .qm files as the host Qt's (they are not
# per platform).
set(KESTRIN_QT_TRANSLATIONS "${QT_HOST_PATH}/share/qt6/translations" CACHE PATH
    "Folder with Qt's qtbase_ru.qm")
find_program(KESTRIN_OBJDUMP NAMES x86_64-w64-mingw32-objdump REQUIRED)
find_program(KESTRIN_STRIP NAMES x86_64-w64-mingw32-strip REQUIRED)

set(stage ${CMAKE_BINARY_DIR}/kestrin-configurator-windows)
set(files_nsh ${CMAKE_BINARY_DIR}/setup-files.nsh)
set(ship ${CMAKE_SOURCE_DIR}/packaging/windows/ship.txt)
# Folder lists are joined with "|": add_test would split them at ";".
list(JOIN runtime_dirs "|" runtime_arg)
set(stage_args
  "-DPROGRAMS=$<TARGET_FILE_DIR:kestrin-configurator>|$<TARGET_FILE_DIR:kestrin-cfg>"
  -DQT=${kestrin_qt_prefix} "-DRUNTIME=${runtime_arg}"
  -DTRANSLATIONS=${KESTRIN_QT_TRANSLATIONS} -DDOC=${CMAKE_SOURCE_DIR}/packaging/windows
  -DOBJDUMP=${KESTRIN_OBJDUMP} -DSTRIP=${KESTRIN_STRIP})
add_custom_command(OUTPUT ${files_nsh}
  COMMAND ${CMAKE_COMMAND} -DSHIP=${ship} -DOUT=${stage} ${stage_args} -DNSH=${files_nsh}
          -P ${CMAKE_SOURCE_DIR}/cmake/windows-stage.cmake
  DEPENDS kestrin-configurator kestrin-cfg ${ship} ${CMAKE_SOURCE_DIR}/cmake/windows-stage.cmake
          ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt
  COMMENT "Windows program folder, checked against the DLL imports"
  VERBATIM)
add_custom_target(windows-stage ALL DEPENDS ${files_nsh})

if(KESTRIN_TESTS)
  # The check itself: the list without the threads runtime, which Qt and the
  # C++ runtime import, must fail and name it.
  file(STRINGS ${ship} ship_lines)
  list(FILTER ship_lines EXCLUDE REGEX "libwinpthread-1\\.dll")
  list(JOIN ship_lines "\n" ship_text)
  file(WRITE ${CMAKE_BINARY_DIR}/ship-without-pthread.txt "${ship_text}\n")
  add_test(NAME windows_stage_refuses_a_missing_dll
    COMMAND ${CMAKE_COMMAND} -DSHIP=${CMAKE_BINARY_DIR}/ship-without-pthread.txt
            -DOUT=${CMAKE_BINARY_DIR}/stage-test ${stage_args}
            -DNSH=${CMAKE_BINARY_DIR}/stage-test.nsh -P ${CMAKE_SOURCE_DIR}/cmake/windows-stage.cmake)
  set_tests_properties(windows_stage_refuses_a_missing_dll PROPERTIES
    PASS_REGULAR_EXPRESSION "Qt6Core.dll imports libwinpthread-1.dll")
endif()

add_custom_target(kestrin-configurator-windows-zip
  COMMAND ${CMAKE_COMMAND} -E rm -f kestrin-configurator-windows.zip
  COMMAND ${CMAKE_COMMAND} -E tar cf kestrin-configurator-windows.zip --format=zip
          kestrin-configurator-windows
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS windows-stage
  VERBATIM)

find_program(KESTRIN_MAKENSIS makensis)
if(KESTRIN_MAKENSIS)
  add_custom_target(kestrin-configurator-setup
    COMMAND ${KESTRIN_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DFILES=${files_nsh}
            -DOUTFILE=${CMAKE_BINARY_DIR}/kestrin-configurator-setup.exe
            ${CMAKE_SOURCE_DIR}/packaging/windows/setup.nsi
    DEPENDS windows-stage ${CMAKE_SOURCE_DIR}/packaging/windows/setup.nsi
    VERBATIM)
endif()
