// The yardstick for start-up: a Qt Widgets program with the start window's kind
// of content, one window of the same size with two push buttons in a bold font.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(423, 429);
    QFont bold = window.font();
    bold.setBold(true);
    QPushButton first(QStringLiteral("&First"), &window);
    QPushButton second(QStringLiteral("&Second"), &window);
    first.setFont(bold);
    second.setFont(bold);
    first.setGeometry(40, 336, 113, 33);
    second.setGeometry(312, 336, 65, 33);
    window.show();
    return QApplication::exec();
}
