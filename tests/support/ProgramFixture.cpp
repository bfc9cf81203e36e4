#include "ProgramFixture.h"

#include <Version.h>
#include <csignal>
#include <cstring>

#include "Polling.h"
#include "app/VFApp.h"
#include "list/FilesList.h"
#include "window/MainWindow.h"

const char* const ProgramFixture::kMain = "Vorlix OggVorbis Frontend " VF_VERSION;
const char* const ProgramFixture::kProgress = "Stato della codifica";

ProgramFixture::ProgramFixture() = default;

ProgramFixture::~ProgramFixture() = default;

void
ProgramFixture::SetUp()
{
	HeadlessFixture::SetUp();
	environment.Set("XDG_DATA_HOME", folder / "data");
	environment.Set("XDG_CONFIG_HOME", folder / "config");
	log = std::make_unique<FakeEncoderLog>(folder / "encoder.log");
}

void
ProgramFixture::TearDown()
{
	application.reset();
	HeadlessFixture::TearDown();
}

void
ProgramFixture::Start(const char* encoder, const std::vector<std::string>& launchFiles)
{
	application = std::make_unique<ApplicationThread>([] { return new VFApp(); }, launchFiles);
	ASSERT_TRUE(display.WaitForShown(kMain, MessageLog::kTimeout));
	app = static_cast<VFApp*>(application->Application());
	window = app->mainWindow;
	Locked([&] {
		strcpy(app->encoderLocation, encoder);
		app->dontCloseOnAdd = false;
		app->dontClearOnOpen = false;
		app->parallelEncoders = 1;
	});
}

void
ProgramFixture::Locked(const std::function<void()>& action)
{
	user.WaitIdle();
	ASSERT_TRUE(window->Lock());
	action();
	window->Unlock();
}

void
ProgramFixture::AddFiles(const std::vector<std::string>& paths)
{
	Locked([&] {
		for (const std::string& path : paths)
			window->filesList->AddFile(path.c_str());
	});
}

bool
ProgramFixture::IsEncoding()
{
	bool encoding = false;
	Locked([&] { encoding = window->isEncoding; });
	return encoding;
}

team_id
ProgramFixture::EncoderTeam()
{
	team_id team = -1;
	Locked([&] { team = window->encoderTeam; });
	return team;
}

bool
ProgramFixture::WaitUntil(const std::function<bool()>& done, bigtime_t timeout)
{
	return Polling::WaitUntil(done, timeout);
}

bool
ProgramFixture::WaitForRecords(size_t count)
{
	return WaitUntil([&] { return log->Records().size() >= count; });
}

bool
ProgramFixture::WaitForRunEnd(bigtime_t timeout)
{
	return WaitUntil([&] { return !IsEncoding(); }, timeout) && user.WaitIdle();
}

bool
ProgramFixture::WaitForEnd(pid_t pid)
{
	return WaitUntil([&] { return kill(pid, 0) != 0; }) && user.WaitIdle();
}

std::vector<std::vector<std::string>>
ProgramFixture::Arguments()
{
	std::vector<std::vector<std::string>> arguments;
	for (const FakeEncoderLog::Record& record : log->Records())
		arguments.push_back(record.arguments);
	return arguments;
}
