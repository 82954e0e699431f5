#pragma once

#include <QProxyStyle>

namespace zr40 {

// Password boxes of the transfer window show one "*" per digit, as the radio's own keypad
// display does, whatever dot the desktop style would draw.
class StarPasswordStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace zr40
