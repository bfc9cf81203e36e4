// WindowManager: a light window manager (Debian's openbox) on the test's
// screen (DISPLAY) from construction until deletion, which ends exactly
// that process, by its id. IsReady() once it has taken the screen and
// answers requests.
#ifndef WINDOW_MANAGER_H
#define WINDOW_MANAGER_H

#include <memory>
#include <string>

class ChildProcess;

class WindowManager {
public:
	WindowManager();
	~WindowManager();
	WindowManager(const WindowManager&) = delete;
	WindowManager& operator=(const WindowManager&) = delete;

	bool IsReady() const;

	// The value of a property of an X window (or of the root window, for
	// "root"), as xprop prints it after "NAME(TYPE) = "; empty when the
	// window has none.
	static std::string Property(const std::string& window, const std::string& name);

private:
	bool _AnswersRequests() const;

	std::unique_ptr<ChildProcess> fProcess;
	bool fReady;
};

#endif // WINDOW_MANAGER_H
