#pragma once

#include "clipboard.h"

// The desktop's clipboard through QClipboard.
class SystemClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString &text) override;
    void clear() override;
};
