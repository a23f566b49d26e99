# cmake -DBUILD_DIR=... -DHOST_SOURCE_DIR=... -DTOOLCHAIN_FILE=... -DWINE_RUN=... -DOBJDUMP=... -P InstallTest.cmake
# Installs the built library, checks that the DLL needs no MinGW runtime DLL, then configures,
# builds and runs the host project in HOST_SOURCE_DIR against the installed package.
set(work ${BUILD_DIR}/install-test)
set(prefix ${work}/prefix)
set(host_build ${work}/host-build)
file(REMOVE_RECURSE ${work})

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}")
  endif()
  set(step_output "${output}" PARENT_SCOPE)
endfunction()

run_step("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(file bin/Marlow17.dll lib/libMarlow17.dll.a include/Marlow17.h include/Marlow17Version.h
             lib/cmake/Marlow17/Marlow17Config.cmake lib/cmake/Marlow17/Marlow17ConfigVersion.cmake)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()

# The language runtime is linked in: the DLL imports system DLLs only.
run_step("objdump" ${OBJDUMP} -p ${prefix}/bin/Marlow17.dll)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${step_output}")
if(NOT imports)
  message(FATAL_ERROR "objdump listed no imported DLL of Marlow17.dll")
endif()
foreach(import ${imports})
  if(import MATCHES "libstdc\\+\\+|libgcc|winpthread")
    message(FATAL_ERROR "Marlow17.dll imports a MinGW runtime DLL: ${import}")
  endif()
endforeach()

run_step("configuring the host" ${CMAKE_COMMAND} -S ${HOST_SOURCE_DIR} -B ${host_build}
         -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE} -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release)
run_step("building the host" ${CMAKE_COMMAND} --build ${host_build})
if(NOT EXISTS ${host_build}/Marlow17.dll)
  message(FATAL_ERROR "the host build did not put Marlow17.dll beside host.exe")
endif()

run_step("running the host" ${CMAKE_COMMAND} -E env MARLOW_BUILD=${BUILD_DIR} ${WINE_RUN} ${host_build}/host.exe)
message(STATUS "host said: ${step_output}")
if(NOT step_output MATCHES "host: Marlow17 1\\.0\\.0 MARLOW17")
  message(FATAL_ERROR "unexpected output of the host:\n${step_output}")
endif()
