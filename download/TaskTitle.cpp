#include "download/TaskTitle.h"

#include "download/TaskProtocol.h"

#include <cstring>

bool PostTaskTitle(HWND window, DWORD taskId, const char* fileName)
{
    if (!window)
        return false;
    const size_t length = std::strlen(fileName);
    char* copy = new char[length + 1];
    std::memcpy(copy, fileName, length + 1);
    if (PostMessageA(window, UM_TASK_TITLE, taskId, reinterpret_cast<LPARAM>(copy)))
        return true;
    delete[] copy;
    return false;
}

void TakeTaskTitle(LPARAM lParam, char* buffer, size_t size)
{
    char* text = reinterpret_cast<char*>(lParam);
    if (size > 0) {
        buffer[0] = 0;
        if (text) {
            const size_t length = strnlen(text, size - 1);
            std::memcpy(buffer, text, length);
            buffer[length] = 0;
        }
    }
    delete[] text;
}
