#include "MainWindowFixture.h"

#include <Version.h>

#include "app/VFApp.h"
#include "window/MainWindow.h"

using BPrivate::FixedFont;

const char* const MainWindowFixture::kTitle = "Vorlix OggVorbis Frontend " VF_VERSION;
const FixedFont MainWindowFixture::kLargeFont = {{14, 4, 3}, 9};

MainWindowFixture::MainWindowFixture()
{
	// The test's own arguments are no files to open.
	BApplication::SetLaunchFiles(0, nullptr);
}

MainWindowFixture::~MainWindowFixture() = default;

void
MainWindowFixture::SetUp()
{
	HeadlessFixture::SetUp();
	app = std::make_unique<VFApp>();
}

void
MainWindowFixture::TearDown()
{
	HeadlessFixture::TearDown();
	app.reset();
}

void
MainWindowFixture::Start(const entry_ref* listFile)
{
	window = new MainWindow(listFile);
	window->Show();
}

void
MainWindowFixture::Locked(const std::function<void()>& action)
{
	user.WaitIdle();
	ASSERT_TRUE(window->Lock());
	action();
	window->Unlock();
}

std::vector<std::string>
MainWindowFixture::Rows()
{
	return user.View(kTitle, "FilesList").rows;
}
