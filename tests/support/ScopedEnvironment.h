// Sets environment variables for the life of the object and puts back what
// was there before. Only for tests that run no threads of their own while
// it changes the environment.
#ifndef SCOPED_ENVIRONMENT_H
#define SCOPED_ENVIRONMENT_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScopedEnvironment {
public:
	ScopedEnvironment() = default;
	~ScopedEnvironment();

	ScopedEnvironment(const ScopedEnvironment&) = delete;
	ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

	void Set(const std::string& name, const std::string& value);

private:
	std::vector<std::pair<std::string, std::optional<std::string>>> fSaved;
};

#endif // SCOPED_ENVIRONMENT_H
