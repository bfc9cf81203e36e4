// WindowOrder: the windows a display knows, in the order it first heard of
// them, with the order in which they came up; and the rule by which a
// display picks one of several windows, as when tests and tools ask for a
// window by its title: a shown window wins over hidden ones, the one shown
// last over those shown earlier, and of windows never shown the one known
// first.
//
// Threads: none of its own; the display guards it with its own lock.
#ifndef _WINDOW_ORDER_H
#define _WINDOW_ORDER_H

#include <functional>
#include <vector>

#include <SupportDefs.h>

namespace BPrivate {

class WindowOrder {
public:
	WindowOrder();

	// The display has a new state of the window; true when the window
	// came up with it.
	bool Note(int32 window, bool shown);
	void Forget(int32 window);

	// Every window known, in the order first noted.
	std::vector<int32> Windows() const;
	// Of the windows accepted, the one the rule picks; 0 when none is.
	int32 Pick(const std::function<bool(int32 window)>& accepts) const;

private:
	struct Entry {
		int32 window;
		bool shown;
		// When it last came up; 0 when it never did.
		uint64 shownOrder;
	};

	std::vector<Entry> fEntries;
	uint64 fShownCounter;
};

} // namespace BPrivate

#endif // _WINDOW_ORDER_H
