#include "QtBackend.h"

#include "shell/layer/Program.h"
#include "shell/layer/qt/ChildWidget.h"
#include "shell/layer/qt/PictureWindow.h"
#include "shell/layer/qt/PushButton.h"
#include "shell/layer/qt/QtClock.h"
#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/QtWindow.h"
#include "shell/layer/qt/Toolkit.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>

#include <utility>

void QtBackend::install()
{
    static QtBackend backend;
    Backend::use(backend);
}

std::unique_ptr<WindowPeer> QtBackend::makeWindow(Form &form, bool keepOutOfTaskbar)
{
    return std::make_unique<QtWindow>(form, keepOutOfTaskbar);
}

std::unique_ptr<ChildWindow> QtBackend::makeButton(Form &form, const std::string &caption, const FontSpec &font,
                                                   Colour background, std::function<void()> click)
{
    auto *button = new PushButton(toolkit::text(caption), toolkit::widget(form));
    button->setFont(toQFont(font));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, toQColor(background));
    palette.setColor(QPalette::ButtonText, toQColor(systemColour::buttonText));
    button->setPalette(palette);
    QObject::connect(button, &QPushButton::clicked, [handler = std::move(click)] { program::dispatch(handler); });
    return std::make_unique<ChildWidget>(button);
}

std::unique_ptr<ChildWindow> QtBackend::makePictureWindow(Form &form, const PictureBox &box)
{
    return std::make_unique<ChildWidget>(new PictureWindow(box, toolkit::widget(form)));
}

std::unique_ptr<Clock> QtBackend::makeClock(std::function<void()> tick)
{
    return std::make_unique<QtClock>(std::move(tick));
}

std::shared_ptr<const Pixels> QtBackend::loadPicture(const std::string &name)
{
    const QImage image(toolkit::text(name));
    if (image.isNull())
        return nullptr;
    return std::make_shared<const Pixels>(toolkit::pixels(image));
}

char QtBackend::decimalPoint() const
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? point.at(0).toLatin1() : '.';
}

PixelRect QtBackend::primaryScreen() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? toolkit::pixelRect(screen->geometry()) : PixelRect{};
}

void QtBackend::showError(const std::string &message)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("Zellomar"), toolkit::text(message));
}

void QtBackend::quit(int status)
{
    if (QCoreApplication::instance())
        QCoreApplication::exit(status);
}
