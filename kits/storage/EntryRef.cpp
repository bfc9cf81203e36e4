#include <EntryRef.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

entry_ref::entry_ref() : device(-1), directory(-1), name(nullptr) {}

entry_ref::entry_ref(dev_t device, ino_t directory, const char* name)
    : device(device), directory(directory), name(nullptr)
{
	set_name(name);
}

entry_ref::entry_ref(const entry_ref& other)
    : device(other.device), directory(other.directory), name(nullptr),
      directoryPath(other.directoryPath)
{
	set_name(other.name);
}

entry_ref::~entry_ref()
{
	free(name);
}

entry_ref&
entry_ref::operator=(const entry_ref& other)
{
	if (this == &other)
		return *this;
	device = other.device;
	directory = other.directory;
	directoryPath = other.directoryPath;
	set_name(other.name);
	return *this;
}

bool
entry_ref::operator==(const entry_ref& other) const
{
	if (device != other.device || directory != other.directory)
		return false;
	if (name == nullptr || other.name == nullptr)
		return name == other.name;
	return strcmp(name, other.name) == 0;
}

bool
entry_ref::operator!=(const entry_ref& other) const
{
	return !(*this == other);
}

status_t
entry_ref::set_name(const char* newName)
{
	char* copy = nullptr;
	if (newName != nullptr) {
		copy = strdup(newName);
		if (copy == nullptr)
			return B_NO_MEMORY;
	}
	free(name);
	name = copy;
	return B_OK;
}

status_t
get_ref_for_path(const char* path, entry_ref* ref)
{
	if (path == nullptr || ref == nullptr)
		return B_BAD_VALUE;
	if (path[0] == '\0')
		return B_ENTRY_NOT_FOUND;

	std::string full = path;
	if (full[0] != '/') {
		char* cwd = getcwd(nullptr, 0);
		if (cwd == nullptr)
			return status_from_errno(errno);
		full = std::string(cwd) + "/" + full;
		free(cwd);
	}
	while (full.size() > 1 && full.back() == '/')
		full.pop_back();

	std::string directoryPart;
	std::string leaf;
	size_t slash = full.rfind('/');
	directoryPart = slash == 0 ? "/" : full.substr(0, slash);
	leaf = full.substr(slash + 1);
	if (leaf.empty())
		leaf = ".";
	if (leaf.size() > NAME_MAX)
		return B_NAME_TOO_LONG;
	if (leaf == "." || leaf == "..") {
		// Name the directory itself through its own parent.
		char* resolved = realpath(full.c_str(), nullptr);
		if (resolved == nullptr)
			return status_from_errno(errno);
		std::string real = resolved;
		free(resolved);
		if (real != "/")
			return get_ref_for_path(real.c_str(), ref);
		// The root has no parent: it stands in itself as ".".
		leaf = ".";
		directoryPart = "/";
	}

	char* resolved = realpath(directoryPart.c_str(), nullptr);
	if (resolved == nullptr)
		return status_from_errno(errno);
	std::string directoryPath = resolved;
	free(resolved);

	struct stat info;
	if (stat(directoryPath.c_str(), &info) != 0)
		return status_from_errno(errno);
	if (!S_ISDIR(info.st_mode))
		return B_NOT_A_DIRECTORY;

	ref->device = info.st_dev;
	ref->directory = info.st_ino;
	ref->directoryPath = directoryPath;
	return ref->set_name(leaf.c_str());
}

std::string
path_for_ref(const entry_ref& ref)
{
	if (ref.directoryPath.empty() || ref.name == nullptr)
		return std::string();
	if (strcmp(ref.name, ".") == 0)
		return ref.directoryPath;
	if (ref.directoryPath == "/")
		return "/" + std::string(ref.name);
	return ref.directoryPath + "/" + ref.name;
}
