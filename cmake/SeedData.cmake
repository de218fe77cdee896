# Copies every file of SRC into DST that DST does not hold yet.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/Engine/* ${SRC}/dox/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${DST}/${f})
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY ${SRC}/${f} DESTINATION ${dir})
  endif()
endforeach()
