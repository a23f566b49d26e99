// The kill-focus options that the numeric, date and time behaviours share
// (Behavior::KillFocusFlag), applied to a text that is empty or invalid in their order: beep,
// adjust, message, focus. isValid is asked only about a text that is not empty.
#pragma once
#include "Behavior.h"
#include <functional>

inline void ApplyKillFocusFlags(CVetEdit* pEdit, UINT uFlags, bool bEmpty, const std::function<bool()>& isValid,
                                const std::function<void()>& adjust, const std::function<void()>& report)
{
    if (!bEmpty && isValid())
        return;
    const UINT uBeep = bEmpty ? Behavior::BeepIfEmpty : Behavior::BeepIfInvalid;
    const UINT uAdjust = bEmpty ? Behavior::AdjustIfEmpty : Behavior::AdjustIfInvalid;
    const UINT uRefocus = bEmpty ? Behavior::RefocusIfEmpty : Behavior::RefocusIfInvalid;
    const UINT uReport = bEmpty ? Behavior::ReportIfEmpty : Behavior::ReportIfInvalid;
    if (uFlags & uBeep)
        ::MessageBeep(MB_ICONEXCLAMATION);
    if (uFlags & uAdjust)
        adjust();
    // An edit that lost the focus by being hidden or destroyed (its dialog closing) neither shows
    // a message nor takes the focus back: the box's modal loop would run inside the destruction,
    // and a hidden window cannot hold the focus for the user.
    if (!pEdit->IsWindowVisible())
        return;
    if ((uFlags & uReport) && (uFlags & uRefocus))
        report();
    if (uFlags & uRefocus)
        pEdit->SetFocus();
}
