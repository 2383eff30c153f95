#pragma once

// What a benchmark of a real window watches in the event loop: how long the window could
// not answer, and when a widget was painted; and user input queued as the window gets it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <algorithm>
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

// One user action, measured from the moment its input is queued until the window has
// answered it: the work is done and, where the answer is something seen, the widget
// showing it has been painted since. Also measured: the longest time between two turns
// of the event loop meanwhile, which is how long the window could not answer the user.
class Step {
public:
    struct Figures {
        double ms = 0;
        double blockMs = 0;
    };

    // `painted` is the widget whose paint, once `done` holds, shows the answer; none where
    // no paint shows it: the window going, or the title box, for which the offscreen
    // screen leaves no room.
    static Figures Measure(const std::function<void()>& queueInput, const std::function<bool()>& done,
                           const QWidget* painted)
    {
        PaintWatch answer([&](const QWidget& widget) { return &widget == painted && done(); });
        qint64 longest = 0;
        LoopTurnGaps gaps([&longest](qint64 gap) { longest = std::max(longest, gap); });
        QElapsedTimer clock;
        clock.start();
        queueInput();
        while (!(painted ? answer.Painted() : done()))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        gaps.Turn();
        return {static_cast<double>(clock.nsecsElapsed()) / 1e6, static_cast<double>(longest) / 1e6};
    }
};

inline void QueueClick(QWidget* widget, const QPoint& at)
{
    const QPoint global = widget->mapToGlobal(at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(widget, new QMouseEvent(type, at, global, Qt::LeftButton, held, {}));
    }
}

inline void QueueKey(QWidget* widget, Qt::Key key, const QString& text)
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(widget, new QKeyEvent(type, key, Qt::NoModifier, text));
}
