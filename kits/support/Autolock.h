// BAutolock: holds a looper's lock for the life of a scope.
#ifndef _AUTOLOCK_H
#define _AUTOLOCK_H

#include <Looper.h>

class BAutolock {
public:
	explicit BAutolock(BLooper* looper) : fLooper(looper), fLocked(looper->Lock()) {}
	~BAutolock()
	{
		if (fLocked)
			fLooper->Unlock();
	}
	BAutolock(const BAutolock&) = delete;
	BAutolock& operator=(const BAutolock&) = delete;

	bool
	IsLocked() const
	{
		return fLocked;
	}

private:
	BLooper* fLooper;
	bool fLocked;
};

#endif // _AUTOLOCK_H
