# Puts a deliverable into the runnable folder; the program finds its
# libraries beside itself.
function(tavlion_stage target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${TAVLION_STAGE_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${TAVLION_STAGE_DIR}
    BUILD_RPATH "$ORIGIN"
    INSTALL_RPATH "$ORIGIN")
endfunction()
