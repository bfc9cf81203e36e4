#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "tests/support/Command.h"
#include "tests/support/TempDirectory.h"

namespace {

struct Settings {
	std::string encoderLocation;
	bool dontCloseOnAdd;
	bool dontClearOnOpen;
	bool selfRegisterMimeType;
	int parallelEncoders;

	bool operator==(const Settings&) const = default;
};

std::ostream&
operator<<(std::ostream& out, const Settings& settings)
{
	return out << "{\"" << settings.encoderLocation << "\", " << settings.dontCloseOnAdd << ", "
	           << settings.dontClearOnOpen << ", " << settings.selfRegisterMimeType << ", "
	           << settings.parallelEncoders << "}";
}

const Settings kDefaults = {"/usr/bin/oggenc", false, false, true, 1};

std::string
FromHex(const std::string& hex)
{
	std::string bytes;
	for (size_t i = 0; i + 1 < hex.size(); i += 2)
		bytes += (char)std::stoi(hex.substr(i, 2), nullptr, 16);
	return bytes;
}

// The bytes of a file's attribute.
std::string
Attribute(const std::string& path, const char* name)
{
	char value[4096];
	ssize_t length =
	    getxattr(path.c_str(), (std::string("user.") + name).c_str(), value, sizeof(value));
	return length < 0 ? "<missing>" : std::string(value, length);
}

// A copy of a program that builds the application object and runs its
// settings store on its own file, which is then running.
class VFAppSettingsTest : public testing::Test {
protected:
	void
	SetUp() override
	{
		if (!fTemp.SupportsAttributes())
			GTEST_SKIP() << "no directory here keeps user extended attributes";
		fProgram = fTemp / "Vorlix OggVorbis Frontend";
		std::filesystem::copy_file(SETTINGS_PROBE_PATH, fProgram);
		fHome = fTemp / "home";
	}

	// Runs the program, as the user set by RunAs(), if any.
	int
	Run(std::vector<std::string> arguments, std::string* output = nullptr)
	{
		arguments.insert(arguments.begin(), fProgram);
		arguments.insert(arguments.begin(), fUser.begin(), fUser.end());
		return Command::Run(arguments, output, fEnvironment);
	}

	// From now on the program runs as nobody, with that settings folder
	// and a home of nobody's own.
	void
	RunAs(const char* configHome)
	{
		fUser = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
		fEnvironment = {"HOME=" + fHome, std::string("XDG_CONFIG_HOME=") + configHome};
	}

	Settings
	Read()
	{
		std::string output;
		EXPECT_EQ(Run({}, &output), 0);
		Settings settings = {};
		size_t first = output.find('\n');
		if (first == std::string::npos || output.size() < first + 9) {
			ADD_FAILURE() << "unexpected output: " << output;
			return settings;
		}
		settings.encoderLocation = FromHex(output.substr(0, first));
		settings.dontCloseOnAdd = output[first + 1] == '1';
		settings.dontClearOnOpen = output[first + 3] == '1';
		settings.selfRegisterMimeType = output[first + 5] == '1';
		settings.parallelEncoders = atoi(output.c_str() + first + 7);
		return settings;
	}

	// The probe's exit status: 0 when the settings were stored.
	int
	Store(const Settings& settings)
	{
		return Run({"write", settings.encoderLocation, settings.dontCloseOnAdd ? "1" : "0",
		            settings.dontClearOnOpen ? "1" : "0", settings.selfRegisterMimeType ? "1" : "0",
		            std::to_string(settings.parallelEncoders)});
	}

	void
	Write(const Settings& settings)
	{
		ASSERT_EQ(Store(settings), 0);
	}

	void
	SetRaw(const char* name, const std::string& value)
	{
		ASSERT_EQ(setxattr(fProgram.c_str(), (std::string("user.") + name).c_str(), value.data(),
		                   value.size(), 0),
		          0);
	}

	std::string
	Raw(const char* name)
	{
		return Attribute(fProgram, name);
	}

	TempDirectory fTemp;
	std::string fProgram;
	std::string fHome;
	std::vector<std::string> fUser;
	std::vector<std::string> fEnvironment;
};

} // namespace

TEST_F(VFAppSettingsTest, FirstStartHasTheDefaults)
{
	EXPECT_EQ(Read(), kDefaults);
}

TEST_F(VFAppSettingsTest, EverySettingSurvivesARoundTrip)
{
	Settings changed = {"/opt/encoder; \"mio\"/oggenc è", true, true, false, 16};
	Write(changed);
	EXPECT_EQ(Read(), changed);
	Settings back = {"/usr/local/bin/oggenc", false, false, true, 2};
	Write(back);
	EXPECT_EQ(Read(), back);
}

TEST_F(VFAppSettingsTest, BytesOnDiskAreTheTextWithItsTerminatorAndOneByteSwitches)
{
	Write({"/opt/oggenc", true, false, true, 3});
	EXPECT_EQ(Raw("encoder_location"), std::string("/opt/oggenc\0", 12));
	EXPECT_EQ(Raw("parallel_encoders"), std::string("\3\0\0\0", 4));
	EXPECT_EQ(Raw("dont_close_on_add"), std::string("\1", 1));
	EXPECT_EQ(Raw("dont_clear_on_open"), std::string("\0", 1));
	EXPECT_EQ(Raw("self_register_mime_type"), std::string("\1", 1));

	if (Command::Exists("getfattr")) {
		std::string shown;
		ASSERT_EQ(
		    Command::Run({"getfattr", "--only-values", "-n", "user.encoder_location", fProgram},
		                 &shown),
		    0);
		EXPECT_EQ(shown, std::string("/opt/oggenc\0", 12));
	}
}

TEST_F(VFAppSettingsTest, MissingLocationBesidePresentSwitches)
{
	SetRaw("dont_close_on_add", std::string("\1", 1));
	SetRaw("dont_clear_on_open", std::string("\1", 1));
	SetRaw("self_register_mime_type", std::string("\0", 1));
	EXPECT_EQ(Read(), (Settings{"/usr/bin/oggenc", true, true, false, 1}));
}

TEST_F(VFAppSettingsTest, EmptyAttributesLeaveTheDefaults)
{
	for (const char* name : {"encoder_location", "dont_close_on_add", "dont_clear_on_open",
	                         "self_register_mime_type", "parallel_encoders"})
		SetRaw(name, "");
	EXPECT_EQ(Read(), kDefaults);
}

TEST_F(VFAppSettingsTest, EncoderCountsFromElsewhereAreKeptWithinOneToSixteen)
{
	struct Case {
		std::string stored;
		int read;
	};
	for (const Case& test : {Case{std::string("\0\0\0\0", 4), 1}, Case{"\xff\xff\xff\xff", 1},
	                         Case{std::string("\x11\0\0\0", 4), 16}, Case{"\x08", 1},
	                         Case{std::string("\x08\0\0\0\x01", 5), 8}}) {
		SetRaw("parallel_encoders", test.stored);
		EXPECT_EQ(Read().parallelEncoders, test.read) << testing::PrintToString(test.stored);
	}
}

TEST_F(VFAppSettingsTest, LocationsThatDoNotFitTheBufferAreCut)
{
	// Longer than the buffer: the first 1023 bytes.
	std::string longer(2000, 'x');
	longer[0] = '/';
	SetRaw("encoder_location", longer);
	EXPECT_EQ(Read().encoderLocation, longer.substr(0, 1023));

	SetRaw("encoder_location", longer.substr(0, 1024));
	EXPECT_EQ(Read().encoderLocation, longer.substr(0, 1023));

	// Short and without its terminator: exactly its bytes, nothing of the
	// default behind them.
	SetRaw("encoder_location", "/a");
	EXPECT_EQ(Read().encoderLocation, "/a");

	SetRaw("encoder_location", std::string("/b\0junk", 7));
	EXPECT_EQ(Read().encoderLocation, "/b");
}

TEST_F(VFAppSettingsTest, AnyNonZeroSwitchByteIsTrue)
{
	SetRaw("dont_close_on_add", "\x02");
	SetRaw("dont_clear_on_open", "\xff");
	EXPECT_EQ(Read(), (Settings{"/usr/bin/oggenc", true, true, true, 1}));
}

TEST_F(VFAppSettingsTest, ExecutableThatCannotBeOpenedKeepsTheDefaults)
{
	Write({"/opt/oggenc", true, true, false, 4});
	// The program removes its own file before it reads and writes: neither
	// can open it, reading gives the defaults and writing creates nothing.
	std::string output;
	ASSERT_EQ(Command::Run({fProgram, "orphan"}, &output), 0);
	std::string expected;
	for (unsigned char c : kDefaults.encoderLocation) {
		char hex[3];
		snprintf(hex, sizeof(hex), "%02x", c);
		expected += hex;
	}
	EXPECT_EQ(output, expected + "\n0\n0\n1\n1\n");
	EXPECT_FALSE(std::filesystem::exists(fProgram));
}

TEST_F(VFAppSettingsTest, TwoInstancesStoringAtOnceLeaveWholeValues)
{
	// A longer location and a shorter one: a value written over the other
	// must not keep the other's tail.
	const Settings first = {"/primo/" + std::string(900, 'p'), true, false, true, 1};
	const Settings second = {"/secondo/" + std::string(300, 's'), false, true, false, 2};
	auto store = [&](const Settings& settings) {
		for (int i = 0; i < 10; i++)
			Write(settings);
	};
	std::thread other(store, second);
	store(first);
	other.join();

	std::string location = Raw("encoder_location");
	EXPECT_TRUE(location == first.encoderLocation + std::string(1, '\0') ||
	            location == second.encoderLocation + std::string(1, '\0'))
	    << location.size() << " bytes";
	for (const char* name : {"dont_close_on_add", "dont_clear_on_open", "self_register_mime_type"})
		EXPECT_TRUE(Raw(name) == std::string(1, '\0') || Raw(name) == std::string(1, '\1')) << name;
}

// Another user of an install owned by root keeps the settings in a file of
// its own, in the folder XDG_CONFIG_HOME names and in the same format; one
// that cannot be written there is reported, and nothing is stored.
TEST_F(VFAppSettingsTest, AnotherUserOfARootOwnedInstallKeepsSettingsInAFileOfItsOwn)
{
	if (geteuid() != 0)
		GTEST_SKIP() << "needs root, to start the program as another user";
	ASSERT_EQ(chmod(fTemp.Path().c_str(), 0755), 0);
	ASSERT_EQ(mkdir(fHome.c_str(), 0700), 0);
	ASSERT_EQ(chown(fHome.c_str(), 65534, 65534), 0);
	const Settings changed = {"/opt/oggenc di nobody", true, false, false, 2};

	RunAs((fHome + "/altrove").c_str());
	EXPECT_EQ(Read(), kDefaults);
	Write(changed);
	EXPECT_EQ(Read(), changed);
	std::string file = fHome + "/altrove/vorlix-oggvorbis-frontend/settings";
	EXPECT_EQ(Attribute(file, "encoder_location"), changed.encoderLocation + '\0');
	EXPECT_EQ(Attribute(file, "dont_close_on_add"), std::string(1, '\1'));
	EXPECT_EQ(Attribute(file, "self_register_mime_type"), std::string(1, '\0'));
	EXPECT_EQ(Raw("encoder_location"), "<missing>");

	RunAs(fTemp.Path().c_str());
	EXPECT_EQ(Store(changed), 1);
	EXPECT_EQ(Read(), kDefaults);
}
