#include <Path.h>

#include <Entry.h>

#include <cstring>

// Whether a path must go through the file system to become a plain
// absolute one.
static bool
MustNormalize(const std::string& path)
{
	if (path.empty() || path[0] != '/')
		return true;
	if (path.size() > 1 && path.back() == '/')
		return true;
	if (path.find("//") != std::string::npos || path.find("/./") != std::string::npos ||
	    path.find("/../") != std::string::npos)
		return true;
	auto endsWith = [&path](const char* tail) {
		size_t length = strlen(tail);
		return path.size() >= length && path.compare(path.size() - length, length, tail) == 0;
	};
	return endsWith("/.") || endsWith("/..");
}

BPath::BPath() : fStatus(B_NO_INIT) {}

BPath::BPath(const BPath& other) : fPath(other.fPath), fStatus(other.fStatus) {}

BPath::BPath(const entry_ref* ref) : fStatus(B_NO_INIT)
{
	SetTo(ref);
}

BPath::BPath(const BEntry* entry) : fStatus(B_NO_INIT)
{
	SetTo(entry);
}

BPath::BPath(const char* path, const char* leaf, bool normalize) : fStatus(B_NO_INIT)
{
	SetTo(path, leaf, normalize);
}

BPath::~BPath() {}

BPath&
BPath::operator=(const BPath& other)
{
	fPath = other.fPath;
	fStatus = other.fStatus;
	return *this;
}

bool
BPath::operator==(const BPath& other) const
{
	return fStatus == other.fStatus && fPath == other.fPath;
}

bool
BPath::operator!=(const BPath& other) const
{
	return !(*this == other);
}

status_t
BPath::InitCheck() const
{
	return fStatus;
}

status_t
BPath::SetTo(const entry_ref* ref)
{
	Unset();
	if (ref == nullptr)
		return fStatus = B_BAD_VALUE;
	std::string path = path_for_ref(*ref);
	if (path.empty())
		return fStatus = B_BAD_VALUE;
	fPath = path;
	return fStatus = B_OK;
}

status_t
BPath::SetTo(const BEntry* entry)
{
	Unset();
	if (entry == nullptr)
		return fStatus = B_BAD_VALUE;
	entry_ref ref;
	status_t status = entry->GetRef(&ref);
	if (status != B_OK)
		return fStatus = status;
	return SetTo(&ref);
}

status_t
BPath::SetTo(const char* path, const char* leaf, bool normalize)
{
	if (path == nullptr || path[0] == '\0' || (leaf != nullptr && leaf[0] == '/')) {
		Unset();
		return fStatus = B_BAD_VALUE;
	}
	std::string full = path;
	if (leaf != nullptr)
		full += std::string("/") + leaf;
	if (normalize || MustNormalize(full))
		return _SetNormalized(full);
	fPath = full;
	return fStatus = B_OK;
}

void
BPath::Unset()
{
	fPath.clear();
	fStatus = B_NO_INIT;
}

status_t
BPath::Append(const char* path, bool normalize)
{
	if (fStatus != B_OK)
		return fStatus;
	std::string base = fPath;
	return SetTo(base.c_str(), path, normalize);
}

const char*
BPath::Path() const
{
	return fStatus == B_OK ? fPath.c_str() : nullptr;
}

const char*
BPath::Leaf() const
{
	if (fStatus != B_OK)
		return nullptr;
	return fPath.c_str() + fPath.rfind('/') + 1;
}

status_t
BPath::GetParent(BPath* path) const
{
	if (path == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return fStatus;
	if (fPath == "/")
		return B_ENTRY_NOT_FOUND;
	size_t slash = fPath.rfind('/');
	std::string parent = slash == 0 ? "/" : fPath.substr(0, slash);
	return path->SetTo(parent.c_str());
}

status_t
BPath::_SetNormalized(const std::string& path)
{
	Unset();
	entry_ref ref;
	status_t status = get_ref_for_path(path.c_str(), &ref);
	if (status != B_OK)
		return fStatus = status;
	return SetTo(&ref);
}
