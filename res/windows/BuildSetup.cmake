# Packs the Windows setup (cmake -P, from the windows_installer target in this folder's CMakeLists.txt)
# when the program, the NSIS script, the icon or the set of catalogs changed since the last one.
# -D: MAKENSIS STRIP PROGRAM LOCALE SCRIPT ICON VERSION VERSION_QUAD STAGE OUTFILE
file(GLOB_RECURSE catalogs ${LOCALE}/*.mo)
list(SORT catalogs)
set(catalog_list ${STAGE}/catalogs.txt)
if(EXISTS ${catalog_list})
  file(READ ${catalog_list} packed_catalogs)
else()
  set(packed_catalogs "")
endif()

set(outdated FALSE)
if(NOT EXISTS ${OUTFILE} OR NOT packed_catalogs STREQUAL "${catalogs}")
  set(outdated TRUE)
endif()
foreach(input ${PROGRAM} ${SCRIPT} ${ICON} ${catalogs})
  if(${input} IS_NEWER_THAN ${OUTFILE})
    set(outdated TRUE)
  endif()
endforeach()
if(NOT outdated)
  return()
endif()

# The debugging information stays in the build tree's copy: it would triple the download.
file(MAKE_DIRECTORY ${STAGE})
if(STRIP)
  execute_process(COMMAND ${STRIP} -o ${STAGE}/stillmark.exe ${PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
else()
  file(COPY_FILE ${PROGRAM} ${STAGE}/stillmark.exe)
endif()
execute_process(
  COMMAND ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DVERSION_QUAD=${VERSION_QUAD}
          -DEXE=${STAGE}/stillmark.exe -DLOCALE=${LOCALE} -DICON=${ICON} -DOUTFILE=${OUTFILE} ${SCRIPT}
  COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${catalog_list} "${catalogs}")
list(LENGTH catalogs count)
file(SIZE ${OUTFILE} size)
message(STATUS "Windows setup: ${OUTFILE} (${size} bytes, ${count} catalogs)")
