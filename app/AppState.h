// The application-wide state that the pages and the download workers share:
// the download folder, the start directory and the play path. The
// application object inherits it; everything here runs on the user-interface
// thread except the workers' reading of the download folder at their start.
#pragma once

#include <cstddef>

// Room of each path buffer, terminator included: the system's path limit.
const size_t kAppPathSize = 260;

class CAppState {
public:
    // The object made last is the current one (the program has exactly one).
    CAppState();
    virtual ~CAppState();
    CAppState(const CAppState&) = delete;
    CAppState& operator=(const CAppState&) = delete;

    // Fills the three paths: the start directory is the current directory;
    // the download folder is key "DOWNLOAD" of section "FOLDER" in
    // ".\config.ini", or else the start directory followed by "\VDOWNLOAD\";
    // the play path is cleared. A path that would not fit its buffer is never
    // cut short: the download folder is then left empty (no folder), which
    // the admission's folder check refuses with its error message.
    void LoadAppState();

    // The current application's state, or null before it exists. This is how
    // the download workers reach the download folder.
    static CAppState* Current();

    // Both on the heap, kAppPathSize bytes, allocated by the first
    // LoadAppState and kept for the object's (the program's) whole life;
    // null until then.
    char* m_downloadFolder = nullptr;
    char* m_startDir = nullptr;
    // Full path of the video the player page is to open next.
    char m_playPath[kAppPathSize] = {};
};
