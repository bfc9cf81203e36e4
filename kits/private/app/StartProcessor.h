// StartProcessor: the processor a child process starts on. Short children
// run one after another take less time on the processor where the last one
// ended, whose caches still hold the code they share, than each on another
// (a batch of 1,000 encodes of a twentieth of a second: about a tenth less
// time, the encoders' own processor time included). The kernel puts a new
// child on an idle processor other than its parent's, so a program whose
// threads wake on either processor starts its children on each in turn.
// While one is alive, the calling thread may only run on the given
// processor, which the child inherits for its start; Release() gives the
// child the thread's own processors back, and the destructor the thread.
// So it is a hint for the start, never a pin: the child is free to move as
// soon as it runs.
#ifndef _START_PROCESSOR_H
#define _START_PROCESSOR_H

#include <sched.h>
#include <sys/types.h>

#include <SupportDefs.h>

namespace BPrivate {

class StartProcessor {
public:
	// The processor process last ran on, or -1 when it cannot be read. It
	// can be read until the process is reaped.
	static int32 LastOf(pid_t process);

	// Nothing is changed for -1 or a processor the thread may not use.
	explicit StartProcessor(int32 processor);
	~StartProcessor();
	StartProcessor(const StartProcessor&) = delete;
	StartProcessor& operator=(const StartProcessor&) = delete;

	void Release(pid_t child) const;

private:
	cpu_set_t fOwn;
	bool fHinted;
};

} // namespace BPrivate

#endif // _START_PROCESSOR_H
