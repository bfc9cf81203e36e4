#include "VFApp.h"

#include <File.h>
#include <Roster.h>
#include <TypeConstants.h>

#include <cstring>
#include <string>

static const char* const kSignature = "application/x-vnd.VorlixOggVorbisFrontend";
static const size_t kEncoderLocationSize = 1024;
// Where Debian's vorbis-tools puts the encoder.
static const char* const kDefaultEncoderLocation = "/usr/bin/oggenc";

static const char* const kEncoderLocationAttribute = "encoder_location";
static const char* const kDontCloseOnAddAttribute = "dont_close_on_add";
static const char* const kDontClearOnOpenAttribute = "dont_clear_on_open";
static const char* const kSelfRegisterAttribute = "self_register_mime_type";

static bool
SelectsDefault(ssize_t result)
{
	return result == B_ENTRY_NOT_FOUND || result == B_FILE_ERROR;
}

// Reads a switch stored as one byte. Any byte but 0 is true; a read that
// fails otherwise, or finds the attribute empty, leaves the switch as it is.
static void
ReadSwitch(const BFile& file, const char* name, bool fallback, bool* value)
{
	uint8 byte = 0;
	ssize_t result = file.ReadAttr(name, B_BOOL_TYPE, 0, &byte, 1);
	if (SelectsDefault(result))
		*value = fallback;
	else if (result == 1)
		*value = byte != 0;
}

static void
WriteSwitch(BFile& file, const char* name, bool value)
{
	uint8 byte = value ? 1 : 0;
	file.WriteAttr(name, B_BOOL_TYPE, 0, &byte, 1);
}

VFApp::VFApp()
    : BApplication(kSignature), mainWindow(nullptr), hasLaunchRef(false),
      encoderLocation(new char[kEncoderLocationSize]), dontCloseOnAdd(false),
      dontClearOnOpen(false), selfRegisterMimeType(true)
{
	strcpy(encoderLocation, kDefaultEncoderLocation);
}

VFApp::~VFApp()
{
	delete[] encoderLocation;
}

void
VFApp::ReadOptions()
{
	// An executable that cannot be opened makes every read fail with
	// B_FILE_ERROR, and so every setting takes its default.
	app_info info;
	GetAppInfo(&info);
	BFile file(&info.ref, B_READ_ONLY);

	ssize_t result = file.ReadAttr(kEncoderLocationAttribute, B_STRING_TYPE, 0, encoderLocation,
	                               kEncoderLocationSize);
	if (SelectsDefault(result))
		strcpy(encoderLocation, kDefaultEncoderLocation);
	else if (result > 0 && memchr(encoderLocation, '\0', result) == nullptr) {
		// Stored without its terminator, or longer than the buffer: what
		// fits is kept.
		encoderLocation[std::min((size_t)result, kEncoderLocationSize - 1)] = '\0';
	}

	ReadSwitch(file, kDontCloseOnAddAttribute, false, &dontCloseOnAdd);
	ReadSwitch(file, kDontClearOnOpenAttribute, false, &dontClearOnOpen);
	ReadSwitch(file, kSelfRegisterAttribute, true, &selfRegisterMimeType);
}

void
VFApp::WriteOptions()
{
	app_info info;
	GetAppInfo(&info);
	BFile file(&info.ref, B_WRITE_ONLY);
	if (file.InitCheck() != B_OK)
		return;

	// The text and its terminator, never more than the buffer holds.
	std::string location(encoderLocation, strnlen(encoderLocation, kEncoderLocationSize - 1));
	file.WriteAttr(kEncoderLocationAttribute, B_STRING_TYPE, 0, location.c_str(),
	               location.size() + 1);
	WriteSwitch(file, kDontCloseOnAddAttribute, dontCloseOnAdd);
	WriteSwitch(file, kDontClearOnOpenAttribute, dontClearOnOpen);
	WriteSwitch(file, kSelfRegisterAttribute, selfRegisterMimeType);
}
