#include "ClickRule.h"

void ClickRule::Pressed(bool secondOfDouble)
{
    pressed_ = true;
    secondOfDouble_ = secondOfDouble;
}

bool ClickRule::Released(bool inside)
{
    const bool click = pressed_ && inside && !secondOfDouble_;
    pressed_ = false;
    secondOfDouble_ = false;
    return click;
}
