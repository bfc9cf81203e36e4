// A fresh directory for one test, removed with everything in it when the
// object goes. It lies where the file system keeps user extended attributes:
// $TMPDIR or /tmp, else the working directory (the build tree).
#ifndef TEMP_DIRECTORY_H
#define TEMP_DIRECTORY_H

#include <string>

class TempDirectory {
public:
	TempDirectory();
	~TempDirectory();

	TempDirectory(const TempDirectory&) = delete;
	TempDirectory& operator=(const TempDirectory&) = delete;

	// Empty when no directory could be made.
	const std::string&
	Path() const
	{
		return fPath;
	}
	bool
	SupportsAttributes() const
	{
		return fSupportsAttributes;
	}

	// The path of name inside the directory.
	std::string operator/(const std::string& name) const;

	// Creates or replaces the file name with content; its path.
	std::string WriteFile(const std::string& name, const std::string& content) const;

	// The bytes of any file; empty when it cannot be read.
	static std::string ReadFile(const std::string& path);

private:
	std::string fPath;
	bool fSupportsAttributes;
};

#endif // TEMP_DIRECTORY_H
