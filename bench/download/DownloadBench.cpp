// Measures the download worker, and the system calls it is made of, against
// a loopback server. Run by tools/bench-download.sh, which compares the
// figures with curl's.
//
//   download_bench <server> <folder> workers <n>          n workers at once
//   download_bench <server> <folder> read <chunk>         InternetReadFile loop alone
//   download_bench <server> <folder> copy <chunk>         read and write loop alone
//   download_bench <server> <folder> write <chunk> <mb>   WriteFile loop alone
// The loops run on a thread of their own at the workers' priority, like a
// worker.
//
// <server> is "http://127.0.0.1:<port>". Prints one line:
//   result wall_ms=<ms> cpu_ms=<ms> bytes=<n> ok=<0|1>
// where cpu_ms is this process's user + kernel time during the measurement.
#include "app/AppState.h"
#include "download/DownloadTask.h"
#include "download/InternetHandle.h"
#include "download/KernelHandle.h"
#include "download/TaskProtocol.h"
#include "download/TaskResume.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const DWORD kOpenUrlFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY;

double CpuMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

double NowMilliseconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Measurement {
    double wallMs = 0;
    double cpuMs = 0;
    unsigned long long bytes = 0;
    bool ok = false;
};

unsigned long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// n workers started together, the way the admission starts them; ends when
// each has posted its last message.
Measurement RunWorkers(const std::string& server, const std::string& folder, int n)
{
    CAppState state;
    state.LoadAppState();
    std::strncpy(state.m_downloadFolder, folder.c_str(), kAppPathSize - 1);
    g_hDownloaderPage = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);

    std::vector<DWORD> ids;
    std::vector<std::unique_ptr<CKernelHandle>> threads;
    for (int i = 0; i < n; ++i) {
        const std::string address = server + "/watch?v=" + std::to_string(i + 1);
        DWORD id = 0;
        char* argument = DuplicateTaskAddress(address.c_str());
        HANDLE thread = CreateThread(nullptr, 0, DownloadTaskProc, argument, CREATE_SUSPENDED, &id);
        SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
        threads.push_back(std::make_unique<CKernelHandle>(thread));
        ids.push_back(id);
    }

    Measurement m;
    const double cpu0 = CpuMilliseconds();
    const double t0 = NowMilliseconds();
    for (DWORD id : ids)
        ResumeTask(id);
    int ended = 0;
    int completed = 0;
    MSG msg;
    while (ended < n && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == UM_TASK_TITLE) {
            char name[200];
            TakeTaskTitle(msg.lParam, name, sizeof name);
        } else if (msg.message == UM_TASK_COMPLETED) {
            ++ended;
            ++completed;
        } else if (msg.message == UM_TASK_TIMEOUT) {
            std::fprintf(stderr, "task %lu failed with code %ld\n", static_cast<unsigned long>(msg.wParam),
                         static_cast<long>(msg.lParam));
            ++ended;
        }
    }
    m.wallMs = NowMilliseconds() - t0;
    for (const auto& thread : threads)
        WaitForSingleObject(thread->Get(), INFINITE);
    m.cpuMs = CpuMilliseconds() - cpu0;
    for (int i = 0; i < n; ++i) {
        const std::string path = folder + "\\Bench" + std::to_string(i + 1) + ".flv";
        m.bytes += FileSize(path);
        DeleteFileA(path.c_str());
    }
    m.ok = completed == n;
    DestroyWindow(g_hDownloaderPage);
    return m;
}

struct ThreadJob {
    const std::function<Measurement()>* work;
    Measurement result;
};

DWORD WINAPI RunThreadJob(LPVOID param)
{
    ThreadJob* job = static_cast<ThreadJob*>(param);
    job->result = (*job->work)();
    return 0;
}

// Runs work on a new thread at the workers' priority and waits for it.
Measurement OnWorkerThread(const std::function<Measurement()>& work)
{
    ThreadJob job{&work, {}};
    CKernelHandle thread(CreateThread(nullptr, 0, RunThreadJob, &job, CREATE_SUSPENDED, nullptr));
    SetThreadPriority(thread.Get(), THREAD_PRIORITY_ABOVE_NORMAL);
    ResumeThread(thread.Get());
    WaitForSingleObject(thread.Get(), INFINITE);
    return job.result;
}

// The worker's reads (and, with a file, its writes) without anything else:
// the cost of the system calls themselves.
Measurement RunReads(const std::string& server, DWORD chunk, const std::string& copyPath)
{
    Measurement m;
    CInternetHandle session;
    session.Reset(InternetOpenA("download_bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    std::vector<char> buffer(chunk);
    const double cpu0 = CpuMilliseconds();
    const double t0 = NowMilliseconds();
    CInternetHandle response;
    response.Reset(InternetOpenUrlA(session.Get(), (server + "/get_video?video_id=bench&t=tok").c_str(), nullptr,
                                    0, kOpenUrlFlags, 1));
    CKernelHandle file;
    if (!copyPath.empty())
        file.Reset(CreateFileA(copyPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
    DWORD got = 0;
    bool ok = response && (copyPath.empty() || file);
    while (ok && (ok = InternetReadFile(response.Get(), buffer.data(), chunk, &got) != FALSE) && got > 0) {
        m.bytes += got;
        DWORD written = 0;
        if (file)
            ok = WriteFile(file.Get(), buffer.data(), got, &written, nullptr) && written == got;
    }
    file.Reset();
    m.wallMs = NowMilliseconds() - t0;
    m.cpuMs = CpuMilliseconds() - cpu0;
    m.ok = ok;
    if (!copyPath.empty())
        DeleteFileA(copyPath.c_str());
    return m;
}

// The worker's writes without anything else.
Measurement RunWrites(const std::string& folder, DWORD chunk, unsigned long long megabytes)
{
    Measurement m;
    const std::string path = folder + "\\write-bench.bin";
    std::vector<char> buffer(chunk, 'x');
    const double cpu0 = CpuMilliseconds();
    const double t0 = NowMilliseconds();
    CKernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
    m.ok = static_cast<bool>(file);
    const unsigned long long total = megabytes << 20;
    while (m.ok && m.bytes < total) {
        DWORD written = 0;
        m.ok = WriteFile(file.Get(), buffer.data(), chunk, &written, nullptr) && written == chunk;
        m.bytes += written;
    }
    file.Reset();
    m.wallMs = NowMilliseconds() - t0;
    m.cpuMs = CpuMilliseconds() - cpu0;
    DeleteFileA(path.c_str());
    return m;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: download_bench <server> <folder> workers <n> | read <chunk> | copy <chunk> | "
                 "write <chunk> <mb>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return Usage();
    const std::string server = argv[1];
    const std::string folder = argv[2];
    const std::string what = argv[3];
    const unsigned long value = std::strtoul(argv[4], nullptr, 10);
    Measurement m;
    if (what == "workers" && value > 0)
        m = RunWorkers(server, folder, static_cast<int>(value));
    else if (what == "read" && value > 0)
        m = OnWorkerThread([&] { return RunReads(server, value, ""); });
    else if (what == "copy" && value > 0)
        m = OnWorkerThread([&] { return RunReads(server, value, folder + "\\copy-bench.bin"); });
    else if (what == "write" && value > 0 && argc > 5)
        m = OnWorkerThread([&] { return RunWrites(folder, value, std::strtoull(argv[5], nullptr, 10)); });
    else
        return Usage();
    std::printf("result wall_ms=%.1f cpu_ms=%.1f bytes=%llu ok=%d\n", m.wallMs, m.cpuMs, m.bytes, m.ok ? 1 : 0);
    return m.ok ? 0 : 1;
}
