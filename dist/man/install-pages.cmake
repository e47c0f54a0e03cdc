# Installs the man pages (run by cmake --install and by CPack): writes the
# data folder under the prefix being installed to into each page in place
# of @DATADIR@, compresses it with gzip -9n (no name or time stamp, as
# Debian wants) and installs it into the man folder. The variables are set
# by dist/CMakeLists.txt: QOLVAR_MAN_PAGES (the pages scdoc made),
# QOLVAR_MAN_DIR and QOLVAR_DATA_DIR (relative to the prefix, or absolute)
# and QOLVAR_MAN_STAGE (a folder of the build for the compressed pages).
if(IS_ABSOLUTE "${QOLVAR_DATA_DIR}")
  set(data_dir "${QOLVAR_DATA_DIR}")
else()
  set(data_dir "${CMAKE_INSTALL_PREFIX}/${QOLVAR_DATA_DIR}")
endif()
if(IS_ABSOLUTE "${QOLVAR_MAN_DIR}")
  set(man_dir "${QOLVAR_MAN_DIR}")
else()
  set(man_dir "${CMAKE_INSTALL_PREFIX}/${QOLVAR_MAN_DIR}")
endif()
# A prefix such as /usr/ must not give /usr//share/qolvar.
string(REGEX REPLACE "/+" "/" data_dir "${data_dir}")

file(MAKE_DIRECTORY "${QOLVAR_MAN_STAGE}")
set(staged)
foreach(page IN LISTS QOLVAR_MAN_PAGES)
  get_filename_component(name "${page}" NAME)
  file(READ "${page}" text)
  string(REPLACE "@DATADIR@" "${data_dir}" text "${text}")
  file(WRITE "${QOLVAR_MAN_STAGE}/${name}" "${text}")
  execute_process(COMMAND gzip -9nf "${QOLVAR_MAN_STAGE}/${name}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on the man page ${name}")
  endif()
  list(APPEND staged "${QOLVAR_MAN_STAGE}/${name}.gz")
endforeach()
file(INSTALL DESTINATION "${man_dir}" TYPE FILE FILES ${staged})
