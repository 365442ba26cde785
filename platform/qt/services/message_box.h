#pragma once

#include "platform/services/message_dialog.h"

namespace platform::qt {

// A box with the text, an OK button and the title, modal to the whole program.
class QtMessageDialog final : public MessageDialog {
public:
    void show(const std::string& text, const std::string& title) override;
};

} // namespace platform::qt
