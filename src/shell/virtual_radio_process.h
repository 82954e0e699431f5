#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

namespace zr40 {

// The virtual radio the serial port dialog offers for trying the program without a radio:
// zr40-sim, installed beside the program, serving a ZR40 without a password on a
// pseudo-terminal. Its memory is kept in the user's data folder, so what was written to it is
// there to read in the next run. The main window owns it; it stops when the window ends or
// another port is chosen.
class VirtualRadioProcess : public QObject {
    Q_OBJECT
public:
    explicit VirtualRadioProcess(QObject* parent = nullptr);
    ~VirtualRadioProcess() override;

    // zr40-sim beside the running program.
    static QString InstalledProgram();
    // Which program to start; tests start the one of their build.
    void SetProgram(const QString& program) { program_ = program; }
    QString Program() const { return program_; }
    bool Available() const;

    // The memory file in the user's data folder.
    static QString MemoryFile();
    // "Virtual radio (demo)", as the port dialog and the status bar name it.
    static QString Caption(bool english);

    // Starts the radio unless it runs; false with `error` saying why.
    bool Start(QString* error);
    void Stop();
    bool Running() const { return process_.state() == QProcess::Running && !device_.isEmpty(); }
    // The pseudo-terminal it serves on (empty when it does not run).
    QString Device() const { return Running() ? device_ : QString(); }
    // True when `port` is the virtual radio's device.
    bool Serves(const QString& port) const { return Running() && port == device_; }

private:
    QString program_;
    QProcess process_;
    QString device_;
    QByteArray errors_; // the tail of what it said on stderr, for a failed start
};

} // namespace zr40
