// BPoint: a position in a view's or the screen's coordinates. A plain value.
#ifndef _POINT_H
#define _POINT_H

#include <SupportDefs.h>

class BPoint {
public:
	BPoint() : x(0), y(0) {}
	BPoint(float x, float y) : x(x), y(y) {}

	void Set(float newX, float newY);

	BPoint operator+(const BPoint& other) const;
	BPoint operator-(const BPoint& other) const;
	BPoint& operator+=(const BPoint& other);
	BPoint& operator-=(const BPoint& other);
	bool operator==(const BPoint& other) const;
	bool operator!=(const BPoint& other) const;

	float x;
	float y;
};

extern const BPoint B_ORIGIN;

#endif // _POINT_H
