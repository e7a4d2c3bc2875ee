#include "shell/layer/RuntimeError.h"
#include "shell/layer/TextInput.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class TextInputTest : public ::testing::Test {
protected:
    std::string write(const std::string &bytes, const QString &name = QStringLiteral("file.txt"))
    {
        const std::string path = m_dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::vector<std::string> readAll(const std::string &bytes)
    {
        TextInput input(write(bytes));
        std::vector<std::string> lines;
        while (!input.eof())
            lines.push_back(input.readLine().text);
        return lines;
    }

    QTemporaryDir m_dir;
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(TextInputTest, CarriageReturnLineFeedAndThePairEachEndALine)
{
    EXPECT_EQ(readAll("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(readAll("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(readAll("a\n\rb"), (Lines{"a", "", "b"})); // LF CR is two line ends
}

TEST_F(TextInputTest, TheLastLineMayLackItsEnd)
{
    EXPECT_EQ(readAll("3\r\n1\r\nWall01"), (Lines{"3", "1", "Wall01"}));
    EXPECT_EQ(readAll(""), Lines{});
}

TEST_F(TextInputTest, BlanksAndOtherBytesStayInTheLine)
{
    EXPECT_EQ(readAll(" 3 \r\nWall01 \r\n"), (Lines{" 3 ", "Wall01 "}));
    EXPECT_EQ(readAll(std::string("a\0b\xff\r\n", 6)), (Lines{std::string("a\0b\xff", 4)}));
}

TEST_F(TextInputTest, ReadingPastTheEndIsAnErrorNamingTheLine)
{
    TextInput input(write("1\r\n"));
    EXPECT_EQ(input.readLine().number, 1);
    try {
        input.readLine();
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), ErrorKind::InputPastEndOfFile);
        EXPECT_NE(std::string_view(error.what()).find("line 2 of " + input.path()), std::string::npos) << error.what();
    }
}

TEST_F(TextInputTest, AMissingFileOrFolderOrWhatStandsInPlaceOfTheFileIsNamedWithItsPath)
{
    const std::string dir = m_dir.path().toStdString();
    ASSERT_EQ(mkfifo((dir + "/fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/null", dir + "/device");
    std::filesystem::create_symlink("loop", dir + "/loop");
    const struct {
        std::string path;
        ErrorKind kind;
        std::string named;
    } cases[] = {
        {dir + "/none.txt", ErrorKind::FileNotFound, "no file " + dir + "/none.txt"},
        {dir + "/nowhere/none.txt", ErrorKind::PathNotFound, "no folder " + dir + "/nowhere"},
        {dir, ErrorKind::PathFileAccess, dir + " is a folder, not a level file"},
        {dir + "/fifo", ErrorKind::PathFileAccess, dir + "/fifo is a FIFO, not a level file"}, // never opened
        {dir + "/device", ErrorKind::PathFileAccess, dir + "/device is a device, not a level file"},
        {dir + "/loop", ErrorKind::PathFileAccess, dir + "/loop is a link that loops, not a level file"},
    };
    for (const auto &c : cases) {
        try {
            TextInput input(c.path);
            ADD_FAILURE() << c.path << " opened";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), c.kind) << error.message();
            EXPECT_EQ(error.what(), c.named);
        }
    }
}

// Bytes this process has read from files so far.
long bytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

TEST_F(TextInputTest, ALineOfMoreThan64KiBIsAnErrorAtThatLineReadInLittleMemory)
{
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const std::string longest(TextInput::maxLineLength, 'A');
    EXPECT_EQ(readAll("1\r\n" + longest + "\r\n2"), (Lines{"1", longest, "2"}));
    EXPECT_EQ(readAll(longest), Lines{longest});
    const std::string sparse = write("1\n", QStringLiteral("sparse"));
    std::filesystem::resize_file(sparse, std::uintmax_t{1} << 30); // then 1 GiB of zeros, no line end
    for (const std::string &path : {write("1\r\n" + longest + "A\r\n", QStringLiteral("a")),
                                    write("1\n" + longest + longest, QStringLiteral("b")), sparse}) {
        const long start = bytesRead();
        try {
            TextInput input(path);
            while (!input.eof())
                input.readLine();
            ADD_FAILURE() << "a line of more than 64 KiB was read";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), ErrorKind::LineTooLong);
            EXPECT_NE(std::string_view(error.what()).find("line 2 of "), std::string::npos) << error.what();
            // The first line, no more of the long one than it takes to know, and this look at the count.
            EXPECT_LE(bytesRead() - start, static_cast<long>(TextInput::maxLineLength) + 512) << path;
        }
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 4 * 1024) << "KiB more at the peak";
}

// Opens the file as an ordinary user in a child process (root may read anything)
// and returns the error it stopped with, or "read" when it could read the file.
std::string openAsOrdinaryUser(const std::string &path)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        std::string result = "read";
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0
                               || setresuid(65534, 65534, 65534) != 0))
            result = "could not become nobody";
        else {
            try {
                TextInput input(path);
                input.readLine();
            } catch (const RuntimeError &error) {
                result = error.message();
            }
        }
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], result.data(), result.size());
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return result;
}

TEST_F(TextInputTest, AFolderOrFileThatMayNotBeReadIsAPermissionErrorNamingIt)
{
    const std::string dir = m_dir.path().toStdString();
    const std::string levels = dir + "/levels", file = levels + "/Level1.lvl";
    ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
    std::filesystem::create_directory(levels);
    std::ofstream(file) << "3\r\n";
    const struct {
        mode_t folderMode;
        mode_t fileMode;
        std::string expected;
    } cases[] = {
        {0755, 0644, "read"},
        {0311, 0644, "read"}, // searching is enough to open a file
        {0644, 0644, "Permission denied: cannot look inside the folder " + levels},
        {0, 0644, "Permission denied: cannot look inside the folder " + levels},
        {0755, 0200, "Permission denied: cannot read the file " + file},
    };
    for (const auto &c : cases) {
        // The folder is made searchable first: only root may change a file in a folder it cannot search.
        ASSERT_EQ(chmod(levels.c_str(), 0755), 0);
        ASSERT_EQ(chmod(file.c_str(), c.fileMode), 0);
        ASSERT_EQ(chmod(levels.c_str(), c.folderMode), 0);
        EXPECT_EQ(openAsOrdinaryUser(file), c.expected) << std::oct << c.folderMode << " " << c.fileMode;
    }
    chmod(levels.c_str(), 0755);
}
