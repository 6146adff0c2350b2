# cmake -DQRENCODE=<qrencode> -DURL=<address> -DOUTPUT=<file.svg> -P MakeQrCode.cmake
# Encodes the address as an SVG QR code in navy on white, drawn for an 80 x 80 image view.
if(NOT QRENCODE OR NOT URL OR NOT OUTPUT)
  message(FATAL_ERROR "MakeQrCode: QRENCODE, URL and OUTPUT are required")
endif()
execute_process(
  COMMAND ${QRENCODE} -t SVG --svg-path --rle -l M -m 2 --foreground=002940 --background=FFFFFF
          -o ${OUTPUT}.tmp -- ${URL}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "qrencode failed (${result}) for ${URL}")
endif()
file(READ ${OUTPUT}.tmp svg)
file(REMOVE ${OUTPUT}.tmp)
# Rows of modules overlap a little so no hairline shows between them once anti-aliased.
string(REPLACE "style=\"stroke:#002940\"" "style=\"stroke:#002940;stroke-width:1.1\"" svg "${svg}")
# qrencode sizes the picture in centimetres; give it the pixel size it is shown at.
string(REGEX REPLACE "width=\"[0-9.]+cm\" height=\"[0-9.]+cm\"" "width=\"80\" height=\"80\"" svg "${svg}")
file(WRITE ${OUTPUT} "${svg}")
