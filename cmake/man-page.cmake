# Writes the manual page of a program from its --help and --version with
# help2man, compressed as Debian policy asks (gzip -9n).
#   cmake -DHELP2MAN=... -DPROGRAM=... -DSUMMARY=... -DEXAMPLES=... -DOUTPUT=FILE.1.gz -P man-page.cmake
# The example of --help names the examples beside the program that runs it;
# the page names them where the package installs them (EXAMPLES).
get_filename_component(name "${PROGRAM}" NAME_WE)
get_filename_component(folder "${OUTPUT}" DIRECTORY)
set(page "${folder}/${name}.1")
execute_process(COMMAND "${HELP2MAN}" --no-info --section=1 "--name=${SUMMARY}" --output=${page} "${PROGRAM}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "help2man could not write the manual page of ${PROGRAM}")
endif()
file(READ "${page}" text)
string(REPLACE "examples/frame" "${EXAMPLES}/frame" text "${text}")
file(WRITE "${page}" "${text}")
execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip could not compress ${page}")
endif()
