# SPDX-License-Identifier: MIT
# Read by cpack, not by the build (CPACK_PROJECT_CONFIG_FILE): every time stamp in the package is
# the last commit's, read now, when the commit being packaged is checked out, so that two packages
# of one commit are the same bytes. CPack's DEB generator honours SOURCE_DATE_EPOCH; a packager's
# own value wins, and outside a git checkout the files' times stay.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_VEZUVAZOV_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_QUIET)
  if(NOT git_failed AND commit_time)
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  endif()
endif()
