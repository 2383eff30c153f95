#pragma once

// What a benchmark of a real window watches in the event loop: how long the window could
// not answer, and when a widget was painted.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// Hands on the time since the last turn of the event loop at every turn: a gap is how
// long the window could not answer the user.
class LoopTurnGaps {
public:
    explicit LoopTurnGaps(std::function<void(qint64 nanoseconds)> gap) : gap_(std::move(gap))
    {
        QObject::connect(&turns_, &QTimer::timeout, [this] { Turn(); });
        sinceLastTurn_.start();
        turns_.start(0);
    }

    // Also called once when the measurement ends, for the time since the last turn.
    void Turn()
    {
        gap_(sinceLastTurn_.nsecsElapsed());
        sinceLastTurn_.restart();
    }

private:
    std::function<void(qint64)> gap_;
    QTimer turns_;
    QElapsedTimer sinceLastTurn_;
};

// Notes a paint of any widget that `counts` accepts.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<bool(const QWidget&)> counts) : counts_(std::move(counts))
    {
        qApp->installEventFilter(this);
    }

    bool Painted() const { return painted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (const auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr && counts_(*widget))
                painted_ = true;
        }
        return false;
    }

private:
    std::function<bool(const QWidget&)> counts_;
    bool painted_ = false;
};
