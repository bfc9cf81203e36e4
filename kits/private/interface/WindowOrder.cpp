#include "WindowOrder.h"

#include <algorithm>

namespace BPrivate {

WindowOrder::WindowOrder() : fShownCounter(0) {}

bool
WindowOrder::Note(int32 window, bool shown)
{
	auto found = std::find_if(fEntries.begin(), fEntries.end(),
	                          [window](const Entry& entry) { return entry.window == window; });
	if (found == fEntries.end())
		found = fEntries.insert(fEntries.end(), {window, false, 0});
	bool cameUp = shown && !found->shown;
	found->shown = shown;
	if (cameUp)
		found->shownOrder = ++fShownCounter;
	return cameUp;
}

void
WindowOrder::Forget(int32 window)
{
	std::erase_if(fEntries, [window](const Entry& entry) { return entry.window == window; });
}

std::vector<int32>
WindowOrder::Windows() const
{
	std::vector<int32> windows;
	for (const Entry& entry : fEntries)
		windows.push_back(entry.window);
	return windows;
}

int32
WindowOrder::Pick(const std::function<bool(int32 window)>& accepts) const
{
	const Entry* best = nullptr;
	for (const Entry& entry : fEntries) {
		if (!accepts(entry.window))
			continue;
		if (best == nullptr || (entry.shown && !best->shown) ||
		    (entry.shown == best->shown && entry.shownOrder > best->shownOrder))
			best = &entry;
	}
	return best != nullptr ? best->window : 0;
}

} // namespace BPrivate
