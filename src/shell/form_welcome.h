#pragma once

#include <QWidget>

class QTimer;

namespace zr40 {

// The start-up picture. It shows for two seconds, then hands over to the main window.
class FormWelcome : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 2000;

    explicit FormWelcome(QWidget* parent = nullptr);

signals:
    // The picture has had its time; the receiver opens the main window.
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Timer1_Timer();

    QPixmap picture_;
    QTimer* timer1_;
};

} // namespace zr40
