# The compiler and linker flags of Debian's own packages, as dpkg-buildflags
# gives them with every hardening feature on: stack protector, fortified libc
# calls, format checks, read-only relocations bound at start-up (relro, now).
# They go to every optimised build, so the program that is packaged and the one
# the tests run are built alike; their -O2 -g comes after the build type's own
# optimisation flags and so wins. Debug and sanitizer builds keep their own
# flags: fortify needs optimisation, and the sanitizers check more themselves.
option(VARO_HARDEN "Build optimised builds with Debian's hardening flags (dpkg-buildflags)" ON)
if(NOT VARO_HARDEN OR VARO_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()

find_program(VARO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VARO_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "dpkg-buildflags not found: install dpkg-dev (scripts/install-packages) "
                      "or configure with -DVARO_HARDEN=OFF")
endif()
set(VARO_HARDENING_FLAGS)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  # Run in the source folder, so that the file-name prefix map makes the
  # recorded source paths relative to it.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${VARO_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
  list(APPEND VARO_HARDENING_FLAGS ${flags})
endforeach()
message(STATUS "Debian's build flags: ${VARO_HARDENING_FLAGS}")
