# Makes the build tree a program folder and gives it the layout of an install.
#
# DST/Engine and DST/dox get every file of SRC they do not hold yet (what the
# program wrote there survives a rebuild). DST/share/zuk is kept an exact copy
# of SRC/Engine and SRC/dox, as "cmake --install" puts them under share/zuk:
# the program completes any other program folder (--home) from it.
#
# PLUGINS ('|'-separated) are the built example plug-ins: the build puts them
# into DST/Engine/Plugins itself, and they are installed into the data tree,
# so DST/share/zuk gets them too.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/Engine/* ${SRC}/dox/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${DST}/${f})
    get_filename_component(dir ${DST}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY ${SRC}/${f} DESTINATION ${dir})
  endif()
endforeach()

# Unchanged files keep their time stamps and are not copied again.
set(tree ${DST}/share/zuk)
file(COPY ${SRC}/Engine ${SRC}/dox DESTINATION ${tree})
if(PLUGINS)
  string(REPLACE "|" ";" plugins "${PLUGINS}")
  file(COPY ${plugins} DESTINATION ${tree}/Engine/Plugins)
  foreach(p IN LISTS plugins)
    get_filename_component(name ${p} NAME)
    list(APPEND files Engine/Plugins/${name})
  endforeach()
endif()
file(GLOB_RECURSE stale RELATIVE ${tree} ${tree}/*)
list(REMOVE_ITEM stale ${files})
foreach(f IN LISTS stale)
  file(REMOVE ${tree}/${f})
endforeach()
