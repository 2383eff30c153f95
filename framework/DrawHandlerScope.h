#pragma once

// Marks the time a form's draw handler runs inside Qt's painting. Qt leaves unpainted
// the children of a widget that moves while another widget paints, and a draw handler
// may well move one (the marker beside a list box's shown row), so such a control is
// painted once more when the paint is over.
class DrawHandlerScope {
public:
    DrawHandlerScope() { ++depth_; }
    ~DrawHandlerScope() { --depth_; }
    DrawHandlerScope(const DrawHandlerScope&) = delete;
    DrawHandlerScope& operator=(const DrawHandlerScope&) = delete;

    static bool Active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};
