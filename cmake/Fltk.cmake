# FLTK found by its header and its library alone. CMake's FindFLTK loads
# Debian's FLTKConfig.cmake, whose exported targets insist on the form
# designer (/usr/bin/fluid) and then on the OpenGL headers: both only
# recommended by libfltk1.3-dev, and the program uses neither. The shared
# libfltk carries its own dependencies; X11 is named because the display
# calls Xlib itself.
find_path(FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)
find_library(FLTK_LIBRARY fltk REQUIRED)
find_package(X11 REQUIRED)
add_library(Fltk::Fltk INTERFACE IMPORTED)
target_include_directories(Fltk::Fltk INTERFACE ${FLTK_INCLUDE_DIR})
target_link_libraries(Fltk::Fltk INTERFACE ${FLTK_LIBRARY} X11::X11)
