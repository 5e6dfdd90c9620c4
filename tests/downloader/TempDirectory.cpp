#include "tests/downloader/TempDirectory.h"

#include <windows.h>

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE h = ::FindFirstFileA((path + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                ::DeleteFileA(full.c_str());
        } while (::FindNextFileA(h, &data));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(path.c_str());
}

}  // namespace

TempDirectory::TempDirectory() {
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    m_previous = previous;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    static unsigned counter = 0;
    for (;;) {
        std::string candidate = std::string(temp) + "quillon-page-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
        if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
            m_path = candidate;
            break;
        }
    }
    ::SetCurrentDirectoryA(m_path.c_str());
}

TempDirectory::~TempDirectory() {
    ::SetCurrentDirectoryA(m_previous.c_str());
    RemoveTree(m_path);
}

bool DirectoryExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
