// Teams are processes: a team_id is a process id.
#ifndef _OS_H
#define _OS_H

#include <SupportDefs.h>

typedef int32 team_id;
typedef int32 thread_id;

// Sends SIGKILL to that one process. B_BAD_TEAM_ID when there is none.
status_t kill_team(team_id team);

#endif // _OS_H
