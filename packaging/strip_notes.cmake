# Run by CPack after it has installed and stripped the files: drops the compiler's .comment and
# the .note sections, which a packaged binary does not need.
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(binary ${binaries})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${binary}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
