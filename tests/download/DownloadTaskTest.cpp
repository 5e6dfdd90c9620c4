// The download worker against a loopback HTTP server: the messages it posts,
// the bytes it saves and the running count it leaves.
#include "tests/download/TestHttpServer.h"

#include "app/AppState.h"
#include "download/DownloadTask.h"
#include "download/KernelHandle.h"
#include "download/TaskCancel.h"
#include "download/TaskProtocol.h"
#include "download/TaskResume.h"
#include "download/TaskState.h"
#include "framework/ProgramTitle.h"
#include "tests/download/TaskMessageLog.h"
#include "tests/download/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kVideoId[] = "vid01";
const char kToken[] = "tok01";
const char kVideoTarget[] = "/get_video?video_id=vid01&t=tok01";

// The request values the way the site's watch page carries them, deep in a
// script among other "&"-separated values.
std::string RequestValues(const std::string& videoId, const std::string& token)
{
    return "<script>var swfArgs = \"&video_id=" + videoId + "&l=63&sk=abc&t=" + token + "&hl=en&\";</script>\n";
}

std::string PageHead(const std::string& title)
{
    return "<html><head><title>" + title + "</title></head><body>\n";
}

// A watch page whose request values start at byte valuesAt (when the head is
// shorter), padded to at least `size` bytes.
std::string MakePage(const std::string& title, size_t valuesAt = 0, size_t size = 0)
{
    std::string page = PageHead(title);
    if (page.size() < valuesAt)
        page.append(valuesAt - page.size(), ' ');
    page += RequestValues(kVideoId, kToken);
    page += "</body></html>\n";
    if (page.size() < size)
        page.append(size - page.size(), ' ');
    return page;
}

// Video bytes that differ from chunk to chunk, so that a lost or repeated
// chunk shows.
std::string MakeVideo(size_t size)
{
    std::string video(size, 0);
    for (size_t i = 0; i < size; ++i)
        video[i] = static_cast<char>((i * 7 + i / 2048) & 0xFF);
    return video;
}

TestReply Reply(const std::string& body, int status = 200)
{
    TestReply reply;
    reply.status = status;
    reply.body = body;
    return reply;
}

// The sequence without the figures of SPEED and PROGRESS, which vary.
std::string Names(const std::vector<TaskMessage>& messages)
{
    return Describe(messages, false);
}

// A completed transfer: the opening messages, any number of SPEED +
// PROGRESS samples, then the last PROGRESS and COMPLETED. Gives the samples.
struct Samples {
    std::vector<LPARAM> speeds;
    std::vector<LPARAM> progress;
};

::testing::AssertionResult SplitCompleted(const std::vector<TaskMessage>& messages, const std::string& title,
                                          LPARAM finalKilobytes, Samples& samples)
{
    const std::string opening = "ANALYSING TITLE(" + title + ") CONNECTED CONNECTED";
    const std::string closing = "PROGRESS(" + std::to_string(finalKilobytes) + ") COMPLETED";
    const size_t n = messages.size();
    if (n < 6)
        return ::testing::AssertionFailure() << "too few messages: " << Describe(messages);
    if (Describe({messages.begin(), messages.begin() + 4}) != opening ||
        Describe({messages.end() - 2, messages.end()}) != closing)
        return ::testing::AssertionFailure() << "expected " << opening << " ... " << closing << ", got "
                                             << Describe(messages);
    for (size_t i = 4; i + 2 < n; i += 2) {
        if (i + 1 >= n - 2 || messages[i].message != UM_TASK_SPEED || messages[i + 1].message != UM_TASK_PROGRESS)
            return ::testing::AssertionFailure() << "not SPEED + PROGRESS pairs: " << Describe(messages);
        samples.speeds.push_back(messages[i].lParam);
        samples.progress.push_back(messages[i + 1].lParam);
    }
    return ::testing::AssertionSuccess();
}

class DownloadTaskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_runningTasks = 0;
        for (auto& slot : g_cancelTaskIds)
            slot = 0;
        m_state.LoadAppState();
        UseFolder(m_folder.Path());
    }

    void TearDown() override
    {
        // A worker that is still running ends once the server is gone.
        m_server.Stop();
        for (const auto& thread : m_threads)
            EXPECT_TRUE(m_log.WaitForEnd(thread->Get())) << "a worker did not end";
    }

    void UseFolder(const std::string& folder)
    {
        ASSERT_LT(folder.size(), kAppPathSize);
        std::strcpy(m_state.m_downloadFolder, folder.c_str());
    }

    void ServeClip(const std::string& video)
    {
        m_server.Route("/watch", Reply(MakePage("Clip")));
        m_server.Route("/get_video", Reply(video));
    }

    std::string PageAddress() const { return m_server.Url("/watch?v=vid01"); }

    // A worker created suspended, the way the admission creates it.
    DWORD Create(const std::string& address)
    {
        DWORD id = 0;
        char* argument = DuplicateTaskAddress(address.c_str());
        HANDLE thread = CreateThread(nullptr, 0, DownloadTaskProc, argument, CREATE_SUSPENDED, &id);
        if (!thread) {
            FreeTaskAddress(argument);
            ADD_FAILURE() << "no thread";
            return 0;
        }
        SetThreadPriority(thread, THREAD_PRIORITY_ABOVE_NORMAL);
        m_threads.push_back(std::make_unique<CKernelHandle>(thread));
        return id;
    }

    DWORD Start(const std::string& address)
    {
        const DWORD id = Create(address);
        EXPECT_TRUE(ResumeTask(id));
        return id;
    }

    // Runs a worker to its end; gives its messages.
    std::vector<TaskMessage> Run(const std::string& address)
    {
        const DWORD id = Start(address);
        WaitForEnd(id);
        return m_log.ForTask(id);
    }

    void WaitForEnd(DWORD id)
    {
        for (const auto& thread : m_threads) {
            if (GetThreadId(thread->Get()) == id) {
                ASSERT_TRUE(m_log.WaitForEnd(thread->Get())) << "the worker did not end";
            }
        }
    }

    CTempFolder m_folder;
    CAppState m_state;
    CTaskMessageLog m_log;
    CTestHttpServer m_server;
    std::vector<std::unique_ptr<CKernelHandle>> m_threads;
};

// ---------------------------------------------------------------------------
// Downloads that complete

struct CompletedCase {
    const char* name;
    size_t size;
};

class CompletedDownloadTest : public DownloadTaskTest, public ::testing::WithParamInterface<CompletedCase> {};

TEST_P(CompletedDownloadTest, SavesTheVideoAndReportsItsWholeSize)
{
    const std::string video = MakeVideo(GetParam().size);
    ServeClip(video);

    const std::vector<TaskMessage> messages = Run(PageAddress());

    Samples samples;
    EXPECT_TRUE(SplitCompleted(messages, "Clip.flv", static_cast<LPARAM>(video.size() >> 10), samples));
    EXPECT_EQ(ReadWholeFile(m_folder.File("Clip.flv")), video);
    EXPECT_TRUE(IsFileClosed(m_folder.File("Clip.flv")));
    // Uncounted before the last message, so that the scheduler it triggers
    // sees the place free.
    EXPECT_EQ(messages.back().runningTasks, 0);
    EXPECT_EQ(g_runningTasks, 0);

    const std::vector<SeenRequest> requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, "/watch?v=vid01");
    EXPECT_EQ(requests[1].target, kVideoTarget);
    for (const SeenRequest& request : requests)
        EXPECT_EQ(request.userAgent, ProgramTitle());
}

INSTANTIATE_TEST_SUITE_P(Sizes, CompletedDownloadTest,
                         ::testing::Values(CompletedCase{"Empty", 0}, CompletedCase{"Small", 5000},
                                           CompletedCase{"OneAndAHalfMegabytes", 1536 * 1024 + 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadTaskTest, ShortDownloadPostsOnlyTheLastProgress)
{
    ServeClip(MakeVideo(5000));
    EXPECT_EQ(Describe(Run(PageAddress())),
              "ANALYSING TITLE(Clip.flv) CONNECTED CONNECTED PROGRESS(4) COMPLETED");
}

TEST_F(DownloadTaskTest, SlowDownloadReportsSpeedAndProgressEveryTwoSeconds)
{
    // 3 MB over about 4.5 seconds: two or three samples.
    const std::string video = MakeVideo(3 * 1024 * 1024);
    TestReply reply = Reply(video);
    for (int i = 0; i < 30; ++i)
        reply.pieces.push_back(ReplyPiece{video.size() / 30, 150, nullptr, nullptr});
    m_server.Route("/watch", Reply(MakePage("Clip")));
    m_server.Route("/get_video", reply);

    const std::vector<TaskMessage> messages = Run(PageAddress());

    Samples samples;
    ASSERT_TRUE(SplitCompleted(messages, "Clip.flv", 3072, samples));
    ASSERT_GE(samples.progress.size(), 1u) << Describe(messages);
    for (size_t i = 0; i < samples.progress.size(); ++i) {
        // About 680 bytes per millisecond are sent.
        EXPECT_GT(samples.speeds[i], 100) << Describe(messages);
        EXPECT_LT(samples.speeds[i], 5000) << Describe(messages);
        if (i > 0) {
            EXPECT_GT(samples.progress[i], samples.progress[i - 1]);
        }
    }
    // Samples never include the last unfinished window; the last message does.
    EXPECT_LT(samples.progress.back(), 3072);
    EXPECT_EQ(ReadWholeFile(m_folder.File("Clip.flv")), video);
}

// ---------------------------------------------------------------------------
// The page text: whole 2048-byte chunks while their sum stays below 8192,
// each cut at its first zero byte. With a page longer than 8192 bytes and
// full reads, that is its first 6144 bytes.

struct PageCase {
    const char* name;
    std::string page;
    const char* expected;  // the message sequence, or "" for a completed task
    const char* videoTarget;
};

std::string ZeroBytePage(bool valuesInSecondChunk)
{
    std::string first = PageHead("Clip");
    first += '\0';
    first += RequestValues("lost", "lost");
    first.append(2048 - first.size(), ' ');
    std::string second = valuesInSecondChunk ? RequestValues("vid02", "tok02") : std::string();
    second.append(2048 - second.size(), ' ');
    return first + second + std::string(1000, ' ');
}

const char kFailedAnalysis[] = "ANALYSING TIMEOUT(0)";

class PageTextTest : public DownloadTaskTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PageTextTest, AnalysesOnlyWhatThePageTextHolds)
{
    m_server.Route("/watch", Reply(GetParam().page));
    m_server.Route("/get_video", Reply(MakeVideo(3000)));

    const std::vector<TaskMessage> messages = Run(PageAddress());

    if (*GetParam().expected) {
        EXPECT_EQ(Describe(messages), GetParam().expected);
        EXPECT_FALSE(m_server.Saw("/get_video"));
    } else {
        EXPECT_EQ(Describe(messages), "ANALYSING TITLE(Clip.flv) CONNECTED CONNECTED PROGRESS(2) COMPLETED");
        EXPECT_TRUE(m_server.Saw(GetParam().videoTarget));
    }
}

const size_t kValuesSize = RequestValues(kVideoId, kToken).size();

INSTANTIATE_TEST_SUITE_P(
    Pages, PageTextTest,
    ::testing::Values(PageCase{"ValuesEndWithinFirst6144Bytes", MakePage("Clip", 6144 - kValuesSize, 9000), "",
                               kVideoTarget},
                      PageCase{"ValuesBeyondFirst6144Bytes", MakePage("Clip", 6144, 9000), kFailedAnalysis, ""},
                      PageCase{"ZeroByteCutsItsChunk", ZeroBytePage(false), kFailedAnalysis, ""},
                      PageCase{"ChunksAfterAZeroByteStillCount", ZeroBytePage(true), "",
                               "/get_video?video_id=vid02&t=tok02"},
                      PageCase{"NoTitle", "<html><body>" + RequestValues(kVideoId, kToken), kFailedAnalysis, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Failures before the transfer

TEST_F(DownloadTaskTest, UnreachablePagesEndWithPageOpenFailure)
{
    const std::string addresses[] = {
        "http://127.0.0.1:" + std::to_string(RefusedPort()) + "/watch?v=vid01",
        "http://no-such-host.invalid/watch?v=vid01",
    };
    for (const std::string& address : addresses) {
        const std::vector<TaskMessage> messages = Run(address);
        EXPECT_EQ(Describe(messages), "ANALYSING TIMEOUT(3)") << address;
        EXPECT_EQ(messages.back().runningTasks, 0) << address;
    }
    EXPECT_EQ(g_runningTasks, 0);
}

TEST_F(DownloadTaskTest, PageWithErrorStatusEndsWithPageOpenFailure)
{
    m_server.Route("/watch", Reply(MakePage("Clip"), 404));
    m_server.Route("/get_video", Reply(MakeVideo(3000)));

    EXPECT_EQ(Describe(Run(PageAddress())), "ANALYSING TIMEOUT(3)");
    EXPECT_FALSE(m_server.Saw("/get_video"));
}

TEST_F(DownloadTaskTest, VideoWithErrorStatusEndsWithVideoOpenFailureAndNoFile)
{
    for (int status : {404, 500}) {
        CTestHttpServer server;
        server.Route("/watch", Reply(MakePage("Clip")));
        server.Route("/get_video", Reply("<html>error page</html>", status));

        EXPECT_EQ(Describe(Run(server.Url("/watch?v=vid01"))), "ANALYSING TITLE(Clip.flv) TIMEOUT(1)") << status;
        EXPECT_FALSE(FileExists(m_folder.File("Clip.flv"))) << status;
    }
}

// ---------------------------------------------------------------------------
// The output file

struct FileCase {
    const char* name;
    const char* title;
    // Prepares the folder; gives the download folder to use.
    std::string (*prepare)(const CTempFolder& folder);
};

std::string MissingFolder(const CTempFolder& folder)
{
    return folder.File("missing");
}

std::string FolderIsAFile(const CTempFolder& folder)
{
    CloseHandle(CreateFileA(folder.File("plain").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return folder.File("plain");
}

std::string NameTakenByAFolder(const CTempFolder& folder)
{
    CreateDirectoryA(folder.File("Clip.flv").c_str(), nullptr);
    return folder.Path();
}

std::string SameFolder(const CTempFolder& folder)
{
    return folder.Path();
}

std::string OverlongPath(const CTempFolder& folder)
{
    return folder.Path() + "\\" + std::string(240 - folder.Path().size(), 'x');
}

class FileCreationTest : public DownloadTaskTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileCreationTest, FileThatCannotBeCreatedEndsWithFileCreateFailure)
{
    UseFolder(GetParam().prepare(m_folder));
    m_server.Route("/watch", Reply(MakePage(GetParam().title)));
    m_server.Route("/get_video", Reply(MakeVideo(3000)));

    EXPECT_EQ(Describe(Run(PageAddress())),
              std::string("ANALYSING TITLE(") + GetParam().title + ".flv) CONNECTED TIMEOUT(2)");
    EXPECT_EQ(g_runningTasks, 0);
}

INSTANTIATE_TEST_SUITE_P(Causes, FileCreationTest,
                         ::testing::Values(FileCase{"MissingFolder", "Clip", MissingFolder},
                                           FileCase{"FolderIsAFile", "Clip", FolderIsAFile},
                                           FileCase{"NameTakenByAFolder", "Clip", NameTakenByAFolder},
                                           FileCase{"ControlCharacterInName", "Tab\tClip", SameFolder},
                                           FileCase{"PathTooLong", "Clip", OverlongPath}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SavePathCase {
    const char* name;
    const char* folderEnd;  // appended to the folder
    const char* title;
    const char* savedAs;
};

class SavePathTest : public DownloadTaskTest, public ::testing::WithParamInterface<SavePathCase> {};

TEST_P(SavePathTest, SavesUnderTheCleanedTitleInTheFolder)
{
    UseFolder(m_folder.Path() + GetParam().folderEnd);
    const std::string video = MakeVideo(4096);
    m_server.Route("/watch", Reply(MakePage(GetParam().title)));
    m_server.Route("/get_video", Reply(video));

    EXPECT_EQ(Describe(Run(PageAddress())), std::string("ANALYSING TITLE(") + GetParam().savedAs +
                                                ") CONNECTED CONNECTED PROGRESS(4) COMPLETED");
    EXPECT_EQ(ReadWholeFile(m_folder.File(GetParam().savedAs)), video);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SavePathTest,
    ::testing::Values(SavePathCase{"FolderWithoutBackslash", "", "Clip", "Clip.flv"},
                      SavePathCase{"FolderWithBackslash", "\\", "Clip", "Clip.flv"},
                      SavePathCase{"FolderWithDoubledBackslash", "\\\\", "Clip", "Clip.flv"},
                      SavePathCase{"CleanedTitle", "", "Part 1: a/b\\c?", "Part 1  abc.flv"},
                      SavePathCase{"DeviceNameTitle", "", "COM1", "_COM1.flv"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Failures during the transfer

TEST_F(DownloadTaskTest, CutConnectionEndsWithReadFailureAndKeepsThePart)
{
    struct {
        const char* name;
        bool reset;
    } const kCases[] = {{"closed before the announced length", false}, {"reset", true}};
    const std::string video = MakeVideo(1024 * 1024);
    for (const auto& test : kCases) {
        CTestHttpServer server;
        TestReply reply = Reply(video.substr(0, 300000));
        reply.announcedLength = static_cast<long long>(video.size());
        reply.reset = test.reset;
        // Let the client take the data before the connection goes.
        reply.pieces.push_back(ReplyPiece{300000, 300, nullptr, nullptr});
        server.Route("/watch", Reply(MakePage("Clip")));
        server.Route("/get_video", reply);

        EXPECT_EQ(Names(Run(server.Url("/watch?v=vid01"))), "ANALYSING TITLE(Clip.flv) CONNECTED CONNECTED TIMEOUT(5)")
            << test.name;
        const std::string saved = ReadWholeFile(m_folder.File("Clip.flv"));
        EXPECT_LE(saved.size(), 300000u) << test.name;
        EXPECT_EQ(saved, video.substr(0, saved.size())) << test.name;
        EXPECT_TRUE(IsFileClosed(m_folder.File("Clip.flv"))) << test.name;
    }
    EXPECT_EQ(g_runningTasks, 0);
}

TEST_F(DownloadTaskTest, ReplyWithoutLengthEndsWhereTheConnectionCloses)
{
    const std::string video = MakeVideo(300000);
    TestReply reply = Reply(video);
    reply.announcedLength = TestReply::kNoLength;
    m_server.Route("/watch", Reply(MakePage("Clip")));
    m_server.Route("/get_video", reply);

    EXPECT_EQ(Describe(Run(PageAddress())),
              "ANALYSING TITLE(Clip.flv) CONNECTED CONNECTED PROGRESS(292) COMPLETED");
    EXPECT_EQ(ReadWholeFile(m_folder.File("Clip.flv")), video);
}

#ifdef QUILLON_FULL_DISK_DIR
// The folder is a tiny file system of its own (or, where this user may not
// mount one, holds FullDisk.flv as a link to the system's always-full
// device): either way the system itself refuses the writes.
TEST_F(DownloadTaskTest, FullDiskEndsWithWriteFailureAndKeepsThePart)
{
    const std::string folder = QUILLON_FULL_DISK_DIR;
    const std::string kind = ReadWholeFile(folder + "\\kind");
    const std::string path = folder + "\\FullDisk.flv";
    if (kind.compare(0, 5, "tmpfs") == 0)
        DeleteFileA(path.c_str());
    else if (kind.compare(0, 7, "devfull") != 0)
        GTEST_SKIP() << "no full disk prepared in " << folder;
    UseFolder(folder);
    const std::string video = MakeVideo(1024 * 1024);
    m_server.Route("/watch", Reply(MakePage("FullDisk")));
    m_server.Route("/get_video", Reply(video));

    EXPECT_EQ(Names(Run(PageAddress())), "ANALYSING TITLE(FullDisk.flv) CONNECTED CONNECTED TIMEOUT(6)");
    EXPECT_TRUE(IsFileClosed(path));
    if (kind.compare(0, 5, "tmpfs") == 0) {
        const std::string saved = ReadWholeFile(path);
        EXPECT_GT(saved.size(), 0u);
        EXPECT_LT(saved.size(), video.size());
        EXPECT_EQ(saved, video.substr(0, saved.size()));
        DeleteFileA(path.c_str());
    }
    EXPECT_EQ(g_runningTasks, 0);
}
#endif

// ---------------------------------------------------------------------------
// Cancellation: the worker ends after the read on which it sees its request,
// posts nothing more and leaves what it wrote.

class CEvent {
public:
    CEvent() : m_handle(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    HANDLE Get() const { return m_handle.Get(); }
    void Set() { SetEvent(m_handle.Get()); }
    bool Wait(DWORD timeoutMs = 30000) { return WaitForSingleObject(m_handle.Get(), timeoutMs) == WAIT_OBJECT_0; }

private:
    CKernelHandle m_handle;
};

TEST_F(DownloadTaskTest, TaskCancelledWhileWaitingReadsThePageOnceAndEndsSilently)
{
    ServeClip(MakeVideo(3000));
    const DWORD id = Create(PageAddress());
    ASSERT_TRUE(RequestTaskCancel(id));
    ASSERT_TRUE(ResumeTask(id));
    WaitForEnd(id);

    // ANALYSING comes before the first read, so it is the only message.
    EXPECT_EQ(Describe(m_log.ForTask(id)), "ANALYSING");
    EXPECT_TRUE(m_server.Saw("/watch"));
    EXPECT_FALSE(m_server.Saw("/get_video"));
    EXPECT_FALSE(IsTaskCancelRequested(id));
    EXPECT_EQ(g_runningTasks, 0);
}

TEST_F(DownloadTaskTest, TaskCancelledDuringThePageReadEndsSilently)
{
    CEvent firstChunkSent, release;
    TestReply page = Reply(MakePage("Clip", 6000, 8000));
    page.pieces.push_back(ReplyPiece{2048, 0, firstChunkSent.Get(), release.Get()});
    m_server.Route("/watch", page);
    m_server.Route("/get_video", Reply(MakeVideo(3000)));

    const DWORD id = Start(PageAddress());
    ASSERT_TRUE(firstChunkSent.Wait());
    ASSERT_TRUE(RequestTaskCancel(id));
    release.Set();
    WaitForEnd(id);

    EXPECT_EQ(Describe(m_log.ForTask(id)), "ANALYSING");
    EXPECT_FALSE(m_server.Saw("/get_video"));
    EXPECT_EQ(g_runningTasks, 0);
}

TEST_F(DownloadTaskTest, TaskCancelledDuringTheTransferLeavesThePartClosed)
{
    const std::string video = MakeVideo(1024 * 1024);
    CEvent release;
    TestReply reply = Reply(video);
    // One sample's worth, so that the worker has visibly written it, then
    // a stop until the cancel request is in place.
    reply.pieces.push_back(ReplyPiece{65536, 2100, nullptr, nullptr});
    reply.pieces.push_back(ReplyPiece{2048, 0, nullptr, release.Get()});
    m_server.Route("/watch", Reply(MakePage("Clip")));
    m_server.Route("/get_video", reply);
    const std::string path = m_folder.File("Clip.flv");

    const DWORD id = Start(PageAddress());
    ASSERT_TRUE(m_log.WaitFor(UM_TASK_PROGRESS, id));
    // Held open without sharing: a removal can't delete it meanwhile.
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(RequestTaskCancel(id));
    release.Set();
    WaitForEnd(id);

    const std::vector<TaskMessage> messages = m_log.ForTask(id);
    ASSERT_EQ(Names(messages), "ANALYSING TITLE(Clip.flv) CONNECTED CONNECTED SPEED PROGRESS");
    const std::string saved = ReadWholeFile(path);
    EXPECT_GE(saved.size(), static_cast<size_t>(messages.back().lParam) * 1024);
    EXPECT_LE(saved.size(), 65536u + 2048u);
    EXPECT_EQ(saved, video.substr(0, saved.size()));
    EXPECT_TRUE(IsFileClosed(path));
    EXPECT_FALSE(IsTaskCancelRequested(id));
    EXPECT_EQ(g_runningTasks, 0);
}

TEST_F(DownloadTaskTest, TwoRemovalsInQuickSuccessionAreBothHonoured)
{
    CEvent release;
    TestReply video = Reply(MakeVideo(1024 * 1024));
    video.pieces.push_back(ReplyPiece{65536, 0, nullptr, release.Get()});
    m_server.Route("/watch?v=a", Reply(MakePage("First")));
    m_server.Route("/watch?v=b", Reply(MakePage("Second")));
    m_server.Route("/get_video", video);

    const DWORD first = Start(m_server.Url("/watch?v=a"));
    const DWORD second = Start(m_server.Url("/watch?v=b"));
    ASSERT_TRUE(m_log.WaitFor(UM_TASK_CONNECTED, first, 2));
    ASSERT_TRUE(m_log.WaitFor(UM_TASK_CONNECTED, second, 2));
    EXPECT_EQ(g_runningTasks, 2);
    ASSERT_TRUE(RequestTaskCancel(first));
    ASSERT_TRUE(RequestTaskCancel(second));
    release.Set();
    WaitForEnd(first);
    WaitForEnd(second);

    EXPECT_EQ(Describe(m_log.ForTask(first)), "ANALYSING TITLE(First.flv) CONNECTED CONNECTED");
    EXPECT_EQ(Describe(m_log.ForTask(second)), "ANALYSING TITLE(Second.flv) CONNECTED CONNECTED");
    EXPECT_EQ(g_runningTasks, 0);
    for (const auto& slot : g_cancelTaskIds)
        EXPECT_EQ(slot.load(), 0u);
}

}  // namespace
