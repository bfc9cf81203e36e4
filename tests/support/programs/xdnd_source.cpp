// xdnd_source: drops files on a window the way a file manager does, over
// the XDND protocol, without a mouse, for tests of real drops.
//
// Usage: xdnd_source WINDOW X Y PATH...
// WINDOW is the X window id, X and Y the point of the drop in it. The files
// are offered as text/uri-list (file URIs, percent-encoded, CRLF after each).
// Exit status: 0 when the target finished the drop, 2 for bad arguments or
// no display, 3 when the window takes no drops, 4 when it refused this
// one, 5 when it did not answer within ten seconds.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <time.h>

namespace {

const int kTimeoutMilliseconds = 10000;

struct Atoms {
	Atom aware;
	Atom selection;
	Atom enter;
	Atom position;
	Atom status;
	Atom drop;
	Atom finished;
	Atom leave;
	Atom copy;
	Atom uriList;
};

std::string
FileUri(const std::string& path)
{
	static const char* kHex = "0123456789ABCDEF";
	std::string uri = "file://";
	for (unsigned char byte : path) {
		if (isalnum(byte) || strchr("/-._~", byte) != nullptr) {
			uri += (char)byte;
		} else {
			uri += '%';
			uri += kHex[byte >> 4];
			uri += kHex[byte & 15];
		}
	}
	return uri;
}

void
Send(Display* display, Window target, Atom type, long l0, long l1, long l2, long l3, long l4)
{
	XEvent event;
	memset(&event, 0, sizeof(event));
	event.xclient.type = ClientMessage;
	event.xclient.display = display;
	event.xclient.window = target;
	event.xclient.message_type = type;
	event.xclient.format = 32;
	long values[] = {l0, l1, l2, l3, l4};
	for (int index = 0; index < 5; index++)
		event.xclient.data.l[index] = values[index];
	XSendEvent(display, target, False, NoEventMask, &event);
	XFlush(display);
}

long
Milliseconds()
{
	timespec now;
	clock_gettime(CLOCK_MONOTONIC, &now);
	return now.tv_sec * 1000 + now.tv_nsec / 1000000;
}

// The next event, or false when the deadline passes first.
bool
NextEvent(Display* display, long deadline, XEvent* event)
{
	while (XPending(display) == 0) {
		long left = deadline - Milliseconds();
		if (left <= 0)
			return false;
		pollfd connection = {ConnectionNumber(display), POLLIN, 0};
		poll(&connection, 1, (int)left);
	}
	XNextEvent(display, event);
	return true;
}

void
AnswerRequest(Display* display, const Atoms& atoms, const XSelectionRequestEvent& request,
              const std::string& data)
{
	XEvent reply;
	memset(&reply, 0, sizeof(reply));
	reply.xselection.type = SelectionNotify;
	reply.xselection.display = display;
	reply.xselection.requestor = request.requestor;
	reply.xselection.selection = request.selection;
	reply.xselection.target = request.target;
	reply.xselection.time = request.time;
	reply.xselection.property = None;
	if (request.target == atoms.uriList) {
		Atom property = request.property != None ? request.property : request.target;
		XChangeProperty(display, request.requestor, property, atoms.uriList, 8, PropModeReplace,
		                reinterpret_cast<const unsigned char*>(data.data()), (int)data.size());
		reply.xselection.property = property;
	}
	XSendEvent(display, request.requestor, False, NoEventMask, &reply);
	XFlush(display);
}

} // namespace

int
main(int argc, char** argv)
{
	if (argc < 5) {
		fprintf(stderr, "usage: xdnd_source WINDOW X Y PATH...\n");
		return 2;
	}
	Display* display = XOpenDisplay(nullptr);
	if (display == nullptr) {
		fprintf(stderr, "xdnd_source: no display\n");
		return 2;
	}
	Window target = strtoul(argv[1], nullptr, 0);
	int x = atoi(argv[2]);
	int y = atoi(argv[3]);
	std::string data;
	for (int index = 4; index < argc; index++)
		data += FileUri(argv[index]) + "\r\n";

	Atoms atoms;
	atoms.aware = XInternAtom(display, "XdndAware", False);
	atoms.selection = XInternAtom(display, "XdndSelection", False);
	atoms.enter = XInternAtom(display, "XdndEnter", False);
	atoms.position = XInternAtom(display, "XdndPosition", False);
	atoms.status = XInternAtom(display, "XdndStatus", False);
	atoms.drop = XInternAtom(display, "XdndDrop", False);
	atoms.finished = XInternAtom(display, "XdndFinished", False);
	atoms.leave = XInternAtom(display, "XdndLeave", False);
	atoms.copy = XInternAtom(display, "XdndActionCopy", False);
	atoms.uriList = XInternAtom(display, "text/uri-list", False);

	Atom type;
	int format;
	unsigned long count;
	unsigned long remaining;
	unsigned char* value = nullptr;
	if (XGetWindowProperty(display, target, atoms.aware, 0, 1, False, AnyPropertyType, &type,
	                       &format, &count, &remaining, &value) != Success ||
	    count == 0) {
		fprintf(stderr, "xdnd_source: the window takes no drops\n");
		return 3;
	}
	long version = *reinterpret_cast<Atom*>(value);
	XFree(value);
	if (version > 5)
		version = 5;

	Window root = DefaultRootWindow(display);
	Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
	XSetSelectionOwner(display, atoms.selection, source, CurrentTime);
	int rootX;
	int rootY;
	Window child;
	XTranslateCoordinates(display, target, root, x, y, &rootX, &rootY, &child);

	Send(display, target, atoms.enter, source, version << 24, atoms.uriList, None, None);
	Send(display, target, atoms.position, source, 0, ((long)rootX << 16) | rootY, CurrentTime,
	     atoms.copy);
	long deadline = Milliseconds() + kTimeoutMilliseconds;
	XEvent event;
	bool dropped = false;
	while (NextEvent(display, deadline, &event)) {
		if (event.type == SelectionRequest) {
			AnswerRequest(display, atoms, event.xselectionrequest, data);
		} else if (event.type == ClientMessage && event.xclient.message_type == atoms.status) {
			if ((event.xclient.data.l[1] & 1) == 0) {
				Send(display, target, atoms.leave, source, 0, 0, 0, 0);
				fprintf(stderr, "xdnd_source: the window refused the drop\n");
				return 4;
			}
			if (!dropped)
				Send(display, target, atoms.drop, source, 0, CurrentTime, 0, 0);
			dropped = true;
		} else if (event.type == ClientMessage && event.xclient.message_type == atoms.finished) {
			return 0;
		}
	}
	fprintf(stderr, "xdnd_source: no answer from the window\n");
	return 5;
}
