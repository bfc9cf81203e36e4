#include <Point.h>

const BPoint B_ORIGIN(0, 0);

void
BPoint::Set(float newX, float newY)
{
	x = newX;
	y = newY;
}

BPoint
BPoint::operator+(const BPoint& other) const
{
	return BPoint(x + other.x, y + other.y);
}

BPoint
BPoint::operator-(const BPoint& other) const
{
	return BPoint(x - other.x, y - other.y);
}

BPoint&
BPoint::operator+=(const BPoint& other)
{
	x += other.x;
	y += other.y;
	return *this;
}

BPoint&
BPoint::operator-=(const BPoint& other)
{
	x -= other.x;
	y -= other.y;
	return *this;
}

bool
BPoint::operator==(const BPoint& other) const
{
	return x == other.x && y == other.y;
}

bool
BPoint::operator!=(const BPoint& other) const
{
	return !(*this == other);
}
