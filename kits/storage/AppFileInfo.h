// BAppFileInfo: the application resources built into an executable file
// (signature, launch flags, supported types, version, icons), read from the
// file itself: the resource table in its ELF section (see ResourceImage.h).
// Only ELF files of this machine's word size and byte order are read. The
// file is not owned and must stay open while the info is used.
#ifndef _APP_FILE_INFO_H
#define _APP_FILE_INFO_H

#include <string>

#include <File.h>
#include <Mime.h>
#include <NodeInfo.h>

class BBitmap;
class BMessage;

// Type codes of the resources.
enum {
	B_APP_FLAGS_TYPE = 'APPF',
	B_VERSION_INFO_TYPE = 'APPV',
	B_LARGE_ICON_TYPE = 'ICON',
	B_MINI_ICON_TYPE = 'MICN',
};

enum version_kind {
	B_APP_VERSION_KIND,
	B_SYSTEM_VERSION_KIND,
};

enum {
	B_APPV_DEVELOPMENT,
	B_APPV_ALPHA,
	B_APPV_BETA,
	B_APPV_GAMMA,
	B_APPV_GOLDEN_MASTER,
	B_APPV_FINAL,
};

struct version_info {
	uint32 major;
	uint32 middle;
	uint32 minor;
	uint32 variety;
	uint32 internal;
	char short_info[64];
	char long_info[256];
};

class BAppFileInfo : public BNodeInfo {
public:
	BAppFileInfo();
	explicit BAppFileInfo(BFile* file);
	~BAppFileInfo() override;

	// B_BAD_VALUE for no file; the file's status when it is not open.
	status_t SetTo(BFile* file);

	// Each getter: B_NO_INIT when not set to an open file,
	// B_ENTRY_NOT_FOUND when the file has no such resource (or none at
	// all), B_BAD_DATA for a damaged one.

	// signature must hold B_MIME_TYPE_LENGTH bytes.
	status_t GetSignature(char* signature) const;
	status_t GetAppFlags(uint32* flags) const;
	// Empties types and fills its string field "types".
	status_t GetSupportedTypes(BMessage* types) const;
	status_t GetVersionInfo(version_info* info, version_kind kind) const;
	// icon must be a B_CMAP8 bitmap of exactly which x which pixels, else
	// B_BAD_VALUE.
	status_t GetIcon(BBitmap* icon, icon_size which) const;

private:
	status_t _ReadTable(std::string* table) const;
	status_t _Find(type_code type, const char* name, std::string* data) const;

	BFile* fFile;
};

#endif // _APP_FILE_INFO_H
