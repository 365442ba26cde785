#pragma once

namespace platform::qt {

// Gives push buttons and check boxes to screen readers with their role, name and state, and
// offers their press or toggle action only while the user could click them: shown, enabled and
// not behind a modal box. Qt's own would list the action of a hidden button too.
void installButtonAccessibility();

} // namespace platform::qt
