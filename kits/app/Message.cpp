#include <Message.h>

#include <cstring>

#include <String.h>

// Field names longer than this are refused, as BeOS does.
static const size_t kMaxNameLength = 255;

BMessage::BMessage() : what(0) {}

BMessage::BMessage(uint32 what) : what(what) {}

BMessage::BMessage(const BMessage& other) = default;

BMessage& BMessage::operator=(const BMessage& other) = default;

BMessage::~BMessage() {}

status_t
BMessage::_Add(const char* name, type_code type, Value value)
{
	if (name == nullptr || strlen(name) > kMaxNameLength)
		return B_BAD_VALUE;
	auto found = fFields.find(name);
	if (found == fFields.end()) {
		fFields.emplace(name, Field{type, {std::move(value)}});
		return B_OK;
	}
	if (found->second.type != type)
		return B_BAD_TYPE;
	found->second.values.push_back(std::move(value));
	return B_OK;
}

status_t
BMessage::_Find(const char* name, type_code type, int32 index, const Value** value) const
{
	*value = nullptr;
	if (name == nullptr)
		return B_BAD_VALUE;
	auto found = fFields.find(name);
	if (found == fFields.end())
		return B_NAME_NOT_FOUND;
	if (found->second.type != type)
		return B_BAD_TYPE;
	if (index < 0 || (size_t)index >= found->second.values.size())
		return B_BAD_INDEX;
	*value = &found->second.values[(size_t)index];
	return B_OK;
}

status_t
BMessage::AddString(const char* name, const char* string)
{
	if (string == nullptr)
		return B_BAD_VALUE;
	return _Add(name, B_STRING_TYPE, std::string(string));
}

status_t
BMessage::AddString(const char* name, const BString& string)
{
	return AddString(name, string.String());
}

status_t
BMessage::AddBool(const char* name, bool value)
{
	return _Add(name, B_BOOL_TYPE, value);
}

status_t
BMessage::AddInt32(const char* name, int32 value)
{
	return _Add(name, B_INT32_TYPE, value);
}

status_t
BMessage::AddInt64(const char* name, int64 value)
{
	return _Add(name, B_INT64_TYPE, value);
}

status_t
BMessage::AddRef(const char* name, const entry_ref* ref)
{
	if (ref == nullptr)
		return B_BAD_VALUE;
	return _Add(name, B_REF_TYPE, *ref);
}

status_t
BMessage::AddPointer(const char* name, const void* pointer)
{
	return _Add(name, B_POINTER_TYPE, pointer);
}

status_t
BMessage::AddData(const char* name, type_code type, const void* data, ssize_t numBytes)
{
	if (data == nullptr || numBytes < 0)
		return B_BAD_VALUE;
	// Those types keep their values in a form of their own.
	for (type_code own :
	     {B_STRING_TYPE, B_BOOL_TYPE, B_INT32_TYPE, B_INT64_TYPE, B_REF_TYPE, B_POINTER_TYPE}) {
		if (type == own)
			return B_BAD_TYPE;
	}
	return _Add(name, type, std::string(static_cast<const char*>(data), (size_t)numBytes));
}

status_t
BMessage::FindString(const char* name, const char** string) const
{
	return FindString(name, 0, string);
}

status_t
BMessage::FindString(const char* name, int32 index, const char** string) const
{
	const Value* value;
	status_t status = _Find(name, B_STRING_TYPE, index, &value);
	*string = status == B_OK ? std::get<std::string>(*value).c_str() : nullptr;
	return status;
}

status_t
BMessage::FindString(const char* name, BString* string) const
{
	return FindString(name, 0, string);
}

status_t
BMessage::FindString(const char* name, int32 index, BString* string) const
{
	const char* text;
	status_t status = FindString(name, index, &text);
	if (status == B_OK)
		string->SetTo(text);
	return status;
}

// The numeric finds clear the output on failure, as BeOS does.
template <typename Type>
status_t
BMessage::_FindValue(const char* name, type_code type, int32 index, Type* out) const
{
	const Value* found;
	status_t status = _Find(name, type, index, &found);
	*out = status == B_OK ? std::get<Type>(*found) : Type();
	return status;
}

status_t
BMessage::FindBool(const char* name, bool* value) const
{
	return FindBool(name, 0, value);
}

status_t
BMessage::FindBool(const char* name, int32 index, bool* value) const
{
	return _FindValue(name, B_BOOL_TYPE, index, value);
}

status_t
BMessage::FindInt32(const char* name, int32* value) const
{
	return FindInt32(name, 0, value);
}

status_t
BMessage::FindInt32(const char* name, int32 index, int32* value) const
{
	return _FindValue(name, B_INT32_TYPE, index, value);
}

status_t
BMessage::FindInt64(const char* name, int64* value) const
{
	return FindInt64(name, 0, value);
}

status_t
BMessage::FindInt64(const char* name, int32 index, int64* value) const
{
	return _FindValue(name, B_INT64_TYPE, index, value);
}

status_t
BMessage::FindRef(const char* name, entry_ref* ref) const
{
	return FindRef(name, 0, ref);
}

status_t
BMessage::FindRef(const char* name, int32 index, entry_ref* ref) const
{
	const Value* found;
	status_t status = _Find(name, B_REF_TYPE, index, &found);
	if (status == B_OK)
		*ref = std::get<entry_ref>(*found);
	return status;
}

status_t
BMessage::FindPointer(const char* name, void** pointer) const
{
	return FindPointer(name, 0, pointer);
}

status_t
BMessage::FindPointer(const char* name, int32 index, void** pointer) const
{
	const Value* found;
	status_t status = _Find(name, B_POINTER_TYPE, index, &found);
	*pointer = status == B_OK ? const_cast<void*>(std::get<const void*>(*found)) : nullptr;
	return status;
}

status_t
BMessage::GetInfo(const char* name, type_code* type, int32* count) const
{
	auto found = name != nullptr ? fFields.find(name) : fFields.end();
	if (found == fFields.end())
		return B_NAME_NOT_FOUND;
	if (type != nullptr)
		*type = found->second.type;
	if (count != nullptr)
		*count = (int32)found->second.values.size();
	return B_OK;
}

bool
BMessage::HasRef(const char* name, int32 index) const
{
	const Value* found;
	return _Find(name, B_REF_TYPE, index, &found) == B_OK;
}

bool
BMessage::HasString(const char* name, int32 index) const
{
	const Value* found;
	return _Find(name, B_STRING_TYPE, index, &found) == B_OK;
}

int32
BMessage::CountNames(type_code type) const
{
	int32 count = 0;
	for (const auto& [name, field] : fFields) {
		if (type == B_ANY_TYPE || field.type == type)
			count++;
	}
	return count;
}

bool
BMessage::IsEmpty() const
{
	return fFields.empty();
}

status_t
BMessage::RemoveName(const char* name)
{
	if (name == nullptr)
		return B_BAD_VALUE;
	return fFields.erase(name) == 1 ? B_OK : B_NAME_NOT_FOUND;
}

status_t
BMessage::MakeEmpty()
{
	fFields.clear();
	return B_OK;
}

status_t
BMessage::FindData(const char* name, type_code type, const void** data, ssize_t* numBytes) const
{
	return FindData(name, type, 0, data, numBytes);
}

status_t
BMessage::FindData(const char* name, type_code type, int32 index, const void** data,
                   ssize_t* numBytes) const
{
	const Value* found;
	status_t status = _Find(name, type, index, &found);
	if (status != B_OK)
		return status;
	const std::string& bytes = std::get<std::string>(*found);
	*data = bytes.data();
	*numBytes = (ssize_t)bytes.size();
	return B_OK;
}
