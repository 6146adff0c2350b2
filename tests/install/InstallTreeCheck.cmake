# Installs a build into a folder of its own and checks what a package of it would ship:
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DAPP_ID=<id> -DBUNDLE_ID=<id>
#         -DBINDIR=<bin> -DDATADIR=<share> -DMANDIR=<share/man>
#         -DDESKTOP_FILE_VALIDATE=<tool> -DAPPSTREAMCLI=<tool> -DMAN=<tool> -P InstallTreeCheck.cmake
foreach(variable BUILD_DIR PREFIX APP_ID BUNDLE_ID BINDIR DATADIR MANDIR DESKTOP_FILE_VALIDATE
                 APPSTREAMCLI MAN)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "InstallTreeCheck: ${variable} is required")
  endif()
endforeach()

# Runs a command; its exit status and output end up in <name>_status, _out and _err.
function(run name)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${name}_status "${status}" PARENT_SCOPE)
  set(${name}_out "${out}" PARENT_SCOPE)
  set(${name}_err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
run(install ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}")
if(NOT install_status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_err}")
endif()

set(bin "${PREFIX}/${BINDIR}")
set(resources "${PREFIX}/${DATADIR}/${APP_ID}")
run(version "${bin}/${APP_ID}" --version)
if(NOT version_status EQUAL 0 OR NOT version_out MATCHES "^[^\n]+ [0-9][^\n]*\n$")
  message(SEND_ERROR "${APP_ID} --version: status ${version_status}: ${version_out}${version_err}")
endif()

# The desktop program looks for its resources where it is installed, not in the build tree.
run(resources "${bin}/${APP_ID}-desktop" --check-resources)
if(NOT resources_status EQUAL 0 OR NOT resources_out STREQUAL "${resources}\n")
  message(SEND_ERROR "--check-resources: status ${resources_status}: ${resources_out}${resources_err}")
endif()
file(REMOVE "${resources}/LumatixUphoneappEULA_JP.html")
run(incomplete "${bin}/${APP_ID}-desktop" --check-resources)
if(NOT incomplete_status EQUAL 1 OR NOT incomplete_err MATCHES "LumatixUphoneappEULA_JP.html")
  message(SEND_ERROR "--check-resources without the Japanese agreement: "
    "status ${incomplete_status}: ${incomplete_err}")
endif()

# The validators print nothing but their verdict when there is nothing to say.
set(entry "${PREFIX}/${DATADIR}/applications/${BUNDLE_ID}.desktop")
run(entry "${DESKTOP_FILE_VALIDATE}" "${entry}")
if(NOT entry_status EQUAL 0 OR NOT "${entry_out}${entry_err}" STREQUAL "")
  message(SEND_ERROR "desktop-file-validate ${entry}: ${entry_out}${entry_err}")
endif()
set(metainfo "${PREFIX}/${DATADIR}/metainfo/${BUNDLE_ID}.metainfo.xml")
run(metainfo "${APPSTREAMCLI}" validate --no-net --strict "${metainfo}")
if(NOT metainfo_status EQUAL 0)
  message(SEND_ERROR "appstreamcli validate ${metainfo}: ${metainfo_out}${metainfo_err}")
endif()

set(icons "${PREFIX}/${DATADIR}/icons/hicolor")
set(expected "${icons}/scalable/apps/${BUNDLE_ID}.svg")
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected "${icons}/${size}x${size}/apps/${BUNDLE_ID}.png")
endforeach()
set(manual "${PREFIX}/${MANDIR}/man1/${APP_ID}.1.gz")
list(APPEND expected "${manual}" "${PREFIX}/${MANDIR}/man1/${APP_ID}-desktop.1.gz")
foreach(file IN LISTS expected)
  if(NOT EXISTS "${file}")
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()
# The manual page formats without a warning and documents every option.
run(page "${CMAKE_COMMAND}" -E env MANWIDTH=80 "${MAN}" --warnings -l "${manual}")
if(NOT page_status EQUAL 0 OR NOT page_err STREQUAL "")
  message(SEND_ERROR "man -l ${manual}: ${page_err}")
endif()
foreach(option --list-devices --mode --version --help)
  if(NOT page_out MATCHES "${option}")
    message(SEND_ERROR "the manual page does not mention ${option}")
  endif()
endforeach()
