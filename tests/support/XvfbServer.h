// XvfbServer: a virtual X screen of the test's own, on a display number
// taken under the server's lock file (so parallel tests never collide),
// ready when the constructor returns. Deleting it ends exactly that server, by its process
// id, with SIGTERM so that it cleans up after itself.
#ifndef XVFB_SERVER_H
#define XVFB_SERVER_H

#include <memory>
#include <string>

class ChildProcess;

class XvfbServer {
public:
	XvfbServer();
	~XvfbServer();
	XvfbServer(const XvfbServer&) = delete;
	XvfbServer& operator=(const XvfbServer&) = delete;

	// ":N"; empty when the server could not start in time.
	const std::string& Name() const;

private:
	std::unique_ptr<ChildProcess> fServer;
	std::string fName;
};

#endif // XVFB_SERVER_H
