# The installed program: a folder of its own under lib/ with the readme
# "leggimi" beside the executable (the program looks for it there, links
# resolved), a relative link on the PATH, and what the desktop needs: the
# desktop entry, the icons, the list file type and the AppStream metadata.
# `cpack -G DEB` in the build folder makes the Debian package of it.

set(VF_PACKAGE vorlix-oggvorbis-frontend)
set(VF_PROGRAM_DIR lib/${VF_PACKAGE})
# The program registers the list type for the user under these names too
# (the desktop entry's id comes from the application signature, the icon's
# and the package file's from the type), so both installs agree.
set(VF_DESKTOP_ID vorlix-ogg-vorbis-frontend)
set(VF_LIST_TYPE_STEM text-x-VorlixOggVorbisFronted-list)
set(VF_METAINFO_ID org.example.vorlix.OggVorbisFrontend)
set(VF_MAINTAINER "Vorlix <vorlix@example.org>")
set(VF_HOMEPAGE https://www.example.org/vorlix/)
set(VF_COPYRIGHT "2026 Vorlix")

# The desktop's icon files, drawn from the same shapes as the built-in icons
# by a tool that runs while building: it is never instrumented, so that it
# runs alike in every build (ThreadSanitizer may need a special address
# space to start).
add_executable(export_icons resources/export_icons.cpp resources/IconSvg.cpp
	desktop/PngWriter.cpp desktop/SystemPalette.cpp)
target_include_directories(export_icons PRIVATE ${CMAKE_SOURCE_DIR}/desktop
	${CMAKE_SOURCE_DIR}/kits/support)
set_target_properties(export_icons PROPERTIES
	COMPILE_OPTIONS "-Wall;-Wextra;$<$<BOOL:${WERROR}>:-Werror>"
	LINK_OPTIONS "")
set(VF_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(VF_ICONS ${VF_ICON_DIR}/icon-16.png ${VF_ICON_DIR}/icon-32.png ${VF_ICON_DIR}/icon-48.png
	${VF_ICON_DIR}/icon.svg)
add_custom_command(OUTPUT ${VF_ICONS}
	COMMAND ${CMAKE_COMMAND} -E make_directory ${VF_ICON_DIR}
	COMMAND export_icons ${VF_ICON_DIR}
	DEPENDS export_icons)

# The documentation: the licence in Debian's copyright format, the change
# log and the manual page, compressed as Debian wants them.
set(VF_DOC_DIR ${CMAKE_BINARY_DIR}/doc)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE VF_LICENSE)
string(FIND "${VF_LICENSE}" "Permission is hereby" VF_PERMISSION_START)
string(SUBSTRING "${VF_LICENSE}" ${VF_PERMISSION_START} -1 VF_LICENSE_BODY)
string(STRIP "${VF_LICENSE_BODY}" VF_LICENSE_BODY)
string(REPLACE "\n\n" "\n.\n" VF_LICENSE_BODY "${VF_LICENSE_BODY}")
string(REPLACE "\n" "\n " VF_LICENSE_BODY " ${VF_LICENSE_BODY}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/copyright.in ${VF_DOC_DIR}/copyright @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(VF_COMPRESSED)
# The texts that name the version take it from the build.
set(VF_TEXT_DIR ${CMAKE_BINARY_DIR}/texts)
foreach(name leggimi changelog ${VF_PACKAGE}.1 ${VF_METAINFO_ID}.metainfo.xml)
	configure_file(resources/${name}.in ${VF_TEXT_DIR}/${name} @ONLY)
endforeach()
foreach(name changelog ${VF_PACKAGE}.1)
	add_custom_command(OUTPUT ${VF_DOC_DIR}/${name}.gz
		COMMAND ${CMAKE_COMMAND} -E copy ${VF_TEXT_DIR}/${name} ${VF_DOC_DIR}/${name}
		COMMAND ${GZIP_PROGRAM} -9nf ${VF_DOC_DIR}/${name}
		DEPENDS ${VF_TEXT_DIR}/${name})
	list(APPEND VF_COMPRESSED ${VF_DOC_DIR}/${name}.gz)
endforeach()

add_custom_target(install_files ALL DEPENDS ${VF_ICONS} ${VF_COMPRESSED})

install(TARGETS VorlixOggVorbisFrontend RUNTIME DESTINATION ${VF_PROGRAM_DIR})
# A relative link keeps working wherever the prefix is moved.
set(VF_LINK_DIR ${CMAKE_BINARY_DIR}/links)
file(MAKE_DIRECTORY ${VF_LINK_DIR})
file(CREATE_LINK ../${VF_PROGRAM_DIR}/VorlixOggVorbisFrontend ${VF_LINK_DIR}/${VF_PACKAGE}
	SYMBOLIC)
install(FILES ${VF_LINK_DIR}/${VF_PACKAGE} DESTINATION bin)
install(FILES ${VF_TEXT_DIR}/leggimi DESTINATION ${VF_PROGRAM_DIR})
install(FILES resources/${VF_DESKTOP_ID}.desktop DESTINATION share/applications)
install(FILES resources/${VF_LIST_TYPE_STEM}.xml DESTINATION share/mime/packages)
install(FILES ${VF_TEXT_DIR}/${VF_METAINFO_ID}.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 32 48)
	foreach(kind apps mimetypes)
		set(name ${VF_DESKTOP_ID})
		if(kind STREQUAL "mimetypes")
			set(name ${VF_LIST_TYPE_STEM})
		endif()
		install(FILES ${VF_ICON_DIR}/icon-${size}.png
			DESTINATION share/icons/hicolor/${size}x${size}/${kind} RENAME ${name}.png)
	endforeach()
endforeach()
install(FILES ${VF_ICON_DIR}/icon.svg DESTINATION share/icons/hicolor/scalable/apps
	RENAME ${VF_DESKTOP_ID}.svg)
install(FILES ${VF_ICON_DIR}/icon.svg DESTINATION share/icons/hicolor/scalable/mimetypes
	RENAME ${VF_LIST_TYPE_STEM}.svg)
install(FILES ${VF_DOC_DIR}/copyright ${VF_DOC_DIR}/changelog.gz DESTINATION share/doc/${VF_PACKAGE})
install(FILES ${VF_DOC_DIR}/${VF_PACKAGE}.1.gz DESTINATION share/man/man1)

# Installed straight into a prefix (not staged for a package, whose
# databases the system's triggers update), the desktop's databases learn
# the new type, entry and icons at once.
install(CODE [[
	if("$ENV{DESTDIR}" STREQUAL "")
		set(share "${CMAKE_INSTALL_PREFIX}/share")
		find_program(UPDATE_MIME update-mime-database)
		find_program(UPDATE_DESKTOP update-desktop-database)
		if(UPDATE_MIME)
			execute_process(COMMAND ${UPDATE_MIME} "${share}/mime")
		endif()
		if(UPDATE_DESKTOP)
			execute_process(COMMAND ${UPDATE_DESKTOP} -q "${share}/applications")
		endif()
		# Icon caches look at the theme folder's time.
		file(TOUCH_NOCREATE "${share}/icons/hicolor")
	endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VF_PACKAGE})
set(CPACK_PACKAGE_VERSION ${VF_VERSION})
set(CPACK_PACKAGE_CONTACT ${VF_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front-end for the Ogg Vorbis encoder oggenc")
# Lines as Debian shows them: each at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
	"A small desktop program that turns audio files into Ogg Vorbis files by"
	"running the command-line encoder oggenc once for each file of a list. The"
	"list is built with a file panel or by dropping files, put in order, saved to"
	"and opened from list files (.vfl), and encoded one file after the other with"
	"a chosen approximate bit rate and extra encoder parameters, while a progress"
	"window lets the user skip a file or stop."
	""
	"The program's texts are Italian. Its settings are extended attributes of its"
	"own executable.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VF_HOMEPAGE})
# The libraries (FLTK's libfltk1.3, the C++ runtime) come from the
# executable; the programs it starts are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "vorbis-tools, xdg-utils, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Staged through DESTDIR, so that the install above leaves the databases
# alone; with DESTDIR, CPack installs into CPACK_INSTALL_PREFIX.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

if(TARGET test_install)
	target_compile_definitions(test_install PRIVATE
		INSTALL_BUILD_DIR="${CMAKE_BINARY_DIR}"
		INSTALL_CMAKE="${CMAKE_COMMAND}"
		INSTALL_CPACK="${CMAKE_CPACK_COMMAND}"
		INSTALL_SANITIZE="${SANITIZE}")
	add_dependencies(test_install install_files)
endif()
