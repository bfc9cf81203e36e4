#include "TempDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

static bool
TakesAttributes(const std::string& directory)
{
	return setxattr(directory.c_str(), "user.probe", "1", 1, 0) == 0 &&
	       removexattr(directory.c_str(), "user.probe") == 0;
}

TempDirectory::TempDirectory() : fSupportsAttributes(false)
{
	std::vector<std::string> bases;
	if (const char* tmp = getenv("TMPDIR"))
		bases.push_back(tmp);
	bases.push_back("/tmp");
	bases.push_back(std::filesystem::current_path().string());

	for (const std::string& base : bases) {
		std::string pattern = base + "/vorlix-test-XXXXXX";
		if (mkdtemp(pattern.data()) == nullptr)
			continue;
		if (TakesAttributes(pattern)) {
			if (!fPath.empty())
				std::filesystem::remove_all(fPath);
			fPath = pattern;
			fSupportsAttributes = true;
			return;
		}
		// Kept only as a last resort for tests that need no attributes.
		if (fPath.empty())
			fPath = pattern;
		else
			std::filesystem::remove_all(pattern);
	}
}

TempDirectory::~TempDirectory()
{
	if (!fPath.empty()) {
		std::error_code ignored;
		std::filesystem::remove_all(fPath, ignored);
	}
}

std::string
TempDirectory::operator/(const std::string& name) const
{
	return fPath + "/" + name;
}

std::string
TempDirectory::WriteFile(const std::string& name, const std::string& content) const
{
	std::string path = *this / name;
	std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
	return path;
}

std::string
TempDirectory::ReadFile(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
