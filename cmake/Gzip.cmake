# Compresses IN into OUT as Debian wants manual pages: the best compression,
# and neither the file name nor a time stamp, so a rebuild gives equal bytes.
execute_process(COMMAND gzip -9n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip could not compress ${IN}")
endif()
