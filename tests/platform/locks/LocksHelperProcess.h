#pragma once

#include <QProcess>
#include <QString>

// A second program holding locks: the locks_helper executable, driven one
// command at a time. Every call waits for the helper's answer line.
class LocksHelperProcess {
public:
    LocksHelperProcess();
    ~LocksHelperProcess();

    // Sends one command and returns the answer, or "sin respuesta" when the
    // helper died or stayed silent.
    QString send(const QString& command);
    // Ends the helper the hard way, as a crash would.
    void kill();
    // Ends the helper normally; true when it said goodbye and exited.
    bool quit();

private:
    QProcess m_process;
};
