#include "shell/Game.h"
#include "shell/layer/Program.h"
#include "shell/layer/RuntimeError.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { program::reset(); }
    void TearDown() override { program::reset(); }

    // Closes the error box as soon as it is up, as a player would; keeps its text in `shown`.
    static void closeMessageBoxSoon(QString *shown = nullptr)
    {
        QTimer::singleShot(0, [shown] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                if (auto *message = qobject_cast<QMessageBox *>(box); message && shown)
                    *shown = message->text();
                box->close();
            } else {
                closeMessageBoxSoon(shown);
            }
        });
    }
};

} // namespace

TEST_F(ProgramTest, AWindowIsCentredOnTheScreenOrAtItsEdgeAlongASideWhereItDoesNotFit)
{
    struct Case {
        int screenWide, screenHigh, x, y;
    };
    // The start window's outer size, 429 x 461 pixels, on screens it fits and does not.
    for (const Case c : {Case{1024, 768, 297, 153}, Case{320, 240, 0, 0}, Case{320, 768, 0, 153},
                         Case{1024, 240, 297, 0}}) {
        program::setScreenPixels(c.screenWide, c.screenHigh);
        const program::PixelPoint place = program::placeOnScreen(429, 461);
        EXPECT_EQ(place.x, c.x) << c.screenWide << " x " << c.screenHigh;
        EXPECT_EQ(place.y, c.y) << c.screenWide << " x " << c.screenHigh;
    }
}

TEST_F(ProgramTest, EndStopsTheHandlerAtOnceWithStatusZero)
{
    bool after = false;
    EXPECT_FALSE(program::dispatch([&] {
        program::End();
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_TRUE(program::ended());
    EXPECT_EQ(program::exitStatus(), 0);
}

TEST_F(ProgramTest, NoHandlerRunsAfterTheEnd)
{
    program::dispatch([] { program::End(); });
    bool ran = false;
    EXPECT_FALSE(program::dispatch([&] { ran = true; }));
    EXPECT_FALSE(ran);
}

TEST_F(ProgramTest, AnyErrorIsReportedOnOneLineAndEndsWithStatusOne)
{
    struct Case {
        std::function<void()> handler;
        std::string line;
    };
    const Case cases[] = {
        {[] { throw RuntimeError(ErrorKind::TypeMismatch, "line 4 of /x/Level1.lvl: \"abc\" is not a number"); },
         "Zellomar: run-time error: Type mismatch: line 4 of /x/Level1.lvl: \"abc\" is not a number\n"},
        {[] { throw std::logic_error("no such window"); }, "Zellomar: run-time error: Internal error: no such window\n"},
        {[] { throw 42; }, "Zellomar: run-time error: Internal error: an exception of unknown type\n"},
    };
    for (const Case &c : cases) {
        program::reset();
        closeMessageBoxSoon();
        testing::internal::CaptureStderr();
        program::dispatch(c.handler);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.substr(0, err.find('\n') + 1), c.line);
        EXPECT_TRUE(program::ended());
        EXPECT_EQ(program::exitStatus(), 1);
    }
}

TEST_F(ProgramTest, ControlAndNonUtf8BytesReachNeitherTheTerminalNorTheBox)
{
    QString shown;
    closeMessageBoxSoon(&shown);
    testing::internal::CaptureStderr();
    program::dispatch([] {
        throw RuntimeError(ErrorKind::TypeMismatch,
                           std::string("/caf\xe9/caf\xc3\xa9: \x1b[31ma\0b\r\x7f\xc2\x9b\xc0\xaf", 27));
    });
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string expected = "Zellomar: run-time error: Type mismatch: "
                                 "/caf\\xe9/caf\xc3\xa9: \\x1b[31ma\\x00b\\x0d\\x7f\\xc2\\x9b\\xc0\\xaf";
    EXPECT_EQ(err.substr(0, err.find('\n') + 1), expected + "\n");
    EXPECT_EQ(shown.toStdString(), expected);
}

TEST_F(ProgramTest, AnErrorAfterTheEndChangesNothing)
{
    program::dispatch([] { program::End(); });
    program::dispatch([] { throw RuntimeError(ErrorKind::Overflow, ""); });
    EXPECT_EQ(program::exitStatus(), 0);
}

TEST_F(ProgramTest, ErrorMessagesNameTheirKind)
{
    EXPECT_EQ(RuntimeError(ErrorKind::FileNotFound, "no file /a/b").message(), "File not found: no file /a/b");
    EXPECT_EQ(RuntimeError(ErrorKind::SubscriptOutOfRange, "").message(), "Subscript out of range");
    EXPECT_EQ(kindName(ErrorKind::InputPastEndOfFile), "Input past end of file");
    EXPECT_EQ(kindName(ErrorKind::FloatingPoint), "Floating-point error");
    EXPECT_EQ(kindName(ErrorKind::PathNotFound), "Path not found");
    EXPECT_EQ(kindName(ErrorKind::Overflow), "Overflow");
}

TEST(ImageUploadTest, ThePlainSocketIsChosenOnlyWhereTheUserHasNotChosen)
{
    qunsetenv("QT_XCB_NO_MITSHM");
    program::preferPlainImageUpload();
    EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "1");

    qputenv("QT_XCB_NO_MITSHM", "");
    program::preferPlainImageUpload();
    EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "") << "an empty value is the user's choice too";
    qunsetenv("QT_XCB_NO_MITSHM");
}
