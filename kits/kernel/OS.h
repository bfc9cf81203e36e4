// Teams are processes: a team_id is a process id.
#ifndef _OS_H
#define _OS_H

#include <SupportDefs.h>

typedef int32 team_id;
typedef int32 thread_id;
typedef int32 port_id;

#define B_INFINITE_TIMEOUT (9223372036854775807LL)

// The calling thread's id when name is null (Linux thread ids are unique
// across the system); threads are not looked up by name.
thread_id find_thread(const char* name);

// Microseconds since the system started (the monotonic clock): for
// measuring time, never set back.
bigtime_t system_time();

// Sends SIGKILL to the process group the team leads (every child the
// roster launches leads one), or to that one process when it leads none.
// B_BAD_TEAM_ID when there is neither.
status_t kill_team(team_id team);

#endif // _OS_H
