#include <NodeInfo.h>

#include <TypeConstants.h>

#include <cstring>

static const char* const kTypeAttribute = "mime_type";

BNodeInfo::BNodeInfo() : fNode(nullptr), fStatus(B_NO_INIT) {}

BNodeInfo::BNodeInfo(BNode* node) : BNodeInfo()
{
	SetTo(node);
}

BNodeInfo::~BNodeInfo() {}

status_t
BNodeInfo::SetTo(BNode* node)
{
	fNode = nullptr;
	if (node == nullptr)
		return fStatus = B_BAD_VALUE;
	if (node->InitCheck() != B_OK)
		return fStatus = node->InitCheck();
	fNode = node;
	return fStatus = B_OK;
}

status_t
BNodeInfo::InitCheck() const
{
	return fStatus;
}

status_t
BNodeInfo::GetType(char* type) const
{
	if (type == nullptr)
		return B_BAD_VALUE;
	if (fStatus != B_OK)
		return B_NO_INIT;
	// One byte more than fits, to tell an over-long type; another for a
	// terminator that other programs may have stored.
	char value[B_MIME_TYPE_LENGTH + 1];
	ssize_t length = fNode->ReadAttr(kTypeAttribute, B_MIME_STRING_TYPE, 0, value, sizeof(value));
	if (length < 0)
		return length;
	if (length > 0 && value[length - 1] == '\0')
		length--;
	if (length >= B_MIME_TYPE_LENGTH)
		return B_BAD_DATA;
	memcpy(type, value, length);
	type[length] = '\0';
	return B_OK;
}

status_t
BNodeInfo::SetType(const char* type)
{
	if (fStatus != B_OK)
		return B_NO_INIT;
	if (type == nullptr)
		return fNode->RemoveAttr(kTypeAttribute);
	size_t length = strlen(type);
	if (length >= B_MIME_TYPE_LENGTH)
		return B_BAD_VALUE;
	ssize_t written = fNode->WriteAttr(kTypeAttribute, B_MIME_STRING_TYPE, 0, type, length);
	return written < 0 ? (status_t)written : (status_t)B_OK;
}
