#pragma once

// When a press and release of the left button make a Click. A double-click
// raises one Click, not two: the release that ends its second press is no
// click. Two presses far enough apart in time to be separate clicks each make
// one. A release away from the control makes no click.
class ClickRule
{
public:
    // secondOfDouble: the press is the second of a double-click.
    void Pressed(bool secondOfDouble);
    // Whether this release makes a Click.
    bool Released(bool inside);

private:
    bool pressed_ = false;
    bool secondOfDouble_ = false;
};
