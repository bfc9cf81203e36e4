// The files list with many entries, through the whole program in-process
// on the headless display: opening a list file into the list view, saving
// it, dropping files on it, removing selected rows and clearing it. Each
// figure runs from the user's action (or the panel's reply, for open and
// save) until the program is idle again, the display updated; it is the
// median of the repetitions. Every figure is measured at two sizes, the
// larger four times the smaller, to show how it grows.
//
// Usage: bench_list [entries] [repetitions]   (default 100000 and 5)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <Entry.h>
#include <Message.h>

#include "ProgramSession.h"
#include "Report.h"
#include "Samples.h"
#include "list/FilesList.h"
#include "list/ListFile.h"
#include "window/MainWindow.h"

using Clock = std::chrono::steady_clock;

static const char* const kList = "FilesList";
static const int kSizeFactor = 4;

struct Operation {
	const char* name;
	double goal;
};

// At the larger size: entries in the list; a tenth of that is dropped and
// removed.
static const Operation kOperations[] = {
    {"open", 150}, {"save", 100}, {"drop", 100}, {"remove", 50}, {"clear", 20},
};

static double
Milliseconds(const std::function<bool()>& action, bool* done)
{
	Clock::time_point start = Clock::now();
	*done = action() && *done;
	return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class ListBench {
public:
	ListBench(ProgramSession* session, int entries)
	    : fSession(session), fEntries(entries), fDropped(entries / 10),
	      fListPath(session->Folder() / ("list-" + std::to_string(entries) + ".vfl")),
	      fSavePath(session->Folder() / ("saved-" + std::to_string(entries) + ".vfl")),
	      fDrop(B_SIMPLE_DATA)
	{
	}

	// Writes the list file and the files to drop.
	bool
	Prepare()
	{
		std::vector<std::string> paths;
		for (int index = 0; index < fEntries; index++)
			paths.push_back("/home/utente/Musica/Album " + std::to_string(index / 12) +
			                "/Traccia " + std::to_string(index % 12) + ".wav");
		if (ListFile::Write(fListPath.c_str(), paths) != ListFile::kSaved)
			return false;
		std::string folder = fSession->Folder() / ("drop-" + std::to_string(fEntries));
		if (mkdir(folder.c_str(), 0755) != 0)
			return false;
		for (int index = 0; index < fDropped; index++) {
			std::string path = folder + "/brano " + std::to_string(index) + ".wav";
			FILE* file = fopen(path.c_str(), "w");
			if (file == nullptr)
				return false;
			fclose(file);
			entry_ref ref;
			if (get_ref_for_path(path.c_str(), &ref) != B_OK)
				return false;
			fDrop.AddRef("refs", &ref);
		}
		return true;
	}

	// One round of every operation, from an empty list; false when one did
	// not do what it should.
	bool
	Round(std::map<std::string, Samples>* times)
	{
		TestUser& user = fSession->User();
		FilesList* list = fSession->Window()->filesList;
		bool done = true;
		(*times)["open"].Add(Milliseconds(
		    [&] {
			    list->Open(fListPath.c_str());
			    return user.WaitIdle();
		    },
		    &done));
		done = done && _Count() == fEntries;
		(*times)["save"].Add(Milliseconds(
		    [&] {
			    list->Save(fSavePath.c_str());
			    return user.WaitIdle();
		    },
		    &done));
		(*times)["drop"].Add(
		    Milliseconds([&] { return user.Drop(ProgramSession::kMain, kList, fDrop); }, &done));
		done = done && _Count() == fEntries + fDropped;
		done = done && user.ClickRow(ProgramSession::kMain, kList, 0) &&
		       user.ClickRow(ProgramSession::kMain, kList, fDropped - 1, TestUser::Modifier::Shift);
		(*times)["remove"].Add(
		    Milliseconds([&] { return user.Click(ProgramSession::kMain, "RemoveFiles"); }, &done));
		done = done && _Count() == fEntries;
		(*times)["clear"].Add(Milliseconds(
		    [&] {
			    return user.ChooseMenuItem(ProgramSession::kMain, "MenuBar", {"Lista", "Nuova"});
		    },
		    &done));
		return done && _Count() == 0;
	}

private:
	int
	_Count()
	{
		int count = -1;
		fSession->Locked([&] { count = fSession->Window()->filesList->CountItems(); });
		return count;
	}

	ProgramSession* fSession;
	int fEntries;
	int fDropped;
	std::string fListPath;
	std::string fSavePath;
	BMessage fDrop;
};

int
main(int argc, char** argv)
{
	int entries = argc > 1 ? atoi(argv[1]) : 100000;
	int repetitions = argc > 2 ? atoi(argv[2]) : 5;
	if (entries < 10 * kSizeFactor || repetitions < 1) {
		fprintf(stderr, "usage: bench_list [entries, at least 40] [repetitions]\n");
		return 2;
	}
	ProgramSession session("/usr/bin/oggenc");
	if (!session.IsReady())
		return 1;

	std::map<int, std::map<std::string, Samples>> times;
	for (int size : {entries / kSizeFactor, entries}) {
		ListBench bench(&session, size);
		if (!bench.Prepare()) {
			fprintf(stderr, "bench_list: cannot write the files for %d entries\n", size);
			return 1;
		}
		for (int repetition = 0; repetition < repetitions; repetition++) {
			if (!bench.Round(&times[size])) {
				fprintf(stderr, "bench_list: a list operation failed at %d entries\n", size);
				return 1;
			}
		}
	}

	char title[160];
	snprintf(title, sizeof(title),
	         "Files list of %d entries (drop and remove: %d files), median of %d", entries,
	         entries / 10, repetitions);
	Report report(title);
	for (const Operation& operation : kOperations) {
		report.Bounded(std::string(operation.name), "ms", times[entries][operation.name].Median(),
		               operation.goal);
	}
	for (const Operation& operation : kOperations) {
		report.Growth(std::string(operation.name) + ", growth from " +
		                  std::to_string(entries / kSizeFactor) + " entries",
		              times[entries / kSizeFactor][operation.name].Median(),
		              times[entries][operation.name].Median(), kSizeFactor);
	}
	return 0;
}
