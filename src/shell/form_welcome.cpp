#include "shell/form_welcome.h"
#include "widgets/gui_resources.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace zr40 {

FormWelcome::FormWelcome(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer1_(new QTimer(this)) {
    GuiResources::Ensure();
    setObjectName(QStringLiteral("FormWelcome"));
    setAttribute(Qt::WA_DeleteOnClose);
    QSvgRenderer renderer(QStringLiteral(":/icons/splash.svg"));
    const QSize size = renderer.defaultSize().isValid() ? renderer.defaultSize() : QSize(480, 300);
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    picture_ = QPixmap(size * ratio);
    picture_.fill(Qt::transparent);
    QPainter painter(&picture_);
    renderer.render(&painter);
    picture_.setDevicePixelRatio(ratio);
    setFixedSize(size);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer1_->setSingleShot(true);
    timer1_->setInterval(kShowMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &FormWelcome::Timer1_Timer);
    timer1_->start();
}

void FormWelcome::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void FormWelcome::Timer1_Timer() {
    emit finished();
    close();
}

} // namespace zr40
