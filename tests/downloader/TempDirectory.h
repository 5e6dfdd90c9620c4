// A fresh directory that is the current directory for the object's lifetime
// and is removed with everything in it afterwards.
#pragma once

#include <string>

class TempDirectory {
public:
    TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory();

    // Without a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string Join(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

bool DirectoryExists(const std::string& path);
