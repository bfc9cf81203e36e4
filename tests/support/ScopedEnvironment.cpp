#include "ScopedEnvironment.h"

#include <cstdlib>

ScopedEnvironment::~ScopedEnvironment()
{
	for (auto saved = fSaved.rbegin(); saved != fSaved.rend(); saved++) {
		if (saved->second)
			setenv(saved->first.c_str(), saved->second->c_str(), 1);
		else
			unsetenv(saved->first.c_str());
	}
}

void
ScopedEnvironment::Set(const std::string& name, const std::string& value)
{
	const char* old = getenv(name.c_str());
	fSaved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
	setenv(name.c_str(), value.c_str(), 1);
}
