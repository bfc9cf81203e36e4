#include "FltkScreen.h"

#include <algorithm>

#include "FltkAlert.h"
#include "FltkConnection.h"
#include "FltkFilePanel.h"
#include "FltkWindow.h"

using namespace BPrivate;

FltkScreen::FltkScreen(Reporter reporter) : fReporter(std::move(reporter)) {}

FltkScreen::~FltkScreen() = default;

void
FltkScreen::Update(WindowUpdate update)
{
	int32 token = update.window.token;
	std::unique_ptr<FltkWindow>& window = fWindows[token];
	if (window == nullptr) {
		auto listener = [this](FltkWindow& changed) { _Report(changed); };
		switch (update.window.kind) {
			case WindowKind::Alert:
				window = std::make_unique<FltkAlert>(update.window, listener);
				break;
			case WindowKind::FilePanel:
				window = std::make_unique<FltkFilePanel>(update.window, listener);
				break;
			case WindowKind::Normal:
				window = std::make_unique<FltkWindow>(update.window, listener);
				break;
		}
	}
	window->Apply(std::move(update));
	fChanged.insert(token);
}

void
FltkScreen::Remove(int32 window)
{
	auto gone = fWindows.find(window);
	if (gone == fWindows.end())
		return;
	for (auto& [token, other] : fWindows) {
		if (other->Owner() == gone->second.get())
			other->SetOwner(nullptr);
	}
	fShown.erase(std::remove(fShown.begin(), fShown.end(), window), fShown.end());
	fWindows.erase(gone);
	fChanged.erase(window);
}

bool
FltkScreen::Sync()
{
	bool drew = false;
	for (int32 token : fChanged) {
		FltkWindow& window = *fWindows.at(token);
		if (window.IsDialog())
			window.SetOwner(_OwnerFor(window));
		window.Sync();
		drew = drew || window.shown();
	}
	fChanged.clear();
	FltkConnection::Flush();
	return drew;
}

const FltkWindow*
FltkScreen::Find(const std::string& title) const
{
	const FltkWindow* found = nullptr;
	for (const auto& [token, window] : fWindows) {
		if (window->State().title == title && (found == nullptr || window->shown()))
			found = window.get();
	}
	return found;
}

const FltkWindow*
FltkScreen::_OwnerFor(const FltkWindow& dialog) const
{
	for (auto token = fShown.rbegin(); token != fShown.rend(); token++) {
		const FltkWindow* window = fWindows.at(*token).get();
		if (window != &dialog && !window->IsDialog())
			return window;
	}
	return nullptr;
}

void
FltkScreen::_Report(FltkWindow& window)
{
	FltkDisplay::WindowReport report;
	report.token = window.State().token;
	report.title = window.State().title;
	report.shown = window.shown() != 0;
	auto listed = std::find(fShown.begin(), fShown.end(), report.token);
	if (report.shown && listed == fShown.end())
		fShown.push_back(report.token);
	else if (!report.shown && listed != fShown.end())
		fShown.erase(listed);
	report.xid = FltkConnection::WindowId(&window);
	report.draws = window.Draws();
	report.listDraws = window.ListDraws();
	fReporter(report);
}
