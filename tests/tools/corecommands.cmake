# quorix-cli list, find, page and conjugate (tools/listcli.cpp, pagecli.cpp, conjugatecommand.cpp).
add_test(NAME cli.core-commands COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/corecommands.sh ${cli} ${synthetic})
set_tests_properties(cli.core-commands PROPERTIES FIXTURES_REQUIRED synthetic_db)
