#include "shell/RuntimeError.h"
#include "shell/TextInput.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

class TextInputTest : public ::testing::Test {
protected:
    std::string write(const std::string &bytes)
    {
        const std::string path = m_dir.filePath(QStringLiteral("file.txt")).toStdString();
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
        EXPECT_NE(error.what().find("line 2 of " + input.path()), std::string::npos) << error.what();
    }
}

TEST_F(TextInputTest, AMissingFileOrFolderIsNamed)
{
    try {
        TextInput input(m_dir.filePath(QStringLiteral("none.txt")).toStdString());
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), ErrorKind::FileNotFound);
    }
    try {
        TextInput input(m_dir.filePath(QStringLiteral("nowhere/none.txt")).toStdString());
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), ErrorKind::PathNotFound);
    }
    try {
        TextInput input(m_dir.path().toStdString()); // a folder is no file to read
        FAIL();
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), ErrorKind::FileNotFound);
    }
}
