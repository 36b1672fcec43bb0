# The window's resource texts in Russian and English: the .ts files are
# compiled to .qm and embedded under :/i18n/ in the given target.
set(TELVANE_TS_FILES
  ${CMAKE_CURRENT_LIST_DIR}/translations/telvane_en.ts
  ${CMAKE_CURRENT_LIST_DIR}/translations/telvane_ru.ts)

function(telvane_add_translations target)
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_i18n)
  set_source_files_properties(${TELVANE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${qm_dir})
  qt_add_lrelease(${target} TS_FILES ${TELVANE_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} "${target}_translations" PREFIX "/i18n" BASE ${qm_dir}
                   FILES ${qm_files})
endfunction()

# The help page sits next to the program in the build tree and is installed
# into the program's share folder.
set(TELVANE_HELP_PAGE ${CMAKE_CURRENT_LIST_DIR}/help/telvane.html)
