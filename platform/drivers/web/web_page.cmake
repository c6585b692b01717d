# zorva_web_page(target): links a program on the package as one self-contained web page,
# <target>.html in the build folder, with the page of the web driver around it.
set(ZORVA_WEB_DIR ${CMAKE_CURRENT_LIST_DIR})

function(zorva_web_page target)
  set_target_properties(${target} PROPERTIES SUFFIX ".html" RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
  target_link_options(${target} PRIVATE
    -Os
    # The blocking event call waits for the browser: the whole program can be suspended.
    -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
    # String literals above 0xFFFF, where the platform never takes a pointer for a number.
    -sGLOBAL_BASE=65536
    # One file that works when opened from disk: the wasm goes inside as base64.
    -sSINGLE_FILE=1 -sMINIFY_HTML=0
    -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
    "SHELL:--shell-file ${ZORVA_WEB_DIR}/shell.html"
    "SHELL:--pre-js ${ZORVA_WEB_DIR}/page.js")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${ZORVA_WEB_DIR}/shell.html ${ZORVA_WEB_DIR}/page.js)
endfunction()
