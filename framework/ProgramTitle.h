// The program's title: the executable's file name without its extension.
// Caption of the framework's message boxes and the agent name the download
// workers give the HTTP client.
#pragma once

// Computed once, on first use (from any thread); the text lives until the
// process ends.
const char* ProgramTitle();
