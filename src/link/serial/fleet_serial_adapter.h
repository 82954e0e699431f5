#pragma once

#include "link/fleet_driver.h"
#include "link/serial/link_port.h"

#include <QObject>

namespace zr40 {

// Couples a fleet driver to a real serial port and one timer on the event loop: it carries out
// the driver's actions, reopens the port when asked (a failed open is the driver's to retry),
// and turns the driver's news into signals. The session's own work (keeping the backups,
// logging, showing the status) belongs to whoever listens.
class FleetSerialAdapter : public QObject {
    Q_OBJECT
public:
    explicit FleetSerialAdapter(FleetDriver& driver, QObject* parent = nullptr);

    void SetPortName(const QString& name) { port_.SetPortName(name); }
    LinkPort& Port() { return port_; }

    // Starts the session; false when the driver refuses (see FleetDriver::Start).
    bool Start();
    void Stop();
    // The answer to backupReady: true once the backup is safely stored, false (with the reason)
    // when it could not be; may be given inside the signal's handler or later.
    void AnswerBackup(bool stored, const QString& reason = {});

signals:
    void phaseChanged(zr40::FleetPhase phase, int radio, zr40::Long localId);
    // Keep `radio` (what radio number `radio` held before the write) as its before-write backup,
    // then call AnswerBackup.
    void backupReady(int radio, zr40::Long localId, const zr40::Codeplug& radioBefore);
    void radioDone(const zr40::FleetRadioReport& report);
    // The port could not be opened; the driver tries again in 500 ms.
    void portUnavailable(const zr40::PortOpenError& error);
    void ended();
    void traceLine(const QString& line);
    void progress(double fraction, const QString& label);

private:
    void Drain();
    void Perform(const FleetAction& action);
    void Reopen();

    FleetDriver& driver_;
    LinkPort port_;
    bool draining_ = false;
};

} // namespace zr40
