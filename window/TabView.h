// TabView: the main window's three pages, "File", "Opzioni di Oggenc" and
// "Opzioni del programma", one shown at a time. The tabs show the pages'
// view names. The main window and the encoding run reach the pages'
// contents through the fields.
//
// Threads: as every view, used with its window (the main window) locked.
#ifndef TAB_VIEW_H
#define TAB_VIEW_H

#include <TabView.h>

class BButton;
class EncoderView;
class FilesView;
class MainWindow;
class OptionsView;

class TabView : public BTabView {
public:
	// The button and the window go to the files list, which enables the
	// one and locks the other.
	TabView(BRect frame, BButton* encodeButton, MainWindow* window);
	~TabView() override;

	FilesView* filesView;
	EncoderView* encoderView;
	OptionsView* optionsView;
};

#endif // TAB_VIEW_H
