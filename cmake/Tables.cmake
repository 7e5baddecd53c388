# ombrix_table(<target> SCHEMA <schema> CSV <csv> DEST <program subfolder or "."> NAME <file.dbf> [DBASE4]):
# builds the table (and its .dbt when the schema has memo fields) into the program folder at
# build time with the dbfmake tool.
function(ombrix_table target)
  cmake_parse_arguments(ARG "DBASE4" "SCHEMA;CSV;DEST;NAME" "" ${ARGN})
  foreach(required SCHEMA CSV DEST NAME)
    if(NOT ARG_${required})
      message(FATAL_ERROR "ombrix_table(${target}): ${required} is missing")
    endif()
  endforeach()
  get_filename_component(schema ${ARG_SCHEMA} ABSOLUTE)
  get_filename_component(csv ${ARG_CSV} ABSOLUTE)
  set(folder ${OMBRIX_PROGRAM_DIR}/${ARG_DEST})
  set(out ${folder}/${ARG_NAME})
  set(outputs ${out})
  # A memo field in the schema means a .dbt beside the table.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${schema})
  file(STRINGS ${schema} memo_lines REGEX "^[ \t]*[A-Za-z0-9_]+[ \t]+[Mm]([ \t]|$)")
  if(memo_lines)
    get_filename_component(base ${ARG_NAME} NAME_WLE)
    list(APPEND outputs ${folder}/${base}.dbt)
  endif()
  set(version_flag)
  if(ARG_DBASE4)
    set(version_flag --dbase4)
  endif()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND dbfmake --schema ${schema} --csv ${csv} --out ${out} ${version_flag}
    DEPENDS dbfmake ${schema} ${csv}
    COMMENT "Making table ${ARG_DEST}/${ARG_NAME}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${outputs})
  add_dependencies(program_folder ${target})
endfunction()
