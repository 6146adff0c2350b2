# Texts and pictures of the user interface, built into the lumatix library as Qt resources:
# the string tables at :/i18n/lumatix_<language>.qm, the pictures at :/images/<name>.svg.
# Included from src/CMakeLists.txt once the lumatix target exists.

set(LUMATIX_TRANSLATION_FILES
  ${CMAKE_CURRENT_LIST_DIR}/translations/lumatix_en.ts
  ${CMAKE_CURRENT_LIST_DIR}/translations/lumatix_ja.ts
  ${CMAKE_CURRENT_LIST_DIR}/translations/lumatix_zh_CN.ts
  ${CMAKE_CURRENT_LIST_DIR}/translations/lumatix_zh_TW.ts
)
set_source_files_properties(${LUMATIX_TRANSLATION_FILES}
  PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n)
# The tables are keyed by the string keys themselves, not by English source texts.
qt_add_lrelease(lumatix
  TS_FILES ${LUMATIX_TRANSLATION_FILES}
  OPTIONS -idbased -silent
  QM_FILES_OUTPUT_VARIABLE LUMATIX_QM_FILES
  NO_GLOBAL_TARGET)
qt_add_resources(lumatix "lumatix_translations"
  PREFIX "/i18n"
  BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
  FILES ${LUMATIX_QM_FILES})

set(LUMATIX_IMAGE_FILES
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_off_clicked.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_off_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_off_disable.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_off_hover.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_on_clicked.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_on_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_on_disable.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_switch_on_hover.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_download_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_download_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_faq_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_faq_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_preference_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_preference_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_privacy_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_privacy_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_support_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_support_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_updates_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/btn_tab_updates_selected.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_light_off.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_light_on.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_more_info.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_setting.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_small_tool_Lumatix.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_support_pc.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_support_web.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_Lumatix_dialog.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_view_link_clicked.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_view_link_default.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/icon_view_link_hover.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_bluetooth.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_dot.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_google_meet.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_line.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_login_items.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_microphone.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_microsoft_teams.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_normal_mode.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_online_mode.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_skype.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_step_02.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_step_03.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_updates.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_version_finding.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_version_new.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_version_updated.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_webex.svg
  ${CMAKE_CURRENT_LIST_DIR}/images/img_zoom.svg
)
qt_add_resources(lumatix "lumatix_images"
  PREFIX "/images"
  BASE ${CMAKE_CURRENT_LIST_DIR}/images
  FILES ${LUMATIX_IMAGE_FILES})

# The QR codes follow the store addresses of the build, so they are made here and not kept in
# the source tree.
find_program(LUMATIX_QRENCODE qrencode REQUIRED)
set(LUMATIX_QRCODE_DIR ${CMAKE_CURRENT_BINARY_DIR}/qrcodes)
# Ninja makes the folder of a command's output by itself; Makefiles do not.
file(MAKE_DIRECTORY ${LUMATIX_QRCODE_DIR})
set(LUMATIX_QRCODE_FILES)
foreach(code IN ITEMS "img_qrcode_iOS=LUMATIX_STORE_URL_IOS"
                      "img_qrcode_android=LUMATIX_STORE_URL_ANDROID"
                      "img_qrcode_androidForChina=LUMATIX_STORE_URL_ANDROID_CHINA")
  string(REPLACE "=" ";" code "${code}")
  list(GET code 0 name)
  list(GET code 1 url_variable)
  set(output ${LUMATIX_QRCODE_DIR}/${name}.svg)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DQRENCODE=${LUMATIX_QRENCODE} "-DURL=${${url_variable}}"
            -DOUTPUT=${output} -P ${CMAKE_CURRENT_LIST_DIR}/MakeQrCode.cmake
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/MakeQrCode.cmake
    COMMENT "QR code ${name}"
    VERBATIM)
  list(APPEND LUMATIX_QRCODE_FILES ${output})
endforeach()
qt_add_resources(lumatix "lumatix_qrcodes"
  PREFIX "/images"
  BASE ${LUMATIX_QRCODE_DIR}
  FILES ${LUMATIX_QRCODE_FILES})
