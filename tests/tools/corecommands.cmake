# quorix-cli list, find, page and conjugate (tools/listcli.cpp, pagecli.cpp, conjugatecommand.cpp).
add_test(NAME cli.core-commands COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/corecommands.sh ${cli} ${synthetic})
set_tests_properties(cli.core-commands PROPERTIES FIXTURES_REQUIRED synthetic_db)

# On the bundled dictionary, whose rows carry the verb's infinitive behind a colour mark: any form
# finds its verb.
add_test(NAME cli.conjugate-bundled COMMAND sh -c
  "'${cli}' conjugate נכנס --db-dir '${QUORIX_APP_DIR}' | grep -qx 'infinitive: לְהִכָּנֵס' && '${cli}' conjugate כותב --db-dir '${QUORIX_APP_DIR}' | grep -qx 'infinitive: לִכְתֹּב'")

# Damaged databases end in the start-up error, damaged or stale list files in the list of a scan.
add_test(NAME cli.damaged-files
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/damagedfiles.sh ${cli} ${synthetic} ${QUORIX_APP_DIR})
set_tests_properties(cli.damaged-files PROPERTIES FIXTURES_REQUIRED synthetic_db TIMEOUT 300)
