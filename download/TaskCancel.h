// Cancel requests for removed tasks: a small fixed set of atomic slots, each
// holding a task id or 0. The page adds the id of a task it removes; the
// worker with that id finds it after its next read, clears it and ends
// without another message. Several requests may be outstanding at once, so a
// second removal never drops the first. No locks: slots are taken and cleared
// by compare-and-exchange.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>

const size_t kCancelSlotCount = 32;

extern std::atomic<DWORD> g_cancelTaskIds[kCancelSlotCount];

// User-interface thread: asks the worker with this id to stop. A task whose
// thread has ended needs nothing and is not stored (its id could otherwise be
// taken for a later worker's). When every slot is taken, requests of ended
// threads are dropped to make room. False when nothing was stored: the thread
// has ended, or every slot holds a live request.
bool RequestTaskCancel(DWORD taskId);

// Worker: whether a request for its id is outstanding.
bool IsTaskCancelRequested(DWORD taskId);

// Worker: withdraws every request for its id, leaving other ids alone.
void ClearTaskCancel(DWORD taskId);
