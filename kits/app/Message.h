// BMessage: a code ("what") and typed fields by name, each field an array
// of values of one type. Messages are plain values: copying one copies all
// of its fields.
#ifndef _MESSAGE_H
#define _MESSAGE_H

#include <map>
#include <string>
#include <variant>
#include <vector>

#include <AppDefs.h>
#include <EntryRef.h>
#include <SupportDefs.h>
#include <TypeConstants.h>

class BString;

class BMessage {
public:
	BMessage();
	explicit BMessage(uint32 what);
	BMessage(const BMessage& other);
	BMessage& operator=(const BMessage& other);
	~BMessage();

	uint32 what;

	// Add*: B_OK; B_BAD_TYPE when the name already holds another type;
	// B_BAD_VALUE for a missing or over-long (over 255 bytes) name.
	status_t AddString(const char* name, const char* string);
	status_t AddString(const char* name, const BString& string);
	status_t AddBool(const char* name, bool value);
	status_t AddInt32(const char* name, int32 value);
	status_t AddInt64(const char* name, int64 value);
	status_t AddRef(const char* name, const entry_ref* ref);
	status_t AddPointer(const char* name, const void* pointer);
	// Bytes of any type but the ones above (B_RAW_TYPE for plain bytes),
	// copied; B_BAD_VALUE without data.
	status_t AddData(const char* name, type_code type, const void* data, ssize_t numBytes);

	// Find*: B_OK; B_NAME_NOT_FOUND when no field has the name; B_BAD_TYPE
	// when it holds another type; B_BAD_INDEX past its last value. The
	// forms without an index read index 0.
	status_t FindString(const char* name, const char** string) const;
	status_t FindString(const char* name, int32 index, const char** string) const;
	status_t FindString(const char* name, BString* string) const;
	status_t FindString(const char* name, int32 index, BString* string) const;
	status_t FindBool(const char* name, bool* value) const;
	status_t FindBool(const char* name, int32 index, bool* value) const;
	status_t FindInt32(const char* name, int32* value) const;
	status_t FindInt32(const char* name, int32 index, int32* value) const;
	status_t FindInt64(const char* name, int64* value) const;
	status_t FindInt64(const char* name, int32 index, int64* value) const;
	status_t FindRef(const char* name, entry_ref* ref) const;
	status_t FindRef(const char* name, int32 index, entry_ref* ref) const;
	status_t FindPointer(const char* name, void** pointer) const;
	status_t FindPointer(const char* name, int32 index, void** pointer) const;
	// The bytes stay the message's: valid while it lives unchanged.
	status_t FindData(const char* name, type_code type, const void** data, ssize_t* numBytes) const;
	status_t FindData(const char* name, type_code type, int32 index, const void** data,
	                  ssize_t* numBytes) const;

	// The type and number of values of a field; B_NAME_NOT_FOUND without it.
	status_t GetInfo(const char* name, type_code* type, int32* count = nullptr) const;
	bool HasRef(const char* name, int32 index = 0) const;
	bool HasString(const char* name, int32 index = 0) const;
	int32 CountNames(type_code type = B_ANY_TYPE) const;
	bool IsEmpty() const;
	status_t RemoveName(const char* name);
	status_t MakeEmpty();

private:
	using Value = std::variant<bool, int32, int64, std::string, entry_ref, const void*>;
	struct Field {
		type_code type;
		std::vector<Value> values;
	};

	status_t _Add(const char* name, type_code type, Value value);
	status_t _Find(const char* name, type_code type, int32 index, const Value** value) const;
	template <typename Type>
	status_t _FindValue(const char* name, type_code type, int32 index, Type* out) const;

	std::map<std::string, Field> fFields;
};

#endif // _MESSAGE_H
