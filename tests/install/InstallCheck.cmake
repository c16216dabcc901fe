# Installs the build into a fresh prefix as `cmake --install` would for a package, and checks the
# tree a desktop needs: the program, the desktop entry and the AppStream file that name it (both
# valid to their validators), the icon the entry names in every size, the manual page, and the
# copyright and changelog files of the package.
# Run with -DBUILD_DIR=... -DPREFIX=... -DAPPSTREAM_ID=...
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("${ARGN}\n${out}${err}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

foreach(tool desktop-file-validate appstreamcli gzip)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message(FATAL_ERROR "${tool} is missing: scripts/install-deps.sh installs it")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(desktop "${PREFIX}/share/applications/razo.desktop")
set(metainfo "${PREFIX}/share/metainfo/${APPSTREAM_ID}.metainfo.xml")
set(manual "${PREFIX}/share/man/man1/razo.1.gz")
set(icons "${PREFIX}/share/icons/hicolor")
set(doc "${PREFIX}/share/doc/razo")
foreach(file "${PREFIX}/bin/razo" "${desktop}" "${icons}/scalable/apps/razo.svg"
             "${metainfo}" "${manual}" "${doc}/copyright" "${doc}/changelog.gz")
  if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The scalable icon draws with outlines only, so that it looks the same without any font; each
# fixed size is a PNG of that size.
file(READ "${icons}/scalable/apps/razo.svg" svg)
if(svg MATCHES "<text")
  message(FATAL_ERROR "the icon draws its letters with a font")
endif()
foreach(size 16 22 24 32 48 64 128 256)
  set(png "${icons}/${size}x${size}/apps/razo.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "not installed: ${png}")
  endif()
  # The signature, then the header chunk's width and height.
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x0${width}")
  math(EXPR height "0x0${height}")
  if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is no ${size}x${size} PNG image: ${header}")
  endif()
endforeach()

run(${found_desktop-file-validate} "${desktop}")
run(${found_appstreamcli} validate --no-net "${metainfo}")

# The entry starts the installed program with the chosen file and shows the installed icon; the
# AppStream file launches that entry and shows the screenshot.
file(READ "${desktop}" entry)
foreach(line "Exec=razo %f" "Icon=razo" "MimeType=text/html;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks the line ${line}")
  endif()
endforeach()
file(READ "${metainfo}" component)
string(FIND "${component}" "<launchable type=\"desktop-id\">razo.desktop</launchable>" launchable)
string(FIND "${component}" "<screenshot type=\"default\">" screenshot)
if(launchable EQUAL -1 OR screenshot EQUAL -1)
  message(FATAL_ERROR "the AppStream file launches no razo.desktop or shows no screenshot")
endif()

# The manual page is a sound archive that names the settings file and the recovery folder and
# names the command line's options.
run(${found_gzip} -t "${manual}")
run(${found_gzip} -t "${doc}/changelog.gz")
execute_process(COMMAND ${found_gzip} -dc "${manual}" OUTPUT_VARIABLE page)
foreach(text ".TH RAZO 1" "RAZO.INI" "Print the version and exit" "XDG_CONFIG_HOME" "XDG_STATE_HOME/razo/recovery"
             "~/.local/state/razo/recovery")
  string(FIND "${page}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page lacks \"${text}\"")
  endif()
endforeach()
