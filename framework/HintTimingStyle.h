#pragma once

#include <QProxyStyle>

// The desktop's style with the tool-tip delays the application sets.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
