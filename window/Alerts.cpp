#include "Alerts.h"

#include <Alert.h>

void
Alerts::Show(const char* title, const char* text, alert_type type)
{
	(new BAlert(title, text, "OK", nullptr, nullptr, B_WIDTH_AS_USUAL, type))->Go();
}
