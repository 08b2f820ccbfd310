#include "platform/FileStream.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::ReadFileBytes;
using platform::WriteFileBytes;

namespace {

class FileStreamTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "filestream-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        FDir = pattern;
        fs::permissions(FDir, fs::perms(0755)); // reachable by the unprivileged user of the permission tests
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(FDir, ignored))
            if (entry.is_directory())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(FDir, ignored);
    }

    std::string PathOf(const std::string& name) const { return (FDir / name).string(); }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    }
    std::vector<std::string> Entries(const fs::path& dir) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path FDir;
};

// All 256 byte values, NUL and line ends included.
std::string EveryByte() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

// Runs a check in a child process, as an unprivileged user when the tests run as root, so that file
// permissions apply; the child's exit code tells whether the check held.
void ExpectHoldsUnprivileged(const std::function<bool()>& check) {
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                std::_Exit(2);
            std::_Exit(check() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

template <typename Error> bool Raises(const std::function<void()>& action, const std::string& message) {
    try {
        action();
    } catch (const Error& error) {
        return error.Message() == message;
    } catch (...) {
    }
    return false;
}

// Lowers the limit on the size of written files, so that a longer write fails part-way (EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : FOldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit lowered = FOld;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }

private:
    void (*FOldHandler)(int);
    rlimit FOld{};
};

} // namespace

TEST_F(FileStreamTest, WritesAndReadsBackEveryByte) {
    const std::string path = PathOf("every.txt");
    const std::string bytes = EveryByte() + std::string(200000, '\x83') + EveryByte();
    WriteFileBytes(path, bytes);
    EXPECT_EQ(ReadFileBytes(path), bytes);

    WriteFileBytes(path, "");
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(Entries(FDir), std::vector<std::string>{"every.txt"});
}

TEST_F(FileStreamTest, NewFileGetsTheUsualModeAndReplacedFileKeepsItsMode) {
    const mode_t oldMask = ::umask(022);
    WriteFileBytes(PathOf("new.txt"), "x");
    ::umask(oldMask);
    EXPECT_EQ(ModeOf(PathOf("new.txt")), 0644u);

    const std::string path = PathOf("kept.txt");
    Put(path, "old");
    ::chmod(path.c_str(), 0640);
    WriteFileBytes(path, "new");
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(ReadFileBytes(path), "new");
}

TEST_F(FileStreamTest, WritingThroughASymbolicLinkReplacesTheFileItLeadsTo) {
    fs::create_directory(FDir / "real");
    Put(PathOf("real/data.txt"), "old");
    fs::create_symlink(FDir / "real/data.txt", FDir / "link.txt");

    WriteFileBytes(PathOf("link.txt"), "new");
    EXPECT_TRUE(fs::is_symlink(FDir / "link.txt"));
    EXPECT_EQ(ReadFileBytes(PathOf("real/data.txt")), "new");
    EXPECT_EQ(Entries(FDir / "real"), std::vector<std::string>{"data.txt"});
}

TEST_F(FileStreamTest, MissingFileOrDirectoryCannotBeOpened) {
    const std::string missing = PathOf("missing.txt");
    EXPECT_TRUE(
        Raises<platform::EFOpenError>([&] { ReadFileBytes(missing); }, "ﾌｧｲﾙ " + missing + " は開けません"));
    EXPECT_TRUE(Raises<platform::EFOpenError>([&] { ReadFileBytes(FDir.string()); },
                                              "ﾌｧｲﾙ " + FDir.string() + " は開けません"));
}

TEST_F(FileStreamTest, FileInAMissingDirectoryOrADirectoryCannotBeCreated) {
    const std::string inMissingDir = PathOf("nodir/out.txt");
    EXPECT_TRUE(Raises<platform::EFCreateError>([&] { WriteFileBytes(inMissingDir, "x"); },
                                                "ﾌｧｲﾙ " + inMissingDir + " を作成できません"));
    fs::create_directory(FDir / "sub");
    const std::string dir = PathOf("sub");
    EXPECT_TRUE(Raises<platform::EFCreateError>([&] { WriteFileBytes(dir, "x"); },
                                                "ﾌｧｲﾙ " + dir + " を作成できません"));
    EXPECT_TRUE(fs::is_directory(dir));
}

TEST_F(FileStreamTest, UnwritableDirectoryOrFileIsLeftAsItWas) {
    // A file anyone may write, in a directory no one may write: it cannot be replaced whole.
    fs::create_directory(FDir / "locked");
    const std::string inLockedDir = PathOf("locked/data.txt");
    Put(inLockedDir, "old");
    ::chmod(inLockedDir.c_str(), 0666);
    ::chmod(PathOf("locked").c_str(), 0555);
    // A read-only file in a directory anyone may write.
    fs::create_directory(FDir / "open");
    const std::string readOnly = PathOf("open/data.txt");
    Put(readOnly, "old");
    ::chmod(readOnly.c_str(), 0444);
    ::chmod(PathOf("open").c_str(), 0777);

    ExpectHoldsUnprivileged([&] {
        return Raises<platform::EFCreateError>([&] { WriteFileBytes(inLockedDir, "new"); },
                                               "ﾌｧｲﾙ " + inLockedDir + " を作成できません") &&
               Raises<platform::EFCreateError>([&] { WriteFileBytes(readOnly, "new"); },
                                               "ﾌｧｲﾙ " + readOnly + " を作成できません") &&
               Raises<platform::EFCreateError>([&] { WriteFileBytes(PathOf("locked/new.txt"), "x"); },
                                               "ﾌｧｲﾙ " + PathOf("locked/new.txt") + " を作成できません");
    });
    EXPECT_EQ(ReadFileBytes(inLockedDir), "old");
    EXPECT_EQ(ReadFileBytes(readOnly), "old");
    EXPECT_EQ(Entries(FDir / "locked"), std::vector<std::string>{"data.txt"});
    EXPECT_EQ(Entries(FDir / "open"), std::vector<std::string>{"data.txt"});
}

TEST_F(FileStreamTest, WriteErrorOnADevice) {
    EXPECT_TRUE(
        Raises<platform::EWriteError>([] { WriteFileBytes("/dev/full", "x"); }, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ"));
}

TEST_F(FileStreamTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string path = PathOf("data.txt");
    Put(path, "old content");
    bool raised;
    {
        FileSizeLimit limit(100);
        raised = Raises<platform::EWriteError>([&] { WriteFileBytes(path, std::string(1000, 'n')); },
                                               "ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadFileBytes(path), "old content");
    EXPECT_EQ(Entries(FDir), std::vector<std::string>{"data.txt"});
}
