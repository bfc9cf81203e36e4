// Alerts: the program's one-button alerts ("OK"), the way every part of the
// program reports a result or a failure.
#ifndef ALERTS_H
#define ALERTS_H

#include <InterfaceDefs.h>

class Alerts {
public:
	// Shows the alert and blocks the calling thread until the user closes
	// it; the other windows go on meanwhile.
	static void Show(const char* title, const char* text, alert_type type = B_STOP_ALERT);
};

#endif // ALERTS_H
