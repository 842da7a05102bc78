# make windows: the .exe files and a README in Russian (CR LF line ends, for
# Notepad), packed as valvenet-<version>-windows-x86_64.zip in the build
# folder, with one folder of the same name inside.
set(VALVENET_ZIP_NAME valvenet-${PROJECT_VERSION}-windows-x86_64)
set(VALVENET_ZIP_STAGE ${CMAKE_BINARY_DIR}/zip)
set(VALVENET_ZIP ${CMAKE_BINARY_DIR}/${VALVENET_ZIP_NAME}.zip)
configure_file(${PROJECT_SOURCE_DIR}/windows/README.txt ${CMAKE_BINARY_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)

set(_programs valvenet-utf8 valvenet-cp866)
if(TARGET valvenet-plan)
  list(APPEND _programs valvenet-plan)
endif()
set(_files ${CMAKE_BINARY_DIR}/README.txt)
foreach(_program IN LISTS _programs)
  list(APPEND _files $<TARGET_FILE:${_program}>)
endforeach()

# The page (make web builds it first), opened there by a double click on
# web/index.html.
set(_page_copy "")
if(EXISTS ${VALVENET_WEB_OUT}/index.html)
  set(_page_copy COMMAND ${CMAKE_COMMAND} -E copy_directory ${VALVENET_WEB_OUT}
                 ${VALVENET_ZIP_STAGE}/${VALVENET_ZIP_NAME}/web)
endif()

add_custom_command(OUTPUT ${VALVENET_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VALVENET_ZIP_STAGE} ${VALVENET_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VALVENET_ZIP_STAGE}/${VALVENET_ZIP_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy ${_files} ${VALVENET_ZIP_STAGE}/${VALVENET_ZIP_NAME}
  ${_page_copy}
  COMMAND ${CMAKE_COMMAND} -E chdir ${VALVENET_ZIP_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${VALVENET_ZIP} --format=zip ${VALVENET_ZIP_NAME}
  DEPENDS ${_programs} ${CMAKE_BINARY_DIR}/README.txt
  COMMENT "Packing ${VALVENET_ZIP_NAME}.zip"
  VERBATIM)
add_custom_target(windows_zip DEPENDS ${VALVENET_ZIP})
