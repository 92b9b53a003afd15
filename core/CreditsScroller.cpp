#include "CreditsScroller.h"

#include <cmath>

int CreditsScroller::RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    return static_cast<int>(rounded);
}

bool CreditsScroller::Start(int textHeight, double scaleWidth, double scaleHeight)
{
    rect_ = ScrollRect{};
    textHeight_ = 0;
    lastFrame_ = 0;
    running_ = false;
    if (textHeight == 0)
        return false;
    textHeight_ = textHeight;
    rect_.left = 0;
    rect_.right = RoundHalfEven(scaleWidth);
    PlaceAtBottom(scaleHeight);
    running_ = true;
    return true;
}

void CreditsScroller::PlaceAtBottom(double scaleHeight)
{
    rect_.top = RoundHalfEven(scaleHeight);
    rect_.bottom = RoundHalfEven(scaleHeight + textHeight_);
}

bool CreditsScroller::FrameDue(std::uint32_t now) const
{
    return Elapsed(now, lastFrame_) > kFramePause;
}

std::uint32_t CreditsScroller::MillisecondsUntilDue(std::uint32_t now) const
{
    const std::uint32_t elapsed = Elapsed(now, lastFrame_);
    return elapsed > kFramePause ? 0 : kFramePause + 1 - elapsed;
}

void CreditsScroller::Advance(double scaleHeight)
{
    rect_.top -= 1;
    rect_.bottom -= 1;
    if (rect_.top < -textHeight_)
        PlaceAtBottom(scaleHeight);
}
