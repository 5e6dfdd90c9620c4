#include "download/DownloadTask.h"

#include "analysis/PageAnalysis.h"
#include "app/AppState.h"
#include "download/InternetHandle.h"
#include "download/KernelHandle.h"
#include "download/TaskCancel.h"
#include "download/TaskPath.h"
#include "download/TaskProtocol.h"
#include "download/TaskState.h"
#include "download/TaskTitle.h"
#include "framework/ProgramTitle.h"

#include <wininet.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const DWORD kChunkSize = 2048;
const size_t kPageTextSize = 8192;
const DWORD kSampleMilliseconds = 2000;
const int kReadErrorLimit = 3;

const DWORD kOpenUrlFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY;
const DWORD_PTR kOpenUrlContext = 1;  // no status callback is installed

const struct {
    DWORD option;
    DWORD value;
} kSessionOptions[] = {
    {INTERNET_OPTION_CONNECT_RETRIES, 5},
    {INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, 30000},
};

void PostTaskMessage(UINT message, DWORD taskId, LPARAM lParam)
{
    PostMessageA(g_hDownloaderPage, message, taskId, lParam);
}

// Whether the response answered a 2xx status; anything else is an error
// page, not the page or video asked for.
bool HasSuccessStatus(HINTERNET response)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(response, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return false;
    return status >= 200 && status < 300;
}

// The announced body length, or false when the response has none.
bool QueryContentLength(HINTERNET response, ULONGLONG& length)
{
    char text[32] = {};
    DWORD size = sizeof text;
    if (!HttpQueryInfoA(response, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr))
        return false;
    char* end = nullptr;
    length = std::strtoull(text, &end, 10);
    return end != text;
}

struct TaskEnd {
    enum Kind { kGoingOn, kCompleted, kCancelled, kFailed };
    Kind kind = kGoingOn;
    TaskFailure failure = TASK_FAIL_ANALYSIS;
};

const TaskEnd kGoOn{};
const TaskEnd kCompleted{TaskEnd::kCompleted};
const TaskEnd kCancelled{TaskEnd::kCancelled};

TaskEnd Failed(TaskFailure code)
{
    return TaskEnd{TaskEnd::kFailed, code};
}

// One task from start to end, on the worker's own thread. Each step either
// lets the task go on or ends it.
class CDownloadTask {
public:
    explicit CDownloadTask(char* pageAddress);
    void Run();

private:
    TaskEnd OpenSession();
    TaskEnd FetchPage();
    TaskEnd AnalyseAndName();
    TaskEnd OpenVideo();
    TaskEnd CreateOutputFile();
    TaskEnd Transfer();

    bool ReadVideo(DWORD& count);
    bool WriteChunk(DWORD count);
    void EndSample(DWORD elapsed);
    bool IsCancelled() const { return IsTaskCancelRequested(m_taskId); }
    // Bytes read and written so far, the unfinished sample included.
    ULONGLONG BytesDone() const { return m_totalBytes + static_cast<ULONGLONG>(m_windowBytes); }
    void ReleaseAll();
    void Finish(const TaskEnd& end);

    const DWORD m_taskId;
    const std::unique_ptr<char[]> m_ownedAddress;
    const char* const m_pageAddress;
    std::string m_downloadFolder;

    char m_pageText[kPageTextSize] = {};
    size_t m_pageTextLength = 0;
    char m_pageChunk[kChunkSize] = {};
    char m_title[kAnalysisBufferSize] = {};
    char m_query[kAnalysisBufferSize] = {};
    std::string m_fileName;
    std::string m_downloadAddress;
    std::string m_savePath;

    CInternetHandle m_session;
    CInternetHandle m_pageResponse;
    CInternetHandle m_videoResponse;
    CKernelHandle m_file;
    std::unique_ptr<char[]> m_transferBuffer;

    bool m_lengthKnown = false;
    ULONGLONG m_announcedLength = 0;
    LONG m_windowBytes = 0;
    DWORD m_sampleStart = 0;
    ULONGLONG m_totalBytes = 0;
    int m_readErrors = 0;
};

CDownloadTask::CDownloadTask(char* pageAddress)
    : m_taskId(GetCurrentThreadId()),
      m_ownedAddress(pageAddress),
      m_pageAddress(pageAddress ? pageAddress : "")
{
    // Taken once: a later change of the setting leaves this task alone.
    if (const CAppState* state = CAppState::Current()) {
        if (state->m_downloadFolder)
            m_downloadFolder = state->m_downloadFolder;
    }
}

void CDownloadTask::Run()
{
    PostTaskMessage(UM_TASK_ANALYSING, m_taskId, 0);

    using Step = TaskEnd (CDownloadTask::*)();
    static const Step kSteps[] = {
        &CDownloadTask::OpenSession, &CDownloadTask::FetchPage, &CDownloadTask::AnalyseAndName,
        &CDownloadTask::OpenVideo, &CDownloadTask::CreateOutputFile, &CDownloadTask::Transfer,
    };
    TaskEnd end = kCompleted;
    for (Step step : kSteps) {
        end = (this->*step)();
        if (end.kind != TaskEnd::kGoingOn)
            break;
    }
    Finish(end);
}

TaskEnd CDownloadTask::OpenSession()
{
    m_session.Reset(InternetOpenA(ProgramTitle(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!m_session)
        return Failed(TASK_FAIL_NETWORK);
    for (const auto& setting : kSessionOptions) {
        DWORD value = setting.value;
        // A refused option leaves the system's default in place.
        InternetSetOptionExA(m_session.Get(), setting.option, &value, sizeof value, 0);
    }
    return kGoOn;
}

// Reads the beginning of the page: whole chunks while their sum stays below
// the page buffer, each appended as text (up to its first zero byte).
TaskEnd CDownloadTask::FetchPage()
{
    m_pageResponse.Reset(InternetOpenUrlA(m_session.Get(), m_pageAddress, nullptr, 0, kOpenUrlFlags, kOpenUrlContext));
    if (!m_pageResponse || !HasSuccessStatus(m_pageResponse.Get()))
        return Failed(TASK_FAIL_PAGE_OPEN);

    size_t sum = 0;
    for (;;) {
        DWORD count = 0;
        if (!InternetReadFile(m_pageResponse.Get(), m_pageChunk, kChunkSize, &count))
            return Failed(TASK_FAIL_NETWORK);
        if (count == 0)
            break;
        if (IsCancelled())
            return kCancelled;
        sum += count;
        if (sum >= kPageTextSize)
            break;
        // The text never outgrows sum, so the terminator always fits.
        const size_t length = strnlen(m_pageChunk, count);
        std::memcpy(m_pageText + m_pageTextLength, m_pageChunk, length);
        m_pageTextLength += length;
        m_pageText[m_pageTextLength] = 0;
    }
    // The rest of the page is not needed.
    m_pageResponse.Reset();
    return kGoOn;
}

TaskEnd CDownloadTask::AnalyseAndName()
{
    if (!AnalysePage(m_pageText, m_query, m_title))
        return Failed(TASK_FAIL_ANALYSIS);
    m_fileName = MakeVideoFileName(m_title);
    PostTaskTitle(g_hDownloaderPage, m_taskId, m_fileName.c_str());
    if (!MakeVideoAddress(m_pageAddress, m_query, m_downloadAddress))
        return Failed(TASK_FAIL_ANALYSIS);
    m_savePath = MakeTaskFilePath(m_downloadFolder.c_str(), m_fileName.c_str());
    return kGoOn;
}

TaskEnd CDownloadTask::OpenVideo()
{
    m_videoResponse.Reset(
        InternetOpenUrlA(m_session.Get(), m_downloadAddress.c_str(), nullptr, 0, kOpenUrlFlags, kOpenUrlContext));
    // An error page must not be saved as the video.
    if (!m_videoResponse || !HasSuccessStatus(m_videoResponse.Get()))
        return Failed(TASK_FAIL_VIDEO_OPEN);
    m_lengthKnown = QueryContentLength(m_videoResponse.Get(), m_announcedLength);
    PostTaskMessage(UM_TASK_CONNECTED, m_taskId, 0);
    return kGoOn;
}

TaskEnd CDownloadTask::CreateOutputFile()
{
    // Created or truncated, write access only, shared with nobody while open.
    m_file.Reset(
        CreateFileA(m_savePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_file)
        return Failed(TASK_FAIL_FILE_CREATE);
    PostTaskMessage(UM_TASK_CONNECTED, m_taskId, 0);
    return kGoOn;
}

// Copies the video to the file in chunks and reports speed and progress once
// per sample of more than two seconds.
TaskEnd CDownloadTask::Transfer()
{
    m_transferBuffer.reset(new char[kChunkSize]());
    m_windowBytes = 0;
    m_totalBytes = 0;
    m_readErrors = 0;
    m_sampleStart = GetTickCount();
    for (;;) {
        DWORD count = 0;
        if (!ReadVideo(count)) {
            // Retried at once; the count is never reset.
            if (++m_readErrors >= kReadErrorLimit)
                return Failed(TASK_FAIL_READ);
            continue;
        }
        if (count == 0)
            return kCompleted;
        if (IsCancelled())
            return kCancelled;
        if (!WriteChunk(count))
            return Failed(TASK_FAIL_WRITE);
        m_windowBytes += static_cast<LONG>(count);
        const DWORD elapsed = GetTickCount() - m_sampleStart;
        if (elapsed > kSampleMilliseconds)
            EndSample(elapsed);
    }
}

// One read of the video. The end of the data before the announced length is
// a broken transfer (the connection was cut), so it counts as a failed read.
bool CDownloadTask::ReadVideo(DWORD& count)
{
    count = 0;
    if (!InternetReadFile(m_videoResponse.Get(), m_transferBuffer.get(), kChunkSize, &count)) {
        count = 0;
        return false;
    }
    if (count == 0)
        return !m_lengthKnown || BytesDone() >= m_announcedLength;
    return true;
}

bool CDownloadTask::WriteChunk(DWORD count)
{
    DWORD written = 0;
    return WriteFile(m_file.Get(), m_transferBuffer.get(), count, &written, nullptr) && written == count;
}

void CDownloadTask::EndSample(DWORD elapsed)
{
    m_totalBytes += static_cast<ULONGLONG>(m_windowBytes);
    PostTaskMessage(UM_TASK_SPEED, m_taskId, m_windowBytes / static_cast<LONG>(elapsed));
    PostTaskMessage(UM_TASK_PROGRESS, m_taskId, static_cast<LPARAM>(m_totalBytes >> 10));
    m_windowBytes = 0;
    m_sampleStart = GetTickCount();
}

void CDownloadTask::ReleaseAll()
{
    m_transferBuffer.reset();
    // Every write went straight to the system; nothing is buffered here.
    m_file.Reset();
    m_videoResponse.Reset();
    m_pageResponse.Reset();
    m_session.Reset();
}

// Closes everything, leaves the place among the running tasks and posts the
// last message. A partly written file stays on disk.
void CDownloadTask::Finish(const TaskEnd& end)
{
    ReleaseAll();
    if (end.kind == TaskEnd::kCancelled)
        ClearTaskCancel(m_taskId);
    // Before the last message, so that the scheduler it triggers sees the
    // place free.
    --g_runningTasks;
    switch (end.kind) {
    case TaskEnd::kCompleted:
        // The whole size, including the last unfinished sample.
        PostTaskMessage(UM_TASK_PROGRESS, m_taskId, static_cast<LPARAM>(BytesDone() >> 10));
        PostTaskMessage(UM_TASK_COMPLETED, m_taskId, 0);
        break;
    case TaskEnd::kFailed:
        PostTaskMessage(UM_TASK_TIMEOUT, m_taskId, end.failure);
        break;
    default:
        break;
    }
    // A request that came too late to be seen must not outlive this thread:
    // a later worker may get the same id.
    ClearTaskCancel(m_taskId);
}

}  // namespace

DWORD WINAPI DownloadTaskProc(LPVOID param)
{
    CDownloadTask task(static_cast<char*>(param));
    task.Run();
    return 0;
}

char* DuplicateTaskAddress(const char* address)
{
    const size_t length = std::strlen(address);
    char* copy = new char[length + 1];
    std::memcpy(copy, address, length + 1);
    return copy;
}

void FreeTaskAddress(char* address)
{
    delete[] address;
}
