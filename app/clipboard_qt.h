#pragma once
#include "platform/platform.h"

namespace xantu {

// The desktop's clipboard through Qt (its plain-text contents).
class ClipboardQt : public Clipboard {
public:
    std::string text() const override;
    void setText(const std::string& text) override;
};

}  // namespace xantu
