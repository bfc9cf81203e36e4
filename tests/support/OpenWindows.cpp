#include "OpenWindows.h"

#include <LooperList.h>
#include <Window.h>

using BPrivate::LooperList;

void
OpenWindows::QuitAll()
{
	for (BLooper* looper : LooperList::Loopers()) {
		if (!LooperList::Lock(looper))
			continue;
		if (BWindow* window = dynamic_cast<BWindow*>(looper))
			window->Quit();
		else
			looper->Unlock();
	}
}
