#pragma once
// How the view reaches the parts of the program that react to a change of view: the view
// history, which keeps the view as it was before a user's change, and the redraw.

#include "view/RedrawState.h"

namespace tarlix {

class View;

class ViewHooks {
public:
    virtual ~ViewHooks() = default;
    // Called by a user's change of view before anything changes.
    virtual void viewAboutToChange(const View& /*view*/) {}
    // Called when the view has been set and needs painting.
    virtual void redraw() {}
};

} // namespace tarlix
