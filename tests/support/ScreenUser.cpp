#include "ScreenUser.h"

#include <gtest/gtest.h>

#include <cmath>

#include <LooperList.h>

#include "Command.h"
#include "FltkDisplay.h"
#include "MessageLog.h"

using BPrivate::LooperList;

ScreenUser::ScreenUser(FltkDisplay& display) : fDisplay(display) {}

uint64
ScreenUser::WaitForDrawn(const std::string& title)
{
	auto report = fDisplay.WaitFor(
	    title,
	    [](const FltkDisplay::WindowReport& window) {
		    return window.shown && window.xid != 0 && window.draws > 0;
	    },
	    MessageLog::kTimeout);
	if (!report) {
		ADD_FAILURE() << "the window " << title << " was not drawn";
		return 0;
	}
	return report->xid;
}

bool
ScreenUser::WaitForScreen()
{
	// The windows first hand the display what changed, then the screen
	// draws it.
	bool settled =
	    LooperList::WaitForIdle(MessageLog::kTimeout) && fDisplay.Settle(MessageLog::kTimeout);
	EXPECT_TRUE(settled) << "the screen did not settle";
	return settled;
}

bool
ScreenUser::Click(const std::string& title, BPoint where, const std::string& modifier)
{
	uint64 window = WaitForDrawn(title);
	if (window == 0)
		return false;
	std::vector<std::string> arguments = {"xdotool"};
	if (!modifier.empty())
		arguments.insert(arguments.end(), {"keydown", modifier});
	arguments.insert(arguments.end(), {"mousemove", "--window", std::to_string(window),
	                                   std::to_string((int)std::lround(where.x)),
	                                   std::to_string((int)std::lround(where.y)), "click", "1"});
	if (!modifier.empty())
		arguments.insert(arguments.end(), {"keyup", modifier});
	return _Run(arguments);
}

bool
ScreenUser::ClickLabel(const std::string& title, const std::string& label)
{
	if (WaitForDrawn(title) == 0)
		return false;
	std::optional<BRect> frame = fDisplay.Frame(title, label);
	if (!frame) {
		ADD_FAILURE() << "no " << label << " in " << title;
		return false;
	}
	return Click(title, Middle(*frame));
}

bool
ScreenUser::Type(const std::string& text)
{
	return _Run({"xdotool", "type", "--delay", "1", text});
}

bool
ScreenUser::Key(const std::string& key)
{
	return _Run({"xdotool", "key", key});
}

bool
ScreenUser::Key(const std::string& title, const std::string& key)
{
	uint64 window = WaitForDrawn(title);
	return window != 0 && _Run({"xdotool", "windowfocus", std::to_string(window)}) && Key(key);
}

bool
ScreenUser::Drop(const std::string& title, BPoint where, const std::vector<std::string>& paths)
{
	uint64 window = WaitForDrawn(title);
	if (window == 0)
		return false;
	std::vector<std::string> arguments = {XDND_SOURCE_PATH, std::to_string(window),
	                                      std::to_string((int)std::lround(where.x)),
	                                      std::to_string((int)std::lround(where.y))};
	arguments.insert(arguments.end(), paths.begin(), paths.end());
	return _Run(arguments);
}

bool
ScreenUser::ClickCloseBox(const std::string& title)
{
	uint64 window = WaitForDrawn(title);
	return window != 0 && _Run({X_CLOSE_PATH, std::to_string(window)});
}

std::string
ScreenUser::ColorAt(const std::string& title, BPoint where)
{
	uint64 window = WaitForDrawn(title);
	if (window == 0 || !WaitForScreen())
		return "";
	std::string crop = "1x1+" + std::to_string((int)std::lround(where.x)) + "+" +
	                   std::to_string((int)std::lround(where.y));
	std::string pixel;
	// ImageMagick's text format ends the pixel's line with "#RRGGBB ...".
	if (Command::Run(
	        {"import", "-window", std::to_string(window), "-crop", crop, "-depth", "8", "txt:-"},
	        &pixel) != 0)
		return "";
	size_t hash = pixel.find('#', pixel.find('\n'));
	return hash == std::string::npos ? "" : pixel.substr(hash, 7);
}

BPoint
ScreenUser::Middle(BRect frame)
{
	return BPoint((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
}

bool
ScreenUser::_Run(const std::vector<std::string>& arguments)
{
	int status = Command::Run(arguments);
	EXPECT_EQ(status, 0) << "failed: " << arguments[0] << " " << arguments[1];
	return status == 0;
}
