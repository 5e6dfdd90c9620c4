// A fresh, empty folder under the system's temporary folder, removed with
// everything in it (one level of subfolders) when the object goes.
#pragma once

#include <string>

class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // Without a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// The whole content of a file, or "<missing>" when it can't be opened.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
// Whether nobody holds the file open: it opens without any sharing.
bool IsFileClosed(const std::string& path);
