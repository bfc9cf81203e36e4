#include <StartProcessor.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace BPrivate {

// In /proc/PID/stat the processor is the 39th field; the name, the 2nd, is
// in parentheses and may hold spaces and parentheses itself, so fields are
// counted from the last ')'.
static const int kFieldsAfterName = 39 - 2;

int32
StartProcessor::LastOf(pid_t process)
{
	std::string path = "/proc/" + std::to_string(process) + "/stat";
	FILE* file = fopen(path.c_str(), "re");
	if (file == nullptr)
		return -1;
	char line[1024];
	size_t size = fread(line, 1, sizeof(line) - 1, file);
	fclose(file);
	line[size] = '\0';
	const char* field = strrchr(line, ')');
	for (int fields = 0; field != nullptr && fields < kFieldsAfterName; fields++)
		field = strchr(field + 1, ' ');
	if (field == nullptr)
		return -1;
	char* end;
	long processor = strtol(field + 1, &end, 10);
	return end != field + 1 && processor >= 0 && processor < CPU_SETSIZE ? (int32)processor : -1;
}

StartProcessor::StartProcessor(int32 processor) : fHinted(false)
{
	if (processor < 0 || sched_getaffinity(0, sizeof(fOwn), &fOwn) != 0 ||
	    CPU_COUNT(&fOwn) < 2 || !CPU_ISSET(processor, &fOwn))
		return;
	cpu_set_t one;
	CPU_ZERO(&one);
	CPU_SET(processor, &one);
	fHinted = sched_setaffinity(0, sizeof(one), &one) == 0;
}

StartProcessor::~StartProcessor()
{
	if (fHinted)
		sched_setaffinity(0, sizeof(fOwn), &fOwn);
}

void
StartProcessor::Release(pid_t child) const
{
	// A child that has already ended needs nothing.
	if (fHinted)
		sched_setaffinity(child, sizeof(fOwn), &fOwn);
}

} // namespace BPrivate
