// BRect: a rectangle given by its left, top, right and bottom edges. The
// edges are inclusive, so a rectangle from 0 to 9 is 9 wide (Width()) and
// covers 10 pixels (IntegerWidth() + 1). The default rectangle (0, 0, -1,
// -1) is invalid. A plain value.
#ifndef _RECT_H
#define _RECT_H

#include <Point.h>

class BRect {
public:
	BRect() : left(0), top(0), right(-1), bottom(-1) {}
	BRect(float left, float top, float right, float bottom)
	    : left(left), top(top), right(right), bottom(bottom)
	{
	}
	BRect(BPoint leftTop, BPoint rightBottom)
	    : left(leftTop.x), top(leftTop.y), right(rightBottom.x), bottom(rightBottom.y)
	{
	}

	void Set(float newLeft, float newTop, float newRight, float newBottom);

	BPoint
	LeftTop() const
	{
		return BPoint(left, top);
	}
	BPoint
	RightBottom() const
	{
		return BPoint(right, bottom);
	}
	void SetLeftTop(BPoint point);
	void SetRightBottom(BPoint point);

	float
	Width() const
	{
		return right - left;
	}
	float
	Height() const
	{
		return bottom - top;
	}
	int32 IntegerWidth() const;
	int32 IntegerHeight() const;
	bool
	IsValid() const
	{
		return left <= right && top <= bottom;
	}

	// Positive values shrink the rectangle on both sides, negative ones
	// grow it.
	void InsetBy(float dx, float dy);
	void InsetBy(BPoint delta);
	void OffsetBy(float dx, float dy);
	void OffsetBy(BPoint delta);
	void OffsetTo(float x, float y);
	void OffsetTo(BPoint point);
	BRect OffsetToCopy(float x, float y) const;

	bool operator==(BRect other) const;
	bool operator!=(BRect other) const;

	float left;
	float top;
	float right;
	float bottom;
};

#endif // _RECT_H
