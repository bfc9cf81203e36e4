// Type codes of message fields and attributes: four characters, the first
// in the most significant byte.
#ifndef _TYPE_CONSTANTS_H
#define _TYPE_CONSTANTS_H

enum {
	B_ANY_TYPE = 'ANYT',
	B_BOOL_TYPE = 'BOOL',
	B_INT32_TYPE = 'LONG',
	B_INT64_TYPE = 'LLNG',
	B_UINT32_TYPE = 'ULNG',
	B_MESSAGE_TYPE = 'MSGG',
	B_MESSENGER_TYPE = 'MSNG',
	B_MIME_TYPE = 'MIME',
	B_MIME_STRING_TYPE = 'MIMS',
	B_POINTER_TYPE = 'PNTR',
	B_RAW_TYPE = 'RAWT',
	B_REF_TYPE = 'RREF',
	B_STRING_TYPE = 'CSTR',
};

// Four-character literals are packed as the compiler likes; stored
// attributes need the first character in the most significant byte.
static_assert(B_STRING_TYPE == 0x43535452);
static_assert(B_BOOL_TYPE == 0x424F4F4C);
static_assert(B_REF_TYPE == 0x52524546);
static_assert(B_MIME_STRING_TYPE == 0x4D494D53);

#endif // _TYPE_CONSTANTS_H
