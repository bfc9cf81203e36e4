// BPath: an absolute path name. Paths are made absolute against the working
// directory; a path with "." or ".." components, doubled or trailing slashes
// is normalised (its directory resolved through the file system, links
// included, which then must exist), and so is any path when asked to.
#ifndef _PATH_H
#define _PATH_H

#include <string>

#include <EntryRef.h>
#include <SupportDefs.h>

class BEntry;

class BPath {
public:
	BPath();
	BPath(const BPath& other);
	explicit BPath(const entry_ref* ref);
	explicit BPath(const BEntry* entry);
	BPath(const char* path, const char* leaf = nullptr, bool normalize = false);
	~BPath();

	BPath& operator=(const BPath& other);
	bool operator==(const BPath& other) const;
	bool operator!=(const BPath& other) const;

	// B_OK, B_NO_INIT before any SetTo, or the error of the last SetTo.
	status_t InitCheck() const;

	status_t SetTo(const entry_ref* ref);
	status_t SetTo(const BEntry* entry);
	// B_BAD_VALUE for a missing or empty path or an absolute leaf;
	// B_ENTRY_NOT_FOUND when normalising meets a missing directory.
	status_t SetTo(const char* path, const char* leaf = nullptr, bool normalize = false);
	void Unset();

	// Adds a relative path below this one.
	status_t Append(const char* path, bool normalize = false);

	// nullptr while not initialised.
	const char* Path() const;
	// The last component; "" for the root.
	const char* Leaf() const;
	// B_ENTRY_NOT_FOUND for the root.
	status_t GetParent(BPath* path) const;

private:
	status_t _SetNormalized(const std::string& path);

	std::string fPath;
	status_t fStatus;
};

#endif // _PATH_H
