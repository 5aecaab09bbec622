# Runs the real desktop program without any display: had it reached its windows it would fail
# otherwise, so each answer below comes before any window.
function(run expected_status expected_out expected_err)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
            ${SOYKA} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status OR NOT out MATCHES "${expected_out}" OR
     NOT err MATCHES "${expected_err}")
    message(FATAL_ERROR "soyka ${ARGN}: status ${status}, stdout '${out}', stderr '${err}'")
  endif()
endfunction()

set(usage "Использование: soyka [^\n]*")
run(2 "^$" "^soyka: лишний файл «b.soyka»\\. ${usage}\n$" a.soyka b.soyka)
run(2 "^$" "^soyka: неизвестный параметр «--bogus»\\. ${usage}\n$" a.soyka --bogus)
# The toolkit's own options are not the program's.
run(2 "^$" "^soyka: неизвестный параметр «-platform»\\. ${usage}\n$" -platform offscreen)
run(2 "^$" "^soyka: --scale ждёт число от 1 до 3, а не «4»\\. ${usage}\n$" --scale 4)
run(2 "^$" "^soyka: --scale ждёт число от 1 до 3, а не «крупно»\\. ${usage}\n$" --scale=крупно)
run(2 "^$" "^soyka: после --scale нужно число от 1 до 3\\. ${usage}\n$" a.soyka --scale)
run(0 "^${usage}\n" "^$" --scale 1,5 --help)
run(0 "^${usage}\n" "^$" --help)
run(0 "^soyka ${VERSION}\n$" "^$" --version)
