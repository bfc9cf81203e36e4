// The encoding run of the whole program: the stand-in encoder records every
// start; the real encoder turns generated WAV files into Ogg Vorbis files.
#include <Application.h>
#include <Entry.h>
#include <ListItem.h>
#include <NodeInfo.h>
#include <Roster.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/VFApp.h"
#include "list/FilesList.h"
#include "list/ListFile.h"
#include "tests/support/MessageLog.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/TempDirectory.h"
#include "window/MainWindow.h"

namespace {

using EncodingRunTest = ProgramFixture;

// A mono 16-bit WAV of a quarter second of a tone.
void
WriteWave(const std::string& path)
{
	const uint32_t rate = 8000;
	const uint32_t samples = rate / 4;
	std::ofstream out(path, std::ios::binary);
	auto put32 = [&](uint32_t value) { out.write(reinterpret_cast<char*>(&value), 4); };
	auto put16 = [&](uint16_t value) { out.write(reinterpret_cast<char*>(&value), 2); };
	out.write("RIFF", 4);
	put32(36 + samples * 2);
	out.write("WAVEfmt ", 8);
	put32(16);
	put16(1);
	put16(1);
	put32(rate);
	put32(rate * 2);
	put16(2);
	put16(16);
	out.write("data", 4);
	put32(samples * 2);
	for (uint32_t i = 0; i < samples; i++)
		put16((uint16_t)(int16_t)(8000 * std::sin(i * 0.2)));
}

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
	AddFiles({folder / "1.wav", folder / "2 due.wav", folder / "3.wav"});
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRecords(1));
	ASSERT_TRUE(user.WaitIdle());

	WindowState main = user.Window(kMain);
	WindowState progress = user.Window(kProgress);
	EXPECT_TRUE(progress.shown);
	EXPECT_EQ(progress.frame.LeftTop(), main.frame.LeftTop() + BPoint(50, 50));
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 1 di 3");
	// The progress window is modal: the main window takes no input.
	EXPECT_FALSE(display.Click(kMain, "CloseButton").empty());

	pid_t first = log->Records()[0].pid;
	ASSERT_TRUE(user.Click(kProgress, "SkipFile"));
	ASSERT_TRUE(WaitForRecords(2));
	ASSERT_TRUE(WaitForEnd(first));
	EXPECT_EQ(user.View(kProgress, "FileNumber").text, "File 2 di 3");
	EXPECT_EQ(user.View(kProgress, "FileName").text, "\"" + folder / "2 due.wav" + "\"");
	EXPECT_TRUE(user.View(kProgress, "SkipFile").enabled);

	pid_t second = log->Records()[1].pid;
	ASSERT_TRUE(user.Click(kProgress, "StopEncoding"));
	ASSERT_TRUE(WaitForEnd(second));
	EXPECT_FALSE(IsEncoding());
	EXPECT_FALSE(user.IsShown(kProgress));
	// The killed encoder's end starts nothing more.
	EXPECT_EQ(log->Records().size(), 2u);
}

TEST_F(EncodingRunTest, EncodersThatFailOrCrashCountAsFinished)
{
	log->SetMode("crash");
	Start();
	AddFiles({folder / "x.wav", folder / "y.wav"});
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(log->Records().size(), 2u);

	log->SetMode("fail");
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());
	EXPECT_EQ(log->Records().size(), 4u);
}

TEST_F(EncodingRunTest, AnEncoderThatEndsAtOnceStartsEachFileExactlyOnce)
{
	Start();
	std::vector<std::string> files;
	for (int i = 0; i < 500; i++)
		files.push_back(folder / ("f" + std::to_string(i) + ".wav"));
	AddFiles(files);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	// 500 processes take a while under a sanitizer.
	ASSERT_TRUE(WaitForRunEnd(60 * MessageLog::kTimeout));

	std::vector<std::vector<std::string>> expected;
	for (const std::string& file : files)
		expected.push_back({file});
	EXPECT_EQ(Arguments(), expected);
}

TEST_F(EncodingRunTest, AMissingEncoderOrOneThatCannotStartIsReported)
{
	std::string missing = folder / "nessuno/oggenc";
	Start(missing.c_str());
	AddFiles({folder / "a.wav", folder / "b.wav"});
	user.ExpectAlert("EncodeFailed",
		missing + " non trovato. Assicuratevi che il campo \"Posizione di Oggenc:\" nel "
				  "pannello \"Opzioni programma\" punti direttamente a Oggenc o ad un suo "
				  "symlink (non alla cartella in cui si trova).",
		0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	EXPECT_FALSE(user.IsShown(kProgress));
	EXPECT_FALSE(IsEncoding());

	// A folder exists, so the run starts, and its launch fails.
	Locked([&] { strcpy(app->encoderLocation, folder.Path().c_str()); });
	user.ExpectAlert("LaunchFailed",
		"È avvenuto un errore cercando di lanciare Oggenc. Assicuratevi che Oggenc si trovi "
		"dove dovrebbe essere e non sia in uso e riprovate.",
		0);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	EXPECT_FALSE(user.IsShown(kProgress));
	EXPECT_FALSE(IsEncoding());
	Locked([&] { EXPECT_EQ(window->currentIndex, 0); });
	EXPECT_TRUE(log->Records().empty());
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

TEST_F(EncodingRunTest, TheRealEncoderWritesOggVorbisFilesBesideTheWaves)
{
	Start("/usr/bin/oggenc");
	std::vector<std::string> waves = {folder / "primo.wav", folder / "secondo brano.wav"};
	for (const std::string& wave : waves)
		WriteWave(wave);
	AddFiles(waves);
	ASSERT_TRUE(user.Click(kMain, "EncodeButton"));
	ASSERT_TRUE(WaitForRunEnd());

	for (const std::string& wave : waves) {
		std::string ogg = wave.substr(0, wave.size() - 4) + ".ogg";
		std::string content = TempDirectory::ReadFile(ogg);
		ASSERT_GE(content.size(), 4u) << ogg;
		EXPECT_EQ(content.substr(0, 4), "OggS") << ogg;
		EXPECT_NE(content.find("vorbis"), std::string::npos) << ogg;
	}
}
