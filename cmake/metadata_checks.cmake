# Checks of the files the desktop reads about VAZOLAR, each where its tool is installed
# (scripts/deps test installs them): the menu entry, the AppStream metadata and the manual
# page.
set(app_folder ${PROJECT_SOURCE_DIR}/app)

find_program(VAZOLAR_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(VAZOLAR_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid
             COMMAND ${VAZOLAR_DESKTOP_FILE_VALIDATE} ${app_folder}/org.example.vazolar.desktop)
    set_tests_properties(desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "." TIMEOUT 60)
endif()

# appstreamcli fails on warnings and errors. --no-net: the screenshots and links point at the
# public repository, which a build machine need not reach.
find_program(VAZOLAR_APPSTREAMCLI appstreamcli)
if(VAZOLAR_APPSTREAMCLI)
    add_test(NAME metainfo_valid
             COMMAND ${VAZOLAR_APPSTREAMCLI} validate --no-net
                     ${app_folder}/org.example.vazolar.metainfo.xml)
    set_tests_properties(metainfo_valid PROPERTIES TIMEOUT 60)
endif()

# man --warnings prints groff's warnings on standard error; the page itself is thrown away.
find_program(VAZOLAR_MAN man)
if(VAZOLAR_MAN)
    add_test(NAME manual_page_renders
             COMMAND sh -c "\"$0\" --warnings -l \"$1\" >/dev/null" ${VAZOLAR_MAN}
                     ${app_folder}/vazolar.1)
    set_tests_properties(manual_page_renders PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8;MANWIDTH=80" FAIL_REGULAR_EXPRESSION "." TIMEOUT 60)
endif()
