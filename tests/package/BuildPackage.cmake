# Run as a script by the package tests: packages the build with CPACK into
# PACKAGE_DIR, then unpacks PACKAGE_FILE into PACKAGE_DIR/root as dpkg would
# install it.
file(REMOVE_RECURSE ${PACKAGE_DIR})
execute_process(COMMAND ${CPACK} --config ${CPACK_CONFIG} -B ${PACKAGE_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb -x ${PACKAGE_DIR}/${PACKAGE_FILE} ${PACKAGE_DIR}/root COMMAND_ERROR_IS_FATAL ANY)
