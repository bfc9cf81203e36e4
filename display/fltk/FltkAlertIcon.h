// FltkAlertIcon: the icon of an alert, drawn for its type: a red stop sign
// for stop alerts, a yellow warning triangle, a blue "i" for the others.
#ifndef FLTK_ALERT_ICON_H
#define FLTK_ALERT_ICON_H

#include <FL/Fl_Widget.H>

#include <InterfaceDefs.h>

class FltkAlertIcon : public Fl_Widget {
public:
	FltkAlertIcon(int x, int y, alert_type type);

	alert_type Type() const;
	void draw() override;

private:
	alert_type fType;
};

#endif // FLTK_ALERT_ICON_H
