#pragma once

#include <QApplication>

// The application object. An exception that escapes an event handler ends
// that handler only: it is reported in an error box titled with the
// application's name, and the program goes on with the next event.
class Application final : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The box text for an error message: a full stop is added when the last
    // character's code lies above that of the full stop.
    [[nodiscard]] static QString reportText(const QString& message);
    static void reportError(const QString& message);
};
