// The encoding run of the whole program: the stand-in encoder records every
// start; the real encoder turns generated WAV files into Ogg Vorbis files.
#include <Application.h>
#include <Entry.h>
#include <ListItem.h>
#include <NodeInfo.h>
#include <Roster.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "app/VFApp.h"
#include "encode/EncoderOutput.h"
#include "list/FilesList.h"
#include "list/ListFile.h"
#include "tests/support/MessageLog.h"
#include "tests/support/Polling.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempDirectory.h"
#include "tests/support/WaveFile.h"
#include "window/MainWindow.h"

using BPrivate::WindowState;

namespace {

using EncodingRunTest = ProgramFixture;

const char* const kLaunchFailed =
    "È avvenuto un errore cercando di lanciare Oggenc. Assicuratevi che Oggenc si trovi dove "
    "dovrebbe essere e non sia in uso e riprovate.";

} // namespace

TEST_F(EncodingRunTest, EncodesEveryFileInOrderWithTheChosenOptions)
{
	Start();
	std::vector<std::string> files = {folder / "uno.wav", folder / "due \"tre\".wav",
	                                  folder / "città; quattro.wav"};
	AddFiles(files);
	ASSERT_TRUE(user.SelectTab(kMain, "TabView", "Opzioni di Oggenc"));
	ASSERT_TRUE(user.ChooseMenuItem(kMain, "BitrateField", {"128 kbps"}));
	ASSERT_TRUE(user.SetText(kMain, "ExtraParam", "--quiet  -q 3"));

	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());

	std::vector<std::vector<std::string>> expected;
	for (const std::string& file : files)
		expected.push_back({"-b", "128", "--quiet", "", "-q", "3", file});
	EXPECT_EQ(Arguments(), expected);
	// The last file's path holds spaces: the window shows it quoted.
	EXPECT_EQ(user.View(kProgress, "FileName").text, "\"" + files[2] + "\"");
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 3 di 3");
	EXPECT_FALSE(user.IsShown(kProgress));
	Locked([&] { EXPECT_EQ(window->currentIndex, 0); });
}

TEST_F(EncodingRunTest, DefaultOptionsPassThePathAloneAndANewRunStartsAgain)
{
	Start();
	AddFiles({folder / "a.wav", folder / "b.wav"});
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());

	std::vector<std::vector<std::string>> once = {{folder / "a.wav"}, {folder / "b.wav"}};
	std::vector<std::vector<std::string>> twice = once;
	twice.insert(twice.end(), once.begin(), once.end());
	EXPECT_EQ(Arguments(), twice);
}

TEST_F(EncodingRunTest, ShowsProgressAndSkipsAndStopsAHangingEncoder)
{
	log->SetMode("hang");
	Start();
	// The encoder location may name a script that starts the encoder and
	// waits for it: skip and stop must end that encoder too, not only the
	// script.
	std::string wrapper =
	    folder.WriteFile("wrapper.sh", "#!/bin/sh\n'" FAKE_ENCODER_PATH "' \"$@\" &\nwait\n");
	ASSERT_EQ(chmod(wrapper.c_str(), 0700), 0);
	AddFiles({folder / "1.wav", folder / "2 due.wav", folder / "3.wav"});
	for (const std::string& encoder : {std::string(FAKE_ENCODER_PATH), wrapper}) {
		SCOPED_TRACE(encoder);
		Locked([&] { strcpy(app->encoderLocation, encoder.c_str()); });
		size_t before = log->Records().size();
		ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
		ASSERT_TRUE(WaitForRecords(before + 1));
		ASSERT_TRUE(user.WaitIdle());

		WindowState main = user.Window(kMain);
		WindowState progress = user.Window(kProgress);
		EXPECT_TRUE(progress.shown);
		EXPECT_EQ(progress.frame.LeftTop(), main.frame.LeftTop() + BPoint(50, 50));
		EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 1 di 3");
		// The progress window is modal: the main window takes no input.
		EXPECT_NE(user.Refusal([&] { user.Click(kMain, "CloseButton"); }), "");

		team_id first = EncoderTeam();
		ASSERT_TRUE(user.Click(kProgress, "SkipFile"));
		ASSERT_TRUE(WaitForRecords(before + 2));
		ASSERT_TRUE(WaitForEnd(first));
		EXPECT_TRUE(Polling::WaitForProcessEnd(log->Records()[before].pid, MessageLog::kTimeout));
		EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 2 di 3");
		EXPECT_EQ(user.View(kProgress, "FileName").text, "\"" + folder / "2 due.wav" + "\"");
		EXPECT_TRUE(user.View(kProgress, "SkipFile").enabled);

		team_id second = EncoderTeam();
		ASSERT_TRUE(user.Click(kProgress, "StopEncoding"));
		ASSERT_TRUE(WaitForEnd(second));
		EXPECT_TRUE(
		    Polling::WaitForProcessEnd(log->Records()[before + 1].pid, MessageLog::kTimeout));
		EXPECT_FALSE(IsEncoding());
		EXPECT_FALSE(user.IsShown(kProgress));
		// The killed encoder's end starts nothing more.
		EXPECT_EQ(log->Records().size(), before + 2);
	}
}

TEST_F(EncodingRunTest, FilesWhoseEncoderFailedOrCrashedAreReportedAtTheEnd)
{
	log->SetMode("crash");
	Start();
	std::vector<std::string> files = {folder / "x.wav", folder / "y.wav"};
	AddFiles(files);
	// Nothing written: the path alone.
	user.ExpectAlert("EncodeReport",
	                 "Codifica terminata: 2 file su 2 non sono stati codificati.\n" + files[0] +
	                     "\n" + files[1],
	                 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(log->Records().size(), 2u);
	EXPECT_EQ(user.CountExpectedAlerts(), 0);

	// The last line the encoder wrote, progress before it or not.
	log->SetMode("fail");
	log->SetStandardError("\r\t[ 10.0%] [ 0m03s remaining] |\nERROR: Input file non valido\n\n");
	user.ExpectAlert("EncodeReport",
	                 "Codifica terminata: 2 file su 2 non sono stati codificati.\n" + files[0] +
	                     ": ERROR: Input file non valido\n" + files[1] +
	                     ": ERROR: Input file non valido",
	                 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(log->Records().size(), 4u);
	EXPECT_EQ(user.CountExpectedAlerts(), 0);

	// Megabytes on its output and on its error go where they go, nothing
	// waits for them, and a run that failed nowhere ends in silence.
	log->SetStandardError("");
	log->SetMode("output");
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(log->Records().size(), 6u);
}

TEST_F(EncodingRunTest, TwoEncodersShowARowEachAndEndAloneOrTogether)
{
	log->SetMode("hang");
	log->SetStandardError("\r\t[ 47.0%] [ 0m03s remaining] |");
	Start();
	Locked([&] { app->parallelEncoders = 2; });
	std::vector<std::string> files = {folder / "1.wav", folder / "2 due.wav", folder / "3.wav",
	                                  folder / "4.wav"};
	AddFiles(files);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRecords(2));
	// The bars follow the encoders' progress lines within a few updates.
	ASSERT_TRUE(WaitUntil([&] {
		return user.View(kProgress, "FileBar1").trailingText == "47%" &&
		       user.View(kProgress, "FileBar2").trailingText == "47%";
	}));
	EXPECT_EQ(user.View(kProgress, "FileBar1").text, files[0]);
	EXPECT_EQ(user.View(kProgress, "FileBar2").text, "\"" + files[1] + "\"");
	EXPECT_FLOAT_EQ(user.View(kProgress, "FileBar1").barValue, 47);
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 2 di 4");
	EXPECT_EQ(user.View(kProgress, "RunBar").text.rfind("Tempo rimanente: ", 0), 0u);
	EXPECT_FALSE(display.FindView(kProgress, "SkipFile")) << "each row has its own";

	// "Salta" on the second row ends its encoder alone; the next file
	// takes the row.
	std::vector<FakeEncoderLog::Record> records = log->Records();
	pid_t second = records[0].arguments[0] == files[1] ? records[0].pid : records[1].pid;
	pid_t first = records[0].arguments[0] == files[0] ? records[0].pid : records[1].pid;
	ASSERT_TRUE(user.Click(kProgress, "Skip2"));
	ASSERT_TRUE(WaitForRecords(3));
	ASSERT_TRUE(WaitForEnd(second));
	EXPECT_EQ(kill(first, 0), 0) << "the first row's encoder runs on";
	EXPECT_EQ(log->Records()[2].arguments, std::vector<std::string>{files[2]});
	EXPECT_EQ(user.View(kProgress, "FileBar2").text, files[2]);
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 3 di 4");
	EXPECT_TRUE(user.View(kProgress, "Skip2").enabled);

	// "Ferma codifica" ends both, and neither counts as failed.
	pid_t third = log->Records()[2].pid;
	ASSERT_TRUE(user.Click(kProgress, "StopEncoding"));
	ASSERT_TRUE(WaitForEnd(first));
	ASSERT_TRUE(WaitForEnd(third));
	EXPECT_FALSE(IsEncoding());
	EXPECT_FALSE(user.IsShown(kProgress));
	EXPECT_EQ(log->Records().size(), 3u);
	EXPECT_TRUE(user.TakeProblems().empty()) << "no report of files ended by the user";
}

TEST_F(EncodingRunTest, FourEncodersThatEndAtOnceStartEachFileExactlyOnce)
{
	Start();
	Locked([&] { app->parallelEncoders = 4; });
	std::vector<std::string> files;
	for (int i = 0; i < 1000; i++)
		files.push_back(folder / ("f" + std::to_string(i) + ".wav"));
	AddFiles(files);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	// A thousand processes take a while under a sanitizer.
	ASSERT_TRUE(WaitForRunEnd(60 * MessageLog::kTimeout));

	// Four at a time write their records in the order they happen to run.
	std::vector<std::vector<std::string>> expected;
	for (const std::string& file : files)
		expected.push_back({file});
	std::vector<std::vector<std::string>> started = Arguments();
	std::sort(expected.begin(), expected.end());
	std::sort(started.begin(), started.end());
	EXPECT_EQ(started, expected);
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 1000 di 1000");
	EXPECT_EQ(user.View(kProgress, "RunBar").trailingText, "100%");
}

TEST_F(EncodingRunTest, AMissingEncoderOrOneThatCannotStartIsReported)
{
	std::string missing = folder / "nessuno/oggenc";
	Start(missing.c_str());
	AddFiles({folder / "a.wav", folder / "b.wav"});
	user.ExpectAlert("EncodeFailed",
	                 missing +
	                     " non trovato. Assicuratevi che il campo \"Posizione di Oggenc:\" nel "
	                     "pannello \"Opzioni programma\" punti direttamente a Oggenc o ad un suo "
	                     "symlink (non alla cartella in cui si trova).",
	                 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	EXPECT_FALSE(user.IsShown(kProgress));
	EXPECT_FALSE(IsEncoding());

	// A folder exists, so the run starts, and its launch fails.
	Locked([&] { strcpy(app->encoderLocation, folder.Path().c_str()); });
	user.ExpectAlert("LaunchFailed", kLaunchFailed, 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	EXPECT_FALSE(user.IsShown(kProgress));
	EXPECT_FALSE(IsEncoding());
	Locked([&] { EXPECT_EQ(window->currentIndex, 0); });

	// So does a file that may not be run.
	std::string plain = folder.WriteFile("oggenc", "#!/bin/sh\n");
	Locked([&] { strcpy(app->encoderLocation, plain.c_str()); });
	user.ExpectAlert("LaunchFailed", kLaunchFailed, 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	EXPECT_FALSE(IsEncoding());
	EXPECT_TRUE(log->Records().empty());
}

TEST_F(EncodingRunTest, TheListTheProgramIsStartedWithIsItsFirstList)
{
	std::string list = folder / "lista da aprire.vfl";
	std::vector<std::string> files = {folder / "uno.wav", folder / "due.wav"};
	ASSERT_EQ(ListFile::Write(list.c_str(), files), ListFile::kSaved);
	// Only the first file counts; the others are not added.
	Start(FAKE_ENCODER_PATH, {list, folder.WriteFile("altro.wav", "")});
	EXPECT_EQ(user.View(kMain, "FilesList").rows, files);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(Arguments(), (std::vector<std::vector<std::string>>{{files[0]}, {files[1]}}));
}

TEST_F(EncodingRunTest, FilesHandedToTheRunningProgramAreAddedOrOpened)
{
	Start();
	std::string list = folder / "lista.vfl";
	ASSERT_EQ(ListFile::Write(list.c_str(), {"/dalla/lista.wav"}), ListFile::kSaved);
	std::string a = folder.WriteFile("a.wav", "");
	std::string b = folder.WriteFile("b.wav", "");

	BMessage refs(B_REFS_RECEIVED);
	for (const std::string& path : {a, list, b}) {
		entry_ref ref;
		ASSERT_EQ(get_ref_for_path(path.c_str(), &ref), B_OK);
		refs.AddRef("refs", &ref);
	}
	ASSERT_EQ(be_app_messenger.SendMessage(&refs), B_OK);
	ASSERT_TRUE(user.WaitIdle());
	// a.wav is added, then emptied away by the list, and b.wav is ignored.
	EXPECT_EQ(user.View(kMain, "FilesList").rows, std::vector<std::string>{"/dalla/lista.wav"});
}

TEST_F(EncodingRunTest, TheRealEncoderWritesOggVorbisFilesBesideTheWavesAndSaysWhatFailed)
{
	Start("/usr/bin/oggenc");
	Locked([&] { app->parallelEncoders = 2; });
	std::vector<std::string> waves = {folder / "primo.wav", folder / "secondo brano.wav"};
	for (const std::string& wave : waves)
		ASSERT_TRUE(WaveFile::Write(wave));
	std::string text = folder.WriteFile("x.wav", "non audio\n");
	AddFiles({waves[0], text, waves[1]});
	// The encoder's line, cut as the report cuts long ones.
	std::string line = "ERROR: Input file \"" + text + "\" is not a supported format";
	if (line.size() > EncoderOutput::kMaxLineLength)
		line = line.substr(0, EncoderOutput::kMaxLineLength) + "...";
	user.ExpectAlert(
	    "EncodeReport",
	    "Codifica terminata: 1 file su 3 non sono stati codificati.\n" + text + ": " + line, 0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(user.CountExpectedAlerts(), 0);
	EXPECT_TRUE(user.TakeProblems().empty());

	for (const std::string& wave : waves) {
		std::string ogg = wave.substr(0, wave.size() - 4) + ".ogg";
		std::string content = TempDirectory::ReadFile(ogg);
		ASSERT_GE(content.size(), 4u) << ogg;
		EXPECT_EQ(content.substr(0, 4), "OggS") << ogg;
		EXPECT_NE(content.find("vorbis"), std::string::npos) << ogg;
	}
}
