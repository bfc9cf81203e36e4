#include "HeadlessDisplay.h"

#include <chrono>
#include <utility>

using namespace BPrivate;

namespace {

bool
IsModal(const WindowState& window)
{
	return window.feel == B_MODAL_APP_WINDOW_FEEL || window.feel == B_MODAL_ALL_WINDOW_FEEL;
}

} // namespace

HeadlessDisplay::HeadlessDisplay() : fFont(FixedFont::Reference()), fUpdateCount(0) {}

HeadlessDisplay::~HeadlessDisplay() = default;

void
HeadlessDisplay::Update(WindowUpdate update)
{
	WindowState window;
	bool cameUp;
	{
		std::scoped_lock lock(fLock);
		fUpdateCount++;
		int32 token = update.window.token;
		cameUp = fOrder.Note(token, update.window.shown);
		HeadlessWindow& record = fWindows[token];
		record.Apply(std::move(update));
		window = record.State();
		fChanged.notify_all();
	}
	std::scoped_lock observing(fObserverLock);
	if (fObserver)
		fObserver(window, cameUp);
}

void
HeadlessDisplay::RemoveWindow(int32 window)
{
	std::scoped_lock lock(fLock);
	fWindows.erase(window);
	fOrder.Forget(window);
}

font_height
HeadlessDisplay::PlainFontHeight() const
{
	std::scoped_lock lock(fLock);
	return fFont.height;
}

float
HeadlessDisplay::StringWidth(const char* text) const
{
	std::scoped_lock lock(fLock);
	return fFont.StringWidth(text);
}

bool
HeadlessDisplay::HasPendingWork() const
{
	return false;
}

void
HeadlessDisplay::SetFont(const FixedFont& font)
{
	std::scoped_lock lock(fLock);
	fFont = font;
}

void
HeadlessDisplay::SetObserver(Observer observer)
{
	std::scoped_lock observing(fObserverLock);
	fObserver = std::move(observer);
}

int32
HeadlessDisplay::UpdateCount() const
{
	std::scoped_lock lock(fLock);
	return fUpdateCount;
}

bool
HeadlessDisplay::WaitForUpdate(int32 count, bigtime_t timeout) const
{
	std::unique_lock lock(fLock);
	return fChanged.wait_for(lock, std::chrono::microseconds(timeout),
	                         [&] { return fUpdateCount > count; });
}

std::vector<WindowState>
HeadlessDisplay::Windows() const
{
	std::scoped_lock lock(fLock);
	std::vector<WindowState> windows;
	for (int32 token : fOrder.Windows())
		windows.push_back(fWindows.at(token).State());
	return windows;
}

std::optional<WindowState>
HeadlessDisplay::FindWindow(const std::string& title) const
{
	std::optional<HeadlessWindow> window = Snapshot(title);
	return window ? std::optional(window->State()) : std::nullopt;
}

std::optional<HeadlessWindow>
HeadlessDisplay::Snapshot(const std::string& title) const
{
	std::scoped_lock lock(fLock);
	const HeadlessWindow* window = _FindWindow(title);
	if (window == nullptr)
		return std::nullopt;
	return *window;
}

std::optional<ViewState>
HeadlessDisplay::FindView(const std::string& window, const std::string& view) const
{
	std::optional<HeadlessWindow> shown = Snapshot(window);
	const ViewState* state = shown ? shown->FindView(view) : nullptr;
	return state != nullptr ? std::optional(*state) : std::nullopt;
}

std::optional<BRect>
HeadlessDisplay::FrameInWindow(const std::string& window, const std::string& view) const
{
	std::optional<HeadlessWindow> shown = Snapshot(window);
	const ViewState* state = shown ? shown->FindView(view) : nullptr;
	return state != nullptr ? std::optional(shown->FrameInWindow(*state)) : std::nullopt;
}

bool
HeadlessDisplay::IsBlocked(int32 window) const
{
	std::scoped_lock lock(fLock);
	int32 front = fOrder.Pick([&](int32 token) {
		const WindowState& state = fWindows.at(token).State();
		return state.shown && IsModal(state);
	});
	return front != 0 && front != window;
}

bool
HeadlessDisplay::WaitForShown(const std::string& title, bigtime_t timeout) const
{
	std::unique_lock lock(fLock);
	return fChanged.wait_for(lock, std::chrono::microseconds(timeout), [&] {
		const HeadlessWindow* window = _FindWindow(title);
		return window != nullptr && window->State().shown;
	});
}

const HeadlessWindow*
HeadlessDisplay::_FindWindow(const std::string& title) const
{
	auto found = fWindows.find(
	    fOrder.Pick([&](int32 token) { return fWindows.at(token).State().title == title; }));
	return found != fWindows.end() ? &found->second : nullptr;
}
