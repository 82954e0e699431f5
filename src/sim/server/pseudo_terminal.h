#pragma once

#include <QByteArray>
#include <QString>

namespace zr40 {

// A pseudo-terminal standing in for the radio's end of the programming cable. The program that
// talks to the radio opens the slave side (/dev/pts/N) like any serial port; the simulator reads
// and writes the master side. The simulator keeps a slave descriptor of its own so that the
// master stays usable while no client has the port open, and the cable can be "pulled" by closing
// the master.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Creates the pair in raw mode (no echo, no line editing, 8 bits, 115200 baud).
    bool Open(QString* error);
    // A symlink to the slave at `path`, so tests and scripts can use a fixed name. An existing
    // symlink there is replaced; any other file is left alone and reported.
    bool CreateLink(const QString& path, QString* error);
    // Closes both sides and removes the symlink: the client sees its cable pulled.
    void Close();

    bool isOpen() const { return master_ >= 0; }
    int masterDescriptor() const { return master_; }
    QString devicePath() const { return devicePath_; }

    // Everything the client has written so far (empty when nothing is waiting).
    QByteArray ReadAvailable();
    // Writes all bytes, waiting while the client's input queue is full.
    bool WriteAll(const QByteArray& bytes);

private:
    void RemoveLink();

    int master_ = -1;
    int slave_ = -1;
    QString devicePath_;
    QString linkPath_;
};

} // namespace zr40
