#include "Application.h"

#include "MessageBoxes.h"

#include <exception>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportError(QString::fromUtf8(error.what()));
    }
    return false;
}

QString Application::reportText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void Application::reportError(const QString& message)
{
    MessageBoxes::showTitled(BoxKind::Error, QCoreApplication::applicationName(), reportText(message), BoxOk);
}
