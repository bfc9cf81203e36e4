// BNodeInfo: the file type of a node, kept as the attribute "mime_type"
// (the extended attribute user.mime_type that shared-mime-info tools know),
// a plain string without terminator. The node is not owned and must outlive
// the node info.
#ifndef _NODE_INFO_H
#define _NODE_INFO_H

#include <Node.h>
#include <StorageDefs.h>

class BNodeInfo {
public:
	BNodeInfo();
	explicit BNodeInfo(BNode* node);
	virtual ~BNodeInfo();

	BNodeInfo(const BNodeInfo&) = delete;
	BNodeInfo& operator=(const BNodeInfo&) = delete;

	// B_BAD_VALUE for no node; the node's own status when it is not open.
	status_t SetTo(BNode* node);
	// B_NO_INIT until set to an open node.
	status_t InitCheck() const;

	// type must hold B_MIME_TYPE_LENGTH bytes and is always terminated.
	// B_ENTRY_NOT_FOUND without a type, B_BAD_DATA for a stored type too
	// long for the buffer.
	status_t GetType(char* type) const;
	// nullptr removes the type. B_BAD_VALUE for a type of
	// B_MIME_TYPE_LENGTH bytes or more.
	status_t SetType(const char* type);

private:
	BNode* fNode;
	status_t fStatus;
};

#endif // _NODE_INFO_H
