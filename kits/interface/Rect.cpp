#include <Rect.h>

#include <cmath>

void
BRect::Set(float newLeft, float newTop, float newRight, float newBottom)
{
	left = newLeft;
	top = newTop;
	right = newRight;
	bottom = newBottom;
}

void
BRect::SetLeftTop(BPoint point)
{
	left = point.x;
	top = point.y;
}

void
BRect::SetRightBottom(BPoint point)
{
	right = point.x;
	bottom = point.y;
}

int32
BRect::IntegerWidth() const
{
	return (int32)std::ceil(right - left);
}

int32
BRect::IntegerHeight() const
{
	return (int32)std::ceil(bottom - top);
}

void
BRect::InsetBy(float dx, float dy)
{
	left += dx;
	right -= dx;
	top += dy;
	bottom -= dy;
}

void
BRect::InsetBy(BPoint delta)
{
	InsetBy(delta.x, delta.y);
}

void
BRect::OffsetBy(float dx, float dy)
{
	left += dx;
	right += dx;
	top += dy;
	bottom += dy;
}

void
BRect::OffsetBy(BPoint delta)
{
	OffsetBy(delta.x, delta.y);
}

void
BRect::OffsetTo(float x, float y)
{
	OffsetBy(x - left, y - top);
}

void
BRect::OffsetTo(BPoint point)
{
	OffsetTo(point.x, point.y);
}

BRect
BRect::OffsetToCopy(float x, float y) const
{
	BRect copy = *this;
	copy.OffsetTo(x, y);
	return copy;
}

bool
BRect::operator==(BRect other) const
{
	return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
}

bool
BRect::operator!=(BRect other) const
{
	return !(*this == other);
}
