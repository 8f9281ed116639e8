#pragma once

#include "platform/clipboard.h"

// An in-memory clipboard.
class MemoryClipboard : public Clipboard {
public:
    QString content;
    QString text() const override { return content; }
    void setText(const QString &text) override { content = text; }
    void clear() override { content.clear(); }
};
