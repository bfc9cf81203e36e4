// Constants of the MIME database.
#ifndef _MIME_H
#define _MIME_H

enum icon_size {
	B_LARGE_ICON = 32,
	B_MINI_ICON = 16,
};

enum app_verb {
	B_OPEN = 0,
};

#endif // _MIME_H
