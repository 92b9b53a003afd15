#pragma once

#include <cstdint>

struct ScrollRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// One run of the credits: where the text is drawn and when the next frame is
// due. Times are readings of a 32-bit millisecond tick counter that may wrap.
class CreditsScroller
{
public:
    static constexpr std::uint32_t kFramePause = 40;

    // Begins a run over a box of the given inner size. Returns false, and
    // leaves the run stopped, when the text measured 0 pixels high.
    bool Start(int textHeight, double scaleWidth, double scaleHeight);
    bool Running() const { return running_; }

    // A frame is due once more than 40 ms have passed since the last one ended.
    bool FrameDue(std::uint32_t now) const;
    std::uint32_t MillisecondsUntilDue(std::uint32_t now) const;

    const ScrollRect &Rect() const { return rect_; }
    int TextHeight() const { return textHeight_; }

    // Moves the text up one pixel after a frame has been drawn; past
    // -(text height) it starts again at the bottom of the box, whose height is
    // read anew.
    void Advance(double scaleHeight);
    void FrameShown(std::uint32_t now) { lastFrame_ = now; }

    static int RoundHalfEven(double value);
    static std::uint32_t Elapsed(std::uint32_t now, std::uint32_t since) { return now - since; }

private:
    void PlaceAtBottom(double scaleHeight);

    ScrollRect rect_;
    int textHeight_ = 0;
    std::uint32_t lastFrame_ = 0;
    bool running_ = false;
};
