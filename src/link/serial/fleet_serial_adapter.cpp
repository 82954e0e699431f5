#include "link/serial/fleet_serial_adapter.h"

namespace zr40 {

FleetSerialAdapter::FleetSerialAdapter(FleetDriver& driver, QObject* parent)
    : QObject(parent), driver_(driver) {
    connect(&port_, &LinkPort::bytesArrived, this, [this](const QByteArray& bytes) {
        driver_.BytesReceived(bytes);
        Drain();
    });
    connect(&port_, &LinkPort::timerFired, this, [this] {
        driver_.TimerFired();
        Drain();
    });
    connect(&port_, &LinkPort::portLost, this, [this](const QString& reason) {
        driver_.PortLost(reason);
        Drain();
    });
    connect(&port_, &LinkPort::traceLine, this, &FleetSerialAdapter::traceLine);
    connect(&port_, &LinkPort::progress, this, &FleetSerialAdapter::progress);
}

bool FleetSerialAdapter::Start() {
    if (!driver_.Start())
        return false;
    Drain();
    return true;
}

void FleetSerialAdapter::Stop() {
    driver_.Stop();
    Drain();
}

void FleetSerialAdapter::AnswerBackup(bool stored, const QString& reason) {
    driver_.BackupStored(stored, reason);
    Drain();
}

// One action at a time, in order, also when a listener feeds the driver again from inside a
// signal (the backup answered at once): such calls only queue actions, taken up here.
void FleetSerialAdapter::Drain() {
    if (draining_)
        return;
    draining_ = true;
    for (auto actions = driver_.TakeActions(); !actions.empty(); actions = driver_.TakeActions())
        for (const FleetAction& action : actions)
            Perform(action);
    draining_ = false;
}

void FleetSerialAdapter::Perform(const FleetAction& action) {
    switch (action.kind) {
    case FleetAction::Kind::Link:
        port_.Perform(action.link);
        break;
    case FleetAction::Kind::ReopenPort:
        Reopen();
        break;
    case FleetAction::Kind::Phase:
        emit phaseChanged(action.phase, action.radio, action.localId);
        break;
    case FleetAction::Kind::StoreBackup:
        emit backupReady(action.radio, action.localId, driver_.RadioBefore());
        break;
    case FleetAction::Kind::RadioDone:
        emit radioDone(action.report);
        break;
    case FleetAction::Kind::Ended:
        port_.Close();
        emit ended();
        break;
    }
}

void FleetSerialAdapter::Reopen() {
    port_.Close();
    const PortOpenError error = port_.Open();
    if (error.isError())
        emit portUnavailable(error);
    driver_.PortOpened(!error.isError());
}

} // namespace zr40
