# Writes the shipped empty database when none exists; never touches an existing one.
if(NOT EXISTS "${DB}")
  execute_process(COMMAND "${CLI}" create-db "${DB}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "create-db failed for ${DB}")
  endif()
endif()
