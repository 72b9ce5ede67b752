#pragma once
// TEMPORARY: stand-ins for the Windows services still being written (text metrics and painter,
// media, clipboard, HTTP, shell, instance guard). Each does the least that keeps the program
// honest: nothing here claims success it did not have. Replaced as the real services arrive.
#include "platform/clipboard.h"
#include "platform/http.h"
#include "platform/instance_guard.h"
#include "platform/media.h"
#include "platform/shell.h"
#include "platform/text_metrics.h"
#include "platform/text_painter.h"

namespace vis::interim {

// Measures with GDI on the screen at the system's DPI.
class GdiMeasure : public TextMetrics {
public:
    TextSize measure(const std::string& text, const Font& font) const override;
    std::vector<std::string> font_names() const override;
};

// Draws nothing yet; reports the size the line would take.
class NoTextPainter : public TextPainter {
public:
    explicit NoTextPainter(const TextMetrics& metrics) : metrics_(metrics) {}
    PixelSize draw_line(PixelSurface surface, int x, int y, const std::string& text, const Font& font,
                        Colour colour) override;

private:
    const TextMetrics& metrics_;
};

// Every command fails, as with no sound device.
class NoMedia : public Media {
public:
    int send(const std::string& command, std::string& reply) override;
};

class NoClipboard : public Clipboard {
public:
    bool set_picture(const Picture&) override { return false; }
};

// No answer, as when the server does not reply in time.
class NoHttp : public Http {
public:
    std::string get(const std::string&, int) override { return {}; }
};

class NoShell : public Shell {
public:
    bool open(const std::string&, const std::string&) override { return false; }
};

class NoInstanceGuard : public InstanceGuard {
public:
    bool another_instance_running() override { return false; }
};

}  // namespace vis::interim
