#pragma once

#include <QObject>

class TControl;

// Hands the Qt events of a control's widgets to the control, and is the context of its
// Qt connections, so that nothing reaches a control that is being freed.
class ControlEvents final : public QObject {
public:
    explicit ControlEvents(TControl& control) : control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TControl& control_;
};
