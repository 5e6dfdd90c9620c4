// Where a task's file lives: the rule shared by the worker, Play, Delete Task
// and the player's list of saved videos.
#pragma once

#include <string>

// Collapses every pair of backslashes to one, left to right, and walking by
// characters of the active code page. The two backslashes that open a
// network path (\\server\share) are kept: collapsed, they would name a path
// on the current drive.
std::string CollapseDoubledBackslashes(const std::string& path);

// The download folder, then "\" (doubled backslashes in that prefix
// collapsed), then the file name. A folder with or without a trailing
// backslash gives exactly one backslash before the name.
std::string MakeTaskFilePath(const char* folder, const char* fileName);
