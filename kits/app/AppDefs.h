// Message codes of the kits: four characters, the first in the most
// significant byte.
#ifndef _APP_DEFS_H
#define _APP_DEFS_H

#include <SupportDefs.h>

enum {
	B_ABOUT_REQUESTED = '_ABR',
	B_ARGV_RECEIVED = '_ARG',
	B_CANCEL = '_CNC',
	B_QUIT_REQUESTED = '_QRQ',
	B_READY_TO_RUN = '_RTR',
	B_REFS_RECEIVED = '_RRC',
	B_SAVE_REQUESTED = 'SAVE',
	B_SIMPLE_DATA = 'DATA',
	B_MESSAGE_NOT_UNDERSTOOD = 'MNOT',
	B_CONTROL_INVOKED = 'CIVK',
	B_CONTROL_MODIFIED = 'CMOD',
	B_KEY_DOWN = '_KYD',
	B_SOME_APP_LAUNCHED = 'BRAS',
	B_SOME_APP_QUIT = 'BRAQ',
	// Not BeOS's: what a program started by file wrote on its standard
	// error (see Roster.h).
	B_SOME_APP_OUTPUT = 'BRAO',
};

#endif // _APP_DEFS_H
